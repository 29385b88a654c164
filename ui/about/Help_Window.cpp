#include "ui/about/Help_Window.h"

#include "ui/platform/Controls.h"
#include "ui/platform/Files.h"
#include "ui/platform/Platform.h"
#include "ui/platform/Tab_Chain.h"

#include <QAction>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString help_file_override;

const QString Help_Failure_Text = QStringLiteral("帮助文件没有找到,或系统记事本没有安装。   ");

} // namespace

QString Help_Window::Help_File() {
    if (!help_file_override.isEmpty()) return help_file_override;
    return Platform::Program_Folder() + QStringLiteral("/Help.Txt");
}

void Help_Window::Set_Help_File(const QString &path) {
    help_file_override = path;
}

Help_Window *Help_Window::Open(QWidget *parent) {
    const QString path = Help_File();
    QByteArray bytes;
    if (!Platform::Read_File(path, Size_Limit, &bytes, nullptr)) return nullptr;
    return new Help_Window(path, QString::fromUtf8(bytes), parent);
}

Help_Window::Help_Window(const QString &path, const QString &text, QWidget *parent)
    : QWidget(parent, Qt::Window), path_(path) {
    setObjectName(QStringLiteral("Help_Window"));
    setWindowTitle(QStringLiteral("关于计算器"));
    setAttribute(Qt::WA_DeleteOnClose);

    Find_Box = Platform::Named<QLineEdit>(QStringLiteral("Find_Box"), QStringLiteral("查找"), this);
    Find_Box->setPlaceholderText(QStringLiteral("查找（Ctrl+F）"));
    Find_Butn =
        Platform::Named<QPushButton>(QStringLiteral("Find_Butn"), QStringLiteral("查找下一个"),
                                     QStringLiteral("查找下一个"), this);
    Find_Butn->setAutoDefault(false);
    Find_Butn->setToolTip(QStringLiteral("查找下一个（Enter 或 F3）"));
    Find_State = Platform::Named<QLabel>(QStringLiteral("Find_State"), QString(), this);
    Open_Editor = Platform::Named<QPushButton>(QStringLiteral("Open_Editor"),
                                               QStringLiteral("用文本编辑器打开"),
                                               QStringLiteral("用文本编辑器打开"), this);
    Open_Editor->setAutoDefault(false);

    Help_Text = Platform::Named<QPlainTextEdit>(QStringLiteral("Help_Text"),
                                                QStringLiteral("使用说明"), this);
    Help_Text->setReadOnly(true);
    Help_Text->setTabChangesFocus(true);
    // the text keeps its own line breaks; the tables in it line up only in
    // an even-width font, and the size is one that Chinese reads well at
    Help_Text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(std::max(QWidget::font().pointSizeF() * 1.2, 11.0));
    Help_Text->setFont(font);
    Help_Text->setPlainText(text);

    auto *bar = new QHBoxLayout;
    bar->addWidget(Find_Box, 1);
    bar->addWidget(Find_Butn);
    bar->addWidget(Find_State, 1);
    bar->addWidget(Open_Editor);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(Help_Text, 1);
    Platform::Set_Tab_Chain({Find_Box, Find_Butn, Open_Editor, Help_Text});

    auto *find = new QAction(this);
    find->setShortcuts(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        Find_Box->setFocus(Qt::ShortcutFocusReason);
        Find_Box->selectAll();
    });
    auto *find_next = new QAction(this);
    find_next->setShortcuts(QKeySequence::FindNext);
    connect(find_next, &QAction::triggered, this, [this] { Find_Next(); });
    addActions({find, find_next});

    connect(Find_Box, &QLineEdit::returnPressed, this, [this] { Find_Next(); });
    connect(Find_Box, &QLineEdit::textChanged, Find_State, &QLabel::clear);
    connect(Find_Butn, &QPushButton::clicked, this, [this] { Find_Next(); });
    connect(Open_Editor, &QPushButton::clicked, this, [this] { Open_Editor_Click(); });

    const QFontMetrics metrics(font);
    resize(metrics.horizontalAdvance(QLatin1Char('M')) * 84, metrics.lineSpacing() * 36);
}

bool Help_Window::Find_Next() {
    const QString wanted = Find_Box->text();
    if (wanted.isEmpty()) return false;
    bool found = Help_Text->find(wanted);
    if (!found) {
        // from the top again, as far as where the search started
        const QTextCursor where = Help_Text->textCursor();
        Help_Text->moveCursor(QTextCursor::Start);
        found = Help_Text->find(wanted);
        if (!found) Help_Text->setTextCursor(where);
    }
    Find_State->setText(found ? QString() : QStringLiteral("找不到“%1”").arg(wanted));
    if (!found) Platform::Beep();
    return found;
}

void Help_Window::Open_Editor_Click() {
    if (!Platform::Open_Text_File(path_))
        Platform::Show_Warning(Help_Failure_Text, QStringLiteral("Quorvex"));
}
