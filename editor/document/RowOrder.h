#pragma once

#include "editor/document/BankDocument.h"

#include <QRandomGenerator>

#include <vector>

// New orders for the bank's lines, as the line numbers that go first,
// second and so on. Lines holding no field at all go last, in the order they
// stood: a blank line is no question to sort or deal out. Lines past the
// 100th take part like any other, so that a sort or a shuffle can bring them
// into the game.
namespace RowOrder {

// By the column's text as a reader orders it: letters before case, numbers
// by value. Lines whose fields compare equal keep their order.
std::vector<int> Sorted(const BankDocument &document, int column, Qt::SortOrder order);

std::vector<int> Shuffled(const BankDocument &document, QRandomGenerator &random);

} // namespace RowOrder
