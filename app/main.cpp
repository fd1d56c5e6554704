#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/Startup.h"

#include <QApplication>

namespace {

// Answers --help, --version or a wrong command line; nullopt to play.
std::optional<int> Answer(const CommandLine &command)
{
    switch (command.action) {
    case CommandLine::Action::Play:
        return std::nullopt;
    case CommandLine::Action::Help:
        PrintUsage(stdout);
        return 0;
    case CommandLine::Action::Version:
        PrintVersion(stdout);
        return 0;
    case CommandLine::Action::Wrong:
        PrintUsage(stderr);
        return 2;
    }
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    const QString language = TakeLanguageOption(argc, argv);
    // Help and version are answered before the windows' Qt starts, so they
    // need no display.
    if (argc == 2) {
        const CommandLine early = ParseCommandLine(argc, argv);
        if (early.action == CommandLine::Action::Help || early.action == CommandLine::Action::Version) {
            const QCoreApplication words(argc, argv);
            InstallLanguage({QStringLiteral("game")}, language);
            return *Answer(early);
        }
    }
    QApplication app(argc, argv); // takes Qt's own options out of argv
    InstallLanguage({QStringLiteral("game")}, language);
    const CommandLine command = ParseCommandLine(argc, argv);
    if (const std::optional<int> status = Answer(command))
        return *status;

    StartUp(command.bank);
    ShowMainWindow();
    const int result = QApplication::exec();
    ShutDown();
    return result;
}
