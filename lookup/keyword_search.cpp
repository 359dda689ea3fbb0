#include "keyword_search.h"

#include "numbers.h"
#include "shape_text.h"
#include "size_table.h"
#include "texts.h"
#include "window_state.h"

bool pendingSearch = false;

int OnSearchClicked(bool*) {
    pendingSearch = true;
    ShowSubtype(currentSubtype);
    return 0;
}

std::string ReadSearchKeyword() {
    const std::string keyword = ReadEditText(MainElement(29));
    if (keyword.empty()) SetShapeText(statusText, Gbk("请先输入要搜索的关键字。"));
    return keyword;
}

namespace {

// Copies a GBK text, two-byte characters whole, each single byte as the
// callback writes it (it gets the byte's position in the text).
template <class SingleByte>
std::string MapSingleBytes(const std::string& text, SingleByte single) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size()) {
            out += text[i];
            out += text[++i];
        } else {
            single(i, out);
        }
    }
    return out;
}

// Quotes are doubled so that no keyword can end the SQL string and add
// statements of its own; "%" and "_" stay wildcards.
std::string QuoteSafe(const std::string& keyword) {
    return MapSingleBytes(keyword, [&](size_t i, std::string& out) {
        out += keyword[i];
        if (keyword[i] == '\'') out += '\'';
    });
}

}  // namespace

std::string SearchKeyword(const std::string& typed) {
    // What an input method or a hurried hand types: full-width forms, and a
    // Latin x or a star for the times sign between two numbers.
    const std::string s = NormalizeFullWidth(typed.c_str());
    static const std::string kTimes = Gbk("×");
    auto digit = [&](size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    // A digit is never the second byte of a character, so the x after one stands alone.
    return MapSingleBytes(s, [&](size_t i, std::string& out) {
        const char c = s[i];
        const bool times = (c == 'x' || c == 'X' || c == '*') && i > 0 && digit(i - 1) && digit(i + 1);
        if (times) {
            out += kTimes;
        } else {
            out += c;
        }
    });
}

std::string SearchFilterClause(const std::string& columns) {
    const std::string k = QuoteSafe(SearchKeyword(ReadSearchKeyword()));
    std::string body;
    size_t start = 0;
    bool first = true;
    while (true) {
        const size_t comma = columns.find(',', start);
        const std::string column = columns.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!first) body += " or ";
        body += column + " like '%" + k + "%' ";
        first = false;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return " and (" + body + " )";
}
