#pragma once
// Drives the main window as a user does: keys and options found by object
// name, clicks on visible enabled keys, characters typed into the focus.

#include "engine/CalcModule.h"
#include "tests/Program_State.h"
#include "ui/main/Key_Table.h"
#include "ui/main/Scin_Cale.h"
#include "ui/platform/Platform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>

// readable failure messages for texts
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

class Window_Driver : public ::testing::Test {
  protected:
    void SetUp() override {
        // the offscreen platform cannot raise windows and says so each time
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (message.startsWith(QLatin1String("This plugin does not support"))) return;
                if (previous) previous(type, context, message);
            });
        Reset_Program_State();
        window = std::make_unique<Scin_Cale>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        Platform::Clear_Recording();
    }
    void TearDown() override {
        window.reset();
        Reset_Program_State();
    }

    template <typename T = QWidget> T *Find(const QString &name) const {
        auto *widget = window->findChild<T *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    // Key names as written in the cases: faces, plus a few spelled-out ones.
    static QString Key_Name(const QString &face) {
        static const std::map<QString, QString> names = [] {
            std::map<QString, QString> m;
            for (const auto family : Key_Table::Families) {
                const auto keys = Key_Table::Keys(family);
                for (std::size_t i = 0; i < keys.size(); ++i)
                    m[QString::fromUtf8(keys[i].face)] =
                        QStringLiteral("%1_%2").arg(Key_Table::Control_Name(family)).arg(i);
            }
            // the faces a test cannot spell in plain letters
            const char *spelled[][2] = {
                {"pi", "∏"}, {"yrt", "ʸ√x"}, {"3rt", "³√x"}, {"10^x", "10ˣ"}};
            for (const auto &[spelling, face] : spelled)
                m[spelling] = m.at(QString::fromUtf8(face));
            m["BS"] = QStringLiteral("Clear_Butn_1");
            m["CLR"] = QStringLiteral("Clear_Butn_2");
            for (int i = 0; i < 5; ++i) {
                m[QStringLiteral("M%1").arg(i + 1)] = QStringLiteral("Save_Memory_%1").arg(i);
                m[QStringLiteral("RM%1").arg(i + 1)] = QStringLiteral("Show_Memory_%1").arg(i);
            }
            const char *stat[] = {"Sta", "Ave", "Sum", "s", "Dat"};
            for (int i = 0; i < 5; ++i) m[stat[i]] = QStringLiteral("Stac_Butn_%1").arg(i);
            return m;
        }();
        const auto found = names.find(face);
        return found == names.end() ? face : found->second;
    }

    // Clicks a key that the user can see and press.
    void Click(const QString &face) {
        auto *key = Find<QPushButton>(Key_Name(face));
        ASSERT_NE(key, nullptr);
        ASSERT_TRUE(key->isVisible() && key->isEnabled()) << face.toStdString();
        QTest::mouseClick(key, Qt::LeftButton);
    }

    // Blank-separated keys; "INV" clicks the inverse box, "HEX" "DEC" "OCT"
    // "BIN" the base options, "W32" "W16" "W8" the word options.
    void Press(const QString &keys) {
        static const std::map<QString, QString> options = {
            {"HEX", "Number_Option_0"}, {"DEC", "Number_Option_1"}, {"OCT", "Number_Option_2"},
            {"BIN", "Number_Option_3"}, {"W32", "Word_Option_0"},   {"W16", "Word_Option_1"},
            {"W8", "Word_Option_2"},    {"DEG", "Angle_Option_0"},  {"RAD", "Angle_Option_1"},
            {"GRAD", "Angle_Option_2"}};
        for (const QString &key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (key == QLatin1String("INV")) {
                QTest::mouseClick(Find<QCheckBox>("Inv_Check"), Qt::LeftButton);
            } else if (const auto o = options.find(key); o != options.end()) {
                auto *option = Find<QRadioButton>(o->second);
                ASSERT_TRUE(option->isVisible()) << key.toStdString();
                QTest::mouseClick(option, Qt::LeftButton);
            } else {
                Click(key);
            }
        }
    }

    // Characters typed on the keyboard, delivered to whatever has the focus.
    void Type(const QString &text) {
        for (QChar c : text) QTest::keyClick(static_cast<QWidget *>(nullptr), c.toLatin1());
    }

    void Paste(const QString &text) {
        Platform::Set_Clipboard_Text(text);
        Find<QAction>("Menu_Past")->trigger();
    }

    QString Display() const { return Find<QLineEdit>("Target_Box")->text(); }
    QString Expression() const { return Find<QLineEdit>("Expression")->text(); }
    QStringList History_Lines() const {
        return History()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QPlainTextEdit *History() const { return Find<QPlainTextEdit>("History"); }
    QString Focus_Name() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    std::unique_ptr<Scin_Cale> window;
};
