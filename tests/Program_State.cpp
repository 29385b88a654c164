#include "tests/Program_State.h"

#include "engine/CalcModule.h"
#include "ui/about/Help_Window.h"
#include "ui/main/StatModule.h"
#include "ui/platform/Files.h"
#include "ui/platform/Long_Task.h"
#include "ui/platform/Platform.h"

void Reset_Program_State(Engine_Warnings warnings) {
    // the engine's modes, letters and warning route as a fresh process has them
    CalcModule::Number_Base = 10;
    CalcModule::Word_Length = 32;
    CalcModule::Angle_Unit = 0;
    CalcModule::Variable_Values.fill(0);
    CalcModule::Set_Warning_Handler(nullptr);

    StatModule::Clear();

    // boxes and beeps are recorded; a dialog nobody answers is cancelled and
    // a program nobody expects is not started, so that no test ever blocks
    Platform::Set_Recording(true);
    Platform::Clear_Recording();
    Platform::Set_File_Chooser([](const Platform::File_Request &) { return QString(); });
    Platform::Set_Process_Starter([](const QString &, const QStringList &) { return false; });
    Platform::Long_Task::Simulate_Cancel_After(-1);
    Platform::Long_Task::Simulate_Step_Time(0);

    Help_Window::Set_Help_File(QString());
    if (warnings == Engine_Warnings::Boxes) Platform::Install_Engine_Warnings();
}
