// The number-processing keys "+/-", "F-E", "dms" and "1/x".

#include "ui/main/Scin_Cale.h"

#include "engine/Display_Pattern.h"
#include "engine/NumberText.h"
#include "ui/main/Scin_Cale_Text.h"
#include "ui/platform/Number_Texts.h"

#include <QLineEdit>
#include <cmath>

void Scin_Cale::Digl_ProsButn_Click(int index) {
    const QString t = Target_Box->text();
    switch (index) {
    case 0: {
        const qsizetype e = t.indexOf(QLatin1Char('e'));
        if (e >= 0) {
            QString changed = t;
            if (e + 1 < t.size() && t[e + 1] == QLatin1Char('+'))
                changed[e + 1] = QLatin1Char('-');
            else if (e + 1 < t.size() && t[e + 1] == QLatin1Char('-'))
                changed[e + 1] = QLatin1Char('+');
            Target_Box->setText(changed);
        } else {
            // The sign follows the text, so that a new operand or a negative
            // result never loses a digit or gets a second "-".
            if (t.startsWith(QLatin1Char('-')))
                Target_Box->setText(t.mid(1));
            else
                Target_Box->setText(QLatin1Char('-') + t);
            Sign_Next_Negative = !Target_Box->text().startsWith(QLatin1Char('-'));
        }
        break;
    }
    case 1: {
        const auto value = Platform::Leading_Number(t);
        if (!value) break;
        if (Sci_Display) {
            Target_Box->setText(QString::fromStdString(CalcModule::Fixed_Display_Text(*value)));
            Sci_Display = false;
        } else {
            Target_Box->setText(QString::fromStdString(CalcModule::Sci_Display_Text(*value)));
            Sci_Display = true;
        }
        break;
    }
    case 2:
        Target_Box->setText(Dms_Convert(t));
        break;
    case 3: {
        const auto value = Platform::Leading_Number(t);
        if (!value || *value == 0) break;
        const double reciprocal = 1 / *value;
        if (!std::isfinite(reciprocal)) break;
        Target_Box->setText(QString::fromStdString(CalcModule::Value_Display_Text(reciprocal)));
        break;
    }
    default:
        break;
    }
}

QString Scin_Cale::Dms_Convert(const QString &s) {
    using Scin_Cale_Text::Blank_Number_Text;
    using Scin_Cale_Text::Round_Places;

    // a number beyond the double range has no degrees to convert
    if (!Platform::Leading_Number(s)) return s;
    const qsizetype point = s.lastIndexOf(QLatin1Char('.'));
    const int k = point < 0 ? 0 : int(s.size() - point);
    QString D = s.left(s.size() - k);
    if (D.isEmpty()) D = QStringLiteral("0");
    double f = 0;
    if (k > 0) {
        const auto fraction = Platform::Leading_Number(s.right(k));
        if (!fraction) return s; // beyond the double range: nothing to convert
        f = *fraction;
    }
    const double minutes = f * 60;
    if (!std::isfinite(minutes)) return s;
    QString M = QString::fromStdString(Blank_Number_Text(std::floor(minutes)));
    const double m = Round_Places(minutes - std::floor(minutes), k);
    QString S = QString::fromStdString(Blank_Number_Text(std::floor(m * 60)));
    if (Platform::Leading_Number(S) == 60.0) {
        S = QStringLiteral("0");
        M = QString::fromStdString(Blank_Number_Text(Platform::Leading_Number(M).value_or(0) + 1));
    }
    auto two_digits = [](QString &part) {
        if (Platform::Leading_Number(part).value_or(0) < 10)
            part = QLatin1Char('0') + part.right(1);
        if (part.size() > 2) part = part.right(2);
    };
    two_digits(M);
    two_digits(S);
    const double r = Round_Places(m * 60 - std::floor(m * 60), k);
    const QString R = QString::fromStdString(Blank_Number_Text(r)).mid(2);
    return D + QLatin1Char('.') + M + S + R;
}
