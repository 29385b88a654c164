#include "Plot_Fixture.h"

#include "ui/platform/Long_Task.h"

#include <QSignalSpy>
#include <cmath>

namespace {

constexpr std::uint32_t Tick_Colours[] = {777777, 67543, 111111};

TEST_F(Plot, ExplicitRangeFollowsTheViewAndTheAxesItsOrigin) {
    Draw("1000");
    EXPECT_EQ(Text("Fun_min"), "-271");
    EXPECT_EQ(Text("Fun_max"), "271");
    EXPECT_EQ(Surface()->Color_At(Cx(), 30), 77777);
    EXPECT_EQ(At(-265, 0), 77777);
    EXPECT_EQ(Surface()->Color_At(Sx(-250), Sy(0) - 50), 777777); // tick at a multiple of 10

    Click("CommandButton2");
    EXPECT_EQ(w->State().Shift_X, -222);
    EXPECT_EQ(Text("Fun_min"), "-248.8");
    EXPECT_EQ(Text("Fun_max"), "293.2");
    EXPECT_EQ(Surface()->Color_At(Cx() - 222, 30), 77777);
    // the samples now fall on -248.8, -247.8, ...: none near a multiple of 10
    for (std::uint32_t tick : Tick_Colours) EXPECT_FALSE(Colours().contains(tick)) << tick;

    Draw("1000", "30");
    EXPECT_EQ(Text("Fun_min"), "-83.6");
    Click("Reversion");

    // the range spans the visible width, whole numbers before the offset
    struct Case {
        const char *zoom, *move, *low, *high;
    };
    const Case ranges[] = {{"30", "", "-91", "91"},
                           {"100", "", "-28", "28"},
                           {"10", "CommandButton4", "-293.2", "248.8"},
                           {"1", "CommandButton2", "-2486", "2930"}};
    for (const auto &c : ranges) {
        Draw("1000", c.zoom);
        if (*c.move) Click(c.move);
        EXPECT_EQ(Text("Fun_min"), c.low) << c.zoom;
        EXPECT_EQ(Text("Fun_max"), c.high) << c.zoom;
        Click("Reversion");
    }
}

TEST_F(Plot, TicksStandOnRoundValuesChosenByTheXZoom) {
    struct Case {
        const char *zoom, *density;
        double round, height;
        std::int32_t colour;
    };
    const Case cases[] = {{"30", "1", 10, 100, 777777},
                          {"30", "0.1", 10, 100, 777777},
                          {"100", "0.1", 1, 70, 67543},
                          {"3000", "0.01", 0.1, 40, 111111}};
    for (const auto &c : cases) {
        Draw("1000", c.zoom, "10", c.density);
        const double lo = Text("Fun_min").toDouble(), hi = Text("Fun_max").toDouble();
        for (double X = std::ceil(lo / c.round) * c.round; X <= hi; X += c.round / 2) {
            if (Sx(X) <= 0 || Sx(X) >= 2 * Cx()) continue;
            const bool round = std::fabs(std::remainder(X, c.round)) < 1e-9;
            // a tick stands on the axis and reaches its full height, no further
            const double axis = Sy(0);
            const std::int32_t beside = std::fabs(X) < 1e-9 ? 77777 : 0xFFFFFF; // the y axis
            EXPECT_EQ(Surface()->Color_At(Sx(X), axis), round ? c.colour : 77777);
            for (const double up : {c.height / 2, c.height - 1})
                EXPECT_EQ(Surface()->Color_At(Sx(X), axis - up), round ? c.colour : beside)
                    << c.zoom << " " << X << " " << up;
            EXPECT_EQ(Surface()->Color_At(Sx(X), axis - c.height - 16), beside)
                << c.zoom << " " << X;
        }
    }
    for (const char *zoom : {"6", "80", "1900"}) {
        Draw("1000", zoom, "10", "0.01");
        for (std::uint32_t tick : Tick_Colours) EXPECT_FALSE(Colours().contains(tick)) << zoom;
    }
}

TEST_F(Plot, ParametricCircleAndPolarEllipse) {
    Find<QCheckBox>("Parameter_Equation")->setChecked(true);
    Type("X_Expression", "cos(x)");
    Draw("sin(x)", "100", "100", "0.01");
    int points = 0;
    for (const double theta : {0.00001, 0.78, 1.57, 3.14, 4.71, 6.2}) {
        EXPECT_EQ(At(std::cos(theta), std::sin(theta)), Curve()) << theta;
        ++points;
    }
    EXPECT_EQ(points, 6);
    for (std::uint32_t tick : Tick_Colours) EXPECT_FALSE(Colours().contains(tick));

    Find<QCheckBox>("Check1")->setChecked(true);
    Draw("1", "100", "50", "0.01");
    for (const double theta : {0.3, 1.2, 2.5, 4.0, 5.5}) // away from the ticks
        EXPECT_EQ(At(std::cos(theta), std::sin(theta)), Curve()) << theta;
    // nothing of the circle is left, and every point lies on the ellipse
    const QImage image = Surface()->Image();
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px) {
            if (Drawing_Surface::From_Rgb(image.pixel(px, py)) != std::uint32_t(Curve())) continue;
            EXPECT_NEAR(std::hypot(Curve_X(px), Curve_Y(py)), 1, 0.2) << px << "," << py;
        }
    // far beyond the 32-bit range the tick test finds no round value
    Draw("1e15", "30", "10", "0.01");
    EXPECT_FALSE(Colours().contains(777777));
}

