#include "numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

std::string NormalizeFullWidth(const char* text) {
    std::string out;
    if (!text) return out;
    const size_t n = std::strlen(text);
    out.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x81 || i + 1 >= n) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        unsigned char d = static_cast<unsigned char>(text[i + 1]);
        ++i;
        if (c == 0xA3 && d >= 0xA1 && d <= 0xFE) {
            out.push_back(static_cast<char>(d - 0x80));
        } else if (c == 0xA1 && d == 0xA1) {
            out.push_back(' ');
        } else if (c == 0xA1 && d == 0xAB) {
            out.push_back('~');
        } else if (c == 0xA1 && (d == 0xEE || d == 0xEF)) {
            out.push_back('*');
        } else {
            out.push_back(static_cast<char>(c));
            out.push_back(static_cast<char>(d));
        }
    }
    return out;
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double ReadNumber(const char* text) {
    const std::string s = NormalizeFullWidth(text);
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const size_t start = i;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    // An exponent counts only when at least one digit follows it.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    double value = 0.0;
    std::string_view body(s.data() + start, i - start);
    std::string tmp(body);
    if (!tmp.empty() && tmp.front() == '.') tmp.insert(tmp.begin(), '0');
    auto res = std::from_chars(tmp.data(), tmp.data() + tmp.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Huge magnitudes saturate like strtod; tiny ones flush to zero.
        const bool tiny = tmp.find("e-") != std::string::npos || tmp.find("E-") != std::string::npos;
        value = tiny ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

int ReadInteger(const char* text) {
    const std::string s = NormalizeFullWidth(text);
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long value = 0;
    while (i < s.size() && IsDigit(s[i])) {
        value = value * 10 + (s[i++] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

std::string WriteNumber(double value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 13);
    return std::string(buf, res.ptr);
}

double RoundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double magnitude = std::fabs(value) * scale + 0.000000000001;
    double whole = std::floor(magnitude);
    if (magnitude - whole >= 0.5) whole += 1.0;
    return std::copysign(whole / scale, value);
}
