#pragma once
// Conversions between numbers and binary, octal and hexadecimal digit texts.
// Digit texts carry no sign and no prefix; table-made texts lose their
// leading zeros, so zero comes back as "".

#include <string>
#include <string_view>

namespace RadixModule {

std::string Dec_To_Bin(double &x); // consumes x; throws std::overflow_error past 32 bits
double Bin_To_Dec(std::string_view text);
double Oct_To_Dec(std::string_view text);
std::string Hex_To_Bin(std::string_view text);
std::string Bin_To_Hex(std::string_view text);
std::string Bin_To_Oct(std::string_view text);
std::string Oct_To_Bin(std::string_view text);
std::string Oct_To_Hex(std::string_view text);
std::string Hex_To_Oct(std::string_view text);

} // namespace RadixModule
