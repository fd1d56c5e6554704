#pragma once

#include <cstdint>

// The catalogue's three pages form a ring: "next" walks 1, 2, 3, 1 ... and
// "previous" the other way round.
inline std::uint8_t NextCatalogPage(std::uint8_t page)
{
    return static_cast<std::uint8_t>(page % 3 + 1);
}

inline std::uint8_t PreviousCatalogPage(std::uint8_t page)
{
    return static_cast<std::uint8_t>((page + 1) % 3 + 1);
}
