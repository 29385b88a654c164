#include "ui/main/Scin_Cale.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    Scin_Cale window;
    window.show();
    return app.exec();
}
