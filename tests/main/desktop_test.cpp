// The main window on the desktop: keys typed on the keyboard, the Tab chain,
// the history's focus and scrolling, legible face colours in light and dark
// schemes, window placement, the toolkit's Chinese texts and closing.

#include "Window_Driver.h"

#include "tests/Every_Window.h"
#include "ui/main/Scin_Cale_Colours.h"
#include "ui/platform/Controls.h"
#include "ui/platform/Screen_Fit.h"
#include "ui/platform/Translations.h"

#include <QAction>
#include <QClipboard>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <vector>

namespace {

// One keyboard key as Qt delivers it: a key code with its text, or a
// printable character.
struct Key_Press {
    Qt::Key key;
    char text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void Type_Keys(const std::vector<Key_Press> &keys) {
    for (const auto &k : keys) {
        if (k.key == Qt::Key_unknown)
            QTest::keyClick(static_cast<QWidget *>(nullptr), k.text);
        else
            QTest::keyClick(static_cast<QWidget *>(nullptr), k.key, k.modifiers);
    }
}

std::vector<Key_Press> Chars(const char *text) {
    std::vector<Key_Press> keys;
    for (const char *c = text; *c; ++c) keys.push_back({Qt::Key_unknown, *c});
    return keys;
}

std::vector<Key_Press> operator+(std::vector<Key_Press> a, const std::vector<Key_Press> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<Key_Press> Return = {{Qt::Key_Return, '\r'}};
const std::vector<Key_Press> Enter = {{Qt::Key_Enter, '\r', Qt::KeypadModifier}};
const std::vector<Key_Press> Backspace = {{Qt::Key_Backspace, '\b'}};
const std::vector<Key_Press> Escape = {{Qt::Key_Escape, '\x1b'}};

QPalette Light_Palette() {
    QPalette p(QColor(0xef, 0xef, 0xef), QColor(0xef, 0xef, 0xef));
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x9f, 0x9f, 0x9f));
    return p;
}

QPalette Dark_Palette() {
    QPalette p(QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x7f, 0x7f, 0x7f));
    return p;
}

} // namespace

using Keyboard = Window_Driver;

TEST_F(Keyboard, TypedKeysGoThroughTheirOnScreenKeys) {
    struct Case {
        const char *before; // options chosen first
        std::vector<Key_Press> typed;
        const char *display, *expression;
        int beeps;
    };
    const Case cases[] = {
        // Return calculates, so the next digits start a new expression
        {"", Chars("12+5") + Return + Chars("9*9"), "9", "9*", 8},
        {"", Chars("2*3") + Enter, "6.", "2*3=6.", 4},
        {"", Chars("2") + Return + Return, "2.", "2=2.", 3},
        {"", Chars("2^10="), "1024.", "2^10=1024.", 5},
        {"", Chars("5!+1="), "121.", "5!+1=121.", 5},
        {"", Chars("123") + Backspace, "12", "", 4},
        {"", Chars("1+2") + Escape, "", "", 4},
        // in hexadecimal the letters are digits, small or capital
        {"HEX", Chars("aB+cdef="), "CE9A", "AB+CDEF=CE9A", 8},
        {"HEX", Chars("ff") + Backspace + Chars("a"), "FA", "", 4},
        // elsewhere they have no key; Escape brings back decimal
        {"", Chars("1a"), "1", "", 2},
        {"", Chars("e"), "", "", 1},
        {"HEX", Chars("g") + Escape, "", "", 2},
        // a key the base has switched off only beeps
        {"BIN", Chars("19"), "1", "", 2},
    };
    for (const auto &c : cases) {
        // Backspace on the empty display only hands the focus back to "="
        Press(QStringLiteral("CLR %1 BS").arg(QLatin1String(c.before)));
        Platform::Clear_Recording();
        Type_Keys(c.typed);
        EXPECT_EQ(Display(), c.display) << c.display;
        EXPECT_EQ(Expression(), c.expression) << c.display;
        EXPECT_EQ(Platform::Recorded_Beeps(), c.beeps) << c.display;
        EXPECT_EQ(Focus_Name(), "Oper_Butn_30") << c.display;
    }
    Press("CLR");
    EXPECT_EQ(CalcModule::Number_Base, 10);
}

using Tab_Chain = Window_Driver;

namespace {
QStringList Walk(Qt::Key key, int limit = 200) {
    QStringList visited;
    QWidget *start = QApplication::focusWidget();
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(static_cast<QWidget *>(nullptr), key);
        QWidget *now = QApplication::focusWidget();
        if (!now) break;
        visited << now->objectName();
        if (now == start) break;
    }
    return visited;
}

