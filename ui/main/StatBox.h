#pragma once
// The statistics window: lists the values entered with "Dat".

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

class StatBox : public QWidget {
    Q_OBJECT
  public:
    explicit StatBox(QWidget *parent = nullptr);
    ~StatBox() override;

    // "Dat": inserts t at position Stat_Count, stores its leading-number value,
    // selects the new line and updates Text3. Returns false and changes nothing
    // when the table is full or t starts with a number beyond the double range.
    bool Add_Value(const QString &t);

    void Back_Click();
    void delete_Click();
    void Delete_all_Click();
    void Form_Unload(); // run when the window is closed

    // The lines the list shows, values and leftovers alike.
    QStringList Lines() const;
    // Shows these lines, the last one chosen, and their count; the caller has
    // put their values into the statistics table.
    void Show_Lines(const QStringList &lines);

  signals:
    void Back_Requested(); // "返回": the main window brings itself to the front
    void Unloaded();       // the window was closed and its data discarded

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    QListWidget *List1 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Back = nullptr;
    QPushButton *delete_Butn = nullptr; // objectName "delete"
    QPushButton *Delete_all = nullptr;
};
