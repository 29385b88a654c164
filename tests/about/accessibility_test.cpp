// Screen readers announce every key and text box by its accessible name.

#include "tests/Every_Window.h"
#include "tests/Program_State.h"
#include "ui/main/Scin_Cale.h"
#include "ui/platform/Platform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QStringList Unnamed_Controls(QWidget *window) {
    QStringList unnamed;
    auto check = [&](QWidget *control) {
        if (control->objectName().startsWith("qt_")) return; // the toolkit's own parts
        QString name = control->accessibleName();
        if (name.isEmpty()) name = control->toolTip();
        if (auto *button = qobject_cast<QAbstractButton *>(control); button && name.isEmpty())
            name = button->text(); // a screen reader reads a key's face
        if (name.trimmed().isEmpty())
            unnamed << window->objectName() + "/" + control->objectName() + " (" +
                           control->metaObject()->className() + ")";
    };
    for (auto *c : window->findChildren<QAbstractButton *>()) check(c);
    for (auto *c : window->findChildren<QLineEdit *>())
        if (!qobject_cast<QComboBox *>(c->parentWidget()))
            check(c); // a combo box speaks for its line
    for (auto *c : window->findChildren<QComboBox *>()) check(c);
    for (auto *c : window->findChildren<QPlainTextEdit *>()) check(c);
    for (auto *c : window->findChildren<QListWidget *>()) check(c);
    return unnamed;
}
} // namespace

TEST(Accessibility, EveryKeyAndTextBoxOfEveryWindowHasAName) {
    Reset_Program_State();
    Scin_Cale main_window;
    main_window.show();
    Open_Every_Window(main_window);

    const QList<QWidget *> windows = Shown_Windows();
    EXPECT_GE(windows.size(), 7);
    for (QWidget *window : windows) {
        const QStringList unnamed = Unnamed_Controls(window);
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join('\n').toStdString();
    }
}
