#include "multi_replace.h"

namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(const std::string& text, size_t at, const std::string& find, bool caseSensitive) {
    if (at + find.size() > text.size()) return false;
    if (caseSensitive ? text[at] != find[0] : Fold(text[at]) != Fold(find[0])) return false;
    for (size_t i = 0; i < find.size(); ++i) {
        const char a = text[at + i];
        const char b = find[i];
        if (caseSensitive ? a != b : Fold(a) != Fold(b)) return false;
    }
    return true;
}

std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& with, size_t from,
                       bool caseSensitive) {
    if (find.empty() || from >= text.size()) return text;
    std::string out;
    out.reserve(text.size() + 16);
    out.append(text, 0, from);
    size_t i = from;
    size_t copied = from;  // text before this is in out already
    while (i < text.size()) {
        if (MatchesAt(text, i, find, caseSensitive)) {
            out.append(text, copied, i - copied);
            out += with;
            i += find.size();
            copied = i;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        i += c >= 0x81 && i + 1 < text.size() ? 2 : 1;
    }
    out.append(text, copied, std::string::npos);
    return out;
}

}  // namespace

std::string ReplaceEvery(const std::string& text, const std::string& find, const std::string& with, int start,
                         bool caseSensitive) {
    return ReplaceAll(text, find, with, start <= 1 ? 0 : static_cast<size_t>(start - 1), caseSensitive);
}

std::string MultiReplace(const std::string& text, const std::vector<std::pair<std::string, std::string>>& pairs,
                         int start, bool caseSensitive) {
    std::string out = text;
    const size_t from = start <= 1 ? 0 : static_cast<size_t>(start - 1);
    size_t passes = 0;
    for (const auto& [find, with] : pairs) {
        if (++passes > 5) break;
        out = ReplaceAll(out, find, with, from, caseSensitive);
    }
    return out;
}
