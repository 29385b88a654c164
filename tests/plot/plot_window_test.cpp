#include "Plot_Fixture.h"

#include "ui/platform/Mode_Notifier.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>

namespace {

TEST_F(Plot, OpensInRadiansAtDesignSize) {
    EXPECT_EQ(w->objectName(), "Func_Image");
    EXPECT_EQ(w->windowTitle(), "函数图像");
    EXPECT_EQ(CalcModule::Angle_Unit, 1);
    EXPECT_TRUE(Find<QRadioButton>("Angle_Option_1")->isChecked());
    EXPECT_FALSE(Find<QLineEdit>("X_Expression")->isVisible());
    // the list filled at load keeps the text shown at start
    EXPECT_EQ(Find<QComboBox>("Density")->currentText(), "1");
    // the surface stands at (3150, 150) and spans the design size, so the first
    // drawing samples -271 to 271
    EXPECT_EQ(Surface()->x() * 15, 3150);
    EXPECT_EQ(Surface()->y() * 15, 150);
    EXPECT_NEAR(Surface()->Width(), 5420, 7.5);
    EXPECT_NEAR(Surface()->Height(), 3150, 7.5);

    // loading again restores the view and fills the same lists, in order
    Draw("x"); // with the zooms the window shows at start
    Click("CommandButton4");
    Click("CommandButton3");
    ASSERT_EQ(w->State().Shift_X + w->State().Shift_Y + w->State().X_Scale, 222 + 52 + 10);
    w->Form_Load();
    EXPECT_EQ(w->State().Shift_X, 0);
    EXPECT_EQ(w->State().Shift_Y, -170);
    EXPECT_EQ(w->State().Move_Step, 222);
    EXPECT_EQ(w->State().X_Scale + w->State().Y_Scale + w->State().Step_Size, 3);
    const QStringList zooms = {"0.01", "0.1", "1",   "10",   "30",   "50",   "100",
                               "200",  "300", "500", "1000", "1500", "2000", "3000"};
    const QStringList densities = {"1000", "100", "10", "1", "0.1", "0.01", "0.001"};
    const std::pair<const char *, QStringList> lists[] = {
        {"X_Zoom", zooms}, {"Y_Zoom", zooms}, {"Density", densities}};
    for (const auto &[name, items] : lists) {
        auto *combo = Find<QComboBox>(name);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        EXPECT_EQ(shown, items) << name;
    }
    EXPECT_EQ(Find<QComboBox>("X_Zoom")->currentText(), "10");
}

TEST_F(Plot, ResizingKeepsTheSurfaceInsideTheWindowAndItsPicture) {
    Type("Y_Expression", "1000");
    Click("Display");
    const QPoint origin = Surface()->pos();
    const double axis_x = Cx();
    struct Case {
        int width, height;
    };
    // outer size in pixels; the smallest ones are held at the window's minimum
    const Case cases[] = {{700, 400}, {1000, 700}, {588, 263}, {10, 10}};
    for (const auto &c : cases) {
        w->resize(c.width, c.height);
        const QSize outer = w->size();
        EXPECT_EQ(Surface()->pos(), origin);
        EXPECT_NEAR(Surface()->Width(), outer.width() * 15 - 3400, 7.5) << c.width;
        EXPECT_NEAR(Surface()->Height(), outer.height() * 15 - 800, 7.5) << c.height;
        EXPECT_GE(Surface()->width(), 100);
        EXPECT_GE(Surface()->height(), 100);
        // nothing is redrawn: the axis stays where the drawing put it
        if (axis_x < Surface()->Width()) {
            EXPECT_EQ(Surface()->Color_At(axis_x, 15), 77777) << c.width;
        }
    }

    // in every mode each control stands whole inside the window, at its full
    // height and clear of the surface and of the others
    for (const char *mode : {"", "Parameter_Equation", "Check1"}) {
        if (*mode) Find<QCheckBox>(mode)->setChecked(true);
        QApplication::processEvents();
        QList<QWidget *> controls;
        for (QWidget *control : w->findChildren<QWidget *>())
            if (control->isVisible() && !control->objectName().isEmpty() &&
                control->objectName() != "Control_Panel")
                controls << control;
        const auto box = [this](QWidget *control) {
            return QRect(control->mapTo(w.get(), QPoint(0, 0)), control->size());
        };
        for (QWidget *control : controls) {
            const std::string name = std::string(mode) + " " + control->objectName().toStdString();
            EXPECT_TRUE(w->rect().contains(box(control))) << name;
            const int least =
                control->minimumHeight() > 0
                    ? control->minimumHeight()
                    : std::min(control->minimumSizeHint().height(), control->maximumHeight());
            EXPECT_GE(control->height(), least) << name;
            for (QWidget *other : controls) {
                if (other == control || control->isAncestorOf(other) ||
                    other->isAncestorOf(control))
                    continue;
                EXPECT_FALSE(box(control).intersects(box(other)))
                    << name << " / " << other->objectName().toStdString();
            }
        }
    }
}

TEST_F(Plot, ChoosingAnXZoomSuitsTheDensityToIt) {
    struct Case {
        const char *zoom, *density;
    };
    const Case cases[] = {{"3000", "0.01"}, {"30", "0.1"}, {"10", "7"},   {"0.01", "1000"},
                          {"0.1", "100"},   {"1", "10"},   {"50", "0.1"}, {"1000", "0.1"}};
    auto *zoom = Find<QComboBox>("X_Zoom");
    for (const auto &c : cases) {
        Type_Combo("Density", "7");
        zoom->showPopup();
        zoom->view()->setCurrentIndex(zoom->model()->index(zoom->findText(c.zoom), 0));
        QTest::keyClick(zoom->view(), Qt::Key_Return);
        EXPECT_EQ(zoom->currentText(), c.zoom);
        EXPECT_EQ(Find<QComboBox>("Density")->currentText(), c.density) << c.zoom;
    }
    Type_Combo("Density", "7");
    Type_Combo("X_Zoom", "5000"); // typing alone chooses nothing
    EXPECT_EQ(Find<QComboBox>("Density")->currentText(), "7");

    // typed as a user types, with focus: nothing is completed from the list, and
    // ending the typing chooses nothing, even when the text is a list item
    const auto focus = [this](QWidget *box) {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        box->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([box] { return box->hasFocus(); }));
    };
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab}) {
        Type_Combo("Density", "7");
        focus(zoom);
        zoom->lineEdit()->selectAll();
        QTest::keyClicks(nullptr, key == Qt::Key_Tab ? "30" : "3000");
        QTest::keyClick(static_cast<QWidget *>(nullptr), key);
        EXPECT_EQ(Find<QComboBox>("Density")->currentText(), "7") << key;
        // a choice from the list right after still counts
        zoom->showPopup();
        zoom->view()->setCurrentIndex(zoom->model()->index(zoom->findText("0.1"), 0));
        QTest::keyClick(zoom->view(), Qt::Key_Return);
        EXPECT_EQ(Find<QComboBox>("Density")->currentText(), "100") << key;
    }
    for (const char *name : {"X_Zoom", "Density"}) {
        auto *combo = Find<QComboBox>(name);
        focus(combo);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(nullptr, "1");
        EXPECT_EQ(combo->currentText(), "1") << name;
    }
}

