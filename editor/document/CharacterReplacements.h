#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Stand-ins for characters the game's code page lacks, offered to the
// author one kind at a time and never made unasked: a character with none
// (an emoji) stays until the author replaces it.
namespace CharacterReplacements {

enum class Kind {
    Punctuation, // quotes, apostrophes, dashes and spaces as Windows-1252 has them
    Greek,       // a Greek letter as its spelled name: "alpha", "Omega"
};

// The first kind with a stand-in for a character of the text.
std::optional<Kind> FirstIn(const QString &text);

// The text with each character of the kind replaced by its stand-in.
QString Replaced(const QString &text, Kind kind);

// The characters of the kind the text holds, each once.
QStringList Found(const QString &text, Kind kind);

// The undo step's name, %1 filled with the characters replaced.
QString StepName(Kind kind, const QString &replaced);

} // namespace CharacterReplacements
