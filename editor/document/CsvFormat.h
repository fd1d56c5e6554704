#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// How a CSV file is written: what the import preview lets the user change.
enum class CsvEncoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

// The separators offered by name, and guessed among: comma, semicolon, tab, vertical bar.
inline constexpr std::array<char, 4> CsvSeparators = {',', ';', '\t', '|'};

struct CsvFormat {
    CsvEncoding encoding = CsvEncoding::Utf8;
    QChar separator = QLatin1Char(',');
    bool header = false; // the first record names the columns
};

// Far more than a bank needs, but a spreadsheet's worth of questions to
// sort through; a file over it is refused whole rather than cut short.
inline constexpr qsizetype LargestCsvRows = 100000;

struct CsvRead {
    // The rows to import: the header and blank records left out.
    QList<QStringList> records;
    // Why nothing can be imported, for the user; empty when the records are read.
    QString problem;
};

// The text of the bytes in the encoding; a byte order mark is dropped.
QString CsvText(QByteArrayView bytes, CsvEncoding encoding);

// The bytes' records as the format says, HTML's character references
// decoded (HtmlEntities.h). An unclosed quote would swallow
// every record after it, so its line is named and nothing is read; so is a
// file of more than LargestCsvRows rows.
CsvRead ReadCsv(QByteArrayView bytes, const CsvFormat &format);
