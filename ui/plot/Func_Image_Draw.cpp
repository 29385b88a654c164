// Draw_Image: one curve as a cloud of points, with axes and tick marks.

#include "engine/CalcModule.h"
#include "engine/NumberText.h"
#include "engine/Outcome.h"
#include "ui/platform/Long_Task.h"
#include "ui/platform/Number_Texts.h"
#include "ui/platform/Platform.h"
#include "ui/plot/Drawing_Surface.h"
#include "ui/plot/Func_Image.h"

#include <QCheckBox>
#include <QLineEdit>
#include <cmath>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>

namespace {

constexpr std::uint32_t Axis_Color = 77777;
constexpr std::size_t Letter_X = 'x' - 'a';

// The curve colours come from one generator for the whole run, never reseeded,
// so the n-th drawing of every run gets the same colour.
double Next_Uniform() {
    static std::mt19937 generator;
    // 53 random bits over 2^53: always below 1
    const std::uint64_t high = generator() >> 5, low = generator() >> 6;
    return double(high * 67108864 + low) / 9007199254740992.0;
}

// The text of an expression box, cleaned at every sample. The box is written
// only when the cleaned text differs from what it shows, which after the first
// sample it never does. The clean-up depends on its text alone: once a text
// cleans to itself, every later clean-up gives it again and is not run.
class Expression_Text {
  public:
    explicit Expression_Text(QLineEdit *box) : box_(box), text_(box->text().toStdString()) {
        Text_Changed();
    }

    const std::string &Clean() {
        if (settled_) return text_;
        std::string consumed = text_;
        std::string cleaned = CalcModule::Filter_Expression(consumed, 1);
        if (cleaned != text_) {
            text_ = std::move(cleaned);
            Text_Changed();
            box_->setText(QString::fromStdString(text_));
        } else {
            settled_ = true;
        }
        return text_;
    }

    // The evaluation of the text as last cleaned, in letter mode with the
    // program's angle unit; the outcome is kept until the next call.
    const CalcModule::Outcome &Evaluate() {
        const CalcModule::Calc_Settings settings{10, 32, CalcModule::Angle_Unit, 1};
        if (lone_letter_)
            CalcModule::Calculate_Letter(text_[0], settings, outcome_);
        else
            CalcModule::Calculate_Cleaned(expression_, settings, outcome_);
        return outcome_;
    }

  private:
    void Text_Changed() {
        expression_.reserve(text_.size() + 1);
        expression_.assign(text_);
        expression_ += '=';
        lone_letter_ = CalcModule::Is_Lone_Letter(text_);
    }

    QLineEdit *box_;
    std::string text_;
    std::string expression_;   // the text and "=", as the engine takes it
    bool lone_letter_ = false; // a letter alone reads as its value without the engine
    bool settled_ = false;
    CalcModule::Outcome outcome_;
};

// False for a result that carries no number: a failure the engine has
// reported, or a number beyond the double range.
bool Read_Result(const CalcModule::Outcome &result, double &value) {
    if (result.Kind != CalcModule::Outcome_Kind::Value || !result.Number) return false;
    value = *result.Number;
    return true;
}

// Which tick marks a drawing gets depends on its X zoom alone.
struct Tick_Rule {
    double factor = 0; // X is scaled by this, then rounded
    std::int32_t modulus = 0;
    double limit = 0;  // |X| must stay below this; 0: no limit
    double height = 0; // 0: no ticks at all
    std::uint32_t color = 0;

    bool Holds(double X) const {
        if (height == 0) return false;
        if (limit > 0 && !(std::fabs(X) < limit)) return false;
        const double scaled = factor * X;
        // beyond the 32-bit range there is no round value to mark
        if (!(std::fabs(scaled) <= 2147483647.0)) return false;
        return CalcModule::Round_To_Int32(scaled) % modulus == 0;
    }
};

Tick_Rule Tick_Rule_For(double x_scale) {
    if (x_scale > 6 && x_scale < 80) return {100, 1000, 0, 100, 777777};
    if (x_scale > 80 && x_scale < 1900) return {100, 100, 0, 70, 67543};
    if (x_scale > 1900) return {10000, 1000, 21000, 40, 111111};
    return {};
}

} // namespace

