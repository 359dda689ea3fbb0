#include "carried_size_table.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "codepage.h"
#include "db_state.h"

int SizeTable::Column(const std::string& column) const {
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] == column) return static_cast<int>(i);
    }
    return -1;
}

const std::string& SizeTable::Cell(size_t row, const std::string& column) const {
    int c = Column(column);
    if (c < 0) throw std::out_of_range(name + " has no column " + column);
    return rows.at(row).at(static_cast<size_t>(c));
}

std::vector<size_t> SizeTable::RowsOf(const std::string& subtype) const {
    std::vector<size_t> out;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i][1] == subtype) out.push_back(i);
    }
    return out;
}

const std::vector<std::string>* SizeTable::RowWithId(const std::string& id) const {
    for (const auto& row : rows) {
        if (row[0] == id) return &row;
    }
    return nullptr;
}

SizeTable LoadSizeTable(const std::string& utf8Name) {
    SizeTable t;
    t.name = utf8Name;
    ResultGrid g = QueryCatalogue(Utf8ToGbkBytes("select * from " + utf8Name));
    for (int c = 0; c < g.columnCount; ++c) t.columns.push_back(GbkToUtf8(g.Cell(0, c)));
    for (int r = 1; r < g.rowCount; ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < g.columnCount; ++c) row.push_back(GbkToUtf8(g.Cell(r, c)));
        t.rows.push_back(std::move(row));
    }
    return t;
}

std::string Trimmed(const std::string& text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return "";
    size_t e = text.find_last_not_of(' ');
    return text.substr(b, e - b + 1);
}

std::optional<double> Printed(const std::string& text) {
    std::string t = Trimmed(text);
    if (t.empty()) return std::nullopt;
    double v = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return v;
}

double HalfUnit(const std::string& text) {
    std::string t = Trimmed(text);
    size_t dot = t.find('.');
    int decimals = dot == std::string::npos ? 0 : static_cast<int>(t.size() - dot - 1);
    return 0.5 * std::pow(10.0, -decimals);
}

std::vector<double> DesignationNumbers(const std::string& designation) {
    std::vector<double> out;
    const char* p = designation.data();
    const char* end = p + designation.size();
    while (p < end) {
        if ((*p >= '0' && *p <= '9')) {
            double v = 0;
            auto [next, ec] = std::from_chars(p, end, v);
            if (ec != std::errc()) break;
            out.push_back(v);
            p = next;
        } else {
            ++p;
        }
    }
    return out;
}
