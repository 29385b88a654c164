#pragma once
// Files the user chooses: the desktop's open and save dialogs, and whole-file
// reads and writes. A write goes through a temporary file that is renamed into
// place, so a failed save leaves the old file as it was; a read is refused
// before anything is read when the file is too large or cannot be read.
// Tests answer the dialogs through Set_File_Chooser, so none ever blocks.

#include <QByteArray>
#include <QString>
#include <functional>

class QImage;

namespace Platform {

struct File_Request {
    bool save = false; // save dialog (true) or open dialog (false)
    QString caption;   // the dialog's title
    QString suggested; // proposed file name or path (save dialog)
    QString filter; // name filters, ";;"-separated, e.g. "Quorvex 会话 (*.qvx);;所有文件 (*)"
};

// Answers a dialog with the chosen path, or an empty text when cancelled.
using File_Chooser = std::function<QString(const File_Request &)>;
File_Chooser
Set_File_Chooser(File_Chooser chooser); // returns the previous one; empty: the desktop's

QString Choose_Save_File(const QString &caption, const QString &suggested, const QString &filter);
QString Choose_Open_File(const QString &caption, const QString &filter);

// The path a save dialog's answer stands for: a name typed without an
// extension, and not naming anything that exists, gets the given one
// (".png"). The dialog only asked about replacing the name as typed, so when
// the longer name is taken already the save is refused: refusal says why.
QString Save_Path_With_Extension(const QString &chosen, const QString &extension, QString *refusal);

// Writes the whole text of a file or nothing. On failure returns false and
// sets reason to a short Chinese text (with the system's own words where it
// gives some); the file that was there is left byte for byte.
bool Write_File(const QString &path, const QByteArray &bytes, QString *reason);

// Reads a whole file of at most limit bytes. On failure returns false and sets
// reason; a larger file is refused without being read.
bool Read_File(const QString &path, qint64 limit, QByteArray *bytes, QString *reason);

// One clear message for a failed read or write: "无法保存文件 “…”:reason".
QString Save_Failure_Message(const QString &path, const QString &reason);
QString Open_Failure_Message(const QString &path, const QString &reason);

} // namespace Platform
