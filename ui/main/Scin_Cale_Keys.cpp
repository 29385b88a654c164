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
#include <utility>

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
    const QString t = New_Number ? QString() : Target_Box->text();
    const QString token = QString::fromLatin1(Key_Table::Digit_Keys[std::size_t(index)].token);
    QString shown = t;
    if (index == 16) {
        if (!t.contains(token)) shown = t + token; // one point to a number
    } else if (index == 17 || index == 18) {
        shown = token; // π and e replace what was typed
    } else {
        shown = t + token;
    }
    // a second point leaves the display as it is
    if (shown != t) Target_Box->setText(Fitted_Entry(shown));
    New_Number = false;
    Focus_Equals();
}

void Scin_Cale::Oper_Butn_Click(int index) {
    if (index < 0 || index >= int(Oper_Butn.size())) return;
    if (Result_Shown && index == 30) {
        Focus_Equals();
        return;
    }
    const QString shown = Target_Box->text();
    QString expression = Expression->text();
    if (Result_Shown) {
        expression = Starts_Operand(index) ? QString() : shown;
        Result_Shown = false;
    }
    if (Number_Typed) {
        expression += shown;
        Number_Typed = false;
    }
    const Key_Table::Key &key = Key_Table::Operator_Keys[std::size_t(index)];
    const QString token = QString::fromLatin1(key.token);
    expression += token;
    if (key.layer == Key_Table::Layer::Inverse) Inv_Check->setChecked(false);
    New_Number = true;
    if (index == 30) {
        Evaluate(expression);
    } else {
        Target_Box->setText(token);
        Expression->setText(expression);
    }
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
    if (!Number_Typed) return;
    const QString t = Target_Box->text();
    // the cut-back text fits, so the change it makes comes back here as nothing to do
    const QString fitted = Fitted_Entry(t);
    if (fitted.size() != t.size()) Target_Box->setText(fitted);
}

QString Scin_Cale::Fitted_Entry(const QString &t) const {
    if (CalcModule::Number_Base == 10) return t;
    const QChar low = QLatin1Char('1');
    const QChar high = QLatin1Char(CalcModule::Number_Base == 8 ? '7' : '9');
    qsizetype first = 0;
    while (first < t.size() && (t[first] < low || t[first] > high)) ++first;
    if (!Entry_Too_Long(t, first)) return t;
    // Cut back to the longest prefix that fits in one go, with one beep: the
    // same text as dropping the last character while too long, without a
    // beep for each of a pasted megabyte. No text runs past eight digits in
    // hexadecimal or 40 from the first significant digit in octal and binary.
    const qsizetype widest = CalcModule::Number_Base == 16 ? 8 : first + 40;
    qsizetype keep = std::min(t.size() - 1, widest);
    while (keep > 0 && Entry_Too_Long(t.left(keep), first)) --keep;
    Platform::Beep();
    return t.left(keep);
}

void Scin_Cale::Evaluate(const QString &typed) {
    // A pasted expression of megabytes takes seconds to clean, evaluate and
    // show: the progress dialog of long tasks appears between those steps.
    // Nothing is shown before the end; Cancel leaves the expression as it was
    // before "=", cleaned once the clean-up has run.
    Platform::Long_Task task(QStringLiteral("正在计算……"), double(typed.size()));
    QString before = typed;
    const auto Cancelled = [&] {
        if (!task.Cancelled()) return false;
        if (before.endsWith(QLatin1Char('='))) before.chop(1);
        Expression->setText(before);
        Target_Box->setText(QString());
        return true;
    };
    if (Cancelled()) return;
    std::string text = typed.toStdString();
    std::string cleaned = CalcModule::Filter_Expression(text, 0);
    text.clear();
    if (Cancelled()) return;
    QString line = QString::fromStdString(cleaned);
    before = line;
    const CalcModule::Outcome outcome = CalcModule::Calculate_Cleaned(
        std::move(cleaned),
        {CalcModule::Number_Base, CalcModule::Word_Length, CalcModule::Angle_Unit, 0});
    if (Cancelled()) return;
    if (outcome.Kind == CalcModule::Outcome_Kind::Malformed) {
        Clear_All();
        return;
    }
    Result_Value = outcome.Number.value_or(0);
    // a lone decimal number comes back exactly as written, however large;
    // a hexadecimal text such as "1E999" is a valid result and stays
    if (!outcome.Number && CalcModule::Number_Base == 10)
        Platform::Show_Warning(QString::fromUtf8(CalcModule::Range_Message));
    const QString shown = QString::fromStdString(CalcModule::Number_Base == 10
                                                     ? CalcModule::Result_Display_Text(Result_Value)
                                                     : outcome.Text);
    line += shown;
    Target_Box->setText(shown);
    Expression->setText(line);
    Append_History_Line(line);
    Result_Shown = true;
}

void Scin_Cale::Append_History_Line(const QString &line) {
    QTextCursor end(History->document());
    end.movePosition(QTextCursor::End);
    end.insertText(line + QStringLiteral("\r\n"));
}
