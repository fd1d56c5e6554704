#include "forms/BankChecks.h"

#include "forms/ContentChecks.h"
#include "forms/ProblemKinds.h"

#include "app/Windows1252.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

// Long texts quoted in a message keep this many bytes.
constexpr std::size_t QuotedLength = 40;

using Fields = std::array<std::string_view, BankFieldCount>;

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

// Bytes as a message quotes them: as the game shows them, but a line break
// as ↵ and another control character as its picture (␉ for a tab), which a
// reader knows where \xNN is a programmer's notation. A byte the code page
// leaves undefined has no picture and stays \xNN.
std::string ShownInMessage(std::string_view bytes)
{
    std::string shown;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte == static_cast<unsigned char>(CarriageReturn) || byte == static_cast<unsigned char>(LineFeed)) {
            shown += "↵";
            if (byte == static_cast<unsigned char>(CarriageReturn) && at + 1 < bytes.size() && bytes[at + 1] == LineFeed)
                ++at;
        } else if (byte < 0x20 || byte == 0x7F) {
            shown += QString(QChar(byte == 0x7F ? 0x2421 : 0x2400 + byte)).toStdString();
        } else {
            shown += ShownAsGame(bytes.substr(at, 1));
        }
    }
    return shown;
}

// An excerpt in a message, in guillemets, as it may hold double quotes.
std::string Quoted(std::string_view bytes)
{
    if (bytes.size() > QuotedLength)
        return "«" + ShownInMessage(bytes.substr(0, QuotedLength - 3)) + "...»";
    return "«" + ShownInMessage(bytes) + "»";
}

// Collects one line's problems.
class LineProblems {
public:
    LineProblems(std::size_t line, std::vector<BankProblem> &problems) : line_(line), problems_(problems) {}

    // `args` fill the kind's message in the form given.
    void add(BankProblemKind kind, std::size_t form, std::vector<std::string> args, int field = -1)
    {
        problems_.push_back({line_, field, kind, form, std::move(args)});
    }

private:
    std::size_t line_;
    std::vector<BankProblem> &problems_;
};

// What a field holds besides plain printable ASCII, one problem per kind.
// Line feeds are left to the line's own problem.
void CheckCharacters(int field, std::string_view text, LineProblems &problems)
{
    std::vector<std::string> utf8, undefined, control;
    std::set<std::string> seen;
    const auto add = [&seen](std::vector<std::string> &list, std::string item) {
        if (seen.insert(item).second)
            list.push_back(std::move(item));
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        char32_t codePoint = 0;
        if (const std::size_t length = Utf8SequenceAt(text, at, codePoint)) {
            const std::string_view sequence = text.substr(at, length);
            // The mark's own rendering holds a guillemet, so it goes unquoted.
            add(utf8, codePoint == 0xFEFF
                          ? ProblemText(QT_TRANSLATE_NOOP("ProblemKinds", "a byte order mark (EF BB BF) shows as %1"),
                                   {ShownAsGame(sequence)})
                          : ProblemText(QT_TRANSLATE_NOOP("ProblemKinds", "%1 shows as %2"),
                                   {"«" + std::string(sequence) + "»", Quoted(sequence)}));
            at += length - 1;
        } else if (byte >= 0x80) {
            // Letters and signs of the code page are the format's own; only
            // the bytes it leaves undefined show as nothing.
            if (IsControl(FromWindows1252(text.substr(at, 1)).at(0).unicode()))
                add(undefined, ProblemText(QT_TRANSLATE_NOOP("ProblemKinds", "%1 (no character)"),
                                           {Format("0x%02X", unsigned(byte))}));
        } else if ((byte < 0x20 || byte == 0x7F) && byte != static_cast<unsigned char>(LineFeed)) {
            add(control, Format("0x%02X", unsigned(byte)));
        }
    }
    const std::string name = FieldInText(std::size_t(field));
    if (!utf8.empty())
        problems.add(BankProblemKind::Utf8Text, 0, {name, JoinedNames(utf8)}, field);
    if (!undefined.empty())
        problems.add(BankProblemKind::UndefinedBytes, 0, {name, JoinedNames(undefined)}, field);
    if (!control.empty())
        problems.add(BankProblemKind::ControlCharacters, 0, {name, JoinedNames(control)}, field);
}

// Each field over its width.
void CheckWidths(const Fields &fields, LineProblems &problems)
{
    for (std::size_t field = 0; field < BankFieldCount; ++field) {
        const std::string_view text = fields[field];
        if (text.size() > BankFieldWidths[field])
            problems.add(BankProblemKind::FieldTooLong, 0,
                         {FieldInText(field), std::to_string(text.size()),
                          std::to_string(BankFieldWidths[field]), Quoted(text.substr(BankFieldWidths[field]))},
                         int(field));
    }
}

