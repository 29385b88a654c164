#pragma once
// Opens every window the main window can open: the statistics box through
// its key, the others through their menu commands.

#include "ui/main/Scin_Cale.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>

inline void Open_Every_Window(Scin_Cale &main_window) {
    QTest::mouseClick(main_window.findChild<QAbstractButton *>(QStringLiteral("Stac_Butn_0")),
                      Qt::LeftButton);
    for (const char *command : {"Solv_Equn", "Funn_Image", "Fora_Edit", "Menu_Author", "Menu_Cale"})
        main_window.findChild<QAction *>(QLatin1String(command))->trigger();
    QApplication::processEvents();
}
