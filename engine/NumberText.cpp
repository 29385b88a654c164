#include "engine/NumberText.h"

#include "engine/Known_Values.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace CalcModule {
namespace {

// A finite value as decimal digits: value = 0.d1d2d3... × 10^(point),
// i.e. the first digit stands at 10^(point - 1). Trailing zeros are removed.
struct Decimal {
    bool negative = false;
    int count = 0; // 0 for zero
    int point = 0;
    // the 15 digits before their zeros at the end were dropped, as one whole
    // number, where the quick route made them; 0 where not known
    std::uint64_t fifteen = 0;

    // The digits [0, count), no zero at the end. The quick route leaves them
    // to be written from `fifteen` on first use: most texts are written from
    // that number alone.
    char *Digits() const;
    mutable char digits[24];
    mutable bool digits_pending = false;
};

// Powers of ten that a double holds exactly.
constexpr double Exact_Powers_Of_Ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int Largest_Exact_Power = 22;

constexpr char Digit_Pairs[] = "00010203040506070809101112131415161718192021222324"
                               "25262728293031323334353637383940414243444546474849"
                               "50515253545556575859606162636465666768697071727374"
                               "75767778798081828384858687888990919293949596979899";

constexpr std::uint64_t Whole_Powers_Of_Ten[] = {1,
                                                 10,
                                                 100,
                                                 1000,
                                                 10000,
                                                 100000,
                                                 1000000,
                                                 10000000,
                                                 100000000,
                                                 1000000000,
                                                 10000000000,
                                                 100000000000,
                                                 1000000000000,
                                                 10000000000000,
                                                 100000000000000,
                                                 1000000000000000};

// The digits of a number from 1e14 to below 1e15, two at a time.
void Write_15_Digits(std::uint64_t number, char *out) {
    const char *Pairs = Digit_Pairs;
    const auto Pair = [&](std::uint32_t two, char *at) { std::memcpy(at, Pairs + 2 * two, 2); };
    std::uint32_t high = static_cast<std::uint32_t>(number / 100000000); // 7 digits
    std::uint32_t low = static_cast<std::uint32_t>(number % 100000000);  // 8 digits
    out[0] = static_cast<char>('0' + high / 1000000);
    high %= 1000000;
    Pair(high / 10000, out + 1);
    Pair(high / 100 % 100, out + 3);
    Pair(high % 100, out + 5);
    Pair(low / 1000000, out + 7);
    Pair(low / 10000 % 100, out + 9);
    Pair(low / 100 % 100, out + 11);
    Pair(low % 100, out + 13);
}

char *Decimal::Digits() const {
    if (digits_pending) {
        Write_15_Digits(fifteen, digits);
        digits_pending = false;
    }
    return digits;
}

// How many of a number's 15 digits are left without its zeros at the end.
int Count_Without_Zeros(std::uint64_t digits) {
    int count = 15;
    if (digits % 100000000 == 0) {
        digits /= 100000000;
        count -= 8;
    }
    if (digits % 10000 == 0) {
        digits /= 10000;
        count -= 4;
    }
    if (digits % 100 == 0) {
        digits /= 100;
        count -= 2;
    }
    if (digits % 10 == 0) --count;
    return count;
}

// The quick way to 15 digits, for 1e-8 <= |value| < 1e15: scaled by an exact
// power of ten into (1e14, 1e15), the value is rounded once by the
// multiplication. Rounding to the nearest double never passes a number that a
// double of that size holds, and every half does: so the scaled value lies
// above or below a half exactly when the exact product does, and its nearest
// whole number holds the digits the exact value rounds to. On a half itself
// the error of the product, which fma gives exactly, tells the side; a true
// tie is left to the exact conversion (false).
bool Scaled_Decimal15(double value, Decimal &d) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-8 && magnitude < 1e15)) return false;
    // from the binary exponent (78913 / 2^18 is just below log10(2)): the
    // decade or the one below it
    std::uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int decade = ((static_cast<int>(bits >> 52) - 1023) * 78913) >> 18;
    int k = std::clamp(14 - decade, 0, Largest_Exact_Power);
    // both scalings at once, the right one chosen without a branch to mispredict
    const double scaled_high = magnitude * Exact_Powers_Of_Ten[k];
    const double scaled_low = magnitude * Exact_Powers_Of_Ten[std::max(k - 1, 0)];
    const bool over = scaled_high >= 1e15;
    const double scaled = over ? scaled_low : scaled_high;
    k -= over ? 1 : 0;
    // a guess off the other way (never seen) takes the exact route
    if (!(scaled > 1e14 && scaled < 1e15)) return false;
    const double whole = static_cast<double>(static_cast<std::uint64_t>(scaled)); // its floor
    const double fraction = scaled - whole;                                       // exact
    bool up = fraction > 0.5;
    if (fraction == 0.5) {
        const double error = std::fma(magnitude, Exact_Powers_Of_Ten[k], -scaled);
        if (error == 0) return false;
        up = error > 0;
    }
    std::uint64_t digits = static_cast<std::uint64_t>(whole) + (up ? 1 : 0);
    d.point = 15 - k;
    if (digits == 1000000000000000ull) { // rounded up into the next decade
        digits = 100000000000000ull;
        ++d.point;
    }
    d.negative = value < 0;
    d.fifteen = digits;
    d.digits_pending = true;
    d.count = Count_Without_Zeros(digits);
    return true;
}

