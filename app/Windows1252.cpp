#include "app/Windows1252.h"

#include <algorithm>
#include <array>

namespace {

// Code points of bytes 0x80..0x9F. The five bytes the code page leaves
// unassigned map to the control characters of the same value, as Windows does.
constexpr std::array<char16_t, 32> HighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t CodePointOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControlBlock[byte - 0x80];
    return byte;
}

} // namespace

QString FromWindows1252(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[static_cast<qsizetype>(i)] = QChar(CodePointOf(static_cast<unsigned char>(bytes[i])));
    return text;
}

std::string ToWindows1252(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        if (ch.isLowSurrogate())
            continue; // its high surrogate already stood for the whole character
        const char16_t unit = ch.unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            bytes.push_back(static_cast<char>(unit));
            continue;
        }
        const auto found = std::find(HighControlBlock.begin(), HighControlBlock.end(), unit);
        bytes.push_back(found != HighControlBlock.end() ? static_cast<char>(0x80 + (found - HighControlBlock.begin())) : '?');
    }
    return bytes;
}
