// Every formula of the carried catalogue, prepared with plausible dimensions
// and evaluated; the expected values are worked out by hand in the comments.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "catalogue_build.h"
#include "db_state.h"
#include "prepare_formula.h"
#include "script_engine.h"

namespace {

constexpr double kNone = NAN;  // the family has no such formula

struct FamilyCase {
    int family;
    std::vector<FormulaBinding> dims;  // in the catalogue's label order
    double area, weight, surface;      // one metre, density 7.85
};

// Distinct values per dimension, so that a name bound to the wrong value shows.
const std::vector<FamilyCase> kCases = {
    // (200*12 + 200*14 + 274*8)/100; 7392*7.85/1000; (400+384+548+24+28)/1000
    {1, {{"h", "300"}, {"b", "200"}, {"tw", "8"}, {"t1", "12"}, {"t2", "14"}}, 73.92, 58.0272, 1.384},
    // (2400 + 2100 + 2192)/100; 6692*7.85/1000; (200+192+150+142+548+24+28)/1000
    {2, {{"h", "300"}, {"b1", "200"}, {"b2", "150"}, {"tw", "8"}, {"t1", "12"}, {"t2", "14"}}, 66.92, 52.5322, 1.284},
    // ((180*12 + 3000)*2)/100; (2*2160 + 2*3000)*7.85/1000; (400+600)/1000
    {3, {{"b1", "300"}, {"b2", "200"}, {"t1", "10"}, {"t2", "12"}}, 103.2, 81.012, 1.0},
    // pi*190*10/100; pi*1900*7.85/1000; pi*200/1000 with pi = 3.141592653
    {4, {{"D", "200"}, {"t", "10"}}, 59.690260407, 46.8568544194995, 0.6283185306},
    // webs (300-22)*8 = 2224 and (250-30-8)*6 = 1272: (2000+2400+2100+2400+2224+1272)/100;
    // 12396*7.85/1000; (400+384+44+300+288+272*2+212*2)/1000
    {5,
     {{"h1", "300"}, {"h2", "250"}, {"b1", "200"}, {"b2", "150"}, {"tw1", "8"}, {"tw2", "6"}, {"t1", "10"},
      {"t2", "12"}, {"t3", "14"}, {"t4", "16"}},
     123.96, 97.3086, 2.384},
    // (150*10 + 190*8)/100; 3020*7.85/1000; (300+400)/1000
    {6, {{"h", "200"}, {"b", "150"}, {"t1", "8"}, {"t2", "10"}}, 30.2, 23.707, 0.7},
    // (7200 + 376*10*2)/100; (7200 + 2*376*10)*7.85/1000; (300+45+24)*2/1000 + 378*2/1000
    {7, {{"h", "400"}, {"b", "300"}, {"D1", "20"}, {"D2", "25"}, {"t1", "12"}, {"t2", "10"}}, 147.2, 115.552, 1.494},
    // (14000 - 64*194 - 3*160)/100; (120+384+600)*7.85/1000; (400+280+80-18)/1000
    {8, {{"h", "200"}, {"b", "70"}, {"c", "20"}, {"t", "3"}}, 11.04, 8.6664, 0.742},
    // slope s = sqrt(1000^2 + 200^2) = 1019.803902718557: 0.0157*s + 18.84 + 556*500*8*7.85/1e6;
    // (392*s)/1e6 + 0.2 + 0.192 + 0.556 + 0.02 + 0.024
    {9, {{"h1", "400"}, {"h2", "200"}, {"b", "200"}, {"tw", "8"}, {"t1", "10"}, {"t2", "12"}}, kNone,
     52.3093212726813, 1.39176312986567},
    // (200*10)/100; 2000*7.85/1000; (400000 + 20000)/1e6
    {10, {{"t", "10"}, {"b", "200"}}, 20, 15.7, 0.42},
    // pi*(100^3 - 90^3)*7.85*4/3/1e6; 4*pi*100^2/1e6
    {11, {{"D", "200"}, {"t", "10"}}, kNone, 8.9110228404794, 0.12566370612},
    // pi*100^3*7.85*4/3/8/1e6; 4*pi*50^2/1e6
    {12, {{"D", "100"}}, kNone, 4.110250387675, 0.03141592653},
    // Z has the C section's formulas: (9600 - 55*155 - 2.5*120)/100; 775*7.85/1000; (320+240+80-15)/1000
    {24, {{"h", "160"}, {"b", "60"}, {"c", "20"}, {"t", "2.5"}}, 7.75, 6.08375, 0.625},
};

ResultGrid Query(const std::string& sql) {
    static const bool built = (BuildCatalogue(), true);
    (void)built;
    return QueryCatalogue(sql);
}

struct Prepared {
    std::string area, weight, surface;
};

Prepared PrepareFamily(const FamilyCase& c) {
    const ResultGrid g =
        Query("select AREA, WEIGHTPERM, AREAPERM from WELDCALCINFO where SECTIONID=" + std::to_string(c.family));
    if (g.rowCount != 2) {
        ADD_FAILURE() << "family " << c.family << " has " << g.DataRows() << " formula rows";
        return {};
    }
    Prepared f{g.Cell(1, 0), g.Cell(1, 1), g.Cell(1, 2)};
    std::vector<FormulaBinding> bindings = c.dims;
    bindings.push_back({"l", "1000"});
    bindings.push_back({"p", "7.85"});
    PrepareFamilyFormulas(f.area, f.weight, f.surface, bindings);
    return f;
}

void ExpectValue(const std::string& prepared, double expected, int family, const char* which) {
    SCOPED_TRACE(std::string(which) + " of family " + std::to_string(family) + ": " + prepared);
    double value = 0;
    const bool has = EvaluateFormula(prepared, value);
    if (std::isnan(expected)) {
        EXPECT_TRUE(prepared.empty());
        EXPECT_FALSE(has);
        return;
    }
    ASSERT_TRUE(has);
    EXPECT_NEAR(value, expected, std::abs(expected) * 1e-12);
}

TEST(CatalogueFormulas, EveryFamilyGivesTheHandWorkedValues) {
    std::set<int> tested;
    for (const FamilyCase& c : kCases) {
        tested.insert(c.family);
        // The test's dimension list is the family's label list, in its order.
        const ResultGrid names = Query("select TEXT from WELDMARKINFO where SECTIONID=" + std::to_string(c.family) +
                                       " order by cast(ID as integer)");
        ASSERT_EQ(names.DataRows(), static_cast<int>(c.dims.size())) << c.family;
        for (size_t i = 0; i < c.dims.size(); ++i) EXPECT_EQ(names.Cell(static_cast<int>(i) + 1, 0), c.dims[i].first);

        const Prepared f = PrepareFamily(c);
        ExpectValue(f.area, c.area, c.family, "AREA");
        ExpectValue(f.weight, c.weight, c.family, "WEIGHTPERM");
        ExpectValue(f.surface, c.surface, c.family, "AREAPERM");
    }
    // Every carried formula row is among the cases.
    const ResultGrid rows = Query("select SECTIONID from WELDCALCINFO");
    std::set<int> carried;
    for (int r = 1; r < rows.rowCount; ++r) carried.insert(std::stoi(rows.Cell(r, 0)));
    EXPECT_EQ(carried, tested);
}

TEST(CatalogueFormulas, WorkedExamplesAsTexts) {
    ScriptEngine engine;
    const Prepared plate = PrepareFamily(kCases[9]);
    EXPECT_EQ(engine.Eval(plate.area), "20");
    EXPECT_EQ(engine.Eval(plate.weight), "15.7");
    EXPECT_EQ(engine.Eval(plate.surface), "0.42");
    const Prepared h = PrepareFamily(kCases[0]);
    EXPECT_EQ(engine.Eval(h.area), "73.92");
    EXPECT_EQ(engine.Eval(h.weight), "58.0272");
    EXPECT_EQ(engine.Eval(h.surface), "1.384");  // carried with a leading line feed
    EXPECT_EQ(engine.Eval(PrepareFamily(kCases[3]).surface), "0.6283185306");  // the program's pi
    EXPECT_EQ(engine.Eval(PrepareFamily(kCases[10]).area), "");               // no area formula
}

TEST(CatalogueFormulas, BracketedGroupEqualsParenthesised) {
    ScriptEngine engine;
    const std::vector<FormulaBinding> dims = {{"h", "300"}, {"t1", "12"}, {"t2", "14"}, {"l", "1000"}};
    const std::string bracketed = engine.Eval(PrepareFormula("[(h-t1-t2)*l*2]/1000000", dims));
    EXPECT_EQ(bracketed, "0.548");
    EXPECT_EQ(engine.Eval(PrepareFormula("((h-t1-t2)*l*2)/1000000", dims)), bracketed);
}

}  // namespace
