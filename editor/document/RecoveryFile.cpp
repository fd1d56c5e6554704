#include "editor/document/RecoveryFile.h"

#include "app/Windows1252.h"
#include "forms/BankFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <array>

namespace {

// The texts the editor's windows show, for tr().
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RecoveryFile)
};

const QString Format = QStringLiteral("korvedit recovery");
constexpr int Version = 1;

struct EndName {
    LineEnd end;
    const char *name;
};
constexpr std::array<EndName, 3> EndNames = {{
    {LineEnd::CrLf, "CR LF"},
    {LineEnd::CarriageReturn, "CR"},
    {LineEnd::None, "none"},
}};

void AppendEscaped(QByteArray &out, char16_t unit)
{
    static const char Hex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += Hex[(unit >> shift) & 0xF];
}

// A JSON string: control characters (C1 too, which stand for five bytes the
// code page leaves unassigned) and lone surrogates escaped, the rest UTF-8.
void AppendString(QByteArray &out, QStringView text)
{
    out += '"';
    qsizetype plain = 0; // the start of the run of characters written as they are
    const auto flush = [&](qsizetype end) {
        if (end > plain)
            out += text.sliced(plain, end - plain).toUtf8();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        const bool control = unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
        if (!control && unit != u'"' && unit != u'\\' && !QChar::isSurrogate(unit))
            continue;
        flush(i);
        plain = i + 1;
        if (unit == u'"' || unit == u'\\') {
            out += '\\';
            out += char(unit);
        } else if (unit == u'\n') {
            out += "\\n";
        } else if (unit == u'\r') {
            out += "\\r";
        } else if (unit == u'\t') {
            out += "\\t";
        } else {
            AppendEscaped(out, unit);
        }
    }
    flush(text.size());
    out += '"';
}

void AppendBytes(QByteArray &out, const QByteArray &bytes)
{
    AppendString(out, FromWindows1252({bytes.constData(), std::size_t(bytes.size())}));
}

// The bytes whose Windows-1252 reading is `text`, or nothing when it holds a
// character the code page lacks: only a hand-edited file can.
std::optional<QByteArray> BytesOf(const QString &text)
{
    const std::string bytes = ToWindows1252(text);
    if (FromWindows1252(bytes) != text)
        return std::nullopt;
    return QByteArray::fromStdString(bytes);
}

std::optional<RecoverySnapshot> Fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return std::nullopt;
}

} // namespace

