// Exploring the plot with the pointer and the keys: wheel zoom around the
// pointer, dragging the view, the coordinates under the pointer, the keys of
// the focused surface, and copying or saving the picture.

#include "Plot_Fixture.h"

#include "engine/NumberText.h"
#include "ui/platform/Files.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

struct Explore : Plot {
    // the pointer's place in units: its logical pixel times 15 (96 dots per inch)
    static double Units(int pixel) { return pixel * 15.0; }

    void Wheel(QPoint at, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWheelEvent event(QPointF(at), QPointF(Surface()->mapToGlobal(at)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Surface(), &event);
    }
    QString Combo(const char *name) { return Find<QComboBox>(name)->currentText(); }
    std::string Line() { return Find<QLabel>("Coordinate_Line")->text().toStdString(); }
    void Hover(QPoint at) {
        // sent as it stands: QTest takes the corner (0, 0) for the widget's centre
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(Surface()->mapToGlobal(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Surface(), &move);
    }

    // whether the curve's colour lies within one pixel of a surface position
    bool Curve_Near(double sx, double sy) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (Surface()->Color_At(sx + 15 * dx, sy + 15 * dy) == Curve()) return true;
        return false;
    }
};

TEST_F(Explore, WheelNotchZoomsBothListsAroundTheCurvePointUnderThePointer) {
    // The surface is 361 by 210 pixels, so its centre is (2707.5, 1575) units.
    // At the default view this curve passes exactly through the corner of
    // pixel (200, 84): x = (3000 - 2707.5) / 10 = 29.25, y = (1575 - 170 - 1260) / 10 = 14.5.
    Draw("x/2-0.125");
    const QPoint pointer(200, 84);
    ASSERT_EQ(Cx(), 2707.5);
    ASSERT_EQ(Cy(), 1575);

    struct Case {
        int delta;
        const char *x_zoom, *y_zoom, *density;
    };
    // in, in again, out, out twice in one turn (two notches), out to the start
    const Case notches[] = {{120, "30", "30", "0.1"},
                            {120, "50", "50", "0.1"},
                            {-120, "30", "30", "0.1"},
                            {-240, "1", "1", "10"},
                            {120, "10", "10", "10"}};
    for (const auto &c : notches) {
        Wheel(pointer, c.delta);
        EXPECT_EQ(Combo("X_Zoom"), c.x_zoom);
        EXPECT_EQ(Combo("Y_Zoom"), c.y_zoom);
        EXPECT_EQ(Combo("Density"), c.density) << c.x_zoom;
        // the view is redrawn at the new scales, with (29, 14.5) still under the pointer
        EXPECT_EQ(w->State().X_Scale, Combo("X_Zoom").toDouble());
        // (29.25, 14.5) at (3000, 1260): 2707.5 + Shift_X + 29.25 z = 3000 and
        // 1575 + Shift_Y - 14.5 z = 1260, within a pixel
        const double zx = Combo("X_Zoom").toDouble(), zy = Combo("Y_Zoom").toDouble();
        EXPECT_NEAR(w->State().Shift_X, 292.5 - 29.25 * zx, 15) << c.x_zoom;
        EXPECT_NEAR(w->State().Shift_Y, -315 + 14.5 * zy, 15) << c.y_zoom;
        if (w->State().X_Scale >= 10) {
            EXPECT_TRUE(Curve_Near(Units(200), Units(84))) << c.x_zoom;
        }
    }
}

TEST_F(Explore, WheelModifiersTypedZoomsEndsAndTouchpadSteps) {
    Draw("x/2");
    const QPoint pointer(300, 40);
    // Shift zooms X only, Ctrl Y only; the other axis keeps its box and offset
    Wheel(pointer, 120, Qt::ShiftModifier);
    EXPECT_EQ(Combo("X_Zoom"), "30");
    EXPECT_EQ(Combo("Y_Zoom"), "10");
    EXPECT_EQ(w->State().Shift_Y, -170);
    EXPECT_EQ(Combo("Density"), "0.1");
    Type_Combo("Density", "1");
    Wheel(pointer, 120, Qt::ControlModifier);
    EXPECT_EQ(Combo("X_Zoom"), "30");
    EXPECT_EQ(Combo("Y_Zoom"), "30");
    EXPECT_EQ(Combo("Density"), "1"); // the Y zoom has no density rule

    // a typed zoom moves to the nearest item in the wheel's direction
    struct Typed {
        const char *typed;
        int delta;
        const char *after;
    };
    const Typed typed[] = {{"40", 120, "50"},      {"40", -120, "30"}, {"abc", 120, "0.01"},
                           {"5000", -120, "3000"}, {"0.5", 120, "1"},  {"2500", 120, "3000"}};
    for (const auto &c : typed) {
        Type_Combo("X_Zoom", c.typed);
        Type_Combo("Y_Zoom", c.typed);
        Wheel(pointer, c.delta);
        EXPECT_EQ(Combo("X_Zoom"), c.after) << c.typed << " " << c.delta;
        EXPECT_EQ(Combo("Y_Zoom"), c.after) << c.typed << " " << c.delta;
    }

    // at the ends of the lists a notch changes nothing and draws nothing
    const char *ends[][3] = {{"3000", "120", "0.01"}, {"0.01", "-120", "1000"}};
    for (const auto &end : ends) {
        Type_Combo("X_Zoom", end[0]);
        Type_Combo("Y_Zoom", end[0]);
        Type_Combo("Density", end[2]);
        Click("Display");
        const std::int32_t colour = Curve();
        const std::int16_t shift_x = w->State().Shift_X, shift_y = w->State().Shift_Y;
        Wheel(pointer, QByteArray(end[1]).toInt());
        EXPECT_EQ(Combo("X_Zoom"), end[0]);
        EXPECT_EQ(Curve(), colour) << end[0]; // a drawing would take a new colour
        EXPECT_EQ(w->State().Shift_X, shift_x);
        EXPECT_EQ(w->State().Shift_Y, shift_y);
    }

    // a touchpad's small steps count as a notch once they reach 120; a turn back starts afresh
    Type_Combo("X_Zoom", "10");
    Type_Combo("Y_Zoom", "10");
    Click("Display");
    for (int step : {30, 30, 30}) Wheel(pointer, step);
    EXPECT_EQ(Combo("X_Zoom"), "10");
    Wheel(pointer, -30);
    Wheel(pointer, 30);
    Wheel(pointer, 30);
    EXPECT_EQ(Combo("X_Zoom"), "10");
    Wheel(pointer, 60);
    EXPECT_EQ(Combo("X_Zoom"), "30");
    // a turn of any length stops at the end of the list
    Wheel(pointer, std::numeric_limits<int>::max());
    Wheel(pointer, std::numeric_limits<int>::max());
    EXPECT_EQ(Combo("X_Zoom"), "3000");
}

TEST_F(Explore, WheelKeepsTheOffsetsWithinSixteenBits) {
    Draw("x/2", "0.01", "0.01", "1000");
    // far from the origin a big zoom step would push the origin beyond 16 bits
    for (int i = 0; i < 14; ++i) Wheel(QPoint(5, 5), 120);
    EXPECT_EQ(Combo("X_Zoom"), "3000");
    // the origin runs off to the lower right, as far as 16 bits go
    EXPECT_GE(w->State().Shift_X, 32000);
    EXPECT_GE(w->State().Shift_Y, 32000);
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
}

TEST_F(Explore, DraggingMovesTheOriginByTheDistanceDragged) {
    struct Case {
        const char *zoom;
        QPoint from, to;
    };
    const Case drags[] = {
        {"10", {100, 100}, {130, 90}}, {"100", {300, 50}, {250, 150}}, {"0.1", {20, 20}, {21, 20}}};
    for (const auto &c : drags) {
        Draw("x/2", c.zoom, c.zoom, "1");
        const std::int16_t x0 = w->State().Shift_X, y0 = w->State().Shift_Y;
        const QImage before = Surface()->Image();
        QTest::mousePress(Surface(), Qt::LeftButton, Qt::NoModifier, c.from);
        QTest::mouseMove(Surface(), c.to);
        // while dragging the picture already drawn is shown moved, and is not redrawn
        EXPECT_EQ(Surface()->Drag_Offset(), c.to - c.from);
        EXPECT_EQ(Surface()->Image(), before);
        const QImage shown = Surface()->grab().toImage();
        // the y axis stands in the centre's column, 180, until the view moves
        const int axis = int(std::floor(Cx() / 15)) + c.to.x() - c.from.x();
        if (axis >= 0 && axis < shown.width()) {
            EXPECT_EQ(Drawing_Surface::From_Rgb(
                          shown.pixel(axis, 5 + std::max(0, c.to.y() - c.from.y()))),
                      77777u)
                << c.zoom;
        }
        QTest::mouseRelease(Surface(), Qt::LeftButton, Qt::NoModifier, c.to);
        EXPECT_EQ(Surface()->Drag_Offset(), QPoint());
        EXPECT_EQ(w->State().Shift_X, x0 + 15 * (c.to.x() - c.from.x())) << c.zoom;
        EXPECT_EQ(w->State().Shift_Y, y0 + 15 * (c.to.y() - c.from.y())) << c.zoom;
        // the drawing follows: the explicit range is that of the moved origin
        const double zoom = std::atof(c.zoom), m = Cx() / zoom;
        EXPECT_EQ(Text("Fun_min").toDouble(),
                  std::floor(-m) - 15.0 * (c.to.x() - c.from.x()) / zoom);
        Click("Reversion");
    }

    // a click without movement changes nothing and draws nothing
    Draw("x/2");
    const std::int32_t colour = Curve();
    const QImage before = Surface()->Image();
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
    EXPECT_EQ(Curve(), colour);
    EXPECT_EQ(Surface()->Image(), before);
    EXPECT_EQ(w->State().Shift_X, 0);
    EXPECT_EQ(w->State().Shift_Y, -170);

    // the offsets stop at the 16-bit limits
    Type("Text2", "32700"); // the move unit takes effect at the next drawing
    Click("Display");
    Click("CommandButton4");
    Type("Text2", "32530");
    Click("Display");
    Click("CommandButton1");
    ASSERT_EQ(w->State().Shift_X, 32700);
    ASSERT_EQ(w->State().Shift_Y, -170 - 32530);
    QTest::mousePress(Surface(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(Surface(), QPoint(120, 80));
    QTest::mouseRelease(Surface(), Qt::LeftButton, Qt::NoModifier, QPoint(120, 80));
    EXPECT_EQ(w->State().Shift_X, 32767);
    EXPECT_EQ(w->State().Shift_Y, -32768);
}

TEST_F(Explore, CoordinatesUnderThePointerReadTheMappingBackwards) {
    // before any drawing the zoom boxes stand for the view
    Hover(QPoint(200, 84));
    EXPECT_EQ(Line(), "x = 29.25 y = 14.5 f(x) 无定义"); // the empty curve has no value

    // x = (15·px − 2707.5 − Shift_X) / X zoom, y = (1575 + Shift_Y − 15·py) / Y zoom
    struct Case {
        const char *zoom, *move;
        QPoint at;
        const char *line;
    };
    const Case cases[] = {
        {"10", "", {200, 84}, "x = 29.25 y = 14.5 f(x) = 14.625"},
        {"10", "CommandButton2", {200, 84}, "x = 51.45 y = 14.5 f(x) = 25.725"},
        {"10", "CommandButton1", {200, 84}, "x = 29.25 y = -7.7 f(x) = 14.625"},
        {"100", "", {200, 84}, "x = 2.925 y = 1.45 f(x) = 1.4625"},
        {"1", "", {0, 0}, "x = -2707.5 y = 1405 f(x) = -1353.75"},
        {"1", "CommandButton4", {360, 209}, "x = 2470.5 y = -1730 f(x) = 1235.25"},
    };
    for (const auto &c : cases) {
        Draw("x/2", c.zoom, c.zoom, "1");
        if (*c.move) Click(c.move);
        Hover(c.at);
        EXPECT_EQ(Line(), c.line) << c.zoom << " " << c.move;
        Click("Reversion");
    }

    // leaving the surface empties the line
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Surface(), &leave);
    EXPECT_EQ(Line(), "");

    // parametric and polar curves have no f(x)
    Find<QCheckBox>("Check1")->setChecked(true);
    Draw("1", "10", "10", "0.1");
    Hover(QPoint(200, 84));
    EXPECT_EQ(Line(), "x = 29.25 y = 14.5");
}

TEST_F(Explore, CurveValueUnderThePointerComesFromTheEngineAndLeavesNoTrace) {
    // at X zoom 1.25, x = (15·183 − 2707.5) / 1.25 = 30 under pixel 183
    Draw("sin(x)", "1.25", "10", "1");
    Find<QRadioButton>("Angle_Option_0")->setChecked(true); // degrees, after the drawing
    Type("Y_Expression", "sin (x)");
    const double kept = CalcModule::Variable_Values['x' - 'a'];
    Hover(QPoint(183, 84));
    std::string expression = "sin(30)=";
    const std::string engine = CalcModule::Evaluate_Expression(expression, 10, 32, 0, 1);
    EXPECT_EQ(Line(), "x = 30 y = 14.5 f(x) = " + CalcModule::Standard_Number_Text(
                                                      CalcModule::Leading_Number_Value(engine)));
    EXPECT_TRUE(Line().ends_with("f(x) = 0.5"));
    EXPECT_EQ(Text("Y_Expression"), "sin (x)"); // hovering writes nothing back
    EXPECT_EQ(CalcModule::Variable_Values['x' - 'a'], kept);

    // a failing or malformed curve shows that it has no value, and never a box
    struct Failing {
        const char *curve;
        int pixel;
    };
    // x = -2046 under pixel 10, 30 under pixel 183
    const Failing failing[] = {{"ln(x)", 10}, {"1/(x-30)", 183}, {"sin(", 183},
                               {"x+", 183},   {"99^99^99", 183}, {"+x", 183}};
    for (const auto &c : failing) {
        Type("Y_Expression", c.curve);
        Hover(QPoint(c.pixel, 84));
        EXPECT_TRUE(Line().ends_with("f(x) 无定义")) << c.curve << " " << Line();
    }
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
}

TEST_F(Explore, KeysOfTheFocusedSurface) {
    Draw("x/2");
    EXPECT_TRUE(Surface()->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(Surface()->accessibleName().isEmpty());
    EXPECT_FALSE(Surface()->accessibleDescription().isEmpty());
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    ASSERT_TRUE(Surface()->hasFocus());

    // arrows act as the four arrow buttons, each redrawing
    struct Move {
        Qt::Key key;
        std::int16_t x, y;
    };
    const Move moves[] = {{Qt::Key_Up, 0, -392},
                          {Qt::Key_Left, -222, -392},
                          {Qt::Key_Down, -222, -170},
                          {Qt::Key_Right, 0, -170},
                          {Qt::Key_Right, 222, -170}};
    for (const auto &m : moves) {
        const std::int32_t colour = Curve();
        QTest::keyClick(Surface(), m.key);
        EXPECT_EQ(w->State().Shift_X, m.x);
        EXPECT_EQ(w->State().Shift_Y, m.y);
        EXPECT_NE(Curve(), colour) << m.key;
    }
    EXPECT_EQ(Text("Fun_min"), "-293.2");

    // Home restores the origin without drawing, as the restore button does
    const std::int32_t colour = Curve();
    QTest::keyClick(Surface(), Qt::Key_Home);
    EXPECT_EQ(w->State().Shift_X, 0);
    EXPECT_EQ(w->State().Shift_Y, -170);
    EXPECT_EQ(Curve(), colour);

    // "+" and "-" zoom around the centre, whose curve point stays there
    // at the home view the centre shows (0, -17): at zoom z the origin stands
    // in the centre's column and 17 z units below the centre
    QTest::keyClick(Surface(), '+');
    EXPECT_EQ(Combo("X_Zoom"), "30");
    EXPECT_EQ(Combo("Y_Zoom"), "30");
    EXPECT_NEAR(w->State().Shift_X, 0, 1);
    EXPECT_NEAR(w->State().Shift_Y, -17 * 30, 1);
    QTest::keyClick(Surface(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(Combo("X_Zoom"), "50");
    QTest::keyClick(Surface(), '-');
    QTest::keyClick(Surface(), '-');
    EXPECT_EQ(Combo("X_Zoom"), "10");
    EXPECT_EQ(Combo("Y_Zoom"), "10");
    EXPECT_NEAR(w->State().Shift_Y, -17 * 10, 1);
}

TEST_F(Explore, CopyAndSaveThePicture) {
    Draw("sin(x)*50", "30", "10", "0.1");
    const QImage surface = Surface()->Image();

    // the menu comes on a right click
    QContextMenuEvent right(QContextMenuEvent::Mouse, QPoint(40, 40),
                            Surface()->mapToGlobal(QPoint(40, 40)));
    QApplication::sendEvent(Surface(), &right);
    auto *menu = w->findChild<QMenu *>("Picture_Menu");
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->isVisible());
    QStringList items;
    for (QAction *action : menu->actions()) items << action->text();
    EXPECT_EQ(items, (QStringList{"复制图像", "保存图像…"}));
    menu->hide();
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(Surface(), &key);
    EXPECT_TRUE(menu->isVisible()); // the Menu key opens it too
    menu->hide();

    w->findChild<QAction *>("Copy_Picture")->trigger();
    const QImage copied = Platform::Clipboard_Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied.size(), Surface()->size());
    EXPECT_EQ(copied, surface);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString answer;
    QList<Platform::File_Request> requests;
    const auto previous = Platform::Set_File_Chooser([&](const Platform::File_Request &request) {
        requests << request;
        return answer;
    });
    auto *save = w->findChild<QAction *>("Save_Picture");

    // a name without an extension gets ".png"; the file loads back as the surface
    answer = folder.filePath("曲线");
    save->trigger();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_TRUE(requests[0].save);
    EXPECT_TRUE(requests[0].suggested.endsWith(".png"));
    QImage loaded(folder.filePath("曲线.png"));
    EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB32), surface);
    answer = folder.filePath("named.png");
    save->trigger();
    EXPECT_TRUE(QFile::exists(answer));
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
    // the dialog confirmed "曲线", not "曲线.png": that file is not replaced unasked
    QFile::resize(folder.filePath("曲线.png"), 10);
    answer = folder.filePath("曲线");
    save->trigger();
    EXPECT_EQ(Platform::Recorded_Warnings().size(), 1);
    EXPECT_EQ(QFileInfo(folder.filePath("曲线.png")).size(), 10);
    Platform::Clear_Recording();

    // cancelling the dialog does nothing
    answer.clear();
    save->trigger();
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());

    // a folder no one may write to, or a name that is a folder: one message
    // naming the file, no file left behind, the drawing untouched
    QDir(folder.path()).mkdir("locked");
    const QString locked = folder.filePath("locked");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const QString failures[][2] = {{locked + "/plot.png", "权限"}, {locked, "文件夹"}};
    for (const auto &failure : failures) {
        Platform::Clear_Recording();
        answer = failure[0];
        save->trigger();
        const QStringList warnings = Platform::Recorded_Warnings();
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(warnings[0].contains(QDir::toNativeSeparators(failure[0])));
        EXPECT_TRUE(warnings[0].contains(failure[1])) << warnings[0].toStdString();
        EXPECT_TRUE(QDir(locked).isEmpty());
        EXPECT_EQ(Surface()->Image(), surface);
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Platform::Set_File_Chooser(previous);
}

} // namespace
