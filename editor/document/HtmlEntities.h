#pragma once

#include <QString>

// Text from web pages and the trivia sets taken from them often carries
// HTML's character references: "&quot;", "&#039;", "&eacute;".
namespace HtmlEntities {

// The text with each numeric reference and each common named one as the
// character it stands for; anything else, "AT&T" included, stays as it is.
QString Decoded(const QString &text);

} // namespace HtmlEntities
