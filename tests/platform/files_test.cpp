#include "ui/platform/Files.h"
#include "ui/platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray Contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
} // namespace

TEST(Files, WriteReplacesTheWholeFileAndReadGivesItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("会话 1.qvx"));
    QString reason;
    ASSERT_TRUE(Platform::Write_File(path, "first", &reason)) << reason.toStdString();
    ASSERT_TRUE(Platform::Write_File(path, "second", &reason)) << reason.toStdString();
    QByteArray bytes;
    ASSERT_TRUE(Platform::Read_File(path, 100, &bytes, &reason));
    EXPECT_EQ(bytes, "second");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"会话 1.qvx"});
}

TEST(Files, FailedWritesLeaveTheOldFileAndNoOtherFile) {
    QTemporaryDir dir;
    const QString old_file = dir.filePath("old.qvx");
    ASSERT_TRUE(Platform::Write_File(old_file, "kept", nullptr));

    // a read-only file, a read-only folder, a folder in the way, a missing folder;
    // the mode bits are honoured even for a program run as root
    QFile::setPermissions(old_file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QString reason;
    EXPECT_FALSE(Platform::Write_File(old_file, "lost", &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(Contents(old_file), "kept");

    const QString locked = dir.filePath("locked");
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(Platform::Write_File(locked + "/new.qvx", "x", &reason));
    EXPECT_FALSE(QFile::exists(locked + "/new.qvx"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_FALSE(Platform::Write_File(locked, "x", &reason));
    EXPECT_FALSE(Platform::Write_File(dir.filePath("missing/new.qvx"), "x", &reason));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.qvx"});
    EXPECT_TRUE(QDir(locked).entryList(QDir::Files).isEmpty());
}

TEST(Files, ReadRefusesLargeMissingUnreadableAndFolders) {
    QTemporaryDir dir;
    const QString path = dir.filePath("big");
    ASSERT_TRUE(Platform::Write_File(path, QByteArray(101, 'a'), nullptr));
    QByteArray bytes = "untouched";
    QString reason;
    EXPECT_FALSE(Platform::Read_File(path, 100, &bytes, &reason));
    EXPECT_EQ(bytes, "untouched");
    EXPECT_TRUE(Platform::Read_File(path, 101, &bytes, &reason));
    EXPECT_EQ(bytes.size(), 101);

    EXPECT_FALSE(Platform::Read_File(dir.filePath("missing"), 100, &bytes, &reason));
    EXPECT_FALSE(Platform::Read_File(dir.path(), 100, &bytes, &reason));
    QFile::setPermissions(path, QFile::WriteOwner);
    EXPECT_FALSE(Platform::Read_File(path, 1000, &bytes, &reason));
    EXPECT_FALSE(reason.isEmpty());
}

TEST(Files, DialogsAreAnsweredByTheInstalledChooser) {
    QList<Platform::File_Request> asked;
    auto previous = Platform::Set_File_Chooser([&](const Platform::File_Request &request) {
        asked << request;
        return request.save ? QStringLiteral("/tmp/a.png") : QString();
    });
    EXPECT_EQ(Platform::Choose_Save_File("保存", "a.png", "PNG (*.png)"), "/tmp/a.png");
    EXPECT_EQ(Platform::Choose_Open_File("打开", "*.qvx"), QString());
    Platform::Set_File_Chooser(previous);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].save);
    EXPECT_EQ(asked[0].suggested, "a.png");
    EXPECT_FALSE(asked[1].save);
    EXPECT_EQ(asked[1].filter, "*.qvx");
}

TEST(Files, ClipboardCarriesAnImage) {
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(3, 2, qRgb(0, 0, 255));
    Platform::Set_Clipboard_Image(image);
    EXPECT_EQ(Platform::Clipboard_Image().convertToFormat(QImage::Format_RGB32), image);
}

TEST(Files, FailureMessagesNameTheFileAndTheReason) {
    EXPECT_EQ(Platform::Save_Failure_Message("/a/b.png", "文件是只读的"),
              "无法保存文件 “/a/b.png”:文件是只读的");
    EXPECT_EQ(Platform::Open_Failure_Message("/a/b.qvx", "文件太大"),
              "无法打开文件 “/a/b.qvx”:文件太大");
}

TEST(Files, ATypedNameGetsItsExtensionUnlessThatReplacesAFileUnasked) {
    QTemporaryDir dir;
    const QString bare = dir.filePath("curve");
    QString refusal;
    EXPECT_EQ(Platform::Save_Path_With_Extension(bare, ".png", &refusal), bare + ".png");
    EXPECT_TRUE(refusal.isEmpty());
    EXPECT_EQ(Platform::Save_Path_With_Extension(bare + ".jpg", ".png", &refusal), bare + ".jpg");
    // a folder, or a bare name the dialog confirmed, stays as chosen
    EXPECT_EQ(Platform::Save_Path_With_Extension(dir.path(), ".png", &refusal), dir.path());
    ASSERT_TRUE(Platform::Write_File(bare, "old", nullptr));
    EXPECT_EQ(Platform::Save_Path_With_Extension(bare, ".png", &refusal), bare);
    EXPECT_TRUE(refusal.isEmpty());
    // the longer name is taken: the dialog never asked about it
    ASSERT_TRUE(Platform::Write_File(dir.filePath("plot.png"), "old", nullptr));
    Platform::Save_Path_With_Extension(dir.filePath("plot"), ".png", &refusal);
    EXPECT_TRUE(refusal.contains(".png"));
}
