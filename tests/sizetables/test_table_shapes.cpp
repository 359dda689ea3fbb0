// Columns, IDs, subtypes and the fixed rows of every carried size table.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "carried_tables.h"
#include "catalogue_build.h"
#include "carried_size_table.h"
#include "provenance.h"
#include "table_shapes.h"

namespace {

class TableShapeTest : public ::testing::TestWithParam<size_t> {
protected:
    static void SetUpTestSuite() { BuildCatalogue(); }
    void SetUp() override {
        if (!CarriedTableText(Shape().name)) GTEST_SKIP() << Shape().name << " is not carried yet";
        table = LoadSizeTable(Shape().name);
    }
    const TableShape& Shape() const { return SizeTableShapes()[GetParam()]; }
    SizeTable table;
};

TEST_P(TableShapeTest, ColumnsInOrder) { EXPECT_EQ(table.columns, Shape().columns); }

TEST_P(TableShapeTest, IdsAscendAndStayInRange) {
    ASSERT_FALSE(table.rows.empty());
    int previous = 0;
    for (const auto& row : table.rows) {
        std::optional<double> id = Printed(row[0]);
        ASSERT_TRUE(id && *id == static_cast<int>(*id)) << "ID " << row[0];
        EXPECT_GT(*id, previous) << "ID " << row[0] << " after " << previous;
        EXPECT_LE(*id, Shape().lastId);
        previous = static_cast<int>(*id);
    }
}

TEST_P(TableShapeTest, FixedRowsStandExactly) {
    for (const auto& expected : Shape().fixedRows) {
        const auto* row = table.RowWithId(expected[0]);
        ASSERT_NE(row, nullptr) << "no row " << expected[0];
        EXPECT_EQ(*row, expected);
    }
}

TEST_P(TableShapeTest, SubtypesRunTogetherInTheirOrder) {
    // The catalogue's fixed rows stand where it puts them (subtype 64's last row comes after
    // subtype 69); every other row runs with its subtype.
    std::set<std::string> fixedIds;
    for (const auto& f : Shape().fixedRows) fixedIds.insert(f[0]);
    std::vector<std::string> order;
    for (const auto& row : table.rows) {
        if (fixedIds.count(row[0]) && table.rows[table.RowsOf(row[1]).front()][0] != row[0]) continue;
        if (order.empty() || order.back() != row[1]) order.push_back(row[1]);
    }
    std::vector<std::string> expected;
    for (const auto& s : Shape().subtypes) expected.push_back(s.id);
    // Each subtype in one run, the runs in the catalogue's order (some may be missing yet). A
    // subtype carried only as the catalogue's fixed rows stands where those rows stand.
    auto at = expected.begin();
    for (const auto& s : order) {
        const SubtypeProvenance* p = s.empty() ? nullptr : FindProvenance(std::stoi(s));
        if (p && p->kind == ProvenanceClass::FixedRowsOnly) continue;
        at = std::find(at, expected.end(), s);
        ASSERT_NE(at, expected.end()) << "subtype " << s << " out of order or foreign to " << Shape().name;
        ++at;
    }
}

TEST_P(TableShapeTest, RowsPerSubtype) {
    for (const auto& s : Shape().subtypes) {
        // The catalogue's count is a target: a source may give more rows or fewer (SOURCES.md says why).
        EXPECT_EQ(static_cast<int>(table.RowsOf(s.id).size()), s.carried) << Shape().name << " subtype " << s.id;
    }
}

TEST_P(TableShapeTest, WholeTable) {
    int carried = 0;
    bool complete = true;
    for (const auto& s : Shape().subtypes) {
        carried += s.carried;
        complete = complete && s.carried == s.expected;
    }
    EXPECT_EQ(static_cast<int>(table.rows.size()), carried) << "rows of no listed subtype";
    if (complete) {
        EXPECT_EQ(static_cast<int>(table.rows.size()), Shape().rows);
        EXPECT_EQ(table.rows.back()[0], std::to_string(Shape().lastId));
    }
}

// The first row of the 2017 H table is the one the start-up screen shows.
TEST(HTable2017, LedByHW100) {
    BuildCatalogue();
    if (!CarriedTableText("热轧H")) GTEST_SKIP() << "热轧H is not carried yet";
    SizeTable t = LoadSizeTable("热轧H");
    std::vector<size_t> rows = t.RowsOf("79");
    ASSERT_EQ(rows.size(), 130u);
    const auto& first = t.rows[rows[0]];
    EXPECT_EQ(std::vector<std::string>(first.begin() + 2, first.begin() + 7),
              (std::vector<std::string>{"HW100×100", "100×100×6×8", "16.9", "0.574", "21.58 "}));
}

INSTANTIATE_TEST_SUITE_P(SizeTables, TableShapeTest, ::testing::Range<size_t>(0, SizeTableShapes().size()));

}  // namespace
