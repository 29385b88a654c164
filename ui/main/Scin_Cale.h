#pragma once
// The main calculator window: the expression line, the display, the key pad,
// the mode selectors, five memory registers, the history and the menus.

#include "ui/platform/Elided_Label.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class StatBox;
class Solv_Equn_Form;
class Func_Image;
class Formula_Edit;
class Author;
class Help_Window;
namespace Session_Format {
struct Session_State;
}
namespace Key_Table {
enum class Family : std::uint8_t;
struct Key;
} // namespace Key_Table

class Scin_Cale : public QMainWindow {
    Q_OBJECT
  public:
    Scin_Cale();
    ~Scin_Cale() override;

    // How often each mode handler has run since the window was built, so that
    // callers can check that a program-set option ran its handler exactly once.
    struct Handler_Counts {
        int Number_Option_Click = 0;
        int Word_Option_Click = 0;
        int Angle_Option_Click = 0;
        int Inv_Check_Click = 0;
    };
    const Handler_Counts &Handler_Runs() const { return handler_runs_; }

    // The window's flags and working value, read-only.
    struct Window_State {
        double Result_Value;
        bool Sign_Next_Negative;
        bool Number_Typed;
        bool New_Number;
        bool Sci_Display;
        bool Result_Shown;
    };
    Window_State State() const;

    // Procedures the other handlers and windows call.
    void Form_Load();
    void Clear_All();
    static QString Dms_Convert(const QString &s);

    // Key entry and "="
    void Digl_Butn_Click(int index);
    void Oper_Butn_Click(int index);
    void Oper_Butn_KeyPress(int index, QChar character);
    void Clear_Butn_Click(int index);
    void Expression_Click();
    void Target_Box_Change();

    // Modes
    void Number_Option_Click(int index);
    void Word_Option_Click(int index);
    void Angle_Option_Click(int index);
    void Inv_Check_Click();

    // Number processing
    void Digl_ProsButn_Click(int index);

    // Memory, clipboard, statistics
    void Save_Memory_Click(int index);
    void Show_Memory_Click(int index);
    void Menu_Copy_Click();
    void Menu_Past_Click();
    void Menu_Clear_Click();
    void Stac_Butn_Click(int index);

    // Advanced and help menus
    void Solv_Equn_Click();
    void Funn_Image_Click();
    void Fora_Edit_Click();
    void Menu_Cale_Click();
    void Menu_Author_Click();

    // Session files: what the window keeps, saved and opened on request
    void Menu_Save_Session_Click();
    void Menu_Open_Session_Click();
    Session_Format::Session_State Session() const;
    // Replaces the whole state at once, as if the user had reached it by hand.
    void Apply_Session(const Session_Format::Session_State &state);

  private:
    // Controls; tests find them by their object names
    QLineEdit *Expression = nullptr;
    QLineEdit *Target_Box = nullptr;
    QPlainTextEdit *History = nullptr;
    QGroupBox *wordlong = nullptr;
    std::array<QRadioButton *, 3> Word_Option{};
    QCheckBox *Inv_Check = nullptr;
    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, 4> Number_Option{};
    QGroupBox *Frame2 = nullptr;
    std::array<QRadioButton *, 3> Angle_Option{};
    std::array<QPushButton *, 20> Digl_Butn{};
    std::array<QPushButton *, 4> Digl_ProsButn{};
    std::array<QPushButton *, 31> Oper_Butn{};
    // The two clear keys by their numbers, 1 "Backspace" and 2 "清 除"; there is
    // no key 0, and any other number throws instead of giving a null key.
    class Clear_Keys {
      public:
        QPushButton *&operator[](int index) { return keys_.at(std::size_t(index - 1)); }
        QPushButton *operator[](int index) const { return keys_.at(std::size_t(index - 1)); }
        auto begin() const { return keys_.begin(); }
        auto end() const { return keys_.end(); }

      private:
        std::array<QPushButton *, 2> keys_{};
    };
    Clear_Keys Clear_Butn;
    std::array<QPushButton *, 5> Save_Memory{};
    std::array<QPushButton *, 5> Show_Memory{};
    std::array<Platform::Elided_Label *, 5> Memory{};
    std::array<QPushButton *, 5> Stac_Butn{};

    QMenu *edit = nullptr;
    QMenu *gaoji = nullptr;
    QMenu *pas = nullptr;
    QAction *Menu_Copy = nullptr;
    QAction *Menu_Past = nullptr;
    QAction *Menu_Clear = nullptr;
    QAction *Solv_Equn = nullptr;
    QAction *Funn_Image = nullptr;
    QAction *Fora_Edit = nullptr;
    QAction *Menu_Cale = nullptr;
    QAction *Menu_Author = nullptr;
    QAction *Menu_Save_Session = nullptr;
    QAction *Menu_Open_Session = nullptr;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void Build_Controls();
    void Build_Layout();
    void Build_Menus();
    void Connect_Handlers();
    void Build_Keyboard_And_Screen();
    // the control array of one kind of pad key, indexed as its table
    std::span<QPushButton *> Pad_Keys(Key_Table::Family family);
    void Click_Pad_Key(Key_Table::Family family, int index);
    // every key of the table with its row, in the order they were built
    struct Pad_Key {
        const Key_Table::Key *entry;
        QPushButton *key;
    };
    std::vector<Pad_Key> pad_keys_;

    // "=" on the expression as typed, "=" included
    void Evaluate(const QString &typed);
    void Append_History_Line(const QString &line);
    bool Entry_Too_Long(const QString &t, qsizetype first) const;
    // a typed operand cut back to what the base and word hold, with a beep when cut
    QString Fitted_Entry(const QString &t) const;
    void Convert_Display(std::uint8_t old_base, std::uint8_t new_base);
    void Set_Base_Keys(std::uint8_t base);
    void Angle_Unit_Changed(int unit);
    void Focus_Equals();

    // window state
    double Result_Value = 0;
    bool Sign_Next_Negative = false;
    bool Number_Typed = false;
    bool New_Number = false;
    bool Sci_Display = false;
    bool Result_Shown = false;

    QButtonGroup *number_group_ = nullptr;
    QButtonGroup *word_group_ = nullptr;
    QButtonGroup *angle_group_ = nullptr;
    QPointer<StatBox> stat_box_;
    // windows of the advanced and help menus, created on first use
    QPointer<Solv_Equn_Form> solver_;
    QPointer<Func_Image> plotter_;
    QPointer<Formula_Edit> formula_editor_;
    QPointer<Author> author_;
    QPointer<Help_Window> help_;
    void Close_Other_Windows();
    QString session_path_; // the session file last saved or opened
    Handler_Counts handler_runs_;
};
