#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// Rows of fields as spreadsheets exchange them: comma-separated files and
// the tab-separated text of the clipboard.
namespace DelimitedText {

// RFC 4180 records: a field starting with a double quote runs to the
// closing one, "" standing for a quote and line breaks kept; CR LF, LF or
// CR ends a record, and a line end at the very end adds no record. A field
// that only starts with a quote (text follows the closing one) is read
// as written, quotes and all.
QList<QStringList> Parse(QStringView text, QChar separator);

// One row of tab-separated text; a field holding a tab, a line break or a
// double quote is quoted, so it comes back whole.
QString TabSeparatedRow(const QStringList &fields);

// A CSV file's records. Its text is in the encoding its byte order mark
// names, else UTF-8 when the bytes are valid UTF-8, else Windows-1252, as
// older spreadsheets save. Fields are separated by commas, or by semicolons
// when these cut the first record into more fields, as spreadsheets write
// CSV where the comma is the decimal mark.
QList<QStringList> ParseCsv(QByteArrayView bytes);

} // namespace DelimitedText
