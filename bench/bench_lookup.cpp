// A full fill of the size table (queries, conversions and the list model),
// as after a keystroke in the length edit, beside the bare SQLite query of
// the same statement.
#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "catalogue_build.h"
#include "codepage.h"
#include "db_state.h"
#include "main_window.h"
#include "program_state.h"
#include "keyword_search.h"
#include "size_table.h"
#include "window_state.h"
#include "xcgui.h"

namespace {

// The largest list the program fills: the ordinary seamless tubes.
int Subtype() { return 38; }

void BM_ShowSubtype(benchmark::State& state) {
    const int s = Subtype();
    state.SetLabel("subtype " + std::to_string(s));
    for (auto _ : state) {
        ShowSubtype(s);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ShowSubtype)->Unit(benchmark::kMillisecond);

// The same fill without the event loop: queries, conversions and adapters;
// the one model reset waits for the loop.
void BM_ShowSubtypeNoPaint(benchmark::State& state) {
    const int s = Subtype();
    for (auto _ : state) ShowSubtype(s);
    QApplication::processEvents();
}
BENCHMARK(BM_ShowSubtypeNoPaint)->Unit(benchmark::kMillisecond);

// A search fill: the keyword filter over every shown column.
void BM_SearchFill(benchmark::State& state) {
    const int s = Subtype();
    XEdit_SetText(XC_GetObjectByID(mainWindow, 29), u"10");
    for (auto _ : state) {
        pendingSearch = true;
        ShowSubtype(s);
        QApplication::processEvents();
    }
    XEdit_SetText(XC_GetObjectByID(mainWindow, 29), u"");
}
BENCHMARK(BM_SearchFill)->Unit(benchmark::kMillisecond);

// The catalogue side alone: the size-table query with its conversions.
void BM_QuerySizeTable(benchmark::State& state) {
    const std::string s = std::to_string(Subtype());
    for (auto _ : state) benchmark::DoNotOptimize(QuerySizeTable(s).cells.data());
}
BENCHMARK(BM_QuerySizeTable)->Unit(benchmark::kMillisecond);

void BM_BareQuery(benchmark::State& state) {
    const int s = Subtype();
    const std::string columns = QueryCatalogue("select showcols from SUBTYPES where id=" + std::to_string(s)).Cell(1, 0);
    const std::string table = QueryCatalogue("select normtable from SECTIONTABLE where id=(select sectionid from subtypes where id=" +
                                             std::to_string(s) + ")").Cell(1, 0);
    const std::string sql = GbkToUtf8("select " + columns + " from " + table + " where SUBTYPEID=" + std::to_string(s));
    state.SetLabel("subtype " + std::to_string(s));
    for (auto _ : state) {
        char** result = nullptr;
        int rows = 0, cols = 0;
        sqlite3_get_table(dbConnection.handle, sql.c_str(), &result, &rows, &cols, nullptr);
        benchmark::DoNotOptimize(rows);
        sqlite3_free_table(result);
    }
}
BENCHMARK(BM_BareQuery)->Unit(benchmark::kMillisecond);

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return 0;
}

// Refilling many times must not grow the process.
void BM_RefillMemory(benchmark::State& state) {
    const int s = Subtype();
    for (int i = 0; i < 50; ++i) ShowSubtype(s);
    QApplication::processEvents();
    const long before = ResidentKb();
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            ShowSubtype(s);
            if (i % 50 == 0) QApplication::processEvents();
        }
        QApplication::processEvents();
    }
    state.counters["rss_growth_kb"] = static_cast<double>(ResidentKb() - before);
}
BENCHMARK(BM_RefillMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    archivePassword = "Q4tR8wZ2kM6pX1vB";
    BuildCatalogue();
    if (!SetUpMainWindow()) return 1;
    if (QuerySizeTable("38").rowCount < 2500) std::fprintf(stderr, "subtype 38 holds fewer rows than measured for\n");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XExitXCGUI();
    return 0;
}
