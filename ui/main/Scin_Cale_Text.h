#pragma once
// Small text conversions of the main window: display texts in the number
// bases and the number-to-text form used by the degree conversion.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace Scin_Cale_Text {

// One byte per character: the radix routines count characters, so a
// character outside ASCII becomes "?" (no digit in any base) instead of
// several bytes.
std::string To_Ascii(const QString &text);

// Symbols that other programs write for the calculator's own characters, in
// those characters: the multiplication and division signs, the dashes and
// minus sign, the full-width ASCII forms and the ideographic blank. Every
// other character stays as it is.
QString Ascii_Symbols(const QString &text);

// Hexadecimal digits 0-9/A-F whose value fits 32 bits, read as a 32-bit
// two's complement ("FFFFFFFF" is -1); nothing for any other text.
std::optional<std::int32_t> Read_Hex(const QString &text);

// A 32-bit value in base 16 or 8, upper-case, negatives as two's complement.
std::string Radix_Text(std::int32_t value, int base);

// A whole number in plain digits, with "-" only when negative.
std::string Whole_Number_Text(double value);

// A non-negative number with one leading blank and no zero before the
// point: 30 is " 30", 0.25 is " .25", 0 is " 0".
std::string Blank_Number_Text(double value);

// Rounds to the given number of decimal places, halves to the even digit.
double Round_Places(double value, int places);

} // namespace Scin_Cale_Text
