// The main window driven through its controls: start-up and layout, key
// entry and "=", modes, number-processing keys, memory, history, clipboard,
// menus and the statistics keys.

#include "Window_Driver.h"

#include "engine/NumberText.h"
#include "ui/main/StatBox.h"
#include "ui/main/StatModule.h"
#include "ui/platform/Mode_Notifier.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <cmath>

namespace {
const QString Range_Message = QString::fromUtf8(CalcModule::Range_Message);
}

// ---- window, start-up and reset ----

using Start_Up = Window_Driver;

TEST_F(Start_Up, OpensInDecimalDegreesDoubleWordWithEmptyLines) {
    EXPECT_EQ(window->windowTitle(), "Quorvex");
    EXPECT_EQ(CalcModule::Number_Base, 10);
    EXPECT_EQ(CalcModule::Word_Length, 32);
    EXPECT_EQ(CalcModule::Angle_Unit, 0);
    EXPECT_TRUE(Find<QRadioButton>("Number_Option_1")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("Angle_Option_0")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("Word_Option_0")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("Inv_Check")->isChecked());
    EXPECT_FALSE(Find("wordlong")->isVisible());
    EXPECT_TRUE(Display().isEmpty());
    EXPECT_TRUE(Expression().isEmpty());
    EXPECT_TRUE(History()->toPlainText().isEmpty());
    EXPECT_TRUE(Find<QPushButton>("Stac_Butn_0")->isEnabled());
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(Find<QPushButton>(QStringLiteral("Stac_Butn_%1").arg(i))->isEnabled()) << i;
    for (int i = 20; i <= 27; ++i)
        EXPECT_FALSE(Find<QPushButton>(QStringLiteral("Oper_Butn_%1").arg(i))->isVisible()) << i;
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(Find<QLabel>(QStringLiteral("Memory_%1").arg(i))->text().isEmpty());
    // program-set options ran their handlers once each at start
    EXPECT_EQ(window->Handler_Runs().Number_Option_Click, 1);
    EXPECT_EQ(window->Handler_Runs().Angle_Option_Click, 1);
}

TEST_F(Start_Up, ControlsCarryTheirCaptionsTipsAndFaceColours) {
    struct Case {
        const char *name, *caption, *tip;
    };
    const Case cases[] = {
        {"Number_Option_0", "十六进制", ""},
        {"Number_Option_3", "二进制", ""},
        {"Angle_Option_2", "梯度", ""},
        {"Word_Option_1", "单字", ""},
        {"Word_Option_2", "字节", ""},
        {"Inv_Check", "反函数", ""},
        {"Clear_Butn_2", "清 除", "键盘：Esc"},
        {"Clear_Butn_1", "Backspace", "退格键（键盘：Backspace）"},
        {"Digl_Butn_17", "∏", "圆周率"},
        {"Digl_Butn_19", "Exp", "科学计数法输入"},
        {"Digl_ProsButn_2", "dms", "度数转换"},
        {"Oper_Butn_29", "abs", "绝对值"},
        {"Stac_Butn_0", "Sta", "统计功能键"},
        {"Stac_Butn_4", "Dat", "增加数据"},
        {"Show_Memory_4", "RM5", ""},
        {"Save_Memory_0", "M1", ""},
        {"Oper_Butn_28", "n!", "键盘：!"},
        {"Oper_Butn_20", "ʸ√x", ""},
        {"Oper_Butn_24", "10ˣ", ""},
        {"Oper_Butn_30", "=", "键盘：= 或 Enter"},
    };
    for (const auto &c : cases) {
        auto *control = Find<QAbstractButton>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->text(), QString::fromUtf8(c.caption)) << c.name;
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(c.tip)) << c.name;
    }
    EXPECT_EQ(Find<QLineEdit>("Expression")->toolTip(), "请输入表达式:");
    EXPECT_EQ(Find<QLineEdit>("Target_Box")->toolTip(), "显示结果");
    EXPECT_EQ(History()->toolTip(), "算式历史记录");

    struct Colour_Case {
        const char *name;
        QColor colour;
    };
    const Colour_Case colours[] = {{"Digl_Butn_7", Qt::blue},        {"Digl_Butn_17", Qt::blue},
                                   {"Digl_ProsButn_0", Qt::magenta}, {"Stac_Butn_2", Qt::magenta},
                                   {"Oper_Butn_17", Qt::red},        {"Oper_Butn_30", Qt::red}};
    // the hue stays; the shade depends on the colour scheme
    for (const auto &c : colours)
        EXPECT_EQ(Find<QPushButton>(c.name)
                      ->palette()
                      .color(QPalette::Active, QPalette::ButtonText)
                      .hsvHue(),
                  c.colour.hsvHue())
            << c.name;
}

