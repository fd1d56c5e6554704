#pragma once

#include <QByteArray>
#include <QString>

#include "editor/document/CsvFormat.h"

// A bank is a few kilobytes (100 lines of up to 140 characters), but an
// import may bring in up to LargestCsvRows lines. One limit holds for what
// the editor holds, opens and saves, so that whatever it saves it can open
// again; a file far past it is no bank and is refused at once.
inline constexpr qint64 LargestBankFile = 16 * 1024 * 1024;

struct BankFileRead {
    QByteArray bytes;
    QString error; // empty when the bytes were read
    bool tooLarge = false; // refused for its size, unread
};

// Reads a bank file for editing, never writing to it. A folder, pipe, device,
// dangling link, unreadable or oversized file gives a message saying so; none
// of them can block the caller.
BankFileRead ReadBankBytes(const QString &path);
// Why the editor will not hold a bank of `size` bytes, or an empty text.
QString BankSizeRefusal(qint64 size);

// LargestCsvRows rows of 300 characters, in UTF-16: a file past it cannot
// be imported anyway, so it is refused before it is read.
inline constexpr qint64 LargestCsvFile = 64 * 1024 * 1024;

// Reads a CSV file to import, as ReadBankBytes reads a bank.
BankFileRead ReadCsvBytes(const QString &path);

// Reads a recovery file as ReadBankBytes reads a bank: a link to a pipe
// cannot block the start, and one larger than RecoveryFile::LargestText is
// refused unread.
BankFileRead ReadRecoveryBytes(const QString &path);
