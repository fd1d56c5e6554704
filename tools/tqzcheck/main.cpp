// tqzcheck FILE: shows a bank author what the game will make of a question
// bank. The fields listed are the ones the game's own loader returns; the raw
// bytes are looked at only to tell what the loader leaves out, cuts, or will
// show as other characters.
#include "app/Windows1252.h"
#include "forms/BankFile.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr char DoubleQuote = '"';
constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char CtrlZ = 26;

// The widths come from the loader's own field types.
using AnswerText = std::remove_cvref_t<decltype(std::declval<BankEntry &>().answers[1])>;
constexpr std::size_t FieldCount = 4;
constexpr std::array<std::size_t, FieldCount> FieldWidths = {
    decltype(BankEntry::question)::capacity, AnswerText::capacity, AnswerText::capacity, AnswerText::capacity};
constexpr std::array<const char *, FieldCount> FieldNames = {
    "the question", "the right answer", "wrong answer 1", "wrong answer 2"};

// Long texts quoted in a message keep this many bytes.
constexpr std::size_t QuotedLength = 40;

using Fields = std::array<std::string_view, FieldCount>;

Fields FieldsOf(const BankEntry &entry)
{
    return {entry.question.view(), entry.answers[1].view(), entry.answers[2].view(), entry.answers[3].view()};
}

std::string Format(const char *format, auto... values)
{
    const int length = std::snprintf(nullptr, 0, format, values...);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, values...);
    return text;
}

bool IsControl(char16_t ch)
{
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}

// Bytes as the game shows them, each one Windows-1252 character, in UTF-8
// for the terminal; control characters, which show as nothing useful, are
// written as \xNN.
std::string Shown(std::string_view bytes)
{
    const QString text = FromWindows1252(bytes);
    std::string shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsControl(text[i].unicode()))
            shown += Format("\\x%02X", unsigned(static_cast<unsigned char>(bytes[std::size_t(i)])));
        else
            shown += QString(text[i]).toStdString();
    }
    return shown;
}

// An excerpt in a message, in guillemets, as it may hold double quotes.
std::string Quoted(std::string_view bytes)
{
    if (bytes.size() > QuotedLength)
        return "«" + Shown(bytes.substr(0, QuotedLength - 3)) + "...»";
    return "«" + Shown(bytes) + "»";
}

// "a", "a and b", "a, b and c".
std::string JoinedNames(const std::vector<std::string> &names)
{
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            joined += i + 1 == names.size() ? " and " : ", ";
        joined += names[i];
    }
    return joined;
}

// The length of a UTF-8 sequence of two or more bytes starting at `at`, or 0
// when none starts there; its code point goes to `codePoint`.
std::size_t Utf8SequenceAt(std::string_view bytes, std::size_t at, char32_t &codePoint)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

// What a field holds besides plain printable ASCII, one finding per kind.
// Line feeds are left to the line's own finding.
void CheckCharacters(const char *name, std::string_view field, std::vector<std::string> &findings)
{
    std::vector<std::string> utf8, high, control;
    std::set<std::string> seen;
    const auto add = [&seen](std::vector<std::string> &list, std::string item) {
        if (seen.insert(item).second)
            list.push_back(std::move(item));
    };
    for (std::size_t at = 0; at < field.size(); ++at) {
        const auto byte = static_cast<unsigned char>(field[at]);
        char32_t codePoint = 0;
        if (const std::size_t length = Utf8SequenceAt(field, at, codePoint)) {
            const std::string_view sequence = field.substr(at, length);
            // The mark's own rendering holds a guillemet, so it goes unquoted.
            add(utf8, codePoint == 0xFEFF ? "a byte order mark (EF BB BF) shows as " + Shown(sequence)
                                          : "«" + std::string(sequence) + "» shows as " + Quoted(sequence));
            at += length - 1;
        } else if (byte >= 0x80) {
            const char16_t shownAs = FromWindows1252(field.substr(at, 1)).at(0).unicode();
            add(high, IsControl(shownAs) ? Format("0x%02X (no character)", unsigned(byte))
                                         : Format("0x%02X shows as ", unsigned(byte)) + Quoted(field.substr(at, 1)));
        } else if ((byte < 0x20 || byte == 0x7F) && byte != static_cast<unsigned char>(LineFeed)) {
            add(control, Format("0x%02X", unsigned(byte)));
        }
    }
    if (!utf8.empty())
        findings.push_back(Format("%s holds UTF-8 text the game shows as other characters: ", name) + JoinedNames(utf8));
    if (!high.empty())
        findings.push_back(Format("%s holds bytes that are not plain ASCII: ", name) + JoinedNames(high));
    if (!control.empty())
        findings.push_back(Format("%s holds control characters: ", name) + JoinedNames(control));
}

