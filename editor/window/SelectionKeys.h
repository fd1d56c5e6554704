#pragma once

class QTableView;

// Shift+Ctrl+Home and Shift+Ctrl+End extend the table's selection to the
// first or the last cell, as in a spreadsheet: the item view's own keys only
// move the current cell with Ctrl held. The selection runs from its anchor,
// the corner of the current block opposite the current cell.
void ExtendSelectionWithCtrlHomeEnd(QTableView *table);