TEST_F(Plot, ModeSwitchesWriteTheFullTurnAndKeepOneModeAtATime) {
    const char *full_turn[] = {"360", "6.28318530717958", "400"};
    for (int unit = 0; unit < 3; ++unit) {
        Find<QRadioButton>(QString("Angle_Option_%1").arg(unit))->setChecked(true);
        ASSERT_EQ(CalcModule::Angle_Unit, unit);
        Find<QCheckBox>(unit == 1 ? "Check1" : "Parameter_Equation")->setChecked(true);
        EXPECT_EQ(Text("Fun_min"), "0.00001");
        EXPECT_EQ(Text("Fun_max"), full_turn[unit]) << unit;
        Find<QCheckBox>("Check1")->setChecked(false);
        Find<QCheckBox>("Parameter_Equation")->setChecked(false);
    }
    // a later change of unit leaves the range alone
    Find<QRadioButton>("Angle_Option_0")->setChecked(true);
    EXPECT_EQ(Text("Fun_max"), "400");

    Find<QCheckBox>("Parameter_Equation")->setChecked(true);
    EXPECT_TRUE(Find<QLineEdit>("X_Expression")->isVisible());
    Type("X_Expression", "cos(x)");
    // a click in the middle of the short caption's row reaches the box
    QTest::mouseClick(Find<QCheckBox>("Check1"), Qt::LeftButton);
    EXPECT_FALSE(Find<QCheckBox>("Parameter_Equation")->isChecked());
    EXPECT_FALSE(Find<QLineEdit>("X_Expression")->isVisible());
    EXPECT_EQ(Text("X_Expression"), "x");
    Find<QCheckBox>("Parameter_Equation")->setChecked(true);
    EXPECT_FALSE(Find<QCheckBox>("Check1")->isChecked());
}

