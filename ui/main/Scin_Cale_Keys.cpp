// Key entry, the keyboard mapping, the entry check and "=".

#include "ui/main/Scin_Cale.h"

#include "engine/CalcModule.h"
#include "engine/Display_Pattern.h"
#include "engine/NumberText.h"
#include "engine/Outcome.h"
#include "radix/RadixModule.h"
#include "ui/main/Key_Table.h"
#include "ui/main/Scin_Cale_Text.h"
#include "ui/platform/Long_Task.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <algorithm>
#include <stdexcept>

namespace {

// Keys whose token stands before its argument: "(" and the functions, "e^x"
// and ten-to-the-x included. After a result such a key cannot continue from
// it ("5.sin" is no expression) and starts a new one, as a digit does.
bool Starts_Operand(int index) {
    return Key_Table::Operator_Keys[std::size_t(index)].starts_operand;
}

} // namespace

void Scin_Cale::Digl_Butn_Click(int index) {
    if (index < 0 || index >= int(Digl_Butn.size())) return;
    if (Result_Shown) {
        Expression->setText(QString());
        Result_Shown = false;
    }
    Number_Typed = true;
    if (New_Number) Target_Box->setText(QString());
    const QString t = Target_Box->text();
    const QString token = QString::fromLatin1(Key_Table::Digit_Keys[std::size_t(index)].token);
    if (index == 16) {
        if (!t.contains(token)) Target_Box->setText(t + token); // one point to a number
    } else if (index == 17 || index == 18) {
        Target_Box->setText(token); // π and e replace what was typed
    } else {
        Target_Box->setText(t + token);
    }
    New_Number = false;
    Focus_Equals();
}

void Scin_Cale::Oper_Butn_Click(int index) {
    if (index < 0 || index >= int(Oper_Butn.size())) return;
    if (Result_Shown) {
        if (index == 30) {
            Focus_Equals();
            return;
        }
        Expression->setText(Starts_Operand(index) ? QString() : Target_Box->text());
        Result_Shown = false;
    }
    if (Number_Typed) {
        Expression->setText(Expression->text() + Target_Box->text());
        Number_Typed = false;
    }
    const Key_Table::Key &key = Key_Table::Operator_Keys[std::size_t(index)];
    Target_Box->setText(QString::fromLatin1(key.token));
    if (key.layer == Key_Table::Layer::Inverse) Inv_Check->setChecked(false);
    Expression->setText(Expression->text() + Target_Box->text());
    New_Number = true;
    if (Target_Box->text() == QLatin1String("=")) Evaluate();
    Focus_Equals();
}

void Scin_Cale::Oper_Butn_KeyPress(int /*index*/, QChar character) {
    // Backspace and Escape stand for the two clear keys, any other character
    // for the pad key whose row in the key table names it
    const char16_t c = character.unicode();
    const int clear_index = c == u'\b' ? 1 : c == u'\x1b' ? 2 : 0;
    const auto typed = Key_Table::Typed_Key(c);
    QPushButton *key = clear_index ? Clear_Butn[clear_index]
                       : typed     ? Pad_Keys(typed->family)[std::size_t(typed->index)]
                                   : nullptr;
    // a key the current base has switched off cannot be typed either
    if (key && key->isEnabled()) {
        if (clear_index)
            Clear_Butn_Click(clear_index);
        else
            Click_Pad_Key(typed->family, typed->index);
    }
    Platform::Beep();
}

void Scin_Cale::Click_Pad_Key(Key_Table::Family family, int index) {
    switch (family) {
    case Key_Table::Family::Digit:
        Digl_Butn_Click(index);
        break;
    case Key_Table::Family::Process:
        Digl_ProsButn_Click(index);
        break;
    case Key_Table::Family::Operator:
        Oper_Butn_Click(index);
        break;
    }
}

void Scin_Cale::Clear_Butn_Click(int index) {
    if (index == 1) {
        QString t = Target_Box->text();
        if (!t.isEmpty()) {
            t.chop(1);
            Target_Box->setText(t);
        }
    } else if (index == 2) {
        Clear_All();
    }
    Focus_Equals();
}

void Scin_Cale::Expression_Click() {
    Target_Box->setText(QString());
    Result_Shown = false;
}

