#pragma once
// A long run of evaluations (a root search, a drawing) that the user can stop.
// Once the work is known to be large, or has run for more than a second by
// the clock (however few steps that took), a modal progress dialog with a
// Cancel button appears; being modal, it keeps every other window from
// starting another evaluation meanwhile.

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <QString>

namespace Platform {

class Long_Task {
  public:
    // expected_steps: how many steps the work is expected to take (an estimate).
    Long_Task(const QString &label, double expected_steps);
    ~Long_Task();
    Long_Task(const Long_Task &) = delete;
    Long_Task &operator=(const Long_Task &) = delete;

    // Call once per step; true once the user has cancelled. The clock is read
    // at every step at first, then every few steps: as long as reads fall
    // within the same millisecond the stride between them doubles (up to 128
    // steps, and a sixteenth of the steps taken), and it is back to one once
    // they lie more than two apart. So a few slow steps still bring up the
    // dialog after a second, and the dialog is served every 50 ms.
    bool Cancelled() {
        ++steps_;
        if (--countdown_ > 0) return false;
        return Check();
    }
    bool Dialog_Shown() const { return dialog_ != nullptr; }

    // Work expected to be larger than this shows the dialog at once.
    static constexpr double Large_Work = 1e6;

    // For tests: how many dialogs were shown so far, and a cancel that happens
    // by itself once a shown dialog has seen that many steps (negative: never).
    static int Dialogs_Shown();
    static void Simulate_Cancel_After(long long steps);
    // For tests: the clock reads this many milliseconds per step instead of
    // the real time (0: the real time).
    static void Simulate_Step_Time(qint64 milliseconds);

  private:
    bool Check();

    QString label_;
    double expected_;
    long long steps_ = 0;
    bool cancelled_ = false;
    QElapsedTimer clock_;
    qint64 last_update_ms_ = 0;
    qint64 last_read_ms_ = 0;
    long long stride_ = 1;    // steps from one clock read to the next
    long long countdown_ = 1; // steps left until the next read
    QPointer<QProgressDialog> dialog_;
};

} // namespace Platform
