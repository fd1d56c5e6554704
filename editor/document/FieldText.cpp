#include "editor/document/FieldText.h"

#include "app/Windows1252.h"
#include "forms/BankFile.h"

namespace FieldText {

namespace {

constexpr QChar OpeningQuote(0x201C);
constexpr QChar ClosingQuote(0x201D);

bool IsSurrogatePairAt(QStringView text, qsizetype at)
{
    return at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
}

} // namespace

bool CanHold(QStringView text)
{
    for (const QChar ch : text)
        if (ch == QLatin1Char(FieldEnd) || ch == QLatin1Char(CarriageReturn) || ch == QLatin1Char(LineFeed)
            || ch == QLatin1Char(CtrlZ))
            return false;
    return true;
}

bool IsEncodable(QStringView text)
{
    // The code page's own table decides: a character it lacks comes back as '?'.
    const QString copy = text.toString();
    return FromWindows1252(ToWindows1252(copy)) == copy;
}

QStringList UnencodableCharacters(QStringView text)
{
    QStringList found;
    for (qsizetype at = 0; at < text.size(); at += IsSurrogatePairAt(text, at) ? 2 : 1) {
        const QStringView character = text.sliced(at, IsSurrogatePairAt(text, at) ? 2 : 1);
        if (!IsEncodable(character) && !found.contains(character))
            found += character.toString();
    }
    return found;
}

QString FirstUnencodable(QStringView text)
{
    return UnencodableCharacters(text).value(0);
}

qsizetype GameLength(QStringView text)
{
    qsizetype length = 0;
    for (qsizetype at = 0; at < text.size(); at += IsSurrogatePairAt(text, at) ? 2 : 1)
        ++length;
    return length;
}

QString CutTo(const QString &text, qsizetype width)
{
    qsizetype at = 0;
    for (qsizetype kept = 0; at < text.size() && kept < width; ++kept)
        at += IsSurrogatePairAt(text, at) ? 2 : 1;
    return text.left(at);
}

namespace {

// Fitted() and Imported(): `keepSpacing` keeps a tab and a lone line feed.
QString Fit(const QString &text, QChar before, bool keepSpacing)
{
    QString fitted;
    fitted.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar ch = text[at];
        const QChar previous = fitted.isEmpty() ? before : fitted.back();
        const bool crLf = ch == QLatin1Char(CarriageReturn) && at + 1 < text.size() && text[at + 1] == QLatin1Char(LineFeed);
        if (ch == QLatin1Char(FieldEnd)) {
            // Opening at the start or after a space or an opening bracket, as typesetters do.
            const bool opens = previous.isNull() || previous.isSpace() || previous == QLatin1Char('(')
                || previous == QLatin1Char('[');
            fitted += opens ? OpeningQuote : ClosingQuote;
        } else if (keepSpacing && (ch == QLatin1Char('\t') || ch == QLatin1Char(LineFeed))) {
            fitted += ch;
        } else if (ch == QLatin1Char(CarriageReturn) || ch == QLatin1Char(LineFeed) || ch == QLatin1Char('\t')) {
            at += crLf ? 1 : 0;
            fitted += QLatin1Char(' ');
        } else if (ch != QLatin1Char(CtrlZ)) {
            fitted += ch;
        }
    }
    return fitted;
}

} // namespace

QString Fitted(const QString &text, QChar before)
{
    return Fit(text, before, false);
}

QString Imported(const QString &text)
{
    return Fit(text.trimmed(), {}, true);
}

QString WithStraightQuotes(QString text)
{
    // The English, German and French double quotes, low ones and guillemets included.
    for (const QChar quote : {OpeningQuote, ClosingQuote, QChar(0x201E), QChar(0x201F), QChar(0x00AB), QChar(0x00BB)})
        text.replace(quote, QLatin1Char(FieldEnd));
    return text;
}

QString OnOneLine(QString text)
{
    return text.replace(QLatin1Char(LineFeed), QLatin1Char(' '));
}

QString Excerpt(const QString &text)
{
    constexpr qsizetype Shown = 32;
    return OpeningQuote + (text.size() > Shown ? text.left(Shown - 1) + QChar(0x2026) : text) + ClosingQuote;
}

} // namespace FieldText
