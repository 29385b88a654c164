#include "ui/platform/Mode_Notifier.h"

#include "engine/CalcModule.h"

namespace Platform {

Mode_Notifier &Mode_Notifier::Instance() {
    static Mode_Notifier notifier;
    return notifier;
}

void Mode_Notifier::Set_Angle_Unit(std::uint8_t unit) {
    CalcModule::Angle_Unit = unit;
    emit Angle_Unit_Changed(unit);
}

} // namespace Platform
