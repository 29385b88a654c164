// The window on the desktop: the order Tab visits the controls in, the
// keyboard keys named in the tooltips, the history that keeps its newest
// line in view, the size and place on the screen, and closing, which ends
// the program.

#include "ui/main/Scin_Cale.h"

#include "ui/main/Key_Table.h"
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
#include <algorithm>
#include <tuple>
#include <vector>

void Scin_Cale::Build_Keyboard_And_Screen() {
    // the reading order: modes, the two text lines with their clear keys, the
    // key pad row by row, the memories, the history
    std::vector<QWidget *> chain;
    for (auto *option : Number_Option) chain.push_back(option);
    for (auto *option : Angle_Option) chain.push_back(option);
    for (auto *option : Word_Option) chain.push_back(option);
    chain.insert(chain.end(), {Inv_Check, Expression, Target_Box, Clear_Butn[2], Clear_Butn[1]});
    // the key pad row by row, left to right; an inverse key stands in its
    // plain key's place and follows it
    struct Pad_Place {
        int row, column;
        bool inverse;
        QWidget *key;
    };
    std::vector<Pad_Place> pad;
    for (const auto &[entry, key] : pad_keys_)
        pad.push_back({entry->row, entry->column, entry->layer == Key_Table::Layer::Inverse, key});
    for (int row = 0; row < Key_Table::Rows; ++row)
        pad.push_back({row, Key_Table::Stat, false, Stac_Butn[row]});
    std::ranges::sort(pad, {},
                      [](const Pad_Place &p) { return std::tuple(p.row, p.column, p.inverse); });
    for (const auto &place : pad) chain.push_back(place.key);
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
        for (const auto &[entry, key] : pad_keys_)
            if (entry->layer == Key_Table::Layer::Plain)
                key->setFocusPolicy(Inv_Check->isChecked() ? Qt::ClickFocus : Qt::StrongFocus);
    };
    connect(Inv_Check, &QCheckBox::toggled, this, Covered_Keys);
    Covered_Keys();

    // Tab leaves the history like any other box; it types no tab character
    History->setTabChangesFocus(true);
    Platform::Follow_Newest_Line(History);

    // the clear keys that the keyboard reaches; the pad keys' tooltips name
    // theirs in the key table
    Clear_Butn[1]->setToolTip(QStringLiteral("退格键（键盘：Backspace）"));
    Clear_Butn[2]->setToolTip(QStringLiteral("键盘：Esc"));

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