// Rounds to 15 significant digits, exactly (ties to even on the exact value).
Decimal To_Decimal15(double value) {
    Decimal d;
    if (value == 0 || !std::isfinite(value)) return d;
    if (Scaled_Decimal15(value, d)) return d;
    char buf[64];
    const char *end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14).ptr;
    const char *e = std::find(static_cast<const char *>(buf), end, 'e');
    const char *p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < e; ++p)
        if (*p != '.') d.digits[d.count++] = *p;
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+'), end, exponent);
    d.point = exponent + 1;
    while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
    return d;
}

// Cuts to at most `decimals` digits after the point, halves away from zero.
void Cut_Decimals(Decimal &d, int decimals) {
    const int keep = d.point + decimals; // digits that stay
    if (d.count <= keep) return;
    char *const digits = d.Digits(); // written before the number is dropped
    d.fifteen = 0;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else { // all nines: one more digit in front
            std::copy_backward(digits, digits + d.count, digits + d.count + 1);
            digits[0] = '1';
            ++d.count;
            ++d.point;
        }
    }
    while (d.count > 0 && digits[d.count - 1] == '0') --d.count;
}

// Fixed form: at least one digit before the point; the point is written only
// when digits follow it, unless keep_point. The largest double has 309 digits
// before the point, and at most 17 decimals are ever asked for: Fixed_Room
// characters always suffice.
constexpr int Fixed_Room = 400;
char *Write_Fixed(const Decimal &d, bool keep_point, char *out) {
    if (d.count == 0) { // never "-0"
        *out++ = '0';
        if (keep_point) *out++ = '.';
        return out;
    }
    if (d.negative) *out++ = '-';
    const int n = d.count;
    if (d.point <= 0) {
        *out++ = '0';
    } else {
        out = std::copy_n(d.Digits(), std::min(n, d.point), out);
        if (d.point > n) out = std::fill_n(out, d.point - n, '0');
    }
    if (n > d.point || keep_point) *out++ = '.';
    if (d.point < 0) out = std::fill_n(out, -d.point, '0');
    if (n > std::max(d.point, 0))
        out = std::copy_n(d.Digits() + std::max(d.point, 0), n - std::max(d.point, 0), out);
    return out;
}

// The eight decimal digits of a number below 10^8 as characters, the first in
// the lowest byte: split into two lanes of four digits, then four of two, then
// eight of one, each lane at once by one multiplication, exact in these ranges.
std::uint64_t Eight_Digit_Chars(std::uint32_t value) {
    const std::uint64_t fours = value / 10000 | std::uint64_t(value % 10000) << 32;
    const std::uint64_t hundreds = (fours * 10486) >> 20 & 0x0000007F0000007Full;
    const std::uint64_t twos = hundreds | (fours - hundreds * 100) << 16;
    const std::uint64_t tens = (twos * 103) >> 10 & 0x000F000F000F000Full;
    const std::uint64_t ones = tens | (twos - tens * 10) << 8;
    return ones + 0x3030303030303030ull;
}

