// The solver's result boxes show every message and result whole, also with
// the window at its smallest size.

#include "tests/Program_State.h"
#include "ui/platform/Platform.h"
#include "ui/solver/Solv_Equn_Form.h"

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Whether the box shows the text from its first to its last character: the
// box scrolls only a text wider than itself to bring the end into view.
int Cursor_X(const QLineEdit *box) {
    return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

bool Shows_Whole(QLineEdit *box) {
    const QString text = box->text();
    box->setCursorPosition(0);
    const int start = Cursor_X(box);
    box->setCursorPosition(int(text.size()));
    const int end = Cursor_X(box);
    return std::abs(end - start - box->fontMetrics().horizontalAdvance(text)) <= 1 &&
           end < box->contentsRect().right();
}

} // namespace

TEST(Solver_Layout, MessagesAndResultsFitTheirBoxesAtTheSmallestSize) {
    Reset_Program_State();
    Solv_Equn_Form form;
    form.show();
    form.layout()->activate();
    form.resize(form.minimumSize().expandedTo(form.minimumSizeHint()));
    QApplication::processEvents();
    ASSERT_EQ(form.size(), form.minimumSize().expandedTo(form.minimumSizeHint()));

    struct Case {
        const char *equation, *lower, *precision, *max_error;
    };
    const Case searches[] = {
        {"x+1=x", "-1000", "0", "1e-6"},                 // no solution
        {"x^2", "-1000", "0", "1e-6"},                   // no "=": expression error
        {"x=1", "1e999", "0", "1e-6"},                   // bound beyond the number range
        {"x=1", "-1000", "99999", "1e-6"},               // precision beyond its range
        {"x=1", "-1000", "0", "1e999"},                  // maximum error beyond the number range
        {"x=-0.000123456789012345", "-1", "-1", "1e-6"}, // a result of 15 digits
    };
    const auto box = [&form](const char *name) { return form.findChild<QLineEdit *>(name); };
    QLineEdit *const result = box("X_Result"), *const error = box("Error_Box");
    ASSERT_TRUE(result && error);
    for (const auto &c : searches) {
        box("Equn_Expn")->setText(QString::fromUtf8(c.equation));
        box("E_min")->setText(QString::fromUtf8(c.lower));
        form.findChild<QComboBox *>("Precision")->setEditText(QString::fromUtf8(c.precision));
        box("Max_Error")->setText(QString::fromUtf8(c.max_error));
        QTest::mouseClick(form.findChild<QPushButton *>("Command4"), Qt::LeftButton);
        EXPECT_TRUE(Shows_Whole(result)) << result->text().toStdString();
        EXPECT_TRUE(Shows_Whole(error)) << error->text().toStdString();
    }
    // the longest texts a number can have
    result->setText(QStringLiteral(" X =-1.23456789012346E-308"));
    EXPECT_TRUE(Shows_Whole(result));
    error->setText(QStringLiteral("误差:1.23456789012346E+308"));
    EXPECT_TRUE(Shows_Whole(error));
}
