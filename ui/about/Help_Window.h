#pragma once
// "关于计算器": the help text, shown in a window of the program itself so
// that it opens on any desktop, read-only and searchable (Ctrl+F). A button
// hands the file to the desktop's text editor for those who prefer it.
// It deletes itself when closed; the main window keeps at most one.

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Help_Window : public QWidget {
    Q_OBJECT
  public:
    // The help file beside the program, unless a test has named another.
    static QString Help_File();
    static void Set_Help_File(const QString &path); // empty: the file beside the program

    // Reads the help file whole. Null when it is missing or cannot be read;
    // the caller shows the help failure message.
    static Help_Window *Open(QWidget *parent = nullptr);

    static constexpr qint64 Size_Limit = 4 * 1024 * 1024;

    // Looks for the text of Find_Box after the current selection, going on
    // from the top when the end is reached; false when it occurs nowhere.
    bool Find_Next();
    // "用文本编辑器打开": hands the file to the desktop's editor.
    void Open_Editor_Click();

  private:
    QPlainTextEdit *Help_Text = nullptr;
    QLineEdit *Find_Box = nullptr;
    QPushButton *Find_Butn = nullptr;
    QLabel *Find_State = nullptr;
    QPushButton *Open_Editor = nullptr;

    Help_Window(const QString &path, const QString &text, QWidget *parent);
    QString path_;
};
