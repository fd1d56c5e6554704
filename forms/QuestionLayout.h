#pragma once

#include "app/BoundedText.h"
#include "app/DesignFonts.h"

#include <QRect>

#include <array>
#include <cstdint>
#include <string_view>

// How the question window lays a question out. The question editor's preview
// takes its boxes, fonts and answer lines from here too, so it cuts and wraps
// exactly where the game does.

inline const QRect QuestionBox(21, 106, 388, 41);
inline QFont QuestionFont() { return DesignFont(SystemFace, 16, true); }

// Answer line 1..3 (A..C).
inline QRect AnswerBox(std::uint8_t line) { return QRect(25, 156 + 32 * (line - 1), 375, 20); }
inline QFont AnswerFont() { return DesignFont(TimesFace, 13); }
// The sunken bevel framing answer line 1..3.
inline QRect AnswerBevel(std::uint8_t line) { return QRect(20, 151 + 32 * (line - 1), 389, 26); }

// "A)  ", "B)  " or "C)  " and the answer, kept to the caption's 30 characters.
inline BoundedText<30> AnswerLineCaption(std::uint8_t line, std::string_view answer)
{
    static constexpr std::array<const char *, 3> Prefixes = {"A)  ", "B)  ", "C)  "};
    BoundedText<30> caption(Prefixes[line - 1]);
    caption.append(answer);
    return caption;
}
