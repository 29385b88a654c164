#pragma once
// For the evaluation's own use. Texts that the engine writes itself (results,
// letter values) are read again by the next operator; here they come with the
// value they read back as in decimal (their Leading_Number_Value), worked out
// from the same digits by one exact operation, the way the reading would find
// it. NaN stands for "not known: read the text". Texts are written into a
// given string, whose storage is kept from call to call.

#include <cstdint>
#include <string>

namespace CalcModule {

double Standard_Number_Text(double value, std::string &out);
double Function_Result_Text(double value, std::string &out);

// Apply_Operator with the operands' values where known; returns the result's.
double Apply_Operator(const std::string &left, double left_value, const std::string &right,
                      double right_value, const std::string &op, std::uint8_t base,
                      std::uint8_t word_length, std::uint8_t angle_unit, std::string &result);

} // namespace CalcModule
