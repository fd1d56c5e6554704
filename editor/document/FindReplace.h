#pragma once

#include "editor/document/BankDocument.h"

#include <QString>

#include <optional>
#include <vector>

// Finding text in the bank's fields and replacing it, cell by cell: a cell
// is one field of one line, searched in reading order (line by line, the
// question first).
namespace FindReplace {

struct Cell {
    int row = 0;
    int column = 0;
    bool operator==(const Cell &) const = default;
};

// True when the field holds `text` (never for empty text). A straight
// double quote in `text` stands for any double quote, as a field holds only
// typographic ones.
bool Holds(const QString &field, const QString &text, Qt::CaseSensitivity sensitivity);

// The first cell after `from` (before it, going backward) that holds
// `text`, going round past the end; `from` itself is found last.
std::optional<Cell> Next(const BankDocument &document, Cell from, bool backward, const QString &text,
                         Qt::CaseSensitivity sensitivity);

// Every cell that holds `text`, in reading order.
std::vector<Cell> CellsHolding(const BankDocument &document, const QString &text, Qt::CaseSensitivity sensitivity);

// The field with each `text` in it replaced by `replacement` made fit for a
// field as pasted text is, in its place: a double quote opens or closes by
// the text before it, and no line break gets in.
QString Replaced(const QString &field, const QString &text, const QString &replacement,
                 Qt::CaseSensitivity sensitivity);

} // namespace FindReplace
