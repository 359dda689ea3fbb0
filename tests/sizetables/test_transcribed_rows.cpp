// Every carried row of a transcribed subtype against the transcription of
// the printed table: the same sizes, and every printed column the same number.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "carried_size_table.h"
#include "catalogue_build.h"
#include "reference_table.h"

namespace {

// Sizes as a key: "*200×204×12×12" and "200×204×12×12.0" are one size.
std::string Key(const std::vector<double>& numbers) {
    std::string out;
    for (double v : numbers) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%g|", v);
        out += buf;
    }
    return out;
}

std::string KeyOfColumns(const ReferenceRow& row, std::initializer_list<const char*> columns) {
    std::vector<double> n;
    for (const char* c : columns) n.push_back(std::stod(row.at(c)));
    return Key(n);
}

struct Transcription {
    const char* table;
    const char* subtype;
    const char* folder;
    const char* file;
    std::function<std::string(const ReferenceRow&)> referenceKey;
    std::function<std::string(const SizeTable&, size_t)> carriedKey;
    std::vector<std::pair<const char*, const char*>> printed;  // carried column, transcription column
    std::set<std::string> leftOut;                     // transcribed sizes deliberately not carried
    std::set<std::pair<std::string, std::string>> own;  // (size key, carried column) that keeps the catalogue's value
    int carriedWithoutTranscription = 0;               // the catalogue's own rows beyond the standard
};

// H and T sizes with their series: the 2010 HP sizes repeat HW sizes.
std::string HKey(const ReferenceRow& r) { return r.at("规格").substr(0, 2) + Key(DesignationNumbers(r.at("详情"))); }
std::string CarriedHKey(const SizeTable& t, size_t i) {
    return t.Cell(i, "规格").substr(0, 2) + Key(DesignationNumbers(t.Cell(i, "详情")));
}
std::string ByDesignation(const SizeTable& t, size_t i) { return Key(DesignationNumbers(t.Cell(i, "规格"))); }
// The dimension columns by their first number ("21.3 (21.3)" is 21.3).
std::function<std::string(const SizeTable&, size_t)> ByColumns(std::vector<const char*> columns) {
    return [columns](const SizeTable& t, size_t i) {
        std::vector<double> n;
        for (const char* c : columns) n.push_back(DesignationNumbers(t.Cell(i, c)).at(0));
        return Key(n);
    };
}

const std::vector<std::pair<const char*, const char*>> kHValues = {
    {"重量", "重量(kg/m)"}, {"表面积", "表面积(m2/m)"}, {"截面积", "截面积(cm2)"}};
const std::vector<std::pair<const char*, const char*>> kHDims = {
    {"宽度/翼板(mm)", "宽度/翼板B(mm)"}, {"腹板厚t1(mm)", "腹板厚t1(mm)"}, {"翼缘厚t2(mm)", "翼缘厚t2(mm)"},
    {"圆角半径r(mm)", "圆角半径r(mm)"}};
const std::vector<std::pair<const char*, const char*>> kTDims = {
    {"高度/父板(mm)H", "高度h(mm)"}, {"宽度/翼板(mm)H", "宽度B(mm)"}, {"腹板厚(mm)t1", "腹板厚t1(mm)"},
    {"翼缘厚(mm)t2", "翼缘厚t2(mm)"}, {"圆角半径r(mm)", "圆角半径r(mm)"}};
const std::vector<std::pair<const char*, const char*>> kColdFormed = {{"截面积", "截面面积(cm2)"},
                                                                     {"重量", "每米长质量(kg/m)"}};

template <class... V>
std::vector<std::pair<const char*, const char*>> Join(V... parts) {
    std::vector<std::pair<const char*, const char*>> out;
    (out.insert(out.end(), parts.begin(), parts.end()), ...);
    return out;
}

