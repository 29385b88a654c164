#pragma once
// Integer rounding, the one conversion from a number to a whole number of
// fixed width that the whole program shares: to the nearest integer, halves
// to the even neighbour (2.5 gives 2, 3.5 gives 4); a value outside the
// target range (or not a number) is an overflow. It sits below both the
// engine and the radix routines, which include nothing of each other's.

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace Rounding {

inline std::int32_t Round_To_Int32(double value) {
    const double r = std::nearbyint(value); // halves to even in the default rounding mode
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw std::overflow_error("overflow");
    return static_cast<std::int32_t>(r);
}

inline std::int16_t Round_To_Int16(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= -32768.0 && r <= 32767.0)) throw std::overflow_error("overflow");
    return static_cast<std::int16_t>(r);
}

} // namespace Rounding
