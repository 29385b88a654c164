#pragma once
// Every control carries its name (tests find it by objectName) and an
// accessible name (screen readers announce it).

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <limits>
#include <utility>

namespace Platform {

template <class Control, class... Args>
Control *Named(const QString &name, const QString &accessible, Args &&...args) {
    auto *control = new Control(std::forward<Args>(args)...);
    control->setObjectName(name);
    if (!accessible.isEmpty()) control->setAccessibleName(accessible);
    return control;
}

// The name of one control of an array: "Digl_Butn_3".
inline QString Indexed_Name(const char *name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// A text box cuts a longer text at 32,767 characters without a word: every
// box of the window, those inside combo boxes included, takes any length, so
// a pasted formula is computed whole or refused with a message.
inline void Lift_Length_Limits(QWidget *window) {
    for (auto *box : window->findChildren<QLineEdit *>())
        box->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace Platform
