// Memory registers, clipboard, clear all and the statistics keys.

#include "ui/main/Scin_Cale.h"

#include "engine/CalcModule.h"
#include "engine/Display_Pattern.h"
#include "engine/NumberText.h"
#include "ui/main/Scin_Cale_Text.h"
#include "ui/main/StatBox.h"
#include "ui/main/StatModule.h"
#include "ui/platform/Elided_Label.h"
#include "ui/platform/Number_Texts.h"
#include "ui/platform/Platform.h"
#include "ui/platform/Screen_Fit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>
#include <string_view>

namespace {

// Whether an operator or function token starts at some character of the text.
// Tokens are one to three ASCII characters, so each position is looked at a
// bounded number of times and a pasted megabyte is scanned in one pass.
bool Holds_Operator(const QString &text) {
    const qsizetype n = text.size();
    for (qsizetype i = n - 1; i >= 0; --i) {
        char piece[3];
        int length = 0;
        while (length < 3 && i + length < n && text[i + length].unicode() < 128) {
            piece[length] = char(text[i + length].unicode());
            ++length;
        }
        for (int l = 1; l <= length; ++l)
            if (CalcModule::Operator_Priority(std::string_view(piece, std::size_t(l))) != 0)
                return true;
    }
    return false;
}

} // namespace

void Scin_Cale::Save_Memory_Click(int index) {
    if (index < 0 || index >= int(Memory.size())) return;
    Memory[index]->Set_Text(Target_Box->text());
}

void Scin_Cale::Show_Memory_Click(int index) {
    if (index < 0 || index >= int(Memory.size())) return;
    // a recalled value starts a new expression, as a digit does
    if (Result_Shown) {
        Expression->setText(QString());
        Result_Shown = false;
    }
    Target_Box->setText(Memory[index]->text());
    Number_Typed = true;
}

void Scin_Cale::Menu_Copy_Click() {
    Platform::Set_Clipboard_Text(Target_Box->text());
}

void Scin_Cale::Menu_Past_Click() {
    // a paste over a result starts a new expression instead of extending
    // the finished "expression=result" line
    if (Result_Shown) Expression->setText(QString());
    Result_Shown = false;
    // "3×4÷2" or "−5" from another program means what it shows, not "342" or "5"
    Target_Box->setText(Scin_Cale_Text::Ascii_Symbols(Platform::Clipboard_Text()));
    if (Holds_Operator(Target_Box->text())) {
        Expression->setText(Target_Box->text());
        Target_Box->setText(QString());
        Focus_Equals();
    }
    if (!Target_Box->text().isEmpty()) Number_Typed = true;
}

void Scin_Cale::Menu_Clear_Click() {
    History->setPlainText(QString());
    for (auto *label : Memory) label->Set_Text(QString());
    Clear_All();
}

void Scin_Cale::Stac_Butn_Click(int index) {
    switch (index) {
    case 0:
        if (!stat_box_) {
            stat_box_ = new StatBox;
            stat_box_->setAttribute(Qt::WA_DeleteOnClose);
            Platform::Fit_Window(stat_box_, this);
            connect(stat_box_, &StatBox::Unloaded, this, [this] {
                Stac_Butn[0]->setEnabled(true);
                for (int i = 1; i <= 4; ++i) Stac_Butn[i]->setEnabled(false);
            });
            connect(stat_box_, &StatBox::Back_Requested, this,
                    [this] { Platform::Show_In_Front(this); });
        }
        Platform::Show_In_Front(stat_box_);
        for (int i = 1; i <= 4; ++i) Stac_Butn[i]->setEnabled(true);
        StatModule::Reset();
        Stac_Butn[0]->setEnabled(false);
        break;
    case 4: {
        const QString t = Target_Box->text();
        if (t.isEmpty() || !stat_box_) break;
        // the table holds a fixed number of values
        if (!stat_box_->Add_Value(t)) {
            Platform::Beep();
            break;
        }
        Target_Box->setText(QString());
        break;
    }
    case 2: {
        const double sum = StatModule::Sum();
        if (std::isfinite(sum)) Target_Box->setText(Platform::Number_Text(sum));
        break;
    }
    case 1: {
        double mean = 0;
        if (StatModule::Mean(mean) && std::isfinite(mean))
            Target_Box->setText(Platform::Number_Text(mean));
        break;
    }
    case 3: {
        double s = 0;
        if (StatModule::Std_Deviation(s) && std::isfinite(s))
            Target_Box->setText(QString::fromStdString(CalcModule::Value_Display_Text(s)));
        break;
    }
    default:
        break;
    }
}
