#include "DelimitedText.h"

#include "app/Windows1252.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace DelimitedText {

namespace {

constexpr QChar Quote = QLatin1Char('"');

bool IsLineBreak(QChar ch)
{
    return ch == QLatin1Char('\r') || ch == QLatin1Char('\n');
}

// Reads the quoted field starting at `at` (on its opening quote); returns
// where it ends, or -1 when text follows its closing quote.
qsizetype ReadQuoted(QStringView text, qsizetype at, QChar separator, QString &field)
{
    for (++at; at < text.size(); ++at) {
        if (text[at] != Quote) {
            field += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == Quote) {
            field += Quote;
            ++at;
        } else {
            ++at;
            return at == text.size() || text[at] == separator || IsLineBreak(text[at]) ? at : -1;
        }
    }
    return at; // an unclosed quote runs to the end
}

QString DecodedCsv(QByteArrayView bytes)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(marked.value_or(QStringConverter::Utf8), QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return FromWindows1252(std::string_view(bytes.data(), std::size_t(bytes.size())));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace

QList<QStringList> Parse(QStringView text, QChar separator)
{
    QList<QStringList> records;
    QStringList record;
    qsizetype at = 0;
    while (at < text.size()) {
        QString field;
        qsizetype end = -1;
        if (text[at] == Quote)
            end = ReadQuoted(text, at, separator, field);
        if (end < 0) {
            end = at;
            while (end < text.size() && text[end] != separator && !IsLineBreak(text[end]))
                ++end;
            field = text.sliced(at, end - at).toString();
        }
        record += field;
        at = end;
        if (at < text.size() && text[at] == separator) {
            ++at;
            if (at == text.size())
                record += QString();
            continue;
        }
        if (at < text.size())
            at += text.sliced(at).startsWith(u"\r\n") ? 2 : 1;
        records += record;
        record.clear();
    }
    if (!record.isEmpty()) // a separator ended the text
        records += record;
    return records;
}

QString TabSeparatedRow(const QStringList &fields)
{
    QStringList written;
    for (const QString &field : fields) {
        const bool quoted = field.contains(QLatin1Char('\t')) || field.contains(QLatin1Char('\n'))
            || field.contains(QLatin1Char('\r')) || field.contains(Quote);
        written += quoted ? Quote + QString(field).replace(Quote, QStringLiteral("\"\"")) + Quote : field;
    }
    return written.join(QLatin1Char('\t'));
}

QList<QStringList> ParseCsv(QByteArrayView bytes)
{
    const QString text = DecodedCsv(bytes);
    QList<QStringList> byCommas = Parse(text, QLatin1Char(','));
    QList<QStringList> bySemicolons = Parse(text, QLatin1Char(';'));
    const auto width = [](const QList<QStringList> &records) { return records.isEmpty() ? 0 : records.front().size(); };
    return width(bySemicolons) > width(byCommas) ? bySemicolons : byCommas;
}

} // namespace DelimitedText