namespace RecoveryFile {

QByteArray Written(const RecoverySnapshot &snapshot)
{
    QByteArray out;
    out.reserve(qsizetype(snapshot.lines.size()) * 64 + 256);
    out += "{\n\"format\": ";
    AppendString(out, Format);
    out += ",\n\"version\": " + QByteArray::number(Version) + ",\n\"bank\": ";
    if (snapshot.bankPath.isEmpty())
        out += "null";
    else
        AppendString(out, snapshot.bankPath);
    out += ",\n\"written\": ";
    AppendString(out, snapshot.written.toUTC().toString(Qt::ISODateWithMs));
    out += ",\n\"lines\": [\n";
    for (std::size_t row = 0; row < snapshot.lines.size(); ++row) {
        const BankLine &line = snapshot.lines[row];
        out += "{\"text\": ";
        AppendBytes(out, line.text);
        out += ", \"end\": \"";
        for (const EndName &name : EndNames)
            if (name.end == line.end)
                out += name.name;
        out += '"';
        if (!line.typed.isEmpty()) {
            out += ", \"typed\": [";
            for (qsizetype field = 0; field < line.typed.size(); ++field) {
                if (field > 0)
                    out += ", ";
                if (line.typed[field].isNull())
                    out += "null";
                else
                    AppendString(out, line.typed[field]);
            }
            out += ']';
        }
        out += row + 1 < snapshot.lines.size() ? "},\n" : "}\n";
    }
    out += "],\n\"tail\": ";
    AppendBytes(out, snapshot.tail);
    out += "\n}\n";
    return out;
}

std::optional<RecoverySnapshot> Read(QByteArrayView text, QString *error)
{
    QJsonParseError parsed;
    const QJsonDocument json = QJsonDocument::fromJson(text.toByteArray(), &parsed);
    if (parsed.error != QJsonParseError::NoError)
        return Fail(error, Text::tr("not JSON (%1 at byte %2)").arg(parsed.errorString()).arg(parsed.offset));
    const QJsonObject root = json.object();
    if (root.value(QLatin1String("format")).toString() != Format)
        return Fail(error, Text::tr("not a recovery file of the question editor"));
    if (root.value(QLatin1String("version")).toInt() != Version)
        return Fail(error, Text::tr("written by another version of the question editor"));

    RecoverySnapshot snapshot;
    const QJsonValue bank = root.value(QLatin1String("bank"));
    if (!bank.isNull() && (!bank.isString() || bank.toString().isEmpty()))
        return Fail(error, Text::tr("the bank's name is damaged"));
    snapshot.bankPath = bank.toString();
    snapshot.written = QDateTime::fromString(root.value(QLatin1String("written")).toString(), Qt::ISODateWithMs);
    if (!snapshot.written.isValid())
        return Fail(error, Text::tr("the time it was written is damaged"));

    const QJsonArray lines = root.value(QLatin1String("lines")).toArray();
    if (lines.isEmpty())
        return Fail(error, Text::tr("it holds no line"));
    snapshot.lines.reserve(std::size_t(lines.size()));
    for (qsizetype row = 0; row < lines.size(); ++row) {
        const QString where = Text::tr("line %1 is damaged").arg(row + 1);
        const QJsonObject object = lines[row].toObject();
        const QJsonValue textValue = object.value(QLatin1String("text"));
        const std::optional<QByteArray> bytes = BytesOf(textValue.toString());
        if (!textValue.isString() || !bytes)
            return Fail(error, where);
        BankLine line{*bytes, {}, LineEnd::None};
        const QString end = object.value(QLatin1String("end")).toString();
        const auto name = std::find_if(EndNames.begin(), EndNames.end(),
                                       [&end](const EndName &name) { return end == QLatin1String(name.name); });
        if (name == EndNames.end())
            return Fail(error, where);
        line.end = name->end;
        const QJsonValue typed = object.value(QLatin1String("typed"));
        if (!typed.isUndefined()) {
            const QJsonArray fields = typed.toArray();
            if (fields.size() != qsizetype(BankFieldCount))
                return Fail(error, where);
            for (const QJsonValue &field : fields) {
                if (!field.isNull() && !field.isString())
                    return Fail(error, where);
                line.typed += field.isNull() ? QString() : field.toString();
            }
        }
        snapshot.lines.push_back(std::move(line));
    }

    const QJsonValue tailValue = root.value(QLatin1String("tail"));
    const std::optional<QByteArray> tail = BytesOf(tailValue.toString());
    if (!tailValue.isString() || !tail || (!tail->isEmpty() && tail->front() != CtrlZ))
        return Fail(error, Text::tr("the text after the end of the data is damaged"));
    snapshot.tail = *tail;
    return snapshot;
}

bool SameDocument(const std::vector<BankLine> &a, const QByteArray &tailA, const std::vector<BankLine> &b,
                  const QByteArray &tailB)
{
    if (a.size() != b.size() || tailA != tailB)
        return false;
    for (std::size_t row = 0; row < a.size(); ++row) {
        if (a[row].text != b[row].text || a[row].end != b[row].end || a[row].typed.size() != b[row].typed.size())
            return false;
        for (qsizetype field = 0; field < a[row].typed.size(); ++field)
            if (a[row].typed[field] != b[row].typed[field] || a[row].typed[field].isNull() != b[row].typed[field].isNull())
                return false;
    }
    return true;
}

} // namespace RecoveryFile
