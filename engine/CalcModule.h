#pragma once
// The expression engine: clean-up, token readers, two-stack evaluation and the
// operator library. Plain C++, no toolkit; messages go through Show_Warning.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace CalcModule {

// Program-wide modes, set by the windows and read by the engine.
extern std::uint8_t Number_Base; // 2, 8, 10 or 16
extern std::uint8_t Word_Length; // 8, 16 or 32
extern std::uint8_t Angle_Unit;  // 0 degrees, 1 radians, 2 grads
// Values of the letters "a" to "z" in letter mode.
extern std::array<double, 26> Variable_Values;
// Mode of the running evaluation (0 calculator, 1 letters stand for values);
// set by Evaluate_Expression and by Filter_Expression, read by Read_Operand.
extern std::uint8_t Calc_Mode;

// The warning seam: the engine never shows anything itself.
using Warning_Handler = std::function<void(const std::string &message)>;
Warning_Handler Set_Warning_Handler(Warning_Handler handler); // returns the previous one
void Show_Warning(const std::string &message);

// Messages the engine reports.
inline constexpr const char *Range_Message = "你按错了或已超出范围";
inline constexpr const char *Invalid_Data_Message = "无效数据,请检查输入!";
inline constexpr const char *No_Data_Message = "已无数据,请检查输入!";

std::string Filter_Expression(std::string &expression, std::uint8_t mode);
std::string Read_Operand(std::string &expression);
std::string Read_Operator(std::string &expression);
std::int16_t Operator_Priority(std::string_view text);
std::int16_t Digit_Class(std::string_view text);
std::int16_t Is_Lower_Letter(std::string_view text);

std::string Evaluate_Expression(std::string &expression, std::uint8_t base,
                                std::uint8_t word_length, std::uint8_t angle_unit,
                                std::uint8_t mode);
std::int16_t Reduce_Stacks(const std::string &incoming);
std::int16_t Compare_Priority(std::string_view top, std::string_view incoming);

std::string Apply_Operator(const std::string &left, const std::string &right, const std::string &op,
                           std::uint8_t base, std::uint8_t word_length, std::uint8_t angle_unit);
double Factorial(double x);

} // namespace CalcModule
