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
    for (QAction *command : {main_window.Solv_Equn, main_window.Funn_Image, main_window.Fora_Edit,
                             main_window.Menu_Author, main_window.Menu_Cale})
        command->trigger();
    QApplication::processEvents();
}
