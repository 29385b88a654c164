#pragma once
// For the evaluation's own use. Texts that the engine writes itself (results,
// letter values) are read again by the next operator; here they come with the
// value they read back as in decimal (their Leading_Number_Value), worked out
// from the same digits by one exact operation, the way the reading would find
// it. NaN stands for "not known: read the text". Texts are written into a
// given string, whose storage is kept from call to call.

#include <cstdint>
#include <string>
#include <string_view>

namespace CalcModule {

double Standard_Number_Text(double value, std::string &out);
double Function_Result_Text(double value, std::string &out);

// Apply_Operator with the operands' values where known; returns the result's.
double Apply_Operator(const std::string &left, double left_value, const std::string &right,
                      double right_value, const std::string &op, std::uint8_t base,
                      std::uint8_t word_length, std::uint8_t angle_unit, std::string &result);

// What the result text of the last Evaluate_Expression reads as, as above;
// NaN when it is not known or that evaluation gave no value text.
double Last_Result_Value();

// Evaluate_Expression on a text it leaves as it is, the result text ("!" for
// a text that does not read, "" after a failure) written into out, whose
// storage is kept.
void Evaluate_Into(std::string_view expression, std::uint8_t base, std::uint8_t word_length,
                   std::uint8_t angle_unit, std::uint8_t mode, std::string &out);

// Evaluate_Into of a lowercase letter other than "e" followed by "=", in
// letter mode, without reading a text: the letter's value text, written as
// the evaluation writes it. Returns what the text reads as, as above.
double Evaluate_Letter(char letter, std::uint8_t base, std::uint8_t word_length,
                       std::uint8_t angle_unit, std::string &out);

// How many warnings Show_Warning has raised so far.
std::uint64_t Warning_Count();

} // namespace CalcModule
