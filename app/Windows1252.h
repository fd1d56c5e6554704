#pragma once

#include <QString>
#include <string>
#include <string_view>

// The game keeps its texts as 8-bit characters, as the bank file stores them;
// on screen each byte is one Windows-1252 character.
QString FromWindows1252(std::string_view bytes);

// Typed text back to 8-bit characters; a character Windows-1252 lacks
// becomes '?'.
std::string ToWindows1252(const QString &text);
