// Find-and-replace of up to five pairs over a GBK text.
#pragma once
#include <string>
#include <utility>
#include <vector>

// Applies the pairs one after the other; each pass replaces every occurrence
// from start (counted from 1; 0 means 1) to the end, scanning left to right
// and continuing behind each match, so a replacement is never rescanned by
// its own pass. Without caseSensitive, ASCII letters match in any case. A
// two-byte GBK character is stepped over whole; an empty find changes nothing.
std::string MultiReplace(const std::string& text, const std::vector<std::pair<std::string, std::string>>& pairs,
                         int start = 1, bool caseSensitive = false);

// One pass of the above.
std::string ReplaceEvery(const std::string& text, const std::string& find, const std::string& with, int start = 1,
                         bool caseSensitive = false);
