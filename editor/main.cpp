#include "editor/window/BankEditorWindow.h"
#include "editor/window/RecoveryKeeper.h"
#include "editor/document/TerminationSignal.h"
#include "app/DesignFonts.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char **argv)
{
    TerminationSignal::IgnoreFileSizeLimit();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvane"));
    QApplication::setApplicationName(QStringLiteral("korvedit"));
    QApplication::setApplicationDisplayName(QStringLiteral("Korvane Question Editor"));
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.halvorn.KorvaneEditor"));
    InstallFontSubstitutes();

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Write, check and play question banks for Korvane."));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("bank"), QStringLiteral("The question bank (.tqz) to open."),
                                  QStringLiteral("[bank]"));
    options.process(app);

    BankEditorWindow window;
    RecoveryKeeper::EndOnTermination();
    // Shown first, so a message about the file stands over the window.
    window.show();
    if (!options.positionalArguments().isEmpty())
        window.openFile(options.positionalArguments().constFirst());
    // After the bank's own recovery, which opening it offers first.
    window.offerRecovery();
    return QApplication::exec();
}
