#include <gtest/gtest.h>

#include "codepage.h"
#include "multi_replace.h"
#include "prepare_formula.h"

namespace {

TEST(MultiReplace, CaseFoldingForAsciiOnly) {
    EXPECT_EQ(MultiReplace("pi+PI+Pi+pI", {{"pi", "3"}}, 1, false), "3+3+3+3");
    EXPECT_EQ(MultiReplace("pi+PI", {{"pi", "3"}}, 1, true), "3+PI");
}

TEST(MultiReplace, ScanContinuesBehindEachMatch) {
    EXPECT_EQ(MultiReplace("aaa", {{"aa", "X"}}, 1, false), "Xa");
    // A replacement holding its own find text is not scanned again by its pass.
    EXPECT_EQ(MultiReplace("b+b", {{"b", "bb"}}, 1, false), "bb+bb");
    // A later pass does see it.
    EXPECT_EQ(MultiReplace("t", {{"t", "tw"}, {"w", "1"}}, 1, false), "t1");
}

TEST(MultiReplace, TwoByteCharactersStayWhole) {
    // "丁" is D6 44 in GBK: its second byte is the letter "D".
    const std::string text = Utf8ToGbkBytes("丁D");
    ASSERT_EQ(text.size(), 3u);
    EXPECT_EQ(MultiReplace(text, {{"D", "9"}}, 1, true), Utf8ToGbkBytes("丁9"));
    EXPECT_EQ(MultiReplace(text, {{"d", "9"}}, 1, false), Utf8ToGbkBytes("丁9"));
}

TEST(MultiReplace, StartPositionAndEmptyFind) {
    EXPECT_EQ(MultiReplace("aaaa", {{"a", "b"}}, 3, false), "aabb");
    EXPECT_EQ(MultiReplace("aaaa", {{"a", "b"}}, 0, false), "bbbb");
    EXPECT_EQ(MultiReplace("abc", {{"", "x"}}, 1, false), "abc");
    EXPECT_EQ(MultiReplace("abc", {{"a", "1"}}, 99, false), "abc");
    // At most five pairs.
    EXPECT_EQ(MultiReplace("abcdef", {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"f", "6"}}, 1, false),
              "12345f");
    EXPECT_EQ(MultiReplace("x\r\ny\nz\r", {{"\r\n", ""}, {"\n", ""}, {"\r", ""}}, 1, false), "xyz");
}

TEST(PrepareFormula, ProgramsPiFirstThenBindingsInOrder) {
    EXPECT_EQ(PrepareFormula("pi*D", {{"D", "2"}}), "3.141592653*2");
    EXPECT_EQ(PrepareFormula("PI*p", {{"p", "7.85"}}), "3.141592653*7.85");
    // Order matters: the first binding's value is seen by the later ones.
    EXPECT_EQ(PrepareFormula("t1*t", {{"t1", "5"}, {"t", "2"}}), "5*2");
    EXPECT_EQ(PrepareFormula("t1*t", {{"t", "2"}, {"t1", "5"}}), "21*2");
    std::string a = "(b*t)/100", w = "(b*t*p*l)/1000000", s = "(b*l*2+t*l*2)/1000000";
    PrepareFamilyFormulas(a, w, s, {{"t", "10"}, {"b", "200"}, {"l", "1000"}, {"p", "7.85"}});
    EXPECT_EQ(a, "(200*10)/100");
    EXPECT_EQ(w, "(200*10*7.85*1000)/1000000");
    EXPECT_EQ(s, "(200*1000*2+10*1000*2)/1000000");
}

}  // namespace
