#include "ui/formula/Formula_Edit.h"

#include "engine/CalcModule.h"
#include "engine/Outcome.h"
#include "ui/platform/Controls.h"
#include "ui/platform/Number_Texts.h"
#include "ui/platform/Platform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

namespace {

struct Ready_Made {
    const char *formula;
    const char *first_label;
    const char *second_label; // nullptr: the second row stays as it is
};

// the doubled blanks are part of the texts; the clean-up drops them
const Ready_Made Circle_Formulas[] = {
    {"3.141592653589793 * r * r", "半径", nullptr},
    {"2*3.141592653589793  * r", "半径", nullptr},
    {"3.141592653589793  * (w*w-r*r)", "内圆半径", "外圆半径"},
};

bool Shows_Letter(const QComboBox *combo) {
    const QString text = combo->currentText();
    return !text.isEmpty() && text[0] >= QLatin1Char('a') && text[0] <= QLatin1Char('z');
}

void Choose_Letter(QComboBox *combo, char letter) {
    combo->setCurrentIndex(letter - 'a');
}

} // namespace

Formula_Edit::Formula_Edit(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Formula_Edit"));
    setWindowTitle(QStringLiteral("公式编辑器"));

    auto *rows = new QGridLayout;
    for (int i = 0; i < Rows; ++i) {
        Combo1[i] = Platform::Named<QComboBox>(Platform::Indexed_Name("Combo1", i),
                                               QStringLiteral("字母%1").arg(i + 1), this);
        Combo1[i]->setEditable(true);
        Combo1[i]->setInsertPolicy(QComboBox::NoInsert);
        Label1[i] = Platform::Named<QLabel>(Platform::Indexed_Name("Label1", i), QString(),
                                            QStringLiteral("="), this);
        Fa_Letter[i] = Platform::Named<QLineEdit>(Platform::Indexed_Name("Fa_Letter", i),
                                                  QStringLiteral("字母%1的值").arg(i + 1), this);
        Label4[i] = Platform::Named<QLabel>(Platform::Indexed_Name("Label4", i), QString(), this);
        Label4[i]->setMinimumWidth(60);
        rows->addWidget(Combo1[i], i, 0);
        rows->addWidget(Label1[i], i, 1);
        rows->addWidget(Fa_Letter[i], i, 2);
        rows->addWidget(Label4[i], i, 3);
        connect(Fa_Letter[i], &QLineEdit::textChanged, this, [this, i] { Fa_Letter_Change(i); });
        connect(Combo1[i], &QComboBox::currentTextChanged, this, [this, i] { Combo1_Change(i); });
    }

    Fa_Circle = Platform::Named<QCheckBox>(QStringLiteral("Fa_Circle"), QStringLiteral("圆公式"),
                                           QStringLiteral("圆公式"), this);
    Frame1 = Platform::Named<QFrame>(QStringLiteral("Frame1"), QString(), this);
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto *options = new QButtonGroup(this);
    auto *frame_layout = new QVBoxLayout(Frame1);
    const QString faces[] = {QStringLiteral("圆面积公式"), QStringLiteral("圆周长公式"),
                             QStringLiteral("圆环面积公式")};
    for (int i = 0; i < 3; ++i) {
        OptionButton1[i] = Platform::Named<QRadioButton>(Platform::Indexed_Name("OptionButton1", i),
                                                         faces[i], faces[i], Frame1);
        options->addButton(OptionButton1[i], i);
        // kept at their natural width, so that a click anywhere on the control
        // lands on its face and not in empty space beside it
        frame_layout->addWidget(OptionButton1[i], 0, Qt::AlignLeft);
    }
    Frame1->setVisible(false);
    auto *circle = new QVBoxLayout;
    circle->addWidget(Fa_Circle, 0, Qt::AlignLeft);
    circle->addWidget(Frame1);
    circle->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addLayout(rows, 1);
    top->addLayout(circle);

    Label2 =
        Platform::Named<QLabel>(QStringLiteral("Label2"), QString(), QStringLiteral("F ="), this);
    Input_Formula = Platform::Named<QLineEdit>(QStringLiteral("Input_Formula"),
                                               QStringLiteral("请输入公式"), this);
    Input_Formula->setToolTip(Input_Formula->accessibleName());
    Label3 =
        Platform::Named<QLabel>(QStringLiteral("Label3"), QString(), QStringLiteral("="), this);
    Fa_Result =
        Platform::Named<QLineEdit>(QStringLiteral("Fa_Result"), QStringLiteral("显示结果"), this);
    Fa_Result->setToolTip(Fa_Result->accessibleName());
    Fa_cale = Platform::Named<QPushButton>(QStringLiteral("Fa_cale"), QStringLiteral("计算公式"),
                                           QStringLiteral("计算公式"), this);
    Fa_cale->setAutoDefault(false);

    auto *formula = new QGridLayout;
    formula->addWidget(Label2, 0, 0);
    formula->addWidget(Input_Formula, 0, 1);
    formula->addWidget(Label3, 1, 0);
    formula->addWidget(Fa_Result, 1, 1);
    formula->addWidget(Fa_cale, 2, 1, Qt::AlignHCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(formula);

    connect(Fa_Circle, &QCheckBox::toggled, this, [this] { Fa_Circle_Click(); });
    connect(options, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) OptionButton1_Click(id);
    });
    // a click on the option already chosen loads its formula again; running the
    // handler a second time for a fresh choice changes nothing
    connect(options, &QButtonGroup::idClicked, this, [this](int id) { OptionButton1_Click(id); });
    connect(Fa_cale, &QPushButton::clicked, this, [this] { Fa_cale_Click(); });
    Form_Load();
    Platform::Lift_Length_Limits(this);
}

