#pragma once

#include "editor/document/BankDocument.h"
#include "editor/document/BankFileReader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// A bank with unsaved changes, as a recovery file keeps it: the document's
// lines and tail exactly, the bank it belongs to, and when it was kept.
struct RecoverySnapshot {
    std::vector<BankLine> lines;
    QByteArray tail;
    QString bankPath; // empty for a bank never saved
    QDateTime written;
};

// The recovery file's text: UTF-8 JSON a person can read, one object per
// line of the bank. A line's bytes stand as their Windows-1252 reading, which
// gives each of the 256 bytes a character of its own, so every byte comes
// back; typed fields stand as typed, a character beyond the code page or the
// BMP (even a lone surrogate) included. Qt Core only, so it can be fuzzed.
namespace RecoveryFile {

// The most text Written() gives for the largest bank the editor holds: a
// byte stands as at most six characters (\u0000), and as many again in a
// typed field; a line, one byte at least, adds at most its object's names
// and a typed field's nulls. A larger file is no recovery file of it.
inline constexpr qint64 LargestText = (6 + 6 + 64) * LargestBankFile + 65536;

QByteArray Written(const RecoverySnapshot &snapshot);

// The snapshot Written() was given, or nothing, with the reason in `error`,
// for text that is not a recovery file or is damaged.
std::optional<RecoverySnapshot> Read(QByteArrayView text, QString *error = nullptr);

// The same lines and tail, typed fields (null or not) included: what a
// document read back must hold.
bool SameDocument(const std::vector<BankLine> &a, const QByteArray &tailA, const std::vector<BankLine> &b,
                  const QByteArray &tailB);

} // namespace RecoveryFile
