#include "tests/engine/Recorder.h"

#include <gtest/gtest.h>

using namespace CalcModule;

namespace {
std::string Filter(std::string text, std::uint8_t mode, std::uint8_t base = 10) {
    const std::uint8_t saved = Number_Base;
    Number_Base = base;
    std::string result = Filter_Expression(text, mode);
    EXPECT_TRUE(text.empty()) << "the text passed in is consumed";
    Number_Base = saved;
    return result;
}
} // namespace

TEST(Filter, CleansByModeAndBase) {
    struct Case {
        const char *in;
        std::uint8_t mode, base;
        const char *out;
    };
    const Case cases[] = {{"2 + 3 =", 0, 10, "2+3="},        {"2x+1=", 0, 10, "2+1="},
                          {"2x+1=", 1, 10, "2x+1="},         {"sin30+2x", 0, 10, "sin30+2"},
                          {"Sin(30)", 0, 10, "(30)"},        {"FF+1=", 0, 10, "+1="},
                          {"FF+1=", 0, 16, "FF+1="},         {"1E5+e", 0, 10, "15+e"},
                          {"7 mod 4*2=", 0, 10, "7mod4*2="}, {"x xor 3", 0, 10, "xor3"},
                          {"abc and def=", 0, 10, "ande="},  {"2，3×4÷5=", 0, 10, "2345="},
                          {"π+√2=", 1, 10, "+2="},           {"", 0, 10, ""}};
    for (const auto &c : cases) EXPECT_EQ(Filter(c.in, c.mode, c.base), c.out) << c.in;
}

TEST(Readers, OperandsAndOperators) {
    Calc_Mode = 0;
    std::string text = "-12.5e-3*2=";
    EXPECT_EQ(Read_Operand(text), "-12.5e-3");
    EXPECT_EQ(text, "*2=");
    EXPECT_EQ(Read_Operator(text), "*");
    EXPECT_EQ(text, "2=");

    for (std::uint8_t mode : {0, 1}) {
        Calc_Mode = mode;
        text = "sin30=";
        EXPECT_EQ(Read_Operand(text), "");
        EXPECT_EQ(text, "sin30=");
        EXPECT_EQ(Read_Operator(text), "sin");
    }
    struct Case {
        const char *in, *token, *rest;
    };
    const Case operators[] = {
        {"log2=", "log", "2="}, {"ln2=", "ln", "2="}, {"2+3", "", "2+3"}, {"or1", "or", "1"},
        {"mod", "mod", ""},     {"m", "", "m"},       {"", "", ""}};
    for (const auto &c : operators) {
        text = c.in;
        EXPECT_EQ(Read_Operator(text), c.token) << c.in;
        EXPECT_EQ(text, c.rest) << c.in;
    }
    Calc_Mode = 0;
    text = "e*2=";
    EXPECT_EQ(Read_Operand(text), "e*2");
    text = "2e中=";
    EXPECT_EQ(Read_Operand(text), "2e中"); // the character after "e" is taken whole
    EXPECT_EQ(text, "=");
    text = "2e";
    EXPECT_THROW(Read_Operand(text), std::invalid_argument);
    text = "5";
    EXPECT_THROW(Read_Operand(text), std::invalid_argument);
}

TEST(Readers, LetterValuesInModeOne) {
    Variable_Values['x' - 'a'] = 0.5;
    Variable_Values['b' - 'a'] = 1e20;
    std::string text = "x^2=";
    Filter_Expression(text, 1); // sets the mode, as every caller does first
    text = "x^2=";
    EXPECT_EQ(Read_Operand(text), "0.5");
    EXPECT_EQ(text, "^2=");
    text = "xor3";
    EXPECT_EQ(Read_Operand(text), "");
    text = "b=";
    EXPECT_EQ(Read_Operand(text), "1E+20");
    Filter_Expression(text, 0);
    text = "x^2=";
    EXPECT_EQ(Read_Operand(text), "");
    Variable_Values.fill(0);
}

TEST(Priorities, CodesAndCharacterClasses) {
    struct Case {
        const char *text;
        int code;
    };
    const Case codes[] = {{"=", 1},    {")", 3},    {"+", 5},   {"-", 5},  {"*", 7},   {"/", 7},
                          {"mod", 7},  {"and", 7},  {"xor", 7}, {"or", 7}, {"^", 9},   {"ln", 11},
                          {"sin", 11}, {"acs", 11}, {"!", 13},  {"(", 15}, {"Sin", 0}, {"sinh", 0},
                          {"", 0},     {"x", 0},    {"o", 0}};
    for (const auto &c : codes) EXPECT_EQ(Operator_Priority(c.text), c.code) << c.text;

    Number_Base = 10;
    EXPECT_EQ(Digit_Class("1"), 1);
    EXPECT_EQ(Digit_Class("9x"), 9);
    EXPECT_EQ(Digit_Class("0"), 10);
    EXPECT_EQ(Digit_Class("."), 11);
    EXPECT_EQ(Digit_Class("e"), 101);
    EXPECT_EQ(Digit_Class("E"), 0);
    EXPECT_EQ(Digit_Class("A"), 0);
    Number_Base = 16;
    EXPECT_EQ(Digit_Class("A"), 65);
    EXPECT_EQ(Digit_Class("F"), 70);
    EXPECT_EQ(Digit_Class("a"), 0);
    Number_Base = 10;
    EXPECT_THROW(Digit_Class(""), std::invalid_argument);
    EXPECT_EQ(Is_Lower_Letter("a"), 1);
    EXPECT_EQ(Is_Lower_Letter("z9"), 1);
    EXPECT_EQ(Is_Lower_Letter("A"), 0);
    EXPECT_EQ(Is_Lower_Letter(""), 0);
}

TEST(Priorities, CompareDecisionTable) {
    struct Case {
        const char *top, *incoming;
        int code;
    };
    const Case cases[] = {{"+", "-", 2},   {"+", "*", 0},     {"*", "+", 2},   {"^", "^", 2},
                          {"^", "(", 0},   {"!", "+", 1},     {"!", "!", 1},   {"!", "(", 0},
                          {"sin", "^", 1}, {"sin", "sin", 0}, {"sin", "!", 0}, {"(", ")", 3},
                          {"(", "+", 0},   {"=", "=", 0},     {")", "+", 0},   {"+", "x", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(Compare_Priority(c.top, c.incoming), c.code) << c.top << " " << c.incoming;
}
