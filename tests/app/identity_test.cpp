// The program's identity on the desktop: one icon on every window, in every
// rendered size, and an application id that names its menu entry.

#include "app/Identity.h"
#include "tests/Every_Window.h"
#include "ui/main/Scin_Cale.h"
#include "ui/platform/Platform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

namespace {
const int Icon_Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// share of the picture that is not transparent: the same drawing at any size
// covers about the same share
double Covered_Share(const QImage &image) {
    qint64 covered = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 127) ++covered;
    return double(covered) / (double(image.width()) * image.height());
}
} // namespace

TEST(Identity, EveryWindowShowsTheApplicationIcon) {
    Identity::Set_Application_Identity();
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());

    Platform::Set_Recording(true);
    Scin_Cale main_window;
    main_window.show();
    Open_Every_Window(main_window);

    const QList<QWidget *> windows = Shown_Windows();
    EXPECT_GE(windows.size(), 7);
    for (QWidget *window : windows)
        EXPECT_EQ(window->windowIcon().cacheKey(), icon.cacheKey())
            << window->objectName().toStdString();
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != &main_window) window->close();
    Platform::Set_Recording(false);
}

TEST(Identity, IconIsRenderedAtEverySizeFromOneDrawing) {
    const QIcon icon = Identity::Application_Icon();
    const QList<QSize> available = icon.availableSizes();
    EXPECT_EQ(available.size(), std::size(Icon_Sizes));

    const QImage largest = icon.pixmap(QSize(256, 256)).toImage();
    const double reference = Covered_Share(largest);
    EXPECT_GT(reference, 0.3); // a blank or cut-off rendering covers far less
    for (int size : Icon_Sizes) {
        EXPECT_TRUE(available.contains(QSize(size, size))) << size;
        // the size's own rendering, not a scaled copy of another
        const QImage image(QStringLiteral(":/icons/%1x%1/io.github.quorvex.Quorvex.png").arg(size));
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        EXPECT_NEAR(Covered_Share(image), reference, 0.1) << size;
    }
}

TEST(Identity, ApplicationIdNamesTheMenuEntryAndIcon) {
    Identity::Set_Application_Identity();
    const QString id = QGuiApplication::desktopFileName();
    EXPECT_EQ(QFileInfo(QStringLiteral(QUORVEX_DESKTOP_ENTRY)).completeBaseName(), id);
    EXPECT_EQ(QFileInfo(QStringLiteral(QUORVEX_SVG_ICON)).completeBaseName(), id);

    QFile entry(QStringLiteral(QUORVEX_DESKTOP_ENTRY));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
    EXPECT_TRUE(lines.contains("Icon=" + id));
}

// The package starts the program through a link in /usr/bin, while Help.Txt
// lies beside the program itself: the program's folder must be the one the
// link leads to. The test starts its own binary through a link and has it
// print the folder it finds.
TEST(Identity, ProgramFolderIsFoundThroughALink) {
    if (qEnvironmentVariableIsSet("QUORVEX_PRINT_PROGRAM_FOLDER")) {
        std::printf("program folder: %s\n", qPrintable(Platform::Program_Folder()));
        return;
    }
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString link = elsewhere.filePath(QStringLiteral("quorvex"));
    ASSERT_TRUE(QFile::link(QCoreApplication::applicationFilePath(), link));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUORVEX_PRINT_PROGRAM_FOLDER"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(link, {QStringLiteral("--gtest_filter=Identity.ProgramFolderIsFoundThroughALink")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    EXPECT_TRUE(output.contains("program folder: " + QCoreApplication::applicationDirPath() + "\n"))
        << output.toStdString();
}
