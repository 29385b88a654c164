// Root search throughput: the default interval scanned with a step of 0.01,
// and the search exactly as the window starts it.

#include "ui/platform/Platform.h"
#include "ui/solver/Solv_Equn_Form.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

void Find_Root_Square(benchmark::State &state) {
    Solv_Equn_Form form;
    form.findChild<QLineEdit *>(QStringLiteral("Equn_Expn"))->setText(QStringLiteral("x^2=4"));
    form.findChild<QComboBox *>(QStringLiteral("Precision"))->setEditText(QStringLiteral("-2"));
    long long points = 0;
    for (auto _ : state) {
        form.Find_Root();
        points += form.State().Evaluation_Count;
    }
    if (form.findChild<QLineEdit *>(QStringLiteral("X_Result"))->text() != QStringLiteral(" X =-2"))
        state.SkipWithError("wrong root");
    state.SetItemsProcessed(points);
    state.counters["points"] = double(form.State().Evaluation_Count);
}
BENCHMARK(Find_Root_Square)->Unit(benchmark::kMillisecond);

// The search as the window starts it: bounds -1000 to 1000, precision 0,
// 2,310 evaluations. Controls are found by name, as a user would.
void Find_Root_Default(benchmark::State &state) {
    Solv_Equn_Form form;
    form.findChild<QLineEdit *>(QStringLiteral("Equn_Expn"))->setText(QStringLiteral("x^2=4"));
    for (auto _ : state) form.Find_Root();
    if (form.findChild<QLineEdit *>(QStringLiteral("X_Result"))->text() != QStringLiteral(" X =-2"))
        state.SkipWithError("wrong root");
}
BENCHMARK(Find_Root_Default)->Unit(benchmark::kMicrosecond);

} // namespace
