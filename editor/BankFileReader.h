#pragma once

#include <QByteArray>
#include <QString>

// A bank is a few kilobytes (100 lines of up to 140 characters); anything far
// larger is not a bank, and is refused at once rather than loaded slowly.
inline constexpr qint64 LargestBankFile = 4 * 1024 * 1024;

struct BankFileRead {
    QByteArray bytes;
    QString error; // empty when the bytes were read
};

// Reads a bank file for editing, never writing to it. A folder, pipe, device,
// dangling link, unreadable or oversized file gives a message saying so; none
// of them can block the caller.
BankFileRead ReadBankBytes(const QString &path);
