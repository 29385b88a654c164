// Session files through the main window: saved, cleared and opened again the
// state comes back exactly; a bad file changes nothing and says why once; a
// failed save keeps the old file; nothing is read or written unasked.

#include "tests/main/Window_Driver.h"
#include "ui/main/Session_Format.h"
#include "ui/main/StatBox.h"
#include "ui/main/StatModule.h"
#include "ui/platform/Files.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <bit>
#include <cmath>
#include <limits>
#include <random>

using Session_Format::Session_State;

namespace {

QByteArray Contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Put(const QString &path, const QByteArray &bytes) {
    // a new file rather than a truncated one, which some file systems flush to disk on close
    QFile::remove(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

StatBox *Open_Stat_Box() {
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<StatBox *>(widget); box && box->isVisible()) return box;
    return nullptr;
}

// the statistics box's list and its count line
QListWidget *List_Of(StatBox *box) {
    return box->findChild<QListWidget *>(QStringLiteral("List1"));
}
QString Count_Of(StatBox *box) {
    return box->findChild<QLineEdit *>(QStringLiteral("Text3"))->text();
}

// Texts made of what the display and the registers can hold: digits, letters,
// operators, Chinese, characters beyond U+FFFF, quotes, backslashes, tabs,
// control characters and, in the one-line boxes, line breaks too.
QString Random_Text(std::mt19937 &random, bool line_breaks, int longest = 24) {
    static const QString pieces[] = {"0",    "9",    "A", "F",    ".",    "e+", "-",   "=",
                                     "(",    "mod",  "∏", "统计", "😀",    "\"", "\\",  "\t",
                                     "\x01", "\x7f", " ", "é",    "</b>", "\n", "\r\n"};
    const int choices = int(std::size(pieces)) - (line_breaks ? 0 : 2);
    QString text;
    const int length = std::uniform_int_distribution<int>(0, longest)(random);
    for (int i = 0; i < length; ++i) {
        // now and then any printable ASCII character, as results and tokens use them
        if (random() % 4 == 0)
            text += QChar(char16_t(0x20 + random() % 95));
        else
            text += pieces[random() % choices];
    }
    return text;
}

double Random_Number(std::mt19937 &random) {
    static const double special[] = {-0.0,
                                     std::numeric_limits<double>::denorm_min(),
                                     std::numeric_limits<double>::max(),
                                     0.1,
                                     1.0 / 3,
                                     2.5};
    if (random() % 3 == 0) return special[random() % std::size(special)];
    double value;
    do value = std::bit_cast<double>((std::uint64_t(random()) << 32) | random());
    while (!std::isfinite(value));
    return value;
}

Session_State Random_State(std::mt19937 &random) {
    Session_State state;
    const std::uint8_t bases[] = {2, 8, 10, 16}, words[] = {8, 16, 32};
    state.Number_Base = bases[random() % 4];
    state.Word_Length = state.Number_Base == 10 ? 32 : words[random() % 3];
    state.Angle_Unit = std::uint8_t(random() % 3);
    state.Inverse = random() % 2;
    for (auto &memory : state.Memories)
        memory = Random_Text(random, true, random() % 10 == 0 ? 3000 : 24).toStdString();
    const int lines = random() % 30;
    for (int i = 0; i < lines; ++i)
        state.History +=
            (Random_Text(random, false) + "=" + Random_Text(random, false) + "\r\n").toStdString();
    const int counts[] = {0, 1, 2, 7, 100, 101};
    const int count = counts[random() % std::size(counts)];
    for (int i = 0; i < count; ++i)
        state.Statistics.push_back(
            {Random_Number(random), Random_Text(random, true, 12).toStdString()});
    for (double &letter : state.Letters) letter = Random_Number(random);
    state.Expression = Random_Text(random, true).toStdString();
    state.Display = Random_Text(random, true).toStdString();
    // now and then a finished calculation: the line ends in "=" and the display
    if (random() % 3 == 0) state.Expression += "=" + state.Display;
    return state;
}

class Session : public Window_Driver {
  protected:
    void SetUp() override {
        Window_Driver::SetUp();
        Platform::Set_File_Chooser([this](const Platform::File_Request &r) {
            requests << r;
            return answer;
        });
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override {
        Close_Other_Windows();
        Window_Driver::TearDown();
    }

    QString Path(const QString &name) const { return folder.filePath(name); }
    void Save_To(const QString &path) {
        answer = path;
        Find<QAction>("Menu_Save_Session")->trigger();
    }
    void Open_From(const QString &path) {
        answer = path;
        Find<QAction>("Menu_Open_Session")->trigger();
    }

    static void Close_Other_Windows() {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && !qobject_cast<Scin_Cale *>(widget)) widget->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // "全部清除" and every other window closed.
    void Clear_Everything() {
        Find<QAction>("Menu_Clear")->trigger();
        Close_Other_Windows();
    }

    // Everything a user or another window could notice, as one text.
    std::string Snapshot() const {
        std::string s = Session_Format::Write(window->Session());
        const auto state = window->State();
        s += std::to_string(std::bit_cast<std::uint64_t>(state.Result_Value)) +
             std::to_string(state.Sign_Next_Negative) + std::to_string(state.Number_Typed) +
             std::to_string(state.New_Number) + std::to_string(state.Sci_Display) +
             std::to_string(state.Result_Shown) + "\n";
        for (auto *control : window->findChildren<QAbstractButton *>())
            s += control->objectName().toStdString() + std::to_string(control->isEnabled()) +
                 std::to_string(control->isVisibleTo(window.get())) +
                 std::to_string(control->isChecked()) + " ";
        s += std::to_string(Find("wordlong")->isVisibleTo(window.get())) + "\n";
        if (StatBox *box = Open_Stat_Box()) {
            for (int i = 0; i < List_Of(box)->count(); ++i)
                s += List_Of(box)->item(i)->text().toStdString() + "|";
            s += std::to_string(List_Of(box)->currentRow()) + Count_Of(box).toStdString();
        }
        s += "count " + std::to_string(StatModule::Stat_Count);
        for (double value : StatModule::Stat_Values)
            s += " " + std::to_string(std::bit_cast<std::uint64_t>(value));
        return s;
    }

    // Opening the file leaves everything as it was and says why once, naming it.
    void Expect_Refused(const QString &path, const std::string &label) {
        const std::string before = Snapshot();
        Platform::Clear_Recording();
        Open_From(path);
        const QStringList warnings = Platform::Recorded_Warnings();
        ASSERT_EQ(warnings.size(), 1) << label;
        EXPECT_TRUE(warnings[0].startsWith(Platform::Open_Failure_Message(path, QString())))
            << label << ": " << warnings[0].toStdString();
        EXPECT_EQ(Snapshot(), before) << label;
    }

    // The windows show the state: options, key pad, inverse keys, statistics.
    void Expect_Shown(const Session_State &state, const std::string &label) {
        const int base_option = state.Number_Base == 16  ? 0
                                : state.Number_Base == 8 ? 2
                                : state.Number_Base == 2 ? 3
                                                         : 1;
        EXPECT_TRUE(
            Find<QRadioButton>(QStringLiteral("Number_Option_%1").arg(base_option))->isChecked())
            << label;
        EXPECT_EQ(Find("wordlong")->isVisibleTo(window.get()), state.Number_Base != 10) << label;
        EXPECT_EQ(Find<QPushButton>("Digl_Butn_10")->isEnabled(), state.Number_Base == 16) << label;
        EXPECT_EQ(Find<QPushButton>("Digl_Butn_2")->isEnabled(), state.Number_Base != 2) << label;
        EXPECT_EQ(Find<QPushButton>("Oper_Butn_17")->isEnabled(), state.Number_Base == 10) << label;
        const int word_option = state.Word_Length == 32 ? 0 : state.Word_Length == 16 ? 1 : 2;
        EXPECT_TRUE(
            Find<QRadioButton>(QStringLiteral("Word_Option_%1").arg(word_option))->isChecked())
            << label;
        EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("Angle_Option_%1").arg(state.Angle_Unit))
                        ->isChecked())
            << label;
        EXPECT_EQ(Find<QPushButton>("Oper_Butn_25")->isVisibleTo(window.get()), state.Inverse)
            << label;
        StatBox *box = Open_Stat_Box();
        if (state.Statistics.empty() && !box) return;
        ASSERT_NE(box, nullptr) << label;
        ASSERT_EQ(List_Of(box)->count(), int(state.Statistics.size())) << label;
        for (int i = 0; i < List_Of(box)->count(); ++i)
            EXPECT_EQ(List_Of(box)->item(i)->text().toStdString(), state.Statistics[i].Text);
        EXPECT_EQ(Count_Of(box), QStringLiteral("n=%1").arg(state.Statistics.size()));
        for (int i = 1; i <= 4; ++i)
            EXPECT_TRUE(Find<QPushButton>(QStringLiteral("Stac_Butn_%1").arg(i))->isEnabled())
                << label;
        EXPECT_FALSE(Find<QPushButton>("Stac_Butn_0")->isEnabled()) << label;
    }

    QTemporaryDir folder;
    QString answer;
    QList<Platform::File_Request> requests;
};

} // namespace

