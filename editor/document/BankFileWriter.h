#pragma once

#include <QByteArray>
#include <QString>

// Writes a bank file whole or not at all: the bytes go beside the old file,
// which is replaced only once they are all on disk, keeping its mode and,
// where the user may set it, its group. Returns why it failed, in the
// system's words ("No space left on device", "File too large"), or an empty
// text.
QString WriteBankFile(const QString &path, const QByteArray &bytes);
