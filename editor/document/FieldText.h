#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// What may stand in a field of the bank, and how text from elsewhere is
// made to fit.
namespace FieldText {

// False for text holding a double quote, a carriage return, a line feed or
// a Ctrl-Z: each would end the field, the line or the bank early.
bool CanHold(QStringView text);

// True when Windows-1252 has every character of the text.
bool IsEncodable(QStringView text);

// Each character Windows-1252 lacks, once, in the order they come.
QStringList UnencodableCharacters(QStringView text);

// The first character Windows-1252 lacks (two code units for one beyond
// the BMP), or a null string.
QString FirstUnencodable(QStringView text);

// The characters the game keeps of the text: one per character, a
// character beyond the BMP included.
qsizetype GameLength(QStringView text);

// The text cut to at most `width` characters as the game counts them.
QString CutTo(const QString &text, qsizetype width);

// Text pasted or typed, made fit for a field: a straight double quote
// becomes the opening or closing typographic one (both in Windows-1252), as
// the character before it decides (`before`: the field's character the text
// goes after, null at the field's start), line breaks and tabs become single
// spaces, Ctrl-Z is dropped.
QString Fitted(const QString &text, QChar before = {});

// A field of an imported or pasted record: spaces and line breaks at either
// end dropped, as they would only count toward the width; then only what no
// field can hold changes, as Fitted() changes it. A tab or a lone line feed
// inside it, which a field opened from disk may hold, stays, so that an
// export and import keeps the field's bytes.
QString Imported(const QString &text);

// The text with every typographic double quote as a straight one, so that
// a straight quote searched for finds them all.
QString WithStraightQuotes(QString text);

// The field as a one-line cell editor shows it: a line feed, which the game
// reads as an ordinary character, shows and is kept as a space.
QString OnOneLine(QString text);

// The text in typographic quotes, cut short with an ellipsis when long: how
// an undo step names the text it removes.
QString Excerpt(const QString &text);

} // namespace FieldText
