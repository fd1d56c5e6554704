#pragma once

#include "editor/document/CsvFormat.h"

#include <QByteArrayView>
#include <QList>
#include <QStringList>
#include <QStringView>

// The format a CSV file most likely has, as the import preview first shows it.
namespace CsvGuess {

// The encoding its byte order mark names; without one, UTF-16 when zero
// bytes fill every other place (Latin text), else UTF-8 when the bytes are
// valid UTF-8, else Windows-1252, as older spreadsheets save.
CsvEncoding Encoding(QByteArrayView bytes);

// Of CsvSeparators, the one that cuts most of the first
// records into the same number of fields (quotes respected), four winning
// a tie; a comma when none cuts any.
QChar Separator(QStringView text);

// Whether the first of these records names the columns: its first field a
// word for "question" and another a word for "answer", in a language of
// Windows-1252, case and accents aside; or shaped like a header (a few
// short words a field, no question mark) above records that are questions.
bool StartsWithHeader(const QList<QStringList> &records);

CsvFormat Format(QByteArrayView bytes);

} // namespace CsvGuess
