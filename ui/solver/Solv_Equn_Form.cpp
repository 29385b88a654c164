#include "ui/solver/Solv_Equn_Form.h"

#include "engine/CalcModule.h"
#include "engine/NumberText.h"
#include "engine/Outcome.h"
#include "ui/platform/Controls.h"
#include "ui/platform/Long_Task.h"
#include "ui/platform/Number_Texts.h"
#include "ui/platform/Platform.h"
#include "ui/platform/Screen_Fit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

const QString Expression_Error_Text = QStringLiteral("方程表达式有误,请重新输入!");
const QString No_Solution_Text = QStringLiteral("此方程无解,或请调整定义域");
const QString Error_Caption = QStringLiteral("误差:");
const QString Result_Caption = QStringLiteral(" X =");
const QString Bounds_Error_Text = QStringLiteral("定义域超出数值范围,请重新输入!");
const QString Precision_Error_Text = QStringLiteral("精度超出范围,请重新输入!");
const QString Max_Error_Error_Text = QStringLiteral("最大误差超出数值范围,请重新输入!");
const QString Cancelled_Text = QStringLiteral("已取消");
const QString Step_Stuck_Text = QStringLiteral("精度太高,x 无法按此步长前进,请降低精度!");

constexpr std::size_t Letter_x = 'x' - 'a';
// stands for "no point evaluated yet"; a lower bound of exactly this value
// therefore ends the search before its first evaluation
constexpr double No_Previous_x = 2.0091201;

// The residual of an engine result. A point where the engine reported a
// failure would read as 0, an exact root, so it is no candidate, and neither
// is a text that does not begin with a number.
bool Read_Residual(const CalcModule::Outcome &result, double &residual) {
    if (result.Kind != CalcModule::Outcome_Kind::Value || !result.Number) return false;
    const auto first = result.Text.find_first_not_of(" \t\n");
    if (first == std::string::npos) return false;
    const char c = result.Text[first];
    if (!(c >= '0' && c <= '9') && c != '-' && c != '+' && c != '.') return false;
    if (std::isnan(*result.Number)) return false;
    residual = std::fabs(*result.Number);
    return true;
}

QLabel *Make_Label(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    return label;
}

QLineEdit *Make_Box(const QString &name, const QString &accessible, const QString &text,
                    QWidget *parent) {
    return Platform::Named<QLineEdit>(name, accessible, text, parent);
}

} // namespace

Solv_Equn_Form::Solv_Equn_Form(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Solv_Equn_Form"));
    setWindowTitle(QStringLiteral("解一元方程"));

    Frame3 = Platform::Named<QGroupBox>(QStringLiteral("Frame3"), QString(),
                                        QStringLiteral("解一元方程"), this);

    Equn_Expn = Make_Box(QStringLiteral("Equn_Expn"), QStringLiteral("原方程"), QString(), Frame3);
    E_min =
        Make_Box(QStringLiteral("E_min"), QStringLiteral("下限"), QStringLiteral("-1000"), Frame3);
    E_max =
        Make_Box(QStringLiteral("E_max"), QStringLiteral("上限"), QStringLiteral("1000"), Frame3);
    Precision =
        Platform::Named<QComboBox>(QStringLiteral("Precision"), QStringLiteral("精度"), Frame3);
    Precision->setEditable(true);
    Precision->setInsertPolicy(QComboBox::NoInsert);
    Max_Error = Make_Box(QStringLiteral("Max_Error"), QStringLiteral("可允许的最大误差"),
                         QStringLiteral("1e-6"), Frame3);
    Command4 = Platform::Named<QPushButton>(QStringLiteral("Command4"), QStringLiteral("解"),
                                            QStringLiteral("解"), Frame3);
    Command4->setAutoDefault(false);
    X_Result = Make_Box(QStringLiteral("X_Result"), QStringLiteral("结果"), Result_Caption, Frame3);
    Error_Box =
        Make_Box(QStringLiteral("Error_Box"), QStringLiteral("误差"), Error_Caption, Frame3);
    Text1 = Make_Box(QStringLiteral("Text1"), QStringLiteral("x的估计值"), QString(), Frame3);
    Text1->setVisible(false);
    // the result boxes show their longest texts whole, also at the smallest size
    const QString longest_number = QStringLiteral("-8.88888888888888E-308");
    Platform::Fit_Box_To_Texts(X_Result, {Result_Caption + No_Solution_Text, Expression_Error_Text,
                                          Bounds_Error_Text, Precision_Error_Text,
                                          Max_Error_Error_Text, Result_Caption + longest_number});
    Platform::Fit_Box_To_Texts(Error_Box, {Error_Caption + longest_number});

    auto *grid = new QGridLayout(Frame3);
    grid->addWidget(Make_Label(QStringLiteral("原方程："), Frame3), 0, 0);
    grid->addWidget(Equn_Expn, 0, 1, 1, 3);
    grid->addWidget(E_min, 1, 1);
    auto *between = Make_Label(QStringLiteral("< x <"), Frame3);
    between->setAlignment(Qt::AlignCenter);
    grid->addWidget(between, 1, 2);
    grid->addWidget(E_max, 1, 3);
    grid->addWidget(Make_Label(QStringLiteral("精度："), Frame3), 2, 0);
    grid->addWidget(Precision, 2, 1);
    grid->addWidget(Make_Label(QStringLiteral("可允许的最大误差:"), Frame3), 2, 2);
    grid->addWidget(Max_Error, 2, 3);
    const QString notes[] = {
        QStringLiteral("说明：(1)若存在多解请适当调整定义域或精度"),
        QStringLiteral("(2)定义域过大，或精度太高(<-4)可能导致运算时间过长。"),
        QStringLiteral("(3)方程可输入该计算器数学函数。"),
        QStringLiteral("(4)若x较大,可降低精度,减小最大误差,以提高计算速度"),
    };
    int row = 3;
    for (const QString &note : notes) grid->addWidget(Make_Label(note, Frame3), row++, 0, 1, 4);
    grid->addWidget(Command4, row, 0);
    grid->addWidget(X_Result, row, 1);
    grid->addWidget(Error_Box, row, 2, 1, 2);
    grid->addWidget(Text1, row + 1, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame3);

    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    Form_Load();
    Platform::Lift_Length_Limits(this);
}

