#include "editor/document/HtmlEntities.h"

#include <QStringView>

#include <array>
#include <optional>
#include <utility>

namespace HtmlEntities {

namespace {

// The named references trivia sets use; a name not here stays as written.
constexpr std::array<std::pair<const char16_t *, char16_t>, 34> Named = {{
    {u"quot", u'"'},     {u"amp", u'&'},       {u"lt", u'<'},        {u"gt", u'>'},       {u"apos", u'\''},
    {u"nbsp", u'\u00A0'}, {u"lsquo", u'\u2018'}, {u"rsquo", u'\u2019'}, {u"ldquo", u'\u201C'}, {u"rdquo", u'\u201D'},
    {u"ndash", u'\u2013'}, {u"mdash", u'\u2014'}, {u"hellip", u'\u2026'}, {u"deg", u'\u00B0'}, {u"copy", u'\u00A9'},
    {u"reg", u'\u00AE'},  {u"eacute", u'\u00E9'}, {u"egrave", u'\u00E8'}, {u"ecirc", u'\u00EA'}, {u"aacute", u'\u00E1'},
    {u"agrave", u'\u00E0'}, {u"iacute", u'\u00ED'}, {u"oacute", u'\u00F3'}, {u"uacute", u'\u00FA'},
    {u"auml", u'\u00E4'}, {u"ouml", u'\u00F6'},   {u"uuml", u'\u00FC'},   {u"Auml", u'\u00C4'},  {u"Ouml", u'\u00D6'},
    {u"Uuml", u'\u00DC'}, {u"szlig", u'\u00DF'},  {u"ntilde", u'\u00F1'}, {u"ccedil", u'\u00E7'}, {u"Eacute", u'\u00C9'},
}};

// The character a reference's name (between "&" and ";") stands for.
std::optional<QString> Character(QStringView name)
{
    if (name.startsWith(QLatin1Char('#'))) {
        const bool hex = name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'));
        bool read = false;
        const uint code = name.sliced(hex ? 2 : 1).toUInt(&read, hex ? 16 : 10);
        if (!read || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        const auto point = char32_t(code);
        return QString::fromUcs4(&point, 1);
    }
    for (const auto &[named, character] : Named)
        if (name == QStringView(named))
            return QString(QChar(character));
    return std::nullopt;
}

} // namespace

QString Decoded(const QString &text)
{
    // The longest name above, "&#x10FFFF;" and the like fit in this.
    constexpr qsizetype LongestName = 8;
    QString decoded;
    decoded.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const qsizetype end = text.at(at) == QLatin1Char('&')
                                  ? text.indexOf(QLatin1Char(';'), at + 1)
                                  : -1;
        const std::optional<QString> character =
            end > at + 1 && end - at - 1 <= LongestName ? Character(QStringView(text).sliced(at + 1, end - at - 1))
                                                        : std::nullopt;
        if (character) {
            decoded += *character;
            at = end;
        } else {
            decoded += text.at(at);
        }
    }
    return decoded;
}

} // namespace HtmlEntities
