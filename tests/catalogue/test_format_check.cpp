#include <gtest/gtest.h>

#include "catalogue_build.h"
#include "csv_format_check.h"
#include "carried_tables.h"

namespace {

TEST(CarriedFormat, EveryCarriedTableIsWellFormed) {
    int carried = 0;
    for (std::string_view table : kCatalogueTables) {
        if (!CarriedTableText(table)) continue;
        ++carried;
        CarriedCsv csv = LoadCarriedTable(table);
        for (const std::string& p : csv.problems) ADD_FAILURE() << p;
        EXPECT_GE(csv.records.size(), 2u) << table;
    }
    // Every embedded file is one of the catalogue's tables.
    EXPECT_EQ(carried, kCarriedTableEntryCount);
}

TEST(CarriedFormat, ParsesFieldsWithCommasAndLineFeeds) {
    CarriedCsv csv = CheckCarriedCsv("\"A\",\"B\",\"C\"\r\n\"1,2\",,\"x\ny \"\r\n");
    ASSERT_TRUE(csv.ok());
    ASSERT_EQ(csv.records.size(), 2u);
    EXPECT_EQ(csv.records[1], (std::vector<std::string>{"1,2", "", "x\ny "}));
}

TEST(CarriedFormat, RejectsWhatTheCsvModuleWouldGarble) {
    const char* bad[] = {
        "\xEF\xBB\xBF\"A\"\r\n\"1\"\r\n",     // byte-order mark
        "\"A\"\n\"1\"\n",                     // bare line feeds
        "\"A\"\r\n\"1\"",                     // last record without CRLF
        "\"A\"\r\n\"1\"\r\n\r\n",             // a second CRLF adds a row of NULLs
        "\"A\",\"B\"\r\n\"1\"\r\n",           // too few fields
        "\"A\"\r\n1\r\n",                     // unquoted value
        "\"A\"\r\n\"it's\"\r\n",              // apostrophe ends the statement
        "\"A\"\r\n\"a\"b\"\r\n",              // quote inside a field
        "\"A\"\r\n\"open\r\n",                // unclosed quote
        "\"A\"\r\n\"\"\r\n",                  // empty field written in quotes
        "\"A\"\r\n\"\xF0\x9F\x98\x80\"\r\n",  // no GBK form
        "\"A\"\r\n\"\xC3\"\r\n",              // not UTF-8
    };
    for (const char* text : bad) EXPECT_FALSE(CheckCarriedCsv(text).ok()) << text;
    EXPECT_TRUE(CheckCarriedCsv("\"A\",\"B\"\r\n,\r\n").ok());
}

}  // namespace
