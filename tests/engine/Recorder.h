#pragma once
// Installs a warning handler that records the engine's messages for one test.

#include "engine/CalcModule.h"
#include "engine/Outcome.h"

#include <string>
#include <vector>

struct Warning_Recorder {
    std::vector<std::string> messages;
    CalcModule::Warning_Handler previous;

    Warning_Recorder() {
        previous = CalcModule::Set_Warning_Handler(
            [this](const std::string &message) { messages.push_back(message); });
    }
    ~Warning_Recorder() { CalcModule::Set_Warning_Handler(previous); }
    Warning_Recorder(const Warning_Recorder &) = delete;
    Warning_Recorder &operator=(const Warning_Recorder &) = delete;
};

// Cleans and evaluates as the windows do; mode values default to the start-up ones.
inline std::string Evaluate(const std::string &text, std::uint8_t base = 10,
                            std::uint8_t word_length = 32, std::uint8_t angle_unit = 0,
                            std::uint8_t mode = 0) {
    const std::uint8_t saved_base = CalcModule::Number_Base;
    CalcModule::Number_Base = base;
    std::string result = CalcModule::Calculate(text, {base, word_length, angle_unit, mode}).Text;
    CalcModule::Number_Base = saved_base;
    return result;
}
