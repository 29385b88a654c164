#include "ui/platform/Files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace Platform {
namespace {

QString Desktop_Dialog(const File_Request &request) {
    QWidget *parent = QApplication::activeWindow();
    if (request.save)
        return QFileDialog::getSaveFileName(parent, request.caption, request.suggested,
                                            request.filter);
    return QFileDialog::getOpenFileName(parent, request.caption, request.suggested, request.filter);
}

File_Chooser chooser = Desktop_Dialog;

// The mode bits say no one may write (or read): refuse even where the
// system would let us through. The "User" bits are left out: Qt fills them
// from access(), which lets root through everything.
bool No_One_May(const QFileInfo &info, QFile::Permissions any) {
    return (info.permissions() & any) == 0;
}
constexpr QFile::Permissions Any_Write = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
constexpr QFile::Permissions Any_Read = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

QString With_System_Words(const QString &text, const QString &system) {
    return system.isEmpty() ? text : text + QStringLiteral("(") + system + QStringLiteral(")");
}

} // namespace

File_Chooser Set_File_Chooser(File_Chooser replacement) {
    File_Chooser previous = std::move(chooser);
    chooser = replacement ? std::move(replacement) : File_Chooser(Desktop_Dialog);
    return previous;
}

QString Choose_Save_File(const QString &caption, const QString &suggested, const QString &filter) {
    return chooser(File_Request{true, caption, suggested, filter});
}

QString Choose_Open_File(const QString &caption, const QString &filter) {
    return chooser(File_Request{false, caption, QString(), filter});
}

QString Save_Path_With_Extension(const QString &chosen, const QString &extension,
                                 QString *refusal) {
    const QFileInfo typed(chosen);
    if (!typed.suffix().isEmpty() || typed.exists()) return chosen;
    const QString path = chosen + extension;
    if (QFileInfo::exists(path) && refusal)
        *refusal = QStringLiteral("已有同名文件;要替换它,请输入带 %1 的完整文件名").arg(extension);
    return path;
}

bool Write_File(const QString &path, const QByteArray &bytes, QString *reason) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    QString why;
    if (path.isEmpty())
        why = QStringLiteral("没有给出文件名");
    else if (target.isDir())
        why = QStringLiteral("这是一个文件夹");
    else if (!folder.isDir())
        why = QStringLiteral("文件夹不存在");
    else if (!folder.isWritable() || No_One_May(folder, Any_Write))
        why = QStringLiteral("没有写入该文件夹的权限");
    else if (target.exists() && (!target.isWritable() || No_One_May(target, Any_Write)))
        why = QStringLiteral("文件是只读的");
    if (why.isEmpty()) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            why = With_System_Words(QStringLiteral("无法创建文件"), file.errorString());
        else if (file.write(bytes) != bytes.size()) {
            why = With_System_Words(QStringLiteral("写入失败,磁盘可能已满"), file.errorString());
            file.cancelWriting();
        } else if (!file.commit())
            why = With_System_Words(QStringLiteral("写入失败,磁盘可能已满"), file.errorString());
    }
    if (why.isEmpty()) return true;
    if (reason) *reason = why;
    return false;
}

bool Read_File(const QString &path, qint64 limit, QByteArray *bytes, QString *reason) {
    const QFileInfo info(path);
    QString why;
    if (path.isEmpty())
        why = QStringLiteral("没有给出文件名");
    else if (!info.exists())
        why = QStringLiteral("文件不存在");
    else if (info.isDir())
        why = QStringLiteral("这是一个文件夹");
    else if (!info.isReadable() || No_One_May(info, Any_Read))
        why = QStringLiteral("没有读取该文件的权限");
    else if (info.size() > limit)
        why = QStringLiteral("文件太大");
    if (why.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            why = With_System_Words(QStringLiteral("无法打开文件"), file.errorString());
        else {
            // read at most one byte beyond the limit: a file that grew meanwhile is still refused
            QByteArray read = file.read(limit + 1);
            if (file.error() != QFileDevice::NoError)
                why = With_System_Words(QStringLiteral("读取失败"), file.errorString());
            else if (read.size() > limit)
                why = QStringLiteral("文件太大");
            else if (bytes)
                *bytes = std::move(read);
        }
    }
    if (why.isEmpty()) return true;
    if (reason) *reason = why;
    return false;
}

QString Save_Failure_Message(const QString &path, const QString &reason) {
    return QStringLiteral("无法保存文件 “%1”:%2").arg(QDir::toNativeSeparators(path), reason);
}

QString Open_Failure_Message(const QString &path, const QString &reason) {
    return QStringLiteral("无法打开文件 “%1”:%2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace Platform
