// Text encoding of the files the program reads: UTF-8, with bytes that do not form valid
// UTF-8 taken as Windows-1252 (the code page of files made on the original platform).
#pragma once

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

// How many bytes of the text are `first` and how many are `second`, eight at a time, in one
// pass: asked of whole project files.
inline std::pair<size_t, size_t> CountOfBytes(std::string_view text, char first, char second) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7fULL;
    constexpr std::uint64_t kEvenBytes = 0x00ff00ff00ff00ffULL;
    // 1 in each byte lane that is zero.
    const auto zeroLanes = [](std::uint64_t x) {
        return (~(((x & kLow7) + kLow7) | x) >> 7) & kOnes;
    };
    // The sum of the eight lanes: in pairs into four 16-bit lanes, then those.
    const auto sumOfLanes = [](std::uint64_t lanes) {
        const std::uint64_t pairs = (lanes & kEvenBytes) + (lanes >> 8 & kEvenBytes);
        return static_cast<size_t>((pairs * 0x0001000100010001ULL) >> 48);
    };
    const std::uint64_t firstPattern = kOnes * static_cast<unsigned char>(first);
    const std::uint64_t secondPattern = kOnes * static_cast<unsigned char>(second);
    const char* bytes = text.data();
    const size_t size = text.size();
    std::pair<size_t, size_t> counts{0, 0};
    size_t i = 0;
    while (i + 8 <= size) {
        // Byte lanes that each count to at most 255 before they are added up.
        std::uint64_t firstLanes = 0, secondLanes = 0;
        for (size_t round = 0; round < 255 && i + 8 <= size; ++round, i += 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, sizeof word);
            firstLanes += zeroLanes(word ^ firstPattern);
            secondLanes += zeroLanes(word ^ secondPattern);
        }
        counts.first += sumOfLanes(firstLanes);
        counts.second += sumOfLanes(secondLanes);
    }
    for (; i < size; ++i) {
        counts.first += bytes[i] == first;
        counts.second += bytes[i] == second;
    }
    return counts;
}

// Whether the bytes are valid UTF-8 throughout (then decoding keeps them as they are).
bool IsValidUtf8(std::string_view bytes);
// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t cp);

// Returns valid UTF-8: valid sequences are kept, every other byte is decoded as Windows-1252.
std::string DecodeUtf8OrWindows1252(std::string_view bytes);

}  // namespace korvane
