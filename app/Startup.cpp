#include "app/Startup.h"

#include "app/Controls.h"
#include "app/DesignFonts.h"
#include "app/Random.h"
#include "app/Roster.h"
#include "app/SharedState.h"
#include "forms/End1.h"
#include "forms/Error1.h"
#include "forms/Game.h"
#include "forms/Info.h"
#include "forms/QuestionState.h"
#include "forms/Title2.h"

#include <QApplication>
#include <QStyleFactory>

namespace {

// The silver, button-face look of a classic desktop, the same everywhere.
void InstallClassicLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QColor silver(0xC0, 0xC0, 0xC0);
    QPalette palette;
    palette.setColor(QPalette::Window, silver);
    palette.setColor(QPalette::Button, silver);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    QApplication::setPalette(palette);
    // The face and size most of the design's controls use. As the program's
    // own, no control is first laid out in the desktop's font, which would
    // load a font never shown.
    QApplication::setFont(DesignFont(SystemFace, 13));
}

// Puts every unit-level variable of every window back to its start value, as
// at a fresh start of the program, so that a test may start it again.
void ZeroUnitState()
{
    PlayerNames = {};
    PieceSquare = {};
    CurrentPlayer = 0;
    SetupStage = 0;
    ZeroBoardState();
    ZeroQuestionState();
    ZeroBounceState();
    CatalogPage = 0;
}

} // namespace

void StartUp(const std::optional<std::string> &bank)
{
    ZeroUnitState();
    NamedBank = bank;
    Randomize();
    // Only the desktop's task list shows this name: it is deliberately not the
    // display name, which Qt would append to every window caption.
    QApplication::setApplicationName(QStringLiteral("Korvane for Windows"));
    QApplication::setWindowIcon(PictureIcon(QStringLiteral(":/piece4.png")));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallClassicLook();

    CreateRoster();
}

void ShowMainWindow()
{
    if (frmerror->isVisible())
        Form1->showWithoutActivating();
    else
        Form1->show();
}

void ShutDown()
{
    DestroyRoster();
}