TEST_F(Start_Up, ClearKeyRestoresModesAndKeepsHistoryMemoryAndInverseKeys) {
    Press("1 + 2 = M3 RAD HEX W16 INV");
    ASSERT_EQ(CalcModule::Angle_Unit, 1);
    ASSERT_EQ(CalcModule::Word_Length, 16);
    Press("CLR");
    EXPECT_EQ(CalcModule::Number_Base, 10);
    EXPECT_EQ(CalcModule::Word_Length, 32);
    EXPECT_EQ(CalcModule::Angle_Unit, 0);
    EXPECT_TRUE(Find<QRadioButton>("Number_Option_1")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("Word_Option_0")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("Angle_Option_0")->isChecked());
    EXPECT_FALSE(Find("wordlong")->isVisible());
    EXPECT_TRUE(Display().isEmpty());
    EXPECT_TRUE(Expression().isEmpty());
    EXPECT_EQ(History_Lines(), QStringList{"1+2=3."});
    EXPECT_EQ(Find<QLabel>("Memory_2")->text(), "3.");
    // the inverse box is not the reset's business
    EXPECT_TRUE(Find<QCheckBox>("Inv_Check")->isChecked());
    EXPECT_TRUE(Find("Oper_Butn_25")->isVisible());
    EXPECT_TRUE(Find<QPushButton>("Oper_Butn_25")->isEnabled());
}

TEST_F(Start_Up, KeysGiveTheFocusToEqualsOthersKeepIt) {
    struct Case {
        const char *keys, *focus;
    };
    const Case cases[] = {{"7", "Oper_Butn_30"},      {"+", "Oper_Butn_30"},
                          {"BS", "Oper_Butn_30"},     {"CLR", "Oper_Butn_30"},
                          {"INV", "Oper_Butn_30"},    {"M1", "Save_Memory_0"},
                          {"RM2", "Show_Memory_1"},   {"+/-", "Digl_ProsButn_0"},
                          {"dms", "Digl_ProsButn_2"}, {"HEX", "Number_Option_0"}};
    for (const auto &c : cases) {
        Press(c.keys);
        EXPECT_EQ(Focus_Name(), c.focus) << c.keys;
    }
}

TEST_F(Start_Up, EveryKeyAndCaptionFitsAtTheMinimumSize) {
    Press("INV");
    window->resize(window->minimumSizeHint());
    QApplication::processEvents();
    EXPECT_GE(window->minimumSize().width(), window->centralWidget()->minimumSizeHint().width());
    for (auto *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisible()) continue;
        const auto metrics = button->fontMetrics();
        EXPECT_GE(button->width(), metrics.horizontalAdvance(button->text()))
            << button->objectName().toStdString();
        EXPECT_GE(button->height(), metrics.height()) << button->objectName().toStdString();
    }
}

// ---- key entry and "=" ----

using Key_Entry = Window_Driver;

TEST_F(Key_Entry, KeySequencesBuildTheExpressionAndShowTheResult) {
    struct Case {
        const char *keys, *display, *expression;
    };
    const Case cases[] = {
        {"1 2 . 5 .", "12.5", ""},
        {"1 + 2 =", "3.", "1+2=3."},
        {"2 + sin 3 0 =", "2.5", "2+sin30=2.5"},
        {"2 x^2 =", "4.", "2^2=4."},
        {"INV 8 yrt 3 ) =", "2.", "8^(1/3)=2."},
        {"INV 2 7 3rt =", "3.", "27^(1/3)=3."},
        {"INV sqr 1 0 0 =", "10.", "sqr100=10."},
        {"( 1 + 2 ) * 3 =", "9.", "(1+2)*3=9."},
        {"0 . 1 + 0 . 2 =", "0.3", "0.1+0.2=0.3"},
        {"1 / 3 =", "0.333333333333333", "1/3=0.333333333333333"},
        {"5 n! =", "120.", "5!=120."},
        {"0 - 2 =", "-2.", "0-2=-2."},
        {"1 0 x^y 1 6 =", "1.e+16", "10^16=1.e+16"},
        {"1 0 x^y 1 5 =", "1000000000000000.", "10^15=1000000000000000."},
        {"1 + 2 = 5", "5", ""},
        {"1 + 2 = *", "*", "3.*"},
        {"1 + 2 = = =", "3.", "1+2=3."},
        {"pi", "3.141592653589793", ""},
        {"e 1", "2.7182818284590452351", ""},
        {"1 Exp 3", "1e+3", ""},
        {"1 2 BS", "1", ""},
        {"BS", "", ""},
        {"7 +", "+", "7+"},
    };
    for (const auto &c : cases) {
        Press("CLR");
        Press(c.keys);
        EXPECT_EQ(Display(), c.display) << c.keys;
        EXPECT_EQ(Expression(), c.expression) << c.keys;
    }
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
}

