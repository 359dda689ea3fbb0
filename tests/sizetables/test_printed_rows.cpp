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
    const char* detail;  // 详情 where one designation covers several sizes, else nullptr
    // column name and its printed value; trailing blanks are the catalogue's and not compared
    std::vector<std::pair<const char*, const char*>> values;
};

const PrintedRow kPrinted[] = {
    // GB/T 706-2016, hot-rolled I-beams
    {"热轧_工字钢", "1", "I20a", nullptr, {{"截面积", "35.55"}, {"重量", "27.9"}, {"表面积", "0.742"}, {"宽度/翼板b(mm)", "100"},
                                  {"腿厚/翼缘板t(mm)", "11.4"}}},
    {"热轧_工字钢", "1", "I36b", nullptr, {{"截面积", "83.64"}, {"重量", "65.7"}, {"表面积", "1.189"}, {"腰厚/腰板厚d(mm)", "12"}}},
    {"热轧_工字钢", "1", "I63c", nullptr, {{"截面积", "179.8"}, {"重量", "141"}, {"表面积", "1.870"}, {"圆角半径r(mm)", "15"}}},
    // light I-beams
    {"热轧_工字钢", "2", "I10", nullptr, {{"重量", "9.46"}}},
    {"热轧_工字钢", "2", "I20a", nullptr, {{"重量", "22.7"}}},
    {"热轧_工字钢", "2", "I70b", nullptr, {{"重量", "184"}}},
    // GB/T 706-2016, hot-rolled channels
    {"热轧_槽钢", "4", "[10", nullptr, {{"截面积", "12.74"}, {"重量", "10.0"}, {"表面积", "0.365"}, {"腰厚d(mm)", "5.3"}}},
    {"热轧_槽钢", "4", "[25b", nullptr, {{"截面积", "39.91"}, {"重量", "31.3"}, {"表面积", "0.776"}, {"宽度b(mm)", "80"}}},
    {"热轧_槽钢", "4", "[40c", nullptr, {{"截面积", "91.04"}, {"重量", "71.5"}, {"表面积", "1.152"}, {"腿厚t(mm)", "18"}}},
    // light channels
    {"热轧_槽钢", "6", "[5", nullptr, {{"重量", "4.84"}}},
    {"热轧_槽钢", "6", "[14a", nullptr, {{"重量", "13.3"}}},
    {"热轧_槽钢", "6", "[40", nullptr, {{"重量", "48.3"}}},
    // GB/T 706-2016, equal angles
    {"热轧_角钢", "8", "L40×4", nullptr, {{"截面积", "3.086"}, {"重量", "2.42"}, {"表面积", "0.157"}, {"圆角半径r(mm)", "5"}}},
    {"热轧_角钢", "8", "L45×6", nullptr, {{"截面积", "5.076"}, {"表面积", "0.176"}}},
    {"热轧_角钢", "8", "L63×10", nullptr, {{"截面积", "11.657"}, {"重量", "9.15"}, {"表面积", "0.246"}}},
    {"热轧_角钢", "8", "L100×10", nullptr, {{"截面积", "19.261"}, {"重量", "15.12"}, {"表面积", "0.392"}}},
    {"热轧_角钢", "8", "L70×4", nullptr, {{"截面积", "5.570"}, {"圆角半径r(mm)", "8"}}},
    {"热轧_角钢", "8", "L125×8", nullptr, {{"截面积", "19.750"}, {"圆角半径r(mm)", "14"}}},
    {"热轧_角钢", "8", "L200×14", nullptr, {{"截面积", "54.642"}, {"圆角半径r(mm)", "18"}}},
    {"热轧_角钢", "8", "L250×18", nullptr, {{"截面积", "87.842"}, {"圆角半径r(mm)", "24"}}},
    // GB/T 706-2016, unequal angles
    {"热轧_不等边", "15", "L32×20×3", nullptr, {{"截面积", "1.492"}, {"重量", "1.17"}, {"表面积", "0.102"}}},
    {"热轧_不等边", "15", "L75×50×5", nullptr, {{"截面积", "6.125"}, {"重量", "4.81"}, {"表面积", "0.245"}}},
    {"热轧_不等边", "15", "L90×56×7", nullptr, {{"截面积", "9.880"}, {"重量", "7.76"}, {"表面积", "0.286"}}},
    {"热轧_不等边", "15", "L100×63×6", nullptr, {{"截面积", "9.617"}, {"重量", "7.55"}, {"表面积", "0.320"}}},
    {"热轧_不等边", "15", "L125×80×7", nullptr, {{"截面积", "14.096"}, {"圆角r(mm)", "11"}}},
    {"热轧_不等边", "15", "L160×100×10", nullptr, {{"截面积", "25.315"}, {"圆角r(mm)", "13"}}},
    {"热轧_不等边", "15", "L200×125×12", nullptr, {{"截面积", "37.912"}, {"圆角r(mm)", "14"}}},
    // GB/T 706-2008, L sections
    {"热轧_不等边", "16", "L250×90×9×13", nullptr, {{"截面积", "33.4"}, {"重量", "26.2"}, {"圆角r(mm)", "15"}}},
    {"热轧_不等边", "16", "L400×120×11.5×23", nullptr, {{"截面积", "71.6"}, {"重量", "56.2"}}},
    {"热轧_不等边", "16", "L500×120×12.5×33", nullptr, {{"截面积", "98.6"}, {"重量", "77.4"}}},
    // GB 50018-2002, lipped Z sections
    {"热轧Z", "19", "Z100×40×20×2.5", nullptr, {{"截面积", "4.98"}, {"重量", "3.91"}}},
    {"热轧Z", "19", "Z120×50×20×3", nullptr, {{"截面积", "7.05"}, {"重量", "5.54"}}},
    // GB/T 11263-2017, H sections
    {"热轧H", "79", "HW150×150", "150×150×7×10", {{"截面积", "39.64"}, {"重量", "31.1"}, {"表面积", "0.872"}}},
    {"热轧H", "79", "HW300×300", "300×300×10×15", {{"截面积", "118.5"}, {"重量", "93.0"}, {"圆角半径r(mm)", "13"}}},
    {"热轧H", "79", "HW400×400", "*498×432×45×70", {{"截面积", "770.1"}, {"重量", "604"}, {"圆角半径r(mm)", "22"}}},
    {"热轧H", "79", "HN100×50", "100×50×5×7", {{"截面积", "11.84"}, {"重量", "9.30"}}},
    // GB/T 11263-2017, cut T sections
    {"热轧T", "80", "TN50×50", "50×50×5×7", {{"截面积", "5.920"}, {"重量", "4.65"}}},
    {"热轧T", "80", "TN325×300", "323×299×12×18", {{"截面积", "91.81"}, {"圆角半径r(mm)", "18"}}},
    {"热轧T", "80", "TN400×300", "396×300×14×22", {{"截面积", "119.8"}, {"重量", "94.0"}}},
};

TEST(PrintedRows, CarriedRowsMatchThePrintedTables) {
    BuildCatalogue();
    for (const auto& p : kPrinted) {
        if (!CarriedTableText(p.table)) continue;
        SizeTable t = LoadSizeTable(p.table);
        const std::vector<std::string>* found = nullptr;
        for (size_t i : t.RowsOf(p.subtype)) {
            if (t.Cell(i, "规格") == p.designation && (!p.detail || t.Cell(i, "详情") == p.detail)) found = &t.rows[i];
        }
        ASSERT_NE(found, nullptr) << p.table << " subtype " << p.subtype << " has no " << p.designation;
        for (const auto& [column, value] : p.values) {
            int c = t.Column(column);
            ASSERT_GE(c, 0) << column;
            // Numbers compare by value: the catalogue may write a printed 119.8 as "119.80 ".
            const std::string& carried = (*found)[static_cast<size_t>(c)];
            auto a = Printed(carried), b = Printed(value);
            if (a && b) {
                EXPECT_DOUBLE_EQ(*a, *b) << p.designation << " " << column << " carried as " << carried;
            } else {
                EXPECT_EQ(Trimmed(carried), value) << p.designation << " " << column;
            }
        }
    }
}

}  // namespace
