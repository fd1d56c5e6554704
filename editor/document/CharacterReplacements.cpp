#include "editor/document/CharacterReplacements.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace CharacterReplacements {

namespace {

// Forms the code page lacks of what it has: primes and reversed quotes,
// hyphens and dashes of other widths, the minus sign, thin spaces.
constexpr std::array<std::pair<char16_t, const char *>, 16> Punctuation = {{
    {u'\u201B', "\u2019"}, {u'\u2032', "\u2019"}, {u'\u201F', "\u201D"}, {u'\u2033', "\u201D"},
    {u'\u2010', "-"},       {u'\u2011', "-"},       {u'\u2012', "\u2013"}, {u'\u2015', "\u2014"},
    {u'\u2212', "-"},       {u'\u2043', "-"},       {u'\u2002', " "},      {u'\u2003', " "},
    {u'\u2009', " "},       {u'\u200A', " "},       {u'\u202F', "\u00A0"}, {u'\u2024', "."},
}};

// The Greek alphabet from alpha, capitals at U+0391 and small letters at
// U+03B1; each has one code point unused or doubled (final sigma) at the 18th.
constexpr std::array<const char *, 24> GreekNames = {
    "alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta", "theta", "iota", "kappa", "lambda", "mu",
    "nu", "xi", "omicron", "pi", "rho", "sigma", "tau", "upsilon", "phi", "chi", "psi", "omega",
};

std::optional<QString> GreekName(QChar ch)
{
    const char16_t code = ch.unicode();
    const bool capital = code >= 0x0391 && code <= 0x03A9 && code != 0x03A2;
    const bool small = code >= 0x03B1 && code <= 0x03C9;
    if (!capital && !small)
        return std::nullopt;
    const int offset = code - (capital ? 0x0391 : 0x03B1);
    // Past rho (the 17th), final sigma (small) or the gap (capital) is the 18th.
    const int letter = offset <= 16 ? offset : offset == 17 ? 17 : offset - 1;
    QString name = QString::fromLatin1(GreekNames[std::size_t(letter)]);
    if (capital)
        name[0] = name[0].toUpper();
    return name;
}

std::optional<QString> StandIn(QChar ch, Kind kind)
{
    if (kind == Kind::Greek)
        return GreekName(ch);
    for (const auto &[from, to] : Punctuation)
        if (ch == QChar(from))
            return QString::fromUtf8(to);
    return std::nullopt;
}

constexpr std::array<Kind, 2> Kinds = {Kind::Punctuation, Kind::Greek};

} // namespace

std::optional<Kind> FirstIn(const QString &text)
{
    for (const Kind kind : Kinds)
        if (!Found(text, kind).isEmpty())
            return kind;
    return std::nullopt;
}

QString Replaced(const QString &text, Kind kind)
{
    QString replaced;
    for (const QChar ch : text)
        replaced += StandIn(ch, kind).value_or(QString(ch));
    return replaced;
}

QStringList Found(const QString &text, Kind kind)
{
    QStringList found;
    for (const QChar ch : text)
        if (StandIn(ch, kind) && !found.contains(QString(ch)))
            found += QString(ch);
    return found;
}

QString StepName(Kind kind, const QString &replaced)
{
    return kind == Kind::Greek
               ? QCoreApplication::translate("CharacterReplacements", "Spell out the Greek letters %1").arg(replaced)
               : QCoreApplication::translate("CharacterReplacements",
                                             "Replace %1 with the quotes, dashes and spaces the game has")
                     .arg(replaced);
}

} // namespace CharacterReplacements
