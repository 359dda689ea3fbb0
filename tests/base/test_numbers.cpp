#include <gtest/gtest.h>

#include <cmath>

#include "codepage.h"
#include "numbers.h"

TEST(ReadNumber, TakesTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(ReadNumber("12abc"), 12.0);
    EXPECT_DOUBLE_EQ(ReadNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumber(static_cast<const char*>(nullptr)), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumber("  -3.5e2x"), -350.0);
    EXPECT_DOUBLE_EQ(ReadNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ReadNumber("7."), 7.0);
    EXPECT_DOUBLE_EQ(ReadNumber("1e"), 1.0);
    EXPECT_DOUBLE_EQ(ReadNumber("2e+x"), 2.0);
    EXPECT_DOUBLE_EQ(ReadNumber("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(ReadNumber("-"), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumber("."), 0.0);
    EXPECT_TRUE(std::isinf(ReadNumber("1e999")));
    EXPECT_DOUBLE_EQ(ReadNumber("1e-999"), 0.0);
}

TEST(ReadNumber, FullWidthFormsReadAsAscii) {
    EXPECT_DOUBLE_EQ(ReadNumber(Utf8ToGbkBytes("２")), 2.0);
    EXPECT_DOUBLE_EQ(ReadNumber(Utf8ToGbkBytes("　１２．５")), 12.5);  // full-width blank and stop
    EXPECT_DOUBLE_EQ(ReadNumber(Utf8ToGbkBytes("－３")), -3.0);
    EXPECT_EQ(ReadInteger(Utf8ToGbkBytes("４２ｍｍ")), 42);
    // Other Chinese characters stay whole; their trail bytes are not read as digits.
    EXPECT_DOUBLE_EQ(ReadNumber(Utf8ToGbkBytes("长5")), 0.0);
    EXPECT_EQ(NormalizeFullWidth(Utf8ToGbkBytes("长～＊").c_str()), Utf8ToGbkBytes("长") + "~*");
}

TEST(ReadNumber, SpecialTextsAreNotNumbers) {
    EXPECT_DOUBLE_EQ(ReadNumber("nan"), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumber("inf"), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumber("0x10"), 0.0);
}

TEST(ReadInteger, LikeAtoi) {
    EXPECT_EQ(ReadInteger("19"), 19);
    EXPECT_EQ(ReadInteger(" -7.9"), -7);
    EXPECT_EQ(ReadInteger("x1"), 0);
    EXPECT_EQ(ReadInteger("99999999999999"), 2147483647);
    EXPECT_EQ(ReadInteger("-99999999999999"), -2147483647 - 1);
}

TEST(WriteNumber, ThirteenSignificantDigits) {
    EXPECT_EQ(WriteNumber(2.0), "2");
    EXPECT_EQ(WriteNumber(31.4), "31.4");
    EXPECT_EQ(WriteNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(WriteNumber(1234567890123456.0), "1.234567890123e+15");
    EXPECT_EQ(WriteNumber(0.00001), "1e-05");
    EXPECT_EQ(WriteNumber(-0.5), "-0.5");
}

TEST(RoundTo, HalfAwayFromZeroWithNudge) {
    EXPECT_DOUBLE_EQ(RoundTo(0.0625, 3), 0.063);
    EXPECT_DOUBLE_EQ(RoundTo(0.5005, 3), 0.501);
    EXPECT_DOUBLE_EQ(RoundTo(2.0004999, 3), 2.0);
    EXPECT_DOUBLE_EQ(RoundTo(-0.0625, 3), -0.063);
    EXPECT_DOUBLE_EQ(RoundTo(58.02724, 3), 58.027);
    EXPECT_DOUBLE_EQ(RoundTo(2.5, 0), 3.0);
}

TEST(IsPositive, Threshold) {
    EXPECT_FALSE(IsPositive(0.0000001));
    EXPECT_TRUE(IsPositive(0.00000011));
    EXPECT_FALSE(IsPositive(-1.0));
    EXPECT_FALSE(IsPositive(std::nan("")));
}
