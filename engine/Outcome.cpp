#include "engine/Outcome.h"

#include "engine/CalcModule.h"
#include "engine/Known_Values.h"
#include "engine/NumberText.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace CalcModule {
namespace {

// Counts the warnings raised while it lives; each one still goes to the
// handler installed, which shows or collects it.
class Warning_Counter {
  public:
    int Count() const { return int(Warning_Count() - start_); }

  private:
    std::uint64_t start_ = Warning_Count();
};

} // namespace

Outcome Calculate(std::string_view text, const Calc_Settings &settings) {
    std::string typed(text);
    return Calculate_Cleaned(Filter_Expression(typed, settings.Mode), settings);
}

Outcome Calculate_Cleaned(std::string expression, const Calc_Settings &settings) {
    Outcome outcome;
    {
        Warning_Counter counter;
        outcome.Text = Evaluate_Expression(expression, settings.Base, settings.Word_Length,
                                           settings.Angle_Unit, settings.Mode);
        outcome.Warnings = counter.Count();
    }
    if (outcome.Text == "!") {
        outcome.Kind = Outcome_Kind::Malformed;
        return outcome;
    }
    // the engine answers "" only after a failure it has reported
    outcome.Kind =
        outcome.Warnings > 0 || outcome.Text.empty() ? Outcome_Kind::Failed : Outcome_Kind::Value;
    // the value the engine worked out with the text spares reading it again
    // (known only when nothing failed on the way); zero is read, so that no
    // -0 gets through where the reading gives 0
    const double known = Last_Result_Value();
    if (outcome.Kind == Outcome_Kind::Value && std::isfinite(known) && known != 0) {
        outcome.Number = known;
        return outcome;
    }
    // a lone number comes back as written, however large: it may have no double
    outcome.Number = Leading_Number(outcome.Text);
    return outcome;
}

} // namespace CalcModule
