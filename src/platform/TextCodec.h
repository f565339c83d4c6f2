// Text encoding of the files the program reads: UTF-8, with bytes that do not form valid
// UTF-8 taken as Windows-1252 (the code page of files made on the original platform).
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

// Whether every byte of the text is ASCII. Every line of a generated file and every block of
// a project file, which can be 100 MB, is asked: eight bytes at a time, the last eight
// overlapping the words before them.
inline bool IsAscii(std::string_view text) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    const char* bytes = text.data();
    const size_t size = text.size();
    if (size < 8) {
        unsigned seen = 0;
        for (size_t i = 0; i < size; ++i) seen |= static_cast<unsigned char>(bytes[i]);
        return seen < 0x80;
    }
    std::uint64_t seen = 0, word = 0;
    for (size_t i = 0; i + 8 <= size; i += 8) {
        std::memcpy(&word, bytes + i, sizeof word);
        seen |= word;
    }
    std::memcpy(&word, bytes + size - 8, sizeof word);
    return ((seen | word) & kHighBits) == 0;
}

// How many bytes of the text are each of `bytes`, in one pass: asked of whole project files and
// Java classes. Blocks of 64 bytes are counted into byte lanes, a loop of fixed length the
// compiler turns into vector instructions, as it does not one of unknown length.
template <size_t N>
std::array<size_t, N> CountOfEach(std::string_view text, const std::array<char, N>& bytes) {
    constexpr size_t kBlock = 64;
    std::array<size_t, N> counts{};
    size_t i = 0;
    for (; text.size() - i >= kBlock; i += kBlock) {
        std::array<std::uint8_t, N> inBlock{};
        for (size_t k = 0; k < kBlock; ++k)
            for (size_t b = 0; b < N; ++b) inBlock[b] += text[i + k] == bytes[b] ? 1 : 0;
        for (size_t b = 0; b < N; ++b) counts[b] += inBlock[b];
    }
    for (; i < text.size(); ++i)
        for (size_t b = 0; b < N; ++b) counts[b] += text[i] == bytes[b] ? 1 : 0;
    return counts;
}

inline std::pair<size_t, size_t> CountOfBytes(std::string_view text, char first, char second) {
    const std::array<size_t, 2> counts = CountOfEach<2>(text, {first, second});
    return {counts[0], counts[1]};
}

// Whether the bytes are valid UTF-8 throughout (then decoding keeps them as they are).
bool IsValidUtf8(std::string_view bytes);
// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t cp);

// Returns valid UTF-8: valid sequences are kept, every other byte is decoded as Windows-1252.
std::string DecodeUtf8OrWindows1252(std::string_view bytes);

}  // namespace korvane
