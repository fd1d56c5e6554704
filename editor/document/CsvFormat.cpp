#include "editor/document/CsvFormat.h"

#include "editor/document/DelimitedText.h"
#include "editor/document/HtmlEntities.h"

#include "app/Windows1252.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringDecoder>

namespace {

// The texts the import preview shows, for tr().
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CsvFormat)
};

} // namespace

QString CsvText(QByteArrayView bytes, CsvEncoding encoding)
{
    if (encoding == CsvEncoding::Windows1252)
        return FromWindows1252(std::string_view(bytes.data(), std::size_t(bytes.size())));
    const QStringConverter::Encoding unicode = encoding == CsvEncoding::Utf16LE ? QStringConverter::Utf16LE
        : encoding == CsvEncoding::Utf16BE                                        ? QStringConverter::Utf16BE
                                                                                  : QStringConverter::Utf8;
    QStringDecoder decoder(unicode, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

CsvRead ReadCsv(QByteArrayView bytes, const CsvFormat &format)
{
    const QString text = CsvText(bytes, format.encoding);
    DelimitedText::Records read = DelimitedText::ParseRecords(text, format.separator);
    if (read.unclosedQuote >= 0)
        return {{}, Text::tr("The quote opened on line %1 is never closed, so every row after it would run into "
                             "one field. Close it, then import again.")
                        .arg(DelimitedText::LineAt(text, read.unclosedQuote))};
    read.records.removeIf(DelimitedText::IsBlank);
    for (QStringList &record : read.records)
        for (QString &field : record)
            field = HtmlEntities::Decoded(field);
    if (format.header && !read.records.isEmpty())
        read.records.removeFirst();
    if (read.records.size() > LargestCsvRows)
        return {{}, Text::tr("The file holds more than %1 rows, more than can be imported at once. "
                             "Split it, then import each part.")
                        .arg(QLocale().toString(LargestCsvRows))};
    return {std::move(read.records), {}};
}
