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
    // Help and version are answered before Qt starts, so they need no display.
    if (argc == 2) {
        const CommandLine early = ParseCommandLine(argc, argv);
        if (early.action == CommandLine::Action::Help || early.action == CommandLine::Action::Version)
            return *Answer(early);
    }
    QApplication app(argc, argv); // takes Qt's own options out of argv
    const CommandLine command = ParseCommandLine(argc, argv);
    if (const std::optional<int> status = Answer(command))
        return *status;
    InstallLanguage({QStringLiteral("game")}, language);

    StartUp(command.bank);
    ShowMainWindow();
    const int result = QApplication::exec();
    ShutDown();
    return result;
}
