#pragma once
// The main window's key pad in one place: for each digit, number-processing
// and operator key its face, what it puts into the display or the
// expression, what a screen reader says, its tooltip, the keyboard
// characters that press it, its cell in the pad, whether the inverse box
// shows it and in which bases it works. The window builds its keys, their
// places, the Tab order, the keyboard mapping and the base and inverse
// switching from these rows; the tests' driver reads the same rows.
//
// Plain data without Qt: texts are UTF-8, typed characters ASCII.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace Key_Table {

// The pad's columns, left to right: recall, register, store, four function
// columns, the hexadecimal letters, three digit columns, two operator
// columns, statistics.
enum Column : std::uint8_t { RM, Reg, M, Fn1, Fn2, Fn3, Fn4, Hex, D1, D2, D3, Op1, Op2, Stat };
inline constexpr int Rows = 5;

// Where the inverse box comes in: a plain key is covered by its inverse key
// in the same cell while the box is ticked; the others are always there.
enum class Layer : std::uint8_t { Always, Plain, Inverse };

// The bases a key works in, as a set of bits; outside them it is disabled.
enum Bases : std::uint8_t {
    Hexadecimal = 1,
    Decimal = 2,
    Octal = 4,
    Binary = 8,
    Any_Base = Hexadecimal | Decimal | Octal | Binary,
};

constexpr std::uint8_t Base_Bit(int base) {
    return base == 16 ? Hexadecimal : base == 8 ? Octal : base == 2 ? Binary : Decimal;
}

struct Key {
    const char *face;
    // the text an operator adds to the expression, a digit key to the
    // display; nullptr for the number-processing keys, which work on it
    const char *token;
    std::uint8_t row;
    Column column;
    Layer layer;
    std::uint8_t bases;
    // the key starts a new operand after a result instead of working on it
    // ("(", the functions): "5.sin" is no expression
    bool starts_operand;
    const char *typed; // keyboard characters that press the key, or nullptr
    // what a screen reader says, where neither the tooltip nor the face will
    // do: a face of symbols, or a tooltip that only names keyboard keys
    const char *spoken;
    const char *tip; // the tooltip, or nullptr
    std::uint8_t row_span = 1;
    std::uint8_t column_span = 1;

    constexpr const char *Spoken() const { return spoken ? spoken : tip ? tip : face; }
    constexpr bool Works_In(int base) const { return (bases & Base_Bit(base)) != 0; }
};

// short names for the rows below
constexpr Layer A = Layer::Always, P = Layer::Plain, I = Layer::Inverse;
constexpr std::uint8_t Not_Binary = Hexadecimal | Decimal | Octal;

// clang-format off
inline constexpr std::array<Key, 20> Digit_Keys = {{
    // face   token                   row col  layer bases   starts operand, typed, spoken, tip
    {"0",     "0",                    3, D1,   A, Any_Base,         false, "0",   nullptr, nullptr},
    {"1",     "1",                    2, D1,   A, Any_Base,         false, "1",   nullptr, nullptr},
    {"2",     "2",                    2, D2,   A, Not_Binary,       false, "2",   nullptr, nullptr},
    {"3",     "3",                    2, D3,   A, Not_Binary,       false, "3",   nullptr, nullptr},
    {"4",     "4",                    1, D1,   A, Not_Binary,       false, "4",   nullptr, nullptr},
    {"5",     "5",                    1, D2,   A, Not_Binary,       false, "5",   nullptr, nullptr},
    {"6",     "6",                    1, D3,   A, Not_Binary,       false, "6",   nullptr, nullptr},
    {"7",     "7",                    0, D1,   A, Not_Binary,       false, "7",   nullptr, nullptr},
    {"8",     "8",                    0, D2,   A, Hexadecimal | Decimal, false, "8", nullptr, nullptr},
    {"9",     "9",                    0, D3,   A, Hexadecimal | Decimal, false, "9", nullptr, nullptr},
    {"A",     "A",                    0, Hex,  A, Hexadecimal,      false, "Aa",  "A", "十六进制数字（键盘：A 或 a）"},
    {"B",     "B",                    1, Hex,  A, Hexadecimal,      false, "Bb",  "B", "十六进制数字（键盘：B 或 b）"},
    {"C",     "C",                    2, Hex,  A, Hexadecimal,      false, "Cc",  "C", "十六进制数字（键盘：C 或 c）"},
    {"D",     "D",                    3, Hex,  A, Hexadecimal,      false, "Dd",  "D", "十六进制数字（键盘：D 或 d）"},
    {"E",     "E",                    4, Hex,  A, Hexadecimal,      false, "Ee",  "E", "十六进制数字（键盘：E 或 e）"},
    {"F",     "F",                    4, D1,   A, Hexadecimal,      false, "Ff",  "F", "十六进制数字（键盘：F 或 f）"},
    {".",     ".",                    3, D3,   A, Decimal,          false, ".",   nullptr, nullptr},
    {"∏",     "3.141592653589793",    4, D2,   A, Decimal,          false, nullptr, nullptr, "圆周率"},
    {"e",     "2.718281828459045235", 4, Fn4,  A, Decimal,          false, nullptr, nullptr, nullptr},
    {"Exp",   "e+",                   4, D3,   A, Decimal,          false, nullptr, nullptr, "科学计数法输入"},
}};

