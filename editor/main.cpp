#include "editor/window/BankEditorWindow.h"
#include "editor/window/RecoveryKeeper.h"
#include "editor/document/TerminationSignal.h"
#include "app/Language.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char **argv)
{
    TerminationSignal::IgnoreFileSizeLimit();
    const QString language = TakeLanguageOption(argc, argv);
    QApplication app(argc, argv);
    InstallLanguage({QStringLiteral("editor"), QStringLiteral("checks")}, language);
    QApplication::setOrganizationName(QStringLiteral("Korvane"));
    QApplication::setApplicationName(QStringLiteral("korvedit"));
    QApplication::setApplicationDisplayName(QCoreApplication::translate("main", "Korvane Question Editor"));
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.halvorn.KorvaneEditor"));

    QCommandLineParser options;
    options.setApplicationDescription(
        QCoreApplication::translate("main", "Write, check and play question banks for Korvane."));
    options.addHelpOption();
    options.addVersionOption();
    // Taken out of argv before Qt started (Language.h); listed for --help.
    options.addOption({QStringLiteral("language"),
                       QCoreApplication::translate("main", "Speak this language (de: German) rather than the system's."),
                       QCoreApplication::translate("main", "code")});
    options.addPositionalArgument(QCoreApplication::translate("main", "bank"),
                                  QCoreApplication::translate("main", "The question bank (.tqz) to open."),
                                  QCoreApplication::translate("main", "[bank]"));
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
