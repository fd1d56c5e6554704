#pragma once

#include <QList>
#include <QRandomGenerator>
#include <QStringList>

// Which rows of a large file to import: a bank of 100 picked from a trivia
// set of thousands.
struct RowPick {
    enum class Mode { All, Random, Range };
    Mode mode = Mode::All;
    qsizetype count = 100; // Random: how many
    qsizetype first = 1;   // Range: from this row to `last`, counted from 1, both included
    qsizetype last = 100;
};

// The rows picked, in the order the file has them; a count or range past
// the rows there are takes the rows there are.
QList<QStringList> PickedRows(const QList<QStringList> &rows, const RowPick &pick, QRandomGenerator &random);
