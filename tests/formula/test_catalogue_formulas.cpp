// Every formula of the carried catalogue, prepared with plausible dimensions
// and evaluated; expected values worked out by hand below.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "catalogue_build.h"
#include "db_state.h"
#include "prepare_formula.h"
#include "script_engine.h"

namespace {

struct Results {
    double area = NAN, weight = NAN, surface = NAN;
    bool hasArea = false;
};

// The family's formulas prepared with the dimensions (in catalogue order),
// one metre and density 7850 kg/m3, then evaluated.
Results RunFamily(int family, const std::vector<FormulaBinding>& dims) {
    static bool built = (BuildCatalogue(), true);
    (void)built;
    const ResultGrid g = QueryCatalogue("select AREA, WEIGHTPERM, AREAPERM from WELDCALCINFO where SECTIONID=" +
                                        std::to_string(family));
    EXPECT_EQ(g.rowCount, 2) << family;
    if (g.rowCount != 2) return {};
    std::string a = g.Cell(1, 0), w = g.Cell(1, 1), s = g.Cell(1, 2);
    std::vector<FormulaBinding> bindings = dims;
    bindings.push_back({"l", "1000"});
    bindings.push_back({"p", "7.85"});
    PrepareFamilyFormulas(a, w, s, bindings);
    Results r;
    r.hasArea = EvaluateFormula(a, r.area);
    EXPECT_TRUE(EvaluateFormula(w, r.weight)) << family << ": " << w;
    EXPECT_TRUE(EvaluateFormula(s, r.surface)) << family << ": " << s;
    return r;
}

TEST(CatalogueFormulas, PlateAndHSectionWorkedExamples) {
    Results plate = RunFamily(10, {{"t", "10"}, {"b", "200"}});
    EXPECT_NEAR(plate.area, 20, 1e-9);
    EXPECT_NEAR(plate.weight, 15.7, 1e-9);
    EXPECT_NEAR(plate.surface, 0.42, 1e-12);
    Results h = RunFamily(1, {{"h", "300"}, {"b", "200"}, {"tw", "8"}, {"t1", "12"}, {"t2", "14"}});
    EXPECT_NEAR(h.area, 73.92, 1e-9);
    EXPECT_NEAR(h.weight, 58.0272, 1e-9);
    EXPECT_NEAR(h.surface, 1.384, 1e-12);  // its AREAPERM starts with a line feed
    ScriptEngine engine;
    std::string w = "(b*t1*p*l)/1000000+(b*t2*p*l)/1000000+((h-t1-t2)*tw*p*l)/1000000";
    EXPECT_EQ(engine.Eval(PrepareFormula(w, {{"h", "300"}, {"b", "200"}, {"tw", "8"}, {"t1", "12"}, {"t2", "14"},
                                             {"l", "1000"}, {"p", "7.85"}})),
              "58.0272");
}

TEST(CatalogueFormulas, TubeUsesTheProgramsPi) {
    Results tube = RunFamily(4, {{"D", "200"}, {"t", "10"}});
    EXPECT_DOUBLE_EQ(tube.surface, 0.6283185306);  // 3.141592653 * 200 * 1000 / 1e6
    EXPECT_NEAR(tube.area, 3.141592653 * 190 * 10 / 100, 1e-9);
    ScriptEngine engine;
    EXPECT_EQ(engine.Eval(PrepareFormula("(pi*D*l)/1000000", {{"D", "200"}, {"l", "1000"}})), "0.6283185306");
}

TEST(CatalogueFormulas, WedgeWithSquareRootAndItsTrailingLineFeed) {
    Results wedge = RunFamily(9, {{"h1", "400"}, {"h2", "200"}, {"b", "200"}, {"tw", "8"}, {"t1", "10"}, {"t2", "10"}});
    EXPECT_FALSE(wedge.hasArea);  // no area formula
    const double slope = std::sqrt(1000.0 * 1000.0 + 200.0 * 200.0);  // 1019.80390...
    EXPECT_NEAR(wedge.weight, 200 * 10 * 7.85 * slope / 1e6 + 200 * 10 * 7.85 * 1000 / 1e6 + (380 + 180) * 1000 / 2.0 * 8 * 7.85 / 1e6,
                1e-9);
    EXPECT_NEAR(wedge.surface, (200 * slope + 192 * slope + 200 * 1000 + 192 * 1000 + 560 * 1000 / 2.0 * 2 + 20000 + 20000) / 1e6,
                1e-12);
}

TEST(CatalogueFormulas, WeldedAndBoltedBalls) {
    Results welded = RunFamily(11, {{"D", "200"}, {"t", "10"}});
    const double pi = 3.141592653;
    EXPECT_NEAR(welded.weight, pi * (1e6 - 729000.0) * 7.85 * 4 / 3 / 1e6, 1e-9);
    EXPECT_NEAR(welded.surface, 4 * pi * 10000 / 1e6, 1e-12);
    Results bolted = RunFamily(12, {{"D", "100"}});  // its weight formula starts with a blank
    EXPECT_NEAR(bolted.weight, pi * 1e6 * 7.85 * 4 / 3 / 8 / 1e6, 1e-9);
}

TEST(CatalogueFormulas, EveryRemainingFamilyEvaluates) {
    Results unequal = RunFamily(2, {{"h", "300"}, {"b1", "200"}, {"b2", "150"}, {"tw", "8"}, {"t1", "12"}, {"t2", "14"}});
    EXPECT_NEAR(unequal.area, (200 * 12 + 150 * 14 + 274 * 8) / 100.0, 1e-9);
    Results box = RunFamily(3, {{"b1", "300"}, {"b2", "200"}, {"t1", "10"}, {"t2", "12"}});
    EXPECT_NEAR(box.area, ((200 - 20) * 12 + 300 * 10) * 2 / 100.0, 1e-9);
    Results cross = RunFamily(5, {{"h1", "300"}, {"h2", "300"}, {"b1", "200"}, {"b2", "200"}, {"tw1", "8"}, {"tw2", "8"},
                           {"t1", "10"}, {"t2", "10"}, {"t3", "10"}, {"t4", "10"}});
    EXPECT_NEAR(cross.area, (4 * 2000 + 280 * 8 + 272 * 8) / 100.0, 1e-9);
    Results tee = RunFamily(6, {{"h", "200"}, {"b", "150"}, {"t1", "8"}, {"t2", "10"}});
    EXPECT_NEAR(tee.area, (1500 + 190 * 8) / 100.0, 1e-9);
    EXPECT_NEAR(tee.surface, (300000 + 400000) / 1e6, 1e-12);
    Results boxGirder = RunFamily(7, {{"h", "400"}, {"b", "300"}, {"D1", "20"}, {"D2", "20"}, {"t1", "12"}, {"t2", "10"}});
    EXPECT_NEAR(boxGirder.area, (300 * 12 * 2 + 376 * 10 * 2) / 100.0, 1e-9);
    Results c = RunFamily(8, {{"h", "200"}, {"b", "70"}, {"c", "20"}, {"t", "3"}});
    EXPECT_NEAR(c.area, (200 * 70 - 64 * 194 - 3 * 160) / 100.0, 1e-9);
    EXPECT_NEAR(c.weight, (2 * 20 * 3 + 2 * 64 * 3 + 600) * 1000 * 7.85 / 1e6, 1e-9);
    Results z = RunFamily(24, {{"h", "200"}, {"b", "70"}, {"c", "20"}, {"t", "3"}});
    EXPECT_NEAR(z.area, c.area, 1e-12);  // same formulas as family 8
}

}  // namespace