TEST_F(Plot, AngleOptionsFollowTheProgramWideUnitWithoutEcho) {
    QSignalSpy changes(&Platform::Mode_Notifier::Instance(),
                       &Platform::Mode_Notifier::Angle_Unit_Changed);
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(0); // another window chose degrees
    EXPECT_TRUE(Find<QRadioButton>("Angle_Option_0")->isChecked());
    EXPECT_EQ(changes.count(), 1);
    QTest::mouseClick(Find<QRadioButton>("Angle_Option_2"), Qt::LeftButton);
    EXPECT_EQ(CalcModule::Angle_Unit, 2);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(Plot, OpensShowingRadiansWhenTheyAreInForceAlready) {
    w.reset();
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(1);
    QSignalSpy changes(&Platform::Mode_Notifier::Instance(),
                       &Platform::Mode_Notifier::Angle_Unit_Changed);
    w = std::make_unique<Func_Image>();
    w->show();
    EXPECT_TRUE(Find<QRadioButton>("Angle_Option_1")->isChecked());
    EXPECT_EQ(changes.count(), 0);
    QTest::mouseClick(Find<QRadioButton>("Angle_Option_0"), Qt::LeftButton);
    EXPECT_EQ(CalcModule::Angle_Unit, 0);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(Plot, ArrowButtonsMoveTheOriginWithinTheSixteenBitRange) {
    Type("Y_Expression", "1000"); // the curve stays off the surface: only axes and ticks
    Click("CommandButton1");
    Click("CommandButton1");
    EXPECT_EQ(w->State().Shift_Y, -170 - 2 * 222);
    Moved(0, -2 * 222);
    EXPECT_EQ(At(-265, 0), 77777);
    // the x axis now stands 614 units above the centre, the row above it is blank
    EXPECT_EQ(Surface()->Color_At(100, Cy() - 614), 77777);
    EXPECT_EQ(Surface()->Color_At(100, Cy() - 614 - 15), 0xFFFFFF);
    Click("CommandButton3");
    Click("CommandButton4");
    EXPECT_EQ(w->State().Shift_Y, -392);
    EXPECT_EQ(w->State().Shift_X, 222);
    EXPECT_EQ(Surface()->Color_At(Cx() + 222, 30), 77777);

    // restoring moves nothing until the next drawing
    const QImage before = Surface()->Image();
    Click("Reversion");
    EXPECT_EQ(w->State().Shift_X, 0);
    EXPECT_EQ(w->State().Shift_Y, -170);
    EXPECT_EQ(Surface()->Image(), before);

    // an edited move unit counts from the next drawing on, held to 16 bits
    Type("Text2", "40000");
    Click("CommandButton4");
    EXPECT_EQ(w->State().Shift_X, 222);
    EXPECT_EQ(w->State().Move_Step, 32767);
    Click("CommandButton4");
    Click("CommandButton4");
    EXPECT_EQ(w->State().Shift_X, 32767);
    Type("Text2", "-1e9");
    Click("Display");
    Click("CommandButton2");
    EXPECT_EQ(w->State().Shift_X, 32767);
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());

    // the move unit is read at every drawing, rounded halves to even
    struct Case {
        const char *text;
        std::int16_t step;
    };
    const Case steps[] = {{"222.5", 222}, {"223.5", 224}, {"-2.5", -2}, {"1e3x", 1000},
                          {"abc", 0},     {"", 0},        {"1d2", 100}, {"-40000", -32768}};
    for (const auto &c : steps) {
        Type("Text2", c.text);
        Click("Display");
        EXPECT_EQ(w->State().Move_Step, c.step) << c.text;
    }
}

// The control Tab has moved to, named as the window names it: an editable
// combo box hands its focus to its own text line.
QString Focus_Name() {
    QWidget *now = QApplication::focusWidget();
    if (!now) return QString();
    if (auto *combo = qobject_cast<QComboBox *>(now->parentWidget());
        combo && combo->lineEdit() == now)
        return combo->objectName();
    return now->objectName();
}

std::string Joined(const QStringList &names) {
    return names.join(' ').toStdString();
}

// Presses key until the focus is back where it started; the names passed.
QStringList Walk(Qt::Key key, int limit = 60) {
    QStringList visited;
    const QString start = Focus_Name();
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(static_cast<QWidget *>(nullptr), key);
        visited << Focus_Name();
        if (visited.last() == start || visited.last().isEmpty()) break;
    }
    return visited;
}

