#include "engine/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

using namespace CalcModule;

TEST(NumberText, LeadingNumberValue) {
    struct Case {
        const char *text;
        double value;
    };
    const Case cases[] = {{"3.", 3},        {"12abc", 12}, {"1.5e-3x", 0.0015}, {"", 0},
                          {"abc", 0},       {"-", 0},      {" 1 2\t3\n", 123},  {"- 5", -5},
                          {"+7", 7},        {"2D3", 2000}, {"2d-1", 0.2},       {"1E2", 100},
                          {"1e", 1},        {"1e+", 1},    {".5", 0.5},         {"-.5", -0.5},
                          {"1.2.3", 1.2},   {"--5", 0},    {"1e-400", 0},       {"-0", 0},
                          {"0.000e999", 0}, {"FF", 0},     {"7FFFFFFF", 7}};
    for (const auto &c : cases) EXPECT_EQ(Leading_Number_Value(c.text), c.value) << c.text;
    EXPECT_FALSE(std::signbit(Leading_Number_Value("-0.0")));
    EXPECT_THROW(Leading_Number_Value("1e999"), std::range_error);
    EXPECT_THROW(Leading_Number_Value("-2e308"), std::range_error);
    EXPECT_THROW(Leading_Number_Value("1e99999999999999999999"), std::range_error);
    EXPECT_EQ(Leading_Number_Value("0.00001e-99999999999999999999"), 0);
}

TEST(NumberText, StandardNumberText) {
    struct Case {
        double value;
        const char *text;
    };
    const Case cases[] = {{2.5, "2.5"},
                          {3, "3"},
                          {-0.125, "-0.125"},
                          {0, "0"},
                          {-0.0, "0"},
                          {1e15, "1E+15"},
                          {1.23456789012346e20, "1.23456789012346E+20"},
                          {999999999999999.6, "1E+15"},
                          {999999999999999, "999999999999999"},
                          {0.1 + 0.2, "0.3"},
                          {1.0 / 3, "0.333333333333333"},
                          {0.0001, "0.0001"},
                          {0.00001, "1E-05"},
                          {-1.5e-7, "-1.5E-07"},
                          {1e100, "1E+100"},
                          {123456.789, "123456.789"},
                          {std::numeric_limits<double>::max(), "1.79769313486232E+308"}};
    for (const auto &c : cases) EXPECT_EQ(Standard_Number_Text(c.value), c.text) << c.value;
}

TEST(NumberText, DisplayPatterns) {
    struct Case {
        double value;
        const char *function, *fixed, *sci;
    };
    const Case cases[] = {
        {3, "3.", "3.", "3.e+0"},
        {0.25, "0.25", "0.25", "2.5e-1"},
        {-2, "-2.", "-2.", "-2.e+0"},
        {0, "0.", "0.", "0.e+0"},
        {-0.0, "0.", "0.", "0.e+0"},
        {1e16, "10000000000000000.", "10000000000000000.", "1.e+16"},
        {1.5e20, "150000000000000000000.", "150000000000000000000.", "1.5e+20"},
        {1500, "1500.", "1500.", "1.5e+3"},
        {1.0 / 3, "0.333333333333333", "0.333333333333333", "3.33333333333333e-1"},
        {0.1 + 0.2, "0.3", "0.3", "3.e-1"},
        {4e-18, "0.", "0.", "4.e-18"},
        {5e-18, "0.", "0.00000000000000001", "5.e-18"},
        {-5e-16, "-0.000000000000001", "-0.0000000000000005", "-5.e-16"},
        {-4e-16, "0.", "-0.0000000000000004", "-4.e-16"},
        {1.23456789012345e-10, "0.000000000123457", "0.00000000012345679", "1.23456789012345e-10"},
        {0.999999999999999999, "1.", "1.", "1.e+0"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Function_Result_Text(c.value), c.function) << c.value;
        EXPECT_EQ(Fixed_Display_Text(c.value), c.fixed) << c.value;
        EXPECT_EQ(Sci_Display_Text(c.value), c.sci) << c.value;
    }
}

TEST(NumberText, IntegerRoundingHalvesToEven) {
    struct Case {
        double value;
        std::int32_t rounded;
    };
    const Case cases[] = {{2.5, 2},
                          {3.5, 4},
                          {-2.5, -2},
                          {0.5, 0},
                          {-0.5, 0},
                          {2147483647.4, 2147483647},
                          {-2147483648.5, -2147483648},
                          {-2147483648.0, -2147483648}};
    for (const auto &c : cases) EXPECT_EQ(Round_To_Int32(c.value), c.rounded) << c.value;
    for (double bad : {2147483647.5, -2147483649.0, 1e300, std::nan(""),
                       std::numeric_limits<double>::infinity()})
        EXPECT_THROW(Round_To_Int32(bad), std::overflow_error) << bad;
    EXPECT_EQ(Round_To_Int16(32767.4), 32767);
    EXPECT_EQ(Round_To_Int16(-32768.5), -32768);
    EXPECT_THROW(Round_To_Int16(32767.5), std::overflow_error);
    EXPECT_THROW(Round_To_Int16(-32769), std::overflow_error);
}

