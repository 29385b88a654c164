// The formula editor driven through its controls: letters, values typed into
// the rows, the circle formulas and the evaluation in the main window's modes.

#include "engine/CalcModule.h"
#include "ui/formula/Formula_Edit.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
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
        Platform::Set_Recording(true);
        Platform::Clear_Recording();
        Platform::Install_Engine_Warnings();
        CalcModule::Variable_Values.fill(0);
        CalcModule::Number_Base = 10;
        CalcModule::Word_Length = 32;
        CalcModule::Angle_Unit = 0;
        form.show();
    }
    void TearDown() override {
        CalcModule::Number_Base = 10;
        CalcModule::Angle_Unit = 0;
    }

    template <class T> T *Control(const QString &name) {
        T *control = form.findChild<T *>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QComboBox *Letter_Box(int row) {
        return Control<QComboBox>(QStringLiteral("Combo1_%1").arg(row));
    }
    QLineEdit *Value_Box(int row) {
        return Control<QLineEdit>(QStringLiteral("Fa_Letter_%1").arg(row));
    }
    QString Label4(int row) {
        return Control<QLabel>(QStringLiteral("Label4_%1").arg(row))->text();
    }

    void Choose_Letter(int row, char letter) { Letter_Box(row)->setCurrentIndex(letter - 'a'); }
    void Type_Value(int row, const char *text) {
        Value_Box(row)->clear();
        QTest::keyClicks(Value_Box(row), QString::fromLatin1(text));
    }
    void Choose_Circle_Formula(int index) {
        auto *circle = Control<QCheckBox>(QStringLiteral("Fa_Circle"));
        if (!circle->isChecked()) QTest::mouseClick(circle, Qt::LeftButton);
        auto *option = Control<QRadioButton>(QStringLiteral("OptionButton1_%1").arg(index));
        QTest::mouseClick(option, Qt::LeftButton);
    }
    QString Compute(const QString &formula = QString()) {
        if (!formula.isNull())
            Control<QLineEdit>(QStringLiteral("Input_Formula"))->setText(formula);
        QTest::mouseClick(Control<QPushButton>(QStringLiteral("Fa_cale")), Qt::LeftButton);
        return Control<QLineEdit>(QStringLiteral("Fa_Result"))->text();
    }

    Formula_Edit form;
};

TEST_F(FormulaTest, OpensWithEmptyRowsAndHiddenCircleFormulas) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("公式编辑器"));
    QStringList letters;
    for (char c = 'a'; c <= 'z'; ++c) letters << QString(QChar(c));
    for (int row = 0; row < 5; ++row) {
        QStringList items;
        for (int i = 0; i < Letter_Box(row)->count(); ++i) items << Letter_Box(row)->itemText(i);
        EXPECT_EQ(items, letters);
        EXPECT_EQ(Letter_Box(row)->currentText(), QString());
        EXPECT_EQ(Value_Box(row)->text(), QString());
        EXPECT_EQ(Label4(row), QString());
        EXPECT_EQ(Control<QLabel>(QStringLiteral("Label1_%1").arg(row))->text(),
                  QStringLiteral("="));
    }
    EXPECT_FALSE(Control<QFrame>(QStringLiteral("Frame1"))->isVisible());
    EXPECT_EQ(Control<QLabel>(QStringLiteral("Label2"))->text(), QStringLiteral("F ="));
    EXPECT_EQ(Control<QLineEdit>(QStringLiteral("Input_Formula"))->toolTip(),
              QStringLiteral("请输入公式"));
    EXPECT_EQ(Control<QLineEdit>(QStringLiteral("Fa_Result"))->toolTip(),
              QStringLiteral("显示结果"));
    EXPECT_EQ(Control<QPushButton>(QStringLiteral("Fa_cale"))->text(), QStringLiteral("计算公式"));

    // the check box shows and hides the panel of circle formulas
    auto *circle = Control<QCheckBox>(QStringLiteral("Fa_Circle"));
    EXPECT_EQ(circle->text(), QStringLiteral("圆公式"));
    QTest::mouseClick(circle, Qt::LeftButton);
    EXPECT_TRUE(Control<QFrame>(QStringLiteral("Frame1"))->isVisible());
    circle->setChecked(false);
    EXPECT_FALSE(Control<QFrame>(QStringLiteral("Frame1"))->isVisible());
}

