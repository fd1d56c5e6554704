#include "editor/document/BankDocument.h"

#include "editor/document/FieldText.h"

#include "app/Windows1252.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <utility>

namespace {

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

QByteArray Bytes(std::string_view view)
{
    return QByteArray(view.data(), qsizetype(view.size()));
}

QByteArray Encoded(const QString &text)
{
    return QByteArray::fromStdString(ToWindows1252(text));
}

// Gives the line the end it needs before `following` (none when it is
// last). A line with another after it must end, and not with a lone CR when
// that one starts with a line feed: the CR would take the feed into its end.
// An empty last line exists only with a line end, unless it is the only one.
void MendEnd(BankLine &line, const BankLine *following, bool only)
{
    if (following) {
        if (line.end == LineEnd::None
            || (line.end == LineEnd::CarriageReturn && following->text.startsWith(LineFeed)))
            line.end = LineEnd::CrLf;
    } else if (line.text.isEmpty() && line.end == LineEnd::None && !only) {
        line.end = LineEnd::CrLf;
    }
}

QByteArray EndBytes(LineEnd end)
{
    switch (end) {
    case LineEnd::None:
        return {};
    case LineEnd::CarriageReturn:
        return QByteArrayLiteral("\r");
    case LineEnd::CrLf:
        return QByteArrayLiteral("\r\n");
    }
    return {};
}

// The checks see the '?' a character Windows-1252 lacks would become: each
// field holding some gets its own entry naming them, after its line's other
// problems and before its warnings, so that the list shows every one that
// stops a save.
void AddUnencodable(const std::vector<BankLine> &lines, std::vector<BankProblem> &problems)
{
    std::vector<BankProblem> found;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        if (lines[row].typed.isEmpty())
            continue;
        for (int column = 0; column < int(BankFieldCount); ++column) {
            const QStringList characters = FieldText::UnencodableCharacters(lines[row].typedField(column));
            if (characters.isEmpty())
                continue;
            std::vector<std::string> quoted;
            for (const QString &character : characters)
                quoted.push_back("«" + character.toStdString() + "»");
            found.push_back({row + 1, column, BankProblemKind::Unencodable, 0,
                             {FieldInText(std::size_t(column)), JoinedNames(quoted)}});
        }
    }
    if (found.empty())
        return;
    // The bank's own findings (line 0) stay last.
    const auto order = [](const BankProblem &a, const BankProblem &b) {
        return std::pair(a.line == 0 ? SIZE_MAX : a.line, a.isWarning())
               < std::pair(b.line == 0 ? SIZE_MAX : b.line, b.isWarning());
    };
    std::vector<BankProblem> merged;
    merged.reserve(problems.size() + found.size());
    std::merge(std::make_move_iterator(problems.begin()), std::make_move_iterator(problems.end()),
               std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()),
               std::back_inserter(merged), order);
    problems = std::move(merged);
}

} // namespace

namespace BankLines {

QString Field(const BankLine &line, int column)
{
    const QString typed = line.typedField(column);
    if (!typed.isNull())
        return typed;
    return FromWindows1252(FieldsAsWritten(View(line.text))[std::size_t(column)]);
}

BankLine WithField(const BankLine &line, int column, const QString &text)
{
    const std::string_view written = View(line.text);
    const auto fields = FieldsAsWritten(written);
    const std::string_view rest = TextAfterFields(written);
    BankLine edited;
    edited.end = LineEnd::CrLf;
    for (std::size_t field = 0; field < BankFieldCount; ++field) {
        edited.text += int(field) == column ? Encoded(text) : Bytes(fields[field]);
        edited.text += FieldEnd;
    }
    edited.text += Bytes(rest);
    const QString typed = FieldText::IsEncodable(text) ? QString() : text;
    if (!typed.isNull() || !line.typed.isEmpty()) {
        edited.typed = line.typed;
        edited.typed.resize(BankFieldCount);
        edited.typed[column] = typed;
        if (std::all_of(edited.typed.begin(), edited.typed.end(), [](const QString &field) { return field.isNull(); }))
            edited.typed.clear();
    }
    return edited;
}

BankLine Blank()
{
    return {QByteArray(BankFieldCount, FieldEnd), {}, LineEnd::CrLf};
}

SharedEnds SharedEndsOf(const std::vector<BankLine> &before, const std::vector<BankLine> &after)
{
    SharedEnds ends;
    while (ends.head < before.size() && ends.head < after.size() && before[ends.head] == after[ends.head])
        ++ends.head;
    while (ends.tail < before.size() - ends.head && ends.tail < after.size() - ends.head
           && before[before.size() - 1 - ends.tail] == after[after.size() - 1 - ends.tail])
        ++ends.tail;
    return ends;
}

BankLine FromFields(const std::array<QString, BankFieldCount> &fields)
{
    BankLine line = Blank();
    for (std::size_t field = 0; field < BankFieldCount; ++field)
        line = WithField(line, int(field), fields[field]);
    return line;
}

} // namespace BankLines

