// Feeds arbitrary bytes to the question editor's bank document. Opened and
// saved unedited, any bytes come back identical. Then one field is edited
// to a value the game can read back whole (drawn from the input: no double
// quote or line break, within its width, its line within 140 characters,
// in one of the 100 slots read): the game's loader must read that value in
// that slot; the line's other fields (when it was read whole) and every
// other line must stay as they were, and so must whatever follows a Ctrl-Z;
// the saved bytes must open as the same lines, and undoing the edit must
// give back the original bytes. Lines inserted, deleted or moved must save as
// the lines shown, and undo as the original bytes. Replace All, of text drawn
// from a field by any UTF-16 from the input, changes the matches alone: the
// rest of each field keeps its characters, no double quote, line break or
// Ctrl-Z gets in, the other fields and lines stay, the bytes open as the
// same lines, and undo gives them back. At the crash point, after
// every edit of a run none of which is undone (typed fields holding any
// UTF-16 included), the document read back from its recovery text must
// equal the document row for row and save to the same bytes. Then another
// version of the file (the input cut, a Ctrl-Z tail added or not) is
// reloaded over the edited document as one splice: it must save as those
// very bytes, both versions must read back from their recovery text, and
// undoing the reload must give back the edited document, redoing it the
// bytes reloaded. Last, the input itself, read as recovery text, is refused
// or reads back as written. Any broken rule traps, so libFuzzer keeps the
// input.
#include "editor/document/BankDocument.h"
#include "editor/document/FindReplace.h"
#include "editor/document/RecoveryFile.h"

#include "app/Windows1252.h"
#include "forms/BankChecks.h"

#include <QTimeZone>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Fields = std::array<std::string, BankFieldCount>;

void Check(bool holds, const char *why)
{
    if (holds)
        return;
    std::fprintf(stderr, "bank document rule broken: %s\n", why);
    __builtin_trap();
}

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

// What the game's loader hands on, slot 1 first.
std::vector<Fields> Load(std::string_view bytes)
{
    std::vector<Fields> loaded;
    std::size_t at = 0;
    const BankByteSource source = [&](char *buffer, std::size_t capacity) -> std::ptrdiff_t {
        const std::size_t count = std::min(capacity, bytes.size() - at);
        std::memcpy(buffer, bytes.data() + at, count);
        at += count;
        return std::ptrdiff_t(count);
    };
    ReadBank(source, [&loaded](std::size_t, const BankEntry &entry) {
        loaded.push_back({std::string(entry.question.view()), std::string(entry.answers[1].view()),
                         std::string(entry.answers[2].view()), std::string(entry.answers[3].view())});
    });
    return loaded;
}

std::uint64_t Hash(const std::uint8_t *data, std::size_t size)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    return hash;
}

// Input bytes the game reads back whole in a field: no double quote, line
// break or Ctrl-Z.
std::string ReadableValue(std::string_view from, std::size_t length)
{
    std::string value;
    for (const char byte : from) {
        if (value.size() == length)
            break;
        if (byte != FieldEnd && byte != CarriageReturn && byte != LineFeed && byte != CtrlZ)
            value += byte;
    }
    return value;
}

// The saved bytes open as the very lines the document holds: no line end
// lost, none gained, none merged with the next line's bytes.
void CheckReopens(const BankDocument &document, const char *why)
{
    BankDocument reopened;
    reopened.load(document.bytes());
    Check(reopened.lineCount() == document.lineCount(), why);
    for (int i = 0; i < document.lineCount(); ++i)
        Check(reopened.line(i).text == document.line(i).text, why);
}

