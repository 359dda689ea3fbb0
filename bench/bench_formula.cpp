#include <benchmark/benchmark.h>

#include <string>

#include "prepare_formula.h"
#include "script_engine.h"

namespace {

// The longest catalogue formula (the wedge's surface area).
const char* kWedgeSurface =
    "(b*Math.sqrt(l*l+(h1-h2)*(h1-h2)))/1000000+((b-tw)*Math.sqrt(l*l+(h1-h2)*(h1-h2)))/1000000+b*l/1000000"
    "+(b-tw)*l/1000000+(((h1-t1-t2)+(h2-t1-t2))*l/2)*2/1000000+t1*l*2/1000000+t2*l*2/1000000\n";

void BM_EvalWedgeSurface(benchmark::State& state) {
    const std::string prepared = PrepareFormula(kWedgeSurface, {{"h1", "400"}, {"h2", "200"}, {"b", "200"}, {"tw", "8"},
                                                                {"t1", "10"}, {"t2", "10"}, {"l", "1000"}, {"p", "7.85"}});
    ScriptEngine engine;
    for (auto _ : state) benchmark::DoNotOptimize(engine.Eval(prepared));
}
BENCHMARK(BM_EvalWedgeSurface)->Unit(benchmark::kMicrosecond);

// The cross section: ten dimensions, three formulas.
void BM_PrepareCross(benchmark::State& state) {
    const std::vector<FormulaBinding> bindings = {{"h1", "300"}, {"h2", "300"}, {"b1", "200"}, {"b2", "200"}, {"tw1", "8"},
                                                  {"tw2", "8"},  {"t1", "10"},  {"t2", "10"},  {"t3", "10"},  {"t4", "10"},
                                                  {"l", "1000"}, {"p", "7.85"}};
    for (auto _ : state) {
        std::string a = "(b1*t1+b1*t2+b2*t3+b2*t4+(h1-t1-t2)*tw1+(h2-t3-t4-tw1)*tw2)/100";
        std::string w = "((b1*t1*p*l)+(b1*t2*p*l)+((h1-t1-t2)*tw1*p*l)+(b2*t3*p*l)+(b2*t4*p*l)+((h2-t3-t4-tw1)*tw2*p*l))/1000000";
        std::string s = "b1*l*2/1000000+(b1-tw1)*l*2/1000000+(t1*l*2+t2*l*2)/1000000+b2*l*2/1000000+(b2-tw2)*l*2/1000000"
                        "+(h1-t1-t2-tw2)*l*2/1000000+(h2-t3-t4-tw1)*l*2/1000000";
        PrepareFamilyFormulas(a, w, s, bindings);
        benchmark::DoNotOptimize(a.data());
    }
}
BENCHMARK(BM_PrepareCross)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
