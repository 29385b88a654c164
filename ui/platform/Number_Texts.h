#pragma once
// The engine's number texts for the windows' boxes, which hold QStrings.

#include "engine/NumberText.h"

#include <QString>
#include <optional>

namespace Platform {

// A number in its standard text ("0.25", "1E+15"), as results are shown.
inline QString Number_Text(double value) {
    return QString::fromStdString(CalcModule::Standard_Number_Text(value));
}

// The number a box's text starts with, read as the engine reads it; nothing
// when it lies beyond the double range. A character beyond ASCII ends the
// number, as any other character that is not part of one.
inline std::optional<double> Leading_Number(const QString &text) {
    return CalcModule::Leading_Number(text.toStdString());
}

} // namespace Platform