using Chars16 = unsigned __int128;

// The digits of a number below 10^15, leading zeros included, as fifteen
// characters: the first in the lowest byte, the highest byte zero.
Chars16 Fifteen_Digit_Chars(std::uint64_t number) {
    const Chars16 sixteen =
        Eight_Digit_Chars(static_cast<std::uint32_t>(number / 100000000)) |
        Chars16(Eight_Digit_Chars(static_cast<std::uint32_t>(number % 100000000))) << 64;
    return sixteen >> 8;
}

// Sixteen characters at once, in the order of their bytes; only the first
// ones count, the rest is written over or left beyond the text's end.
void Store_16(char *at, Chars16 chars) {
    std::memcpy(at, &chars, sizeof chars);
}

// Write_Fixed, with the digits made in registers straight from the whole
// number the quick route kept and stored sixteen at a time, rather than
// copied from the digit array. It may write up to 32 characters from out
// (sign, 14 digits, point and 16) whatever the text's length.
char *Write_Fixed_Directly(const Decimal &d, bool keep_point, char *out) {
    if constexpr (std::endian::native != std::endian::little)
        return Write_Fixed(d, keep_point, out);
    if (d.fifteen == 0 || d.count == 0) return Write_Fixed(d, keep_point, out);
    const int n = d.count;
    const Chars16 digits = Fifteen_Digit_Chars(d.fifteen);
    if (d.negative) *out++ = '-';
    if (d.point <= 0) { // at most 7 zeros after the point: the quick route starts at 1e-8
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -d.point, '0');
        Store_16(out, digits);
        return out + n;
    }
    Store_16(out, digits);
    if (d.point >= n) {
        out = std::fill_n(out + n, d.point - n, '0');
        if (keep_point) *out++ = '.';
        return out;
    }
    out[d.point] = '.';
    Store_16(out + d.point + 1, digits >> (8 * d.point));
    return out + n + 1;
}

std::string Fixed(const Decimal &d, bool keep_point) {
    char buffer[Fixed_Room];
    return std::string(buffer, Write_Fixed(d, keep_point, buffer));
}

// Mantissa with one digit before the point.
std::string Mantissa(const Decimal &d, bool keep_point) {
    std::string out;
    if (d.negative) out += '-';
    out += d.count == 0 ? '0' : d.Digits()[0];
    if (d.count > 1 || keep_point) out += '.';
    if (d.count > 1) out.append(d.Digits() + 1, d.count - 1);
    return out;
}

} // namespace

namespace {
// The common case: a plain number with no blanks and no "d" exponent, read in
// place. False when the slow path must decide.
bool Plain_Number_Value(std::string_view text, double &value) {
    const bool negative = text.size() && text[0] == '-';
    std::size_t i = negative ? 1 : 0;
    const std::size_t start = i;
    // the digits as a whole number while they fit, and how many follow the point
    std::uint64_t mantissa_value = 0;
    int digits = 0;
    const auto Take_Digits = [&] {
        for (; i < text.size() && static_cast<unsigned char>(text[i] - '0') < 10; ++i)
            if (++digits <= 19) mantissa_value = mantissa_value * 10 + std::uint64_t(text[i] - '0');
    };
    Take_Digits();
    const bool point = i < text.size() && text[i] == '.';
    const int whole_digits = digits;
    if (point) {
        ++i;
        Take_Digits();
    }
    const int decimals = digits - whole_digits;
    const std::size_t mantissa = i - start - point;
    if (mantissa == 0 || mantissa > 300) return false;
    int exponent = 0;
    if (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == 'd' || c == 'D') return false;
        if (c == 'e' || c == 'E') {
            std::size_t j = i + 1;
            const bool minus = j < text.size() && text[j] == '-';
            if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
            const std::size_t digits_start = j;
            for (; j < text.size() && text[j] >= '0' && text[j] <= '9'; ++j)
                if (j - digits_start < 5) exponent = exponent * 10 + (text[j] - '0');
            if (j - digits_start > 5) return false;
            if (j < text.size() && (text[j] == ' ' || text[j] == '\t' || text[j] == '\n'))
                return false;
            if (minus) exponent = -exponent;
        }
    }
    // A whole number of at most 2^53 times or over an exact power of ten is one
    // correctly rounded operation: the same double that from_chars finds.
    const int scale = exponent - decimals;
    if (digits <= 19 && mantissa_value <= (std::uint64_t(1) << 53) &&
        scale >= -Largest_Exact_Power && scale <= Largest_Exact_Power) {
        if (mantissa_value == 0) {
            value = 0; // never -0
            return true;
        }
        const double whole = static_cast<double>(mantissa_value);
        value =
            scale < 0 ? whole / Exact_Powers_Of_Ten[-scale] : whole * Exact_Powers_Of_Ten[scale];
        if (negative) value = -value;
        return true;
    }
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc()) return false;
    if (value == 0) value = 0; // never -0
    return true;
}
} // namespace