TEST_F(Key_Entry, EachEvaluatedExpressionAddsOneHistoryLine) {
    Press("1 + 2 = 4 * 5 = =");
    EXPECT_EQ(History_Lines(), (QStringList{"1+2=3.", "4*5=20."}));
    EXPECT_TRUE(window->State().Result_Shown);
    EXPECT_EQ(window->State().Result_Value, 20);
}

TEST_F(Key_Entry, InverseKeyUnchecksTheInverseBox) {
    for (const char *keys : {"INV Asn", "INV yrt"}) {
        Press("CLR");
        Press(keys);
        EXPECT_FALSE(Find<QCheckBox>("Inv_Check")->isChecked()) << keys;
        EXPECT_TRUE(Find("Oper_Butn_17")->isVisible()) << keys;
        EXPECT_FALSE(Find("Oper_Butn_25")->isVisible()) << keys;
    }
}

TEST_F(Key_Entry, MalformedExpressionResetsTheWindowSilently) {
    Press("1 + 2 = CLR HEX ( 1 =");
    EXPECT_TRUE(Display().isEmpty());
    EXPECT_TRUE(Expression().isEmpty());
    EXPECT_EQ(CalcModule::Number_Base, 10);
    EXPECT_TRUE(Find<QRadioButton>("Number_Option_1")->isChecked());
    EXPECT_EQ(History_Lines(), QStringList{"1+2=3."});
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
}

TEST_F(Key_Entry, FailedEvaluationShowsZeroAfterOneWarning) {
    struct Case {
        const char *keys, *line;
    };
    // the second row is a lone number beyond the double range, returned as written
    const Case cases[] = {{"1 / 0 =", "1/0=0."}, {"1 Exp 4 0 0 =", "1e+400=0."}};
    for (const auto &c : cases) {
        Platform::Clear_Recording();
        Press("CLR");
        Press(c.keys);
        EXPECT_EQ(Platform::Recorded_Warnings(), QStringList{Range_Message}) << c.keys;
        EXPECT_EQ(Display(), "0.") << c.keys;
        EXPECT_EQ(History_Lines().last(), c.line) << c.keys;
        EXPECT_EQ(window->State().Result_Value, 0) << c.keys;
    }
}

TEST_F(Key_Entry, TypedCharactersReachTheKeysAndBeep) {
    // the window opens ready for typing, and keys sent to the window itself
    // reach the focused operator key
    Type("1+1=");
    EXPECT_EQ(Expression(), "1+1=2.");
    QTest::keyClicks(window.get(), "2*3=");
    EXPECT_EQ(Expression(), "2*3=6.");
    Press("M1");
    QTest::keyClicks(window.get(), "4");
    EXPECT_EQ(Display(), "6.");

    Press("CLR");
    Platform::Clear_Recording();
    Type("12+3=");
    EXPECT_EQ(Display(), "15.");
    EXPECT_EQ(Expression(), "12+3=15.");
    EXPECT_EQ(Platform::Recorded_Beeps(), 5);

    Type("x");
    EXPECT_EQ(Display(), "15.");
    EXPECT_EQ(Platform::Recorded_Beeps(), 6);

    // a blank has no key either; it must not press the focused "="
    Press("CLR 1 + 2");
    Platform::Clear_Recording();
    Type(" ");
    EXPECT_EQ(Display(), "2");
    EXPECT_EQ(Expression(), "1+");
    EXPECT_EQ(Platform::Recorded_Beeps(), 1);

    // a character whose key the base has switched off only beeps
    Press("CLR BIN 1");
    Platform::Clear_Recording();
    Type("9.");
    EXPECT_EQ(Display(), "1");
    EXPECT_EQ(Platform::Recorded_Beeps(), 2);
    Press("CLR HEX F");
    Type(".");
    EXPECT_EQ(Display(), "F");
}

