#include "engine/NumberText.h"
#include "tests/engine/Recorder.h"

#include <gtest/gtest.h>

namespace {
struct Case {
    std::uint8_t base, word_length, angle_unit;
    const char *expression, *result;
    bool warns;
};

void Check(const std::vector<Case> &cases) {
    for (const auto &c : cases) {
        Warning_Recorder recorder;
        EXPECT_EQ(Evaluate(c.expression, c.base, c.word_length, c.angle_unit), c.result)
            << c.expression << " base " << int(c.base) << " word " << int(c.word_length)
            << " angle " << int(c.angle_unit);
        EXPECT_EQ(recorder.messages.size(), c.warns ? 1u : 0u) << c.expression;
        for (const auto &m : recorder.messages) EXPECT_EQ(m, CalcModule::Range_Message);
    }
}
} // namespace

TEST(Operators, FunctionsAndAngleUnits) {
    Check({{10, 32, 0, "sin30=", "0.5", false},
           {10, 32, 0, "sin90=", "1.", false},
           // the degree and grad factors come from the double nearest to pi, no
           // longer from a 15-digit text of it, so these are now the exact values
           {10, 32, 0, "cos60=", "0.5", false},
           {10, 32, 0, "sin180=", "0.", false},
           {10, 32, 0, "tan45=", "1.", false},
           {10, 32, 0, "sin150=", "0.5", false},
           {10, 32, 0, "cos120=", "-0.5", false},
           {10, 32, 0, "tan135=", "-1.", false},
           {10, 32, 0, "cos90=", "0.", false},
           {10, 32, 0, "tan60=", "1.73205080756888", false},
           {10, 32, 2, "tan50=", "1.", false},
           {10, 32, 2, "cos200=", "-1.", false},
           {10, 32, 2, "sin300=", "-1.", false},
           {10, 32, 1, "sin0=", "0.", false},
           {10, 32, 2, "sin100=", "1.", false},
           {10, 32, 0, "ln1=", "0.", false},
           {10, 32, 0, "log1000=", "3.", false},
           {10, 32, 0, "sqr16=", "4.", false},
           {10, 32, 0, "abs-3=", "3.", false},
           // principal values: acs of a negative argument lies above 90 degrees
           {10, 32, 0, "acs-0.5=", "120.", false},
           {10, 32, 0, "atn1=", "45.", false},
           // at the ends of the range the inverse sine and cosine have values
           {10, 32, 0, "asn1=", "90.", false},
           {10, 32, 0, "acs0=", "90.", false},
           {10, 32, 0, "asn2=", "", true},
           {10, 32, 0, "ln0=", "", true},
           {10, 32, 0, "log-1=", "", true},
           {10, 32, 0, "sqr-4=", "", true},
           {10, 32, 0, "sin-180=", "0.", false}, // exact factor, as for sin180
           {10, 32, 1, "sin-0.0000000000000001=", "0.", false}});
}

TEST(Operators, IntegerOperatorsRoundHalvesToEven) {
    Check({{10, 32, 0, "int2.7=", "2", false},
           {10, 32, 0, "int-2.7=", "-3", false},
           {10, 32, 0, "5.9!=", "120", false},
           {10, 32, 0, "1!=", "1", false},
           {10, 32, 0, "170!=", "7.25741561530799E+306", false},
           {10, 32, 0, "7mod-3=", "1", false},
           {10, 32, 0, "-7mod3=", "-1", false},
           {10, 32, 0, "5.5mod3=", "0", false},
           {10, 32, 0, "4.5mod3=", "1", false},
           {10, 32, 0, "6and3=", "2", false},
           {10, 32, 0, "6or3=", "7", false},
           {10, 32, 0, "6xor3=", "5", false},
           {10, 32, 0, "not0=", "-1", false},
           {10, 32, 0, "not2.5=", "-3.5", false},
           {10, 32, 0, "-2147483648mod-1=", "0", false},
           {10, 32, 0, "2147483648and1=", "", true},
           {10, 32, 0, "5mod0.4=", "", true},
           {10, 32, 0, "(-2)^3=", "-8", false},
           {10, 32, 0, "(-8)^(1/3)=", "", true},
           {10, 32, 0, "0^-1=", "", true}});
}

TEST(Operators, WordLengthWrap) {
    Check({{10, 8, 0, "200+100=", "44", false},
           {10, 8, 0, "not5=", "250", false},
           {10, 16, 0, "0-1=", "65535", false},
           {10, 16, 0, "sin30=", "0", false}, // the text 0.5 is read back and wrapped: ties to even
           {10, 16, 0, "3000000000+1=", "", true}});
}

TEST(Operators, HexadecimalOctalBinary) {
    const std::string ones(32, '1');
    Check({{16, 32, 0, "7FFFFFFF+1=", "", true},
           {16, 32, 0, "0-1=", "FFFFFFFF", false},
           {16, 32, 0, "FFFFFFFF+1=", "0", false},
           {16, 32, 0, "A*A=", "64", false},
           {16, 16, 0, "FFFF+1=", "0", false},
           {16, 8, 0, "FF+1=", "0", false},
           {16, 32, 0, "1/2=", "0", false},
           {16, 32, 0, "3/2=", "2", false},
           {16, 32, 0, "100000000+1=", "", true},
           {8, 32, 0, "0-1=", "37777777777", false},
           {8, 32, 0, "17+1=", "20", false},
           {8, 32, 0, "2*-3=", "37777777772", false},
           {2, 32, 0, "0-1=", ones.c_str(), false},
           {2, 32, 0, "101+1=", "110", false},
           {2, 32, 0, "101/10=", "10", false},
           {2, 32, 0, "1-1=", "0", false},
           {2, 32, 0, "1/100-1=", ones.c_str(), false},
           {2, 32, 0, "0-1/100=", "0", false},
           {2, 8, 0, "0-1=", "11111111", false}});
}

TEST(Operators, ApplyOperatorDirectly) {
    Warning_Recorder recorder;
    EXPECT_EQ(CalcModule::Apply_Operator("", "30", "sin", 10, 32, 0), "0.5");
    EXPECT_EQ(CalcModule::Apply_Operator("2", "3", "^", 10, 32, 0), "8");
    EXPECT_EQ(CalcModule::Apply_Operator("", "", "-", 10, 32, 0), "0");
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(CalcModule::Apply_Operator("1", "", "+", 16, 32, 0), ""); // empty hex operand
    EXPECT_EQ(CalcModule::Apply_Operator("1.5", "1", "+", 16, 32, 0), "");
    EXPECT_EQ(recorder.messages.size(), 2u);
}

TEST(Operators, FactorialRange) {
    EXPECT_EQ(CalcModule::Factorial(1), 1);
    EXPECT_EQ(CalcModule::Factorial(5), 120);
    EXPECT_EQ(CalcModule::Factorial(170), 7.257415615307994e306);
    EXPECT_ANY_THROW(CalcModule::Factorial(0));
    EXPECT_ANY_THROW(CalcModule::Factorial(-3));
    EXPECT_ANY_THROW(CalcModule::Factorial(2.5));
    EXPECT_ANY_THROW(CalcModule::Factorial(171));
    EXPECT_ANY_THROW(CalcModule::Factorial(1e300));
}
