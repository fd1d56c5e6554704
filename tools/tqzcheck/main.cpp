// tqzcheck FILE: shows a bank author what the game will make of a question
// bank: the fields the game's own loader returns, line by line, and under
// each line what will not play as written.
#include "forms/BankChecks.h"
#include "app/Language.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Printed in UTF-8, whatever the language.
void Print(std::FILE *to, const QString &text)
{
    std::fputs(text.toUtf8().constData(), to);
}

// A text marked with QT_TRANSLATE_NOOP, chosen at run time.
QString Tr(const char *text)
{
    return QCoreApplication::translate("tqzcheck", text);
}

// Why the file could not be opened, in words.
QString WhyUnopened(const BankFileOpen &file)
{
    switch (file.failure()) {
    case BankOpenFailure::Folder:
        return QCoreApplication::translate("tqzcheck", "it is a folder");
    case BankOpenFailure::System:
    case BankOpenFailure::DanglingLink:
        return QString::fromLocal8Bit(std::strerror(file.error()));
    case BankOpenFailure::None:
        return QCoreApplication::translate("tqzcheck", "reading it failed");
    default:
        return QCoreApplication::translate("tqzcheck", "it is not a regular file");
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

int Unreadable(const QString &path, const QString &why)
{
    Print(stdout, QCoreApplication::translate(
                      "tqzcheck", "%1: cannot be read (%2): the game would show \"The File 'QUARL3.TQZ' is not found!\"\n")
                      .arg(path, why));
    return 2;
}

// A count and its noun: the singular and plural forms are whole templates.
QString Counted(std::size_t count, const char *one, const char *many)
{
    return Tr(count == 1 ? one : many).arg(count);
}

void PrintUsage(std::FILE *to)
{
    Print(to, QCoreApplication::translate("tqzcheck",
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
                 "found, 2 when the file cannot be read.\n"
                 "--language CODE speaks that language (de: German) rather than the system's.\n"));
}

} // namespace

int main(int argc, char **argv)
{
    const QString language = TakeLanguageOption(argc, argv);
    QCoreApplication app(argc, argv);
    InstallLanguage({QStringLiteral("tqzcheck"), QStringLiteral("checks")}, language);
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
    const QString shownPath = QString::fromLocal8Bit(path);

    // Opened as the game opens it: folders, pipes and devices are refused
    // without being read.
    const BankFileOpen file(path);
    if (!file.isOpen())
        return Unreadable(shownPath, WhyUnopened(file));
    std::string bytes;
    if (!ReadAll(file, bytes))
        return Unreadable(shownPath, QCoreApplication::translate("tqzcheck", "reading it failed"));

    const BankReport report = CheckBank(bytes);
    auto problem = report.problems.begin();
    for (std::size_t slot = 1; slot <= report.entries.size(); ++slot) {
        const BankEntry &entry = report.entries[slot - 1];
        std::printf("%4zu  \"%s\" \"%s\" \"%s\" \"%s\"\n", slot, ShownAsGame(entry.question.view()).c_str(),
                    ShownAsGame(entry.answers[1].view()).c_str(), ShownAsGame(entry.answers[2].view()).c_str(),
                    ShownAsGame(entry.answers[3].view()).c_str());
        for (; problem != report.problems.end() && problem->line == slot; ++problem)
            Print(stdout, QStringLiteral("      ")
                              + Tr(problem->isWarning() ? QT_TRANSLATE_NOOP("tqzcheck", "line %1: warning: %2\n")
                                                         : QT_TRANSLATE_NOOP("tqzcheck", "line %1: %2\n"))
                                    .arg(slot)
                                    .arg(QString::fromStdString(problem->message())));
    }
    for (; problem != report.problems.end(); ++problem)
        std::printf("%s: %s\n", path, problem->message().c_str());

    const std::size_t entries = report.entries.size(), findings = report.problems.size();
    const auto warnings = std::size_t(std::count_if(report.problems.begin(), report.problems.end(),
                                                    [](const BankProblem &found) { return found.isWarning(); }));
    const std::size_t problems = findings - warnings;
    Print(stdout, QStringLiteral("%1: %2, %3, %4\n")
                      .arg(shownPath, Counted(entries, QT_TRANSLATE_NOOP("tqzcheck", "%1 entry"),
                                              QT_TRANSLATE_NOOP("tqzcheck", "%1 entries")),
                           Counted(problems, QT_TRANSLATE_NOOP("tqzcheck", "%1 problem"),
                                   QT_TRANSLATE_NOOP("tqzcheck", "%1 problems")),
                           Counted(warnings, QT_TRANSLATE_NOOP("tqzcheck", "%1 warning"),
                                   QT_TRANSLATE_NOOP("tqzcheck", "%1 warnings"))));
    return findings == 0 ? 0 : 1;
}