BankDocument::BankDocument()
{
    load({});
}

void BankDocument::load(QByteArrayView bytes)
{
    const std::string_view all(bytes.data(), std::size_t(bytes.size()));
    const BankByteSource source = BytesSource(all);
    BankLineSplitter splitter(source);
    lines_.clear();
    do {
        const BankLineCut cut = splitter.next();
        const LineEnd end = cut.endLength == 2 ? LineEnd::CrLf
                            : cut.endLength == 1 ? LineEnd::CarriageReturn
                                                 : LineEnd::None;
        lines_.push_back({Bytes(all.substr(cut.offset, cut.length)), {}, end});
    } while (!splitter.atEnd());
    // The data ends at the end of the bytes or at the Ctrl-Z the tail keeps.
    tail_ = bytes.sliced(qsizetype(splitter.offset())).toByteArray();
    report_.reset();
}

void BankDocument::assign(std::vector<BankLine> lines, QByteArray tail)
{
    lines_ = std::move(lines);
    tail_ = std::move(tail);
    report_.reset();
}

QByteArray BankDocument::bytes() const
{
    qsizetype size = tail_.size();
    for (const BankLine &line : lines_)
        size += line.text.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const BankLine &line : lines_)
        bytes += line.text + EndBytes(line.end);
    bytes += tail_;
    return bytes;
}

QString BankDocument::field(int row, int column) const
{
    return BankLines::Field(line(row), column);
}

std::optional<BankDocument::Unencodable> BankDocument::firstUnencodable() const
{
    for (int row = 0; row < lineCount(); ++row) {
        if (line(row).typed.isEmpty())
            continue;
        for (int column = 0; column < int(BankFieldCount); ++column) {
            const QString character = FieldText::FirstUnencodable(line(row).typedField(column));
            if (!character.isNull())
                return Unencodable{row, column, character};
        }
    }
    return std::nullopt;
}

const BankReport &BankDocument::report() const
{
    if (report_)
        return *report_;
    // The checks read the first 100 lines and only count the others, so
    // those stand in as bare line ends; a Ctrl-Z tail then matters no more.
    const std::size_t read = std::min(lines_.size(), BankSlots);
    QByteArray checked;
    for (std::size_t row = 0; row < read; ++row)
        checked += lines_[row].text + EndBytes(lines_[row].end);
    if (lines_.size() > BankSlots)
        checked += QByteArray(qsizetype(lines_.size() - BankSlots), CarriageReturn);
    else
        checked += tail_;
    report_ = CheckBank(View(checked), BankReading::Author);
    AddUnencodable(lines_, report_->problems);
    return *report_;
}

