#include "family_formulas.h"

#include "db_state.h"
#include "multi_replace.h"

FamilyFormulas ReadFamilyFormulas(const std::string& family) {
    const ResultGrid grid = QueryCatalogue("select * from weldcalcinfo where sectionid=" + family);
    FamilyFormulas f;
    if (grid.rowCount > 1 && grid.columnCount >= 5) {
        f.area = grid.Cell(1, 2);
        f.weight = grid.Cell(1, 3);
        f.surface = MultiReplace(grid.Cell(1, 4), {{"\r\n", ""}, {"\n", ""}, {"\r", ""}}, 1, false);
    }
    return f;
}
