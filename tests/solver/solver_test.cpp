// The solver window driven through its controls: defaults, worked examples,
// the structure of the passes, failures and long runs.

#include "engine/CalcModule.h"
#include "ui/platform/Long_Task.h"
#include "ui/platform/Platform.h"
#include "ui/solver/Solv_Equn_Form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// readable failure messages for QString comparisons
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString No_Solution = QStringLiteral(" X =此方程无解,或请调整定义域");
const QString Expression_Error = QStringLiteral("方程表达式有误,请重新输入!");

struct Inputs {
    const char *equation;
    const char *lower = "-1000";
    const char *upper = "1000";
    const char *precision = "0";
    const char *max_error = "1e-6";
};

class SolverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Platform::Set_Recording(true);
        Platform::Clear_Recording();
        Platform::Install_Engine_Warnings();
        CalcModule::Angle_Unit = 0;
        form.show();
    }

    template <class T> T *Control(const char *name) {
        T *control = form.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QString Text(const char *name) { return Control<QLineEdit>(name)->text(); }

    void Solve(const Inputs &in) {
        Control<QLineEdit>("Equn_Expn")->setText(QString::fromUtf8(in.equation));
        Control<QLineEdit>("E_min")->setText(QString::fromUtf8(in.lower));
        Control<QLineEdit>("E_max")->setText(QString::fromUtf8(in.upper));
        Control<QComboBox>("Precision")->setEditText(QString::fromUtf8(in.precision));
        Control<QLineEdit>("Max_Error")->setText(QString::fromUtf8(in.max_error));
        QTest::mouseClick(Control<QPushButton>("Command4"), Qt::LeftButton);
    }

    Solv_Equn_Form form;
};

TEST_F(SolverTest, OpensWithItsDefaults) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("解一元方程"));
    EXPECT_EQ(Control<QGroupBox>("Frame3")->title(), QStringLiteral("解一元方程"));
    EXPECT_EQ(Text("Equn_Expn"), QString());
    EXPECT_EQ(Text("E_min"), QStringLiteral("-1000"));
    EXPECT_EQ(Text("E_max"), QStringLiteral("1000"));
    EXPECT_EQ(Text("Max_Error"), QStringLiteral("1e-6"));
    EXPECT_EQ(Text("X_Result"), QStringLiteral(" X ="));
    EXPECT_EQ(Text("Error_Box"), QStringLiteral("误差:"));
    EXPECT_FALSE(Control<QLineEdit>("Text1")->isVisible());
    EXPECT_EQ(Control<QPushButton>("Command4")->text(), QStringLiteral("解"));

    auto *precision = Control<QComboBox>("Precision");
    EXPECT_EQ(precision->currentText(), QStringLiteral("0"));
    QStringList items;
    for (int i = 0; i < precision->count(); ++i) items << precision->itemText(i);
    EXPECT_EQ(items, QStringList({"2", "1", "0", "-1", "-2"}));

    QStringList labels;
    for (auto *label : form.findChildren<QLabel *>()) labels << label->text();
    for (const char *text :
         {"原方程：", "< x <", "精度：",
          "可允许的最大误差:", "说明：(1)若存在多解请适当调整定义域或精度",
          "(2)定义域过大，或精度太高(<-4)可能导致运算时间过长。", "(3)方程可输入该计算器数学函数。",
          "(4)若x较大,可降低精度,减小最大误差,以提高计算速度"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
}

TEST_F(SolverTest, WorkedExamples) {
    struct Case {
        Inputs in;
        const char *x_result, *error_box;
    };
    const Case cases[] = {
        // both roots have residual 0; the earlier one wins
        {{"x^2=4"}, " X =-2", "误差:0"},
        // every point is a root: the lower bound is reported
        {{"2=2"}, " X =-1000", "误差:0"},
        {{"x+1=x"}, " X =此方程无解,或请调整定义域", "误差:1"},
        {{"x^3=27", "0", "10", "-1"}, " X =3", "误差:0"},
        {{"2*x+1=0", "-10", "10", "0"}, " X =-0.5", "误差:0"},
        {{"sin(x)=1", "0", "180"}, " X =90", "误差:0"},
        // a bound of exactly the "nothing evaluated yet" value ends the search at once
        {{"x=5", "2.0091201"}, " X =此方程无解,或请调整定义域", "误差:10000"},
        // boxes that hold no number read as 0: only x = 0 is scanned, then refined around it
        {{"x=0", "abc", "xyz"}, " X =0", "误差:0"},
        // the maximum error alone decides whether a solution is reported
        {{"x^2=2", "-10", "10", "0", "0"}, " X =此方程无解,或请调整定义域", nullptr},
    };
    for (const Case &c : cases) {
        Solve(c.in);
        EXPECT_EQ(Text("X_Result"), QString::fromUtf8(c.x_result)) << c.in.equation;
        if (c.error_box) {
            EXPECT_EQ(Text("Error_Box"), QString::fromUtf8(c.error_box)) << c.in.equation;
        }
    }
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
}

TEST_F(SolverTest, PassStructure) {
    struct Case {
        Inputs in;
        long long evaluations;
        const char *text1;
    };
    const Case cases[] = {
        // 2,001 points in the first pass, then about 21 per pass until the step
        // of 1e-16 no longer moves x near -2
        {{"x^2=4"}, 2310, "-2"},
        // precision 2 scans -1000, -900, ..., 1000 first
        {{"2=2", "-1000", "1000", "2"}, 331, "-1000"},
        // the precision is rounded halves to even: 2.5 is 2, -0.5 is 0
        {{"2=2", "-1000", "1000", "2.5"}, 331, "-1000"},
        {{"x^2=4", "-1000", "1000", "-0.5"}, 2310, "-2"},
        // a lower bound above the upper one scans nothing first; later passes
        // search around 10000
        {{"x=3", "5", "1"}, 0, nullptr},
    };
    for (const Case &c : cases) {
        Solve(c.in);
        if (c.evaluations > 0) {
            EXPECT_EQ(form.Evaluation_Count, c.evaluations) << c.in.equation;
        }
        if (c.text1) {
            EXPECT_EQ(Text("Text1"), QString::fromUtf8(c.text1)) << c.in.equation;
        }
    }
    // the reversed interval: only the refining passes run, 21 points or so each,
    // until the step no longer moves x near 10000
    Solve({"x=3", "5", "1"});
    EXPECT_GT(form.Evaluation_Count, 10 * 20);
    EXPECT_LT(form.Evaluation_Count, 17 * 23);
    EXPECT_EQ(Text("X_Result"), No_Solution);
    Solve({"x=5", "2.0091201"});
    EXPECT_EQ(form.Evaluation_Count, 0);
    // the entry for x keeps the last value evaluated
    Solve({"x^2=4"});
    EXPECT_NEAR(CalcModule::Variable_Values['x' - 'a'], -2, 1e-14);
}

TEST_F(SolverTest, ExpressionErrors) {
    struct Case {
        Inputs in;
        const char *cleaned;
    };
    const Case cases[] = {
        {{"x^2"}, "x^2"},
        {{"x^2+"}, "x^2+"},
        // the unknown is the lower-case x; the capital is dropped by the clean-up
        {{"X^2=4"}, "^2=4"},
        {{"x*=4"}, "x*=4"},
    };
    for (const Case &c : cases) {
        Solve(c.in);
        EXPECT_EQ(Text("Equn_Expn"), QString::fromUtf8(c.cleaned)) << c.in.equation;
        EXPECT_EQ(Text("X_Result"), Expression_Error) << c.in.equation;
        EXPECT_EQ(Text("Error_Box"), QStringLiteral("误差:")) << c.in.equation;
        EXPECT_EQ(Text("Text1"), QString()) << c.in.equation;
        EXPECT_LE(form.Evaluation_Count, 1) << c.in.equation;
    }
    Solve({"x^2"});
    EXPECT_EQ(form.Evaluation_Count, 0);
    // blanks and capitals are cleaned away and the cleaned text is shown
    Solve({"x ^ 2 = 4"});
    EXPECT_EQ(Text("Equn_Expn"), QStringLiteral("x^2=4"));
    EXPECT_EQ(Text("X_Result"), QStringLiteral(" X =-2"));
}

TEST_F(SolverTest, FailingPointsAreNeverRoots) {
    // at x = 3 the engine reports a division by zero; that point must not count as exact
    Solve({"1/(x-3)=0"});
    EXPECT_EQ(Text("X_Result"), No_Solution);
    EXPECT_NE(Text("Error_Box"), QStringLiteral("误差:0"));
    const QStringList once = Platform::Recorded_Warnings();
    EXPECT_FALSE(once.isEmpty());
    EXPECT_EQ(once.size(), QSet<QString>(once.begin(), once.end()).size());

    // about a thousand failing points, each distinct warning shown once at the end
    Platform::Clear_Recording();
    Solve({"sqr(x)=2"});
    EXPECT_EQ(Text("X_Result"), QStringLiteral(" X =4"));
    EXPECT_EQ(Text("Error_Box"), QStringLiteral("误差:0"));
    const QStringList shown = Platform::Recorded_Warnings();
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.size(), QSet<QString>(shown.begin(), shown.end()).size());
}

