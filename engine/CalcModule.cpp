#include "engine/CalcModule.h"

#include "engine/Known_Values.h"
#include "engine/NumberText.h"
#include "engine/stack.h"

#include <limits>
#include <stdexcept>
#include <vector>

namespace CalcModule {

std::uint8_t Number_Base = 10;
std::uint8_t Word_Length = 32;
std::uint8_t Angle_Unit = 0;
std::array<double, 26> Variable_Values{};
std::uint8_t Calc_Mode = 0;

namespace {

Warning_Handler warning_handler;

// State of the running evaluation.
stack Operator_Stack, Operand_Stack;
const std::string No_Operand; // the left operand of a function
// What each operand on the stack reads as in decimal where the engine wrote
// its text itself (NaN elsewhere), by slot like the stack: the next operator
// need not read it again.
std::vector<double> Operand_Values;

// A push onto the operand stack whose text the caller writes into the slot
// returned; Set_Top_Value then records what it reads as.
std::string &Push_Operand_Slot() {
    std::string &slot = Operand_Stack.Push_Slot();
    const auto index = static_cast<std::size_t>(Operand_Stack.pointer);
    if (Operand_Values.size() <= index) Operand_Values.resize(index + 1);
    return slot;
}

void Set_Top_Value(double value) {
    Operand_Values[static_cast<std::size_t>(Operand_Stack.pointer)] = value;
}

double Top_Operand_Value() {
    const auto slot = static_cast<std::size_t>(Operand_Stack.pointer);
    return Operand_Stack.pointer > 0 && slot < Operand_Values.size()
               ? Operand_Values[slot]
               : std::numeric_limits<double>::quiet_NaN();
}
std::uint8_t Calc_Base = 10, Calc_Word_Length = 32, Calc_Angle_Unit = 0;

// What each character can be, for the clean-up and the readers.
enum Char_Kind : std::uint8_t {
    Operator_Char = 1, // an operator on its own
    Number_Char = 2,   // a number character in every base
    Hex_Char = 4,      // a number character while the program-wide base is 16
    Lower_Char = 8,
};

constexpr std::array<std::uint8_t, 256> Char_Kinds = [] {
    std::array<std::uint8_t, 256> kinds{};
    for (char c : std::string_view("=)+-*/^!("))
        kinds[static_cast<unsigned char>(c)] = Operator_Char;
    for (char c : std::string_view("0123456789.e"))
        kinds[static_cast<unsigned char>(c)] = Number_Char;
    for (char c = 'A'; c <= 'F'; ++c) kinds[static_cast<unsigned char>(c)] = Hex_Char;
    for (char c = 'a'; c <= 'z'; ++c) kinds[static_cast<unsigned char>(c)] |= Lower_Char;
    return kinds;
}();

std::uint8_t Kind(char c) {
    return Char_Kinds[static_cast<unsigned char>(c)];
}

bool Is_Lower(char c) {
    return (Kind(c) & Lower_Char) != 0;
}

bool Is_Number_Char(char c) {
    const std::uint8_t kind = Kind(c);
    return (kind & Number_Char) != 0 || ((kind & Hex_Char) != 0 && Number_Base == 16);
}

std::int16_t Digit_Code(char c) {
    if (c >= '1' && c <= '9') return static_cast<std::int16_t>(c - '0');
    if (c == '0') return 10;
    if (c == '.') return 11;
    if (c >= 'A' && c <= 'F' && Number_Base == 16) return static_cast<std::int16_t>(c);
    if (c == 'e') return 101;
    return 0;
}

// The number test on the first character of the rest of the text; testing
// past the end is an error, as for an empty text.
bool Number_Char_At(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) throw std::invalid_argument("number test on an empty text");
    return Is_Number_Char(text[pos]);
}

// Length (1 to 3) of the operator at the front of the text, 0 if none.
std::size_t Operator_Length_At(std::string_view text, std::size_t pos) {
    const std::size_t rest = text.size() - pos;
    for (std::size_t n = 1; n <= 3 && n <= rest; ++n)
        if (Operator_Priority(text.substr(pos, n)) != 0) return n;
    return 0;
}

// The operand at the front of the rest of the text into `operand` ("" if
// none); returns what it reads as in decimal where that is known (a letter's
// value), else NaN.
double Read_Operand_At(std::string_view text, std::size_t &pos, std::string &operand) {
    // every character taken follows the one before, so the operand is one piece of the text
    const std::size_t start = pos;
    for (;;) {
        if (pos < text.size() && text[pos] == '-') ++pos;
        while (Number_Char_At(text, pos)) ++pos;
        if (pos == start || text[pos - 1] != 'e') break;
        // an exponent: the character after "e" belongs to the number, whatever it is
        if (pos < text.size()) {
            // a character beyond ASCII is taken whole
            if (static_cast<unsigned char>(text[pos++]) >= 0xC0)
                while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
                    ++pos;
        }
    }
    if (pos != start) {
        operand.assign(text.substr(start, pos - start));
    } else if (Calc_Mode == 1 && Operator_Length_At(text, pos) == 0 && Is_Lower(text[pos])) {
        return Standard_Number_Text(Variable_Values[text[pos++] - 'a'], operand);
    } else {
        operand.clear();
    }
    return std::numeric_limits<double>::quiet_NaN();
}

std::string_view Read_Operator_At(std::string_view text, std::size_t &pos) {
    const std::size_t n = Operator_Length_At(text, pos);
    std::string_view token = text.substr(pos, n);
    pos += n;
    return token;
}

} // namespace