// In bases 8 and 2 only the digits from the first one that adds to the
// value count, and a long run of them is over every limit. "first" is that
// digit's place, found once per check, so that cutting back a long pasted or
// recalled text stays linear in its length.
bool Scin_Cale::Entry_Too_Long(const QString &t, qsizetype first) const {
    const auto base = CalcModule::Number_Base;
    const auto word = CalcModule::Word_Length;
    if (base == 16) return t.size() > (word == 32 ? 8 : word == 16 ? 4 : 2);
    if (first >= t.size()) return false;
    if (t.size() - first > 40) return true;
    const double limit = word == 32 ? 2147483647.0 : word == 16 ? 65536.0 : 256.0;
    const std::string digits = Scin_Cale_Text::To_Ascii(t.mid(first));
    const double value =
        base == 8 ? RadixModule::Oct_To_Dec(digits) : RadixModule::Bin_To_Dec(digits);
    return value > limit;
}

void Scin_Cale::Target_Box_Change() {
    if (in_entry_check_) return;
    if (CalcModule::Number_Base == 10 || !Number_Typed) return;
    QString t = Target_Box->text();
    const QChar low = QLatin1Char('1');
    const QChar high = QLatin1Char(CalcModule::Number_Base == 8 ? '7' : '9');
    qsizetype first = 0;
    while (first < t.size() && (t[first] < low || t[first] > high)) ++first;
    if (!Entry_Too_Long(t, first)) return;
    // Cut back to the longest prefix that fits in one go, with one beep: the
    // same text as dropping the last character while too long, without a
    // beep for each of a pasted megabyte. No text runs past eight digits in
    // hexadecimal or 40 from the first significant digit in octal and binary.
    const qsizetype widest = CalcModule::Number_Base == 16 ? 8 : first + 40;
    qsizetype keep = std::min(t.size() - 1, widest);
    while (keep > 0 && Entry_Too_Long(t.left(keep), first)) --keep;
    Platform::Beep();
    t.truncate(keep);
    in_entry_check_ = true;
    Target_Box->setText(t);
    in_entry_check_ = false;
}

void Scin_Cale::Evaluate() {
    // A pasted expression of megabytes takes seconds to clean, evaluate and
    // show: the progress dialog of long tasks appears between those steps,
    // and Cancel leaves the expression as it was before "=".
    Platform::Long_Task task(QStringLiteral("正在计算……"), double(Expression->text().size()));
    const auto Cancelled = [&] {
        if (!task.Cancelled()) return false;
        QString before = Expression->text();
        if (before.endsWith(QLatin1Char('='))) before.chop(1);
        Expression->setText(before);
        Target_Box->setText(QString());
        return true;
    };
    if (Cancelled()) return;
    std::string text = Expression->text().toStdString();
    const QString filtered = QString::fromStdString(CalcModule::Filter_Expression(text, 0));
    if (Cancelled()) return;
    // laying out a long line again costs as much as the evaluation
    if (filtered != Expression->text()) Expression->setText(filtered);
    const CalcModule::Outcome outcome = CalcModule::Calculate_Cleaned(
        filtered.toStdString(),
        {CalcModule::Number_Base, CalcModule::Word_Length, CalcModule::Angle_Unit, 0});
    if (Cancelled()) return;
    Target_Box->setText(QString::fromStdString(outcome.Text));
    if (outcome.Kind == CalcModule::Outcome_Kind::Malformed) {
        Clear_All();
        return;
    }
    Result_Value = outcome.Number.value_or(0);
    // a lone decimal number comes back exactly as written, however large;
    // a hexadecimal text such as "1E999" is a valid result and stays
    if (!outcome.Number && CalcModule::Number_Base == 10)
        Platform::Show_Warning(QString::fromUtf8(CalcModule::Range_Message));
    if (CalcModule::Number_Base == 10) {
        Target_Box->setText(QString::fromStdString(CalcModule::Result_Display_Text(Result_Value)));
    }
    Expression->setText(Expression->text() + Target_Box->text());
    Append_History_Line(Expression->text());
    Result_Shown = true;
}

void Scin_Cale::Append_History_Line(const QString &line) {
    QTextCursor end(History->document());
    end.movePosition(QTextCursor::End);
    end.insertText(line + QStringLiteral("\r\n"));
}
