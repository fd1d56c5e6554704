// tqzcheck FILE: shows a bank author what the game will make of a question
// bank: the fields the game's own loader returns, line by line, and under
// each line what will not play as written.
#include "forms/BankChecks.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Why the file could not be opened, in words.
std::string WhyUnopened(const BankFileOpen &file)
{
    switch (file.failure()) {
    case BankOpenFailure::Folder:
        return "it is a folder";
    case BankOpenFailure::System:
    case BankOpenFailure::DanglingLink:
        return std::strerror(file.error());
    case BankOpenFailure::None:
        return "reading it failed";
    default:
        return "it is not a regular file";
    }
}

// All the bytes of the open file, whatever its size; false when reading failed.
bool ReadAll(const BankFileOpen &file, std::string &bytes)
{
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const std::ptrdiff_t got = file.read(buffer.data(), buffer.size());
        if (got <= 0)
            return got == 0;
        bytes.append(buffer.data(), std::size_t(got));
    }
}

int Unreadable(const char *path, const std::string &why)
{
    std::printf("%s: cannot be read (%s): the game would show \"The File 'QUARL3.TQZ' is not found!\"\n", path,
                why.c_str());
    return 2;
}

void PrintUsage(std::FILE *to)
{
    std::fprintf(to,
                 "Usage: tqzcheck FILE\n"
                 "Shows, line by line, what Korvane will load from the question bank FILE\n"
                 "and every line that will not play as written.\n"
                 "Under each line: \"line N: ...\" is a problem, something the game leaves\n"
                 "out, cuts or shows as other characters; \"line N: warning: ...\" is about\n"
                 "what the line says once the game shuffles the answers: a question asked\n"
                 "twice, or answers a player cannot tell apart, whole or as the game cuts\n"
                 "them (case, spaces and punctuation aside).\n"
                 "The game reads its bank as quarl3.tqz from the folder it starts in, or,\n"
                 "when there is none, under that name in any case of letters (QUARL3.TQZ).\n"
                 "Exit status: 0 when nothing was found, 1 when a problem or a warning was\n"
                 "found, 2 when the file cannot be read.\n");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tqzcheck (Korvane) %s\n", KORVANE_VERSION);
        return 0;
    }
    if (argc != 2) {
        PrintUsage(stderr);
        return 2;
    }
    const char *path = argv[1];

    // Opened as the game opens it: folders, pipes and devices are refused
    // without being read.
    const BankFileOpen file(path);
    if (!file.isOpen())
        return Unreadable(path, WhyUnopened(file));
    std::string bytes;
    if (!ReadAll(file, bytes))
        return Unreadable(path, "reading it failed");

    const BankReport report = CheckBank(bytes);
    auto problem = report.problems.begin();
    for (std::size_t slot = 1; slot <= report.entries.size(); ++slot) {
        const BankEntry &entry = report.entries[slot - 1];
        std::printf("%4zu  \"%s\" \"%s\" \"%s\" \"%s\"\n", slot, ShownAsGame(entry.question.view()).c_str(),
                    ShownAsGame(entry.answers[1].view()).c_str(), ShownAsGame(entry.answers[2].view()).c_str(),
                    ShownAsGame(entry.answers[3].view()).c_str());
        for (; problem != report.problems.end() && problem->line == slot; ++problem)
            std::printf("      line %zu: %s%s\n", slot, problem->isWarning() ? "warning: " : "",
                        problem->message().c_str());
    }
    for (; problem != report.problems.end(); ++problem)
        std::printf("%s: %s\n", path, problem->message().c_str());

    const std::size_t entries = report.entries.size(), findings = report.problems.size();
    const auto warnings = std::size_t(std::count_if(report.problems.begin(), report.problems.end(),
                                                    [](const BankProblem &found) { return found.isWarning(); }));
    const std::size_t problems = findings - warnings;
    std::printf("%s: %zu entr%s, %zu problem%s, %zu warning%s\n", path, entries, entries == 1 ? "y" : "ies",
                problems, problems == 1 ? "" : "s", warnings, warnings == 1 ? "" : "s");
    return findings == 0 ? 0 : 1;
}
