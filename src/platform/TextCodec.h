// Text encoding of the files the program reads: UTF-8, with bytes that do not form valid
// UTF-8 taken as Windows-1252 (the code page of files made on the original platform).
#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Whether the bytes are valid UTF-8 throughout (then decoding keeps them as they are).
bool IsValidUtf8(std::string_view bytes);

// Returns valid UTF-8: valid sequences are kept, every other byte is decoded as Windows-1252.
std::string DecodeUtf8OrWindows1252(std::string_view bytes);

}  // namespace korvane
