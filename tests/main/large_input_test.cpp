// Large texts in the main window: cut-back of over-long operands, "=" on a
// long pasted expression, long memory registers, and text boxes of every
// window that take any length.

#include "Window_Driver.h"

#include "ui/platform/Elided_Label.h"
#include "ui/platform/Long_Task.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <limits>

namespace {

using Large_Input = Window_Driver;

QString Sum_Of_Ones(int ones) {
    QString text = QStringLiteral("1");
    for (int i = 1; i < ones; ++i) text += QStringLiteral("+1");
    return text;
}

TEST_F(Large_Input, AnOverLongPasteIsCutBackOnceToWhatTypingLeaves) {
    struct Case {
        const char *modes;
        QString digits;
        const char *kept;
    };
    const Case cases[] = {
        {"OCT", QString(40, QLatin1Char('1')), "11111111111"},
        {"BIN", QString(40, QLatin1Char('1')), "1111111111111111111111111111111"},
        {"HEX W16", QStringLiteral("123456789"), "1234"},
        {"OCT W8", QStringLiteral("0000777777"), "000077"},
        {"BIN W8", QStringLiteral("000111111111"), "00011111111"},
    };
    for (const Case &c : cases) {
        const QString modes = QString::fromLatin1(c.modes);
        Press("CLR " + modes);
        for (QChar digit : c.digits) Press(QString(digit));
        const QString typed = Display();
        EXPECT_EQ(typed, c.kept) << c.modes;

        Press("CLR " + modes + " 1");
        Platform::Clear_Recording();
        Paste(c.digits);
        EXPECT_EQ(Display(), typed) << c.modes;
        EXPECT_EQ(Platform::Recorded_Beeps(), 1) << c.modes;
    }
    // a megabyte of "1" in octal: eleven digits and one beep
    Press("CLR OCT 1");
    Platform::Clear_Recording();
    Paste(QString(1 << 20, QLatin1Char('1')));
    EXPECT_EQ(Display(), QString(11, QLatin1Char('1')));
    EXPECT_EQ(Platform::Recorded_Beeps(), 1);
}

TEST_F(Large_Input, EqualsOnALongExpressionKeepsTheWholeLineInTheHistory) {
    const QString sum = Sum_Of_Ones(100001); // 200 KB
    Paste(sum);
    Type("=");
    EXPECT_EQ(Display(), "100001.");
    const QString line = sum + QStringLiteral("=100001.");
    EXPECT_EQ(Expression(), line);
    EXPECT_EQ(History_Lines(), QStringList{line});
    // copying from the history gives the whole line
    History()->selectAll();
    History()->copy();
    EXPECT_EQ(Platform::Clipboard_Text().trimmed(), line);
}

TEST_F(Large_Input, EqualsOnAMegabyteOffersCancel) {
    const QString sum = Sum_Of_Ones(500001); // a megabyte: the dialog comes at once
    const int dialogs = Platform::Long_Task::Dialogs_Shown();
    Paste(sum);
    for (int cancel_at : {1, 2, 3}) {
        Platform::Long_Task::Simulate_Cancel_After(cancel_at);
        Press("=");
        Platform::Long_Task::Simulate_Cancel_After(-1);
        // as before "=": nothing evaluated, nothing in the history
        EXPECT_EQ(Expression(), sum) << cancel_at;
        EXPECT_TRUE(Display().isEmpty()) << cancel_at;
        EXPECT_TRUE(History_Lines().isEmpty()) << cancel_at;
        EXPECT_FALSE(window->State().Result_Shown) << cancel_at;
    }
    Press("=");
    EXPECT_EQ(Display(), "500001.");
    EXPECT_EQ(History_Lines(), QStringList{sum + QStringLiteral("=500001.")});
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), dialogs + 4);
    // a short calculation shows none
    Press("CLR 1 + 2 =");
    EXPECT_EQ(Platform::Long_Task::Dialogs_Shown(), dialogs + 4);
}

TEST_F(Large_Input, ALongMemoryIsShownShortAndRecalledWhole) {
    auto *memory = Find<Platform::Elided_Label>("Memory_0");
    ASSERT_NE(memory, nullptr);
    const QString big = QString(100000, QLatin1Char('7'));
    Paste(big);
    Press("M1");
    EXPECT_EQ(memory->text(), big);
    EXPECT_LE(memory->Shown_Text().size(), Platform::Elided_Label::Shown_Limit);
    EXPECT_TRUE(memory->Shown_Text().endsWith(QChar(0x2026)));
    const QStringList tip_lines = memory->toolTip().split(QLatin1Char('\n'));
    EXPECT_EQ(tip_lines.size(), 10);
    EXPECT_EQ(tip_lines.join(QString()), big.left(1000) + QChar(0x2026));
    Press("CLR RM1");
    EXPECT_EQ(Display(), big);

    // a short value is shown as it is
    Press("CLR 4 2 M1");
    EXPECT_EQ(memory->Shown_Text(), "42");
    EXPECT_EQ(memory->toolTip(), "42");
    Find<QAction>("Menu_Clear")->trigger();
    EXPECT_TRUE(memory->text().isEmpty());
    EXPECT_TRUE(memory->toolTip().isEmpty());
}

TEST_F(Large_Input, EveryTextBoxOfEveryWindowTakesAnyLength) {
    Press("Sta");
    for (QAction *command :
         {Find<QAction>("Solv_Equn"), Find<QAction>("Funn_Image"), Find<QAction>("Fora_Edit")})
        command->trigger();
    QApplication::processEvents();
    int boxes = 0;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        for (auto *box : top->findChildren<QLineEdit *>()) {
            EXPECT_EQ(box->maxLength(), std::numeric_limits<int>::max())
                << top->metaObject()->className() << "/" << box->objectName().toStdString();
            ++boxes;
        }
    }
    EXPECT_GE(boxes, 20);
}

} // namespace