Solv_Equn_Form::~Solv_Equn_Form() = default;

void Solv_Equn_Form::Form_Load() {
    Precision->clear();
    Precision->addItems({QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0"),
                         QStringLiteral("-1"), QStringLiteral("-2")});
    Precision->setCurrentIndex(-1);
    Precision->setEditText(QStringLiteral("0"));
}

void Solv_Equn_Form::Command4_Click() {
    Text1->clear();
    Find_Root();
}

void Solv_Equn_Form::Find_Root() {
    // the progress dialog lets events through; never start a second search inside the first
    if (searching_) return;
    Evaluation_Count = 0;

    std::string equation = Equn_Expn->text().toStdString();
    const std::string cleaned = CalcModule::Filter_Expression(equation, 1);
    Equn_Expn->setText(QString::fromStdString(cleaned));

    const auto Stop_With = [this](const QString &message) {
        X_Result->setText(message);
        Error_Box->setText(Error_Caption);
    };

    const auto equals = cleaned.find('=');
    if (equals == std::string::npos) return Stop_With(Expression_Error_Text);
    // left-(right): a further "=" stays inside right and makes the engine answer "!"
    const std::string working =
        cleaned.substr(0, equals) + "-(" + cleaned.substr(equals + 1) + ")=";

    double best_error = 10000;
    double best_x = 10000;
    double previous_x = No_Previous_x;
    Text1->clear();

    const auto lower_bound = Platform::Leading_Number(E_min->text());
    const auto upper_bound = Platform::Leading_Number(E_max->text());
    if (!lower_bound || !upper_bound) return Stop_With(Bounds_Error_Text);
    const auto allowed_error = Platform::Leading_Number(Max_Error->text());
    if (!allowed_error) return Stop_With(Max_Error_Error_Text);
    double lower = *lower_bound, upper = *upper_bound;
    const double max_error = *allowed_error;
    std::int16_t p = 0;
    try {
        const auto precision = Platform::Leading_Number(Precision->currentText());
        if (!precision) throw std::overflow_error("precision");
        p = CalcModule::Round_To_Int16(*precision);
    } catch (const std::overflow_error &) {
        return Stop_With(Precision_Error_Text);
    }
    double step = std::pow(10.0, p);
    if (!std::isfinite(step) || step == 0) return Stop_With(Precision_Error_Text);

    const double first_pass = (upper - lower) / step + 1;
    const double expected =
        (first_pass > 0 ? (std::isfinite(first_pass) ? first_pass : 1e18) : 0) + 21.0 * 17;

    searching_ = true;
    QPointer<Solv_Equn_Form> alive(this);
    // the engine's warnings are gathered and each distinct one shown once at the end
    Platform::Warning_Collector warnings;
    Platform::Long_Task task(QStringLiteral("正在解方程……"), expected);
    const CalcModule::Calc_Settings settings{10, 32, CalcModule::Angle_Unit, 1};

    enum class Pass { Done, Stopped, Stuck, Cancelled, Malformed, Window_Gone };
    const auto Run_Pass = [&]() -> Pass {
        // the position is accumulated, not recomputed from the lower bound
        for (double x = lower; x <= upper; x += step) {
            if (x == previous_x) return Pass::Stuck; // the step no longer moves x
            // the progress dialog lets events through: the window may have been closed
            if (task.Cancelled() || !alive) return alive ? Pass::Cancelled : Pass::Window_Gone;
            CalcModule::Variable_Values[Letter_x] = x;
            const CalcModule::Outcome result = CalcModule::Calculate_Cleaned(working, settings);
            ++Evaluation_Count;
            if (result.Kind == CalcModule::Outcome_Kind::Malformed) return Pass::Malformed;
            // a point where the engine reported a failure is skipped, not taken for a root
            double residual = 0;
            if (Read_Residual(result, residual) && residual < best_error) {
                best_error = residual;
                best_x = x;
            }
            previous_x = x;
        }
        return Pass::Done;
    };

    Pass outcome = Run_Pass();
    // a first step that cannot move x from the lower bound leaves one point
    // evaluated: say so rather than report that the equation has no solution
    if (outcome == Pass::Stuck && Evaluation_Count > 0) {
        searching_ = false;
        return Stop_With(Step_Stuck_Text);
    }
    while (outcome == Pass::Done && p - 1 != -17) {
        lower = best_x - step;
        upper = best_x + step;
        --p;
        step = std::pow(10.0, p);
        Text1->setText(Platform::Number_Text(best_x));
        outcome = Run_Pass();
    }
    if (outcome == Pass::Window_Gone) return;
    searching_ = false;
    if (outcome == Pass::Malformed) return Stop_With(Expression_Error_Text);
    // a search cut short has found no answer either way: it must not claim there is none
    if (outcome == Pass::Cancelled) return Stop_With(Cancelled_Text);

    if (max_error < best_error) Text1->setText(No_Solution_Text);
    X_Result->setText(Result_Caption + Text1->text());
    Error_Box->setText(Error_Caption + Platform::Number_Text(best_error));
}
