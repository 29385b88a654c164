#pragma once
// Reading numbers out of the plotter's boxes.

#include "engine/NumberText.h"

#include <QString>
#include <stdexcept>

namespace Plot_Numbers {

// The number a box starts with; text that is not a number, or a number beyond
// the range of a double, reads as 0.
inline double Number_In(const QString &text) {
    try {
        return CalcModule::Leading_Number_Value(text.toStdString());
    } catch (const std::exception &) {
        return 0;
    }
}

} // namespace Plot_Numbers
