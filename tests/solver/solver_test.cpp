// The solver driven through its controls: results, the structure of the
// passes, failing points, refused inputs and cancelling a long search.

#include "engine/CalcModule.h"
#include "tests/Program_State.h"
#include "ui/platform/Long_Task.h"
#include "ui/platform/Platform.h"
#include "ui/solver/Solv_Equn_Form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const char *No_Solution = " X =此方程无解,或请调整定义域";
const char *Expression_Error = "方程表达式有误,请重新输入!";

struct Inputs {
    const char *equation, *lower = "-1000", *upper = "1000", *precision = "0", *max_error = "1e-6";
};

class SolverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Reset_Program_State(Engine_Warnings::Boxes);
        form.show();
    }
    void TearDown() override { Reset_Program_State(); }
    QString Text(const char *name) { return form.findChild<QLineEdit *>(name)->text(); }
    void Solve(const Inputs &in) {
        form.findChild<QLineEdit *>("Equn_Expn")->setText(QString::fromUtf8(in.equation));
        form.findChild<QLineEdit *>("E_min")->setText(QString::fromUtf8(in.lower));
        form.findChild<QLineEdit *>("E_max")->setText(QString::fromUtf8(in.upper));
        form.findChild<QComboBox *>("Precision")->setEditText(QString::fromUtf8(in.precision));
        form.findChild<QLineEdit *>("Max_Error")->setText(QString::fromUtf8(in.max_error));
        QTest::mouseClick(form.findChild<QPushButton *>("Command4"), Qt::LeftButton);
    }
    Solv_Equn_Form form;
};

TEST_F(SolverTest, Results) {
    struct Case {
        Inputs in;
        const char *cleaned, *x_result, *error_box;
    };
    const Case cases[] = {
        // both roots have residual 0; the earlier one wins
        {{"x ^ 2 = 4"}, "x^2=4", " X =-2", "误差:0"},
        // every point is a root: the lower bound is reported
        {{"2=2"}, "2=2", " X =-1000", "误差:0"},
        {{"x+1=x"}, "x+1=x", No_Solution, "误差:1"},
        {{"2*x+1=0", "-10", "10"}, "2*x+1=0", " X =-0.5", "误差:0"},
        {{"sin(x)=1", "0", "180"}, "sin(x)=1", " X =90", "误差:0"},
        // a bound of exactly the "nothing evaluated yet" value ends the search at once
        {{"x=5", "2.0091201"}, "x=5", No_Solution, "误差:10000"},
        // the first step no longer moves x: the search ends before any estimate was
        // kept, and says why
        {{"x=1", "1", "2", "-20"}, "x=1", "精度太高,x 无法按此步长前进,请降低精度!", "误差:"},
        // boxes without a number read as 0
        {{"x=0", "abc", "xyz"}, "x=0", " X =0", "误差:0"},
        {{"x^2=2", "-10", "10", "0", "0"}, "x^2=2", No_Solution, nullptr},
        {{"x^2"}, "x^2", Expression_Error, "误差:"},
        // the capital X is cleaned away: nothing is left for the engine to read
        {{"X^2=4"}, "^2=4", Expression_Error, "误差:"},
        {{"x*=4"}, "x*=4", Expression_Error, "误差:"},
    };
    for (const Case &c : cases) {
        Solve(c.in);
        EXPECT_EQ(Text("Equn_Expn"), QString::fromUtf8(c.cleaned)) << c.in.equation;
        EXPECT_EQ(Text("X_Result"), QString::fromUtf8(c.x_result)) << c.in.equation;
        if (c.error_box) {
            EXPECT_EQ(Text("Error_Box"), QString::fromUtf8(c.error_box)) << c.in.equation;
        }
    }
}

TEST_F(SolverTest, PassStructure) {
    struct Case {
        Inputs in;
        long long evaluations;
    };
    const Case cases[] = {
        // 2,001 points first, then about 21 a pass until the step of 1e-16 no longer moves x
        {{"x^2=4"}, 2310},
        // precision 2 scans -1000, -900, ..., 1000 first; 2.5 rounds to 2, -0.5 to 0
        {{"2=2", "-1000", "1000", "2"}, 331},
        {{"2=2", "-1000", "1000", "2.5"}, 331},
        {{"x^2=4", "-1000", "1000", "-0.5"}, 2310},
        {{"x=5", "2.0091201"}, 0},
        {{"x=1", "1", "2", "-20"}, 1},
        {{"x^2"}, 0},
    };
    for (const Case &c : cases) {
        Solve(c.in);
        EXPECT_EQ(form.State().Evaluation_Count, c.evaluations)
            << c.in.equation << " " << c.in.precision;
    }
    Solve({"x^2=4"});
    EXPECT_EQ(Text("Text1"), QStringLiteral("-2"));
    EXPECT_NEAR(CalcModule::Variable_Values['x' - 'a'], -2, 1e-14); // the last x evaluated
    // a reversed interval scans nothing first; the finer passes search around 10000
    Solve({"x=3", "5", "1"});
    EXPECT_GT(form.State().Evaluation_Count, 10 * 20);
    EXPECT_LT(form.State().Evaluation_Count, 17 * 23);
    EXPECT_EQ(Text("X_Result"), QString::fromUtf8(No_Solution));
}

