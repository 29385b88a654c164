#pragma once
// "关于作者": the program's name, the project behind it and where to reach it.
// A plain window with no behaviour of its own; it deletes itself when closed,
// so the main window keeps only a guarded pointer to it.

#include <QWidget>

class QLabel;

class Author : public QWidget {
    Q_OBJECT
  public:
    explicit Author(QWidget *parent = nullptr);

  private:
    QLabel *Label1 = nullptr; // the program's name
    QLabel *Label2 = nullptr; // the project
    QLabel *Label3 = nullptr; // contact
};