inline constexpr std::array<Key, 4> Process_Keys = {{
    {"+/-",   nullptr,                3, D2,   A, Decimal,          false, nullptr, nullptr, nullptr},
    {"F-E",   nullptr,                4, Fn1,  A, Decimal,          false, nullptr, nullptr, nullptr},
    {"dms",   nullptr,                4, Fn3,  A, Decimal,          false, nullptr, nullptr, "度数转换"},
    {"1/x",   nullptr,                4, Fn2,  A, Decimal,          false, nullptr, nullptr, nullptr},
}};

inline constexpr std::array<Key, 31> Operator_Keys = {{
    {"(",     "(",                    2, Op1,  A, Any_Base,         true,  "(",   nullptr, nullptr},
    {")",     ")",                    2, Op2,  A, Any_Base,         false, ")",   nullptr, nullptr},
    {"+",     "+",                    0, Op1,  A, Any_Base,         false, "+",   nullptr, nullptr},
    {"-",     "-",                    0, Op2,  A, Any_Base,         false, "-",   nullptr, nullptr},
    {"*",     "*",                    1, Op1,  A, Any_Base,         false, "*",   nullptr, nullptr},
    {"/",     "/",                    1, Op2,  A, Any_Base,         false, "/",   nullptr, nullptr},
    {"Int",   "int",                  0, Fn3,  A, Any_Base,         true,  nullptr, nullptr, nullptr},
    {"Mod",   "mod",                  1, Fn3,  A, Any_Base,         false, nullptr, nullptr, nullptr},
    {"And",   "and",                  0, Fn4,  A, Any_Base,         false, nullptr, nullptr, nullptr},
    {"Xor",   "xor",                  1, Fn4,  A, Any_Base,         false, nullptr, nullptr, nullptr},
    {"Or",    "or",                   2, Fn4,  A, Any_Base,         false, nullptr, nullptr, nullptr},
    {"Not",   "not",                  3, Fn4,  A, Any_Base,         true,  nullptr, nullptr, nullptr},
    {"x^y",   "^",                    0, Fn1,  P, Any_Base,         false, "^",   "x^y", "键盘：^"},
    {"x^3",   "^3",                   1, Fn1,  P, Any_Base,         false, nullptr, nullptr, nullptr},
    {"x^2",   "^2",                   2, Fn1,  P, Any_Base,         false, nullptr, nullptr, nullptr},
    {"ln",    "ln",                   3, Fn1,  P, Decimal,          true,  nullptr, nullptr, nullptr},
    {"log",   "log",                  3, Fn2,  P, Decimal,          true,  nullptr, nullptr, nullptr},
    {"sin",   "sin",                  0, Fn2,  P, Decimal,          true,  nullptr, nullptr, nullptr},
    {"cos",   "cos",                  1, Fn2,  P, Decimal,          true,  nullptr, nullptr, nullptr},
    {"tan",   "tan",                  2, Fn2,  P, Decimal,          true,  nullptr, nullptr, nullptr},
    {"ʸ√x",   "^(1/",                 0, Fn1,  I, Decimal,          false, nullptr, "y次方根", nullptr},
    {"³√x",   "^(1/3)",               1, Fn1,  I, Decimal,          false, nullptr, "立方根", nullptr},
    {"sqr",   "sqr",                  2, Fn1,  I, Decimal,          true,  nullptr, nullptr, nullptr},
    {"e^x",   "2.718281828459045^",   3, Fn1,  I, Decimal,          true,  nullptr, nullptr, nullptr},
    {"10ˣ",   "10^",                  3, Fn2,  I, Decimal,          true,  nullptr, "10的x次方", nullptr},
    {"Asn",   "asn",                  0, Fn2,  I, Decimal,          true,  nullptr, nullptr, nullptr},
    {"Acs",   "acs",                  1, Fn2,  I, Decimal,          true,  nullptr, nullptr, nullptr},
    {"Atn",   "atn",                  2, Fn2,  I, Decimal,          true,  nullptr, nullptr, nullptr},
    {"n!",    "!",                    2, Fn3,  A, Any_Base,         false, "!",   "n!", "键盘：!"},
    {"abs",   "abs",                  3, Fn3,  A, Decimal,          true,  nullptr, nullptr, "绝对值"},
    // Return and the keypad's Enter arrive as a carriage return
    {"=",     "=",                    3, Op1,  A, Any_Base,         false, "=\r", "=", "键盘：= 或 Enter", 2, 2},
}};
// clang-format on

// The three kinds of pad key, each an array of controls of its own.
enum class Family : std::uint8_t { Digit, Process, Operator };
inline constexpr std::array<Family, 3> Families = {Family::Digit, Family::Process,
                                                   Family::Operator};

constexpr std::span<const Key> Keys(Family family) {
    switch (family) {
    case Family::Digit:
        return Digit_Keys;
    case Family::Process:
        return Process_Keys;
    default:
        return Operator_Keys;
    }
}

// The control array's name; a key's object name adds "_" and its index.
constexpr const char *Control_Name(Family family) {
    switch (family) {
    case Family::Digit:
        return "Digl_Butn";
    case Family::Process:
        return "Digl_ProsButn";
    default:
        return "Oper_Butn";
    }
}

struct Key_Ref {
    Family family;
    int index;
};

// The key a typed character presses, if any. The caller decides whether the
// key works at the moment (its base, its enabled state).
constexpr std::optional<Key_Ref> Typed_Key(char16_t character) {
    for (Family family : Families) {
        const auto keys = Keys(family);
        for (std::size_t i = 0; i < keys.size(); ++i)
            for (const char *c = keys[i].typed; c && *c; ++c)
                if (char16_t(*c) == character) return Key_Ref{family, int(i)};
    }
    return std::nullopt;
}

} // namespace Key_Table
