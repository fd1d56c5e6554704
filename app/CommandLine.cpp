#include "app/CommandLine.h"

#include "app/ShippedBankFolder.h"
#include "generated/ShippedBanks.h"

#include <QDir>

#include <cstring>

CommandLine ParseCommandLine(int argc, const char *const *argv)
{
    CommandLine command;
    if (argc <= 1)
        return command;
    const char *first = argv[1];
    if (argc == 2 && (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0))
        command.action = CommandLine::Action::Help;
    else if (argc == 2 && std::strcmp(first, "--version") == 0)
        command.action = CommandLine::Action::Version;
    // A mistyped option is not taken for a bank: a bank whose name starts
    // with '-' is given as ./-name.
    else if (argc > 2 || first[0] == '-')
        command.action = CommandLine::Action::Wrong;
    else
        command.bank = first;
    return command;
}

void PrintUsage(std::FILE *to)
{
    std::fprintf(to,
                 "Usage: korvwin [BANK]\n"
                 "Starts Korvane, a quiz board game for two players on one computer.\n"
                 "The game reads its questions from the question bank BANK when it starts\n"
                 "and again at every new game. Without BANK it reads quarl3.tqz from the\n"
                 "folder it starts in, or, when there is none, that name in any case of\n"
                 "letters (QUARL3.TQZ). When the bank cannot be read, an error window says\n"
                 "so and its OK ends the game.\n"
                 "The banks that come with the game, in %s:\n",
                 QDir::toNativeSeparators(ShippedBankFolder()).toLocal8Bit().constData());
    for (const ShippedBankName &bank : ShippedBanks)
        std::fprintf(to, "  %-27s %s\n", bank.file, bank.title);
    std::fprintf(to, "Qt's own options, such as -platform NAME, are accepted too.\n");
}

void PrintVersion(std::FILE *to)
{
    std::fprintf(to, "korvwin (Korvane) %s\n", KORVANE_VERSION);
}
