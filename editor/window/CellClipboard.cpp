#include "editor/window/CellClipboard.h"

#include "editor/window/BankTableModel.h"
#include "editor/document/DelimitedText.h"
#include "editor/document/FieldText.h"

#include <QCoreApplication>
#include <QItemSelectionModel>

#include <algorithm>

namespace CellClipboard {

namespace {

// The selected cells top down, left to right; the current cell when none is selected.
QModelIndexList Cells(const QItemSelectionModel &selection)
{
    QModelIndexList cells = selection.selectedIndexes();
    if (cells.isEmpty() && selection.currentIndex().isValid())
        cells.append(selection.currentIndex());
    std::sort(cells.begin(), cells.end());
    return cells;
}

QList<int> WholeRows(const QItemSelectionModel &selection)
{
    QList<int> rows;
    for (const QModelIndex &index : selection.selectedRows())
        rows.append(index.row());
    return rows;
}

// The non-empty texts about to go, as an undo step names them.
QString Removed(const BankTableModel &model, const QList<CellText> &cells)
{
    QStringList texts;
    for (const CellText &cell : cells) {
        const QString old = model.index(cell.row, cell.column).data(Qt::EditRole).toString();
        if (!old.isEmpty() && old != cell.text)
            texts.append(old);
    }
    if (texts.isEmpty())
        return {};
    const QString first = FieldText::Excerpt(texts.front());
    return texts.size() == 1 ? first
                             : QCoreApplication::translate("CellClipboard", "%1 and %2 more").arg(first).arg(texts.size() - 1);
}

// `named` with the text that goes, "Clear “Paris”", or `bare` when none goes.
QString StepName(const BankTableModel &model, const QString &named, const QString &bare, const QList<CellText> &cells)
{
    const QString removed = Removed(model, cells);
    return removed.isEmpty() ? bare : named.arg(removed);
}

} // namespace

QString Copied(const BankTableModel &model, const QItemSelectionModel &selection)
{
    const QList<int> rows = WholeRows(selection);
    if (!rows.isEmpty() && rows.size() * model.columnCount() == selection.selectedIndexes().size())
        return model.linesAsTabSeparated(rows);
    const QModelIndexList cells = Cells(selection);
    if (cells.isEmpty())
        return {};
    int left = model.columnCount(), right = 0;
    for (const QModelIndex &cell : cells) {
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    QStringList lines;
    for (int row = cells.front().row(); row <= cells.back().row(); ++row) {
        QStringList fields;
        for (int column = left; column <= right; ++column)
            fields.append(model.index(row, column).data(Qt::EditRole).toString());
        lines.append(DelimitedText::TabSeparatedRow(fields));
    }
    return lines.join(QLatin1Char('\n'));
}

void Clear(BankTableModel &model, const QItemSelectionModel &selection, const QString &bare, const QString &named)
{
    QList<CellText> cells;
    for (const QModelIndex &cell : Cells(selection))
        cells.append({cell.row(), cell.column(), QString()});
    model.setCells(cells, StepName(model, named, bare, cells));
}

Pasted Paste(BankTableModel &model, const QItemSelectionModel &selection, const QString &text)
{
    const QList<QStringList> records = DelimitedText::Parse(text, QLatin1Char('\t'));
    if (records.isEmpty())
        return {};
    const QModelIndex current = selection.currentIndex();
    const bool rows = std::all_of(records.begin(), records.end(),
                                  [&](const QStringList &record) { return record.size() == model.columnCount(); });
    if (rows) {
        const int row = current.isValid() ? current.row() + 1 : model.rowCount();
        const int before = model.rowCount();
        model.pasteTabSeparated(row, text);
        // A new bank's one empty line gives way to the rows.
        const int first = model.rowCount() - before < int(records.size()) ? 0 : row;
        return {first, int(records.size()), true};
    }

    QList<CellText> cells;
    if (records.size() == 1 && records.front().size() == 1) {
        for (const QModelIndex &cell : Cells(selection))
            cells.append({cell.row(), cell.column(), records.front().front()});
    } else if (current.isValid()) {
        for (int line = 0; line < records.size(); ++line)
            for (int field = 0; field < records[line].size() && current.column() + field < model.columnCount(); ++field)
                cells.append({current.row() + line, current.column() + field, records[line][field]});
    }
    if (cells.isEmpty())
        return {};
    model.setCells(cells, StepName(model, QCoreApplication::translate("CellClipboard", "Paste over %1"),
                                   QCoreApplication::translate("CellClipboard", "Paste"), cells));
    return {cells.front().row, cells.back().row - cells.front().row + 1, false};
}

} // namespace CellClipboard
