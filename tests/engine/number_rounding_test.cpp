// The number texts take quick routes for common values; these tests hold them
// to exact references (the library's correctly rounded conversions) where a
// quick route is most likely to slip: next to a half of the 15th digit, at
// the edges of a decade, and in the digits of long decimal texts.
#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

// "d.ddde+X" from the exactly rounded 15 significant digits, in the form of
// Sci_Display_Text: trailing zeros dropped, the point kept.
std::string Exact_Scientific(double value) {
    if (value == 0) return "0.e+0";
    char buffer[64];
    const char *end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    std::string text(static_cast<const char *>(buffer), end);
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    while (mantissa.back() == '0') mantissa.pop_back();
    const int exponent = std::atoi(text.c_str() + e + 1);
    return mantissa + (exponent < 0 ? "e-" : "e+") + std::to_string(std::abs(exponent));
}

void Expect_Exact(double value) {
    ASSERT_EQ(CalcModule::Sci_Display_Text(value), Exact_Scientific(value))
        << std::hexfloat << value;
}

} // namespace

TEST(NumberRounding, FifteenDigitsNextToHalvesAndDecadeEdges) {
    std::mt19937_64 random(15);
    for (int i = 0; i < 20000; ++i) {
        // a 15-digit number followed by a 5, in decades from 1e-10 to 1e17
        const std::uint64_t digits = 100000000000000ull + random() % 900000000000000ull;
        const int decade = int(random() % 28) - 10;
        const std::string text = std::to_string(digits) + "5e" + std::to_string(decade - 15);
        double middle = 0;
        std::from_chars(text.data(), text.data() + text.size(), middle);
        double below = middle, above = middle;
        for (int step = 0; step < 3; ++step) {
            Expect_Exact(middle);
            Expect_Exact(-middle);
            Expect_Exact(below = std::nextafter(below, 0.0));
            Expect_Exact(above = std::nextafter(above, INFINITY));
        }
    }
    // exact ties, which go to the even digit
    for (double tie : {123456789012345.5, 123456789012344.5, 0.5, 1.25, 2.5e-5, 999999999999999.5})
        Expect_Exact(tie);
    // around every power of ten, where the scale changes
    for (int power = -12; power <= 17; ++power) {
        const double edge = std::pow(10.0, power);
        double below = edge, above = edge;
        for (int step = 0; step < 8; ++step) {
            Expect_Exact(below = std::nextafter(below, 0.0));
            Expect_Exact(above = std::nextafter(above, INFINITY));
        }
        Expect_Exact(edge);
        Expect_Exact(edge * (1 - 4e-16));
        Expect_Exact(edge * 0.99999999999999951);
    }
    // arbitrary bit patterns
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) Expect_Exact(value);
    }
}

TEST(NumberRounding, LeadingNumberOfDecimalTextsIsCorrectlyRounded) {
    std::mt19937_64 random(16);
    for (int i = 0; i < 200000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const int before = int(random() % 12), after = int(random() % 14);
        for (int d = 0; d < before; ++d) text += char('0' + random() % 10);
        if (after > 0 || random() % 2) text += '.';
        for (int d = 0; d < after; ++d) text += char('0' + random() % 10);
        if (random() % 3 == 0) text += (random() % 2 ? "e-" : "E") + std::to_string(random() % 40);
        const double expected = std::strtod(text.c_str(), nullptr);
        const double value = CalcModule::Leading_Number_Value(text);
        if (expected == 0) {
            EXPECT_FALSE(std::signbit(value)) << text; // never -0
            EXPECT_EQ(value, 0.0) << text;
        } else {
            ASSERT_EQ(value, expected) << text;
        }
    }
    // 2^53 and its neighbours, where a mantissa stops being exact
    for (const char *text : {"9007199254740992", "9007199254740993", "9007199254740993.0",
                             "900719925474099.3e1", "9007199254740991e22", "1e22", "1e23", "1e-22",
                             "1e-23", "4.9e-324", "1234567890123456789", "0.1e-20"})
        EXPECT_EQ(CalcModule::Leading_Number_Value(text), std::strtod(text, nullptr)) << text;
}
