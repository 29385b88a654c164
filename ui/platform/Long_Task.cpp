#include "ui/platform/Long_Task.h"

#include <QApplication>
#include <algorithm>

namespace Platform {
namespace {
int dialogs_shown = 0;
long long simulated_cancel = -1;
qint64 simulated_step_ms = 0;
constexpr qint64 Dialog_After_Ms = 1000;
constexpr qint64 Serve_Every_Ms = 50;
// a sudden turn to slow steps goes unseen for at most this many of them
constexpr long long Longest_Stride = 128;
} // namespace

Long_Task::Long_Task(const QString &label, double expected_steps)
    : label_(label), expected_(expected_steps) {
    clock_.start();
}

Long_Task::~Long_Task() {
    delete dialog_.data();
}

int Long_Task::Dialogs_Shown() {
    return dialogs_shown;
}
void Long_Task::Simulate_Cancel_After(long long steps) {
    simulated_cancel = steps;
}
void Long_Task::Simulate_Step_Time(qint64 milliseconds) {
    simulated_step_ms = milliseconds;
}

bool Long_Task::Check() {
    if (cancelled_) return true;
    // a simulated step time stands in for the clock, so that tests do not
    // depend on how busy the machine is
    const qint64 elapsed = simulated_step_ms > 0 ? simulated_step_ms * steps_ : clock_.elapsed();
    // while a simulation runs every step is checked, so that tests see exact step counts
    if (simulated_step_ms > 0 || simulated_cancel >= 0) {
        stride_ = 1;
    } else if (elapsed == last_read_ms_) {
        // grown only while the steps stay fast, and never beyond a sixteenth of
        // the steps taken, so that a few long steps are each checked
        stride_ = std::min({stride_ * 2, Longest_Stride, std::max(steps_ / 16, 1LL)});
    } else if (elapsed - last_read_ms_ > 2) {
        stride_ = 1;
    }
    last_read_ms_ = elapsed;
    countdown_ = stride_;
    if (!dialog_ && (expected_ > Large_Work || elapsed > Dialog_After_Ms)) {
        dialog_ = new QProgressDialog(label_, QStringLiteral("取消"), 0, 1000,
                                      QApplication::activeWindow());
        dialog_->setWindowTitle(QStringLiteral("请稍候"));
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->show();
        ++dialogs_shown;
    }
    if (!dialog_) return false;
    if (simulated_cancel >= 0 && steps_ >= simulated_cancel) cancelled_ = true;
    if (elapsed - last_update_ms_ >= Serve_Every_Ms || cancelled_) {
        last_update_ms_ = elapsed;
        const double share = expected_ > 0 ? double(steps_) / expected_ : 0.0;
        dialog_->setValue(int(std::clamp(share, 0.0, 0.999) * 1000));
        QApplication::processEvents();
        if (dialog_ && dialog_->wasCanceled()) cancelled_ = true;
    }
    if (cancelled_) countdown_ = 1;
    return cancelled_;
}

} // namespace Platform
