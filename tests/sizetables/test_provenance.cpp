// The provenance the program carries for every subtype agrees with the
// catalogue: the rows it counts are the rows carried, and the standard it
// names is the one the subtype's remark names.
#include <gtest/gtest.h>

#include "catalogue_build.h"
#include "codepage.h"
#include "db_state.h"
#include "provenance.h"

namespace {

// "GB/T 706-2016", "GB∕T3094-2012" and "GBT 3091-2015" all read "GBT706-2016"-like.
std::string Compact(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == ' ' || utf8[i] == '/') continue;
        if (utf8.compare(i, 3, "∕") == 0 || utf8.compare(i, 3, "／") == 0) {
            i += 2;
            continue;
        }
        out += utf8[i];
    }
    return out;
}

// The first standard code in a remark ("GB50018-2002", "JGT137-2017"), or nothing.
std::string StandardCode(const std::string& remark) {
    const std::string text = Compact(remark);
    for (size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] < 'A' || text[i] > 'Z' || text[i + 1] < 'A' || text[i + 1] > 'Z') continue;
        size_t j = i;
        while (j < text.size() && ((text[j] >= 'A' && text[j] <= 'Z') || (text[j] >= '0' && text[j] <= '9') ||
                                   text[j] == '-' || text[j] == '.'))
            ++j;
        const std::string code = text.substr(i, j - i);
        if (code.find('-') != std::string::npos && code.find_first_of("0123456789") != std::string::npos) return code;
        i = j;
    }
    return "";
}

TEST(Provenance, StandardCodesAreReadFromRemarks) {
    EXPECT_EQ(StandardCode("注：本数据来自《GB/T 706-2016  热轧型钢》"), "GBT706-2016");
    EXPECT_EQ(StandardCode("注：本数据来自《GB∕T3094-2012冷拔异型钢管国家标准》"), "GBT3094-2012");
    EXPECT_EQ(StandardCode("注：本数据来自《JG/T137-2017结构用高频焊接薄壁H型钢》"), "JGT137-2017");
    EXPECT_EQ(StandardCode("注：每一连接副包括一个高强度大六角螺栓"), "");
}

TEST(Provenance, EverySubtypeHasALineThatAgreesWithItsRows) {
    BuildCatalogue();
    const ResultGrid subtypes = QueryCatalogue(
        "select s.ID, s.REMARK, t.NORMTABLE from SUBTYPES s join SECTIONTABLE t on t.ID = s.SECTIONID");
    ASSERT_EQ(subtypes.rowCount, 81);  // every subtype but the empty row 73
    for (int r = 1; r < subtypes.rowCount; ++r) {
        const int id = std::stoi(subtypes.Cell(r, 0));
        const SubtypeProvenance* p = FindProvenance(id);
        ASSERT_NE(p, nullptr) << "subtype " << id;
        const std::string rows =
            QueryFirstValue("select count(*) from " + subtypes.Cell(r, 2) + " where SUBTYPEID=" + subtypes.Cell(r, 0));
        const int carried = rows.empty() ? 0 : std::stoi(rows);  // a table not carried answers nothing
        EXPECT_EQ(p->carriedRows, carried) << "subtype " << id;
        EXPECT_EQ(p->kind == ProvenanceClass::NoRows, carried == 0) << "subtype " << id;
        EXPECT_FALSE(ProvenanceLine(id).empty()) << "subtype " << id;
        EXPECT_EQ(GbkToUtf8(ProvenanceLine(id)), p->utf8Line) << "subtype " << id << " is not representable in GBK";
        const std::string code = StandardCode(GbkToUtf8(subtypes.Cell(r, 1)));
        if (carried > 0 && !code.empty() && p->kind != ProvenanceClass::FixedRowsOnly) {
            EXPECT_NE(Compact(p->utf8Line).find(code), std::string::npos)
                << "subtype " << id << ": the line does not name " << code << ": " << p->utf8Line;
        }
    }
    EXPECT_EQ(FindProvenance(73), nullptr);
    EXPECT_TRUE(ProvenanceLine(999).empty());
}

}  // namespace
