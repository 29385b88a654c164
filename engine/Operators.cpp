#include "engine/CalcModule.h"
#include "engine/Known_Values.h"
#include "engine/NumberText.h"
#include "radix/RadixModule.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <string_view>

namespace CalcModule {
namespace {

struct Range_Failure : std::runtime_error {
    Range_Failure() : std::runtime_error("out of range") {}
};

double Checked(double value) {
    if (!std::isfinite(value)) throw Range_Failure();
    return value;
}

double Checked_Divide(double numerator, double denominator) {
    if (denominator == 0) throw Range_Failure();
    return Checked(numerator / denominator);
}

double Checked_Positive(double value) {
    if (!(value > 0)) throw Range_Failure();
    return value;
}

double Checked_Root(double value) {
    if (!(value >= 0)) throw Range_Failure();
    return std::pow(value, 0.5);
}

// Radians in one unit of angle: degrees, radians, grads.
double Angle_Factor(std::uint8_t angle_unit) {
    return angle_unit == 1   ? 1.0
           : angle_unit == 2 ? std::numbers::pi / 200
                             : 2 * std::numbers::pi / 360;
}

// The tangent has no value at a right angle. In degrees and grads such an
// argument is exact (90, 270, -100 ...); in radians no double is.
double Tangent(double R, std::uint8_t angle_unit, double k) {
    const double right_angle = angle_unit == 0 ? 90 : angle_unit == 2 ? 100 : 0;
    if (right_angle != 0 && std::fabs(std::fmod(R, 2 * right_angle)) == right_angle)
        throw Range_Failure();
    return std::tan(R * k);
}

// The arctangent forms below are the calculator's long-standing way to the
// inverse sine and cosine, and their results are kept where they are accurate.
// Near +-1 the 1 - R*R in them cancels digits away (from about 0.98 on, the
// inverse cosine misses its 15th digit), so there the library's inverses are used.
constexpr double Arctangent_Form_Limit = 0.98;

double Inverse_Sine(double R, double k) {
    if (!(std::fabs(R) <= 1)) throw Range_Failure(); // no angle has that sine
    if (std::fabs(R) < Arctangent_Form_Limit) return std::atan(R / std::pow(1 - R * R, 0.5)) / k;
    return std::asin(R) / k;
}

// Principal value, 0 to 180 degrees: the arctangent form alone would put a
// negative argument's angle below 0 and fail at 0.
double Inverse_Cosine(double R, double k) {
    if (!(std::fabs(R) <= 1)) throw Range_Failure();
    if (R > 0 && R < Arctangent_Form_Limit) return std::atan(std::pow(1 - R * R, 0.5) / R) / k;
    return std::acos(R) / k;
}

// An operand text read in the evaluation's base; `known` is what it reads as
// in decimal when that is known already (NaN if not).
double Read_Value(const std::string &text, double known, std::uint8_t base) {
    switch (base) {
    case 16: {
        std::int32_t value;
        if (!Read_Hex_Text(text, value)) throw Range_Failure();
        return value;
    }
    case 8:
    case 2: {
        // the digit routines ignore a sign, so the sign is taken here
        const bool negative = !text.empty() && text[0] == '-';
        const std::string_view digits = std::string_view(text).substr(negative ? 1 : 0);
        const double value =
            base == 8 ? RadixModule::Oct_To_Dec(digits) : RadixModule::Bin_To_Dec(digits);
        return Checked(negative ? -value : value);
    }
    default:
        return std::isnan(known) ? Leading_Number_Value(text) : known;
    }
}

// Remainder with the sign of the dividend, both rounded to 32-bit integers.
double Remainder(double left, double right) {
    const std::int64_t l = Round_To_Int32(left), r = Round_To_Int32(right);
    if (r == 0) throw Range_Failure();
    return static_cast<double>(l % r); // 64-bit, so -2147483648 mod -1 cannot trap
}

double Wrap(double r, std::uint8_t word_length) {
    if (word_length != 16 && word_length != 8) return r;
    const double modulus = word_length == 16 ? 65536 : 256;
    double wrapped = Remainder(r, modulus);
    if (wrapped < 0) wrapped += modulus;
    return wrapped;
}

// Writes r in the base; returns what the text reads as in decimal (NaN if not known).
double Write_Value(double r, std::uint8_t base, std::string &out) {
    constexpr double Unknown = std::numeric_limits<double>::quiet_NaN();
    switch (base) {
    case 16:
        out = Hex_Text(Round_To_Int32(r));
        return Unknown;
    case 8:
        out = Oct_Text(Round_To_Int32(r));
        return Unknown;
    case 2: {
        std::string digits;
        if (r < 0) {
            digits = RadixModule::Hex_To_Bin(Hex_Text(Round_To_Int32(r)));
        } else {
            double x = Leading_Number_Value(Standard_Number_Text(r));
            digits = RadixModule::Dec_To_Bin(x);
        }
        out = digits.empty() ? "0" : digits; // a negative value that rounds to 0
        return Unknown;
    }
    default:
        return Standard_Number_Text(r, out);
    }
}

} // namespace

double Factorial(double x) {
    // Defined for whole numbers from 1 up; the countdown from anything else
    // would never reach 1. Beyond 170 the result is no longer finite.
    if (!(x >= 1) || x != std::floor(x)) throw std::domain_error("factorial below 1");
    if (x > 170) throw std::overflow_error("factorial overflow");
    double result = 1;
    for (double n = 2; n <= x; ++n) result = n * result; // the order of x * (x-1)!
    return result;
}

std::string Apply_Operator(const std::string &left, const std::string &right, const std::string &op,
                           std::uint8_t base, std::uint8_t word_length, std::uint8_t angle_unit) {
    constexpr double Unknown = std::numeric_limits<double>::quiet_NaN();
    std::string result;
    Apply_Operator(left, Unknown, right, Unknown, op, base, word_length, angle_unit, result);
    return result;
}

double Apply_Operator(const std::string &left, double left_value, const std::string &right,
                      double right_value, const std::string &op, std::uint8_t base,
                      std::uint8_t word_length, std::uint8_t angle_unit, std::string &result) {
    try {
        const double k = Angle_Factor(angle_unit);
        const double L = left.empty() ? 0.0 : Read_Value(left, left_value, base);
        const double R = Read_Value(right, right_value, base);

        double r = 0;
        bool function_result = false;
        switch (op.size() <= 3 ? Name_Code(op) : 0) {
        case Name_Code("+"):
            r = L + R;
            break;
        case Name_Code("-"):
            r = L - R;
            break;
        case Name_Code("*"):
            r = L * R;
            break;
        case Name_Code("/"):
            r = Checked_Divide(L, R);
            break;
        case Name_Code("^"):
            r = R == 2 ? L * L : R == 3 ? L * L * L : std::pow(L, R);
            break;
        case Name_Code("mod"):
            r = Remainder(L, R);
            break;
        case Name_Code("and"):
            r = Round_To_Int32(L) & Round_To_Int32(R);
            break;
        case Name_Code("or"):
            r = Round_To_Int32(L) | Round_To_Int32(R);
            break;
        case Name_Code("xor"):
            r = Round_To_Int32(L) ^ Round_To_Int32(R);
            break;
        case Name_Code("not"):
            r = -R - 1;
            break;
        case Name_Code("int"):
            r = std::floor(R);
            break;
        case Name_Code("!"):
            r = Factorial(std::floor(R));
            break;
        default:
            function_result = true;
            switch (Name_Code(op)) {
            case Name_Code("sin"):
                r = std::sin(R * k);
                break;
            case Name_Code("cos"):
                r = std::cos(R * k);
                break;
            case Name_Code("tan"):
                r = Tangent(R, angle_unit, k);
                break;
            case Name_Code("ln"):
                r = std::log(Checked_Positive(R));
                break;
            case Name_Code("log"):
                r = std::log(Checked_Positive(R)) / std::log(10.0);
                break;
            case Name_Code("abs"):
                r = std::fabs(R);
                break;
            case Name_Code("sqr"):
                r = Checked_Root(R);
                break;
            case Name_Code("atn"):
                r = std::atan(R) / k;
                break;
            case Name_Code("asn"):
                r = Inverse_Sine(R, k);
                break;
            case Name_Code("acs"):
                r = Inverse_Cosine(R, k);
                break;
            default:
                throw Range_Failure(); // not an operator of the library
            }
        }
        r = Checked(r);

        if (function_result) {
            const double text_value = Function_Result_Text(r, result);
            if (base == 10 && word_length == 32) return text_value;
            // later steps read the text back
            r = std::isnan(text_value) ? Leading_Number_Value(result) : text_value;
        }
        return Write_Value(Wrap(r, word_length), base, result);
    } catch (...) {
        Show_Warning(Range_Message);
        result.clear();
        return std::numeric_limits<double>::quiet_NaN();
    }
}

} // namespace CalcModule
