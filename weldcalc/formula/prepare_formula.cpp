#include "prepare_formula.h"

#include "multi_replace.h"

namespace {
const char* const kPi = "3.141592653";

std::string Substitute(const std::string& text, const std::string& name, const std::string& value) {
    return ReplaceEvery(text, name, value, 1, false);
}
}  // namespace

std::string PrepareFormula(const std::string& formula, const std::vector<FormulaBinding>& bindings) {
    std::string out = Substitute(formula, "pi", kPi);
    for (const auto& [name, value] : bindings) out = Substitute(out, name, value);
    return out;
}

void PrepareFamilyFormulas(std::string& area, std::string& weight, std::string& surface,
                           const std::vector<FormulaBinding>& bindings) {
    for (std::string* f : {&area, &weight, &surface}) *f = Substitute(*f, "pi", kPi);
    for (const auto& [name, value] : bindings) {
        for (std::string* f : {&weight, &surface, &area}) *f = Substitute(*f, name, value);
    }
}
