#pragma once

#include <QByteArray>
#include <QString>

// Writes a bank file whole or not at all: the bytes go beside the old file,
// which is replaced only once they are all on disk, keeping who may read it
// or change it. A read-only file is refused. Returns why it failed, in the
// system's words ("No space left on device", "File too large"), or an empty
// text. BankFileWriterPosix.cpp keeps the mode, group, ACL and attributes;
// BankFileWriterWindows.cpp replaces through ReplaceFileW, which keeps the
// old file's security descriptor, attributes and streams.
QString WriteBankFile(const QString &path, const QByteArray &bytes);
