#include "ui/platform/Follow_End.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <memory>

namespace Platform {

void Follow_Newest_Line(QAbstractScrollArea *box) {
    QScrollBar *bar = box->verticalScrollBar();
    auto at_end = std::make_shared<bool>(true);
    // a box that shrinks under the view clamps the view to the end: that is
    // the end too
    QObject::connect(bar, &QScrollBar::valueChanged, bar,
                     [bar, at_end](int value) { *at_end = value >= bar->maximum(); });
    QObject::connect(bar, &QScrollBar::rangeChanged, bar, [bar, at_end](int, int maximum) {
        if (*at_end) bar->setValue(maximum);
    });
}

} // namespace Platform
