#pragma once
// Opens every window the main window can open: the statistics box through
// its key, the others through their menu commands; and lists the windows
// on screen.

#include "ui/main/Scin_Cale.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QList>
#include <QTest>
#include <QWidget>

inline void Open_Every_Window(Scin_Cale &main_window) {
    QTest::mouseClick(main_window.findChild<QAbstractButton *>(QStringLiteral("Stac_Butn_0")),
                      Qt::LeftButton);
    for (const char *command : {"Solv_Equn", "Funn_Image", "Fora_Edit", "Menu_Author", "Menu_Cale"})
        main_window.findChild<QAction *>(QLatin1String(command))->trigger();
    QApplication::processEvents();
}

// The top-level windows on screen: main, statistics, solver, plotter,
// formula editor, about and help once every window is open.
inline QList<QWidget *> Shown_Windows() {
    QList<QWidget *> shown;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->isWindow()) shown << window;
    return shown;
}
