#include "radix/RadixModule.h"

#include <gtest/gtest.h>

using namespace RadixModule;

TEST(Radix, DecToBinRoundsOnlyFirst) {
    struct Case {
        double x;
        const char *text;
        double after;
    };
    const Case cases[] = {
        {0, "0", 0},     {6, "110", 0}, {2.5, "10", 0},
        {3.5, "100", 0}, {0.3, "0", 0}, {0.5, "0", 0},
        {-1, "", -1},    {1, "1", 0},   {2147483647, "1111111111111111111111111111111", 0}};
    for (const auto &c : cases) {
        double x = c.x;
        EXPECT_EQ(Dec_To_Bin(x), c.text) << c.x;
        EXPECT_EQ(x, c.after) << c.x;
    }
    double too_big = 2147483647.5;
    EXPECT_THROW(Dec_To_Bin(too_big), std::overflow_error);
}

TEST(Radix, DigitTextsToNumbers) {
    EXPECT_EQ(Bin_To_Dec("110"), 6);
    EXPECT_EQ(Bin_To_Dec(""), 0);
    EXPECT_EQ(Bin_To_Dec("12"), 4);
    EXPECT_EQ(Bin_To_Dec("1x1"), 5);
    EXPECT_EQ(Oct_To_Dec("17"), 15);
    EXPECT_EQ(Oct_To_Dec("18"), 8);
    EXPECT_EQ(Oct_To_Dec(""), 0);
    EXPECT_EQ(Oct_To_Dec("37777777777"), 4294967295.0);
    // a character beyond ASCII takes one position, whatever its length in bytes
    EXPECT_EQ(Oct_To_Dec("1中"), 8);
    EXPECT_EQ(Bin_To_Dec("1中"), 2);
    EXPECT_THROW(Bin_To_Dec(std::string(1100, '1')), std::overflow_error);
    EXPECT_THROW(Oct_To_Dec("1" + std::string(400, '0')), std::overflow_error);
}

TEST(Radix, TableConversions) {
    struct Case {
        std::string (*convert)(std::string_view);
        const char *in;
        std::string out;
    };
    const Case cases[] = {{Hex_To_Bin, "1f", "11111"},
                          {Hex_To_Bin, "FFFFFFFF", std::string(32, '1')},
                          {Hex_To_Bin, "0", ""},
                          {Hex_To_Bin, "1G2", "10010"},
                          {Bin_To_Hex, "11111", "1F"},
                          {Bin_To_Hex, "0000", ""},
                          {Bin_To_Hex,
                           "0120"
                           "0001",
                           "1"},
                          {Bin_To_Hex, "11中1111", "F"},
                          {Bin_To_Oct, "1000", "10"},
                          {Bin_To_Oct, "1中111", "7"},
                          {Oct_To_Bin, "17", "1111"},
                          {Oct_To_Bin, "19", "1"},
                          {Oct_To_Hex, "777", "1FF"},
                          {Hex_To_Oct, "ff", "377"},
                          {Hex_To_Oct, "FFFFFFFF", "37777777777"}};
    for (const auto &c : cases) EXPECT_EQ(c.convert(c.in), c.out) << c.in;
}
