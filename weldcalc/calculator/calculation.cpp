#include "calculation.h"

#include <cmath>
#include <string>
#include <vector>

#include "calculator_panel.h"
#include "db_state.h"
#include "family_formulas.h"
#include "numbers.h"
#include "prepare_formula.h"
#include "result_copy.h"
#include "script_engine.h"
#include "shape_text.h"
#include "texts.h"
#include "window_state.h"

namespace {

// A typed number: full-width forms read as ASCII, surrounding blanks dropped,
// and nothing but the number itself. A text such as "1,5" or "12abc" is not
// one: put into a formula it would change or break it.
bool CleanNumber(const std::string& typed, std::string& number) {
    std::string t = NormalizeFullWidth(typed.c_str());
    const size_t first = t.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    t = t.substr(first, t.find_last_not_of(" \t") - first + 1);
    double value = 0;
    if (t.find_first_not_of("0123456789.eE+-") != std::string::npos || !EvaluateFormula(t, value)) return false;
    number = t;
    return true;
}

// A result rounded to three decimals; false when it is not a finite number
// at any step, evaluation or rounding, so that no overflow shows as a value.
bool Rounded(double value, double& rounded) {
    if (!std::isfinite(value) || !std::isfinite(std::fabs(value) * 1000)) return false;
    rounded = RoundTo(value, 3) + 0.0;  // no "-0"
    return true;
}

bool Evaluated(ScriptEngine& engine, const std::string& formula, double& rounded) {
    const double value = ReadNumber(engine.Eval(formula));
    return !engine.LastValueNotFinite() && !engine.LastHadNegativePart() && Rounded(value, rounded);
}

void Stop(const std::string& message) { SetShapeText(statusText, message); }

}  // namespace

int Calculate(HELE, bool*) {
    ScriptEngine engine;  // 1 and 14: one engine for this run
    const std::string family = std::to_string(currentWeldedFamily);
    // 2. Dimensions in catalogue order.
    std::vector<FormulaBinding> bindings;
    const ResultGrid marks = QueryCatalogue("select * from WELDMARKINFO where sectionid=" + family);
    for (int r = 1; r < marks.rowCount && marks.columnCount >= 3; ++r) {
        const std::string& name = marks.Cell(r, 2);
        const std::string value = ReadEditText(XC_GetObjectByName(mainWindow, GbkToUtf16(name)));
        if (value.empty()) return Stop(Gbk("你还没有输入 ") + name + Gbk(" 的数值。")), 0;
        std::string number;
        if (!IsPositive(ReadNumber(value)) || !CleanNumber(value, number))
            return Stop(Gbk("您输入的 ") + name + Gbk(" 值有误，请检查后重新输入。")), 0;
        bindings.push_back({name, number});
    }
    // 3-4.
    bindings.push_back({"l", "1000"});
    const std::string density = ReadEditText(MainElement(23));
    if (density.empty()) return Stop(Gbk("你还没有选择材质类型，将影响重量相关的计算。")), 0;
    // A density that is no positive number would report a weight of 0 or below as done.
    const double densityValue = ReadNumber(density);
    if (!IsPositive(densityValue)) return Stop(Gbk("您输入的密度值有误，请检查后重新输入。")), 0;
    bindings.push_back({"p", WriteNumber(densityValue / 1000)});
    // 5-6.
    FamilyFormulas f = ReadFamilyFormulas(family);
    PrepareFamilyFormulas(f.area, f.weight, f.surface, bindings);
    // 7.
    const std::string lengthText = ReadEditText(MainElement(36));
    double length = 0;
    if (!lengthText.empty()) {
        length = ReadNumber(lengthText);
        if (!IsPositive(length)) return Stop(Gbk("要计算的长度值输入不正确，应为不小于0的数值。")), 0;
    }
    // 8-11. Every result is checked before any is shown: dimensions that
    // contradict each other (t1 + t2 > h) or overflow give no result at all.
    double area = 0, perMetre = 0, surfaceArea = 0, total = 0;
    bool valid = Evaluated(engine, f.area, area) && Evaluated(engine, f.weight, perMetre) &&
                 Evaluated(engine, f.surface, surfaceArea) && area >= 0 && perMetre >= 0;
    const std::string perMetreText = WriteNumber(perMetre);
    if (valid && IsPositive(length)) valid = Rounded(ReadNumber(perMetreText) * length, total);
    if (!valid) return Stop(Gbk("计算结果无效，请检查输入的尺寸是否合理。")), 0;
    SetShapeText(MainElement(16), WriteNumber(area) + Gbk("c㎡"));
    if (IsPositive(length)) {
        SetShapeText(MainElement(18),
                     WriteNumber(length) + Gbk("m×") + perMetreText + Gbk("Kg/m=") + WriteNumber(total) + "Kg");
    } else {
        SetShapeText(MainElement(18), perMetreText + "Kg/m");
    }
    SetShapeText(MainElement(20), WriteNumber(surfaceArea) + Gbk("㎡/m"));
    // 12-13.
    SetShapeText(statusText, Gbk("计算完成，你可以将结果复制到剪贴板。"));
    for (int id : {33, 34, 35}) XEle_RegEventC1(MainElement(id), XE_BNCLICK, &CopyCalculatorResult);
    return 0;
}
