#pragma once
// The only place that talks to the desktop: warning boxes, the beep, the
// clipboard, starting the help viewer and the program's own folder.
// Tests switch it to recording so that nothing ever blocks on a modal box.

#include <QString>
#include <QStringList>
#include <functional>

class QImage;
class QWidget;

namespace Platform {

// Modal box with a warning icon and an OK button.
void Show_Warning(const QString &text, const QString &caption = QStringLiteral("警告"));
void Beep();
// Shows a window modeless and brings it to the front.
void Show_In_Front(QWidget *window);

void Set_Recording(bool on);     // on: boxes and beeps are recorded, not shown
QStringList Recorded_Warnings(); // texts of the recorded boxes, oldest first
QStringList Recorded_Captions(); // their captions, in the same order
int Recorded_Beeps();
void Clear_Recording();

// Routes the engine's warnings (CalcModule::Show_Warning) to Show_Warning.
void Install_Engine_Warnings();

QString Clipboard_Text();
void Set_Clipboard_Text(const QString &text);
QImage Clipboard_Image();
void Set_Clipboard_Image(const QImage &image);

// Folder that holds the running executable.
QString Program_Folder();

// Starts a program with its arguments, no shell involved; false when it could
// not be started. Tests replace the starter to see what would be started.
using Process_Starter = std::function<bool(const QString &program, const QStringList &arguments)>;
Process_Starter Set_Process_Starter(Process_Starter starter); // returns the previous one
bool Start_Process(const QString &program, const QStringList &arguments);
// Opens a text file in the desktop's text viewer; false when none could be started.
bool Open_Text_File(const QString &path);

// Collects the engine's warnings while it lives instead of showing each one;
// Flush() (also run by the destructor) shows every distinct text once, in the
// order first seen. Used by long loops of evaluations (solver, plotter).
class Warning_Collector {
  public:
    Warning_Collector();
    ~Warning_Collector();
    Warning_Collector(const Warning_Collector &) = delete;
    Warning_Collector &operator=(const Warning_Collector &) = delete;

    // Number of warnings the engine raised so far (repeats included).
    int Count() const { return count_; }
    void Flush();

  private:
    std::function<void(const std::string &)> previous_;
    QStringList texts_;
    int count_ = 0;
    bool flushed_ = false;
};

} // namespace Platform
