#pragma once

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

struct Records {
    QList<QStringList> records;
    // Where the quote opened that no quote closes (the field runs to the
    // end of the text), or -1.
    qsizetype unclosedQuote = -1;
};

// As Parse, reading at most `most` records (all when negative).
Records ParseRecords(QStringView text, QChar separator, qsizetype most = -1);

// A record of empty fields only: a blank line, or separators alone.
bool IsBlank(const QStringList &record);

// The 1-based line of the text that `at` is on; CR LF, LF and CR end lines.
int LineAt(QStringView text, qsizetype at);

// One row of tab-separated text; a field holding a tab, a line break or a
// double quote is quoted, so it comes back whole.
QString TabSeparatedRow(const QStringList &fields);

} // namespace DelimitedText
