// The reset every fixture starts from: whatever one test leaves behind, the
// next starts as a fresh process does, and nothing it forgets to answer can
// block it or reach the desktop.

#include "tests/Program_State.h"

#include "engine/CalcModule.h"
#include "ui/about/Help_Window.h"
#include "ui/main/StatModule.h"
#include "ui/platform/Files.h"
#include "ui/platform/Long_Task.h"
#include "ui/platform/Platform.h"

#include <gtest/gtest.h>

TEST(Program_State, WhatATestLeavesBehindIsGoneAndNothingReachesTheDesktop) {
    // a test that changed everything and put nothing back
    CalcModule::Number_Base = 16;
    CalcModule::Word_Length = 8;
    CalcModule::Angle_Unit = 2;
    CalcModule::Variable_Values[25] = 7;
    CalcModule::Set_Warning_Handler([](const std::string &) { FAIL() << "stale handler"; });
    StatModule::Add(3);
    Platform::Set_Recording(true);
    Platform::Beep();
    Platform::Set_File_Chooser([](const Platform::File_Request &) { return QString("stale"); });
    Platform::Set_Process_Starter([](const QString &, const QStringList &) { return true; });
    Help_Window::Set_Help_File(QStringLiteral("/nowhere/Help.Txt"));

    for (const Engine_Warnings warnings : {Engine_Warnings::None, Engine_Warnings::Boxes}) {
        Reset_Program_State(warnings);
        EXPECT_EQ(CalcModule::Number_Base, 10);
        EXPECT_EQ(CalcModule::Word_Length, 32);
        EXPECT_EQ(CalcModule::Angle_Unit, 0);
        EXPECT_EQ(CalcModule::Variable_Values, decltype(CalcModule::Variable_Values){});
        EXPECT_EQ(StatModule::Stat_Count, 0);
        EXPECT_EQ(StatModule::Stat_Values[0], 0);
        EXPECT_EQ(Platform::Recorded_Beeps(), 0);
        EXPECT_NE(Help_Window::Help_File(), QStringLiteral("/nowhere/Help.Txt"));
        // a dialog is cancelled and a program is not started, without a word
        EXPECT_EQ(Platform::Choose_Open_File(QStringLiteral("打开"), QStringLiteral("*")), "");
        EXPECT_FALSE(Platform::Start_Process(QStringLiteral("editor"), {}));
        // the engine's warnings reach the recorded boxes only when asked for
        CalcModule::Show_Warning("溢出");
        EXPECT_EQ(Platform::Recorded_Warnings().size(), warnings == Engine_Warnings::Boxes ? 1 : 0);
        EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty() ||
                    Platform::Recorded_Warnings().front() == QStringLiteral("溢出"));
    }
    Reset_Program_State();
}
