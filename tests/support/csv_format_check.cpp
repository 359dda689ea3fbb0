#include "csv_format_check.h"

#include "carried_tables.h"
#include "codepage.h"

namespace {

bool ValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += n;
    }
    return true;
}

}  // namespace

CarriedCsv CheckCarriedCsv(std::string_view s) {
    CarriedCsv out;
    auto problem = [&](const std::string& what) { out.problems.push_back(what); };
    if (s.empty()) {
        problem("empty text");
        return out;
    }
    if (s.substr(0, 3) == "\xEF\xBB\xBF") problem("byte-order mark");
    if (!ValidUtf8(s)) {
        problem("not UTF-8");
        return out;
    }
    if (s.find('\'') != std::string_view::npos) problem("apostrophe in the text");
    if (GbkToUtf8(Utf8ToGbkBytes(s)) != s) problem("a character outside GBK");

    size_t i = 0;
    std::vector<std::string> record;
    while (i < s.size()) {
        const size_t line = out.records.size() + 1;
        if (record.empty() && s.substr(i, 2) == "\r\n") {
            problem("record " + std::to_string(line) + ": empty record");
            return out;
        }
        std::string field;
        if (s[i] == '"') {
            size_t close = s.find('"', i + 1);
            if (close == std::string_view::npos) {
                problem("record " + std::to_string(line) + ": unclosed quote");
                return out;
            }
            field.assign(s.substr(i + 1, close - i - 1));
            if (field.empty()) problem("record " + std::to_string(line) + ": empty field in quotes");
            if (field.find('\r') != std::string::npos)
                problem("record " + std::to_string(line) + ": carriage return inside a field");
            i = close + 1;
        } else if (s[i] != ',' && s[i] != '\r') {
            problem("record " + std::to_string(line) + ": unquoted or badly quoted field");
            return out;
        }
        record.push_back(field);
        if (i < s.size() && s[i] == ',') {
            ++i;
            continue;
        }
        if (s.substr(i, 2) != "\r\n") {
            problem("record " + std::to_string(line) + ": field not followed by a comma or CRLF");
            return out;
        }
        i += 2;
        out.records.push_back(std::move(record));
        record.clear();
    }
    if (!record.empty()) problem("text does not end with CRLF");
    for (size_t r = 1; r < out.records.size(); ++r) {
        if (out.records[r].size() != out.records[0].size()) {
            problem("record " + std::to_string(r + 1) + ": " + std::to_string(out.records[r].size()) +
                    " fields, header has " + std::to_string(out.records[0].size()));
        }
    }
    return out;
}

CarriedCsv LoadCarriedTable(std::string_view utf8Name) {
    const auto text = CarriedTableText(utf8Name);
    if (!text) {
        CarriedCsv missing;
        missing.problems.push_back(std::string(utf8Name) + ": not carried");
        return missing;
    }
    CarriedCsv parsed = CheckCarriedCsv(*text);
    for (std::string& p : parsed.problems) p = std::string(utf8Name) + ": " + p;
    return parsed;
}
