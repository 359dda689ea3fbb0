#include <gtest/gtest.h>

#include "codepage.h"
#include "program_directory.h"
#include "texts.h"

namespace {
// "中文" in GBK
const char kZhongWen[] = "\xD6\xD0\xCE\xC4";
}

TEST(Texts, LengthCountsBytesAndNullIsEmpty) {
    EXPECT_EQ(TextLength(static_cast<const char*>(nullptr)), 0);
    EXPECT_EQ(TextLength("abc"), 3);
    EXPECT_EQ(TextLength("\xD6\xD0"), 2);
}

TEST(Texts, ConcatSkipsMissingParts) {
    EXPECT_EQ(ConcatTexts({nullptr, "abc"}), "abc");
    EXPECT_EQ(ConcatTexts({"a", "", "bc", nullptr, kZhongWen}), std::string("abc") + kZhongWen);
}

TEST(Texts, GbkToUtf16) {
    EXPECT_TRUE(GbkToUtf16("").empty());
    EXPECT_TRUE(GbkToUtf16(static_cast<const char*>(nullptr)).empty());
    EXPECT_EQ(GbkToUtf16(kZhongWen), u"中文");
    // Full-width and symbol characters the catalogue uses survive both ways.
    const std::string utf8 = "×口《》，∕／～";
    EXPECT_EQ(GbkToUtf8(Utf8ToGbkBytes(utf8)), utf8);
    EXPECT_EQ(Utf16ToGbk(GbkToUtf16(Utf8ToGbkBytes(utf8))), Utf8ToGbkBytes(utf8));
}

TEST(Texts, ConversionsReplaceWhatCannotBeConverted) {
    // An emoji has no GBK form: it becomes the default character, the rest stays.
    EXPECT_EQ(Utf8ToGbkBytes("a\xF0\x9F\x98\x80" "b"), "a?b");
    // A lone GBK lead byte at the end does not swallow the text before it.
    EXPECT_EQ(GbkToUtf8("ab\xD6"), "ab\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToGbk(u"x\xD800y"), "x?y");
}

TEST(ProgramDirectory, HasNoTrailingSeparatorAndHoldsThisProgram) {
    const std::string dir = ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '/');
    EXPECT_EQ(dir.front(), '/');
}

TEST(ProgramDirectory, NativePathAcceptsBothSeparators) {
    EXPECT_EQ(NativePath(Utf8ToGbkBytes("/d/A\\Image\\关闭.png")), "/d/A/Image/关闭.png");
    // "乗"-like characters whose GBK trail byte is 0x5C must not be split.
    const std::string gbkWithBackslashTrail = "\x81\x5C";  // a GBK character ending in 0x5C
    EXPECT_EQ(NativePath("/x/" + gbkWithBackslashTrail), "/x/" + GbkToUtf8(gbkWithBackslashTrail));
}
