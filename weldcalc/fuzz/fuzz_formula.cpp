// Any bytes through the evaluator and the replacer: no crash, no hang, a
// value that is given is finite and survives grouping by either bracket, and
// a replacement by the find text itself changes nothing.
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
    if (!result.empty()) {
        // A whole expression keeps its value in either kind of group (both
        // may give none at the nesting limit).
        const std::string square = engine.Eval("[" + text + "]");
        if (square != engine.Eval("(" + text + ")") || (!square.empty() && square != result)) __builtin_trap();
    }

    const size_t cut = size / 3;
    const std::string find = text.substr(0, cut % 4);
    const int start = static_cast<int>(cut % 7);
    if (MultiReplace(text, {{find, find}}, start, true) != text) __builtin_trap();
    const std::string replaced =
        MultiReplace(text, {{find, "x"}, {"pi", text.substr(cut, 3)}}, start, cut % 2 == 0);
    engine.Eval(PrepareFormula(replaced, {{"h", "1"}, {"b", "2.5"}}));
    return 0;
}