double Leading_Number_Value(std::string_view text) {
    double fast;
    if (Plain_Number_Value(text, fast)) return fast;
    // Gather the number, skipping blanks, tabs and line feeds wherever they stand.
    std::string number;
    std::size_t i = 0;
    auto next = [&]() -> char {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
        return i < text.size() ? text[i] : '\0';
    };
    char c = next();
    if (c == '+' || c == '-') {
        if (c == '-') number += '-';
        ++i;
        c = next();
    }
    // the magnitude is about 10^(integer digits, or minus the zeros after the
    // point, plus the exponent): it tells overflow from underflow
    bool digits = false, point = false, significant = false;
    long long magnitude = 0;
    for (;; ++i, c = next()) {
        if (c >= '0' && c <= '9') {
            digits = true;
            if (!point) {
                if (c != '0' || significant) ++magnitude;
            } else if (!significant && c == '0') {
                --magnitude;
            }
            significant = significant || c != '0';
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (!digits || !significant) return 0.0;
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        ++i;
        c = next();
        bool minus = false;
        if (c == '+' || c == '-') {
            minus = c == '-';
            ++i;
            c = next();
        }
        long long exponent = 0;
        if (c >= '0' && c <= '9') number += minus ? "e-" : "e";
        for (; c >= '0' && c <= '9'; ++i, c = next()) {
            number += c;
            if (exponent < 1000000000) exponent = exponent * 10 + (c - '0');
        }
        magnitude += minus ? -exponent : exponent;
    }
    double value = 0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude > 0) throw std::range_error("number beyond the double range");
        return 0.0;
    }
    return value == 0 ? 0.0 : value; // never -0
}

std::optional<double> Leading_Number(std::string_view text) {
    try {
        return Leading_Number_Value(text);
    } catch (const std::range_error &) {
        return std::nullopt;
    }
}

namespace {
// What a text of these digits reads as, when one exact operation gives it:
// the digits make a whole number below 10^15 and the power of ten is exact.
// NaN otherwise.
double Decimal_Value(const Decimal &d) {
    if (d.count == 0) return 0; // never -0
    const int scale = d.point - d.count;
    if (d.count > 15 || scale < -Largest_Exact_Power || scale > Largest_Exact_Power)
        return std::numeric_limits<double>::quiet_NaN();
    std::uint64_t whole = 0;
    if (d.fifteen != 0) {
        whole = d.fifteen / Whole_Powers_Of_Ten[15 - d.count]; // only zeros are cut off
    } else {
        for (int i = 0; i < d.count; ++i) whole = whole * 10 + std::uint64_t(d.Digits()[i] - '0');
    }
    const double value = scale < 0 ? double(whole) / Exact_Powers_Of_Ten[-scale]
                                   : double(whole) * Exact_Powers_Of_Ten[scale];
    return d.negative ? -value : value;
}
} // namespace

