// Number conversions of the old platform, in one place.
//
// Every number that travels through a string (tab orders, geometry in the project file,
// the [Main] and [Font] sizes) is read with Val and written with Str; integers are taken
// by rounding half to even; twips and pixels convert at 15 twips per pixel.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr int kInt16Max = 32767;
inline constexpr int kInt16Min = -32768;

// The leading-number rule: blanks (space, tab, CR, LF) are skipped anywhere, then an
// optional sign, digits with an optional decimal point and an optional exponent (E or D,
// optionally signed); reading stops at the first character that cannot continue the number.
// "&H1F" and "&O17" read as hexadecimal and octal. Nothing readable gives 0.
double Val(std::string_view text);
// Val, except that a number too large for a double gives plus or minus infinity instead of 0,
// so that a range check refuses it.
double ValUnbounded(std::string_view text);

// Whether Val finds at least one digit at the start (after blanks and sign).
bool HasLeadingNumber(std::string_view text);

// Rounding to the nearest integer with halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// The 16-bit integer a string stands for: Val, rounded half to even; nullopt when the
// string has no number or the result is outside -32768..32767 (a number too large for a
// double included).
std::optional<int> ToInt16(std::string_view text);

// A number held in a 16-bit field: rounded half to even and clamped to -32768..32767
// (NaN gives the lower bound).
int RoundToInt16Clamped(double value);

// A tab-order value as used for the next tab order and renumbering: the integer of the
// string, 0 when it is no number or out of range.
int TabOrderValue(std::string_view text);

// The old Str$ of a single-precision number: a leading blank unless negative, the shortest
// decimal form (up to 7 significant digits), no leading zero before the point (" .5"),
// scientific form ("1E+08") for very large or very small magnitudes.
std::string StrSingle(double value);

// The same without the leading blank (the form of Trim(Str$(n)) and of CStr on a number).
std::string NumberText(double value);

inline double TwipsToPixels(double twips) {
    return twips / kTwipsPerPixel;
}
inline double PixelsToTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}
// Whole pixels of a twip value, rounded half to even: the form the generated Java uses.
int TwipsToWholePixels(double twips);

}  // namespace korvane
