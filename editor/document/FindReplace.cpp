#include "editor/document/FindReplace.h"

#include "editor/document/FieldText.h"

namespace FindReplace {

bool Holds(const QString &field, const QString &text, Qt::CaseSensitivity sensitivity)
{
    if (text.contains(QLatin1Char(FieldEnd)))
        return FieldText::WithStraightQuotes(field).contains(text, sensitivity);
    return !text.isEmpty() && field.contains(text, sensitivity);
}

std::optional<Cell> Next(const BankDocument &document, Cell from, bool backward, const QString &text,
                         Qt::CaseSensitivity sensitivity)
{
    const int columns = int(BankFieldCount);
    const qsizetype cells = qsizetype(document.lineCount()) * columns;
    if (cells == 0 || text.isEmpty())
        return std::nullopt;
    const qsizetype start = qsizetype(from.row) * columns + from.column;
    const qsizetype step = backward ? -1 : 1;
    for (qsizetype n = 1; n <= cells; ++n) {
        const qsizetype at = ((start + n * step) % cells + cells) % cells;
        const Cell cell{int(at / columns), int(at % columns)};
        if (Holds(document.field(cell.row, cell.column), text, sensitivity))
            return cell;
    }
    return std::nullopt;
}

std::vector<Cell> CellsHolding(const BankDocument &document, const QString &text, Qt::CaseSensitivity sensitivity)
{
    std::vector<Cell> found;
    for (int row = 0; row < document.lineCount(); ++row)
        for (int column = 0; column < int(BankFieldCount); ++column)
            if (Holds(document.field(row, column), text, sensitivity))
                found.push_back({row, column});
    return found;
}

QString Replaced(const QString &field, const QString &text, const QString &replacement,
                 Qt::CaseSensitivity sensitivity)
{
    QString result;
    qsizetype from = 0;
    for (qsizetype at = field.indexOf(text, 0, sensitivity); !text.isEmpty() && at >= 0;
         at = field.indexOf(text, from, sensitivity)) {
        result += QStringView(field).sliced(from, at - from);
        result += FieldText::Fitted(replacement, result.isEmpty() ? QChar() : result.back());
        from = at + text.size();
    }
    result += QStringView(field).sliced(from);
    return result;
}

} // namespace FindReplace
