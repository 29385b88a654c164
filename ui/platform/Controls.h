#pragma once
// Every control carries its name (tests find it by objectName) and an
// accessible name (screen readers announce it).

#include <QString>
#include <utility>

namespace Platform {

template <class Control, class... Args>
Control *Named(const QString &name, const QString &accessible, Args &&...args) {
    auto *control = new Control(std::forward<Args>(args)...);
    control->setObjectName(name);
    if (!accessible.isEmpty()) control->setAccessibleName(accessible);
    return control;
}

} // namespace Platform