TEST_F(Plot, TabVisitsEveryControlOnceInReadingOrderAndReturns) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    // the window opens with the focus on its first box, not on the surface
    ASSERT_EQ(Focus_Name().toStdString(), "Y_Expression");

    // the column top to bottom, one stop at the chosen angle unit, the move
    // buttons, then the surface, and round to the start
    const QStringList after_curve = {"Parameter_Equation",
                                     "Check1",
                                     "Fun_min",
                                     "Fun_max",
                                     "X_Zoom",
                                     "Y_Zoom",
                                     "Density",
                                     "Display",
                                     "preserving",
                                     "Angle_Option_1",
                                     "CommandButton1",
                                     "CommandButton2",
                                     "CommandButton3",
                                     "CommandButton4",
                                     "Reversion",
                                     "Text2",
                                     "Picture1"};
    const QStringList forward = after_curve + QStringList{"Y_Expression"};
    EXPECT_EQ(Joined(Walk(Qt::Key_Tab)), Joined(forward));
    QStringList backward(after_curve.rbegin(), after_curve.rend());
    backward << "Y_Expression";
    EXPECT_EQ(Joined(Walk(Qt::Key_Backtab)), Joined(backward));

    // an arrow key chooses the next unit, and Tab then stops there alone
    Find<QRadioButton>("Angle_Option_1")->setFocus();
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Right);
    EXPECT_EQ(CalcModule::Angle_Unit, 2);
    EXPECT_EQ(Focus_Name().toStdString(), "Angle_Option_2");
    const QStringList units = Walk(Qt::Key_Tab);
    EXPECT_TRUE(units.contains("Angle_Option_2"));
    EXPECT_FALSE(units.contains("Angle_Option_0") || units.contains("Angle_Option_1"));
    EXPECT_EQ(units.size(), QSet<QString>(units.begin(), units.end()).size()) << Joined(units);
    // a unit chosen in another window moves the stop with it
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(0);
    const QStringList degrees = Walk(Qt::Key_Tab);
    EXPECT_TRUE(degrees.contains("Angle_Option_0"));
    EXPECT_FALSE(degrees.contains("Angle_Option_2"));

    // the parametric curve's X= comes before Y=
    QTest::mouseClick(Find<QCheckBox>("Parameter_Equation"), Qt::LeftButton);
    Find<QLineEdit>("Y_Expression")->setFocus();
    EXPECT_EQ(Joined(Walk(Qt::Key_Backtab).mid(0, 2)), "X_Expression Picture1");

    // reached by Tab, the surface still answers its own keys, and Tab leaves it
    Find<QLineEdit>("Text2")->setFocus();
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Tab);
    ASSERT_EQ(Focus_Name().toStdString(), "Picture1");
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Right);
    EXPECT_EQ(w->State().Shift_X, 222);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Home);
    EXPECT_EQ(w->State().Shift_X, 0);
    QTest::keyClick(static_cast<QWidget *>(nullptr), '+');
    EXPECT_EQ(Find<QComboBox>("X_Zoom")->currentText(), "30");
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Tab);
    EXPECT_EQ(Focus_Name().toStdString(), "X_Expression");
}

} // namespace
