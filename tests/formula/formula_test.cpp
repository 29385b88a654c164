// The formula editor driven through its controls.

#include "engine/CalcModule.h"
#include "tests/Program_State.h"
#include "ui/formula/Formula_Edit.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

double &Value_Of(char letter) {
    return CalcModule::Variable_Values[letter - 'a'];
}

class FormulaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Reset_Program_State(Engine_Warnings::Boxes);
        form.show();
    }
    void TearDown() override { Reset_Program_State(); }
    template <class T> T *Control(const QString &name) { return form.findChild<T *>(name); }
    QLineEdit *Value_Box(int row) {
        return Control<QLineEdit>(QStringLiteral("Fa_Letter_%1").arg(row));
    }
    void Choose_Letter(int row, char letter) {
        Control<QComboBox>(QStringLiteral("Combo1_%1").arg(row))->setCurrentIndex(letter - 'a');
    }
    void Type_Value(int row, const char *text) {
        Value_Box(row)->clear();
        QTest::keyClicks(Value_Box(row), QString::fromLatin1(text));
    }
    void Choose_Circle_Formula(int index) {
        Control<QCheckBox>(QStringLiteral("Fa_Circle"))->setChecked(true);
        EXPECT_TRUE(Control<QFrame>(QStringLiteral("Frame1"))->isVisible());
        QTest::mouseClick(Control<QRadioButton>(QStringLiteral("OptionButton1_%1").arg(index)),
                          Qt::LeftButton);
    }
    QString Compute(const char *formula = nullptr) {
        if (formula) Control<QLineEdit>(QStringLiteral("Input_Formula"))->setText(formula);
        QTest::mouseClick(Control<QPushButton>(QStringLiteral("Fa_cale")), Qt::LeftButton);
        return Control<QLineEdit>(QStringLiteral("Fa_Result"))->text();
    }
    Formula_Edit form;
};

TEST_F(FormulaTest, CircleFormulas) {
    EXPECT_FALSE(Control<QFrame>(QStringLiteral("Frame1"))->isVisible());
    Choose_Letter(0, 'r');
    Type_Value(0, "2");
    Choose_Circle_Formula(0);
    EXPECT_EQ(Compute(), QStringLiteral("12.5663706143592"));
    // a letter typed over the row's choice gives way to the formula's letter
    Control<QComboBox>(QStringLiteral("Combo1_0"))->lineEdit()->selectAll();
    QTest::keyClicks(Control<QComboBox>(QStringLiteral("Combo1_0"))->lineEdit(), "q");
    EXPECT_EQ(Control<QComboBox>(QStringLiteral("Combo1_0"))->currentText(), QStringLiteral("q"));
    Choose_Circle_Formula(1);
    EXPECT_EQ(Control<QComboBox>(QStringLiteral("Combo1_0"))->currentText(), QStringLiteral("r"));
    EXPECT_EQ(Control<QLineEdit>(QStringLiteral("Input_Formula"))->text(),
              QStringLiteral("2*3.141592653589793  * r"));
    EXPECT_EQ(Compute(), QStringLiteral("12.5663706143592"));
    // the ring: choosing the formula selects r and w but stores nothing
    Value_Of('w') = 7;
    Choose_Circle_Formula(2);
    EXPECT_EQ(Value_Of('w'), 7);
    EXPECT_EQ(Control<QComboBox>(QStringLiteral("Combo1_1"))->currentText(), QStringLiteral("w"));
    Type_Value(0, "1");
    Type_Value(1, "2");
    EXPECT_EQ(Compute(), QStringLiteral("9.42477796076938"));
    // choosing the same formula again restores it after the user changed it
    Control<QLineEdit>(QStringLiteral("Input_Formula"))->setText(QStringLiteral("w"));
    Choose_Circle_Formula(2);
    EXPECT_EQ(Control<QLineEdit>(QStringLiteral("Input_Formula"))->text(),
              QStringLiteral("3.141592653589793  * (w*w-r*r)"));
    // with the panel shown, a click in the middle of the check box still hides it
    QTest::mouseClick(Control<QCheckBox>(QStringLiteral("Fa_Circle")), Qt::LeftButton);
    EXPECT_FALSE(Control<QFrame>(QStringLiteral("Frame1"))->isVisible());
}

