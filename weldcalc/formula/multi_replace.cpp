#include "multi_replace.h"

namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(const std::string& text, size_t at, const std::string& find, bool caseSensitive) {
    if (at + find.size() > text.size()) return false;
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
    // Most passes find nothing: compare the first byte before anything else.
    const char first = caseSensitive ? find[0] : Fold(find[0]);
    std::string out;
    size_t i = from;
    size_t copied = 0;  // text before this is in out already
    while (i < text.size()) {
        const char c = text[i];
        if ((caseSensitive ? c : Fold(c)) == first && MatchesAt(text, i, find, caseSensitive)) {
            if (copied == 0) out.reserve(text.size() + with.size() * 4);
            out.append(text, copied, i - copied);
            out += with;
            i += find.size();
            copied = i;
            continue;
        }
        i += static_cast<unsigned char>(c) >= 0x81 && i + 1 < text.size() ? 2 : 1;
    }
    if (copied == 0) return text;
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
