#include "VbText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

std::string PlainNum(long long n) { return std::to_string(n); }

std::string StrNum(long long n) { return n >= 0 ? " " + std::to_string(n) : std::to_string(n); }

namespace {
// to_chars writes "1e-05"; the game's texts use "1E-05" and "1E+15".
std::string generalForm(double v, int digits) {
    std::array<char, 64> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::general, digits);
    std::string s(buf.data(), res.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}
}  // namespace

std::string CStrSingle(float v) {
    if (std::isnan(v)) return "NaN";
    if (v == 0.0f) return "0";
    return generalForm(static_cast<double>(v), 7);
}

std::string CStrDouble(double v) {
    if (std::isnan(v)) return "NaN";
    if (v == 0.0) return "0";
    return generalForm(v, 15);
}

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::size_t digitsStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    bool anyDigit = i > digitsStart;
    if (i < text.size() && text[i] == '.') {
        ++i;
        std::size_t fracStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        anyDigit = anyDigit || i > fracStart;
    }
    if (!anyDigit) return 0.0;
    std::string_view num = text.substr(start, i - start);
    if (!num.empty() && num.front() == '+') num.remove_prefix(1);
    double out = 0.0;
    auto res = std::from_chars(num.data(), num.data() + num.size(), out);
    if (res.ec != std::errc()) return 0.0;
    return out;
}

long long RoundHalfEven(double x) {
    if (!std::isfinite(x)) return 0;
    if (x > 9.0e18) return std::numeric_limits<long long>::max();
    if (x < -9.0e18) return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::nearbyint(x));  // default rounding mode: to nearest, ties to even
}

long long IntDiv(double a, double b) {
    long long d = RoundHalfEven(b);
    if (d == 0) return 0;
    return RoundHalfEven(a) / d;
}

short ClampToInt16(long long v) {
    if (v > 32767) return 32767;
    if (v < -32768) return -32768;
    return static_cast<short>(v);
}

std::string Trim(std::string_view s) { return std::string(TrimView(s)); }