namespace {

// The standard number text into begin (room for 32 characters, all of which
// may be written to; the text has at most 22, "-1.23456789012345E-100");
// returns its end and sets what it reads as.
char *Write_Standard_Text(double value, char *begin, double &text_value) {
    char *end = begin;
    if (std::fabs(value) < 1e15 && value == double(static_cast<long long>(value))) {
        // whole numbers below 1e15 are their own 15-digit rounding
        text_value = value == 0 ? 0.0 : value; // never -0
        return std::to_chars(begin, begin + 32, static_cast<long long>(value)).ptr;
    }
    Decimal d = To_Decimal15(value);
    text_value = Decimal_Value(d);
    const int exponent = d.point - 1;
    if (d.count == 0 || (exponent < 15 && exponent >= -4))
        return Write_Fixed_Directly(d, false, begin); // at most 15 digits, 3 zeros, sign, point
    if (d.negative) *end++ = '-';
    const char *const digits = d.Digits();
    *end++ = digits[0];
    if (d.count > 1) {
        *end++ = '.';
        for (int i = 1; i < d.count; ++i) *end++ = digits[i];
    }
    *end++ = 'E';
    *end++ = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) *end++ = '0';
    return std::to_chars(end, begin + 32, magnitude).ptr;
}

// The function-result text into begin (room for 40 characters) when its fixed
// form is short, as it is unless the value has more than 17 whole digits.
bool Write_Function_Text(const Decimal &d, char *begin, char *&end) {
    if (d.point > 17) return false;
    end = Write_Fixed_Directly(d, true, begin); // sign, 17 digits, point, 15 decimals at most
    return true;
}

} // namespace

// The texts are written straight into out, whose storage is kept: a copy of
// bytes just written would stall the processor longer than writing them.
double Standard_Number_Text(double value, std::string &out) {
    out.resize(32);
    double text_value;
    char *const begin = out.data();
    out.resize(static_cast<std::size_t>(Write_Standard_Text(value, begin, text_value) - begin));
    return text_value;
}

std::string Standard_Number_Text(double value) {
    char buffer[32];
    double text_value;
    return std::string(buffer, Write_Standard_Text(value, buffer, text_value));
}

double Function_Result_Text(double value, std::string &out) {
    Decimal d = To_Decimal15(value);
    Cut_Decimals(d, 15);
    out.resize(40);
    char *const begin = out.data();
    char *end;
    if (Write_Function_Text(d, begin, end)) {
        out.resize(static_cast<std::size_t>(end - begin));
    } else {
        char buffer[Fixed_Room];
        out.assign(buffer, Write_Fixed(d, true, buffer));
    }
    return Decimal_Value(d);
}

std::string Function_Result_Text(double value) {
    Decimal d = To_Decimal15(value);
    Cut_Decimals(d, 15);
    char buffer[Fixed_Room];
    return std::string(buffer, Write_Fixed_Directly(d, true, buffer));
}

std::string Fixed_Display_Text(double value) {
    Decimal d = To_Decimal15(value);
    Cut_Decimals(d, 17);
    return Fixed(d, true);
}

std::string Sci_Display_Text(double value) {
    Decimal d = To_Decimal15(value);
    const int exponent = d.count == 0 ? 0 : d.point - 1;
    std::string out = Mantissa(d, true);
    out += exponent < 0 ? "e-" : "e+";
    out += std::to_string(std::abs(exponent));
    return out;
}

std::string Radix_Text(std::int32_t value, int base) {
    char buf[40]; // 32 binary digits at the most
    const auto end =
        std::to_chars(buf, buf + sizeof buf, static_cast<std::uint32_t>(value), base).ptr;
    std::string out(buf, end);
    for (char &c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string Whole_Number_Text(double value) {
    char buffer[Fixed_Room];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
    if (result.ec != std::errc()) return Standard_Number_Text(value);
    std::string text(buffer, result.ptr);
    if (text == "-0") text = "0";
    return text;
}

std::string Hex_Text(std::int32_t value) {
    return Radix_Text(value, 16);
}
std::string Oct_Text(std::int32_t value) {
    return Radix_Text(value, 8);
}

bool Read_Hex_Text(std::string_view text, std::int32_t &value) {
    if (text.empty()) return false;
    std::uint64_t v = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        v = v * 16 + digit;
        if (v > 0xFFFFFFFFull) return false;
    }
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return true;
}

} // namespace CalcModule
