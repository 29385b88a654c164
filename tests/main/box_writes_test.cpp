// How often one key changes the expression line and the display: each at
// most once, whatever steps the key takes on the way, so that a long line is
// laid out once and neither box shows a text that is not the key's answer.

#include "Window_Driver.h"

#include <QSignalSpy>

namespace {

using Box_Writes = Window_Driver;

TEST_F(Box_Writes, EachKeyChangesEachBoxAtMostOnce) {
    struct Case {
        const char *before; // keys pressed first, after a reset
        const char *key;    // the key counted, or nothing for a paste
        const char *paste;  // the text pasted when there is no key
        int expression_changes, display_changes;
        const char *expression, *display;
        int beeps = 0; // an operand cut back beeps once
    };
    const Case cases[] = {
        // digits
        {"1 + 2", "3", nullptr, 0, 1, "1+", "23"},
        {"1 +", "2", nullptr, 0, 1, "1+", "2"},
        {"1 + 2 =", "5", nullptr, 1, 1, "", "5"},
        {"1 2 .", ".", nullptr, 0, 0, "", "12."},
        // an operand over the word's limit is cut back before it is shown
        {"OCT 1 1 1 1 1 1 1 1 1 1 1", "1", nullptr, 0, 0, "", "11111111111", 1},
        // operators and "="
        {"1 + 2", "*", nullptr, 1, 1, "1+2*", "*"},
        {"1 + 2 =", "+", nullptr, 1, 1, "3.+", "+"},
        {"1 + 2 =", "sin", nullptr, 1, 1, "sin", "sin"},
        {"1 + 2", "=", nullptr, 1, 1, "1+2=3.", "3."},
        {"2 * ( 3 + 4 )", "=", nullptr, 1, 1, "2*(3+4)=14.", "14."},
        {"(", "=", nullptr, 1, 1, "", ""},
        {"1 + 2 =", "=", nullptr, 0, 0, "1+2=3.", "3."},
        // number processing and clearing
        {"5", "+/-", nullptr, 0, 1, "", "-5"},
        {"5", "F-E", nullptr, 0, 1, "", "5.e+0"},
        {"4", "1/x", nullptr, 0, 1, "", "0.25"},
        {"1 2", "BS", nullptr, 0, 1, "", "1"},
        {"1 + 2", "CLR", nullptr, 1, 1, "", ""},
        {"5", "BIN", nullptr, 0, 1, "", "101"},
        // pastes: an expression goes to the expression line, an operand is
        // cut back as typing would
        {"", nullptr, "1 + 2", 1, 0, "1 + 2", ""},
        {"1 + 2 =", nullptr, "7 * 8", 1, 1, "7 * 8", ""},
        {"1 + 2 =", nullptr, "7", 1, 1, "", "7"},
        {"OCT 1", nullptr, "1111111111111111", 0, 1, "", "11111111111", 1},
    };
    for (const Case &c : cases) {
        const std::string what = std::string(c.before) + " | " + (c.key ? c.key : c.paste);
        Press("CLR");
        Press(QString::fromLatin1(c.before));
        QSignalSpy expression(Find<QLineEdit>("Expression"), &QLineEdit::textChanged);
        QSignalSpy display(Find<QLineEdit>("Target_Box"), &QLineEdit::textChanged);
        Platform::Clear_Recording();
        if (c.key)
            Press(QString::fromLatin1(c.key));
        else
            Paste(QString::fromLatin1(c.paste));
        EXPECT_EQ(expression.count(), c.expression_changes) << what;
        EXPECT_EQ(display.count(), c.display_changes) << what;
        EXPECT_EQ(Expression(), c.expression) << what;
        EXPECT_EQ(Display(), c.display) << what;
        EXPECT_EQ(Platform::Recorded_Beeps(), c.beeps) << what;
    }
}

// "=" on a pasted expression that the clean-up shortens: the line shows the
// cleaned expression and its result at once, and the history gets that line.
TEST_F(Box_Writes, EqualsShowsTheCleanedLineOnce) {
    Paste(QStringLiteral("1 + 2 * 3"));
    QSignalSpy expression(Find<QLineEdit>("Expression"), &QLineEdit::textChanged);
    QSignalSpy display(Find<QLineEdit>("Target_Box"), &QLineEdit::textChanged);
    Press("=");
    ASSERT_EQ(expression.count(), 1);
    EXPECT_EQ(expression.at(0).at(0).toString(), "1+2*3=7.");
    ASSERT_EQ(display.count(), 1);
    EXPECT_EQ(display.at(0).at(0).toString(), "7.");
    EXPECT_EQ(History_Lines(), QStringList{"1+2*3=7."});
}

} // namespace