TEST_F(Session, RandomStatesSurviveSaveClearAndOpen) {
    std::mt19937 random(14);
    const QString path = Path("round.qvx"), again = Path("again.qvx");
    for (int round = 0; round < 200; ++round) {
        const Session_State state = Random_State(random);
        const std::string label = "round " + std::to_string(round);
        window->Apply_Session(state);
        ASSERT_TRUE(Session_Format::Same(window->Session(), state))
            << label << "\n"
            << Session_Format::Write(window->Session()) << "\nwanted\n"
            << Session_Format::Write(state);
        Expect_Shown(state, label);

        Save_To(path);
        Clear_Everything();
        EXPECT_TRUE(History()->toPlainText().isEmpty());
        EXPECT_EQ(StatModule::Stat_Count, 0);
        Open_From(path);
        ASSERT_TRUE(Platform::Recorded_Warnings().isEmpty())
            << label << Platform::Recorded_Warnings().join("\n").toStdString();
        ASSERT_TRUE(Session_Format::Same(window->Session(), state)) << label;
        Expect_Shown(state, label);

        // saving what was opened writes the same file again
        Save_To(again);
        ASSERT_EQ(Contents(again), Contents(path)) << label;
    }
}

TEST_F(Session, OpenedStateWorksAsIfReachedByHand) {
    Press("Sta 5 Dat 7 Dat 1 + 2 = M2 INV RAD");
    ASSERT_EQ(Display(), "3.");
    Save_To(Path("hand.qvx"));
    Clear_Everything();
    ASSERT_EQ(Open_Stat_Box(), nullptr);
    Open_From(Path("hand.qvx"));

    EXPECT_EQ(Expression(), "1+2=3.");
    EXPECT_EQ(Find<QLabel>("Memory_1")->text(), "3.");
    EXPECT_EQ(History_Lines(), QStringList{"1+2=3."});
    EXPECT_EQ(CalcModule::Angle_Unit, 1);
    ASSERT_NE(Open_Stat_Box(), nullptr);
    EXPECT_EQ(Count_Of(Open_Stat_Box()), "n=2");
    // a finished calculation: an operator continues from the result, and the
    // statistics keys work on the values that were kept
    Press("+ 4 =");
    EXPECT_EQ(Display(), "7.");
    EXPECT_EQ(History_Lines(), (QStringList{"1+2=3.", "3.+4=7."}));
    Press("Sum");
    EXPECT_EQ(Display(), "12");
    Press("Asn");
    EXPECT_FALSE(
        Find<QCheckBox>("Inv_Check")->isChecked()); // an inverse key switches them off, as ever

    // a display that is not a result is an operand: a digit extends it
    Session_State state = window->Session();
    state.Expression = "2*";
    state.Display = "1";
    window->Apply_Session(state);
    Press("5 =");
    EXPECT_EQ(Display(), "30.");
}

