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

// The field with each `text` in it replaced by `replacement`, fitted in its
// place as pasted text is (no double quote or line break gets in, a quote
// turned by the character before it); the rest of the field keeps its
// characters, a line feed or a tab included.
QString Replaced(const QString &field, const QString &text, const QString &replacement,
                 Qt::CaseSensitivity sensitivity);

} // namespace FindReplace
