// A monkey that roams every window: it opens the other windows through the
// menus and keys, then clicks, types, picks list items, pastes, resizes,
// scrolls and drags at random in whichever window it lands on. Nothing may
// crash, block on a modal window or leave one open. Seed and step count come
// from the environment (Monkey_Settings.h); scripts/roam.sh runs it for a
// given time under the sanitizers with fresh seeds.

#include "Monkey_Settings.h"
#include "Window_Driver.h"

#include "ui/platform/Files.h"
#include "ui/platform/Long_Task.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <random>

namespace {

class Roam : public Window_Driver {
  protected:
    void SetUp() override {
        Window_Driver::SetUp();
        Platform::Set_Process_Starter([](const QString &, const QStringList &) { return true; });
        Platform::Set_File_Chooser([this](const Platform::File_Request &) {
            // half the dialogs are cancelled, the others name one file that
            // later saves overwrite and opens read back
            return Pick(2) == 0 ? QString() : folder_.filePath(QStringLiteral("roam"));
        });
        // a drawing or search long enough to bring up its dialog is cancelled
        Platform::Long_Task::Simulate_Cancel_After(2000);
    }
    void TearDown() override {
        Window_Driver::TearDown(); // the starter, chooser and cancel go back too
        for (QWidget *left : QApplication::topLevelWidgets())
            if (left->isVisible()) left->close();
        QApplication::processEvents();
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    template <class T> T *Any_Usable(QWidget *window) {
        QList<T *> usable;
        for (T *widget : window->findChildren<T *>())
            if (widget->isVisible() && widget->isEnabled()) usable << widget;
        return usable.isEmpty() ? nullptr : usable[Pick(int(usable.size()))];
    }

    QWidget *Any_Window() {
        QList<QWidget *> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && !qobject_cast<QMenu *>(w) && w->isEnabled()) windows << w;
        return windows.isEmpty() ? nullptr : windows[Pick(int(windows.size()))];
    }

    // Typed texts are ASCII, as the test keyboard has no other keys; pasted
    // ones may hold anything.
    QString Random_Text(bool typed = false) {
        static const QString ascii =
            QStringLiteral("0123456789.,-+*/^()=!eExXyYtabcdrw sincotaglqr");
        static const QString any = ascii + QStringLiteral("数\t\n");
        const QString &characters = typed ? ascii : any;
        int length = Pick(12);
        if (Pick(200) == 0) length = 1 + Pick(5000); // now and then a long one
        QString text;
        for (int i = 0; i < length; ++i) text += characters[Pick(int(characters.size()))];
        return text;
    }

    QPoint Any_Point(QWidget *widget) {
        return QPoint(Pick(std::max(1, widget->width())), Pick(std::max(1, widget->height())));
    }

    void Open_A_Window() {
        QList<QAction *> commands;
        for (QAction *action : window->menuBar()->findChildren<QAction *>())
            if (!action->isSeparator() && action->isEnabled() && !action->menu())
                commands << action;
        if (Pick(6) == 0) {
            if (Window_Driver::Find<QPushButton>("Stac_Butn_0")->isEnabled())
                Window_Driver::Find<QPushButton>("Stac_Butn_0")->click();
        } else if (!commands.isEmpty()) {
            commands[Pick(int(commands.size()))]->trigger();
        }
    }

    void Act_In(QWidget *target) {
        const int kind = Pick(100);
        if (kind < 40) {
            if (auto *button = Any_Usable<QAbstractButton>(target))
                QTest::mouseClick(button, Qt::LeftButton, {},
                                  QPoint(std::min(6, button->width() / 2), button->height() / 2));
        } else if (kind < 60) {
            if (auto *box = Any_Usable<QLineEdit>(target)) {
                box->setFocus();
                if (Pick(2) == 0) box->selectAll();
                QTest::keyClicks(box, Random_Text(true));
                if (Pick(3) == 0) QTest::keyClick(box, Qt::Key_Return);
            }
        } else if (kind < 68) {
            if (auto *combo = Any_Usable<QComboBox>(target); combo && combo->count() > 0) {
                combo->showPopup();
                for (int i = Pick(combo->count()); i > 0; --i)
                    QTest::keyClick(combo->view(), Qt::Key_Down);
                QTest::keyClick(combo->view(), Pick(4) == 0 ? Qt::Key_Escape : Qt::Key_Return);
            }
        } else if (kind < 75) {
            Open_A_Window();
        } else if (kind < 80) {
            Paste(Random_Text());
        } else if (kind < 86) {
            // the mouse on any part: presses, drags, double clicks and the wheel
            QWidget *part = Any_Usable<QWidget>(target);
            if (!part) part = target;
            const QPoint from = Any_Point(part), to = Any_Point(part);
            switch (Pick(4)) {
            case 0:
                QTest::mousePress(part, Qt::LeftButton, {}, from);
                QTest::mouseMove(part, to);
                QTest::mouseRelease(part, Qt::LeftButton, {}, to);
                break;
            case 1:
                QTest::mouseDClick(part, Qt::LeftButton, {}, from);
                break;
            case 2:
                QTest::mouseMove(part, from);
                break;
            default: {
                QWheelEvent wheel(from, part->mapToGlobal(from), {}, {0, Pick(2) ? 120 : -120},
                                  Qt::NoButton, {}, Qt::NoScrollPhase, false);
                QApplication::sendEvent(part, &wheel);
            }
            }
        } else if (kind < 94) {
            static const Qt::Key keys[] = {Qt::Key_Tab,      Qt::Key_Return, Qt::Key_Escape,
                                           Qt::Key_Delete,   Qt::Key_Left,   Qt::Key_Up,
                                           Qt::Key_Backspace};
            static const char characters[] = "+-=1 x.";
            QWidget *focus = QApplication::focusWidget();
            if (Pick(2) == 0)
                QTest::keyClick(focus ? focus : target, keys[Pick(std::size(keys))]);
            else
                QTest::keyClick(focus ? focus : target,
                                characters[Pick(std::size(characters) - 1)]);
        } else if (kind < 97) {
            if (target != Window_Driver::window.get())
                target->resize(50 + Pick(1200), 50 + Pick(900));
        } else if (target != Window_Driver::window.get()) {
            target->close();
        }
    }

    std::mt19937 random_;
    QTemporaryDir folder_;
};

} // namespace

TEST_F(Roam, EveryWindowSurvivesRandomUse) {
    ASSERT_TRUE(folder_.isValid());
    const auto settings = Monkey_Settings::From_Environment(20261208, 3000);
    SCOPED_TRACE(::testing::Message() << "QUORVEX_MONKEY_SEED=" << settings.seed);
    random_.seed(settings.seed);

    QSet<QString> visited;
    for (long long step = 0; step < settings.steps; ++step) {
        QWidget *target = Pick(4) == 0 ? Window_Driver::window.get() : Any_Window();
        if (!target) target = Window_Driver::window.get();
        visited << QString::fromLatin1(target->metaObject()->className());
        Act_In(target);
        QApplication::processEvents();
        // every box and beep is recorded and every long task has ended: a
        // modal window left open would block the user
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "step " << step;
        if (QWidget *popup = QApplication::activePopupWidget()) popup->close();
        // a menu command may close the main window; the user starts it again
        if (!Window_Driver::window->isVisible()) Window_Driver::window->show();
        if (step % 500 == 0) Platform::Clear_Recording();
    }
    RecordProperty("windows", int(visited.size()));
    // a CI-length run gets round every window
    if (settings.steps >= 3000) {
        EXPECT_GE(visited.size(), 5) << QStringList(visited.values()).join(' ').toStdString();
    }
}
