// The advanced and help menus: every command opens its window once, brings it
// forward on a second use and starts afresh after a close; the help text opens
// in a window of its own.

#include "tests/main/Window_Driver.h"
#include "ui/about/Author.h"
#include "ui/about/Help_Window.h"
#include "ui/formula/Formula_Edit.h"
#include "ui/plot/Func_Image.h"
#include "ui/solver/Solv_Equn_Form.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>

namespace {

template <class Window> QList<Window *> Open_Windows() {
    QList<Window *> found;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            found << window;
    return found;
}

using Menus = Window_Driver;

template <class Window> void Check_Opens_Once(QAction *command) {
    command->trigger();
    QApplication::processEvents();
    auto first = Open_Windows<Window>();
    ASSERT_EQ(first.size(), 1) << command->objectName().toStdString();
    QPointer<Window> opened = first.front();

    command->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Open_Windows<Window>(), QList<Window *>{opened.data()});

    opened->close();
    QApplication::processEvents(); // deleted on close
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull()) << command->objectName().toStdString();
    EXPECT_TRUE(Open_Windows<Window>().isEmpty());

    command->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Open_Windows<Window>().size(), 1);
}

} // namespace

TEST_F(Menus, EachCommandOpensOneWindowAndBringsItForward) {
    Check_Opens_Once<Solv_Equn_Form>(Find<QAction>("Solv_Equn"));
    Check_Opens_Once<Func_Image>(Find<QAction>("Funn_Image"));
    Check_Opens_Once<Formula_Edit>(Find<QAction>("Fora_Edit"));
    Check_Opens_Once<Author>(Find<QAction>("Menu_Author"));
    window.reset(); // the main window takes the others with it
    EXPECT_TRUE(Open_Windows<Solv_Equn_Form>().isEmpty());
    EXPECT_TRUE(Open_Windows<Func_Image>().isEmpty());
}

TEST_F(Menus, ShortcutsTriggerTheirCommands) {
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Open_Windows<Solv_Equn_Form>().size(), 1);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Open_Windows<Func_Image>().size(), 1);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    Press("4 2");
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Platform::Clipboard_Text(), "42");
    Press("+ 1 =");
    QTest::keyClick(window.get(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(History_Lines().isEmpty());
    EXPECT_TRUE(Display().isEmpty());
}

TEST_F(Menus, PlotterSwitchesTheWholeProgramToRadians) {
    Press("GRAD");
    Find<QAction>("Funn_Image")->trigger();
    EXPECT_EQ(CalcModule::Angle_Unit, 1);
    EXPECT_TRUE(Find<QRadioButton>("Angle_Option_1")->isChecked());
}

TEST_F(Menus, HelpOpensOneWindowWithTheFileOrWarnsOnce) {
    Find<QAction>("Menu_Cale")->trigger();
    QApplication::processEvents();
    const auto opened = Open_Windows<Help_Window>();
    ASSERT_EQ(opened.size(), 1);
    QFile file(QApplication::applicationDirPath() + "/Help.Txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto *text = opened.front()->findChild<QPlainTextEdit *>("Help_Text");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->toPlainText(), QString::fromUtf8(file.readAll()));
    EXPECT_TRUE(text->isReadOnly());
    Find<QAction>("Menu_Cale")->trigger();
    EXPECT_EQ(Open_Windows<Help_Window>(), opened);
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
    opened.front()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // no file, or one that cannot be read: the message, once, and no window
    QTemporaryDir folder;
    for (const QString &path : {folder.filePath("Help.Txt"), folder.path()}) {
        Platform::Clear_Recording();
        Help_Window::Set_Help_File(path);
        Find<QAction>("Menu_Cale")->trigger();
        EXPECT_EQ(Platform::Recorded_Warnings(),
                  QStringList{QStringLiteral("帮助文件没有找到,或系统记事本没有安装。   ")})
            << path.toStdString();
        EXPECT_EQ(Platform::Recorded_Captions(), QStringList{QStringLiteral("Quorvex")});
        EXPECT_TRUE(Open_Windows<Help_Window>().isEmpty());
    }
    Help_Window::Set_Help_File(QString());
}
