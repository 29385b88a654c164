// Engine throughput: clean-up plus evaluation, as every window calls it.
#include "engine/CalcModule.h"
#include "engine/Outcome.h"

#include <benchmark/benchmark.h>

namespace {

void Run(benchmark::State &state, const std::string &text, std::uint8_t base, std::uint8_t mode) {
    CalcModule::Set_Warning_Handler(nullptr);
    CalcModule::Number_Base = base;
    for (auto _ : state) benchmark::DoNotOptimize(CalcModule::Calculate(text, {base, 32, 0, mode}));
    state.SetItemsProcessed(state.iterations());
    CalcModule::Number_Base = 10;
}

// The solver's inner loop: one letter, changing at every call.
void Solver_Inner_Loop(benchmark::State &state) {
    CalcModule::Set_Warning_Handler(nullptr);
    const std::string text = "x^2-(4)=";
    double x = -10;
    for (auto _ : state) {
        CalcModule::Variable_Values['x' - 'a'] = x;
        x += 0.0001;
        benchmark::DoNotOptimize(CalcModule::Calculate(text, {10, 32, 1, 1}));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Solver_Inner_Loop);

void Sine_Sum(benchmark::State &state) {
    Run(state, "2+sin30=", 10, 0);
}
BENCHMARK(Sine_Sum);

void Sixty_Operators(benchmark::State &state) {
    std::string text;
    const char *ops[] = {"+", "*", "-", "/"};
    for (int i = 0; i < 60; ++i) text += std::to_string(i % 9 + 1) + ops[i % 4];
    text += "1=";
    Run(state, text, 10, 0);
}
BENCHMARK(Sixty_Operators);

void Hexadecimal(benchmark::State &state) {
    Run(state, "(FF+1A)*3-(7FFF and F0F)xor 12=", 16, 0);
}
BENCHMARK(Hexadecimal);

} // namespace
