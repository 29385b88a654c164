#include "app/Identity.h"

#include <QApplication>
#include <QIcon>

namespace Identity {

QIcon Application_Icon() {
    // rendered from the SVG at build time and built into the program, so the
    // windows show the icon also when it is run from the build folder
    static const int sizes[] = {QUORVEX_ICON_SIZES};
    QIcon icon;
    for (int size : sizes)
        icon.addFile(QStringLiteral(":/icons/%1x%1/" QUORVEX_APP_ID ".png").arg(size),
                     QSize(size, size));
    return icon;
}

void Set_Application_Identity() {
    QApplication::setApplicationVersion(QStringLiteral(QUORVEX_VERSION));
    // Wayland compositors and task bars find the menu entry, and with it the
    // name and icon, by this id
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEX_APP_ID));
    QApplication::setWindowIcon(Application_Icon());
}

} // namespace Identity
