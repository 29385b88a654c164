// The choice between "0.#################" and "0.#################e+0" for
// the main window's results, over values from 1e-20 to 1e20. The expected
// texts are written here from the digits the value was made from.

#include "engine/Display_Pattern.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

// digits d1 d2 ... with the first one at 10^exponent, as the fixed pattern
// writes them: at least one digit before the point, the point always there
std::string Fixed(const std::string &digits, int exponent) {
    const int n = int(digits.size());
    if (exponent < 0) return "0." + std::string(-exponent - 1, '0') + digits;
    std::string whole = digits.substr(0, std::min(n, exponent + 1));
    whole.append(std::max(0, exponent + 1 - n), '0');
    return whole + "." + (n > exponent + 1 ? digits.substr(exponent + 1) : "");
}

std::string Exponent(const std::string &digits, int exponent) {
    return digits.substr(0, 1) + "." + digits.substr(1) + "e" + (exponent < 0 ? "-" : "+") +
           std::to_string(std::abs(exponent));
}

} // namespace

TEST(Display_Pattern, FixedWhereItShowsEveryDigitExponentOtherwise) {
    // significant digits without trailing zeros, up to the 15 a result keeps
    const char *mantissas[] = {
        "1", "5", "16", "32", "123456789", "123456789012345", "999999999999999"};
    int exponent_pattern = 0;
    for (const char *m : mantissas) {
        const std::string digits = m;
        const int n = int(digits.size());
        for (int exponent = -20; exponent <= 20; ++exponent) {
            const std::string written =
                digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent);
            const double value = std::strtod(written.c_str(), nullptr);
            // the fixed pattern has room for 17 decimals
            const bool whole = n - 1 - exponent <= 17;
            const std::string small = whole ? Fixed(digits, exponent) : Exponent(digits, exponent);
            exponent_pattern += !whole;
            EXPECT_EQ(CalcModule::Value_Display_Text(value), small) << written;
            EXPECT_EQ(CalcModule::Value_Display_Text(-value), "-" + small) << written;
            // "=" writes every value above 1e15 with its exponent, and negative
            // values only where the fixed pattern would lose digits
            EXPECT_EQ(CalcModule::Result_Display_Text(value),
                      value > 1e15 ? Exponent(digits, exponent) : small)
                << written;
            EXPECT_EQ(CalcModule::Result_Display_Text(-value), "-" + small) << written;
        }
    }
    EXPECT_GT(exponent_pattern, 20);
}

TEST(Display_Pattern, ValuesTheFixedPatternShowsWholeKeepTheirText) {
    struct Case {
        double value;
        const char *text;
    };
    const Case cases[] = {
        {0, "0."},
        {1.0 / 3, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {1e-17, "0.00000000000000001"},
        {1.5e-17, "1.5e-17"},
        {5e-18, "5.e-18"}, // the fixed pattern would round it up to 1e-17
        {1.6e-19 * 2, "3.2e-19"},
        {1.23456789e-12, "1.23456789e-12"},
        {0.00123456789012345, "0.00123456789012345"},
        {0.000123456789012345, "1.23456789012345e-4"},
        {1e15, "1000000000000000."},
        {1e16, "1.e+16"},
        {-1e20, "-100000000000000000000."},
        {4.9406564584124654e-324, "4.94065645841247e-324"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CalcModule::Result_Display_Text(c.value), c.text) << c.value;
}
