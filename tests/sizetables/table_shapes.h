// What each carried size table must hold: columns, rows per subtype in order
// of first appearance, and the rows the catalogue fixes exactly.
#pragma once
#include <set>
#include <string>
#include <vector>

struct SubtypeRows {
    std::string id;
    int rows;
};

struct TableShape {
    std::string name;
    std::vector<std::string> columns;
    int rows;
    int lastId;  // IDs run from 1; gaps when rows < lastId
    std::vector<SubtypeRows> subtypes;
    std::vector<std::vector<std::string>> fixedRows;
};

const std::vector<TableShape>& SizeTableShapes();

// Subtypes whose series is not carried in full yet: their count is not
// checked, only that what is carried is consistent.
const std::set<std::string>& SubtypesStillToCarry();
