// Large texts in the main window: "=" on a pasted expression of 128 KB, 1 MB
// and 10 MB ("1+1+...+1"), storing a 10 MB text in a memory register and
// showing it, and pasting a megabyte of "1" in octal, which is cut back to
// the longest operand the word holds.

#include "engine/CalcModule.h"
#include "ui/main/Scin_Cale.h"
#include "ui/platform/Platform.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>
#include <string>

namespace {

QString Sum_Of_Ones(qsizetype length) {
    QString text;
    text.reserve(length);
    while (text.size() + 2 < length) text += QStringLiteral("1+");
    text += QLatin1Char('1');
    return text;
}

std::unique_ptr<Scin_Cale> Shown_Window() {
    auto window = std::make_unique<Scin_Cale>();
    window->show();
    QApplication::processEvents();
    return window;
}

void Paste(Scin_Cale &window, const QString &text) {
    Platform::Set_Clipboard_Text(text);
    window.findChild<QAction *>("Menu_Past")->trigger();
}

// "=" on a pasted sum: evaluation, the result and the history line, then
// the repaint that follows.
void Equals_On_Pasted_Sum(benchmark::State &state) {
    const QString text = Sum_Of_Ones(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto window = Shown_Window();
        Paste(*window, text);
        QApplication::processEvents();
        state.ResumeTiming();
        window->Oper_Butn_Click(30);
        window->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        if (window->findChild<QLineEdit *>("Target_Box")->text() !=
            QString::number((text.size() + 1) / 2) + '.')
            state.SkipWithError("wrong result");
        window.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(Equals_On_Pasted_Sum)
    ->Arg(128 << 10)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// "M1" with 10 MB in the display, then a repaint of the register.
void Store_In_Memory(benchmark::State &state) {
    const QString text(state.range(0), QLatin1Char('7'));
    for (auto _ : state) {
        state.PauseTiming();
        auto window = Shown_Window();
        Paste(*window, text);
        QApplication::processEvents();
        state.ResumeTiming();
        window->Save_Memory_Click(0);
        window->findChild<QLabel *>(QStringLiteral("Memory_0"))->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(Store_In_Memory)
    ->Arg(10 << 20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A megabyte of "1" pasted in octal: cut back to eleven digits.
void Paste_In_Octal(benchmark::State &state) {
    const QString text(state.range(0), QLatin1Char('1'));
    for (auto _ : state) {
        state.PauseTiming();
        auto window = Shown_Window();
        window->findChild<QRadioButton *>("Number_Option_2")->click();
        window->Digl_Butn_Click(1);
        QApplication::processEvents();
        Platform::Clear_Recording();
        state.ResumeTiming();
        Paste(*window, text);
        QApplication::processEvents();
        state.PauseTiming();
        state.counters["beeps"] = Platform::Recorded_Beeps();
        if (window->findChild<QLineEdit *>("Target_Box")->text().size() != 11)
            state.SkipWithError("not cut back");
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(Paste_In_Octal)
    ->Arg(1 << 20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The engine alone on the same megabyte of "1+2*3-4/2+...", for comparison
// with the window's "=".
void Engine_Megabyte(benchmark::State &state) {
    std::string text;
    while (text.size() < (1u << 20)) text += "1+2*3-4/2+";
    text += "0=";
    for (auto _ : state) {
        std::string copy = text;
        std::string cleaned = CalcModule::Filter_Expression(copy, 0);
        benchmark::DoNotOptimize(CalcModule::Evaluate_Expression(cleaned, 10, 32, 0, 0));
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}
BENCHMARK(Engine_Megabyte)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