TEST_F(Key_Entry, ClickIntoExpressionLetsTheUserEditIt) {
    Press("1 + 2 =");
    QTest::mouseClick(Find<QLineEdit>("Expression"), Qt::LeftButton);
    EXPECT_TRUE(Display().isEmpty());
    EXPECT_FALSE(window->State().Result_Shown);
    Find<QLineEdit>("Expression")->selectAll();
    QTest::keyClicks(Find<QLineEdit>("Expression"), "2*4");
    Press("=");
    EXPECT_EQ(Expression(), "2*4=8.");
    EXPECT_EQ(Display(), "8.");
}

TEST_F(Key_Entry, EntryCheckCutsOverlongOperandsWithABeepEach) {
    struct Case {
        const char *modes, *keys, *display;
        int beeps;
    };
    const Case cases[] = {
        {"HEX", "F F F F F F F F F", "FFFFFFFF", 1},
        {"HEX W16", "1 2 3 4 5", "1234", 1},
        {"HEX W8", "1 2 3", "12", 1},
        {"BIN W8", "1 0 0 0 0 0 0 0 0", "100000000", 0},
        {"BIN W8", "1 0 0 0 0 0 0 0 1", "10000000", 1},
        {"BIN W16", "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "10000000000000000", 0},
        {"OCT W16", "2 0 0 0 0 0", "200000", 0},
        {"OCT W16", "2 0 0 0 0 1", "20000", 1},
        {"OCT", "1 7 7 7 7 7 7 7 7 7 7 0", "17777777777", 1},
        {"OCT W8", "4 0 0", "400", 0},
        {"OCT W8", "4 0 1", "40", 1},
    };
    for (const auto &c : cases) {
        Press("CLR");
        Press(c.modes);
        Platform::Clear_Recording();
        Press(c.keys);
        EXPECT_EQ(Display(), c.display) << c.modes << " " << c.keys;
        EXPECT_EQ(Platform::Recorded_Beeps(), c.beeps) << c.modes << " " << c.keys;
    }
}

TEST_F(Key_Entry, ShorterWordCutsTheTypedOperandUntilItFits) {
    Press("BIN 1 1 1 1 1 1 1 1 1 1 1");
    const int runs = window->Handler_Runs().Word_Option_Click;
    Platform::Clear_Recording();
    Press("W8");
    EXPECT_EQ(Display(), "11111111");
    EXPECT_EQ(Platform::Recorded_Beeps(), 1); // cut back in one go
    EXPECT_EQ(window->Handler_Runs().Word_Option_Click, runs + 1);
}

TEST_F(Key_Entry, ResultInOtherBasesIsShownAsTheEngineWritesIt) {
    struct Case {
        const char *keys, *display;
        double value;
    };
    const Case cases[] = {{"HEX F F + 1 =", "100", 100},
                          {"HEX A + 1 =", "B", 0},
                          {"BIN 1 1 + 1 =", "100", 100},
                          {"OCT 7 + 1 =", "10", 10}};
    for (const auto &c : cases) {
        Press("CLR");
        Press(c.keys);
        EXPECT_EQ(Display(), c.display) << c.keys;
        EXPECT_EQ(window->State().Result_Value, c.value) << c.keys;
    }
}

// ---- number base, word length, angle unit, inverse keys ----

using Modes = Window_Driver;

TEST_F(Modes, DisplayIsConvertedToTheChosenBase) {
    Press("2 5 5 HEX");
    EXPECT_EQ(Display(), "FF");
    Press("BIN");
    EXPECT_EQ(Display(), "11111111");
    Press("OCT");
    EXPECT_EQ(Display(), "377");
    Press("DEC");
    EXPECT_EQ(Display(), "255");

    struct Case {
        const char *keys, *display;
    };
    const Case cases[] = {
        {"2 . 5 HEX", "2"},
        {"3 . 5 HEX", "4"},
        {"1 +/- HEX", "FFFFFFFF"},
        {"0 - 1 = OCT", "37777777777"},
        // a typed operand is held to the word length after the conversion too
        {"1 +/- OCT", "3777777777"},
        {"1 +/- BIN", ""},
        {"1 + HEX", "0"},
        {"HEX F F F F F F F F DEC", "-1"},
        {"HEX 8 0 0 0 DEC", "32768"},
        {"OCT 1 7 DEC", "15"},
        {"BIN 1 1 0 DEC", "6"},
        {"BIN 1 1 1 1 1 HEX", "1F"},
        // no value in the new base: the display stays as it is
        {"3 0 0 0 0 0 0 0 0 0 HEX", "3000000000"},
        {"3 0 0 0 0 0 0 0 0 0 BIN", "3000000000"},
        {"HEX 1 + DEC", "+"},
        {"1 Exp 4 0 0 HEX", "1e+400"},
    };
    for (const auto &c : cases) {
        Press("CLR");
        Press(c.keys);
        EXPECT_EQ(Display(), c.display) << c.keys;
    }
    Press("CLR");
    Paste("12abc");
    Press("HEX");
    EXPECT_EQ(Display(), "C");
    EXPECT_EQ(window->State().Result_Value, 12);
}

TEST_F(Modes, EachBaseSwitchesItsKeySet) {
    struct Case {
        const char *option;
        bool digit_2, digit_8, letter_a, point, sin, abs, sign, sta, frame;
    };
    const Case cases[] = {
        {"HEX", true, true, true, false, false, false, false, false, true},
        {"OCT", true, false, false, false, false, false, false, false, true},
        {"BIN", false, false, false, false, false, false, false, false, true},
        {"DEC", true, true, false, true, true, true, true, true, false},
    };
    for (const auto &c : cases) {
        Press(c.option);
        EXPECT_TRUE(Find("Digl_Butn_1")->isEnabled()) << c.option;
        EXPECT_EQ(Find("Digl_Butn_2")->isEnabled(), c.digit_2) << c.option;
        EXPECT_EQ(Find("Digl_Butn_8")->isEnabled(), c.digit_8) << c.option;
        EXPECT_EQ(Find("Digl_Butn_10")->isEnabled(), c.letter_a) << c.option;
        EXPECT_EQ(Find("Digl_Butn_16")->isEnabled(), c.point) << c.option;
        EXPECT_EQ(Find("Digl_Butn_19")->isEnabled(), c.point) << c.option;
        EXPECT_EQ(Find("Oper_Butn_17")->isEnabled(), c.sin) << c.option;
        EXPECT_EQ(Find("Oper_Butn_29")->isEnabled(), c.abs) << c.option;
        EXPECT_EQ(Find("Digl_ProsButn_0")->isEnabled(), c.sign) << c.option;
        EXPECT_EQ(Find("Stac_Butn_0")->isEnabled(), c.sta) << c.option;
        EXPECT_EQ(Find("wordlong")->isVisible(), c.frame) << c.option;
        EXPECT_TRUE(Find("Oper_Butn_12")->isEnabled()) << c.option;
        EXPECT_TRUE(Find("Oper_Butn_28")->isEnabled()) << c.option;
        EXPECT_TRUE(Display().isEmpty()) << c.option;
    }
}

TEST_F(Modes, DecimalBringsBackTheDoubleWordOnce) {
    Press("HEX W16");
    ASSERT_EQ(CalcModule::Word_Length, 16);
    const auto before = window->Handler_Runs();
    Press("DEC");
    EXPECT_TRUE(Find<QRadioButton>("Word_Option_0")->isChecked());
    EXPECT_EQ(CalcModule::Word_Length, 32);
    EXPECT_EQ(window->Handler_Runs().Word_Option_Click, before.Word_Option_Click + 1);
    EXPECT_EQ(window->Handler_Runs().Number_Option_Click, before.Number_Option_Click + 1);

    Press("HEX F F F F F F F F");
    Platform::Clear_Recording();
    Press("W8");
    EXPECT_EQ(Display(), "FF");
    EXPECT_EQ(Platform::Recorded_Beeps(), 1);
}

TEST_F(Modes, HandlersCalledDirectlyShowTheirSelectionAndRunOnce) {
    struct Case {
        void (Scin_Cale::*handler)(int);
        int index;
        const char *option;
        int Scin_Cale::Handler_Counts::*runs;
    };
    const Case cases[] = {
        {&Scin_Cale::Number_Option_Click, 0, "Number_Option_0",
         &Scin_Cale::Handler_Counts::Number_Option_Click},
        {&Scin_Cale::Word_Option_Click, 2, "Word_Option_2",
         &Scin_Cale::Handler_Counts::Word_Option_Click},
        {&Scin_Cale::Angle_Option_Click, 1, "Angle_Option_1",
         &Scin_Cale::Handler_Counts::Angle_Option_Click},
        {&Scin_Cale::Number_Option_Click, 1, "Number_Option_1",
         &Scin_Cale::Handler_Counts::Number_Option_Click},
    };
    for (const auto &c : cases) {
        const int before = window->Handler_Runs().*c.runs;
        (window.get()->*c.handler)(c.index);
        EXPECT_TRUE(Find<QRadioButton>(c.option)->isChecked()) << c.option;
        EXPECT_EQ(window->Handler_Runs().*c.runs, before + 1) << c.option;
    }
    EXPECT_EQ(CalcModule::Number_Base, 10);
    EXPECT_EQ(CalcModule::Word_Length, 32);
    EXPECT_EQ(CalcModule::Angle_Unit, 1);
    EXPECT_TRUE(Find<QRadioButton>("Word_Option_0")->isChecked());
}

TEST_F(Modes, InverseKeysStayShownButDisabledInHexadecimal) {
    Press("INV HEX");
    for (int i = 20; i <= 27; ++i) {
        auto *key = Find(QStringLiteral("Oper_Butn_%1").arg(i));
        EXPECT_TRUE(key->isVisible()) << i;
        EXPECT_FALSE(key->isEnabled()) << i;
    }
    Press("DEC INV");
    for (int i = 20; i <= 27; ++i)
        EXPECT_FALSE(Find(QStringLiteral("Oper_Butn_%1").arg(i))->isVisible()) << i;
    EXPECT_EQ(window->Handler_Runs().Inv_Check_Click, 2);
}

TEST_F(Modes, AngleUnitIsSharedWithTheOtherWindows) {
    QSignalSpy announced(&Platform::Mode_Notifier::Instance(),
                         &Platform::Mode_Notifier::Angle_Unit_Changed);
    const int runs = window->Handler_Runs().Angle_Option_Click;
    Press("RAD");
    EXPECT_EQ(CalcModule::Angle_Unit, 1);
    EXPECT_EQ(announced.count(), 1);
    EXPECT_EQ(window->Handler_Runs().Angle_Option_Click, runs + 1);

    // another window switches the unit: the option follows, once, without echo
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(2);
    EXPECT_TRUE(Find<QRadioButton>("Angle_Option_2")->isChecked());
    EXPECT_EQ(CalcModule::Angle_Unit, 2);
    EXPECT_EQ(announced.count(), 2);
    EXPECT_EQ(window->Handler_Runs().Angle_Option_Click, runs + 2);

    Press("sin 9 0 =");
    EXPECT_EQ(Display(), "0.987688340595138"); // sine of 90 grads
    Press("CLR");
    EXPECT_EQ(CalcModule::Angle_Unit, 0);
    EXPECT_EQ(announced.count(), 3);
}

// ---- number-processing keys ----

using Number_Keys = Window_Driver;

TEST_F(Number_Keys, KeysTransformTheDisplayInPlace) {
    struct Case {
        const char *keys, *display;
    };
    const Case cases[] = {
        {"5 +/-", "-5"},
        {"5 +/- +/-", "5"},
        {"1 Exp 3 +/-", "1e-3"},
        {"1 Exp 3 +/- +/-", "1e+3"},
        {"1 + 2 = +/-", "-3."},
        {"0 - 3 = +/-", "3."},
        {"5 +/- + 3 +/-", "-3"},
        {"+/-", "-"},
        {"1 5 0 0 F-E", "1.5e+3"},
        {"1 5 0 0 F-E F-E", "1500."},
        {"F-E", "0.e+0"},
        {"4 1/x", "0.25"},
        {"0 1/x", "0"},
        {"1 2 . 5 dms", "12.3000"},
        // beyond the double range the display is left as it is
        {"1 . 5 Exp 9 9 9 F-E", "1.5e+999"},
        {"1 . 5 Exp 9 9 9 1/x", "1.5e+999"},
        {"1 . 5 Exp 9 9 9 dms", "1.5e+999"},
        {"1 Exp 9 9 9 dms", "1e+999"},
    };
    for (const auto &c : cases) {
        Press("CLR");
        Press(c.keys);
        EXPECT_EQ(Display(), c.display) << c.keys;
    }
}

TEST_F(Number_Keys, SignFlagFollowsTheDisplay) {
    Press("1 Exp 3 +/- +/-");
    EXPECT_TRUE(window->State().Sign_Next_Negative);
    Press("CLR 1 + 2 = +/- +");
    EXPECT_EQ(Expression(), "-3.+");
    EXPECT_FALSE(window->State().Sign_Next_Negative);
    // a new operand after a negative one still gets its sign
    Press("4 +/-");
    EXPECT_EQ(Display(), "-4");
    EXPECT_FALSE(window->State().Sign_Next_Negative);
}

TEST(Dms_Convert, DecimalDegreesBecomeDegreesMinutesSeconds) {
    struct Case {
        const char *in, *out;
    };
    const Case cases[] = {{"12.5", "12.3000"},  {"1.2345", "1.14042"}, {"-12.5", "-12.3000"},
                          {"7", "7.0000"},      {"", "0.0000"},        {"0.25", "0.1500"},
                          {"30.75", "30.4500"}, {".5", "0.3000"}};
    for (const auto &c : cases)
        EXPECT_EQ(Scin_Cale::Dms_Convert(QString::fromUtf8(c.in)), QString::fromUtf8(c.out))
            << c.in;
}

// ---- memory, history, clipboard ----

using Memory_And_Clipboard = Window_Driver;

TEST_F(Memory_And_Clipboard, RegistersKeepTextsAcrossResetsAndBases) {
    Press("1 2 . 5 M2 CLR RM2");
    EXPECT_EQ(Display(), "12.5");
    EXPECT_TRUE(window->State().Number_Typed);
    Press("CLR HEX F F M1 DEC RM1");
    EXPECT_EQ(Display(), "FF");
    EXPECT_EQ(Find<QLabel>("Memory_0")->text(), "FF");
    Press("CLR M5 7 RM5");
    EXPECT_TRUE(Display().isEmpty());
}

TEST_F(Memory_And_Clipboard, RecallIsTrimmedOnlyWhenAnOperandIsBeingTyped) {
    Press("1 1 1 1 1 1 1 1 1 M1 CLR 1 0 1 0 1 0 1 0 1 0 M2 CLR BIN W8");
    Platform::Clear_Recording();
    Press("RM1");
    EXPECT_EQ(Display(), "111111111");
    EXPECT_EQ(Platform::Recorded_Beeps(), 0);
    Press("RM2");
    EXPECT_EQ(Display(), "10101010");
    EXPECT_EQ(Platform::Recorded_Beeps(), 1); // one cut-back, one beep
}

TEST_F(Memory_And_Clipboard, RecallAndPasteAfterAResultStartANewExpression) {
    Press("4 2 M1 CLR 1 + 2 = RM1 +");
    EXPECT_EQ(Expression(), "42+");
    Press("CLR 1 + 2 =");
    Paste("4");
    Press("+ 1 =");
    EXPECT_EQ(Expression(), "4+1=5.");
    EXPECT_EQ(History_Lines(), (QStringList{"1+2=3.", "1+2=3.", "4+1=5."}));
}

TEST_F(Memory_And_Clipboard, PasteSendsExpressionsToTheLineAndNumbersToTheDisplay) {
    struct Case {
        const char *text, *expression, *display;
        bool to_line;
    };
    const Case cases[] = {
        {"1+2", "1+2", "", true}, {"-5", "-5", "", true},      {"2 mod 3", "2 mod 3", "", true},
        {"x!", "x!", "", true},   {"3.14", "", "3.14", false}, {"SIN", "", "SIN", false},
        {"FF", "", "FF", false},  {"", "", "", false},         {"数字", "", "数字", false},
    };
    for (const auto &c : cases) {
        Press("CLR M1");
        Paste(QString::fromUtf8(c.text));
        EXPECT_EQ(Expression(), QString::fromUtf8(c.expression)) << c.text;
        EXPECT_EQ(Display(), QString::fromUtf8(c.display)) << c.text;
        EXPECT_EQ(Focus_Name(), c.to_line ? "Oper_Butn_30" : "Save_Memory_0") << c.text;
        EXPECT_EQ(window->State().Number_Typed, !QString::fromUtf8(c.display).isEmpty()) << c.text;
    }
    Press("CLR");
    Paste("1+2");
    Type("=");
    EXPECT_EQ(Display(), "3.");
    EXPECT_EQ(Expression(), "1+2=3.");
}

TEST_F(Memory_And_Clipboard, PasteOfAMegabyteIsKeptWhole) {
    QString big(1 << 20, QLatin1Char('7'));
    Paste(big);
    EXPECT_EQ(Display().size(), big.size());
    big.append(QLatin1Char('+'));
    Paste(big);
    EXPECT_EQ(Expression().size(), big.size());

    // an over-long binary operand behind many leading zeros is cut back at
    // once, with one beep
    Press("CLR BIN 1");
    Platform::Clear_Recording();
    const QString zeros(200000, QLatin1Char('0'));
    Paste(zeros + QString(50, QLatin1Char('1')));
    EXPECT_EQ(Display(), zeros + QString(31, QLatin1Char('1')));
    EXPECT_EQ(Platform::Recorded_Beeps(), 1);
}

TEST_F(Memory_And_Clipboard, CopyPutsTheDisplayOnTheClipboard) {
    Press("1 + 2 =");
    Find<QAction>("Menu_Copy")->trigger();
    EXPECT_EQ(Platform::Clipboard_Text(), "3.");
}

TEST_F(Memory_And_Clipboard, ClearAllEmptiesHistoryRegistersAndResets) {
    Press("1 + 2 = M1 M5 HEX");
    Find<QAction>("Menu_Clear")->trigger();
    EXPECT_TRUE(History()->toPlainText().isEmpty());
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(Find<QLabel>(QStringLiteral("Memory_%1").arg(i))->text().isEmpty()) << i;
    EXPECT_TRUE(Display().isEmpty());
    EXPECT_TRUE(Expression().isEmpty());
    EXPECT_EQ(CalcModule::Number_Base, 10);
}

// ---- menus ----

TEST_F(Start_Up, MenusCarryCaptionsAndShortcuts) {
    struct Case {
        QAction *action;
        const char *name, *caption, *shortcut;
        bool enabled;
    };
    const Case cases[] = {
        {Find<QAction>("Menu_Copy"), "Menu_Copy", "复制", "Ctrl+C", true},
        {Find<QAction>("Menu_Past"), "Menu_Past", "粘贴", "Ctrl+V", true},
        {Find<QAction>("Menu_Clear"), "Menu_Clear", "全部清除", "Alt+Backspace", true},
        {Find<QAction>("Solv_Equn"), "Solv_Equn", "解一元方程", "Ctrl+S", true},
        {Find<QAction>("Funn_Image"), "Funn_Image", "画函数图像", "Ctrl+P", true},
        {Find<QAction>("Fora_Edit"), "Fora_Edit", "公式编辑器", "", true},
        {Find<QAction>("Menu_Cale"), "Menu_Cale", "关于计算器", "", true},
        {Find<QAction>("Menu_Author"), "Menu_Author", "关于作者", "", true},
    };
    for (const auto &c : cases) {
        ASSERT_NE(c.action, nullptr) << c.name;
        EXPECT_EQ(c.action->objectName(), c.name);
        EXPECT_EQ(c.action->text(), QString::fromUtf8(c.caption)) << c.name;
        EXPECT_EQ(c.action->shortcut().toString(), c.shortcut) << c.name;
        EXPECT_EQ(c.action->isEnabled(), c.enabled) << c.name;
    }
    EXPECT_EQ(Find<QMenu>("edit")->title(), " 编 辑&E");
    EXPECT_EQ(Find<QMenu>("gaoji")->title(), "高级功能");
    EXPECT_EQ(Find<QMenu>("pas")->title(), "帮助  ");

    Press("1 2");
    Platform::Set_Clipboard_Text(QStringLiteral("5*6"));
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Expression(), "5*6");
}

