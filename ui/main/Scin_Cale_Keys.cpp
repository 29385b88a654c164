// Key entry, the keyboard mapping, the entry check and "=".

#include "ui/main/Scin_Cale.h"

#include "engine/CalcModule.h"
#include "engine/Display_Pattern.h"
#include "engine/NumberText.h"
#include "engine/Outcome.h"
#include "radix/RadixModule.h"
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

const char *const Operator_Tokens[31] = {
    "(",   ")",   "+",   "-",   "*",    "/",      "int", "mod",
    "and", "xor", "or",  "not", "^",    "^3",     "^2",  "ln",
    "log", "sin", "cos", "tan", "^(1/", "^(1/3)", "sqr", "2.718281828459045^",
    "10^", "asn", "acs", "atn", "!",    "abs",    "="};

// Keys whose token stands before its argument: "(" and the functions, "e^x"
// and ten-to-the-x included. After a result such a key cannot continue from
// it ("5.sin" is no expression) and starts a new one, as a digit does.
bool Starts_Operand(int index) {
    switch (index) {
    case 0:
    case 6:
    case 11:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 22:
    case 23:
    case 24:
    case 25:
    case 26:
    case 27:
    case 29:
        return true;
    default:
        return false;
    }
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
    QString shown = t;
    if (index <= 9) {
        shown = t + QChar(u'0' + index);
    } else if (index <= 15) {
        shown = t + QChar(u'A' + (index - 10));
    } else if (index == 16) {
        if (!t.contains(QLatin1Char('.'))) shown = t + QLatin1Char('.');
    } else if (index == 17) {
        shown = QStringLiteral("3.141592653589793");
    } else if (index == 18) {
        shown = QStringLiteral("2.718281828459045235");
    } else if (index == 19) {
        shown = t + QStringLiteral("e+");
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
    const QString token = QString::fromLatin1(Operator_Tokens[index]);
    expression += token;
    if (index >= 20 && index <= 27) Inv_Check->setChecked(false);
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
    QPushButton *key = nullptr;
    int digit_index = -1;
    int operator_index = -1;
    int clear_index = -1;
    const char16_t c = character.unicode();
    const bool hex_letter = (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    if (c == u'.') {
        digit_index = 16;
    } else if (c >= u'0' && c <= u'9') {
        digit_index = c - u'0';
    } else if (hex_letter && CalcModule::Number_Base == 16) {
        digit_index = 10 + ((c | 0x20) - u'a');
    } else {
        switch (c) {
        case u'(':
            operator_index = 0;
            break;
        case u')':
            operator_index = 1;
            break;
        case u'+':
            operator_index = 2;
            break;
        case u'-':
            operator_index = 3;
            break;
        case u'*':
            operator_index = 4;
            break;
        case u'/':
            operator_index = 5;
            break;
        case u'=':
        case u'\r': // Return and the keypad's Enter
            operator_index = 30;
            break;
        case u'^':
            operator_index = 12;
            break;
        case u'!':
            operator_index = 28;
            break;
        case u'\b': // Backspace
            clear_index = 1;
            break;
        case u'\x1b': // Escape
            clear_index = 2;
            break;
        default:
            break;
        }
    }
    if (digit_index >= 0) key = Digl_Butn[digit_index];
    if (operator_index >= 0) key = Oper_Butn[operator_index];
    if (clear_index >= 0) key = Clear_Butn[clear_index];
    // a key the current base has switched off cannot be typed either
    if (key && key->isEnabled()) {
        if (digit_index >= 0)
            Digl_Butn_Click(digit_index);
        else if (operator_index >= 0)
            Oper_Butn_Click(operator_index);
        else
            Clear_Butn_Click(clear_index);
    }
    Platform::Beep();
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
