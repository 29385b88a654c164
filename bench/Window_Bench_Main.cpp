// main() of the window benchmarks: an application object on the offscreen
// platform, boxes and beeps recorded instead of shown.
// The application object lives on main's stack: one held in a static was
// destroyed after Qt's own statics at exit and crashed there.

#include "ui/platform/Platform.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Platform::Set_Recording(true);
    Platform::Install_Engine_Warnings();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
