#pragma once
// Number and text conversions in the forms the game writes and reads: the
// plain form ("7"), the form with a leading blank for values from 0 up (" 7"),
// the shortest decimal text of a single-precision value with "." as the
// decimal point, and the leading-number reader. None of these depend on the
// C locale, which a GUI toolkit may change.

#include <cstddef>
#include <string>
#include <string_view>

// "7", "-3"
std::string PlainNum(long long n);
// " 7", "-3": one leading blank for 0 and up.
std::string StrNum(long long n);
// Up to 7 significant digits, no trailing zeros, "." as the decimal point,
// E notation at the extremes ("1E-05", "1.234568E+07").
std::string CStrSingle(float v);
// The same for a double-precision value, with up to 15 significant digits.
std::string CStrDouble(double v);
// The leading decimal number of text: leading blanks skipped, an optional
// sign, digits and a "." fraction; 0 when the text does not begin with one.
double Val(std::string_view text);
// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
long long RoundHalfEven(double x);
// Integer division of two values first rounded to integers (halves to even);
// the quotient is truncated toward zero. A zero divisor gives 0.
long long IntDiv(double a, double b);
// Clamps to the 16-bit signed range that the game's integer values live in.
short ClampToInt16(long long v);
// Trims blanks and tabs at both ends.
std::string Trim(std::string_view s);
// The same without a copy: a view into s.
inline std::string_view TrimView(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}