TEST_F(Plot, KeepingTheImageAndDegenerateViews) {
    Draw("20");
    const std::int32_t first = Curve();
    Find<QCheckBox>("preserving")->setChecked(true);
    Draw("-20");
    EXPECT_EQ(At(5.5, 20), first);
    EXPECT_EQ(At(5.5, -20), Curve());
    EXPECT_NE(first, Curve());

    // no points: a step against the range, and every point on the axis at Y zoom 0
    Find<QCheckBox>("preserving")->setChecked(false);
    Draw("x", "10", "10", "-1");
    EXPECT_FALSE(Colours().contains(Curve()));
    // a step lost against x ends the sampling instead of repeating one sample forever
    Draw("x", "1e-20", "10", "1");
    EXPECT_EQ(Text("Fun_min"), "-2.7075E+23");
    Draw("x", "10", "0", "1");
    const QImage image = Surface()->Image();
    const int axis_row = int(std::floor(Sy(0) / 15));
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px)
            if (Drawing_Surface::From_Rgb(image.pixel(px, py)) == std::uint32_t(Curve())) {
                ASSERT_EQ(py, axis_row);
            }
}

TEST_F(Plot, FailingSamplesAreSkippedAndReportedOnce) {
    Draw("1/x");
    EXPECT_EQ(Platform::Recorded_Warnings().size(), 1);
    EXPECT_EQ(At(0, 0), 77777); // no point, no tick at x = 0
    EXPECT_EQ(At(20, 0.05), Curve());
    Platform::Clear_Recording();

    Draw("ln(x)");
    const QStringList warnings = Platform::Recorded_Warnings();
    EXPECT_FALSE(warnings.isEmpty());
    EXPECT_EQ(QSet<QString>(warnings.begin(), warnings.end()).size(), warnings.size());
    EXPECT_EQ(At(100, std::log(100)), Curve());
    Platform::Clear_Recording();

    // a malformed expression ends the drawing with its own message; the axes stay
    Draw("");
    EXPECT_EQ(Platform::Recorded_Warnings(), QStringList{"函数输入错误!"});
    EXPECT_EQ(Surface()->Color_At(Cx(), 30), 77777);
    EXPECT_FALSE(Colours().contains(Curve()));
}

TEST_F(Plot, ZeroStepOrZeroZoomIsRefusedAndDrawsNothing) {
    Draw("sin(x)");
    const QImage before = Surface()->Image();
    const char *zoom_density[][2] = {{"10", "0"}, {"0", "1"}};
    for (const auto &c : zoom_density) {
        Platform::Clear_Recording();
        Draw("x", c[0], "10", c[1]);
        EXPECT_EQ(Platform::Recorded_Warnings().size(), 1);
        EXPECT_EQ(Surface()->Image(), before);
        EXPECT_EQ(Text("Fun_min"), "-271");
    }
}

