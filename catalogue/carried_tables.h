// The catalogue tables carried inside the program, as their UTF-8 CSV bytes.
#pragma once
#include <optional>
#include <string_view>

struct CarriedTableEntry {
    const char* name;   // table name, UTF-8
    const char* begin;  // first byte of the text
    const char* end;    // one past the last byte (no terminator)
};

extern const CarriedTableEntry kCarriedTableEntries[];
extern const int kCarriedTableEntryCount;

// The carried text of a table, or nothing when the program carries none.
std::optional<std::string_view> CarriedTableText(std::string_view utf8Name);