void Func_Image::Draw_Image() {
    const bool parametric = Parameter_Equation->isChecked();
    const bool polar = Check1->isChecked();
    const bool explicit_mode = !parametric && !polar;

    // A zero step would never end the sampling, and a zero X zoom leaves the
    // explicit range undefined: such a drawing is refused before anything is drawn.
    if (Step_Size == 0) {
        Platform::Show_Warning(QStringLiteral("图像密度不能为 0，请重新选择图像密度!"));
        return;
    }
    const float cx = float(Picture1->Width() / 2);
    const float cy = float(Picture1->Height() / 2);
    const double m = cx / X_Scale;
    if (explicit_mode && !std::isfinite(m)) {
        Platform::Show_Warning(QStringLiteral("X 轴缩放倍数不能为 0，请重新选择缩放倍数!"));
        return;
    }

    // bounds beyond the number range would draw over [0, 0] without a word
    if (!explicit_mode && (!Platform::Leading_Number(Fun_min->text()) ||
                           !Platform::Leading_Number(Fun_max->text()))) {
        Platform::Show_Warning(QStringLiteral("定义域超出数值范围,请重新输入!"));
        return;
    }

    if (!preserving->isChecked()) Picture1->Erase();
    Curve_Color = std::floor(Next_Uniform() * 256 * 256 * 256);
    Move_Step = Read_Move_Step();

    const double origin_x = double(cx) + Shift_X;
    const double axis_y = double(cy) + Shift_Y;
    Picture1->Line(origin_x, 0, origin_x, 2.0 * cy, Axis_Color);
    Picture1->Line(0, axis_y, 2.0 * cx, axis_y, Axis_Color);

    if (explicit_mode) {
        // the x range that maps onto the surface's width, widened to whole numbers
        const double o = Shift_X / X_Scale;
        Domain_Min = std::floor(-m) - o;
        Domain_Max = -std::floor(-m) - o;
        Fun_min->setText(Platform::Number_Text(Domain_Min));
        Fun_max->setText(Platform::Number_Text(Domain_Max));
    } else {
        Domain_Min = Platform::Leading_Number(Fun_min->text()).value_or(0);
        Domain_Max = Platform::Leading_Number(Fun_max->text()).value_or(0);
    }

    const bool ascending = Step_Size >= 0;
    const double expected = std::max(0.0, std::floor((Domain_Max - Domain_Min) / Step_Size) + 1);
    const Tick_Rule tick = parametric ? Tick_Rule{} : Tick_Rule_For(X_Scale);
    const std::uint32_t color = std::uint32_t(Curve_Color);
    const double right = 2.0 * cx, bottom = 2.0 * cy;

    bool malformed = false;
    bool stuck = false;
    // the engine's warnings are gathered and each distinct one shown once at the end
    Platform::Warning_Collector collector;
    {
        Platform::Long_Task task(QStringLiteral("正在画函数图像……"), expected);
        Expression_Text x_text(X_Expression), y_text(Y_Expression);
        double x = Domain_Min;
        while (ascending ? x <= Domain_Max : x >= Domain_Max) {
            if (task.Cancelled()) break;
            CalcModule::Variable_Values[Letter_X] = x;
            x_text.Clean();
            y_text.Clean();
            const CalcModule::Outcome &x_result = x_text.Evaluate();
            const CalcModule::Outcome &y_result = y_text.Evaluate();
            if (x_result.Kind == CalcModule::Outcome_Kind::Malformed ||
                y_result.Kind == CalcModule::Outcome_Kind::Malformed) {
                malformed = true;
                break;
            }
            double X, Y;
            // a sample whose evaluation failed has no point
            if (Read_Result(x_result, X) && Read_Result(y_result, Y)) {
                if (polar) {
                    // the angle is in radians here, whatever unit the functions used
                    const double theta = X, rho = Y;
                    X = rho * std::cos(theta);
                    Y = rho * std::sin(theta);
                }
                const double sx = cx + X_Scale * X + Shift_X;
                const double sy = cy - Y_Scale * Y + Shift_Y;
                if (tick.Holds(X)) Picture1->Line(sx, axis_y, sx, axis_y - tick.height, tick.color);
                // a point on the edge counts as outside
                if (0 < sx && sx < right && 0 < sy && sy < bottom)
                    Picture1->Set_Point(sx, sy, color);
            }
            const double next = x + Step_Size;
            // a step too small to change x would never end the sampling
            if (next == x) {
                stuck = x != Domain_Max;
                break;
            }
            x = next;
        }
    }
    collector.Flush();
    if (malformed) Platform::Show_Warning(QStringLiteral("函数输入错误!"));
    if (stuck)
        Platform::Show_Warning(QStringLiteral("图像密度太小，x 无法前进，请重新选择图像密度!"));
}
