#pragma once
// Conversions between numbers and texts shared by every part of the program.
// All of them are exact and locale-free (std::to_chars / std::from_chars).

#include "rounding/Rounding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace CalcModule {

// The number at the start of a text: blanks, tabs and line feeds are skipped
// wherever they stand; sign, digits with one point, exponent after e/E/d/D.
// A text that does not begin with a number is 0. Throws std::range_error on a
// number beyond the double range.
double Leading_Number_Value(std::string_view text);

// The same number, or nothing when it lies beyond the double range: what a
// box that takes a number reads.
std::optional<double> Leading_Number(std::string_view text);

// At most 15 significant digits, no trailing zeros; exponent form ("1E+15",
// "1E-05") from 1e15 up and below 1e-4. 0 is "0"; never "-0".
std::string Standard_Number_Text(double value);

// "0.###############": 15 significant digits, at most 15 decimals, the point
// always kept ("1.", "0.", "-2.").
std::string Function_Result_Text(double value);

// "0.#################": at most 17 decimals, the point always kept.
std::string Fixed_Display_Text(double value);

// "0.#################e+0": one digit before the point, up to 17 after,
// exponent with its sign ("1.5e+3", "2.e-5").
std::string Sci_Display_Text(double value);

// Rounded to a whole number, halves to even, in all its digits and without
// an exponent: 1e20 is "100000000000000000000", 2.5 is "2", -0.3 is "0".
// For finite values.
std::string Whole_Number_Text(double value);

// Nearest integer, halves to even; throws std::overflow_error out of range.
using Rounding::Round_To_Int16;
using Rounding::Round_To_Int32;

// Digit texts of a 32-bit integer in a base from 2 to 36: upper case, no
// prefix, no leading zeros; a negative value as its 32-bit two's complement
// ("FFFFFFFF", "37777777777" for -1).
std::string Radix_Text(std::int32_t value, int base);
std::string Hex_Text(std::int32_t value);
std::string Oct_Text(std::int32_t value);

// Reads a hexadecimal digit text ("0"-"9", "A"-"F") as 32-bit two's
// complement: "FFFF" is 65535, "FFFFFFFF" is -1. False for an empty text, any
// other character, or a value that needs more than 32 bits.
bool Read_Hex_Text(std::string_view text, std::int32_t &value);

// A name of up to four characters as one number, so that names can be
// switched on: "sin" is 's' << 16 | 'i' << 8 | 'n'. Of a longer name only
// the last four characters count. The loop runs a fixed four times so that
// the compiler unrolls it: names are switched on for every operator read.
constexpr std::uint32_t Name_Code(std::string_view name) {
    if (name.size() > 4) name.remove_prefix(name.size() - 4);
    std::uint32_t code = 0;
    for (std::size_t i = 0; i < 4; ++i)
        if (i < name.size()) code = code << 8 | static_cast<unsigned char>(name[i]);
    return code;
}

} // namespace CalcModule