TEST_F(Session, BadFilesChangeNothingAndSayWhyOnce) {
    std::mt19937 random(7);
    Session_State rich = Random_State(random);
    rich.Statistics = {{5, "5"}, {12, "12abc"}};
    rich.Number_Base = 16;
    rich.Word_Length = 16;
    window->Apply_Session(rich);
    const QString good = Path("good.qvx");
    Save_To(good);
    const QByteArray file = Contents(good);
    const QString bad = Path("bad.qvx");

    // cut off at every byte
    const qsizetype last_brace = file.lastIndexOf('}');
    for (qsizetype length = 0; length <= last_brace; ++length) {
        Put(bad, file.left(length));
        Expect_Refused(bad, "prefix " + std::to_string(length));
        if (HasFatalFailure()) return;
    }

    // random changes: a refused file changes nothing; an accepted one is taken whole
    std::string baseline = Snapshot();
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray changed = file;
        for (int k = 1 + random() % 3; k > 0; --k) {
            const qsizetype at = random() % changed.size();
            switch (random() % 4) {
            case 0:
                changed[at] = char(random());
                break;
            case 1:
                changed.remove(at, 1 + random() % 8);
                break;
            case 2:
                changed.insert(at, "{}[],:\"\\0e-1"[random() % 12]);
                break;
            default:
                changed.insert(at, changed.mid(random() % changed.size(), random() % 40));
            }
        }
        Put(bad, changed);
        Session_State parsed;
        std::string problem;
        if (!Session_Format::Read(std::string_view(changed.constData(), changed.size()), parsed,
                                  problem)) {
            ++refused;
            Expect_Refused(bad, "mutation " + std::to_string(round));
            if (HasFatalFailure()) return;
            continue;
        }
        Platform::Clear_Recording();
        Open_From(bad);
        EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
        // the history box makes every line break CR LF
        Session_State shown = window->Session();
        const auto without_breaks = [](std::string text) {
            std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
            return text;
        };
        EXPECT_EQ(without_breaks(shown.History), without_breaks(parsed.History)) << round;
        shown.History = parsed.History;
        EXPECT_TRUE(Session_Format::Same(shown, parsed)) << round;
        window->Apply_Session(rich);
        baseline = Snapshot();
    }
    EXPECT_GT(refused, 2000);

    // files that are no session at all, or cannot be read
    struct Case {
        const char *label;
        QByteArray bytes;
    };
    const QByteArray deep = "{\"x\": " + QByteArray(10000, '[') + QByteArray(10000, ']') + "}";
    QByteArray invalid_utf8 = file;
    invalid_utf8.insert(invalid_utf8.indexOf("\"history\": \"") + 12, "\xC3\x28");
    const Case cases[] = {
        {"NaN letter", QByteArray(file).replace("\"letters\": [", "\"letters\": [NaN, ")},
        {"Infinity value", QByteArray(file).replace("\"value\": 5", "\"value\": Infinity")},
        {"1e999 letter", QByteArray(file).replace("\"letters\": [", "\"letters\": [1e999, ")},
        {"wrong type", QByteArray(file).replace("\"display\": ", "\"display\": 5, \"x\": ")},
        {"newer version", QByteArray(file).replace("\"version\": 1", "\"version\": 2")},
        {"deep nesting", deep},
        {"invalid UTF-8", invalid_utf8},
        {"picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
    };
    for (const Case &c : cases) {
        Put(bad, c.bytes);
        Expect_Refused(bad, c.label);
    }

    QFile huge(Path("huge.qvx"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(100 * 1024 * 1024)); // sparse: nothing is written or read
    huge.close();
    Expect_Refused(huge.fileName(), "100 MiB");
    EXPECT_TRUE(Platform::Recorded_Warnings().value(0).endsWith("(会话文件最大 16 MiB)"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.qvx"));
    Expect_Refused(Path("folder.qvx"), "folder");
    Put(bad, file);
    QFile::setPermissions(bad, QFile::WriteOwner);
    Expect_Refused(bad, "no read permission");
    Expect_Refused(Path("missing.qvx"), "missing");
}

TEST_F(Session, FailedSavesKeepTheOldFileAndSayWhyOnce) {
    Type("42");
    Press("M1");
    const QString old_file = Path("old.qvx");
    Put(old_file, "old contents");
    QFile::setPermissions(old_file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
    const QString locked = Path("locked");
    Put(locked + "/old.qvx", "old contents");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);

    for (const QString &path : {old_file, locked + "/old.qvx", locked + "/new.qvx", locked}) {
        Platform::Clear_Recording();
        Save_To(path);
        const QStringList warnings = Platform::Recorded_Warnings();
        ASSERT_EQ(warnings.size(), 1) << path.toStdString();
        EXPECT_TRUE(warnings[0].startsWith(Platform::Save_Failure_Message(path, QString())))
            << warnings[0].toStdString();
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Contents(old_file), "old contents");
    EXPECT_EQ(Contents(locked + "/old.qvx"), "old contents");
    EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList{"old.qvx"});

    // a session too large to open again is not saved either
    Platform::Clear_Recording();
    Find<QLineEdit>("Expression")
        ->setText(QString(Session_Format::Size_Limit / 3 + 1, QChar(u'统')));
    Save_To(Path("big.qvx"));
    EXPECT_EQ(Platform::Recorded_Warnings().size(), 1);
    EXPECT_FALSE(QFile::exists(Path("big.qvx")));
}

TEST_F(Session, MenuItemsAskForAFileAndCancelDoesNothing) {
    const QList<QAction *> items = Find<QMenu>("edit")->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_TRUE(items[items.size() - 3]->isSeparator());
    EXPECT_EQ(items[items.size() - 2], Find<QAction>("Menu_Save_Session"));
    EXPECT_EQ(items.last(), Find<QAction>("Menu_Open_Session"));
    EXPECT_EQ(Find<QAction>("Menu_Save_Session")->text(), "保存会话…");
    EXPECT_EQ(Find<QAction>("Menu_Open_Session")->text(), "打开会话…");

    Type("12");
    const std::string before = Snapshot();
    // typed where typing goes: on the "=" key
    ASSERT_EQ(Focus_Name(), "Oper_Butn_30");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(requests.size(), 2); // both answered "cancel"
    EXPECT_TRUE(requests[0].save);
    EXPECT_FALSE(requests[1].save);
    for (const auto &request : requests) {
        EXPECT_TRUE(request.filter.contains("Quorvex 会话 (*.qvx)"));
        EXPECT_TRUE(request.filter.contains("(*)"));
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(Platform::Recorded_Warnings().isEmpty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    // a name without an ending gets the session ending
    Save_To(Path("mine"));
    EXPECT_TRUE(QFile::exists(Path("mine.qvx")));
    // the dialog confirmed "mine", not "mine.qvx": that file is not replaced unasked
    const QByteArray first = Contents(Path("mine.qvx"));
    Type("3");
    Save_To(Path("mine"));
    EXPECT_EQ(Platform::Recorded_Warnings().size(), 1);
    EXPECT_EQ(Contents(Path("mine.qvx")), first);
    Save_To(Path("mine.txt"));
    EXPECT_TRUE(QFile::exists(Path("mine.txt")));
}

TEST(Session_Start, ShowsTheStartUpStateAndTouchesNoFile) {
    QTemporaryDir here;
    const QString previous_folder = QDir::currentPath();
    QDir::setCurrent(here.path());
    int asked = 0;
    auto previous = Platform::Set_File_Chooser([&](const Platform::File_Request &) {
        ++asked;
        return QString();
    });
    Platform::Set_Recording(true);
    {
        Scin_Cale window;
        window.show();
        const Session_State state = window.Session();
        EXPECT_EQ(state.Number_Base, 10);
        EXPECT_EQ(state.Word_Length, 32);
        EXPECT_EQ(state.Angle_Unit, 0);
        EXPECT_FALSE(state.Inverse);
        EXPECT_TRUE(state.History.empty() && state.Expression.empty() && state.Display.empty());
        EXPECT_EQ(state.Memories, (std::array<std::string, 5>{}));
        EXPECT_TRUE(state.Statistics.empty());
    }
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(QDir(here.path()).isEmpty());
    Platform::Set_File_Chooser(previous);
    QDir::setCurrent(previous_folder);
}
