#include "window_driver.h"

#include "db_state.h"
#include "keyword_search.h"
#include "size_table.h"

namespace {

void Search(const QString& keyword) {
    TypeInto(29, keyword);
    Click(Widget<QToolButton>(28));
}

class Search79 : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_H_TABLE();
        TypeInto(41, "");
        ShowSubtype(79);
        all = Rows();
        ASSERT_EQ(all, SubtypeRows79());
    }
    int all = 0;
};

TEST_F(Search79, KeywordMatchesIgnoringAsciiCase) {
    Search("HW100");
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Row(0)[1], "HW100×100");
    Search("hw100");
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Row(0)[1], "HW100×100");
}

// Full-width input and a Latin x or star for the times sign find what "×" finds.
TEST_F(Search79, KeywordAsPeopleTypeIt) {
    Search(QStringLiteral("ＨＷ１００"));
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Row(0)[1], "HW100×100");
    Search(QStringLiteral("100×100"));
    const int times = Rows();
    ASSERT_GT(times, 0);
    for (const char* typed : {"100x100", "100X100", "100*100"}) {
        Search(QString::fromUtf8(typed));
        EXPECT_EQ(Rows(), times) << typed;
    }
    Search(QStringLiteral("HW100x"));  // no digit after the x: stays an x
    EXPECT_EQ(Rows(), 0);
}

TEST(SearchKeyword, TimesSignOnlyBetweenDigits) {
    EXPECT_EQ(GbkToUtf8(SearchKeyword(Utf8ToGbkBytes("HW100x100x6"))), "HW100×100×6");
    EXPECT_EQ(GbkToUtf8(SearchKeyword(Utf8ToGbkBytes("x100*"))), "x100*");
    EXPECT_EQ(GbkToUtf8(SearchKeyword(Utf8ToGbkBytes("ＴＮ５０"))), "TN50");
    // The second byte of a two-byte character is never taken for an x.
    const std::string gbk = Utf8ToGbkBytes("1亁2癤3");  // 81 78 and B0 58: an x and an X as second bytes
    EXPECT_EQ(SearchKeyword(gbk), gbk);
}

TEST_F(Search79, WildcardsAndBlanks) {
    Search("%");
    EXPECT_EQ(Rows(), all);
    Search(" 100");  // the blank stays part of the keyword
    for (int r = 0; r < Rows(); ++r) {
        bool found = false;
        for (const std::string& cell : Row(r)) found = found || cell.find(" 100") != std::string::npos;
        EXPECT_TRUE(found) << r;
    }
    EXPECT_LT(Rows(), all);
}

TEST_F(Search79, EmptyKeywordSaysSoAndShowsAll) {
    XShapeText_SetText(statusText, u"");
    Search("");
    EXPECT_EQ(Status(), "请先输入要搜索的关键字。");
    EXPECT_EQ(Rows(), all);
}

TEST_F(Search79, OneShotFilter) {
    Search("HN");
    const int first = Rows();
    EXPECT_GT(first, 0);
    EXPECT_LT(first, all);
    Click(Widget<QToolButton>(28));  // same keyword again: not narrowed further
    EXPECT_EQ(Rows(), first);
    EXPECT_FALSE(pendingSearch);
    TypeInto(41, "3");  // any later fill shows everything again
    EXPECT_EQ(Rows(), all);
    TypeInto(41, "");
}

TEST_F(Search79, NoMatchLeavesOnlyTheNumberColumn) {
    Search("no such size");
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Headers(), std::vector<std::string>{"序号"});
    DoubleClickEmptyList();
    EXPECT_EQ(Clipboard(), "");
}

TEST_F(Search79, QuotesCannotBreakOrExtendTheStatement) {
    Search("HW100'");
    EXPECT_TRUE(dbLastOk);  // the statement stays valid
    EXPECT_EQ(Rows(), 0);
    Search("x%'); drop table SUBTYPES; --");
    EXPECT_TRUE(dbLastOk);
    EXPECT_EQ(Rows(), 0);
    const ResultGrid g = QueryCatalogue("select count(*) from SUBTYPES");
    ASSERT_EQ(g.rowCount, 2);
    EXPECT_EQ(g.Cell(1, 0), "81");
    // The table of the page answers as before.
    ShowSubtype(79);
    EXPECT_EQ(Rows(), all);
}

TEST(SearchClause, ExactStatementForAKeywordWithoutQuotes) {
    TypeInto(29, "100");
    EXPECT_EQ(SearchFilterClause(Utf8ToGbkBytes("规格,重量")),
              Utf8ToGbkBytes(" and (规格 like '%100%'  or 重量 like '%100%'  )"));
    TypeInto(29, "");
}

}  // namespace