QStringList Names(const char *prefix, std::initializer_list<int> indices) {
    QStringList names;
    for (int i : indices) names << Platform::Indexed_Name(prefix, i);
    return names;
}
} // namespace

TEST_F(Tab_Chain, VisitsEveryControlOnceInReadingOrderAndReturns) {
    const QStringList pad =
        Names("Oper_Butn", {12, 17, 6, 8}) + Names("Digl_Butn", {10, 7, 8, 9}) +
        Names("Oper_Butn", {2, 3}) + Names("Stac_Butn", {0}) + Names("Oper_Butn", {13, 18, 7, 9}) +
        Names("Digl_Butn", {11, 4, 5, 6}) + Names("Oper_Butn", {4, 5}) + Names("Stac_Butn", {1}) +
        Names("Oper_Butn", {14, 19, 28, 10}) + Names("Digl_Butn", {12, 1, 2, 3}) +
        Names("Oper_Butn", {0, 1}) + Names("Stac_Butn", {2}) +
        Names("Oper_Butn", {15, 16, 29, 11}) + Names("Digl_Butn", {13, 0}) +
        Names("Digl_ProsButn", {0}) + Names("Digl_Butn", {16}) + Names("Oper_Butn", {30}) +
        Names("Stac_Butn", {3}) + Names("Digl_ProsButn", {1, 3, 2}) +
        Names("Digl_Butn", {18, 14, 15, 17, 19}) + Names("Stac_Butn", {4});
    const QStringList memories = Names("Show_Memory", {0}) + Names("Save_Memory", {0}) +
                                 Names("Show_Memory", {1}) + Names("Save_Memory", {1}) +
                                 Names("Show_Memory", {2}) + Names("Save_Memory", {2}) +
                                 Names("Show_Memory", {3}) + Names("Save_Memory", {3}) +
                                 Names("Show_Memory", {4}) + Names("Save_Memory", {4});
    const QStringList top = {"Number_Option_1", "Angle_Option_0", "Inv_Check",   "Expression",
                             "Target_Box",      "Clear_Butn_2",   "Clear_Butn_1"};
    // disabled keys are passed over: "Ave" to "Dat" until "Sta" is pressed,
    // the hexadecimal digits outside base 16
    QStringList reading;
    for (const QString &name : top + pad + memories + QStringList{"History"})
        if (Find(name)->isEnabled()) reading << name;

    // from the start, where "=" has the focus, round the window back to "="
    ASSERT_EQ(Focus_Name(), "Oper_Butn_30");
    const qsizetype equals = reading.indexOf("Oper_Butn_30");
    const QStringList expected = reading.mid(equals + 1) + reading.mid(0, equals + 1);
    EXPECT_EQ(Walk(Qt::Key_Tab), expected);
    QStringList backwards(expected.rbegin() + 1, expected.rend());
    backwards << "Oper_Butn_30";
    EXPECT_EQ(Walk(Qt::Key_Backtab), backwards);

    // the inverse keys stand where their plain keys were
    Press("INV");
    const QStringList inverse = Walk(Qt::Key_Tab);
    EXPECT_EQ(inverse.mid(inverse.indexOf("Clear_Butn_1"), 3),
              (QStringList{"Clear_Butn_1", "Oper_Butn_20", "Oper_Butn_25"}));
    EXPECT_FALSE(inverse.contains("Oper_Butn_12"));

    // in hexadecimal the word lengths stand where the angle units were; Tab
    // stops once in each group, at the chosen option
    Press("HEX W16");
    window->Target_Box->setFocus();
    const QStringList hex = Walk(Qt::Key_Tab);
    EXPECT_EQ(hex.mid(hex.indexOf("Number_Option_0"), 4),
              (QStringList{"Number_Option_0", "Word_Option_1", "Inv_Check", "Expression"}));
    EXPECT_TRUE(hex.contains("Digl_Butn_15"));
    EXPECT_FALSE(hex.contains("Angle_Option_0"));
    EXPECT_EQ(hex.size(), QSet<QString>(hex.begin(), hex.end()).size())
        << hex.join(' ').toStdString();
}