TEST_F(SolverTest, InputsBeyondRangeAreRefused) {
    struct Case {
        Inputs in;
    };
    const Inputs cases[] = {
        {"x=1", "-1000", "1000", "400"},    // 10^400 is no double
        {"x=1", "-1000", "1000", "-400"},   // 10^-400 is 0: the step would never move
        {"x=1", "-1000", "1000", "40000"},  // beyond 16 bits
        {"x=1", "-1000", "1000", "-1e999"}, // beyond the double range
        {"x=1", "-1e999"},
        {"x=1", "-1000", "1e400"},
        {"x=1", "-1000", "1000", "0", "1e999"},
    };
    for (const Inputs &in : cases) {
        Control<QLineEdit>("X_Result")->clear();
        Solve(in);
        EXPECT_EQ(form.Evaluation_Count, 0) << in.precision;
        EXPECT_FALSE(Text("X_Result").isEmpty());
        EXPECT_FALSE(Text("X_Result").startsWith(QStringLiteral(" X =")))
            << Text("X_Result").toStdString();
        EXPECT_EQ(Text("Error_Box"), QStringLiteral("误差:"));
    }
}

TEST_F(SolverTest, LongSearchCanBeCancelled) {
    const int dialogs = Platform::Long_Task::Dialogs_Shown();
    Platform::Long_Task::Simulate_Cancel_After(5000);
    Solve({"x=5", "-1e9", "1e9", "-4"});
    Platform::Long_Task::Simulate_Cancel_After(-1);
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), dialogs + 1);
    EXPECT_LT(form.Evaluation_Count, 20000);
    // reported as if the scan had ended where it was cancelled
    EXPECT_EQ(Text("X_Result"), No_Solution);
    EXPECT_EQ(Text("Error_Box").left(3), QStringLiteral("误差:"));

    // an ordinary search shows no dialog
    Solve({"x^2=4"});
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), dialogs + 1);
}

} // namespace
