// Filling the list through the adapters, as a size table of 3,200 rows and
// eight fields is filled (the model, without painting).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <string>
#include <vector>

#include "xcgui.h"
#include "zip_writer.h"

namespace {

HELE TheList() {
    static HELE list = nullptr;
    if (list) return list;
    static std::string archive;
    WriteZip({{"main.xml", R"(<window title="b" width="800" height="600"><list id="9"/></window>)"},
              {"resource.res", "<resources/>"}},
             "pw", archive);
    XC_LoadResourceZipMem(archive.data(), archive.size(), u"resource.res", u"pw");
    HWINDOW w = XC_LoadLayoutZipMem(archive.data(), archive.size(), u"main.xml", u"pw");
    list = XC_GetObjectByID(w, 9);
    return list;
}

void BM_FillList(benchmark::State& state) {
    HELE list = TheList();
    const std::u16string fields[8] = {u"number", u"data1", u"data2", u"data3", u"data4", u"data5", u"data6", u"data7"};
    std::vector<std::u16string> numbers;
    for (int r = 0; r < 3200; ++r) numbers.push_back(XC_AnsiToUnicode(std::to_string(r + 1)));
    for (auto _ : state) {
        XList_DeleteColumnAll(list);
        HADAPTER header = XAdMap_Create();
        XList_BindAdapterHeader(list, header);
        for (const auto& f : fields) {
            XList_AddColumn(list, 100);
            XAdMap_AddItemText(header, f, f);
        }
        HADAPTER table = XAdTable_Create();
        XList_BindAdapter(list, table);
        for (const auto& f : fields) XAdTable_AddColumn(table, f);
        for (int r = 0; r < 3200; ++r) {
            const int item = XAdTable_AddItemTextEx(table, fields[0], numbers[static_cast<size_t>(r)]);
            for (int c = 1; c < 8; ++c) XAdTable_SetItemTextEx(table, item, fields[c], u"168.5 ");
        }
        QApplication::processEvents();  // the one model reset the view hears of
        benchmark::DoNotOptimize(XList_GetRowCount(list));
    }
}
BENCHMARK(BM_FillList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    XInitXCGUI();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XExitXCGUI();
    return 0;
}
