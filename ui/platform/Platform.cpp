#include "ui/platform/Platform.h"

#include "engine/CalcModule.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QProcess>

namespace Platform {
namespace {
bool recording = false;
QStringList warnings;
QStringList captions;
int beeps = 0;

bool Start_Detached(const QString &program, const QStringList &arguments) {
    return QProcess::startDetached(program, arguments);
}
Process_Starter starter = Start_Detached;
} // namespace

void Show_Warning(const QString &text, const QString &caption) {
    if (recording) {
        warnings << text;
        captions << caption;
        return;
    }
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void Beep() {
    if (recording) {
        ++beeps;
        return;
    }
    QApplication::beep();
}

void Show_In_Front(QWidget *window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void Set_Recording(bool on) {
    recording = on;
}
QStringList Recorded_Warnings() {
    return warnings;
}
QStringList Recorded_Captions() {
    return captions;
}
int Recorded_Beeps() {
    return beeps;
}
void Clear_Recording() {
    warnings.clear();
    captions.clear();
    beeps = 0;
}

void Install_Engine_Warnings() {
    CalcModule::Set_Warning_Handler(
        [](const std::string &message) { Show_Warning(QString::fromStdString(message)); });
}

QString Clipboard_Text() {
    return QApplication::clipboard()->text();
}
void Set_Clipboard_Text(const QString &text) {
    QApplication::clipboard()->setText(text);
}
QImage Clipboard_Image() {
    return QApplication::clipboard()->image();
}
void Set_Clipboard_Image(const QImage &image) {
    QApplication::clipboard()->setImage(image);
}

QString Program_Folder() {
    return QApplication::applicationDirPath();
}

Process_Starter Set_Process_Starter(Process_Starter replacement) {
    Process_Starter previous = std::move(starter);
    starter = replacement ? std::move(replacement) : Process_Starter(Start_Detached);
    return previous;
}

bool Start_Process(const QString &program, const QStringList &arguments) {
    try {
        return starter(program, arguments);
    } catch (...) {
        return false;
    }
}

bool Open_Text_File(const QString &path) {
    // the desktop's opener for text files first, then common plain editors
    // the path is one argument of its own, so blanks in folder names are safe
    const QStringList viewers = {QStringLiteral("xdg-open"), QStringLiteral("gedit"),
                                 QStringLiteral("mousepad"), QStringLiteral("kate")};
    for (const QString &viewer : viewers)
        if (Start_Process(viewer, {path})) return true;
    return false;
}

Warning_Collector::Warning_Collector() {
    previous_ = CalcModule::Set_Warning_Handler([this](const std::string &message) {
        ++count_;
        const QString text = QString::fromStdString(message);
        if (!texts_.contains(text)) texts_ << text;
    });
}

Warning_Collector::~Warning_Collector() {
    Flush();
}

void Warning_Collector::Flush() {
    if (flushed_) return;
    flushed_ = true;
    CalcModule::Set_Warning_Handler(previous_);
    for (const QString &text : texts_) Show_Warning(text);
}

} // namespace Platform
