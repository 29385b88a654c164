#pragma once
// Which of the two display patterns shows a decimal value in the main window.
// "0.#################" is the usual one; it has room for 17 decimals only, so
// a small value would lose digits in it or show as "0.", and such a value is
// shown in "0.#################e+0" instead.

#include "engine/NumberText.h"

#include <string>

namespace CalcModule {

// Whether "0.#################" shows every one of the value's (up to 15)
// significant digits: its text then reads back as the same 15 digits.
inline bool Fixed_Shows_Whole(double value) {
    return Sci_Display_Text(Leading_Number_Value(Fixed_Display_Text(value))) ==
           Sci_Display_Text(value);
}

// "1/x" and "s": the fixed pattern wherever it shows the value whole.
inline std::string Value_Display_Text(double value) {
    return Fixed_Shows_Whole(value) ? Fixed_Display_Text(value) : Sci_Display_Text(value);
}

// "=": besides, a value above 1e15 is always written with its exponent.
inline std::string Result_Display_Text(double value) {
    return value > 1e15 ? Sci_Display_Text(value) : Value_Display_Text(value);
}

} // namespace CalcModule
