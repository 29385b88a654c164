#include "ui/platform/Mode_Notifier.h"

#include "engine/CalcModule.h"

namespace Platform {

Mode_Notifier &Mode_Notifier::Instance() {
    static Mode_Notifier notifier;
    return notifier;
}

void Mode_Notifier::Set_Angle_Unit(std::uint8_t unit) {
    // a window that follows the announcement sets the same unit again: that
    // ends here, and no window needs a guard of its own against the echo
    if (CalcModule::Angle_Unit == unit) return;
    CalcModule::Angle_Unit = unit;
    emit Angle_Unit_Changed(unit);
}

} // namespace Platform
