#pragma once
// The equation solver: finds the x at which "left = right" holds best inside an
// interval, scanning the whole interval first and then ever finer around the
// best point, one decimal digit per pass.

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class Solv_Equn_Form : public QWidget {
    Q_OBJECT
  public:
    explicit Solv_Equn_Form(QWidget *parent = nullptr);
    ~Solv_Equn_Form() override;

    // Fills the list of first precisions.
    void Form_Load();
    // "解": starts a search with an empty estimate.
    void Command4_Click();
    // Runs one search with what the boxes hold and writes the result into them.
    void Find_Root();

    // What the last search did, read-only.
    struct Search_State {
        long long Evaluation_Count; // evaluations of the equation
    };
    Search_State State() const { return {Evaluation_Count}; }

  private:
    long long Evaluation_Count = 0;

    QGroupBox *Frame3 = nullptr;
    QLineEdit *Equn_Expn = nullptr;
    QLineEdit *E_min = nullptr;
    QLineEdit *E_max = nullptr;
    QComboBox *Precision = nullptr;
    QLineEdit *Max_Error = nullptr;
    QPushButton *Command4 = nullptr;
    QLineEdit *X_Result = nullptr;
    QLineEdit *Error_Box = nullptr;
    QLineEdit *Text1 = nullptr; // never shown: the estimate of x between passes

    void Build_Layout();

    bool searching_ = false;
};
