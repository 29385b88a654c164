#include "ui/platform/Controls.h"
#include "ui/platform/Number_Texts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// Boxes hold any characters: one beyond ASCII ends the number like any other
// that is not part of it, and never reads as a digit.
TEST(NumberTexts, LeadingNumberOfABox) {
    struct Case {
        QString text;
        std::optional<double> value;
    };
    const Case cases[] = {{QStringLiteral("12.5"), 12.5},
                          {QStringLiteral("  -3 度"), -3},
                          {QStringLiteral("7×2"), 7},
                          {QStringLiteral("１２"), 0}, // full-width digits
                          {QStringLiteral("٣"), 0},    // another script's digit
                          {QStringLiteral("2😀5"), 2},  // beyond U+FFFF
                          {QStringLiteral("π"), 0},
                          {QString(), 0},
                          {QStringLiteral("1e999"), std::nullopt},
                          {QStringLiteral("-9e400 米"), std::nullopt}};
    for (const auto &c : cases)
        EXPECT_EQ(Platform::Leading_Number(c.text), c.value) << c.text.toStdString();
}

TEST(NumberTexts, NumberTextIsTheStandardText) {
    for (double value : {0.0, -0.0, 2.5, 1.0 / 3, 1e15, -1.5e-7, 1e300})
        EXPECT_EQ(Platform::Number_Text(value).toStdString(),
                  CalcModule::Standard_Number_Text(value))
            << value;
    EXPECT_EQ(Platform::Number_Text(-0.0), QStringLiteral("0"));
    EXPECT_EQ(Platform::Number_Text(1e15), QStringLiteral("1E+15"));
}

TEST(Controls, NamedControlsCarryBothNames) {
    QWidget window;
    EXPECT_EQ(Platform::Indexed_Name("Digl_Butn", 0), QStringLiteral("Digl_Butn_0"));
    EXPECT_EQ(Platform::Indexed_Name("Combo1", 12), QStringLiteral("Combo1_12"));

    auto *key = Platform::Named<QPushButton>(Platform::Indexed_Name("Key", 3), QStringLiteral("三"),
                                             QStringLiteral("3"), &window);
    EXPECT_EQ(key->parent(), &window);
    EXPECT_EQ(key->objectName(), QStringLiteral("Key_3"));
    EXPECT_EQ(key->accessibleName(), QStringLiteral("三"));
    EXPECT_EQ(key->text(), QStringLiteral("3"));
    EXPECT_EQ(window.findChild<QPushButton *>(QStringLiteral("Key_3")), key);

    // no accessible name given: the control keeps what it would announce anyway
    auto *label =
        Platform::Named<QLabel>(QStringLiteral("Note"), QString(), QStringLiteral("说明"), &window);
    EXPECT_EQ(label->objectName(), QStringLiteral("Note"));
    EXPECT_TRUE(label->accessibleName().isEmpty());
    EXPECT_EQ(label->text(), QStringLiteral("说明"));
}
