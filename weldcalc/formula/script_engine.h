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
    // Whether the last Eval's text was well formed but its value not finite
    // (an overflow, or the root of a negative number): not the same as a
    // formula without a value.
    bool LastValueNotFinite() const { return lastNotFinite_; }
    // Whether a bracketed part of the last Eval's text was below zero outside
    // any Math.sqrt: dimensions that contradict each other, such as a web
    // (h-t1-t2) when t1 + t2 > h.
    bool LastHadNegativePart() const { return lastNegativePart_; }

private:
    bool lastNotFinite_ = false;
    bool lastNegativePart_ = false;
};

// The value itself; false when there is none.
bool EvaluateFormula(const std::string& expression, double& value);
// As above; notFinite tells a well-formed text with an infinite or NaN value,
// negativePart a bracketed part below zero outside a square root.
bool EvaluateFormula(const std::string& expression, double& value, bool& notFinite, bool& negativePart);