TEST_F(FormulaTest, CircleFormulas) {
    struct Case {
        int option;
        const char *formula, *label0, *label1, *letter1;
    };
    const Case cases[] = {
        {0, "3.141592653589793 * r * r", "半径", "", ""},
        {1, "2*3.141592653589793  * r", "半径", "", ""},
        {2, "3.141592653589793  * (w*w-r*r)", "内圆半径", "外圆半径", "w"},
    };
    for (const Case &c : cases) {
        Formula_Edit fresh;
        fresh.show();
        Value_Of('r') = 5;
        auto *circle = fresh.findChild<QCheckBox *>(QStringLiteral("Fa_Circle"));
        QTest::mouseClick(circle, Qt::LeftButton);
        QTest::mouseClick(
            fresh.findChild<QRadioButton *>(QStringLiteral("OptionButton1_%1").arg(c.option)),
            Qt::LeftButton);
        EXPECT_EQ(fresh.findChild<QLineEdit *>(QStringLiteral("Input_Formula"))->text(),
                  QString::fromUtf8(c.formula));
        EXPECT_EQ(fresh.findChild<QComboBox *>(QStringLiteral("Combo1_0"))->currentText(),
                  QStringLiteral("r"));
        EXPECT_EQ(fresh.findChild<QLabel *>(QStringLiteral("Label4_0"))->text(),
                  QString::fromUtf8(c.label0));
        EXPECT_EQ(fresh.findChild<QLabel *>(QStringLiteral("Label4_1"))->text(),
                  QString::fromUtf8(c.label1));
        EXPECT_EQ(fresh.findChild<QComboBox *>(QStringLiteral("Combo1_1"))->currentText(),
                  QString::fromUtf8(c.letter1));
        // choosing the letters stores nothing
        EXPECT_EQ(Value_Of('r'), 5);
    }
}

TEST_F(FormulaTest, WorkedExamples) {
    // area of a circle of radius 2
    Choose_Letter(0, 'r');
    Type_Value(0, "2");
    Choose_Circle_Formula(0);
    EXPECT_EQ(Compute(), QStringLiteral("12.5663706143592"));
    // the formula box itself is not rewritten by the clean-up
    EXPECT_EQ(Control<QLineEdit>(QStringLiteral("Input_Formula"))->text(),
              QStringLiteral("3.141592653589793 * r * r"));

    Choose_Circle_Formula(1);
    EXPECT_EQ(Compute(), QStringLiteral("12.5663706143592"));

    // ring: the values are typed after the formula was loaded
    Choose_Circle_Formula(2);
    Type_Value(0, "1");
    Type_Value(1, "2");
    EXPECT_EQ(Compute(), QStringLiteral("9.42477796076938"));
}

TEST_F(FormulaTest, ValuesAreStoredUnderTheLetterShownWhenTyped) {
    Value_Of('b') = 4;
    Choose_Letter(0, 'a');
    Type_Value(0, "7");
    Choose_Letter(0, 'b');
    EXPECT_EQ(Value_Of('a'), 7);
    EXPECT_EQ(Value_Of('b'), 4);

    struct Case {
        const char *typed;
        double stored;
    };
    const Case cases[] = {
        {"12abc", 12}, {"abc", 0}, {"", 0}, {"-1.5e2", -150}, {"3d2", 300}, {" 4 5", 45},
    };
    for (const Case &c : cases) {
        Value_Of('c') = 99;
        Choose_Letter(2, 'c');
        Value_Box(2)->setText(QString::fromLatin1(c.typed));
        Value_Box(2)->setText(QString::fromLatin1(c.typed) +
                              QStringLiteral(" ")); // a change even for ""
        EXPECT_EQ(Value_Of('c'), c.stored) << c.typed;
    }

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

TEST_F(FormulaTest, EvaluatesInTheMainWindowsModes) {
    Choose_Letter(0, 'a');
    Type_Value(0, "30");
    struct Case {
        std::uint8_t base, angle;
        const char *formula, *result;
    };
    const Case cases[] = {
        {10, 0, "sin(a)", "0.5"}, {10, 1, "sin(a)", "-0.988031624092862"},
        {10, 0, "a*2+1", "61"},   {16, 0, "A+1", "B"},
        {10, 0, "2+", "!"},       {10, 0, "", "!"},
    };
    for (const Case &c : cases) {
        CalcModule::Number_Base = c.base;
        CalcModule::Angle_Unit = c.angle;
        EXPECT_EQ(Compute(QString::fromLatin1(c.formula)), QString::fromLatin1(c.result))
            << c.formula;
    }

    // a run-time failure is reported by the engine; the box shows what the engine returned
    CalcModule::Number_Base = 10;
    Platform::Clear_Recording();
    Compute(QStringLiteral("1/(a-30)"));
    EXPECT_EQ(Platform::Recorded_Warnings().size(), 1);
}

} // namespace
