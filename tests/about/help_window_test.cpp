// The help window: the file shown whole and read-only, Ctrl+F search that
// goes round the text, and the button that hands the file to the editor.

#include "tests/Program_State.h"
#include "ui/about/Help_Window.h"
#include "ui/platform/Platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Help : public ::testing::Test {
  protected:
    void SetUp() override {
        Reset_Program_State();
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath("Help.Txt");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral("一、统计功能\n按 Sta 打开统计框。\n二、存储器\n统计框中的数据。\n")
                .toUtf8());
        file.close();
        Help_Window::Set_Help_File(path);
        window.reset(Help_Window::Open());
        ASSERT_NE(window, nullptr);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        window.reset();
        Reset_Program_State();
    }
    template <class T> T *Find(const char *name) const {
        T *control = window->findChild<T *>(name);
        if (!control) ADD_FAILURE() << "no control " << name;
        return control;
    }
    QPlainTextEdit *Help_Text() const { return Find<QPlainTextEdit>("Help_Text"); }
    QLineEdit *Find_Box() const { return Find<QLineEdit>("Find_Box"); }
    int Selection_Start() const { return Help_Text()->textCursor().selectionStart(); }

    QTemporaryDir folder;
    QString path;
    std::unique_ptr<Help_Window> window;
};

} // namespace

TEST_F(Help, ShowsTheFileReadOnlyAndCtrlFFindsEachPlaceInTurn) {
    const QString text = Help_Text()->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("一、统计功能")));
    EXPECT_TRUE(Help_Text()->isReadOnly());

    Help_Text()->setFocus();
    QTest::keyClick(Help_Text(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(Find_Box()->hasFocus());
    Find_Box()->setText(QStringLiteral("统计框"));
    // Return finds the first place, F3 the next, and then round to the first
    const int first = text.indexOf(QStringLiteral("统计框"));
    const int second = text.indexOf(QStringLiteral("统计框"), first + 1);
    const int expected[] = {first, second, first};
    QTest::keyClick(Find_Box(), Qt::Key_Return);
    EXPECT_EQ(Selection_Start(), expected[0]);
    EXPECT_EQ(Help_Text()->textCursor().selectedText(), QStringLiteral("统计框"));
    QTest::keyClick(Find_Box(), Qt::Key_F3);
    EXPECT_EQ(Selection_Start(), expected[1]);
    QTest::mouseClick(Find<QPushButton>("Find_Butn"), Qt::LeftButton);
    EXPECT_EQ(Selection_Start(), expected[2]);
    EXPECT_TRUE(Find<QLabel>("Find_State")->text().isEmpty());

    // a word that is not there: said so with a beep; the selection stays
    Find_Box()->setText(QStringLiteral("画函数"));
    EXPECT_FALSE(window->Find_Next());
    EXPECT_EQ(Selection_Start(), first);
    EXPECT_FALSE(Find<QLabel>("Find_State")->text().isEmpty());
    EXPECT_EQ(Platform::Recorded_Beeps(), 1);
    EXPECT_EQ(Help_Text()->toPlainText(), text);
}

TEST_F(Help, TheEditorButtonHandsOverTheFileOrWarns) {
    QStringList programs, arguments;
    bool starts = true;
    auto previous =
        Platform::Set_Process_Starter([&](const QString &program, const QStringList &args) {
            programs << program;
            arguments = args;
            return starts;
        });
    QTest::mouseClick(Find<QPushButton>("Open_Editor"), Qt::LeftButton);
    ASSERT_EQ(programs.size(), 1);
    EXPECT_EQ(arguments, QStringList{path});
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());

    starts = false;
    QTest::mouseClick(Find<QPushButton>("Open_Editor"), Qt::LeftButton);
    EXPECT_EQ(Platform::Recorded_Warnings(),
              QStringList{QStringLiteral("帮助文件没有找到,或系统记事本没有安装。   ")});
    EXPECT_EQ(Platform::Recorded_Captions(), QStringList{QStringLiteral("Quorvex")});
    Platform::Set_Process_Starter(previous);
}
