#include "engine/CalcModule.h"
#include "tests/Program_State.h"
#include "ui/platform/Long_Task.h"
#include "ui/platform/Mode_Notifier.h"
#include "ui/platform/Platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {
struct Recording : ::testing::Test {
    void SetUp() override { Reset_Program_State(Engine_Warnings::Boxes); }
    void TearDown() override { Reset_Program_State(); }
};
} // namespace

TEST_F(Recording, BoxesAndBeepsAreRecordedWithCaptions) {
    Platform::Show_Warning(QStringLiteral("一"));
    Platform::Show_Warning(QStringLiteral("二"), QStringLiteral("Quorvex"));
    Platform::Beep();
    Platform::Beep();
    EXPECT_EQ(Platform::Recorded_Warnings(), (QStringList{"一", "二"}));
    EXPECT_EQ(Platform::Recorded_Captions(), (QStringList{"警告", "Quorvex"}));
    EXPECT_EQ(Platform::Recorded_Beeps(), 2);
    Platform::Clear_Recording();
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
    EXPECT_EQ(Platform::Recorded_Beeps(), 0);
}

TEST_F(Recording, EngineWarningsReachTheBox) {
    std::string text = "1/0=";
    EXPECT_EQ(CalcModule::Evaluate_Expression(text, 10, 32, 0, 0), "");
    EXPECT_EQ(Platform::Recorded_Warnings(),
              QStringList{QString::fromUtf8(CalcModule::Range_Message)});
}

TEST_F(Recording, CollectorShowsEachDistinctWarningOnceAndRestoresTheHandler) {
    {
        Platform::Warning_Collector collector;
        for (int i = 0; i < 50; ++i) {
            std::string text = i % 2 ? "1/0=" : "+5*2=";
            CalcModule::Evaluate_Expression(text, 10, 32, 0, 0);
        }
        EXPECT_EQ(collector.Count(), 50);
        EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
    }
    EXPECT_EQ(Platform::Recorded_Warnings(),
              (QStringList{QString::fromUtf8(CalcModule::Invalid_Data_Message),
                           QString::fromUtf8(CalcModule::Range_Message)}));
    std::string text = "1/0=";
    CalcModule::Evaluate_Expression(text, 10, 32, 0, 0);
    EXPECT_EQ(Platform::Recorded_Warnings().size(), 3);
}

TEST_F(Recording, ViewerGetsThePathAsOneArgument) {
    QString started_program;
    QStringList started_arguments;
    auto previous =
        Platform::Set_Process_Starter([&](const QString &program, const QStringList &args) {
            started_program = program;
            started_arguments = args;
            return true;
        });
    const QString path = QStringLiteral("/opt/my calculator/Help.Txt");
    EXPECT_TRUE(Platform::Open_Text_File(path));
    EXPECT_EQ(started_program, "xdg-open");
    EXPECT_EQ(started_arguments, QStringList{path});

    int attempts = 0;
    Platform::Set_Process_Starter([&](const QString &, const QStringList &) {
        ++attempts;
        throw std::runtime_error("cannot start");
        return true;
    });
    EXPECT_FALSE(Platform::Open_Text_File(path));
    EXPECT_GT(attempts, 1);
    Platform::Set_Process_Starter(previous);
}

TEST(ModeNotifier, SetsTheUnitAndTellsListeners) {
    QSignalSpy spy(&Platform::Mode_Notifier::Instance(),
                   &Platform::Mode_Notifier::Angle_Unit_Changed);
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(2);
    EXPECT_EQ(CalcModule::Angle_Unit, 2);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 2);
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(0);
}

// A window that follows an announcement sets the same unit again; that must
// end at once, or the windows would tell each other for ever.
TEST(ModeNotifier, TheUnitInForceTellsNobody) {
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(1);
    int echoes = 0;
    const auto echo =
        QObject::connect(&Platform::Mode_Notifier::Instance(),
                         &Platform::Mode_Notifier::Angle_Unit_Changed, [&echoes](int unit) {
                             ++echoes;
                             Platform::Mode_Notifier::Instance().Set_Angle_Unit(std::uint8_t(unit));
                         });
    QSignalSpy spy(&Platform::Mode_Notifier::Instance(),
                   &Platform::Mode_Notifier::Angle_Unit_Changed);
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(1);
    EXPECT_EQ(spy.count(), 0);
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(2);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(echoes, 1);
    EXPECT_EQ(CalcModule::Angle_Unit, 2);
    QObject::disconnect(echo);
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(0);
}

TEST(LongTask, SmallWorkShowsNothingLargeWorkCanBeCancelled) {
    const int before = Platform::Long_Task::Dialogs_Shown();
    {
        Platform::Long_Task task(QStringLiteral("计算"), 1000);
        for (int i = 0; i < 1000; ++i) ASSERT_FALSE(task.Cancelled());
        EXPECT_FALSE(task.Dialog_Shown());
    }
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), before);

    Platform::Long_Task::Simulate_Cancel_After(10000);
    long long steps = 0;
    {
        Platform::Long_Task task(QStringLiteral("计算"), 5e6);
        while (!task.Cancelled()) ++steps;
        EXPECT_TRUE(task.Dialog_Shown());
    }
    Platform::Long_Task::Simulate_Cancel_After(-1);
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), before + 1);
    EXPECT_GE(steps, 9999); // the step that sees the cancel is not done
    EXPECT_LT(steps, 20000);
}

TEST(LongTask, FewSlowStepsBringUpTheDialogAfterASecond) {
    const int before = Platform::Long_Task::Dialogs_Shown();
    Platform::Long_Task::Simulate_Step_Time(300);
    {
        Platform::Long_Task task(QStringLiteral("计算"), 10);
        int shown_at = 0;
        for (int step = 1; step <= 10 && !shown_at; ++step) {
            EXPECT_FALSE(task.Cancelled());
            if (task.Dialog_Shown()) shown_at = step;
        }
        EXPECT_EQ(shown_at, 4); // 1.2 s
    }
    Platform::Long_Task::Simulate_Step_Time(0);
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), before + 1);
}

// On the real clock, which is read only every few steps once steps are fast:
// steps that turn slow are still seen within a bounded number of them, and a
// Cancel pressed while fast steps run is still served.
TEST(LongTask, OnTheRealClockFastStepsLeaveTheDialogOnTime) {
    const int before = Platform::Long_Task::Dialogs_Shown();
    {
        QElapsedTimer watch; // started before the task's own clock
        watch.start();
        Platform::Long_Task task(QStringLiteral("计算"), 10);
        for (int step = 0; step < 200000; ++step) ASSERT_FALSE(task.Cancelled());
        int slow_steps = 0;
        while (!task.Dialog_Shown()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            ASSERT_FALSE(task.Cancelled());
            ++slow_steps;
            ASSERT_LE(slow_steps, 501 + 128); // a second of them, and at most 128 unseen
        }
        EXPECT_GT(watch.elapsed(), 1000);
    }
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), before + 1);

    {
        Platform::Long_Task task(QStringLiteral("计算"), 5e6);
        QTimer::singleShot(100, [] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<QProgressDialog *>(widget)) dialog->cancel();
        });
        long long steps = 0;
        while (!task.Cancelled()) ++steps; // ends only if Cancel is served
        EXPECT_GT(steps, 0);
    }
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), before + 2);
}
