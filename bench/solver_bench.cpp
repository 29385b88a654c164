// Root search throughput: the default interval scanned with a step of 0.01.

#include "ui/platform/Platform.h"
#include "ui/solver/Solv_Equn_Form.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// the window needs an application object; made on first use, offscreen
void Ensure_Application() {
    static int argc = 1;
    static char name[] = "solver_bench";
    static char *argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app;
    if (app) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
    Platform::Set_Recording(true);
    Platform::Install_Engine_Warnings();
}

void Find_Root_Square(benchmark::State &state) {
    Ensure_Application();
    Solv_Equn_Form form;
    form.Equn_Expn->setText(QStringLiteral("x^2=4"));
    form.Precision->setEditText(QStringLiteral("-2"));
    long long points = 0;
    for (auto _ : state) {
        form.Find_Root();
        points += form.Evaluation_Count;
    }
    if (form.X_Result->text() != QStringLiteral(" X =-2")) state.SkipWithError("wrong root");
    state.SetItemsProcessed(points);
    state.counters["points"] = double(form.Evaluation_Count);
}
BENCHMARK(Find_Root_Square)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