const std::vector<Transcription>& Transcriptions() {
    static const std::vector<Transcription> all = {
        {"热轧H", "79", "gb11263", "gb11263-2017_H.csv", HKey, CarriedHKey, Join(kHValues, kHDims), {}, {}},
        {"热轧T", "80", "gb11263", "gb11263-2017_T.csv", HKey, CarriedHKey, Join(kHValues, kTDims), {}, {}},
        // 2010: sizes and radii only, the values are computed.
        {"热轧H", "29", "gb11263", "gb11263-2010_H.csv", HKey, CarriedHKey, kHDims, {}, {}},
        {"热轧T", "18", "gb11263", "gb11263-2010_T.csv", HKey, CarriedHKey, kTDims, {},
         // r of the parent H row, not the transcription's
         {{"TN323|299|10|15|", "圆角半径r(mm)"}, {"TN346|300|13|20|", "圆角半径r(mm)"}, {"TN350|300|13|24|", "圆角半径r(mm)"}}},
        {"热轧H", "30", "gb11263", "gb11263-2017_extra-heavy-H.csv", HKey, CarriedHKey, Join(kHValues, kHDims),
         // printed figures that do not fit their own dimensions
         {"W1483|421|51.2|81.5|", "W3921|120|21.3|36.6|", "W3960|427|31|55.9|", "W3972|437|34.5|62|", "W41020|304|26|16|",
          "W41048|412|34|50|"},
         {}},
        {"热轧_槽钢", "7", "gb50018", "gb50018-2002_B.1.1-3_channel.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"h(mm)", "b(mm)", "t(mm)"}); }, ByDesignation, kColdFormed, {}, {}},
        {"热轧_角钢", "13", "gb50018", "gb50018-2002_B.1.1-2_angle.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"b(mm)", "t(mm)"}); }, ByDesignation,
         Join(kColdFormed, std::vector<std::pair<const char*, const char*>>{{"宽度", "b(mm)"}, {"厚度", "t(mm)"}}), {},
         {}},
        {"热轧_角钢", "14", "gb50018", "gb50018-2002_B.1.1-7_lipped-angle.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"b(mm)", "a(mm)", "t(mm)"}); }, ByDesignation, kColdFormed, {},
         {}},
        {"热轧C", "17", "gb50018", "gb50018-2002_B.1.1-4_lipped-channel.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"h(mm)", "b(mm)", "a(mm)", "t(mm)"}); }, ByDesignation,
         Join(kColdFormed, std::vector<std::pair<const char*, const char*>>{{"截面高度", "h(mm)"}, {"截面宽度", "b(mm)"},
                                                                            {"卷边宽度", "a(mm)"}, {"厚度", "t(mm)"}}),
         {},
         {{"80|40|15|2|", "截面积"}},  // the catalogue's first row: 3.465 where the standard prints 3.47
         1},                          // C300×80×20×3, the catalogue's last row
        {"热轧Z", "19", "gb50018", "gb50018-2002_B.1.1-5_lipped-Z.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"h(mm)", "b(mm)", "a(mm)", "t(mm)"}); }, ByDesignation,
         kColdFormed, {}, {}},
        {"热轧Z", "20", "gb50018", "gb50018-2002_B.1.1-6_sloped-lipped-Z.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"h(mm)", "b(mm)", "a(mm)", "t(mm)"}); }, ByDesignation,
         kColdFormed, {}, {}},
        {"热轧_圆管", "40", "gb50018", "gb50018-2002_B.1.1-8_welded-round-tube.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"d(mm)", "t(mm)"}); }, ByDesignation,
         Join(kColdFormed, std::vector<std::pair<const char*, const char*>>{{"公称外径", "d(mm)"}, {"公称壁厚", "t(mm)"}}),
         {}, {}},
        {"热轧方", "27", "gb50018", "gb50018-2002_B.1.1-1_square-tube.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"h(mm)", "t(mm)"}); }, ByDesignation,
         Join(kColdFormed, std::vector<std::pair<const char*, const char*>>{{"边长B/mm", "h(mm)"}, {"壁厚t/mm", "t(mm)"}}),
         {}, {}},
        // GB/T 6728: the transcription has the sizes and the printed weights only.
        {"热轧_圆管", "41", "gbt6728", "gbt6728-2017_round_mass-only.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"外径D(mm)", "壁厚t(mm)"}); },
         ByColumns({"公称外径", "公称壁厚"}), {{"重量", "理论重量M(kg/m)"}}, {}, {}},
        {"热轧方", "28", "gbt6728", "gbt6728-2017_square_mass-only.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"边长B(mm)", "壁厚t(mm)"}); }, ByDesignation,
         {{"重量", "理论重量M(kg/m)"}, {"边长B/mm", "边长B(mm)"}, {"壁厚t/mm", "壁厚t(mm)"}}, {}, {}},
        {"热轧_矩形管", "53", "gbt6728", "gbt6728-2017_rect_mass-only.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"长边H(mm)", "短边B(mm)", "壁厚t(mm)"}); }, ByDesignation,
         {{"重量", "理论重量M(kg/m)"}, {"长边(mm)", "长边H(mm)"}, {"短边(mm)", "短边B(mm)"}, {"公称壁厚(mm)", "壁厚t(mm)"}},
         {}, {}},
        {"热轧_圆钢", "21", "gbt702", "gbt702-2017_round.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"直径d(mm)"}); }, ByColumns({"直径"}),
         {{"重量", "理论重量(kg/m)"}}, {}, {}, 1},  // 380 mm, from the write-downs
        {"热轧_多边形钢", "62", "gbt702", "gbt702-2008_square.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"边长a(mm)"}); }, ByColumns({"边长"}),
         {{"重量", "GB/T702-2008理论重量(kg/m)"}}, {}, {}, 21},  // 110-250 mm, from the write-downs
        {"热轧_多边形钢", "66", "gbt702", "gbt705-1989_hexagon.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"对边距离s(mm)"}); }, ByColumns({"对边距离"}),
         {{"重量", "理论重量(kg/m)"}, {"截面积", "截面面积(cm2)"}}, {}, {}},
        {"热轧_多边形钢", "67", "gbt702", "gbt705-1989_octagon.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"对边距离s(mm)"}); }, ByColumns({"对边距离"}),
         {{"重量", "理论重量(kg/m)"}, {"截面积", "截面面积(cm2)"}}, {}, {}},
        {"热轧_钢轨", "54", "rails", "rail_ordinary_handbook.csv",
         [](const ReferenceRow& r) { return KeyOfColumns(r, {"轨型(kg/m)"}); }, ByDesignation,
         {{"重量", "理论重量(kg/m)"}}, {}, {}},
        {"热轧_钢轨", "55", "rails", "ybt5055_crane-rail.csv",
         [](const ReferenceRow& r) { return Key(DesignationNumbers(r.at("型号"))); }, ByDesignation,
         {{"重量", "理论重量(kg/m)"}}, {}, {}},
    };
    return all;
}

class TranscribedRows : public ::testing::TestWithParam<size_t> {
protected:
    static void SetUpTestSuite() { BuildCatalogue(); }
    const Transcription& T() const { return Transcriptions()[GetParam()]; }
};

TEST_P(TranscribedRows, EveryPrintedColumnAsTranscribed) {
    const Transcription& tr = T();
    const std::vector<ReferenceRow> reference = LoadReference(tr.folder, tr.file);
    ASSERT_FALSE(reference.empty());
    SizeTable table = LoadSizeTable(tr.table);
    std::map<std::string, size_t> carried;
    for (size_t i : table.RowsOf(tr.subtype)) {
        const std::string key = tr.carriedKey(table, i);
        EXPECT_TRUE(carried.emplace(key, i).second) << tr.table << " subtype " << tr.subtype << ": size twice " << key;
    }
    size_t matched = 0;
    for (const ReferenceRow& ref : reference) {
        const std::string key = tr.referenceKey(ref);
        auto it = carried.find(key);
        if (tr.leftOut.count(key)) {
            EXPECT_EQ(it, carried.end()) << "subtype " << tr.subtype << " carries the left-out size " << key;
            continue;
        }
        ASSERT_NE(it, carried.end()) << "subtype " << tr.subtype << " lacks the transcribed size " << key;
        ++matched;
        for (const auto& [column, source] : tr.printed) {
            const std::string& ours = table.Cell(it->second, column);
            const std::string& theirs = ref.at(source);
            if (theirs.empty()) continue;  // not printed there: our value is computed
            auto a = Printed(ours), b = Printed(theirs);
            ASSERT_TRUE(a && b) << key << " " << column << ": " << ours << " / " << theirs;
            if (tr.own.count({key, column})) {
                EXPECT_NE(*a, *b) << key << " " << column << " is listed as the catalogue's own but agrees";
            } else {
                EXPECT_EQ(*a, *b) << "subtype " << tr.subtype << " " << key << " " << column << ": carried " << ours
                                  << ", transcribed " << theirs;
            }
        }
    }
    EXPECT_EQ(carried.size(), matched + static_cast<size_t>(tr.carriedWithoutTranscription))
        << "subtype " << tr.subtype << " carries sizes the transcription does not have";
}

INSTANTIATE_TEST_SUITE_P(SizeTables, TranscribedRows, ::testing::Range<size_t>(0, Transcriptions().size()));

}  // namespace
