#include "calculation.h"

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

double Evaluated(ScriptEngine& engine, const std::string& formula) { return RoundTo(ReadNumber(engine.Eval(formula)), 3); }

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
    bindings.push_back({"p", WriteNumber(ReadNumber(density) / 1000)});
    // 5-6.
    FamilyFormulas f = ReadFamilyFormulas(family);
    std::string& area = f.area;
    std::string& weight = f.weight;
    std::string& surface = f.surface;
    PrepareFamilyFormulas(area, weight, surface, bindings);
    // 7.
    const std::string lengthText = ReadEditText(MainElement(36));
    double length = 0;
    if (!lengthText.empty()) {
        length = ReadNumber(lengthText);
        if (!IsPositive(length)) return Stop(Gbk("要计算的长度值输入不正确，应为不小于0的数值。")), 0;
    }
    // 8-11.
    SetShapeText(MainElement(16), WriteNumber(Evaluated(engine, area)) + Gbk("c㎡"));
    const std::string perMetre = WriteNumber(Evaluated(engine, weight));
    if (IsPositive(length)) {
        const double total = RoundTo(ReadNumber(perMetre) * length, 3);
        SetShapeText(MainElement(18), WriteNumber(length) + Gbk("m×") + perMetre + Gbk("Kg/m=") + WriteNumber(total) + "Kg");
    } else {
        SetShapeText(MainElement(18), perMetre + "Kg/m");
    }
    SetShapeText(MainElement(20), WriteNumber(Evaluated(engine, surface)) + Gbk("㎡/m"));
    // 12-13.
    SetShapeText(statusText, Gbk("计算完成，你可以将结果复制到剪贴板。"));
    for (int id : {33, 34, 35}) XEle_RegEventC1(MainElement(id), XE_BNCLICK, &CopyCalculatorResult);
    return 0;
}