TEST_F(Tab_Chain, TabLeavesTheHistoryBothWays) {
    Press("1 + 2 =");
    const QString before = window->History->toPlainText();
    window->History->setFocus();
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Tab);
    EXPECT_EQ(Focus_Name(), "Number_Option_1");
    window->History->setFocus();
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Backtab);
    EXPECT_EQ(Focus_Name(), "Save_Memory_4");
    EXPECT_EQ(window->History->toPlainText(), before);
}

using History_View = Window_Driver;

TEST_F(History_View, FollowsTheNewestLineUnlessTheUserScrolledUp) {
    QScrollBar *bar = window->History->verticalScrollBar();
    const auto Add = [this](int lines) {
        for (int i = 0; i < lines; ++i) Type("1+1=");
    };
    Add(30);
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    // the last line itself is inside the view
    QTextCursor last(window->History->document()->lastBlock());
    EXPECT_LE(window->History->cursorRect(last).bottom(), window->History->viewport()->height());

    bar->setValue(3); // the user reads an older line
    Add(5);
    EXPECT_EQ(bar->value(), 3);
    bar->setValue(bar->maximum()); // and comes back to the end
    Add(5);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(History_View, PasteTakesOnlyText) {
    Press("1 + 2 =");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->History->setFocus();
    window->History->moveCursor(QTextCursor::End);
    const QString before = window->History->toPlainText();

    // an empty clipboard (as after a desktop's start, or when the program that
    // copied has ended) and a picture paste nothing, and the program goes on
    QApplication::clipboard()->setMimeData(new QMimeData);
    QTest::keyClick(window->History, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->History->toPlainText(), before);
    QApplication::clipboard()->clear();
    QTest::keyClick(window->History, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->History->toPlainText(), before);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QApplication::clipboard()->setImage(picture);
    QTest::keyClick(window->History, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->History->toPlainText(), before);

    // text is pasted as before
    QApplication::clipboard()->setText(QStringLiteral("4*5"));
    QTest::keyClick(window->History, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->History->toPlainText(), before + QStringLiteral("4*5"));
}

// ---- colours ----

TEST(Key_Colours, ShadesReachTheRatioOnEveryFaceFromBlackToWhite) {
    const QColor hues[] = {Qt::blue, Qt::red, Qt::magenta};
    for (int grey = 0; grey <= 255; grey += 5) {
        const QColor face(grey, grey, grey);
        // no colour at all reaches 4.5:1 on a face whose best is below it
        const double best = std::max(Key_Colours::Contrast_Ratio(Qt::black, face),
                                     Key_Colours::Contrast_Ratio(Qt::white, face));
        for (const QColor &hue : hues) {
            const QColor shade = Key_Colours::Legible_Shade(hue, face);
            EXPECT_GE(Key_Colours::Contrast_Ratio(shade, face),
                      std::min(Key_Colours::Minimum_Ratio, best))
                << grey << " " << hue.name().toStdString();
            if (shade != QColor(Qt::black) && shade != QColor(Qt::white)) {
                EXPECT_EQ(shade.hsvHue(), hue.hsvHue()) << grey;
            }
        }
    }
    // the measure itself: black on white is 21:1, a colour on itself 1:1
    EXPECT_NEAR(Key_Colours::Contrast_Ratio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(Key_Colours::Contrast_Ratio(Qt::red, Qt::red), 1.0, 1e-9);
    EXPECT_NEAR(Key_Colours::Contrast_Ratio(Qt::red, QColor(0xef, 0xef, 0xef)), 3.47, 0.01);
}

using Face_Colours = Window_Driver;

TEST_F(Face_Colours, EveryKeyIsLegibleInLightAndDarkSchemesAndFollowsAChange) {
    const QPalette original = QApplication::palette();
    const QPalette original_buttons = QApplication::palette("QAbstractButton");
    for (const QPalette &scheme : {Light_Palette(), Dark_Palette()}) {
        // a change of the desktop's scheme while the window is open; the
        // desktop's theme gives buttons a palette of their own as well
        QApplication::setPalette(scheme);
        QApplication::setPalette(scheme, "QAbstractButton");
        for (auto *key : window->findChildren<QPushButton *>()) {
            const QPalette p = key->palette();
            ASSERT_EQ(p.color(QPalette::Button), scheme.color(QPalette::Button));
            for (const auto group : {QPalette::Active, QPalette::Inactive}) {
                const double ratio = Key_Colours::Contrast_Ratio(
                    p.color(group, QPalette::ButtonText), p.color(group, QPalette::Button));
                EXPECT_GE(ratio, 4.5) << key->objectName().toStdString() << " on "
                                      << p.color(group, QPalette::Button).name().toStdString();
            }
            // a disabled key keeps the scheme's own disabled text
            EXPECT_EQ(p.color(QPalette::Disabled, QPalette::ButtonText),
                      QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText))
                << key->objectName().toStdString();
        }
        const struct {
            const char *name;
            QColor hue;
        } hues[] = {{"Digl_Butn_7", Qt::blue},
                    {"Oper_Butn_2", Qt::red},
                    {"Digl_ProsButn_1", Qt::magenta},
                    {"Stac_Butn_4", Qt::magenta}};
        for (const auto &h : hues)
            EXPECT_EQ(Find<QPushButton>(h.name)
                          ->palette()
                          .color(QPalette::Active, QPalette::ButtonText)
                          .hsvHue(),
                      h.hue.hsvHue())
                << h.name;
    }
    QApplication::setPalette(original);
    QApplication::setPalette(original_buttons, "QAbstractButton");
}

// ---- screen ----

TEST(Screen_Fit, FramesStayInsideTheFreeAreaAndCentreOverTheirWindow) {
    const QRect screen(0, 30, 960, 570); // 1920x1200 at 200 %, less a panel
    const QMargins frame(4, 30, 4, 4);
    struct Case {
        QSize wanted, minimum;
        QRect over, expected;
    };
    const Case cases[] = {
        // too wide and too tall: the free area, frame included
        {{1110, 700}, {761, 361}, {}, {0, 30, 960, 570}},
        // small enough: as wanted, centred on the free area
        {{400, 200}, {100, 100}, {}, {276, 198, 408, 234}},
        // centred over the main window
        {{200, 100}, {50, 50}, {100, 100, 600, 400}, {296, 233, 208, 134}},
        // over a window near the edge: moved back onto the screen
        {{300, 200}, {50, 50}, {800, 500, 300, 200}, {652, 366, 308, 234}},
        // a minimum larger than the screen: the title bar stays reachable
        {{1200, 300}, {1000, 100}, {100, 100, 600, 400}, {0, 133, 1008, 334}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Platform::Fitted_Frame(c.wanted, c.minimum, screen, frame, c.over), c.expected)
            << c.wanted.width() << "x" << c.wanted.height();
}

using Window_Placement = Window_Driver;

TEST_F(Window_Placement, EveryWindowOpensOnTheScreenCentredOverTheMainWindow) {
    const QRect free = window->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(window->frameGeometry())) << window->width();
    Open_Every_Window(*window);
    int others = 0;
    for (QWidget *other : QApplication::topLevelWidgets()) {
        if (!other->isVisible() || other == window.get()) continue;
        ++others;
        const QString name = other->objectName();
        EXPECT_TRUE(free.contains(other->frameGeometry())) << name.toStdString();
        // centred, unless the screen's edge pushed it aside
        const QPoint off = other->frameGeometry().center() - window->frameGeometry().center();
        const bool at_edge = other->frameGeometry().left() == free.left() ||
                             other->frameGeometry().right() == free.right() ||
                             other->frameGeometry().top() == free.top() ||
                             other->frameGeometry().bottom() == free.bottom();
        EXPECT_TRUE(off.manhattanLength() <= 2 || at_edge) << name.toStdString();
    }
    EXPECT_EQ(others, 6);
}

// ---- desktop ----

TEST(Toolkit_Texts, StandardButtonsReadInChinese) {
    ASSERT_TRUE(Platform::Install_Translations())
        << "Qt's Chinese translations (qt6-translations-l10n) are not installed";
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), QStringLiteral("x"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
}

using Closing = Window_Driver;

TEST_F(Closing, ClosingTheMainWindowClosesTheOthersAndEndsTheEventLoop) {
    Press("Sta");
    window->Solv_Equn->trigger();
    window->Fora_Edit->trigger();
    window->Menu_Cale->trigger();
    QList<QPointer<QWidget>> others;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != window.get()) others << w;
    ASSERT_EQ(others.size(), 4);

    bool ended_by_close = false;
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    // a loop that the close does not end fails the test instead of hanging it
    QTimer::singleShot(10000, [] { QApplication::exit(1); });
    ended_by_close = QApplication::exec() == 0;
    EXPECT_TRUE(ended_by_close);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const auto &other : others) EXPECT_TRUE(other.isNull() || !other->isVisible());
    EXPECT_FALSE(window->isVisible());
    // the statistics keys went back to their state without the window
    EXPECT_TRUE(Find<QPushButton>("Stac_Butn_0")->isEnabled());
}