void CheckFieldEdit(BankDocument &document, const QByteArray &original, std::uint64_t hash)
{
    const int row = int(hash % std::uint64_t(std::min(document.lineCount(), int(BankSlots))));
    hash /= BankSlots;
    const int column = int(hash % BankFieldCount);
    hash /= BankFieldCount;
    const BankLine &line = document.line(row);
    const auto width = BankFieldWidths[std::size_t(column)];
    const auto lineWithout = std::size_t(BankLines::WithField(line, column, {}).text.size());
    if (lineWithout > BankLineLength)
        return;
    const std::size_t length = std::min<std::size_t>(hash % (width + 1), BankLineLength - lineWithout);
    const std::string value =
        ReadableValue(View(original).substr(original.isEmpty() ? 0 : (hash >> 8) % std::size_t(original.size())), length);

    const bool readWhole = std::size_t(line.text.size()) <= BankLineLength;
    const std::vector<Fields> before = Load(View(original));
    const BankSplice splice = document.planReplace(row, 1, {BankLines::WithField(line, column, FromWindows1252(value))});
    document.apply(splice);
    const QByteArray saved = document.bytes();
    const std::vector<Fields> after = Load(View(saved));

    Check(after.size() == before.size(), "the edit changed the number of slots read");
    Check(after[std::size_t(row)][std::size_t(column)] == value, "the game does not read the value written");
    for (std::size_t slot = 0; slot < after.size(); ++slot)
        Check(slot == std::size_t(row) || after[slot] == before[slot], "another slot changed");
    // A line read whole before keeps its other fields.
    for (std::size_t field = 0; field < BankFieldCount; ++field)
        Check(int(field) == column || !readWhole || after[std::size_t(row)][field] == before[std::size_t(row)][field],
              "another field of the edited line changed");

    const RawBankLines oldLines = SplitRawBank(View(original));
    const RawBankLines newLines = SplitRawBank(View(saved));
    Check(newLines.lines.size() == oldLines.lines.size(), "the edit changed the number of lines");
    for (std::size_t i = 0; i < newLines.lines.size(); ++i)
        Check(i == std::size_t(row) || newLines.lines[i] == oldLines.lines[i], "another line changed");
    Check(newLines.afterCtrlZ == oldLines.afterCtrlZ
              && saved.endsWith(original.right(qsizetype(oldLines.afterCtrlZ))),
          "the bytes after the Ctrl-Z changed");
    CheckReopens(document, "the bank saved after an edit opens with other lines");

    document.apply(splice.reversed());
    Check(document.bytes() == original, "undoing the edit did not give back the original bytes");
}

// Inserting, deleting or moving lines, where line ends must be added: the
// result must open as the lines shown, and undo must give the bytes back.
void CheckRowEdit(BankDocument &document, const QByteArray &original, std::uint64_t hash)
{
    const auto draw = [&hash](int bound) {
        const int drawn = int(hash % std::uint64_t(bound));
        hash /= std::uint64_t(bound);
        return drawn;
    };
    const int lines = document.lineCount();
    const int row = draw(lines + 1);
    BankSplice splice;
    switch (draw(3)) {
    case 0:
        splice = document.planReplace(row, 0, std::vector<BankLine>(std::size_t(1 + draw(3)), BankLines::Blank()));
        break;
    case 1:
        splice = document.planReplace(std::min(row, lines - 1), 1 + draw(lines - std::min(row, lines - 1)), {});
        break;
    default: {
        const int from = std::min(row, lines - 1);
        const int count = 1 + draw(lines - from);
        const int destination = draw(lines + 1);
        if (destination >= from && destination <= from + count)
            return;
        splice = document.planMove(from, count, destination);
        break;
    }
    }
    document.apply(splice);
    Check(document.lineCount() > 0, "a row edit left no line");
    CheckReopens(document, "the bank saved after a row edit opens with other lines");
    document.apply(splice.reversed());
    Check(document.bytes() == original, "undoing a row edit did not give back the original bytes");
}

// The crash point: the document as its recovery text keeps it reads back
// row for row, typed fields and all, and saves to the same bytes.
void CheckRecovers(const BankDocument &document, const char *why)
{
    const RecoverySnapshot kept{document.lines(), document.tail(), QStringLiteral("/banks/fuzzed.tqz"),
                                QDateTime::fromMSecsSinceEpoch(1700000000123, QTimeZone::utc())};
    const std::optional<RecoverySnapshot> read = RecoveryFile::Read(RecoveryFile::Written(kept));
    Check(read.has_value(), why);
    Check(RecoveryFile::SameDocument(read->lines, read->tail, document.lines(), document.tail()), why);
    Check(read->bankPath == kept.bankPath && read->written == kept.written, why);
    BankDocument back;
    back.assign(read->lines, read->tail);
    Check(back.bytes() == document.bytes(), why);
}

