// Reading and writing numbers the way the whole program does: full-width
// GBK forms are accepted as ASCII, the leading decimal number is taken, and
// numbers are written with 13 significant digits.
#pragma once
#include <string>

// Dimensions and lengths count as positive only above this.
constexpr double kPositiveThreshold = 0.0000001;

// Maps the full-width GBK forms (A3A1-A3FE, A1A1, A1AB, A1EE, A1EF) to ASCII;
// other two-byte characters are kept whole.
std::string NormalizeFullWidth(const char* text);

// The leading decimal number of the text (after blanks, with optional sign,
// fraction and exponent), 0 without one. Locale-independent.
double ReadNumber(const char* text);
inline double ReadNumber(const std::string& text) { return ReadNumber(text.c_str()); }
int ReadInteger(const char* text);
inline int ReadInteger(const std::string& text) { return ReadInteger(text.c_str()); }

// "%.13g": 2.0 gives "2", 31.4 gives "31.4". Locale-independent.
std::string WriteNumber(double value);

// Half away from zero, with a 1e-12 nudge so 0.0625 rounds to 0.063.
double RoundTo(double value, int decimals);

inline bool IsPositive(double value) { return value > kPositiveThreshold; }
