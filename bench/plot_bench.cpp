// Drawing throughput of the plotter: sin(x) at X zoom 10 with a step of 0.001,
// 542,001 samples over -271 to 271, two evaluations each.

#include "ui/platform/Platform.h"
#include "ui/plot/Func_Image.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

void Draw_Sine(benchmark::State &state) {
    Func_Image window;
    window.show();
    window.Y_Expression->setText(QStringLiteral("sin(x)"));
    window.X_Zoom->setEditText(QStringLiteral("10"));
    window.Y_Zoom->setEditText(QStringLiteral("10"));
    window.Density->setEditText(QStringLiteral("0.001"));
    for (auto _ : state) window.Display_Click();
    const double samples = (window.Domain_Max - window.Domain_Min) / window.Step_Size + 1;
    state.counters["samples"] = samples;
    state.counters["samples_per_second"] =
        benchmark::Counter(samples, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Draw_Sine)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Platform::Set_Recording(true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
