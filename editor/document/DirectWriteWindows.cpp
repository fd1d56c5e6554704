#include "editor/document/DirectWrite.h"

// Qt writes an unbuffered file with WriteFile until all is written or it
// fails, and tells the failure through FormatMessage. The file's descriptor
// is left alone: one taken from Qt stays open after close() and keeps the
// file from being renamed.
QString WriteAll(QFileDevice &file, const QByteArray &bytes)
{
    if (file.write(bytes) == bytes.size())
        return {};
    return file.errorString();
}