TEST_F(Plot, CleanedTextIsWrittenBackOnlyWhenItChanges) {
    struct Case {
        const char *typed, *cleaned;
        int writes;
    };
    const Case cases[] = {{"sin(x)", "sin(x)", 0}, {"sin (x) * 2", "sin(x)*2", 1}};
    for (const auto &c : cases) {
        Type("Y_Expression", c.typed);
        QSignalSpy writes(Find<QLineEdit>("Y_Expression"), &QLineEdit::textChanged);
        Click("Display");
        EXPECT_EQ(Text("Y_Expression"), c.cleaned);
        EXPECT_EQ(writes.count(), c.writes) << c.typed;
    }
}

TEST_F(Plot, ALongDrawingCanBeCancelledKeepingItsPoints) {
    const int dialogs = Platform::Long_Task::Dialogs_Shown();
    Platform::Long_Task::Simulate_Cancel_After(5000);
    Draw("5", "10", "10", "0.0001"); // 5.42 million samples
    Platform::Long_Task::Simulate_Cancel_After(-1);
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), dialogs + 1);
    EXPECT_EQ(At(-270.5, 5), Curve());
    EXPECT_NE(At(-200, 5), Curve());
}

} // namespace

namespace {

TEST_F(Plot, ADrawingOfFewSlowSamplesOffersCancel) {
    // each sample takes 300 ms: after a second the dialog is there, however
    // few samples that was, and Cancel keeps what was drawn
    const int dialogs = Platform::Long_Task::Dialogs_Shown();
    Platform::Long_Task::Simulate_Step_Time(300);
    Platform::Long_Task::Simulate_Cancel_After(3);
    Draw("5", "10", "10", "1");
    Platform::Long_Task::Simulate_Cancel_After(-1);
    Platform::Long_Task::Simulate_Step_Time(0);
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), dialogs + 1);
    EXPECT_EQ(At(-269, 5), Curve());
    EXPECT_NE(At(-200, 5), Curve());
}

TEST_F(Plot, DrawingsThatCannotHappenSayWhyOnce) {
    const QString bounds = QStringLiteral("定义域超出数值范围,请重新输入!");
    const QString stuck = QStringLiteral("图像密度太小，x 无法前进，请重新选择图像密度!");
    struct Case {
        const char *mode, *low, *high, *x_zoom;
        const QString &message;
    };
    const Case cases[] = {
        {"polar", "-1e999", "6.3", "100", bounds},
        {"polar", "0", "1e400", "100", bounds},
        {"parametric", "-1e309", "1e309", "100", bounds},
        {"explicit", "", "", "1e-20", stuck}, // a step of 1 is lost against x near -2.7e23
        {"parametric", "1e20", "1.0000000001e20", "100", stuck},
    };
    for (const Case &c : cases) {
        Find<QCheckBox>("Parameter_Equation")->setChecked(QLatin1String(c.mode) == "parametric");
        Find<QCheckBox>("Check1")->setChecked(QLatin1String(c.mode) == "polar");
        if (*c.low) Type("Fun_min", c.low);
        if (*c.high) Type("Fun_max", c.high);
        Platform::Clear_Recording();
        Draw("1", c.x_zoom, "10", "1");
        EXPECT_EQ(Platform::Recorded_Warnings(), QStringList{c.message}) << c.mode << c.low;
    }
    // bounds in range draw without a word
    Find<QCheckBox>("Parameter_Equation")->setChecked(false);
    Find<QCheckBox>("Check1")->setChecked(true);
    Type("Fun_min", "0");
    Type("Fun_max", "6.3");
    Platform::Clear_Recording();
    Draw("1", "100", "100", "0.01");
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
    EXPECT_EQ(At(0, 1), Curve());
}

} // namespace