TEST(NumberText, HexadecimalAndOctalTexts) {
    EXPECT_EQ(Hex_Text(-1), "FFFFFFFF");
    EXPECT_EQ(Hex_Text(255), "FF");
    EXPECT_EQ(Hex_Text(0), "0");
    EXPECT_EQ(Oct_Text(-1), "37777777777");
    EXPECT_EQ(Oct_Text(8), "10");
    struct Case {
        const char *text;
        bool ok;
        std::int32_t value;
    };
    const Case cases[] = {{"FFFF", true, 65535},  {"7FFFFFFF", true, 2147483647},
                          {"FFFFFFFF", true, -1}, {"80000000", true, -2147483647 - 1},
                          {"000000001", true, 1}, {"100000000", false, 0},
                          {"", false, 0},         {"ff", false, 0},
                          {"-1", false, 0},       {"1.5", false, 0},
                          {"1G", false, 0}};
    for (const auto &c : cases) {
        std::int32_t value = 0;
        EXPECT_EQ(Read_Hex_Text(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

// What a box reads: the leading number, or nothing beyond the double range,
// never an exception; a number that underflows is 0, not nothing.
TEST(NumberText, LeadingNumberOrNothing) {
    struct Case {
        const char *text;
        std::optional<double> value;
    };
    const Case cases[] = {{"12abc", 12},
                          {"", 0},
                          {"abc", 0},
                          {" - 2.5e1x", -25},
                          {"1e-400", 0},
                          {"1.7976931348623157e308", 1.7976931348623157e308},
                          {"1e309", std::nullopt},
                          {"-1e309", std::nullopt},
                          {"1 e 9 9 9", std::nullopt},
                          {"1d999", std::nullopt}};
    for (const auto &c : cases) EXPECT_EQ(Leading_Number(c.text), c.value) << c.text;
    const std::string long_digits(400, '9');
    EXPECT_EQ(Leading_Number(long_digits), std::nullopt);
    EXPECT_EQ(Leading_Number("0." + long_digits), 1);
}

// Whole numbers for the decimal display after a base change: every digit,
// no exponent, halves to even, never "-0".
TEST(NumberText, WholeNumberText) {
    struct Case {
        double value;
        const char *text;
    };
    const Case cases[] = {{0, "0"},
                          {-0.0, "0"},
                          {-0.3, "0"},
                          {2.5, "2"},
                          {3.5, "4"},
                          {-7.6, "-8"},
                          {4294967295.0, "4294967295"},
                          {-2147483648.0, "-2147483648"},
                          {1e20, "100000000000000000000"},
                          {9007199254740993.0, "9007199254740992"}};
    for (const auto &c : cases) EXPECT_EQ(Whole_Number_Text(c.value), c.text) << c.value;
    // the largest double has 309 digits, all of them written
    const std::string largest = Whole_Number_Text(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 6), "179769");
}

TEST(NumberText, RadixTextInEveryBaseTheWindowsUse) {
    struct Case {
        std::int32_t value;
        int base;
        const char *text;
    };
    const Case cases[] = {{0, 2, "0"},
                          {5, 2, "101"},
                          {-1, 2, "11111111111111111111111111111111"},
                          {-2147483647 - 1, 8, "20000000000"},
                          {255, 8, "377"},
                          {-1, 8, "37777777777"},
                          {48879, 16, "BEEF"},
                          {-2, 16, "FFFFFFFE"},
                          {35, 36, "Z"}};
    for (const auto &c : cases) EXPECT_EQ(Radix_Text(c.value, c.base), c.text) << c.value;
    // a hexadecimal text reads back as the value it was written from
    for (std::int32_t value : {0, 1, 255, 65535, -1, 2147483647, -2147483647 - 1}) {
        std::int32_t read = 0;
        EXPECT_TRUE(Read_Hex_Text(Hex_Text(value), read));
        EXPECT_EQ(read, value);
    }
}

// The names the engine switches on must all stay apart.
TEST(NumberText, NameCodesKeepNamesApart) {
    const std::string_view names[] = {"+",   "-",   "*",   "/",   "^",   "!",   "(",   "or",
                                      "ln",  "mod", "and", "xor", "not", "int", "sin", "cos",
                                      "tan", "log", "sqr", "abs", "atn", "asn", "acs", "sinh"};
    for (const auto a : names)
        for (const auto b : names)
            if (a != b) {
                EXPECT_NE(Name_Code(a), Name_Code(b)) << a << " " << b;
            }
    static_assert(Name_Code("sin") == (std::uint32_t('s') << 16 | 'i' << 8 | 'n'));
    // a longer name keeps its last four characters, never a shorter name's code
    EXPECT_EQ(Name_Code("arcsinh"), Name_Code("sinh"));
    EXPECT_NE(Name_Code("asin"), Name_Code("sin"));
    EXPECT_NE(Name_Code("xxsin"), Name_Code("sin"));
}
