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

// Quotes are doubled so that no keyword can end the SQL string and add
// statements of its own; "%" and "_" stay wildcards.
std::string QuoteSafe(const std::string& keyword) {
    std::string out;
    for (size_t i = 0; i < keyword.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(keyword[i]);
        if (c >= 0x81 && i + 1 < keyword.size()) {  // a two-byte character stays whole
            out += keyword[i];
            out += keyword[++i];
            continue;
        }
        out += keyword[i];
        if (c == '\'') out += '\'';
    }
    return out;
}

}  // namespace

std::string SearchKeyword(const std::string& typed) {
    // What an input method or a hurried hand types: full-width forms, and a
    // Latin x or a star for the times sign between two numbers.
    const std::string s = NormalizeFullWidth(typed.c_str());
    static const std::string kTimes = Gbk("×");
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x81 && i + 1 < s.size()) {  // a two-byte character stays whole
            out += s[i];
            out += s[++i];
            continue;
        }
        // A digit is never the second byte of a character, so the x after one stands alone.
        const bool times = (c == 'x' || c == 'X' || c == '*') && i > 0 && digit(s[i - 1]) && i + 1 < s.size() &&
                           digit(s[i + 1]);
        out += times ? kTimes : std::string(1, s[i]);
    }
    return out;
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
