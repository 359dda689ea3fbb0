// A size table read back through SQL from the registered catalogue, and the
// number reading the checks share.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

struct SizeTable {
    std::string name;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;  // UTF-8 cell texts, text order

    int Column(const std::string& column) const;  // -1 when absent
    const std::string& Cell(size_t row, const std::string& column) const;
    std::vector<size_t> RowsOf(const std::string& subtype) const;
    const std::vector<std::string>* RowWithId(const std::string& id) const;
};

SizeTable LoadSizeTable(const std::string& utf8Name);

// The text without its leading and trailing blanks.
std::string Trimmed(const std::string& text);

// A printed number ("0.080 ", "14.0") as a value; nothing for an empty or non-numeric cell.
std::optional<double> Printed(const std::string& text);
// Half a unit of the printed number's last place: 0.05 for "11.3", 0.5 for "101".
double HalfUnit(const std::string& text);

// The numbers of a designation: "L25×16×3" -> 25 16 3, "I20a" -> 20, "[12.6" -> 12.6.
std::vector<double> DesignationNumbers(const std::string& designation);
