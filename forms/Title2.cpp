#include "forms/Title2.h"

#include "forms/Game.h"
#include "app/DesignFonts.h"
#include "app/SharedState.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

TForm1 *Form1 = nullptr;

namespace {

QString PiecePicture(int piece)
{
    return QStringLiteral(":/piece%1.png").arg(piece);
}

// The piece controls' places on the tray, pieces 1 to 8.
constexpr std::array<QRect, 8> PiecePlaces = {
    QRect(83, 198, 30, 35), QRect(131, 198, 30, 35), QRect(40, 200, 33, 33), QRect(176, 200, 33, 33),
    QRect(179, 246, 38, 35), QRect(85, 246, 38, 35), QRect(131, 246, 38, 35), QRect(40, 246, 33, 35),
};

// What each piece shows, for players who cannot see the pictures.
constexpr std::array<const char *, 8> PieceNames = {
    QT_TRANSLATE_NOOP("TForm1", "yellow star"), QT_TRANSLATE_NOOP("TForm1", "sailboat"),
    QT_TRANSLATE_NOOP("TForm1", "green frog"),  QT_TRANSLATE_NOOP("TForm1", "red heart"),
    QT_TRANSLATE_NOOP("TForm1", "purple crown"), QT_TRANSLATE_NOOP("TForm1", "key"),
    QT_TRANSLATE_NOOP("TForm1", "pink flower"), QT_TRANSLATE_NOOP("TForm1", "teddy bear"),
};

} // namespace

TForm1::TForm1()
    : RosterWindow("Form1", QStringLiteral("Korvane for Windows version 1.4"), Frame::Sizeable,
                   clientOfOuter(QSize(495, 400)))
{
    setFont(DesignFont(SystemFace, 13));

    // Created from the bottom of the stacking order to the top.
    Shape1 = new Shape(this, "Shape1", QRect(24, 184, 201, 113));
    for (int piece = 1; piece <= 8; ++piece) {
        const QByteArray name = "Image" + QByteArray::number(piece);
        Image *image = new Image(this, name.constData(), PiecePlaces[piece - 1], PiecePicture(piece));
        image->setAccessibleName(tr("Playing piece %1: %2").arg(piece).arg(tr(PieceNames[piece - 1])));
        image->hide();
        connect(image, &Image::clicked, this, [this, piece] { ImageClick(piece); });
        Pieces[piece - 1] = image;
    }
    lblEnter = new Label(this, "lblEnter", QRect(24, 136, 159, 16), tr("Please enter your name:"));
    Bevel1 = MakeBevel(this, "Bevel1", QRect(8, 344, 473, 25), BevelStyle::Lowered);
    lblbar = new Label(this, "lblbar", QRect(15, 348, 410, 16),
                       tr(" Player one, enter your name then press [Tab] or [Enter]."), Label::Fixed);
    lblplayer1 = new Label(this, "lblplayer1", QRect(287, 202, 54, 16), tr("Player 1"));
    lblplayer2 = new Label(this, "lblplayer2", QRect(375, 202, 54, 16), tr("Player 2"));
    icop2 = new Image(this, "icop2", QRect(379, 230, 38, 43), QString(), tr("Player 2's piece"));
    icop1 = new Image(this, "icop1", QRect(291, 230, 38, 43), QString(), tr("Player 1's piece"));
    lblpieces = new Label(this, "lblpieces", QRect(32, 176, 97, 16), tr("Playing Pieces"));
    bilevel = MakeBevel(this, "bilevel", QRect(272, 192, 185, 97), BevelStyle::Frame);
    Image9 = new Image(this, "Image9", QRect(18, 22, 447, 84), QStringLiteral(":/banner.png"),
                       tr("Korvane: a game of questions, corners and Love"));
    // Edit2 lies wholly behind the name box and only gives the focus a place
    // to go when the name box is left while "Start Game" is disabled, so
    // that leaving the name box always runs Edit1Exit.
    Edit2 = new Edit(this, "Edit2", QRect(199, 134, 58, 24), QStringLiteral("Edit2"));
    Edit2->setAccessibleName(tr("Spare box: now click a playing piece"));
    Edit1 = new Edit(this, "Edit1", QRect(195, 134, 121, 24), tr("Player1"));
    Edit1->setAccessibleName(tr("Your name"));
    btnStart = MakeButton(this, "btnStart", QRect(371, 304, 86, 33), tr("Start Game"));
    btnStart->setEnabled(false);

    setTabOrder(Edit1, btnStart);
    setTabOrder(btnStart, Edit2);
    Edit1->takeFocus();

    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    Edit1->installEventFilter(this);
    connect(btnStart, &QPushButton::clicked, this, &TForm1::btnStartClick);
}

