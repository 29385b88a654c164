// The window on the desktop: the order Tab visits the controls in, the
// keyboard keys named in the tooltips, the history that keeps its newest
// line in view, the size and place on the screen, and closing, which ends
// the program.

#include "ui/main/Scin_Cale.h"

#include "ui/platform/Follow_End.h"
#include "ui/platform/Screen_Fit.h"
#include "ui/platform/Tab_Chain.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

void Scin_Cale::Build_Keyboard_And_Screen() {
    // the reading order: modes, the two text lines with their clear keys, the
    // key pad row by row, the memories, the history
    std::vector<QWidget *> chain;
    for (auto *option : Number_Option) chain.push_back(option);
    for (auto *option : Angle_Option) chain.push_back(option);
    for (auto *option : Word_Option) chain.push_back(option);
    chain.insert(chain.end(), {Inv_Check, Expression, Target_Box, Clear_Butn[2], Clear_Butn[1]});
    // an inverse key stands in its plain key's place and follows it
    const auto O = [this](int i) -> QWidget * { return Oper_Butn[i]; };
    const auto D = [this](int i) -> QWidget * { return Digl_Butn[i]; };
    const auto P = [this](int i) -> QWidget * { return Digl_ProsButn[i]; };
    const auto S = [this](int i) -> QWidget * { return Stac_Butn[i]; };
    chain.insert(chain.end(), {O(12), O(20), O(17), O(25), O(6), O(8), D(10), D(7), D(8), D(9),
                               O(2), O(3), S(0)});
    chain.insert(chain.end(), {O(13), O(21), O(18), O(26), O(7), O(9), D(11), D(4), D(5), D(6),
                               O(4), O(5), S(1)});
    chain.insert(chain.end(), {O(14), O(22), O(19), O(27), O(28), O(10), D(12), D(1), D(2), D(3),
                               O(0), O(1), S(2)});
    chain.insert(chain.end(),
                 {O(15), O(23), O(16), O(24), O(29), O(11), D(13), D(0), P(0), D(16), O(30), S(3)});
    chain.insert(chain.end(), {P(1), P(3), P(2), D(18), D(14), D(15), D(17), D(19), S(4)});
    for (int i = 0; i < 5; ++i) chain.insert(chain.end(), {Show_Memory[i], Save_Memory[i]});
    chain.push_back(History);
    Platform::Set_Tab_Chain(chain);

    // Tab stops once in each group of options, at the chosen one, and passes
    // over the angle units while the word lengths cover them; a click still
    // reaches every option
    const auto Option_Focus = [this] {
        for (QButtonGroup *group : {number_group_, angle_group_, word_group_})
            for (QAbstractButton *option : group->buttons()) {
                const bool covered = group == angle_group_ && !wordlong->isHidden();
                option->setFocusPolicy(option->isChecked() && !covered ? Qt::StrongFocus
                                                                       : Qt::ClickFocus);
            }
    };
    for (QButtonGroup *group : {number_group_, angle_group_, word_group_})
        connect(group, &QButtonGroup::idToggled, this, Option_Focus);
    Option_Focus();

    // the inverse keys cover their plain keys, which Tab then passes over
    const auto Covered_Keys = [this] {
        for (int i = 12; i <= 19; ++i)
            Oper_Butn[i]->setFocusPolicy(Inv_Check->isChecked() ? Qt::ClickFocus : Qt::StrongFocus);
    };
    connect(Inv_Check, &QCheckBox::toggled, this, Covered_Keys);
    Covered_Keys();

    // Tab leaves the history like any other box; it types no tab character
    History->setTabChangesFocus(true);
    Platform::Follow_Newest_Line(History);

    // the keys that the keyboard reaches beyond digits and + - * / ( ) . =
    Oper_Butn[30]->setToolTip(QStringLiteral("键盘：= 或 Enter"));
    Oper_Butn[12]->setToolTip(QStringLiteral("键盘：^"));
    Oper_Butn[28]->setToolTip(QStringLiteral("键盘：!"));
    Clear_Butn[1]->setToolTip(QStringLiteral("退格键（键盘：Backspace）"));
    Clear_Butn[2]->setToolTip(QStringLiteral("键盘：Esc"));
    for (int i = 10; i < 16; ++i)
        Digl_Butn[i]->setToolTip(QStringLiteral("十六进制数字（键盘：%1 或 %2）")
                                     .arg(QChar(u'A' + (i - 10)))
                                     .arg(QChar(u'a' + (i - 10))));

    Platform::Fit_Window(this);
}

void Scin_Cale::closeEvent(QCloseEvent *event) {
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    // the other windows serve the calculator and close with it; then the
    // program ends, also if some window had been kept from closing
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->close();
    QCoreApplication::quit();
}