Formula_Edit::~Formula_Edit() = default;

void Formula_Edit::Form_Load() {
    QStringList letters;
    for (char c = 'a'; c <= 'z'; ++c) letters << QString(QChar(c));
    for (QComboBox *combo : Combo1) {
        combo->clear();
        combo->addItems(letters);
        combo->setCurrentIndex(-1);
        combo->clearEditText();
    }
}

void Formula_Edit::Fa_Letter_Change(int index) {
    const QString letter = Combo1[index]->currentText().left(1);
    // a row without a letter has nowhere to store its value
    if (letter.isEmpty() || letter[0] < QLatin1Char('a') || letter[0] > QLatin1Char('z')) return;
    // beyond the double range: the letter keeps its value
    if (const auto value = Platform::Leading_Number(Fa_Letter[index]->text()))
        CalcModule::Variable_Values[letter[0].unicode() - 'a'] = *value;
}

void Formula_Edit::Combo1_Change(int index) {
    const bool had_letter = row_has_letter_[index];
    row_has_letter_[index] = Shows_Letter(Combo1[index]);
    // A value typed while the row had no letter had nowhere to go; it belongs
    // to the letter now chosen, which the row shows beside it. A switch from
    // one letter to another moves nothing: the old letter keeps its value.
    if (!had_letter && row_has_letter_[index] && !Fa_Letter[index]->text().isEmpty())
        Fa_Letter_Change(index);
}

void Formula_Edit::Fa_Circle_Click() {
    Frame1->setVisible(Fa_Circle->isChecked());
}

void Formula_Edit::OptionButton1_Click(int index) {
    const Ready_Made &chosen = Circle_Formulas[index];
    Choose_Letter(Combo1[0], 'r');
    Label4[0]->setText(QString::fromUtf8(chosen.first_label));
    if (chosen.second_label) {
        Choose_Letter(Combo1[1], 'w');
        Label4[1]->setText(QString::fromUtf8(chosen.second_label));
    }
    Input_Formula->setText(QString::fromUtf8(chosen.formula));
}

void Formula_Edit::Fa_cale_Click() {
    // "=" goes on before the clean-up, which keeps it and changes nothing before it
    const CalcModule::Outcome outcome = CalcModule::Calculate(
        Input_Formula->text().toStdString() + "=",
        {CalcModule::Number_Base, CalcModule::Word_Length, CalcModule::Angle_Unit, 1});
    // A lone decimal number comes back exactly as written, however large: one
    // beyond the double range gets the message it gets inside an expression,
    // and no result. A hexadecimal text such as "1E999" is a valid result.
    if (CalcModule::Number_Base == 10 && outcome.Kind != CalcModule::Outcome_Kind::Malformed &&
        !outcome.Number) {
        Platform::Show_Warning(QString::fromUtf8(CalcModule::Range_Message));
        Fa_Result->setText(QString());
        return;
    }
    Fa_Result->setText(QString::fromStdString(outcome.Text));
}
