#include "engine/CalcModule.h"
#include "engine/NumberText.h"
#include "engine/Outcome.h"
#include "tests/engine/Recorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <stdexcept>

using CalcModule::Outcome_Kind;

TEST(Calculate, TellsValueMalformedAndFailedApart) {
    struct Case {
        const char *text;
        std::uint8_t base, mode;
        Outcome_Kind kind;
        const char *result;
        std::optional<double> number;
        int warnings;
    };
    const Case cases[] = {
        {"1 + 2 =", 10, 0, Outcome_Kind::Value, "3", 3, 0},
        {"2*x+y=", 10, 1, Outcome_Kind::Value, "5.5", 5.5, 0},
        // a lone number comes back as written, even beyond the double range
        {"1e400=", 10, 0, Outcome_Kind::Value, "1e400", std::nullopt, 0},
        {"1/0=", 10, 0, Outcome_Kind::Failed, "", 0, 1},
        // the failed division counts as an empty operand: a text, but no value
        {"1/0+5=", 10, 0, Outcome_Kind::Failed, "5", 5, 1},
        {"(1+2=", 10, 0, Outcome_Kind::Malformed, "!", std::nullopt, 0},
        // malformed wins over the failure reported on the way
        {"+5*2=", 10, 0, Outcome_Kind::Malformed, "!", std::nullopt, 1},
        // other bases: the text as the engine writes it, its number read as decimal
        {"FF+1=", 16, 0, Outcome_Kind::Value, "100", 100, 0},
        {"A+1=", 16, 0, Outcome_Kind::Value, "B", 0, 0},
        {"11+1=", 2, 0, Outcome_Kind::Value, "100", 100, 0},
    };
    CalcModule::Variable_Values['x' - 'a'] = 3;
    CalcModule::Variable_Values['y' - 'a'] = -0.5;
    for (const auto &c : cases) {
        Warning_Recorder recorder;
        CalcModule::Number_Base = c.base;
        const CalcModule::Outcome outcome = CalcModule::Calculate(c.text, {c.base, 32, 0, c.mode});
        EXPECT_EQ(outcome.Kind, c.kind) << c.text;
        EXPECT_EQ(outcome.Text, c.result) << c.text;
        EXPECT_EQ(outcome.Number, c.number) << c.text;
        EXPECT_EQ(outcome.Warnings, c.warnings) << c.text;
        // every warning still reaches the handler that was installed
        EXPECT_EQ(int(recorder.messages.size()), c.warnings) << c.text;
    }
    CalcModule::Number_Base = 10;
    CalcModule::Variable_Values.fill(0);
}

TEST(Calculate, LeavesTheInstalledHandlerInPlace) {
    Warning_Recorder outer;
    {
        Warning_Recorder inner;
        EXPECT_EQ(CalcModule::Calculate("0!=", {}).Warnings, 1);
        EXPECT_EQ(inner.messages.size(), 1u);
    }
    // the counting handler is gone again: the next warning goes to the outer recorder
    CalcModule::Show_Warning("after");
    EXPECT_EQ(outer.messages, std::vector<std::string>{"after"});
    // a cleaned text kept from before evaluates as it stands, ending in "="
    const auto outcome = CalcModule::Calculate_Cleaned("2^10=", {});
    EXPECT_EQ(outcome.Text, "1024");
    EXPECT_EQ(outcome.Number, 1024);
}

// Callers that append "=" to a text as typed rely on the clean-up keeping it
// and changing nothing before it.
TEST(Calculate, EqualsAppendedBeforeOrAfterTheCleanUpIsTheSame) {
    const std::string alphabet = "0123456789.+-*/^()!=eEABCFsincotalgqrmdxbu ,;#\xC3\xA9";
    std::mt19937 random(97);
    for (const std::uint8_t base : {10, 16}) {
        CalcModule::Number_Base = base;
        for (int run = 0; run < 4000; ++run) {
            std::string text;
            for (int n = random() % 12; n > 0; --n) text += alphabet[random() % alphabet.size()];
            const std::uint8_t mode = run % 2;
            std::string plain = text, with_equals = text + "=";
            EXPECT_EQ(CalcModule::Filter_Expression(with_equals, mode),
                      CalcModule::Filter_Expression(plain, mode) + "=")
                << "'" << text << "' mode " << int(mode) << " base " << int(base);
        }
    }
    CalcModule::Number_Base = 10;
}

// The number of an outcome is what its text reads as, whether the engine
// knew it already or it was read: random expressions in every base and mode,
// with failures and letters among them.
TEST(Calculate, NumberIsWhatTheTextReadsAs) {
    const std::string alphabet = "0123456789.+-*/^()!xysincotalgqr";
    std::mt19937 random(2027);
    CalcModule::Variable_Values['x' - 'a'] = 0.1;
    CalcModule::Variable_Values['y' - 'a'] = -3e200;
    const auto handler = CalcModule::Set_Warning_Handler([](const std::string &) {});
    for (const std::uint8_t base : {10, 16, 2}) {
        for (int run = 0; run < 6000; ++run) {
            std::string text;
            for (int n = 1 + random() % 14; n > 0; --n)
                text += alphabet[random() % alphabet.size()];
            const CalcModule::Outcome outcome =
                CalcModule::Calculate(text + "=", {base, 32, std::uint8_t(run % 3), 1});
            std::optional<double> read;
            if (outcome.Kind != CalcModule::Outcome_Kind::Malformed)
                read = CalcModule::Leading_Number(outcome.Text);
            ASSERT_EQ(outcome.Number.has_value(), read.has_value()) << text;
            if (read) {
                EXPECT_EQ(std::signbit(*outcome.Number), std::signbit(*read)) << text;
                EXPECT_TRUE(*outcome.Number == *read ||
                            (std::isnan(*read) && std::isnan(*outcome.Number)))
                    << text << " gives " << outcome.Text;
            }
        }
    }
    CalcModule::Set_Warning_Handler(handler);
}
