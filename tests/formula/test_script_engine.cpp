#include <gtest/gtest.h>

#include <string>

#include "script_engine.h"

namespace {

std::string Eval(const std::string& text) {
    ScriptEngine engine;
    return engine.Eval(text);
}

TEST(ScriptEngine, ArithmeticAndPrecedence) {
    EXPECT_EQ(Eval("1+2*3"), "7");
    EXPECT_EQ(Eval("(1+2)*3"), "9");
    EXPECT_EQ(Eval("8/2/2"), "2");    // left-associative
    EXPECT_EQ(Eval("7-2-1"), "4");
    EXPECT_EQ(Eval("1/4"), "0.25");   // real division
    EXPECT_EQ(Eval("-3+5"), "2");
    EXPECT_EQ(Eval("- -3"), "3");
    EXPECT_EQ(Eval("+4"), "4");
    EXPECT_EQ(Eval("2*-3"), "-6");
    EXPECT_EQ(Eval(" \t1\n+\r\n2 "), "3");
    EXPECT_EQ(Eval("12.50*2"), "25");
    EXPECT_EQ(Eval("1e3+.5"), "1000.5");
    EXPECT_EQ(Eval("1e-06"), "1e-06");
    EXPECT_EQ(Eval("2E+2"), "200");
    EXPECT_EQ(Eval("0.1+0.2"), "0.3");  // 15 significant digits
    EXPECT_EQ(Eval("1/3"), "0.333333333333333");
}

// What a calculation needs to tell a bad result from a missing one.
TEST(ScriptEngine, TellsOverflowAndNegativePartsFromMalformedText) {
    ScriptEngine engine;
    EXPECT_EQ(engine.Eval("1e308*10"), "");
    EXPECT_TRUE(engine.LastValueNotFinite());
    EXPECT_EQ(engine.Eval("Math.sqrt(0-1)"), "");
    EXPECT_TRUE(engine.LastValueNotFinite());
    EXPECT_EQ(engine.Eval("1+*2"), "");
    EXPECT_FALSE(engine.LastValueNotFinite());
    // A web (h-t1-t2) below zero, in parentheses or brackets.
    EXPECT_EQ(engine.Eval("200*12+(300-200-14)*8"), "3088");
    EXPECT_FALSE(engine.LastHadNegativePart());
    EXPECT_EQ(engine.Eval("200*200+(300-200-200)*8"), "39200");
    EXPECT_TRUE(engine.LastHadNegativePart());
    engine.Eval("[(300-400)*2]/100");
    EXPECT_TRUE(engine.LastHadNegativePart());
    // Under a root the sign of a part is free (a wedge's h1 - h2), and a bare difference is no part.
    engine.Eval("Math.sqrt(1000*1000+(300-500)*(300-500))");
    EXPECT_FALSE(engine.LastHadNegativePart());
    engine.Eval("2-3");
    EXPECT_FALSE(engine.LastHadNegativePart());
    engine.Eval("1+*2");
    EXPECT_FALSE(engine.LastHadNegativePart());
}

TEST(ScriptEngine, BracketsGroupLikeParentheses) {
    EXPECT_EQ(Eval("[3]+1"), "4");
    EXPECT_EQ(Eval("[1+2]*[3+4]"), "21");
    EXPECT_EQ(Eval("([2])"), "2");
    EXPECT_EQ(Eval("[2)"), "");
    EXPECT_EQ(Eval("(2]"), "");
}

TEST(ScriptEngine, SquareRoot) {
    EXPECT_EQ(Eval("Math.sqrt(16)"), "4");
    EXPECT_EQ(Eval("Math.sqrt(3*3+4*4)*2"), "10");
    EXPECT_EQ(Eval("Math.sqrt (9)"), "3");
    EXPECT_EQ(Eval("Math.sqrt(-1)"), "");  // not a finite value
    EXPECT_EQ(Eval("math.sqrt(4)"), "");
    EXPECT_EQ(Eval("Math.sqrt"), "");
}

TEST(ScriptEngine, TextsWithoutAValueGiveTheEmptyText) {
    for (const char* bad : {"", "   ", "1+", "(2", "2**3", "Math.sqrt(", "abc", "1,5", "1e", "--", "1 2", "1/0",
                            "0/0", "pi", "3.1.4", ".", "+", "()", "[]", "1e999*1e999", "#"}) {
        EXPECT_EQ(Eval(bad), "") << bad;
    }
}

TEST(ScriptEngine, DeepNestingEndsWithoutAValueInsteadOfACrash) {
    EXPECT_EQ(Eval(std::string(10000, '(') + "1" + std::string(10000, ')')), "");
    EXPECT_EQ(Eval(std::string(10000, '(')), "");
    EXPECT_EQ(Eval(std::string(10000, '-') + "1"), "");
    EXPECT_EQ(Eval(std::string(50, '(') + "1" + std::string(50, ')')), "1");
}

TEST(ScriptEngine, NumbersBeyondTheRangeOfADouble) {
    const std::string zeros(400, '0');
    EXPECT_EQ(Eval("0." + zeros + "1"), "0");        // too small: zero, not "no value"
    EXPECT_EQ(Eval("1" + zeros + "e-500"), "1e-100");
    EXPECT_EQ(Eval("0." + zeros + "1e500"), "1e+99");
    EXPECT_EQ(Eval("1" + zeros), "");                // too large: infinite
    EXPECT_EQ(Eval("1e-99999999999999999999+2"), "2");
    EXPECT_EQ(Eval("0e99999999999999999999"), "0");
    EXPECT_EQ(Eval("1e-310"), "9.99999999999997e-311");  // subnormals are values
}

TEST(ScriptEngine, LeadingZerosAreDecimal) {
    EXPECT_EQ(Eval("010*2"), "20");
    EXPECT_EQ(Eval("012.50"), "12.5");
}

TEST(ScriptEngine, NegativeZeroIsWrittenAsZero) {
    EXPECT_EQ(Eval("-0"), "0");
    EXPECT_EQ(Eval("0*-1"), "0");
}

}  // namespace
