#include "app/Identity.h"
#include "ui/main/Scin_Cale.h"
#include "ui/platform/Platform.h"
#include "ui/platform/Translations.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    Identity::Set_Application_Identity();
    Platform::Install_Translations();
    Platform::Install_Engine_Warnings();
    Scin_Cale window;
    window.show();
    return app.exec();
}
