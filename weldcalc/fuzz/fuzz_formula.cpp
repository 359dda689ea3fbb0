// Any bytes through the evaluator and the replacer: no crash, no hang, and
// a value that is given is finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "multi_replace.h"
#include "prepare_formula.h"
#include "script_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ScriptEngine engine;
    const std::string result = engine.Eval(text);
    if (!result.empty() && !std::isfinite(std::strtod(result.c_str(), nullptr))) __builtin_trap();
    const size_t cut = size / 3;
    const std::string replaced =
        MultiReplace(text, {{text.substr(0, cut % 4), "x"}, {"pi", text.substr(cut, 3)}}, static_cast<int>(cut % 7), cut % 2 == 0);
    engine.Eval(PrepareFormula(replaced, {{"h", "1"}, {"b", "2.5"}}));
    return 0;
}
