#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Writes all the bytes straight to the open file's system handle, so that a
// failure is told in the system's own words ("No space left on device",
// "File too large", or on Windows "There is not enough space on the disk."):
// a short write reports no error through QFileDevice. Returns why it failed,
// or an empty text. DirectWritePosix.cpp and DirectWriteWindows.cpp hold the
// two forms.
QString WriteAll(QFileDevice &file, const QByteArray &bytes);
