#pragma once
// The typed engine call: one text in, one outcome out. It cleans the text,
// evaluates it and says what came of it, so that no caller has to tell "!",
// "" and warnings apart on its own. Filter_Expression and
// Evaluate_Expression stay underneath, unchanged.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace CalcModule {

enum class Outcome_Kind : std::uint8_t {
    Value,     // a result, and the engine reported nothing on the way
    Malformed, // the expression does not read: "!", nothing was reported
    Failed,    // the engine reported a failure with a warning on the way
};

struct Outcome {
    Outcome_Kind Kind = Outcome_Kind::Failed;
    // The engine's result text as it came: a value text in the evaluation's
    // base, "!" or "". A failure can still leave a text: in "1/0+5=" the
    // failed division counts as an empty operand and the text is "5".
    std::string Text;
    // The leading-number value of Text, read as a decimal number whatever
    // the base ("1A" gives 1; a text that does not begin with a number, the
    // empty text included, gives 0); none for "!" and for a number beyond
    // the double range.
    std::optional<double> Number;
    int Warnings = 0; // warnings the engine raised during this evaluation
};

// The modes one evaluation runs with.
struct Calc_Settings {
    std::uint8_t Base = 10;
    std::uint8_t Word_Length = 32;
    std::uint8_t Angle_Unit = 0;
    std::uint8_t Mode = 0; // 1: lowercase letters stand for Variable_Values
};

// Cleans the text as typed (Filter_Expression in the settings' mode) and
// evaluates what remains. The text ends in "=", as the engine expects.
Outcome Calculate(std::string_view text, const Calc_Settings &settings);

// Evaluates a text that is clean already and ends in "=": one cleaned once
// and kept, or built from cleaned pieces.
Outcome Calculate_Cleaned(std::string_view expression, const Calc_Settings &settings);

// The same into an outcome kept from call to call, whose text keeps its
// storage: a loop that evaluates at every step allocates nothing.
void Calculate_Cleaned(std::string_view expression, const Calc_Settings &settings,
                       Outcome &outcome);

// Whether a cleaned text is nothing but a letter that stands for its value in
// letter mode ("x"; "e" is a number).
bool Is_Lone_Letter(std::string_view cleaned);

// Calculate_Cleaned of a lone letter followed by "=", answered without
// reading a text: the same outcome, down to the last bit of its number.
void Calculate_Letter(char letter, const Calc_Settings &settings, Outcome &outcome);

} // namespace CalcModule
