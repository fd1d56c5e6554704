#pragma once

#include <QtGlobal>
#include <array>
#include <cstddef>

// A fixed table indexed from 1 to N, as the game counts slots, players and
// corners. An index outside the table stops the program at once rather than
// let it write past the end.
template <class T, std::size_t N>
struct OneBased {
    std::array<T, N> items{};

    T &operator[](std::size_t index) { return items[checked(index)]; }
    const T &operator[](std::size_t index) const { return items[checked(index)]; }
    static constexpr std::size_t size() { return N; }

private:
    static std::size_t checked(std::size_t index)
    {
        if (index < 1 || index > N)
            qFatal("index %zu outside 1..%zu", index, N);
        return index - 1;
    }
};