// The file's lines as the loader splits them, kept whole rather than cut at
// 140, so that what the loader leaves out can be told. They end where the
// game's data ends: at the end of the file or at a Ctrl-Z.
struct RawBank {
    std::vector<std::string_view> lines;
    bool endsAtLineEnd = false; // the data ends just after a line end
    std::size_t afterCtrlZ = 0; // bytes after a Ctrl-Z that ended the data
    bool ctrlZ = false;
};

RawBank SplitRaw(std::string_view bytes)
{
    RawBank raw;
    const std::size_t ctrlZ = bytes.find(CtrlZ);
    if (ctrlZ != std::string_view::npos) {
        raw.ctrlZ = true;
        raw.afterCtrlZ = bytes.size() - ctrlZ - 1;
        bytes = bytes.substr(0, ctrlZ);
    }
    std::size_t at = 0;
    for (;;) {
        const std::size_t end = std::min(bytes.find(CarriageReturn, at), bytes.size());
        raw.lines.push_back(bytes.substr(at, end - at));
        at = end;
        if (at < bytes.size()) {
            at += bytes.compare(at, 2, "\r\n") == 0 ? 2 : 1;
            raw.endsAtLineEnd = at == bytes.size();
        }
        if (at >= bytes.size())
            return raw;
    }
}

// Where the first four double quotes are.
std::vector<std::size_t> QuotesIn(std::string_view line)
{
    std::vector<std::size_t> quotes;
    for (std::size_t at = line.find(DoubleQuote); at != std::string_view::npos && quotes.size() < FieldCount;
         at = line.find(DoubleQuote, at + 1))
        quotes.push_back(at);
    return quotes;
}

// Everything about one line that does not play as written.
std::vector<std::string> CheckLine(std::string_view raw, const BankEntry &entry)
{
    std::vector<std::string> findings;
    if (raw.empty()) {
        findings.push_back("empty line: the slot stays empty");
        return findings;
    }
    const std::string_view read = raw.substr(0, BankLineLength);
    const Fields loaded = FieldsOf(entry);
    const BankEntry resplit = SplitBankLine(read); // kept alive: Fields views into it
    const Fields split = FieldsOf(resplit);
    if (loaded != split)
        findings.push_back("tqzcheck splits this line differently from the game: please report this");

    // The quotes the loader sees, and those of the whole line. A 4th quote
    // just past the 140th character only ends a field that is read in full.
    const std::vector<std::size_t> quotes = QuotesIn(read), written = QuotesIn(raw);
    const bool wholeFields = written.size() == FieldCount && written.back() <= BankLineLength;
    const char *within = raw.size() > BankLineLength ? " in the first 140 characters" : "";

    if (wholeFields) {
        if (const std::string_view extra = raw.substr(written.back() + 1); !extra.empty())
            findings.push_back("text after the 4th double quote is not used: " + Quoted(extra));
    } else if (raw.size() > BankLineLength) {
        findings.push_back(Format("the line is %zu characters: the game reads the first %zu and drops ", raw.size(),
                                  BankLineLength) + Quoted(raw.substr(BankLineLength)));
    }

    if (quotes.empty()) {
        findings.push_back(Format("no double quote%s: the game loads nothing from this line", within));
    } else {
        if (quotes.size() < FieldCount && !wholeFields) {
            std::string missing = Format("only %zu of the 4 double quotes%s", quotes.size(), within);
            if (quotes.back() + 1 < read.size())
                missing += Format(": %s takes the rest of the line", FieldNames[quotes.size()]);
            findings.push_back(missing);
        }
        // Each field as written, up to its quote or the end of what is read.
        for (std::size_t field = 0; field < FieldCount && field <= quotes.size(); ++field) {
            const std::size_t start = field == 0 ? 0 : quotes[field - 1] + 1;
            const std::size_t end = field < quotes.size() ? quotes[field] : read.size();
            const std::string_view text = read.substr(start, end - start);
            if (text.size() > FieldWidths[field])
                findings.push_back(Format("%s is %zu characters: the game keeps %zu and drops ", FieldNames[field],
                                          text.size(), FieldWidths[field])
                                   + Quoted(text.substr(FieldWidths[field])));
        }
        std::vector<std::string> empty;
        for (std::size_t field = 0; field < FieldCount; ++field)
            if (loaded[field].empty())
                empty.emplace_back(FieldNames[field]);
        if (!empty.empty())
            findings.push_back(JoinedNames(empty) + (empty.size() == 1 ? " is empty" : " are empty"));
    }

    if (const std::size_t feeds = std::count(raw.begin(), raw.end(), LineFeed); feeds == 1)
        findings.push_back(Format("lone line feed (LF) at character %zu: the game reads it as an ordinary "
                                  "character, not a line end",
                                  raw.find(LineFeed) + 1));
    else if (feeds > 1)
        findings.push_back(Format("%zu lone line feeds (LF), the first at character %zu: the game reads them as "
                                  "ordinary characters, not line ends",
                                  feeds, raw.find(LineFeed) + 1));

    for (std::size_t field = 0; field < FieldCount; ++field)
        CheckCharacters(FieldNames[field], loaded[field], findings);
    return findings;
}