// A run of edits, none undone, with the crash point after each: fields
// typed as any UTF-16 from the input (characters beyond the code page,
// surrogates paired or alone, quotes and line breaks the model would
// refuse), lines inserted, deleted and moved.
void CheckCrashPoints(BankDocument &document, const std::uint8_t *data, std::size_t size, std::uint64_t hash)
{
    const auto draw = [&hash](std::size_t bound) {
        const std::size_t drawn = std::size_t(hash % bound);
        hash = hash / bound ^ (hash * 0x9E3779B97F4A7C15ull);
        return drawn;
    };
    const std::size_t edits = 1 + draw(6);
    for (std::size_t edit = 0; edit < edits; ++edit) {
        const int lines = document.lineCount();
        const int row = int(draw(std::size_t(lines)));
        BankSplice splice;
        switch (draw(4)) {
        case 0: {
            const std::size_t from = size > 0 ? draw(size) : 0;
            std::vector<char16_t> units(std::min<std::size_t>((size - from) / 2, draw(40)));
            if (!units.empty())
                std::memcpy(units.data(), data + from, units.size() * sizeof(char16_t));
            const QString text = QString::fromUtf16(units.data(), qsizetype(units.size())) + QChar(0x0144);
            splice = document.planReplace(row, 1, {BankLines::WithField(document.line(row), int(draw(BankFieldCount)), text)});
            break;
        }
        case 1:
            splice = document.planReplace(row + int(draw(2)), 0, std::vector<BankLine>(1 + draw(2), BankLines::Blank()));
            break;
        case 2:
            splice = document.planReplace(row, 1 + int(draw(std::size_t(lines - row))), {});
            break;
        default: {
            const int count = 1 + int(draw(std::size_t(lines - row)));
            const int destination = int(draw(std::size_t(lines + 1)));
            if (destination >= row && destination <= row + count)
                continue;
            splice = document.planMove(row, count, destination);
            break;
        }
        }
        document.apply(splice);
        CheckRecovers(document, "the document read back from its recovery text differs from the one kept");
    }
}

// The characters that would end a field, a line or the bank early.
qsizetype Enders(QStringView text)
{
    return text.count(QLatin1Char(FieldEnd)) + text.count(QLatin1Char(CarriageReturn))
        + text.count(QLatin1Char(LineFeed)) + text.count(QLatin1Char(CtrlZ));
}

// The field with its matches replaced keeps the text between them, in order,
// and gains no character that would end it.
void CheckReplacedField(const QString &field, const QString &replaced, const QString &text,
                        Qt::CaseSensitivity sensitivity)
{
    const QStringList kept = field.split(text, Qt::KeepEmptyParts, sensitivity);
    Check(replaced.startsWith(kept.front()) && replaced.endsWith(kept.back()),
          "Replace All changed the text before the first match or after the last");
    qsizetype at = 0;
    for (const QString &part : kept) {
        const qsizetype found = replaced.indexOf(part, at);
        Check(found >= at, "Replace All changed the text between the matches");
        at = found + part.size();
    }
    Check(Enders(replaced) == Enders(kept.join(QString())), "Replace All let a quote or line break into a field");
}

void CheckReplaceAll(BankDocument &document, const std::uint8_t *data, std::size_t size, std::uint64_t hash)
{
    const auto draw = [&hash](std::size_t bound) {
        const std::size_t drawn = std::size_t(hash % bound);
        hash = hash / bound ^ (hash * 0x9E3779B97F4A7C15ull);
        return drawn;
    };
    const QString source = document.field(int(draw(std::size_t(document.lineCount()))), int(draw(BankFieldCount)));
    if (source.isEmpty())
        return;
    const qsizetype from = qsizetype(draw(std::size_t(source.size())));
    const QString text = source.mid(from, 1 + qsizetype(draw(std::size_t(std::min<qsizetype>(4, source.size() - from)))));
    const std::size_t start = size > 0 ? draw(size) : 0;
    std::vector<char16_t> units(std::min<std::size_t>((size - start) / 2, draw(12)));
    if (!units.empty())
        std::memcpy(units.data(), data + start, units.size() * sizeof(char16_t));
    const QString replacement = QString::fromUtf16(units.data(), qsizetype(units.size()));
    const Qt::CaseSensitivity sensitivity = draw(2) ? Qt::CaseSensitive : Qt::CaseInsensitive;

    const QByteArray before = document.bytes();
    const BankDocument unchanged = document;
    std::vector<BankLine> lines = document.lines();
    for (const FindReplace::Cell &cell : FindReplace::CellsHolding(document, text, sensitivity)) {
        const QString field = document.field(cell.row, cell.column);
        const QString replaced = FindReplace::Replaced(field, text, replacement, sensitivity);
        CheckReplacedField(field, replaced, text, sensitivity);
        BankLine &line = lines[std::size_t(cell.row)];
        line = BankLines::WithField(line, cell.column, replaced);
    }
    const BankSplice splice = document.planReplace(0, document.lineCount(), std::move(lines));
    document.apply(splice);
    Check(document.lineCount() == unchanged.lineCount(), "Replace All changed the number of lines");
    for (int row = 0; row < document.lineCount(); ++row) {
        bool touched = false;
        for (int column = 0; column < int(BankFieldCount); ++column) {
            const QString field = unchanged.field(row, column);
            const bool holds = FindReplace::Holds(field, text, sensitivity);
            touched = touched || holds;
            Check(document.field(row, column)
                      == (holds ? FindReplace::Replaced(field, text, replacement, sensitivity) : field),
                  "a field reads back otherwise than Replace All made it");
        }
        // A line edited is written again as any field edit writes it. One
        // not edited keeps its text; its end turns from a lone CR into CR LF
        // only where the next line now starts with a line feed, which the
        // lone CR would take into its end.
        const BankLine &was = unchanged.line(row), &now = document.line(row);
        const bool endMended = was.end == LineEnd::CarriageReturn && now.end == LineEnd::CrLf
                               && row + 1 < document.lineCount() && document.line(row + 1).text.startsWith(LineFeed);
        Check(touched || now == was || (endMended && now.text == was.text && now.typed == was.typed),
              "Replace All changed a line without the text");
    }
    CheckReopens(document, "the bank saved after Replace All opens with other lines");
    document.apply(splice.reversed());
    Check(document.bytes() == before, "undoing Replace All did not give back the bytes");
}

