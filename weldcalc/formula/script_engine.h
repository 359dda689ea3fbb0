// The evaluator behind the calculator's formulas: arithmetic over doubles
// with + - * /, unary signs, ( ) and [ ] as grouping, Math.sqrt, decimal
// numbers and blanks. Anything else has no value.
#pragma once
#include <string>

class ScriptEngine {
public:
    ScriptEngine() = default;
    ~ScriptEngine() = default;
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // The value written with 15 significant digits ("58.0272", "1e-06"), or
    // the empty text when the text has no finite value. Never throws.
    std::string Eval(const std::string& expression);
};

// The value itself; false when there is none.
bool EvaluateFormula(const std::string& expression, double& value);
