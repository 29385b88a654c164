// A lone letter is answered without reading a text, and an outcome kept from
// call to call is filled anew: both must give exactly what a fresh
// evaluation of the full text gives.

#include "engine/Known_Values.h"
#include "tests/engine/Recorder.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using CalcModule::Outcome;

// Bit for bit: a number's sign of zero and its last bit count.
std::string Describe(const Outcome &outcome) {
    std::string text = "kind " + std::to_string(int(outcome.Kind)) + " text '" + outcome.Text +
                       "' warnings " + std::to_string(outcome.Warnings) + " number ";
    text += outcome.Number ? std::to_string(std::bit_cast<std::uint64_t>(*outcome.Number))
                           : std::string("none");
    return text;
}

// Everything an evaluation leaves for its callers besides the outcome.
std::string Left_Behind() {
    return "last " + std::to_string(std::bit_cast<std::uint64_t>(CalcModule::Last_Result_Value())) +
           " mode " + std::to_string(int(CalcModule::Calc_Mode)) + " warnings " +
           std::to_string(CalcModule::Warning_Count());
}

// Another evaluation in between, so that what one call leaves behind is its own.
void Disturb() {
    (void)CalcModule::Calculate_Cleaned("1+1=", {16, 8, 2, 0});
}

std::vector<double> Letter_Values() {
    constexpr double Max = std::numeric_limits<double>::max();
    constexpr double Tiny = std::numeric_limits<double>::denorm_min();
    std::vector<double> values = {
        0.0, -0.0, 1, -1, 0.5, 0.1, -0.1, 1.0 / 3, 2.0 / 3, 271, -271,
        // where the texts change form, and either side of it
        1e15, std::nextafter(1e15, 0.0), -1e15, 999999999999999.5, 1e-4, std::nextafter(1e-4, 0.0),
        1e-5, 1e-8, std::nextafter(1e-8, 0.0), 0.00012345678901234567,
        // 15-digit ties and values next to them
        0.1234567890123455, 1.000000000000005, 9.999999999999995, 99999999999999.95,
        123456789012345.6,
        // huge, tiny, beyond the texts' reach and not numbers at all
        1e300, -1e300, 1.7976931348623157e308, Max, -Max, 1e-300, 2.2250738585072014e-308, Tiny,
        -Tiny, 1e22, 1e23, 4.35e-9, std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
    // the positions a drawing steps through, accumulated as it does
    for (double x = -271; x <= 271; x += 0.731) values.push_back(x);
    for (double x = -3; x <= 3; x += 0.001) values.push_back(x);
    std::mt19937_64 random(16);
    std::uniform_real_distribution<double> plain(-1e6, 1e6);
    std::uniform_int_distribution<int> decade(-320, 308);
    for (int i = 0; i < 20000; ++i) {
        // every bit pattern, ordinary numbers, and numbers of every size
        const double any = std::bit_cast<double>(random());
        values.push_back(any);
        values.push_back(plain(random));
        values.push_back(plain(random) * std::pow(10.0, decade(random)));
    }
    return values;
}

TEST(LoneLetter, AnswersExactlyAsTheFullEvaluation) {
    struct Settings {
        std::uint8_t base, word_length, angle_unit;
    };
    const Settings settings[] = {{10, 32, 1}, {10, 32, 0}, {16, 32, 2}, {2, 8, 0}, {8, 16, 1}};
    const std::vector<double> values = Letter_Values();
    Warning_Recorder recorder;
    Outcome shortcut, full;
    int checked = 0;
    for (const Settings &s : settings) {
        const CalcModule::Calc_Settings calc{s.base, s.word_length, s.angle_unit, 1};
        for (std::size_t i = 0; i < values.size(); ++i) {
            // x above all, and now and then another letter
            const char letter = i % 7 == 3 ? "abcdfgxyz"[i % 9] : 'x';
            CalcModule::Variable_Values[std::size_t(letter - 'a')] = values[i];
            const std::string expression{letter, '='};
            Disturb();
            full = CalcModule::Calculate_Cleaned(expression, calc);
            const std::string full_left = Left_Behind();
            Disturb();
            CalcModule::Calculate_Letter(letter, calc, shortcut);
            ASSERT_EQ(Describe(shortcut), Describe(full))
                << letter << " = " << values[i] << " in base " << int(s.base);
            ASSERT_EQ(Left_Behind(), full_left) << values[i];
            ++checked;
        }
    }
    EXPECT_GT(checked, 300000);
    EXPECT_TRUE(recorder.messages.empty());
    CalcModule::Variable_Values.fill(0);
}

TEST(LoneLetter, OnlyALetterThatStandsForItsValueIsOne) {
    EXPECT_TRUE(CalcModule::Is_Lone_Letter("x"));
    EXPECT_TRUE(CalcModule::Is_Lone_Letter("a"));
    for (const char *text : {"e", "", "xx", "-x", "x=", "X", "1", "("})
        EXPECT_FALSE(CalcModule::Is_Lone_Letter(text)) << text;

    // where no shortcut applies the full evaluation answers: "e" begins a
    // number that takes the "=" for its exponent, and outside letter mode a
    // letter does not read
    Warning_Recorder recorder;
    CalcModule::Variable_Values['e' - 'a'] = 5;
    CalcModule::Variable_Values['x' - 'a'] = 5;
    struct Case {
        char letter;
        std::uint8_t mode;
        const char *text;
        CalcModule::Outcome_Kind kind;
    };
    const Case cases[] = {{'e', 1, "", CalcModule::Outcome_Kind::Failed},
                          {'x', 0, "!", CalcModule::Outcome_Kind::Malformed},
                          {'A', 1, "!", CalcModule::Outcome_Kind::Malformed}};
    for (const Case &c : cases) {
        Outcome outcome;
        CalcModule::Calculate_Letter(c.letter, {10, 32, 0, c.mode}, outcome);
        EXPECT_EQ(outcome.Text, c.text) << c.letter;
        EXPECT_EQ(outcome.Kind, c.kind) << c.letter;
        const std::string expression{c.letter, '='};
        EXPECT_EQ(Describe(outcome),
                  Describe(CalcModule::Calculate_Cleaned(expression, {10, 32, 0, c.mode})));
    }
    CalcModule::Variable_Values.fill(0);
}

// An outcome reused across values, failures, malformed texts and long texts
// keeps nothing of the one before, though its text trades places with the
// engine's own.
TEST(KeptOutcome, IsFilledAnewAtEveryCall) {
    const char *expressions[] = {"1+2=",
                                 "sin(x)=",
                                 "1/0=",
                                 "1/0+5=",
                                 "(1+2=",
                                 "+5*2=",
                                 "1e400=",
                                 "0=",
                                 "-x*0=",
                                 "x^100=",
                                 "123456789012345678901234567890=",
                                 "sqr(-1)=",
                                 "ln(x)*1000000=",
                                 "",
                                 "="};
    Warning_Recorder recorder;
    std::mt19937 random(9);
    Outcome kept;
    for (int run = 0; run < 3000; ++run) {
        const char *expression = expressions[random() % std::size(expressions)];
        CalcModule::Variable_Values['x' - 'a'] = double(int(random() % 2001) - 1000) / 7;
        const std::uint8_t base = run % 5 == 0 ? 16 : 10;
        const CalcModule::Calc_Settings settings{base, 32, 1, 1};
        const Outcome fresh = CalcModule::Calculate_Cleaned(expression, settings);
        const std::size_t messages = recorder.messages.size();
        CalcModule::Calculate_Cleaned(expression, settings, kept);
        ASSERT_EQ(Describe(kept), Describe(fresh)) << expression;
        // the warnings are raised again, once more each
        ASSERT_EQ(recorder.messages.size() - messages, std::size_t(fresh.Warnings)) << expression;
        // and the text is the one the engine's own call answers
        std::string consumed = expression;
        ASSERT_EQ(kept.Text, CalcModule::Evaluate_Expression(consumed, base, 32, 1, 1))
            << expression;
    }
    CalcModule::Variable_Values.fill(0);
}

} // namespace
