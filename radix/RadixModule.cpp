#include "radix/RadixModule.h"

#include "rounding/Rounding.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace RadixModule {
namespace {

constexpr const char *Nibbles[16] = {"0000", "0001", "0010", "0011", "0100", "0101",
                                     "0110", "0111", "1000", "1001", "1010", "1011",
                                     "1100", "1101", "1110", "1111"};
constexpr const char Hex_Digits[] = "0123456789ABCDEF";

// Table-made texts lose their leading zeros: zero comes back as "".
std::string Drop_Leading_Zeros(std::string text) {
    text.erase(0, std::min(text.find_first_not_of('0'), text.size()));
    return text;
}

int Hex_Digit_Value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10; // the text is upper-cased first
    return -1;
}

// Positions are counted in the 16-bit characters the user sees: a character
// beyond ASCII stands for one position (two beyond U+FFFF) that matches no
// digit, however many bytes it takes here.
std::string_view As_Positions(std::string_view text, std::string &storage) {
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) return text;
    storage.clear();
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            storage += c;
        else if ((byte & 0xC0) != 0x80) // the first byte of a character
            storage.append(byte >= 0xF0 ? 2 : 1, '\x7f');
    }
    return storage;
}

// Groups of `width` binary digits, read from the left after padding with
// zeros in front; a group that is not made of 0 and 1 is skipped.
std::string Bin_To_Radix(std::string_view original, std::size_t width) {
    std::string storage;
    const std::string_view text = As_Positions(original, storage);
    std::string padded((width - text.size() % width) % width, '0');
    padded += text;
    std::string out;
    out.reserve(padded.size() / width);
    for (std::size_t i = 0; i < padded.size(); i += width) {
        int value = 0;
        bool valid = true;
        for (std::size_t j = i; j < i + width; ++j) {
            if (padded[j] != '0' && padded[j] != '1') valid = false;
            value = value * 2 + (padded[j] == '1');
        }
        if (valid) out += Hex_Digits[value];
    }
    return Drop_Leading_Zeros(std::move(out));
}

void Check_Finite(double value) {
    if (!std::isfinite(value)) throw std::overflow_error("overflow");
}

} // namespace

std::string Dec_To_Bin(double &x) {
    std::string reversed;
    while (x > 0) {
        const std::int32_t whole = Rounding::Round_To_Int32(x);
        reversed += static_cast<char>('0' + whole % 2);
        x = whole / 2; // toward zero
    }
    if (reversed.empty() && x == 0) return "0";
    return std::string(reversed.rbegin(), reversed.rend());
}

double Bin_To_Dec(std::string_view original) {
    std::string storage;
    double r = 0;
    for (char c : As_Positions(original, storage)) {
        // each character by its own leading-number value: a digit is itself, anything else 0
        r = 2 * r + (c >= '0' && c <= '9' ? c - '0' : 0);
        Check_Finite(r);
    }
    return r;
}

double Oct_To_Dec(std::string_view original) {
    std::string storage;
    const std::string_view text = As_Positions(original, storage);
    double r = 0, weight = 1;
    for (std::size_t i = text.size(); i-- > 0; weight *= 8) {
        const char c = text[i];
        if (c >= '0' && c <= '7') {
            Check_Finite(weight);
            r += (c - '0') * weight;
            Check_Finite(r);
        }
    }
    return r;
}

std::string Hex_To_Bin(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 4);
    for (char c : text) {
        const int value = Hex_Digit_Value(c);
        if (value >= 0) out += Nibbles[value];
    }
    return Drop_Leading_Zeros(std::move(out));
}

std::string Bin_To_Hex(std::string_view text) {
    return Bin_To_Radix(text, 4);
}
std::string Bin_To_Oct(std::string_view text) {
    return Bin_To_Radix(text, 3);
}

std::string Oct_To_Bin(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (char c : text)
        if (c >= '0' && c <= '7') out += Nibbles[c - '0'] + 1; // last three of the nibble
    return Drop_Leading_Zeros(std::move(out));
}

std::string Oct_To_Hex(std::string_view text) {
    return Bin_To_Hex(Oct_To_Bin(text));
}
std::string Hex_To_Oct(std::string_view text) {
    return Bin_To_Oct(Hex_To_Bin(text));
}

} // namespace RadixModule