TEST_F(FormulaTest, ValuesAreStoredUnderTheLetterShownWhenTyped) {
    Value_Of('b') = 4;
    Choose_Letter(0, 'a');
    Type_Value(0, "7");
    Choose_Letter(0, 'b');
    EXPECT_EQ(Value_Of('a'), 7);
    EXPECT_EQ(Value_Of('b'), 4);
    Type_Value(0, "12abc");
    EXPECT_EQ(Value_Of('b'), 12);
    Type_Value(0, "x");
    EXPECT_EQ(Value_Of('b'), 0);

    // a row without a letter stores nothing anywhere
    const auto before = CalcModule::Variable_Values;
    Type_Value(3, "42");
    EXPECT_EQ(CalcModule::Variable_Values, before);
    // a value beyond the double range leaves the letter as it was
    Choose_Letter(4, 'z');
    Value_Box(4)->setText(QStringLiteral("5"));
    Value_Box(4)->setText(QStringLiteral("1e999"));
    EXPECT_EQ(Value_Of('z'), 5);
}

TEST_F(FormulaTest, ValueTypedBeforeItsLetterIsKeptWhenTheLetterIsChosen) {
    Value_Of('c') = 1;
    Type_Value(2, "7");
    Choose_Letter(2, 'c');
    EXPECT_EQ(Value_Of('c'), 7);
    EXPECT_EQ(Compute("c*2"), QStringLiteral("14"));
    // from one letter to another the value does not move
    Choose_Letter(2, 'd');
    EXPECT_EQ(Value_Of('d'), 0);
    EXPECT_EQ(Value_Of('c'), 7);

    // a letter typed into the row's box counts as chosen
    Type_Value(3, "5");
    QTest::keyClicks(Control<QComboBox>(QStringLiteral("Combo1_3"))->lineEdit(), "k");
    EXPECT_EQ(Value_Of('k'), 5);

    // an empty value box leaves the letter's value alone
    Value_Of('z') = 3;
    Choose_Letter(4, 'z');
    EXPECT_EQ(Value_Of('z'), 3);

    // the ready-made formulas choose letters too
    Type_Value(0, "2");
    Choose_Circle_Formula(0);
    EXPECT_EQ(Value_Of('r'), 2);
    EXPECT_EQ(Compute(), QStringLiteral("12.5663706143592"));
}

TEST_F(FormulaTest, EvaluatesInTheMainWindowsModes) {
    Choose_Letter(0, 'a');
    Type_Value(0, "30");
    struct Case {
        std::uint8_t base, angle;
        const char *formula, *result;
    };
    const Case cases[] = {
        {10, 0, "sin(a)", "0.5"},
        {10, 1, "sin(a)", "-0.988031624092862"},
        {16, 0, "A+1", "B"},
        {10, 0, "2+", "!"},
    };
    for (const Case &c : cases) {
        CalcModule::Number_Base = c.base;
        CalcModule::Angle_Unit = c.angle;
        EXPECT_EQ(Compute(c.formula), QString::fromLatin1(c.result)) << c.formula;
    }
}

} // namespace

namespace {

QString Sum_Of_Ones(int ones) {
    QString text = QStringLiteral("1");
    for (int i = 1; i < ones; ++i) text += QStringLiteral("+1");
    return text;
}

TEST_F(FormulaTest, LongFormulasAreComputedWhole) {
    // 40,001 characters: past the 32,767 a text box keeps by default
    const QString formula = Sum_Of_Ones(20001);
    ASSERT_EQ(formula.size(), 40001);
    Control<QLineEdit>(QStringLiteral("Input_Formula"))->setText(formula);
    EXPECT_EQ(Compute(), "20001");
    // and the letters' values take any length too
    Choose_Letter(0, 'a');
    Value_Box(0)->setText(QString(40000, QLatin1Char('0')) + QStringLiteral("7"));
    EXPECT_EQ(Value_Of('a'), 7);
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
}

TEST_F(FormulaTest, ANumberBeyondTheRangeGetsTheRangeMessage) {
    struct Case {
        const char *formula, *result;
        int messages;
    };
    const Case cases[] = {
        {"1e999", "", 1},   // alone, as inside an expression
        {"1e999+1", "", 1}, // reported by the engine itself
        {"-1e999", "", 1},
        {"1e308", "1e308", 0}, // in range: as written
    };
    for (const Case &c : cases) {
        Platform::Clear_Recording();
        EXPECT_EQ(Compute(c.formula), c.result) << c.formula;
        EXPECT_EQ(Platform::Recorded_Warnings().size(), c.messages) << c.formula;
    }
    // in hexadecimal "1E999" is an ordinary digit text
    CalcModule::Number_Base = 16;
    Platform::Clear_Recording();
    EXPECT_EQ(Compute("1E999"), "1E999");
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
}

} // namespace
