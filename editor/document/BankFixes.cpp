#include "editor/document/BankFixes.h"

#include "editor/document/FieldText.h"

#include "app/Windows1252.h"
#include "forms/ProblemKinds.h"

#include <QList>

#include <algorithm>

namespace BankFixes {

namespace {

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

QByteArray Bytes(std::string_view view)
{
    return QByteArray(view.data(), qsizetype(view.size()));
}

std::optional<std::vector<BankLine>> SplitAtLineFeeds(const BankLine &line)
{
    // The pieces are bytes; a field kept as typed has no bytes to split yet.
    if (!line.typed.isEmpty() || !line.text.contains(LineFeed))
        return std::nullopt;
    std::vector<BankLine> lines;
    for (const QByteArray &piece : line.text.split(LineFeed))
        lines.push_back({piece, {}, LineEnd::CrLf});
    lines.back().end = line.end;
    // A final line feed already ended the last line.
    if (lines.back().text.isEmpty() && line.end == LineEnd::None)
        lines.pop_back();
    return lines;
}

// Valid UTF-8 sequences become their characters; every other byte stays the
// Windows-1252 character it always was. A byte order mark is no text and goes.
QString DecodedUtf8(std::string_view bytes)
{
    QString text;
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t codePoint = 0;
        if (const std::size_t length = Utf8SequenceAt(bytes, at, codePoint)) {
            if (codePoint != 0xFEFF)
                text += QString::fromUcs4(&codePoint, 1);
            at += length;
            continue;
        }
        text += FromWindows1252(bytes.substr(at, 1));
        ++at;
    }
    return text;
}

std::optional<std::vector<BankLine>> DecodeUtf8(const BankLine &line, int field)
{
    if (!line.typedField(field).isNull())
        return std::nullopt;
    const std::string_view written = FieldsAsWritten(View(line.text))[std::size_t(field)];
    const QString decoded = DecodedUtf8(written);
    if (decoded == FromWindows1252(written))
        return std::nullopt;
    return std::vector{BankLines::WithField(line, field, decoded)};
}

// Text after the 4th double quote with no double quote of its own, such as
// a note to self: it holds no question, not even part of one.
bool IsNote(const BankLine &line)
{
    const std::string_view rest = TextAfterFields(View(line.text));
    return rest.find(FieldEnd) == std::string_view::npos && rest.find(LineFeed) == std::string_view::npos;
}

// Text after the 4th double quote is dropped only when it can hold no
// question: lines the game reads as one because they end in bare line feeds
// are split there, and text holding a double quote, a question run on even
// with quotes missing, gets a line of its own, where the checks name what it
// lacks.
std::optional<std::vector<BankLine>> MendTextAfterFields(const BankLine &line)
{
    const std::string_view written = View(line.text);
    const std::string_view rest = TextAfterFields(written);
    if (rest.empty() || rest.size() == written.size())
        return std::nullopt;
    if (rest.find(LineFeed) != std::string_view::npos)
        return SplitAtLineFeeds(line);
    BankLine fields = line;
    fields.text.chop(qsizetype(rest.size()));
    fields.end = LineEnd::CrLf;
    if (IsNote(line))
        return std::vector{fields};
    return std::vector{fields, BankLine{Bytes(rest), {}, line.end}};
}

} // namespace

std::optional<FieldSpan> PastWidth(const BankLine &line, int field)
{
    const QString text = BankLines::Field(line, field);
    const qsizetype kept = FieldText::CutTo(text, qsizetype(BankFieldWidths[std::size_t(field)])).size();
    if (kept == text.size())
        return std::nullopt;
    return FieldSpan{field, kept, text.size() - kept};
}

std::optional<BankLine> CutToWidth(const BankLine &line, int field)
{
    const std::optional<FieldSpan> past = PastWidth(line, field);
    if (!past)
        return std::nullopt;
    return BankLines::WithField(line, field, BankLines::Field(line, field).left(past->start));
}

std::optional<std::vector<BankLine>> Fixed(const BankLine &line, const BankProblem &problem)
{
    const bool inField = problem.field >= 0 && problem.field < int(BankFieldCount);
    switch (FactsOf(problem.kind).fix) {
    case BankFix::None:
    case BankFix::Reword:
        return std::nullopt;
    case BankFix::EndAtLineFeeds:
        return SplitAtLineFeeds(line);
    case BankFix::ReadUtf8:
        return inField ? DecodeUtf8(line, problem.field) : std::nullopt;
    case BankFix::MendTextAfterFields:
        return MendTextAfterFields(line);
    }
    return std::nullopt;
}

bool InFixAll(const BankLine &line, const BankProblem &problem)
{
    return !(problem.kind == BankProblemKind::TextAfterLastQuote && IsNote(line)) && Fixed(line, problem).has_value();
}

std::vector<BankProblemKind> FixAll(BankDocument &document, std::span<const BankProblemKind> kinds,
                                    const FixWatch &fixing)
{
    std::vector<BankProblemKind> mended;
    for (const BankProblemKind kind : kinds) {
        // A question moved off a line may have run on into a third: its own
        // line then needs the same fix, found on the next pass.
        for (bool fixedSome = true; fixedSome;) {
            fixedSome = false;
            std::vector<BankProblem> found;
            for (const BankProblem &problem : document.report().problems)
                if (problem.kind == kind)
                    found.push_back(problem);
            // From the last line up, as splitting a line moves the lines after it.
            for (auto problem = found.rbegin(); problem != found.rend(); ++problem) {
                const int row = int(problem->line) - 1;
                if (row < 0 || row >= document.lineCount())
                    continue;
                if (!InFixAll(document.line(row), *problem))
                    continue;
                if (std::optional<std::vector<BankLine>> lines = Fixed(document.line(row), *problem)) {
                    if (fixing)
                        fixing(document.line(row), *problem);
                    document.apply(document.planReplace(row, 1, std::move(*lines)));
                    fixedSome = true;
                    if (mended.empty() || mended.back() != kind)
                        mended.push_back(kind);
                }
            }
        }
    }
    return mended;
}

} // namespace BankFixes
