#include "tests/engine/Recorder.h"

#include <gtest/gtest.h>

namespace {
struct Case {
    const char *expression, *result;
};

void Expect_All(const std::vector<Case> &cases, std::uint8_t base = 10,
                std::uint8_t word_length = 32, std::uint8_t angle_unit = 0) {
    for (const auto &c : cases) {
        Warning_Recorder recorder;
        EXPECT_EQ(Evaluate(c.expression, base, word_length, angle_unit), c.result)
            << c.expression << " base " << int(base) << " word " << int(word_length);
    }
}
} // namespace

TEST(Evaluate, PrecedenceAndAssociativity) {
    Expect_All({{"1+2*3=", "7"},
                {"(1+2)*3=", "9"},
                {"2^3^2=", "64"},
                {"10-4-3=", "3"},
                {"7 mod 4*2=", "6"},
                {"2*(3+4)-5=", "9"},
                {"3!+2=", "8"},
                {"2+3!=", "8"},
                {"sin30^2=", "0.25"},
                {"2+sin30=", "2.5"},
                {"((2))=", "2"},
                {"(1+2)-3=", "0"},
                {"8/2/2=", "2"},
                {"2*3^2=", "18"},
                {"1+2mod3=", "3"}});
}

TEST(Evaluate, SignsAfterOperatorsAndFunctions) {
    Expect_All({{"sin-30=", "-0.5"},
                {"2^-1=", "0.5"},
                {"2*-3=", "-6"},
                {"2--3=", "5"},
                {"-2+5=", "3"},
                {"3!-1=", "5"},
                {"1.5e-3*2=", "0.003"},
                {"2e+3+1=", "2001"}});
}

TEST(Evaluate, LoneNumberComesBackAsWritten) {
    Expect_All({{"5=", "5"}, {"007=", "007"}, {"1.2.3=", "1.2.3"}, {"1e400=", "1e400"}});
}

TEST(Evaluate, MalformedGivesBangWithoutMessage) {
    for (const char *expression :
         {"(1+2=", "1+2)=", "=5=", "2(3)=", "=", "-sin30=", "-(2)=", "2x=", "+", ""}) {
        Warning_Recorder recorder;
        std::string text = expression;
        EXPECT_EQ(CalcModule::Evaluate_Expression(text, 10, 32, 0, 0), "!") << expression;
        EXPECT_TRUE(recorder.messages.empty()) << expression;
    }
}

TEST(Evaluate, RunTimeFailuresReportOnce) {
    struct Failure {
        const char *expression, *result, *message;
    };
    const Failure cases[] = {
        {"+5*2=", "!", CalcModule::Invalid_Data_Message},
        {"2e=", "", CalcModule::Invalid_Data_Message},
        {"1/0=", "", CalcModule::Range_Message},
        {"1/0+5=", "5", CalcModule::Range_Message},
        {"0!=", "", CalcModule::Range_Message},
        {"1+=", "!", CalcModule::Invalid_Data_Message},
        {"(-8)^(1/3)=", "", CalcModule::Range_Message},
        {"1e999+1=", "", CalcModule::Range_Message},
        {"1e300*1e300=", "", CalcModule::Range_Message},
        {"0/0=", "", CalcModule::Range_Message},
        {"171!=", "", CalcModule::Range_Message},
    };
    for (const auto &c : cases) {
        Warning_Recorder recorder;
        std::string text = c.expression;
        EXPECT_EQ(CalcModule::Evaluate_Expression(text, 10, 32, 0, 0), c.result) << c.expression;
        ASSERT_EQ(recorder.messages.size(), 1u) << c.expression;
        EXPECT_EQ(recorder.messages[0], c.message) << c.expression;
    }
}

TEST(Evaluate, ExpressionRestoredOrLeftAsConsumed) {
    Warning_Recorder recorder;
    std::string text = "1+2*3=";
    EXPECT_EQ(CalcModule::Evaluate_Expression(text, 10, 32, 0, 0), "7");
    EXPECT_EQ(text, "1+2*3=");
    text = "2e=";
    EXPECT_EQ(CalcModule::Evaluate_Expression(text, 10, 32, 0, 0), "");
    EXPECT_EQ(text, "");
}

TEST(Evaluate, LetterVariablesInModeOne) {
    CalcModule::Variable_Values['x' - 'a'] = 3;
    CalcModule::Variable_Values['y' - 'a'] = -0.5;
    Warning_Recorder recorder;
    struct Letter_Case {
        const char *expression, *result;
    };
    for (const auto &c : std::vector<Letter_Case>{{"x^2-(4)=", "5"},
                                                  {"2*x+y=", "5.5"},
                                                  {"x xor 1=", "2"},
                                                  {"sin(x*30)=", "1."},
                                                  {"2x=", "!"}}) {
        std::string text = c.expression;
        std::string cleaned = CalcModule::Filter_Expression(text, 1);
        EXPECT_EQ(CalcModule::Evaluate_Expression(cleaned, 10, 32, 0, 1), c.result) << c.expression;
    }
    CalcModule::Variable_Values.fill(0);
}

TEST(Evaluate, DeepNestingDoesNotExhaustTheStack) {
    Warning_Recorder recorder;
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "sin";
    text += "1=";
    // sin(sin(...(1))) shrinks slowly towards 0
    EXPECT_EQ(CalcModule::Evaluate_Expression(text, 10, 32, 1, 0).substr(0, 4), "0.00");
    text.assign(100000, '(');
    text += "1";
    text.append(100000, ')');
    text += "=";
    EXPECT_EQ(CalcModule::Evaluate_Expression(text, 10, 32, 0, 0), "1");
    text.assign(1, '1');
    for (int i = 0; i < 100000; ++i) text += "^1";
    text += "=";
    EXPECT_EQ(CalcModule::Evaluate_Expression(text, 10, 32, 0, 0), "1");
    EXPECT_TRUE(recorder.messages.empty());
}

// Its speed is measured in bench/ (Engine_Megabyte); here only the result.
TEST(Evaluate, MegabyteExpressionEvaluates) {
    Warning_Recorder recorder;
    std::string text;
    text.reserve(1 << 20);
    while (text.size() < (1u << 20)) text += "1+2*3-4/2+";
    text += "0=";
    std::string copy = text;
    std::string cleaned = CalcModule::Filter_Expression(copy, 0);
    const std::string result = CalcModule::Evaluate_Expression(cleaned, 10, 32, 0, 0);
    EXPECT_EQ(result, std::to_string((text.size() - 2) / 10 * 5));
}
