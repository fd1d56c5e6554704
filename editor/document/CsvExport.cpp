#include "editor/document/CsvExport.h"

#include "forms/BankChecks.h"

namespace {

QString Quoted(const QString &field)
{
    const bool quoted = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))
        || field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
    return quoted ? QLatin1Char('"') + QString(field).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"')
                  : field;
}

void Append(QByteArray &bytes, const QStringList &fields)
{
    QStringList written;
    for (const QString &field : fields)
        written += Quoted(field);
    bytes += written.join(QLatin1Char(',')).toUtf8();
    bytes += "\r\n";
}

} // namespace

QByteArray CsvFileBytes(const QList<QStringList> &rows)
{
    QByteArray bytes = "\xEF\xBB\xBF";
    // Named as spreadsheets write it, whatever the editor's language, so
    // that an import anywhere knows it for a header.
    QStringList header;
    for (const BankFieldName &name : BankFieldNames)
        header += QLatin1String(name.heading);
    Append(bytes, header);
    for (const QStringList &row : rows)
        Append(bytes, row);
    return bytes;
}
