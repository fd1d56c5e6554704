#include "editor/document/DelimitedText.h"

#include <algorithm>

namespace DelimitedText {

namespace {

constexpr QChar Quote = QLatin1Char('"');

bool IsLineBreak(QChar ch)
{
    return ch == QLatin1Char('\r') || ch == QLatin1Char('\n');
}

// Reads the quoted field starting at `at` (on its opening quote); returns
// where it ends, or -1 when text follows its closing quote. Unclosed, it
// runs to the end of the text, and `closed` is cleared.
qsizetype ReadQuoted(QStringView text, qsizetype at, QChar separator, QString &field, bool &closed)
{
    closed = true;
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
    closed = false;
    return at;
}

} // namespace

QList<QStringList> Parse(QStringView text, QChar separator)
{
    return ParseRecords(text, separator).records;
}

Records ParseRecords(QStringView text, QChar separator, qsizetype most)
{
    Records read;
    QList<QStringList> &records = read.records;
    QStringList record;
    qsizetype at = 0;
    while (at < text.size()) {
        if (records.size() == most)
            return read;
        QString field;
        qsizetype end = -1;
        if (text[at] == Quote) {
            bool closed = true;
            end = ReadQuoted(text, at, separator, field, closed);
            if (!closed && read.unclosedQuote < 0)
                read.unclosedQuote = at;
        }
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
    return read;
}

bool IsBlank(const QStringList &record)
{
    return std::all_of(record.begin(), record.end(), [](const QString &field) { return field.isEmpty(); });
}

int LineAt(QStringView text, qsizetype at)
{
    int line = 1;
    for (qsizetype i = 0; i < at && i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') || (text[i] == QLatin1Char('\r') && (i + 1 == text.size() || text[i + 1] != QLatin1Char('\n'))))
            ++line;
    }
    return line;
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

} // namespace DelimitedText
