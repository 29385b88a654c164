// Any text, in any base, word length, angle unit and mode: the engine must
// neither crash nor throw, and answer "!", "" or a text, with an outcome that agrees with it.
#include "engine/CalcModule.h"
#include "engine/NumberText.h"
#include "engine/Outcome.h"
#include "radix/RadixModule.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace {
// The kind must agree with the text it classifies.
void Check(const CalcModule::Outcome &outcome) {
    using Kind = CalcModule::Outcome_Kind;
    const bool malformed = outcome.Text == "!";
    if ((outcome.Kind == Kind::Malformed) != malformed) __builtin_trap();
    if (outcome.Kind == Kind::Value && (outcome.Warnings != 0 || outcome.Text.empty()))
        __builtin_trap();
    if (malformed && outcome.Number) __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2) return 0;
    static const std::uint8_t bases[] = {2, 8, 10, 16}, words[] = {8, 16, 32};
    const std::uint8_t base = bases[data[0] % 4], word = words[(data[0] >> 2) % 3],
                       angle = (data[0] >> 4) % 3, mode = (data[0] >> 6) & 1;
    CalcModule::Set_Warning_Handler(nullptr);
    CalcModule::Number_Base = base;
    CalcModule::Variable_Values[23] = data[1] - 128.5;
    std::string text(reinterpret_cast<const char *>(data + 2), size - 2);
    const CalcModule::Calc_Settings settings{base, word, angle, mode};
    std::string copy = text;
    std::string cleaned = CalcModule::Filter_Expression(copy, mode);
    Check(CalcModule::Calculate_Cleaned(cleaned, settings));
    cleaned += "=";
    Check(CalcModule::Calculate_Cleaned(cleaned, settings));

    CalcModule::Leading_Number(text);
    RadixModule::Hex_To_Oct(text);
    RadixModule::Oct_To_Hex(text);
    RadixModule::Bin_To_Hex(text);
    try {
        RadixModule::Bin_To_Dec(text);
        RadixModule::Oct_To_Dec(text);
    } catch (const std::overflow_error &) {
    }
    return 0;
}