BankSplice BankDocument::planReplace(int row, int count, std::vector<BankLine> lines) const
{
    const auto first = lines_.begin() + row;
    BankSplice splice{row, {first, first + count}, {}, {}, {}};
    const int total = lineCount() - count + int(lines.size());
    if (total == 0)
        lines.emplace_back();
    const BankLine *next = row + count < lineCount() ? &line(row + count) : nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i)
        MendEnd(lines[i], i + 1 < lines.size() ? &lines[i + 1] : next, total <= 1);
    if (row > 0) {
        BankLine previous = line(row - 1);
        MendEnd(previous, lines.empty() ? next : &lines.front(), total <= 1);
        if (previous != line(row - 1)) {
            --splice.row;
            splice.before.insert(splice.before.begin(), line(row - 1));
            lines.insert(lines.begin(), std::move(previous));
        }
    }
    if (next && row + count + 1 == lineCount()) {
        // An empty file's one line needs an end once lines come before it.
        BankLine last = *next;
        MendEnd(last, nullptr, total <= 1);
        if (last != *next) {
            splice.before.push_back(*next);
            lines.push_back(std::move(last));
        }
    }
    splice.after = std::move(lines);
    return splice;
}

BankSplice BankDocument::planInsert(int row, std::vector<BankLine> lines) const
{
    if (lineCount() == 1 && line(0) == BankLine{})
        return planReplace(0, 1, std::move(lines));
    return planReplace(row, 0, std::move(lines));
}

namespace {

// Rotating the lines from `from` to `to` left by `shift` brings a moved
// block to its place and closes the gap it leaves.
struct MoveSpan {
    int from = 0;
    int to = 0;
    int shift = 0;
};

MoveSpan SpanOf(int row, int count, int destination)
{
    const int from = std::min(row, destination);
    return {from, std::max(row + count, destination), destination < row ? row - from : count};
}

} // namespace

BankSplice BankDocument::planMove(int row, int count, int destination) const
{
    if (destination >= row && destination <= row + count)
        return {row, {}, {}, {}, {}};
    const MoveSpan span = SpanOf(row, count, destination);
    std::vector<BankLine> moved(lines_.begin() + span.from, lines_.begin() + span.to);
    std::rotate(moved.begin(), moved.begin() + span.shift, moved.end());
    BankSplice splice = planReplace(span.from, span.to - span.from, std::move(moved));
    splice.move = BankMove{row, count, destination};
    return splice;
}

BankMove BankMove::reversed() const
{
    return destination < row ? BankMove{destination, count, row + count} : BankMove{destination - count, count, row};
}

BankSplice BankSplice::reversed() const
{
    return {row, after, before, move ? std::optional(move->reversed()) : std::nullopt,
            tail ? std::optional(std::pair(tail->second, tail->first)) : std::nullopt};
}

BankSplice BankDocument::planReload(QByteArrayView bytes) const
{
    BankDocument fresh;
    fresh.load(bytes);
    const std::vector<BankLine> &before = lines_, &after = fresh.lines_;
    const auto [head, tail] = BankLines::SharedEndsOf(before, after);
    BankSplice splice{int(head),
                      {before.begin() + qsizetype(head), before.end() - qsizetype(tail)},
                      {after.begin() + qsizetype(head), after.end() - qsizetype(tail)},
                      {},
                      {}};
    if (fresh.tail_ != tail_)
        splice.tail = std::pair(tail_, fresh.tail_);
    return splice;
}

void BankDocument::moveAsIs(int row, int count, int destination)
{
    const MoveSpan span = SpanOf(row, count, destination);
    std::rotate(lines_.begin() + span.from, lines_.begin() + span.from + span.shift, lines_.begin() + span.to);
    report_.reset();
}

void BankDocument::apply(const BankSplice &splice)
{
    replace(splice.row, int(splice.before.size()), splice.after);
    if (splice.tail)
        replaceTail(splice.tail->second);
}

void BankDocument::replaceTail(const QByteArray &tail)
{
    tail_ = tail;
    report_.reset();
}

void BankDocument::replace(int row, int count, std::span<const BankLine> lines)
{
    // Lines replaced one for one are assigned in place: a keystroke then
    // never shifts the lines after it.
    const auto common = std::min(std::size_t(count), lines.size());
    const auto first = lines_.begin() + row;
    std::copy_n(lines.begin(), common, first);
    if (lines.size() > common)
        lines_.insert(first + qsizetype(common), lines.begin() + qsizetype(common), lines.end());
    else
        lines_.erase(first + qsizetype(common), first + count);
    report_.reset();
}
