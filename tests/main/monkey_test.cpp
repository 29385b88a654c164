// Random use of the main window: clicks on whatever is visible and enabled,
// typed characters, pastes, in every base and word length. Nothing may crash
// or block, and the history must only ever grow by whole calculations.

#include "Monkey_Settings.h"
#include "Window_Driver.h"

#include <QAction>
#include <QTextBlock>
#include <QTextDocument>
#include <random>

namespace {

int History_Count(const Scin_Cale &window) {
    // every line ends with a break
    return window.findChild<QPlainTextEdit *>("History")->document()->blockCount() - 1;
}

QString Last_History_Line(const Scin_Cale &window) {
    const auto *document = window.findChild<QPlainTextEdit *>("History")->document();
    return document->findBlockByNumber(document->blockCount() - 2).text();
}

} // namespace

using Monkey = Window_Driver;

TEST_F(Monkey, RandomUseKeepsTheHistoryWhole) {
    const auto settings = Monkey_Settings::From_Environment(20261207, 20000);
    SCOPED_TRACE(::testing::Message() << "QUORVEX_MONKEY_SEED=" << settings.seed);
    std::mt19937 random(settings.seed);
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

    QList<QAbstractButton *> controls = window->findChildren<QAbstractButton *>();
    const QString typed_characters = QStringLiteral("0123456789.()+-*/==x e!^A");
    const QString paste_characters = QStringLiteral("0123456789.+-*/()^!eEFA sincolgqrt=x数");

    int evaluations = 0, resets = 0, clears = 0;
    for (long long step = 0; step < settings.steps; ++step) {
        const int lines_before = History_Count(*window);
        const bool shown_before = window->State().Result_Shown;
        bool pressed_equals = false;
        bool cleared_all = false;

        const int kind = pick(100);
        if (kind < 76) {
            QAbstractButton *control = kind < 70 ? nullptr : Find<QPushButton>("Oper_Butn_30");
            while (!control) {
                auto *candidate = controls[pick(int(controls.size()))];
                if (candidate->isVisible() && candidate->isEnabled()) control = candidate;
            }
            pressed_equals = control->objectName() == QLatin1String("Oper_Butn_30");
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
        } else if (kind < 90) {
            const QChar c = typed_characters[pick(int(typed_characters.size()))];
            QWidget *focus = QApplication::focusWidget();
            pressed_equals = c == QLatin1Char('=') && focus &&
                             focus->objectName().startsWith(QLatin1String("Oper_Butn_"));
            Type(QString(c));
        } else if (kind < 97) {
            QString text;
            for (int n = pick(14); n > 0; --n)
                text += paste_characters[pick(int(paste_characters.size()))];
            Paste(text);
        } else if (kind < 99) {
            Find<QAction>("Menu_Copy")->trigger();
        } else {
            Find<QAction>("Menu_Clear")->trigger();
            cleared_all = true;
            ++clears;
        }

        const int lines_after = History_Count(*window);
        if (cleared_all) {
            ASSERT_EQ(lines_after, 0) << "step " << step;
            continue;
        }
        ASSERT_GE(lines_after, lines_before) << "history lost a line at step " << step;
        ASSERT_LE(lines_after, lines_before + 1) << "step " << step;
        if (lines_after == lines_before + 1) {
            ASSERT_TRUE(window->State().Result_Shown) << "step " << step;
            ASSERT_EQ(Last_History_Line(*window), Expression()) << "step " << step;
        }
        if (pressed_equals && !shown_before) {
            const bool reset = Display().isEmpty() && Expression().isEmpty() &&
                               CalcModule::Number_Base == 10 && lines_after == lines_before;
            ASSERT_TRUE(lines_after == lines_before + 1 || reset) << "step " << step;
            if (reset)
                ++resets;
            else
                ++evaluations;
        }
    }
    // the run exercised what it is meant to (a short roaming run may not)
    if (settings.steps >= 20000) {
        EXPECT_GT(evaluations, 200);
        EXPECT_GT(resets, 50);
        EXPECT_GT(clears, 20);
    }
    RecordProperty("evaluations", evaluations);
    RecordProperty("resets", resets);
}
