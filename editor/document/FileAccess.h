#pragma once

#include <QFileDevice>
#include <QString>

// Who may use a file beyond its owner and mode bits: its access control list
// and its other extended attributes. A bank saved as a new file renamed over
// the old one keeps them, so that saving never widens (nor narrows) who may
// read or change it. FileAccessPosix.cpp, with libacl and xattrs; Windows
// needs no such step, as ReplaceFileW keeps the old file's security
// descriptor and streams itself (BankFileWriterWindows.cpp).
namespace FileAccess {

// Gives the new file, open as `replacement`, the access the file at
// `original` has; why it could not, or an empty text. A missing original,
// or a file system without them, has none to give.
QString CopyTo(const QString &original, QFileDevice &replacement);

} // namespace FileAccess
