#include "texts.h"

#include <cstring>

#include "codepage.h"

int TextLength(const char* text) {
    return text ? static_cast<int>(std::strlen(text)) : 0;
}

std::string ConcatTexts(std::initializer_list<const char*> parts) {
    size_t total = 0;
    for (const char* p : parts) total += static_cast<size_t>(TextLength(p));
    std::string out;
    out.reserve(total);
    for (const char* p : parts) {
        if (p) out.append(p);
    }
    return out;
}

std::u16string GbkToUtf16(const char* text) {
    if (!text || !*text) return {};
    return GbkToUtf16Units(text);
}

std::string Gbk(std::string_view utf8) { return Utf8ToGbkBytes(utf8); }
