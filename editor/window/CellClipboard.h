#pragma once

#include <QModelIndexList>
#include <QString>

class BankTableModel;
class QItemSelectionModel;

// Cut, copy, paste and clear as a spreadsheet does them: on cells, never
// taking or adding a question the author did not ask for. Each change is one
// undo step named after the text it removes.
namespace CellClipboard {

// The selected cells as tab-separated text: the block they span, or whole
// rows when whole rows are selected.
QString Copied(const BankTableModel &model, const QItemSelectionModel &selection);

// Empties the selected cells; `bare` names the step ("Clear", "Cut"), and
// `named` ("Clear %1") names it with the text removed.
void Clear(BankTableModel &model, const QItemSelectionModel &selection, const QString &bare, const QString &named);

// A single value fills every selected cell; a block of whole rows (four
// columns a line) goes in as new rows below the current one; any other
// block fills the cells from the current one on, adding rows past the last.
// Returns the rows to select afterwards (first, count), or count 0 when the
// text holds nothing to paste.
struct Pasted {
    int row = 0;
    int count = 0;
    bool wholeRows = false;
};
Pasted Paste(BankTableModel &model, const QItemSelectionModel &selection, const QString &text);

} // namespace CellClipboard