// Reload: another version of the file, drawn from the input, takes the
// edited document's place whole, whatever differs, and one undo brings back
// the version it replaced.
void CheckReload(BankDocument &document, const QByteArray &original, std::uint64_t hash)
{
    const qsizetype cut = qsizetype(hash % std::uint64_t(original.size() + 1));
    QByteArray other = (hash >> 32) & 1 ? original.left(cut) : original.mid(cut);
    if ((hash >> 33) & 1)
        other += CtrlZ + original.left(cut % 7);
    const BankDocument replaced = document;
    const BankSplice splice = document.planReload(other);
    document.apply(splice);
    Check(document.bytes() == other, "a reload does not hold the bytes reloaded");
    CheckRecovers(document, "the document reloaded, read back from its recovery text, differs");
    CheckRecovers(replaced, "the version a reload replaced, read back from its recovery text, differs");
    document.apply(splice.reversed());
    Check(RecoveryFile::SameDocument(document.lines(), document.tail(), replaced.lines(), replaced.tail()),
          "undoing a reload did not bring back the version it replaced");
    document.apply(splice);
    Check(document.bytes() == other, "redoing a reload does not hold the bytes reloaded");
}

// Any bytes as a recovery file: refused, or read as a document that is
// written and read back the same.
void CheckRecoveryText(const QByteArray &text)
{
    const std::optional<RecoverySnapshot> read = RecoveryFile::Read(text);
    if (!read)
        return;
    const std::optional<RecoverySnapshot> again = RecoveryFile::Read(RecoveryFile::Written(*read));
    Check(again.has_value() && RecoveryFile::SameDocument(again->lines, again->tail, read->lines, read->tail),
          "a recovery text read and written again reads back otherwise");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray original(reinterpret_cast<const char *>(data), qsizetype(size));
    BankDocument document;
    document.load(original);
    Check(document.bytes() == original, "bytes opened and saved unedited changed");
    Check(document.lineCount() == int(SplitRawBank(View(original)).lines.size()),
          "the document counts lines differently from the checks");

    CheckRecovers(document, "the bank opened, read back from its recovery text, differs");

    // The edits are drawn from the input, so that a crash replays.
    const std::uint64_t hash = Hash(data, size);
    CheckFieldEdit(document, original, hash);
    CheckRowEdit(document, original, hash * 0x9E3779B97F4A7C15ull + 1);
    // On the bank as opened: the crash points' edits may hold what no edit
    // through the editor can (a line break typed into a field).
    CheckReplaceAll(document, data, size, hash * 0x27D4EB2F165667C5ull + 5);
    CheckCrashPoints(document, data, size, hash * 0xC2B2AE3D27D4EB4Full + 7);
    CheckReload(document, original, hash * 0x165667B19E3779F9ull + 3);
    CheckRecoveryText(original);
    return 0;
}
