#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// A text of at most N 8-bit characters, stored with its length. Assigning or
// appending a longer text silently keeps the first N characters: the game's
// fixed-size fields (names, questions, answers, composed captions) rely on it.
template <std::size_t N>
class BoundedText {
    static_assert(N > 0 && N <= 255, "the length is kept in one byte");

public:
    static constexpr std::size_t capacity = N;

    constexpr BoundedText() = default;
    BoundedText(std::string_view text) { assign(text); }
    BoundedText &operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }

    void assign(std::string_view text)
    {
        length_ = 0;
        append(text);
    }

    void append(std::string_view text)
    {
        const std::size_t room = N - length_;
        const std::size_t kept = std::min(room, text.size());
        if (kept > 0)
            std::memcpy(chars_.data() + length_, text.data(), kept);
        length_ = static_cast<std::uint8_t>(length_ + kept);
    }

    std::string_view view() const { return {chars_.data(), length_}; }
    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }

    friend bool operator==(const BoundedText &a, std::string_view b) { return a.view() == b; }

private:
    std::array<char, N> chars_{};
    std::uint8_t length_ = 0;
};

// The yes/no states the game keeps as the one-character texts "T" and "F";
// anything else, the empty text included, fails both comparisons.
using Flag = BoundedText<1>;
