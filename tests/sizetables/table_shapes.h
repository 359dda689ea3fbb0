// What each carried size table must hold: columns, rows per subtype in order
// of first appearance, and the rows the catalogue fixes exactly.
#pragma once
#include <string>
#include <vector>

// Rows of one subtype: what the catalogue's layout expects, and what the
// carried table holds from its sources today (see SOURCES.md for each gap).
// An empty id stands for the table's filler rows (no subtype, every value empty).
struct SubtypeRows {
    std::string id;
    int expected;
    int carried;
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
