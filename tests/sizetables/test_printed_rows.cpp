// Rows typed from the printed tables, compared with what the catalogue carries.
#include <gtest/gtest.h>

#include "carried_tables.h"
#include "catalogue_build.h"
#include "carried_size_table.h"

namespace {

struct PrintedRow {
    const char* table;
    const char* subtype;
    const char* designation;
    // column name and its printed value; trailing blanks are the catalogue's and not compared
    std::vector<std::pair<const char*, const char*>> values;
};

const PrintedRow kPrinted[] = {
    // GB/T 706-2016, hot-rolled I-beams
    {"热轧_工字钢", "1", "I20a", {{"截面积", "35.55"}, {"重量", "27.9"}, {"表面积", "0.742"}, {"宽度/翼板b(mm)", "100"},
                                  {"腿厚/翼缘板t(mm)", "11.4"}}},
    {"热轧_工字钢", "1", "I36b", {{"截面积", "83.64"}, {"重量", "65.7"}, {"表面积", "1.189"}, {"腰厚/腰板厚d(mm)", "12"}}},
    {"热轧_工字钢", "1", "I63c", {{"截面积", "179.8"}, {"重量", "141"}, {"表面积", "1.870"}, {"圆角半径r(mm)", "15"}}},
    // light I-beams
    {"热轧_工字钢", "2", "I10", {{"重量", "9.46"}}},
    {"热轧_工字钢", "2", "I20a", {{"重量", "22.7"}}},
    {"热轧_工字钢", "2", "I70b", {{"重量", "184"}}},
    // GB/T 706-2016, hot-rolled channels
    {"热轧_槽钢", "4", "[10", {{"截面积", "12.74"}, {"重量", "10.0"}, {"表面积", "0.365"}, {"腰厚d(mm)", "5.3"}}},
    {"热轧_槽钢", "4", "[25b", {{"截面积", "39.91"}, {"重量", "31.3"}, {"表面积", "0.776"}, {"宽度b(mm)", "80"}}},
    {"热轧_槽钢", "4", "[40c", {{"截面积", "91.04"}, {"重量", "71.5"}, {"表面积", "1.152"}, {"腿厚t(mm)", "18"}}},
    // light channels
    {"热轧_槽钢", "6", "[5", {{"重量", "4.84"}}},
    {"热轧_槽钢", "6", "[14a", {{"重量", "13.3"}}},
    {"热轧_槽钢", "6", "[40", {{"重量", "48.3"}}},
    // GB/T 706-2016, equal angles
    {"热轧_角钢", "8", "L40×4", {{"截面积", "3.086"}, {"重量", "2.42"}, {"表面积", "0.157"}, {"圆角半径r(mm)", "5"}}},
    {"热轧_角钢", "8", "L45×6", {{"截面积", "5.076"}, {"表面积", "0.176"}}},
    {"热轧_角钢", "8", "L63×10", {{"截面积", "11.657"}, {"重量", "9.15"}, {"表面积", "0.246"}}},
    {"热轧_角钢", "8", "L100×10", {{"截面积", "19.261"}, {"重量", "15.12"}, {"表面积", "0.392"}}},
    // GB/T 706-2016, unequal angles
    {"热轧_不等边", "15", "L32×20×3", {{"截面积", "1.492"}, {"重量", "1.17"}, {"表面积", "0.102"}}},
    {"热轧_不等边", "15", "L75×50×5", {{"截面积", "6.125"}, {"重量", "4.81"}, {"表面积", "0.245"}}},
    {"热轧_不等边", "15", "L90×56×7", {{"截面积", "9.880"}, {"重量", "7.76"}, {"表面积", "0.286"}}},
    {"热轧_不等边", "15", "L100×63×6", {{"截面积", "9.617"}, {"重量", "7.55"}, {"表面积", "0.320"}}},
};

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

TEST(PrintedRows, CarriedRowsMatchThePrintedTables) {
    BuildCatalogue();
    for (const auto& p : kPrinted) {
        if (!CarriedTableText(p.table)) continue;
        SizeTable t = LoadSizeTable(p.table);
        const std::vector<std::string>* found = nullptr;
        for (size_t i : t.RowsOf(p.subtype)) {
            if (t.Cell(i, "规格") == p.designation) found = &t.rows[i];
        }
        ASSERT_NE(found, nullptr) << p.table << " subtype " << p.subtype << " has no " << p.designation;
        for (const auto& [column, value] : p.values) {
            int c = t.Column(column);
            ASSERT_GE(c, 0) << column;
            EXPECT_EQ(Trim((*found)[static_cast<size_t>(c)]), value) << p.designation << " " << column;
        }
    }
}

}  // namespace
