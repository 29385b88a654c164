#pragma once
// The order in which Tab visits a window's controls: the order they are
// read in, whatever order they were created in. Hidden and disabled
// controls in the chain are passed over by Tab itself.

#include <QWidget>
#include <vector>

namespace Platform {

inline void Set_Tab_Chain(const std::vector<QWidget *> &controls) {
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace Platform