void TForm1::FormCreate()
{
    SetupStage = 1;
}

void TForm1::FormShow()
{
    // Only a start-over shows this window while the board is up: begin the
    // setup anew for new players.
    if (!frmPlayingField->isVisible())
        return;
    frmPlayingField->hide();
    SetupStage = 1;
    Edit1->setText(tr("Player1"));
    Edit1->takeFocus();
    lblplayer1->setCaption(tr("Player1"));
    lblplayer2->setCaption(tr("Player2"));
    lblbar->setCaption(tr("Player 1:  Enter your name."));
    lblEnter->setCaption(tr("Enter your name:"));
    icop1->hide();
    icop2->hide();
    ShowPieces(false);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The main window: closing it ends the program, even while it is hidden.
    // Not quit(): that first closes every window and gives up if one
    // refuses, as an open question always does.
    event->accept();
    QCoreApplication::exit(0);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1) {
        if (event->type() == QEvent::KeyPress) {
            if (Edit1KeyPress(static_cast<QKeyEvent *>(event)))
                return true;
        } else if (event->type() == QEvent::FocusOut) {
            // Leaving for another program or a menu is not leaving the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                Edit1Exit();
        }
    }
    return RosterWindow::eventFilter(watched, event);
}

void TForm1::Edit1Change()
{
    (SetupStage == 1 ? lblplayer1 : lblplayer2)->setCaption(Edit1->text());
}

bool TForm1::Edit1KeyPress(QKeyEvent *event)
{
    // Enter moves on like Tab, and types nothing.
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    focusNextChild();
    return true;
}

void TForm1::Edit1Exit()
{
    (SetupStage == 1 ? lblplayer1 : lblplayer2)->setCaption(Edit1->text());
    lblbar->setCaption(tr(" Select a playing piece by clicking on one."));
    lblEnter->setCaption(tr("Click on a playing piece"));
    ShowPieces(true);
}

void TForm1::ImageClick(int piece)
{
    const QPixmap picture = Pieces[piece - 1]->picture();
    (SetupStage == 1 ? icop1 : icop2)->setPicture(picture);
    if (SetupStage == 2) {
        icop2->show();
        btnStart->setEnabled(true);
        lblbar->setCaption(tr("Click on the 'Start Game' button to play."));
    }
    // Tested after the branch above, so a single click runs only one of them.
    if (SetupStage == 1) {
        icop1->show();
        ShowPieces(false);
        lblbar->setCaption(piece == 3 ? tr("Player 2:  Enter your name.")
                                      : tr("Player two, enter your name."));
        lblEnter->setCaption(tr("Enter your name:"));
        SetupStage = 2;
        Edit1->setText(tr("Player2")); // echoed into lblplayer2: the stage is 2 now
        Edit1->takeFocus();
    }
}

void TForm1::btnStartClick()
{
    // The board's show event reads the name labels at once.
    frmPlayingField->show();
    hide();
    frmPlayingField->IcoPiece1->setPicture(icop1->picture());
    frmPlayingField->IcoPiece2->setPicture(icop2->picture());
}

void TForm1::ShowPieces(bool shown)
{
    for (Image *piece : Pieces)
        piece->setVisible(shown);
}
