// Drawing throughput of the plotter: sin(x) at X zoom 10 with a step of 0.001,
// 542,001 samples over -271 to 271, two evaluations each. Then the pointer's
// commands: a wheel notch at the default view (X and Y zoom 10, step 1: 543
// samples) and the hover line with its evaluation of the curve.

#include "ui/platform/Platform.h"
#include "ui/plot/Func_Image.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

void Draw_Sine(benchmark::State &state) {
    Func_Image window;
    window.show();
    window.findChild<QLineEdit *>(QStringLiteral("Y_Expression"))
        ->setText(QStringLiteral("sin(x)"));
    window.findChild<QComboBox *>(QStringLiteral("X_Zoom"))->setEditText(QStringLiteral("10"));
    window.findChild<QComboBox *>(QStringLiteral("Y_Zoom"))->setEditText(QStringLiteral("10"));
    window.findChild<QComboBox *>(QStringLiteral("Density"))->setEditText(QStringLiteral("0.001"));
    for (auto _ : state) window.Display_Click();
    const double samples =
        (window.State().Domain_Max - window.State().Domain_Min) / window.State().Step_Size + 1;
    state.counters["samples"] = samples;
    state.counters["samples_per_second"] =
        benchmark::Counter(samples, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Draw_Sine)->Unit(benchmark::kMillisecond)->UseRealTime();

struct Default_View {
    Func_Image window;
    Default_View() {
        window.show();
        window.findChild<QLineEdit *>(QStringLiteral("Y_Expression"))
            ->setText(QStringLiteral("sin(x)"));
        Reset();
        window.Display_Click();
    }
    void Reset() {
        window.findChild<QComboBox *>(QStringLiteral("X_Zoom"))->setEditText(QStringLiteral("10"));
        window.findChild<QComboBox *>(QStringLiteral("Y_Zoom"))->setEditText(QStringLiteral("10"));
        window.findChild<QComboBox *>(QStringLiteral("Density"))->setEditText(QStringLiteral("1"));
        window.Reversion_Click(); // the origin back home
    }
    double Samples() const {
        return std::floor((window.State().Domain_Max - window.State().Domain_Min) /
                          window.State().Step_Size) +
               1;
    }
};

// Ctrl+wheel: the Y zoom alone, in and out by turns, so every redraw is the
// default view's 543 samples.
void Wheel_Notch_Y_Default_View(benchmark::State &state) {
    Default_View view;
    int delta = Func_Image::Wheel_Notch;
    for (auto _ : state) {
        view.window.Picture1_Wheel(3000, 1260, delta, Qt::ControlModifier);
        delta = -delta;
    }
    state.counters["samples"] = view.Samples();
}
BENCHMARK(Wheel_Notch_Y_Default_View)->Unit(benchmark::kMillisecond)->UseRealTime();

// One notch in on both axes from the default view: X zoom 30 brings the step
// 0.1 with it, so the redraw has 1,821 samples.
void Wheel_Notch_In_From_Default_View(benchmark::State &state) {
    Default_View view;
    for (auto _ : state) {
        state.PauseTiming();
        view.Reset();
        state.ResumeTiming();
        view.window.Picture1_Wheel(3000, 1260, Func_Image::Wheel_Notch, Qt::NoModifier);
    }
    state.counters["samples"] = view.Samples();
}
BENCHMARK(Wheel_Notch_In_From_Default_View)->Unit(benchmark::kMillisecond)->UseRealTime();

// The line under the surface for one pointer position, sin(x) evaluated once.
void Hover_Line(benchmark::State &state) {
    Default_View view;
    double sx = 3000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(view.window.Coordinates_At(sx, 1260));
        sx = sx == 3000 ? 3015 : 3000;
    }
}
BENCHMARK(Hover_Line)->Unit(benchmark::kMicrosecond)->UseRealTime();

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