// Why the loader could not read the file, in words.
std::string WhyUnreadable(const char *path)
{
    struct stat status {};
    if (::stat(path, &status) != 0)
        return std::strerror(errno);
    if (S_ISDIR(status.st_mode))
        return "it is a folder";
    if (!S_ISREG(status.st_mode))
        return "it is not a regular file";
    if (::access(path, R_OK) != 0)
        return std::strerror(errno);
    return "reading it failed";
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
                 "Exit status: 0 when the bank plays as written, 1 when problems were found,\n"
                 "2 when the file cannot be read.\n");
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

    std::vector<BankEntry> entries;
    if (!ReadBankFile(path, [&entries](std::size_t, const BankEntry &entry) { entries.push_back(entry); }))
        return Unreadable(path, WhyUnreadable(path));
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        return Unreadable(path, "reading it failed");

    const RawBank raw = SplitRaw(bytes);
    std::size_t problems = 0;
    for (std::size_t slot = 1; slot <= entries.size(); ++slot) {
        const BankEntry &entry = entries[slot - 1];
        const Fields fields = FieldsOf(entry);
        std::printf("%4zu  \"%s\" \"%s\" \"%s\" \"%s\"\n", slot, Shown(fields[0]).c_str(), Shown(fields[1]).c_str(),
                    Shown(fields[2]).c_str(), Shown(fields[3]).c_str());
        std::vector<std::string> findings;
        if (slot <= raw.lines.size())
            findings = CheckLine(raw.lines[slot - 1], entry);
        // A Ctrl-Z at the very end of the file, as old editors wrote, loses nothing.
        if (slot == raw.lines.size() && raw.ctrlZ && raw.afterCtrlZ > 0
            && !(slot == BankSlots && raw.endsAtLineEnd))
            findings.push_back(Format("a Ctrl-Z %s ends the data: the %zu bytes after it are not read",
                                      raw.endsAtLineEnd ? "after this line" : "in this line", raw.afterCtrlZ));
        for (const std::string &finding : findings)
            std::printf("      line %zu: %s\n", slot, finding.c_str());
        problems += findings.size();
    }

    std::vector<std::string> findings;
    if (std::min(raw.lines.size(), BankSlots) != entries.size())
        findings.push_back(Format("tqzcheck counts %zu lines where the game loads %zu: please report this",
                                  raw.lines.size(), entries.size()));
    if (entries.size() < BankSlots)
        findings.push_back(Format(entries.size() + 1 == BankSlots ? "slot %zu stays empty" : "slots %zu to 100 stay empty",
                                  entries.size() + 1)
                           + Format(": the game finds only %zu line%s", entries.size(), entries.size() == 1 ? "" : "s"));
    if (raw.lines.size() > BankSlots)
        findings.push_back(
            (raw.lines.size() == BankSlots + 1 ? std::string("line 101 is not read")
                                               : Format("lines 101 to %zu are not read", raw.lines.size()))
            + ": the game holds 100 entries");
    for (const std::string &finding : findings)
        std::printf("%s: %s\n", path, finding.c_str());
    problems += findings.size();

    std::printf("%s: %zu entr%s, %zu problem%s\n", path, entries.size(), entries.size() == 1 ? "y" : "ies", problems,
                problems == 1 ? "" : "s");
    return problems == 0 ? 0 : 1;
}
