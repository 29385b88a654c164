#pragma once
// The formula editor: evaluates a formula whose lower-case letters stand for
// values the user typed in up to five rows, with three ready-made circle formulas.

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

class Formula_Edit : public QWidget {
    Q_OBJECT
  public:
    static constexpr int Rows = 5;

    explicit Formula_Edit(QWidget *parent = nullptr);
    ~Formula_Edit() override;

    void Form_Load();
    void Fa_Letter_Change(int index);
    void Combo1_Change(int index);
    void Fa_Circle_Click();
    void OptionButton1_Click(int index);
    void Fa_cale_Click();

  private:
    std::array<QComboBox *, Rows> Combo1{};
    std::array<QLabel *, Rows> Label1{};
    std::array<QLineEdit *, Rows> Fa_Letter{};
    std::array<QLabel *, Rows> Label4{};
    QCheckBox *Fa_Circle = nullptr;
    QFrame *Frame1 = nullptr;
    std::array<QRadioButton *, 3> OptionButton1{};
    QLabel *Label2 = nullptr;
    QLineEdit *Input_Formula = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Fa_Result = nullptr;
    QPushButton *Fa_cale = nullptr;

    QGridLayout *Build_Rows();
    QVBoxLayout *Build_Circle();
    QGridLayout *Build_Formula();

    // whether each row's letter box shows a letter "a" to "z"
    std::array<bool, Rows> row_has_letter_{};
};
