// Number base, word length, angle unit and the inverse keys.

#include "ui/main/Scin_Cale.h"

#include "engine/CalcModule.h"
#include "engine/NumberText.h"
#include "radix/RadixModule.h"
#include "ui/main/Scin_Cale_Text.h"
#include "ui/platform/Mode_Notifier.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <optional>
#include <stdexcept>

namespace {

constexpr std::uint8_t Option_Bases[4] = {16, 10, 8, 2};
constexpr std::uint8_t Option_Word_Lengths[3] = {32, 16, 8};

// A handler called by the program shows the same selection as a click on the
// option, without running itself a second time.
void Show_Selected(QButtonGroup *group, QAbstractButton *option) {
    if (option->isChecked()) return;
    const QSignalBlocker quiet(group);
    option->setChecked(true);
}

} // namespace

void Scin_Cale::Number_Option_Click(int index) {
    if (index < 0 || index > 3) return;
    ++handler_runs_.Number_Option_Click;
    Show_Selected(number_group_, Number_Option[index]);
    const std::uint8_t new_base = Option_Bases[index];
    if (new_base == 10) Word_Option[0]->setChecked(true);
    wordlong->setVisible(new_base != 10);
    if (new_base != 10) wordlong->raise();
    const std::uint8_t old_base = CalcModule::Number_Base;
    CalcModule::Number_Base = new_base;
    if (!Target_Box->text().isEmpty() && old_base != new_base) Convert_Display(old_base, new_base);
    Set_Base_Keys(new_base);
}

void Scin_Cale::Convert_Display(std::uint8_t old_base, std::uint8_t new_base) {
    using namespace RadixModule;
    const QString text = Target_Box->text();
    const std::string t = Scin_Cale_Text::To_Ascii(text);
    std::optional<std::string> converted;
    // A text that has no value in the new base (out of the 32-bit range,
    // not hexadecimal, beyond the double range) leaves the display as it is.
    try {
        switch (old_base) {
        case 16:
            if (new_base == 10) {
                if (std::int32_t value; CalcModule::Read_Hex_Text(t, value)) {
                    Result_Value = value;
                    converted = CalcModule::Whole_Number_Text(Result_Value);
                }
            } else if (new_base == 8) {
                converted = Hex_To_Oct(t);
            } else {
                converted = Hex_To_Bin(t);
            }
            break;
        case 10:
            if (const auto number = CalcModule::Leading_Number(t))
                Result_Value = *number;
            else
                break;
            if (new_base == 2) {
                double consumed = Result_Value;
                converted = Dec_To_Bin(consumed);
            } else {
                converted =
                    CalcModule::Radix_Text(CalcModule::Round_To_Int32(Result_Value), new_base);
            }
            break;
        case 8:
            if (new_base == 16) {
                converted = Oct_To_Hex(t);
            } else if (new_base == 10) {
                Result_Value = Oct_To_Dec(t);
                converted = CalcModule::Whole_Number_Text(Result_Value);
            } else {
                converted = Oct_To_Bin(t);
            }
            break;
        case 2:
            if (new_base == 16) {
                converted = Bin_To_Hex(t);
            } else if (new_base == 10) {
                Result_Value = Bin_To_Dec(t);
                converted = CalcModule::Whole_Number_Text(Result_Value);
            } else {
                converted = Bin_To_Oct(t);
            }
            break;
        default:
            break;
        }
    } catch (const std::exception &) {
        converted.reset();
    }
    if (converted) Target_Box->setText(QString::fromStdString(*converted));
}

void Scin_Cale::Set_Base_Keys(std::uint8_t base) {
    for (int i = 0; i <= 15; ++i) {
        bool enabled = true;
        if (i >= 2 && i <= 7) enabled = base != 2;
        if (i == 8 || i == 9) enabled = base == 16 || base == 10;
        if (i >= 10) enabled = base == 16;
        Digl_Butn[i]->setEnabled(enabled);
    }
    const bool decimal = base == 10;
    for (int i = 16; i <= 19; ++i) Digl_Butn[i]->setEnabled(decimal);
    for (int i = 15; i <= 27; ++i) Oper_Butn[i]->setEnabled(decimal);
    Oper_Butn[29]->setEnabled(decimal);
    for (auto *key : Digl_ProsButn) key->setEnabled(decimal);
    Stac_Butn[0]->setEnabled(decimal);
}

void Scin_Cale::Word_Option_Click(int index) {
    if (index < 0 || index > 2) return;
    ++handler_runs_.Word_Option_Click;
    Show_Selected(word_group_, Word_Option[index]);
    CalcModule::Word_Length = Option_Word_Lengths[index];
    Target_Box_Change();
}

void Scin_Cale::Angle_Option_Click(int index) {
    if (index < 0 || index > 2) return;
    ++handler_runs_.Angle_Option_Click;
    Show_Selected(angle_group_, Angle_Option[index]);
    // the notifier tells the other windows; when the change came from them the
    // unit is already set and nobody needs telling twice
    if (CalcModule::Angle_Unit != index)
        Platform::Mode_Notifier::Instance().Set_Angle_Unit(std::uint8_t(index));
}

void Scin_Cale::Angle_Unit_Changed(int unit) {
    if (unit < 0 || unit > 2) return;
    Angle_Option[unit]->setChecked(true);
}

void Scin_Cale::Inv_Check_Click() {
    ++handler_runs_.Inv_Check_Click;
    const bool inverse = Inv_Check->isChecked();
    for (int i = 20; i <= 27; ++i) {
        Oper_Butn[i]->setVisible(inverse);
        if (inverse) Oper_Butn[i]->raise();
    }
    Focus_Equals();
}
