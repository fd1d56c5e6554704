#pragma once

// Question bank lines and loaded slots, built the same way by every test of
// the loader, the checks and the editor.
#include "forms/BankFile.h"

#include <QByteArray>
#include <QList>

#include <string_view>

inline QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

inline QByteArray Line(const QByteArray &q, const QByteArray &a1, const QByteArray &a2, const QByteArray &a3)
{
    return q + '"' + a1 + '"' + a2 + '"' + a3 + '"';
}

// Line i of a well-formed bank: it asks "Question i".
inline QByteArray NumberedLine(int i)
{
    return Line("Question " + QByteArray::number(i), "Right " + QByteArray::number(i), "Second", "Third");
}

// n well-formed lines, each followed by the given line end.
inline QByteArray NumberedLines(int n, const QByteArray &end = "\r\n")
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += NumberedLine(i) + end;
    return bytes;
}

// One slot as the loader fills it.
struct Slot {
    int slot = 0;
    QByteArray question, answer1, answer2, answer3;
};
using Slots = QList<Slot>;

inline Slot SlotOf(std::size_t slot, const BankEntry &entry)
{
    return {int(slot), Bytes(entry.question.view()), Bytes(entry.answers[1].view()),
            Bytes(entry.answers[2].view()), Bytes(entry.answers[3].view())};
}

// The slot NumberedLine(i) fills.
inline Slot Numbered(int i)
{
    return {i, "Question " + QByteArray::number(i), "Right " + QByteArray::number(i), "Second", "Third"};
}

inline Slot Empty(int slot)
{
    return {slot, {}, {}, {}, {}};
}