// ---- statistics keys ----

using Statistics_Keys = Window_Driver;

TEST_F(Statistics_Keys, KeysCallThroughToTheStatisticsWindow) {
    Press("Sta");
    auto *box = qobject_cast<StatBox *>(QApplication::activeWindow());
    if (!box)
        for (auto *w : QApplication::topLevelWidgets())
            if (auto *b = qobject_cast<StatBox *>(w)) box = b;
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(Find("Stac_Butn_0")->isEnabled());
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(Find(QStringLiteral("Stac_Butn_%1").arg(i))->isEnabled());

    Press("2 Dat");
    EXPECT_TRUE(Display().isEmpty());
    Press("s");
    EXPECT_TRUE(Display().isEmpty()); // one value: no deviation
    Press("1 s");
    EXPECT_EQ(Display(), "1");
    Press("Dat Sum");
    EXPECT_EQ(Display(), "3");
    Press("Ave");
    EXPECT_EQ(Display(), "1.5");
    Press("s");
    EXPECT_EQ(Display(), QString::fromStdString(CalcModule::Fixed_Display_Text(std::sqrt(0.5))));
    EXPECT_EQ(box->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 2);

    Press("Dat"); // a result in the display is a value like any other
    for (int i = StatModule::Stat_Count; i < StatModule::Capacity; ++i) Press("7 Dat");
    EXPECT_EQ(StatModule::Stat_Count, StatModule::Capacity);
    Platform::Clear_Recording();
    Press("7 Dat");
    EXPECT_EQ(Display(), "7");
    EXPECT_EQ(Platform::Recorded_Beeps(), 1);

    box->close();
    QApplication::processEvents();
    EXPECT_TRUE(Find("Stac_Butn_0")->isEnabled());
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(Find(QStringLiteral("Stac_Butn_%1").arg(i))->isEnabled());
}
