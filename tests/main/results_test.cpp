// Results the main window shows and the ways in: small values, a function
// key right after a result, pasted symbols from other programs, and the
// statistics keys across a reset.

#include "Window_Driver.h"

#include "ui/main/StatBox.h"

#include <QAction>

namespace {

StatBox *Open_Statistics_Box() {
    for (auto *widget : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<StatBox *>(widget); box && box->isVisible()) return box;
    return nullptr;
}

} // namespace

using Results = Window_Driver;

TEST_F(Results, SmallValuesKeepTheirDigits) {
    struct Case {
        const char *keys, *display, *expression;
    };
    const Case cases[] = {
        {"1 . 6 Exp +/- 1 9 * 2 =", "3.2e-19", "1.6e-19*2=3.2e-19"},
        {"1 . 2 3 4 5 6 7 8 9 Exp +/- 1 2 * 1 =", "1.23456789e-12",
         "1.23456789e-12*1=1.23456789e-12"},
        {"0 - 1 Exp +/- 1 9 =", "-1.e-19", "0-1e-19=-1.e-19"},
        // what the fixed pattern shows whole keeps its text
        {"1 Exp +/- 1 7 * 1 =", "0.00000000000000001", "1e-17*1=0.00000000000000001"},
        {"1 / 3 =", "0.333333333333333", "1/3=0.333333333333333"},
        {"1 / 8 0 0 0 =", "0.000125", "1/8000=0.000125"},
        {"1 Exp 2 0 1/x", "1.e-20", ""},
        {"3 1/x", "0.333333333333333", ""},
        {"1 Exp +/- 2 0 1/x", "100000000000000000000.", ""},
        // "F-E" still shows the pattern asked for
        {"1 Exp +/- 2 0 F-E F-E", "0.", ""},
    };
    for (const auto &c : cases) {
        Press("CLR");
        Press(c.keys);
        EXPECT_EQ(Display(), c.display) << c.keys;
        EXPECT_EQ(Expression(), c.expression) << c.keys;
    }
    // the sample deviation of 1e-20 and 3e-20 is the square root of 2 times 1e-20
    Press("CLR Sta 1 Exp +/- 2 0 Dat 3 Exp +/- 2 0 Dat s");
    EXPECT_EQ(Display(), "1.4142135623731e-20");
    Open_Statistics_Box()->close();
}

TEST_F(Results, FunctionKeyAfterAResultStartsANewExpression) {
    struct Case {
        const char *keys, *line;
    };
    const Case fresh[] = {
        {"sin 3 0 =", "sin30=0.5"},
        {"cos 6 0 =", "cos60=0.5"},
        {"tan 4 5 =", "tan45=1."},
        {"ln 1 =", "ln1=0."},
        {"log 1 0 0 =", "log100=2."},
        {"Int 2 . 5 =", "int2.5=2."},
        {"Not 0 =", "not0=-1."},
        {"abs 4 =", "abs4=4."},
        {"( 1 + 2 ) =", "(1+2)=3."},
        {"INV sqr 1 6 =", "sqr16=4."},
        {"INV e^x 0 =", "2.718281828459045^0=1."},
        {"INV 10^x 2 =", "10^2=100."},
        {"INV Asn 1 =", "asn1=90."},
        {"INV Acs 0 =", "acs0=90."},
        {"INV Atn 1 =", "atn1=45."},
    };
    // keys that take the result as their left operand go on from it
    const Case continued[] = {
        {"+ 1 =", "5.+1=6."},
        {"x^y 2 =", "5.^2=25."},
        {"x^2 =", "5.^2=25."},
        {"n! =", "5.!=120."},
        {"Mod 3 =", "5.mod3=2."},
        {"INV 3rt =", "5.^(1/3)=1.7099759466767"},
        {"INV yrt 2 ) =", "5.^(1/2)=2.23606797749979"},
    };
    for (const auto &cases : {std::vector<Case>(std::begin(fresh), std::end(fresh)),
                              std::vector<Case>(std::begin(continued), std::end(continued))}) {
        for (const auto &c : cases) {
            Press("CLR 2 + 3 =");
            const int lines = int(History_Lines().size());
            Press(c.keys);
            EXPECT_EQ(Expression(), c.line) << c.keys;
            EXPECT_EQ(History_Lines().size(), lines + 1) << c.keys;
        }
    }
    // the new expression is evaluated in the modes chosen before
    Press("CLR GRAD 1 + 1 = sin 1 0 0 =");
    EXPECT_EQ(Expression(), "sin100=1.");
    EXPECT_EQ(CalcModule::Angle_Unit, 2);
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
}

TEST_F(Results, PastedSymbolsMeanWhatTheyShow) {
    struct Case {
        const char *text, *expression, *display, *result;
    };
    const Case cases[] = {
        {"3×4÷2", "3*4/2", "", "6."},
        {"−5+2", "-5+2", "", "-3."},
        {"2·3", "2*3", "", "6."},
        {"7‒2–1", "7-2-1", "", "4."},
        {"（１＋２）＊３", "(1+2)*3", "", "9."},
        {"ｓｉｎ　３０", "sin 30", "", "0.5"},
        {"２＾１０／４", "2^10/4", "", "256."},
        {"１２．５", "", "12.5", nullptr},
        {"ＦＦ", "", "FF", nullptr},
        {"ＳＩＮ", "", "SIN", nullptr}, // capitals are no function names, full width or not
    };
    for (const auto &c : cases) {
        Press("CLR");
        Paste(QString::fromUtf8(c.text));
        EXPECT_EQ(Expression(), QString::fromUtf8(c.expression)) << c.text;
        EXPECT_EQ(Display(), QString::fromUtf8(c.display)) << c.text;
        if (c.result) {
            Press("=");
            EXPECT_EQ(Display(), QString::fromUtf8(c.result)) << c.text;
        }
    }
}

TEST_F(Results, StatisticsKeysOutliveAResetWhileTheBoxIsOpen) {
    const auto Statistics_Keys = [this] {
        QString enabled;
        for (int i = 0; i < 5; ++i)
            enabled += Find(QStringLiteral("Stac_Butn_%1").arg(i))->isEnabled() ? '1' : '0';
        return enabled;
    };
    Press("Sta 2 Dat 4 Dat");
    ASSERT_NE(Open_Statistics_Box(), nullptr);
    EXPECT_EQ(Statistics_Keys(), "01111");
    // "清 除", a malformed expression, "全部清除", and a reset from another base
    const char *resets[] = {"CLR", "( =", "", "HEX CLR"};
    for (const char *keys : resets) {
        if (*keys)
            Press(keys);
        else
            Find<QAction>("Menu_Clear")->trigger();
        EXPECT_EQ(Statistics_Keys(), "01111") << keys;
        Press("Sum");
        EXPECT_EQ(Display(), "6") << keys;
    }
    Press("Ave");
    EXPECT_EQ(Display(), "3");
    Press("s");
    EXPECT_EQ(Display(), "1.4142135623731");
    // with the box closed a reset ends statistics mode as before
    Open_Statistics_Box()->close();
    QApplication::processEvents();
    Press("CLR");
    EXPECT_EQ(Statistics_Keys(), "10000");
}
