// Any text, in any base, word length, angle unit and mode: the engine must
// neither crash nor throw, and answer "!", "" or a text.
#include "engine/CalcModule.h"
#include "engine/NumberText.h"
#include "radix/RadixModule.h"

#include <cstdint>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2) return 0;
    static const std::uint8_t bases[] = {2, 8, 10, 16}, words[] = {8, 16, 32};
    const std::uint8_t base = bases[data[0] % 4], word = words[(data[0] >> 2) % 3],
                       angle = (data[0] >> 4) % 3, mode = (data[0] >> 6) & 1;
    CalcModule::Set_Warning_Handler(nullptr);
    CalcModule::Number_Base = base;
    CalcModule::Variable_Values[23] = data[1] - 128.5;
    std::string text(reinterpret_cast<const char *>(data + 2), size - 2);
    std::string copy = text;
    std::string cleaned = CalcModule::Filter_Expression(copy, mode);
    CalcModule::Evaluate_Expression(cleaned, base, word, angle, mode);
    cleaned += "=";
    CalcModule::Evaluate_Expression(cleaned, base, word, angle, mode);

    try {
        CalcModule::Leading_Number_Value(text);
    } catch (const std::range_error &) {
    }
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