// Everything about one line that does not play as written.
void CheckLine(std::string_view raw, const BankEntry &entry, BankReading reading, LineProblems &problems)
{
    if (raw.empty()) {
        problems.add(BankProblemKind::EmptyLine, 0, {});
        return;
    }
    const std::string_view read = raw.substr(0, BankLineLength);
    const Fields loaded = FieldsOf(entry);

    // The quotes the loader sees, and those of the whole line. A 4th quote
    // just past the 140th character only ends a field that is read in full.
    const FieldQuotes quotes = FindFieldQuotes(read), written = FindFieldQuotes(raw);
    const bool wholeFields = written.count == BankFieldCount && written.at.back() <= BankLineLength;
    // Quotes past what is read are not counted, and the message says so.
    const std::size_t within = raw.size() > BankLineLength ? 1 : 0;
    const std::string readLength = std::to_string(BankLineLength);
    // The author's four fields, judged whole even where the line runs past 140.
    const bool byAuthor = reading == BankReading::Author && written.count == BankFieldCount;

    if (wholeFields) {
        if (const std::string_view extra = TextAfterFields(raw); !extra.empty())
            problems.add(BankProblemKind::TextAfterLastQuote, 0, {Quoted(extra)});
    } else if (raw.size() > BankLineLength) {
        problems.add(BankProblemKind::LineTooLong, 0,
                     {std::to_string(raw.size()), readLength, Quoted(raw.substr(BankLineLength))});
    }

    if (quotes.count == 0) {
        problems.add(BankProblemKind::NoQuote, within, {readLength});
    } else {
        if (quotes.count < BankFieldCount && !wholeFields) {
            const bool restTaken = quotes.at[quotes.count - 1] + 1 < read.size();
            problems.add(BankProblemKind::MissingQuotes, within + (restTaken ? 2 : 0),
                         {std::to_string(quotes.count), readLength, FieldInText(quotes.count)});
        }
        // Each field as written, up to its quote or the end of what is read.
        if (!byAuthor)
            CheckWidths(FieldsAsWritten(read), problems);
        std::vector<std::string> empty;
        int firstEmpty = -1;
        for (std::size_t field = 0; field < BankFieldCount; ++field) {
            if (loaded[field].empty()) {
                empty.emplace_back(FieldInText(field));
                if (firstEmpty < 0)
                    firstEmpty = int(field);
            }
        }
        if (!empty.empty())
            problems.add(BankProblemKind::EmptyFields, empty.size() == 1 ? 0 : 1, {JoinedNames(empty)}, firstEmpty);
    }
    if (byAuthor)
        CheckWidths(FieldsAsWritten(raw), problems);

    if (const std::size_t feeds = std::count(raw.begin(), raw.end(), LineFeed); feeds > 0)
        problems.add(BankProblemKind::LoneLineFeed, feeds == 1 ? 0 : 1,
                     {std::to_string(feeds), std::to_string(raw.find(LineFeed) + 1)});

    // The author's characters are those written, a character the cut splits included.
    const Fields characters = reading == BankReading::Author ? FieldsAsWritten(raw) : loaded;
    for (std::size_t field = 0; field < BankFieldCount; ++field)
        CheckCharacters(int(field), characters[field], problems);
}

} // namespace

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
    // A letter, a no-break space and a sign is how French closes a quote
    // ("Lakmé »"); as UTF-8 the same three bytes would be one CJK or
    // Samaritan character, which no bank in this code page holds.
    if (length == 3 && static_cast<unsigned char>(bytes[at + 1]) == 0xA0)
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

std::string ShownAsGame(std::string_view bytes)
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

std::vector<BankProblem> CheckUnreadLine(std::size_t line, std::string_view raw, BankReading reading)
{
    std::vector<BankProblem> found;
    LineProblems problems(line, found);
    CheckLine(raw, SplitBankLine(raw.substr(0, BankLineLength)), reading, problems);
    return found;
}

BankReport CheckBank(std::string_view bytes, BankReading reading)
{
    BankReport report;
    ReadBank(BytesSource(bytes), [&report](std::size_t, const BankEntry &entry) { report.entries.push_back(entry); });

    const RawBankLines raw = SplitRawBank(bytes);
    const std::size_t loaded = report.entries.size();
    ContentChecks content;
    for (std::size_t slot = 1; slot <= loaded; ++slot) {
        LineProblems problems(slot, report.problems);
        if (slot <= raw.lines.size())
            CheckLine(raw.lines[slot - 1], report.entries[slot - 1], reading, problems);
        // A Ctrl-Z at the very end of the file, as old editors wrote, loses nothing.
        if (slot == raw.lines.size() && raw.ctrlZ && raw.afterCtrlZ > 0
            && !(slot == BankSlots && raw.endsAtLineEnd))
            problems.add(BankProblemKind::CtrlZ, raw.endsAtLineEnd ? 1 : 0, {std::to_string(raw.afterCtrlZ)});
        if (slot <= raw.lines.size())
            content.check(slot, report.entries[slot - 1], FieldsAsWritten(raw.lines[slot - 1]), report.problems);
    }

    LineProblems bank(0, report.problems);
    if (std::min(raw.lines.size(), BankSlots) != loaded)
        bank.add(BankProblemKind::CountMismatch, 0, {std::to_string(raw.lines.size()), std::to_string(loaded)});
    // One slot left empty means 99 lines found, never one.
    if (loaded < BankSlots)
        bank.add(BankProblemKind::SlotsEmpty,
                 loaded + 1 == BankSlots ? 0
                 : loaded == 1           ? 1
                                         : 2,
                 {std::to_string(loaded + 1), std::to_string(BankSlots), std::to_string(loaded)});
    if (raw.lines.size() > BankSlots)
        bank.add(BankProblemKind::LinesNotRead, raw.lines.size() == BankSlots + 1 ? 0 : 1,
                 {std::to_string(BankSlots + 1), std::to_string(raw.lines.size()), std::to_string(BankSlots)});
    return report;
}
