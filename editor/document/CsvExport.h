#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The bank as a CSV file any spreadsheet opens: UTF-8 with a byte order mark
// (without one, some read it as their own code page), a header row naming
// the four columns, fields quoted as RFC 4180 says, CR LF line ends.
QByteArray CsvFileBytes(const QList<QStringList> &rows);