Warning_Handler Set_Warning_Handler(Warning_Handler handler) {
    Warning_Handler previous = std::move(warning_handler);
    warning_handler = std::move(handler);
    return previous;
}

namespace {
std::uint64_t Warnings_Raised = 0;
} // namespace

std::uint64_t Warning_Count() {
    return Warnings_Raised;
}

void Show_Warning(const std::string &message) {
    ++Warnings_Raised;
    if (warning_handler) warning_handler(message);
}

std::int16_t Operator_Priority(std::string_view text) {
    switch (text.size()) {
    case 1:
        switch (text[0]) {
        case '=':
            return 1;
        case ')':
            return 3;
        case '+':
        case '-':
            return 5;
        case '*':
        case '/':
            return 7;
        case '^':
            return 9;
        case '!':
            return 13;
        case '(':
            return 15;
        }
        return 0;
    case 2:
        if (text == "or") return 7;
        if (text == "ln") return 11;
        return 0;
    case 3:
        switch (Name_Code(text)) {
        case Name_Code("mod"):
        case Name_Code("and"):
        case Name_Code("xor"):
            return 7;
        case Name_Code("sin"):
        case Name_Code("cos"):
        case Name_Code("tan"):
        case Name_Code("log"):
        case Name_Code("int"):
        case Name_Code("not"):
        case Name_Code("sqr"):
        case Name_Code("abs"):
        case Name_Code("atn"):
        case Name_Code("asn"):
        case Name_Code("acs"):
            return 11;
        }
        return 0;
    }
    return 0;
}

std::int16_t Digit_Class(std::string_view text) {
    if (text.empty()) throw std::invalid_argument("number test on an empty text");
    return Digit_Code(text[0]);
}

std::int16_t Is_Lower_Letter(std::string_view text) {
    return !text.empty() && Is_Lower(text[0]) ? 1 : 0;
}

std::string Filter_Expression(std::string &expression, std::uint8_t mode) {
    Calc_Mode = mode;
    // First pass: operators of one character, number characters, lowercase
    // letters. Done in place: the text passed in is consumed anyway.
    std::size_t kept = 0;
    for (const char c : expression)
        if ((Kind(c) & (Operator_Char | Lower_Char)) != 0 || Is_Number_Char(c))
            expression[kept++] = c;
    const std::string_view text(expression.data(), kept);

    // Second pass: keep numbers (and letters in mode 1) and whole operator names.
    std::string output(kept, '\0'); // never longer than the first pass left it
    std::size_t length = 0, pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (Is_Number_Char(c) || (mode == 1 && Is_Lower(c))) {
            output[length++] = c;
            ++pos;
            continue;
        }
        const std::size_t n = Operator_Length_At(text, pos);
        for (std::size_t i = 0; i < n; ++i) output[length++] = text[pos + i];
        pos += n != 0 ? n : 1;
    }
    output.resize(length);
    expression.clear();
    return output;
}

std::string Read_Operand(std::string &expression) {
    std::size_t pos = 0;
    try {
        std::string result;
        Read_Operand_At(expression, pos, result);
        expression.erase(0, pos);
        return result;
    } catch (...) {
        expression.erase(0, pos);
        throw;
    }
}

std::string Read_Operator(std::string &expression) {
    std::size_t pos = 0;
    std::string token(Read_Operator_At(expression, pos));
    expression.erase(0, pos);
    return token;
}

namespace {

// Compare_Priority on the two priority codes.
std::int16_t Compare_Codes(std::int16_t a, std::int16_t b) {
    if ((a == 5 || a == 7 || a == 9) && b != 0 && b <= a) return 2;
    if (a == 13) return b != 0 && b <= 13 ? 1 : 0;
    if (a == 11) return b != 0 && b < 11 ? 1 : 0;
    if (a == 15 && b == 3) return 3;
    return 0;
}

// Applies the top operator while the incoming one does not bind tighter;
// a loop rather than one call per operator, so long runs cannot exhaust the stack.
std::int16_t Reduce(std::string_view incoming) {
    const std::int16_t incoming_priority = Operator_Priority(incoming);
    for (;;) {
        const Stack_Value *top = Operator_Stack.Top();
        if (Operator_Stack.pointer == 0 || Operand_Stack.pointer == 0 || !top || !*top) return 0;
        const std::int16_t code = Compare_Codes(Operator_Priority(**top), incoming_priority);
        if (code == 0) return 0;
        if (code == 3) {
            Operator_Stack.Pop_In_Place();
            return 3;
        }
        try {
            // the operands are read where they lie: their slots are not cleared
            const double right_value = Top_Operand_Value();
            const std::string &right = As_Text(Operand_Stack.Pop_In_Place());
            const double left_value =
                code == 2 ? Top_Operand_Value() : std::numeric_limits<double>::quiet_NaN();
            const std::string &left =
                code == 2 ? As_Text(Operand_Stack.Pop_In_Place()) : No_Operand;
            // the result goes straight into the slot the operands leave free (the
            // operands are read before it is written); no slot moves meanwhile
            std::string &result = Push_Operand_Slot();
            Set_Top_Value(Apply_Operator(left, left_value, right, right_value, **top, Calc_Base,
                                         Calc_Word_Length, Calc_Angle_Unit, result));
            Operator_Stack.Pop_In_Place();
        } catch (...) {
            Show_Warning(Invalid_Data_Message);
            return 0;
        }
    }
}

} // namespace

