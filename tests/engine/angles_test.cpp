// Inverse sine and cosine over their whole range, and the tangent at right
// angles, in degrees, radians and grads. Expected values come from the
// standard library's functions, computed here.

#include "engine/NumberText.h"
#include "tests/engine/Recorder.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

namespace {

// radians in one degree, radian, grad
const double Unit[3] = {std::numbers::pi / 180, 1, std::numbers::pi / 200};

std::string Text_Of(double value) {
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Arguments over [-1, 1] in steps of 1/2000, and close to both ends, where
// 1 - R*R loses digits.
std::vector<double> Arguments() {
    std::vector<double> arguments;
    for (int i = -2000; i <= 2000; ++i) arguments.push_back(i / 2000.0);
    for (int digits = 3; digits <= 15; ++digits) {
        arguments.push_back(1 - std::pow(10.0, -digits));
        arguments.push_back(-1 + std::pow(10.0, -digits));
    }
    return arguments;
}

// A function result has at most 15 significant digits and at most 15
// decimals; one unit in the last of them covers the rounding and a few ulps.
double Tolerance(double expected) {
    const double digit15 =
        expected == 0 ? 0 : std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 14);
    return std::max(digit15, 1e-15);
}

} // namespace

TEST(Angles, InverseSineAndCosineArePrincipalValuesInEveryUnit) {
    Warning_Recorder recorder;
    std::vector<std::string> faults;
    for (int unit = 0; unit < 3; ++unit) {
        for (double R : Arguments()) {
            const struct {
                const char *name;
                double expected;
            } functions[] = {{"asn", std::asin(R) / Unit[unit]},
                             {"acs", std::acos(R) / Unit[unit]}};
            for (const auto &f : functions) {
                const std::string expression = f.name + Text_Of(R) + "=";
                const std::string result = Evaluate(expression, 10, 32, std::uint8_t(unit));
                const double value = std::strtod(result.c_str(), nullptr);
                if (result.empty() || std::fabs(value - f.expected) > Tolerance(f.expected))
                    faults.push_back(expression + " unit " + std::to_string(unit) + " gave \"" +
                                     result + "\", expected " + Text_Of(f.expected));
            }
        }
    }
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(faults.size(), 0u) << faults.front();
}

// Inside the range where the arctangent forms are accurate, their results stay
// exactly the texts the calculator has always shown.
TEST(Angles, ArctangentFormsKeepTheirTextsWhereTheyWereRight) {
    Warning_Recorder recorder;
    int checked = 0;
    for (int unit = 0; unit < 3; ++unit) {
        const double k = Unit[unit];
        for (int i = -1959; i <= 1959; ++i) {
            const double R = i / 2000.0;
            const double root = std::pow(1 - R * R, 0.5);
            EXPECT_EQ(Evaluate("asn" + Text_Of(R) + "=", 10, 32, std::uint8_t(unit)),
                      CalcModule::Function_Result_Text(std::atan(R / root) / k))
                << R << " unit " << unit;
            if (R > 0) {
                EXPECT_EQ(Evaluate("acs" + Text_Of(R) + "=", 10, 32, std::uint8_t(unit)),
                          CalcModule::Function_Result_Text(std::atan(root / R) / k))
                    << R << " unit " << unit;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 10000);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(Angles, EndsOfTheRangeAndBeyond) {
    struct Case {
        std::uint8_t unit;
        const char *expression, *result;
    };
    const Case cases[] = {
        {0, "asn1=", "90."},
        {0, "asn-1=", "-90."},
        {0, "acs1=", "0."},
        {0, "acs0=", "90."},
        {0, "acs-1=", "180."},
        {0, "acs-0.5=", "120."},
        {0, "acs-0.8660254037844386=", "150."},
        {1, "acs-1=", "3.14159265358979"},
        {1, "asn1=", "1.5707963267949"},
        {2, "asn-1=", "-100."},
        {2, "acs-1=", "200."},
        {2, "acs0=", "100."},
    };
    for (const auto &c : cases) {
        Warning_Recorder recorder;
        EXPECT_EQ(Evaluate(c.expression, 10, 32, c.unit), c.result) << c.expression;
        EXPECT_TRUE(recorder.messages.empty()) << c.expression;
    }
    // no angle has a sine or cosine beyond -1 to 1
    for (const char *expression :
         {"asn1.0000000001=", "asn-2=", "acs1.5=", "acs-1.0000001=", "asn1e300="}) {
        for (std::uint8_t unit = 0; unit < 3; ++unit) {
            Warning_Recorder recorder;
            EXPECT_EQ(Evaluate(expression, 10, 32, unit), "") << expression;
            EXPECT_EQ(recorder.messages, std::vector<std::string>{CalcModule::Range_Message})
                << expression;
        }
    }
}

TEST(Angles, TangentOfARightAngleFailsLikeADivisionByZero) {
    struct Case {
        std::uint8_t unit;
        const char *expression;
    };
    const Case undefined[] = {
        {0, "tan90="},
        {0, "tan-90="},
        {0, "tan270="},
        {0, "tan450="},
        {0, "tan-450="},
        {0, "tan(45*2)="},
        {0, "tan900000000000090="},
        {2, "tan100="},
        {2, "tan300="},
        {2, "tan-100="},
        {2, "tan500="},
    };
    for (const auto &c : undefined) {
        Warning_Recorder recorder;
        EXPECT_EQ(Evaluate(c.expression, 10, 32, c.unit), "") << c.expression;
        EXPECT_EQ(recorder.messages, std::vector<std::string>{CalcModule::Range_Message})
            << c.expression;
    }
    // close to a right angle, at other multiples, or in radians there is a value
    const Case defined[] = {
        {0, "tan180="}, {0, "tan89.99="}, {0, "tan90.000001="},       {0, "tan360="},
        {2, "tan200="}, {2, "tan99.99="}, {1, "tan1.5707963267949="}, {1, "tan90="},
    };
    for (const auto &c : defined) {
        Warning_Recorder recorder;
        const std::string result = Evaluate(c.expression, 10, 32, c.unit);
        EXPECT_FALSE(result.empty()) << c.expression;
        EXPECT_TRUE(recorder.messages.empty()) << c.expression;
    }
    Warning_Recorder recorder;
    EXPECT_EQ(Evaluate("tan90+5=", 10, 32, 0), "5"); // reported once, the sum goes on
    EXPECT_EQ(recorder.messages.size(), 1u);
}