TEST_F(SolverTest, FailingPointsAreNeverRoots) {
    struct Case {
        const char *equation, *x_result;
    };
    // at x = 3 the engine reports a division by zero: no exact root there; sqr(x)
    // fails for a thousand negative x, and each distinct warning is shown once
    const Case cases[] = {{"1/(x-3)=0", No_Solution}, {"sqr(x)=2", " X =4"}};
    for (const Case &c : cases) {
        Platform::Clear_Recording();
        Solve({c.equation});
        EXPECT_EQ(Text("X_Result"), QString::fromUtf8(c.x_result)) << c.equation;
        const QStringList shown = Platform::Recorded_Warnings();
        EXPECT_FALSE(shown.isEmpty()) << c.equation;
        EXPECT_EQ(shown.size(), QSet<QString>(shown.begin(), shown.end()).size()) << c.equation;
    }
}

TEST_F(SolverTest, InputsBeyondRangeAreRefused) {
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
        Solve(in);
        EXPECT_EQ(form.State().Evaluation_Count, 0) << in.precision;
        EXPECT_FALSE(Text("X_Result").startsWith(QStringLiteral(" X ="))) << in.precision;
        EXPECT_EQ(Text("Error_Box"), QStringLiteral("误差:"));
    }
}

TEST_F(SolverTest, LongSearchCanBeCancelled) {
    const int dialogs = Platform::Long_Task::Dialogs_Shown();
    Platform::Long_Task::Simulate_Cancel_After(5000);
    Solve({"x=5", "-1e9", "1e9", "-4"});
    Platform::Long_Task::Simulate_Cancel_After(-1);
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), dialogs + 1);
    EXPECT_LT(form.State().Evaluation_Count, 20000);
    // a cancelled search found nothing either way: it says so, with no residual
    EXPECT_EQ(Text("X_Result"), QStringLiteral("已取消"));
    EXPECT_EQ(Text("Error_Box"), QStringLiteral("误差:"));
    // an ordinary search shows no dialog
    Solve({"x^2=4"});
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), dialogs + 1);
}

} // namespace

namespace {

TEST_F(SolverTest, LongEquationsAreTakenWhole) {
    // "x=1+1+...+1" of 40,003 characters, past a text box's default 32,767
    QString sum = QStringLiteral("1");
    for (int i = 1; i < 20001; ++i) sum += QStringLiteral("+1");
    const QString equation = QStringLiteral("x=") + sum;
    auto *box = form.findChild<QLineEdit *>("Equn_Expn");
    box->setText(equation);
    EXPECT_EQ(box->text().size(), equation.size());
    for (auto *other : form.findChildren<QLineEdit *>())
        EXPECT_EQ(other->maxLength(), std::numeric_limits<int>::max())
            << other->objectName().toStdString();
}

TEST_F(SolverTest, AStepThatCannotMoveXSaysSo) {
    // the first step is lost against the lower bound: one point, then nothing
    const Inputs stuck[] = {{"x=5", "-1000", "1000", "-320"}, {"x=5", "1e20", "2e20", "0"}};
    for (const Inputs &in : stuck) {
        Solve(in);
        EXPECT_EQ(form.State().Evaluation_Count, 1) << in.lower;
        EXPECT_EQ(Text("X_Result"), QStringLiteral("精度太高,x 无法按此步长前进,请降低精度!"))
            << in.lower;
        EXPECT_EQ(Text("Error_Box"), QStringLiteral("误差:"));
    }
    // a lower bound of exactly the "no point yet" mark still evaluates nothing
    Solve({"x=5", "2.0091201", "1000"});
    EXPECT_EQ(form.State().Evaluation_Count, 0);
    EXPECT_EQ(Text("X_Result"), QString::fromUtf8(No_Solution));
    // and later passes that run out of digits end as before
    Solve({"x=5", "0", "1e-15", "-17"});
    EXPECT_GT(form.State().Evaluation_Count, 101);
    EXPECT_EQ(Text("X_Result"), QString::fromUtf8(No_Solution));
}

} // namespace