std::int16_t Compare_Priority(std::string_view top, std::string_view incoming) {
    return Compare_Codes(Operator_Priority(top), Operator_Priority(incoming));
}

std::int16_t Reduce_Stacks(const std::string &incoming) {
    return Reduce(incoming);
}

namespace {
double Last_Value = std::numeric_limits<double>::quiet_NaN();
} // namespace

double Last_Result_Value() {
    return Last_Value;
}

namespace {

// How an evaluation ended.
enum class Run_End : std::uint8_t {
    Value,     // the result text lies on top of the operand stack
    Malformed, // the text does not read
    Failed,    // a failure was reported; pos tells how far the text was read
};

Run_End Run(std::string_view text, std::size_t &pos, std::uint8_t base, std::uint8_t word_length,
            std::uint8_t angle_unit, std::uint8_t mode) {
    Calc_Base = base;
    Calc_Word_Length = word_length;
    Calc_Angle_Unit = angle_unit;
    Calc_Mode = mode;
    Operator_Stack.Clear();
    Operand_Stack.Clear();
    Last_Value = std::numeric_limits<double>::quiet_NaN();

    try {
        std::uint8_t failures = 0; // reads in a row that took nothing
        while (pos < text.size() && failures < 4) {
            // read straight into the next slot, taken back when nothing was read
            std::string &operand = Push_Operand_Slot();
            const double value = Read_Operand_At(text, pos, operand);
            if (!operand.empty()) {
                Set_Top_Value(value);
                failures = 0;
            } else {
                Operand_Stack.Pop_In_Place();
                ++failures;
            }
            for (;;) {
                const std::string_view token = Read_Operator_At(text, pos);
                if (!token.empty()) {
                    failures = 0;
                    if (Reduce(token) != 3) Operator_Stack.Push_Copy(token);
                } else {
                    ++failures;
                }
                const char last = token.empty() ? '\0' : token.back();
                const char next = pos < text.size() ? text[pos] : '\0';
                // after ")" or "!" a "-" is subtraction; elsewhere it is a sign
                const bool minus_is_operator = (last == ')' || last == '!') && next == '-';
                if (!minus_is_operator && !(next != '-' && failures == 0)) break;
            }
        }
    } catch (...) {
        Show_Warning(Invalid_Data_Message);
        return Run_End::Failed;
    }
    if (pos < text.size() || Operand_Stack.pointer != 1 || Operator_Stack.pointer != 1)
        return Run_End::Malformed;
    Last_Value = Top_Operand_Value();
    return Run_End::Value;
}

} // namespace

std::string Evaluate_Expression(std::string &expression, std::uint8_t base,
                                std::uint8_t word_length, std::uint8_t angle_unit,
                                std::uint8_t mode) {
    std::size_t pos = 0;
    switch (Run(expression, pos, base, word_length, angle_unit, mode)) {
    case Run_End::Failed:
        expression.erase(0, pos); // left as far as it was consumed
        return std::string();
    case Run_End::Malformed:
        return "!";
    case Run_End::Value:
        break;
    }
    return Operand_Stack.Pop_Text(); // moved out: its slot is written anew before it is read
}

void Evaluate_Into(std::string_view expression, std::uint8_t base, std::uint8_t word_length,
                   std::uint8_t angle_unit, std::uint8_t mode, std::string &out) {
    std::size_t pos = 0;
    switch (Run(expression, pos, base, word_length, angle_unit, mode)) {
    case Run_End::Failed:
        out.clear();
        return;
    case Run_End::Malformed:
        out.assign(1, '!');
        return;
    case Run_End::Value:
        break;
    }
    Operand_Stack.Pop_Text_Into(out);
}

double Evaluate_Letter(char letter, std::uint8_t base, std::uint8_t word_length,
                       std::uint8_t angle_unit, std::string &out) {
    // the modes the full evaluation of the letter and "=" sets, which later
    // readers of them see
    Calc_Base = base;
    Calc_Word_Length = word_length;
    Calc_Angle_Unit = angle_unit;
    Calc_Mode = 1;
    Operator_Stack.Clear();
    Operand_Stack.Clear();
    Last_Value = Standard_Number_Text(Variable_Values[std::size_t(letter - 'a')], out);
    return Last_Value;
}

} // namespace CalcModule
