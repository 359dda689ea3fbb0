// Turning a catalogue formula into an expression: the program's pi, then the
// values of the dimensions, density and length put in for their names.
#pragma once
#include <string>
#include <utility>
#include <vector>

// Name and value text of one binding.
using FormulaBinding = std::pair<std::string, std::string>;

// "pi" by "3.141592653", then each binding in list order; case-insensitive,
// every occurrence, no regard for word boundaries.
std::string PrepareFormula(const std::string& formula, const std::vector<FormulaBinding>& bindings);

// The three formulas of a family prepared as the calculation does it: pi in
// all three first, then binding by binding in the order WEIGHTPERM,
// AREAPERM, AREA.
void PrepareFamilyFormulas(std::string& area, std::string& weight, std::string& surface,
                           const std::vector<FormulaBinding>& bindings);
