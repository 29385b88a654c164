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
    const std::string cleaned = Filter_Expression(typed, settings.Mode);
    return Calculate_Cleaned(cleaned, settings);
}

namespace {

// What the outcome's text says, once the evaluation has written it.
void Classify(Outcome &outcome) {
    outcome.Number.reset();
    if (outcome.Text == "!") {
        outcome.Kind = Outcome_Kind::Malformed;
        return;
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
        return;
    }
    // a lone number comes back as written, however large: it may have no double
    outcome.Number = Leading_Number(outcome.Text);
}

} // namespace

Outcome Calculate_Cleaned(std::string_view expression, const Calc_Settings &settings) {
    Outcome outcome;
    Calculate_Cleaned(expression, settings, outcome);
    return outcome;
}

void Calculate_Cleaned(std::string_view expression, const Calc_Settings &settings,
                       Outcome &outcome) {
    {
        Warning_Counter counter;
        Evaluate_Into(expression, settings.Base, settings.Word_Length, settings.Angle_Unit,
                      settings.Mode, outcome.Text);
        outcome.Warnings = counter.Count();
    }
    Classify(outcome);
}

bool Is_Lone_Letter(std::string_view cleaned) {
    return cleaned.size() == 1 && cleaned[0] >= 'a' && cleaned[0] <= 'z' && cleaned[0] != 'e';
}

void Calculate_Letter(char letter, const Calc_Settings &settings, Outcome &outcome) {
    if (settings.Mode != 1 || !Is_Lone_Letter(std::string_view(&letter, 1))) {
        const char expression[] = {letter, '='};
        Calculate_Cleaned(std::string_view(expression, 2), settings, outcome);
        return;
    }
    // writing a number's text reports nothing
    Evaluate_Letter(letter, settings.Base, settings.Word_Length, settings.Angle_Unit, outcome.Text);
    outcome.Warnings = 0;
    Classify(outcome);
}

} // namespace CalcModule
