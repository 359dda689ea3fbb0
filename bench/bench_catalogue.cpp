#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include "catalogue_build.h"
#include "codepage.h"
#include "db_state.h"

static void BM_BuildCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        BuildCatalogue();
        benchmark::DoNotOptimize(dbConnection.handle);
    }
}
BENCHMARK(BM_BuildCatalogue)->Unit(benchmark::kMillisecond);

static void BM_QuerySubtypes(benchmark::State& state) {
    BuildCatalogue();
    const std::string sql = Utf8ToGbkBytes("select ID,NAME,REMARK from SUBTYPES where SECTIONID=19 order by \"ORDER\"");
    for (auto _ : state) {
        ResultGrid g = QueryCatalogue(sql);
        benchmark::DoNotOptimize(g.cells.data());
    }
}
BENCHMARK(BM_QuerySubtypes)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
