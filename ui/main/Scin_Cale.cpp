#include "ui/main/Scin_Cale.h"

#include "engine/CalcModule.h"
#include "ui/main/Key_Table.h"
#include "ui/main/Scin_Cale_Colours.h"
#include "ui/main/StatBox.h"
#include "ui/platform/Controls.h"
#include "ui/platform/Elided_Label.h"
#include "ui/platform/Mode_Notifier.h"
#include "ui/platform/Plain_Text_Box.h"
#include "ui/platform/Platform.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace {

const QColor Digit_Colour(Qt::blue);
const QColor Process_Colour(Qt::magenta);
const QColor Operator_Colour(Qt::red);

using Platform::Indexed_Name;

QPushButton *Make_Key(QWidget *parent, const QString &face, const QString &name,
                      const QString &tip = QString()) {
    auto *key = Platform::Named<QPushButton>(name, tip.isEmpty() ? face : tip, face, parent);
    key->setAutoDefault(false);
    if (!tip.isEmpty()) key->setToolTip(tip);
    key->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    // narrower than the style's usual push button, never narrower than the face
    key->setMinimumWidth(key->fontMetrics().horizontalAdvance(face) + 20);
    return key;
}

// A key of the pad as its row in the key table describes it.
QPushButton *Make_Pad_Key(QWidget *parent, const Key_Table::Key &row, const QString &name) {
    auto *key = Make_Key(parent, QString::fromUtf8(row.face), name);
    key->setAccessibleName(QString::fromUtf8(row.Spoken()));
    if (row.tip) key->setToolTip(QString::fromUtf8(row.tip));
    // a key over two rows grows with them
    if (row.row_span > 1) key->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    // an inverse key appears when the inverse box is ticked
    if (row.layer == Key_Table::Layer::Inverse) key->hide();
    return key;
}

QColor Face_Colour(Key_Table::Family family) {
    switch (family) {
    case Key_Table::Family::Digit:
        return Digit_Colour;
    case Key_Table::Family::Process:
        return Process_Colour;
    default:
        return Operator_Colour;
    }
}

QRadioButton *Make_Option(QWidget *parent, const QString &caption, const QString &name) {
    return Platform::Named<QRadioButton>(name, caption, caption, parent);
}

} // namespace

Scin_Cale::Scin_Cale() {
    setObjectName(QStringLiteral("Scin_Cale"));
    setWindowTitle(QStringLiteral("Quorvex"));
    // engine messages open the same warning box as the window's own
    Platform::Install_Engine_Warnings();

    Build_Controls();
    Build_Layout();
    Build_Menus();
    Connect_Handlers();
    Form_Load();
    // typing works from the start, as after any key
    Focus_Equals();
    Build_Keyboard_And_Screen();
}

Scin_Cale::~Scin_Cale() {
    // the statistics window is a top-level window of its own
    if (stat_box_) {
        stat_box_->disconnect(this);
        delete stat_box_;
    }
    Close_Other_Windows();
}

Scin_Cale::Window_State Scin_Cale::State() const {
    return {Result_Value, Sign_Next_Negative, Number_Typed, New_Number, Sci_Display, Result_Shown};
}

std::span<QPushButton *> Scin_Cale::Pad_Keys(Key_Table::Family family) {
    switch (family) {
    case Key_Table::Family::Digit:
        return Digl_Butn;
    case Key_Table::Family::Process:
        return Digl_ProsButn;
    default:
        return Oper_Butn;
    }
}

void Scin_Cale::Build_Controls() {
    auto *central = Platform::Named<QWidget>(QStringLiteral("Key_Pad"), QString(), this);
    setCentralWidget(central);
    auto *face_colours = new Key_Colours::Keeper(this);

    Expression = Platform::Named<QLineEdit>(QStringLiteral("Expression"),
                                            QStringLiteral("请输入表达式:"), central);
    Expression->setToolTip(QStringLiteral("请输入表达式:"));
    // a pasted expression may be long; nothing may be cut off silently
    Expression->setMaxLength(std::numeric_limits<int>::max());

    Target_Box = Platform::Named<QLineEdit>(QStringLiteral("Target_Box"),
                                            QStringLiteral("显示结果"), central);
    Target_Box->setToolTip(QStringLiteral("显示结果"));
    Target_Box->setMaxLength(std::numeric_limits<int>::max());
    Target_Box->setAlignment(Qt::AlignRight);
    QFont display_font = Target_Box->font();
    display_font.setPointSizeF(display_font.pointSizeF() * 1.3);
    Target_Box->setFont(display_font);

    History = Platform::Named<Platform::Plain_Text_Box>(QStringLiteral("History"),
                                                        QStringLiteral("算式历史记录"), central);
    History->setToolTip(QStringLiteral("算式历史记录"));
    // Wrapping one pasted line of megabytes takes the layout minutes; an
    // unwrapped line is laid out once, in time linear in its length, and a
    // long line scrolls sideways.
    History->setLineWrapMode(QPlainTextEdit::NoWrap);

    Frame1 = Platform::Named<QGroupBox>(QStringLiteral("Frame1"), QString(), central);
    const char *base_captions[] = {"十六进制", "十进制", "八进制", "二进制"};
    for (int i = 0; i < 4; ++i)
        Number_Option[i] = Make_Option(Frame1, QString::fromUtf8(base_captions[i]),
                                       Indexed_Name("Number_Option", i));

    Frame2 = Platform::Named<QGroupBox>(QStringLiteral("Frame2"), QString(), central);
    const char *angle_captions[] = {"角度", "弧度", "梯度"};
    for (int i = 0; i < 3; ++i)
        Angle_Option[i] = Make_Option(Frame2, QString::fromUtf8(angle_captions[i]),
                                      Indexed_Name("Angle_Option", i));

    // created after Frame2 so that it lies over it in the same place
    wordlong = Platform::Named<QGroupBox>(QStringLiteral("wordlong"), QString(), central);
    wordlong->setAutoFillBackground(true);
    const char *word_captions[] = {"双字", "单字", "字节"};
    for (int i = 0; i < 3; ++i)
        Word_Option[i] = Make_Option(wordlong, QString::fromUtf8(word_captions[i]),
                                     Indexed_Name("Word_Option", i));
    Word_Option[0]->setChecked(true);
    wordlong->hide();

    Inv_Check = Platform::Named<QCheckBox>(QStringLiteral("Inv_Check"), QStringLiteral("反函数"),
                                           QStringLiteral("反函数"), central);

    // the pad keys from their table, in the order of their arrays
    for (const auto family : Key_Table::Families) {
        const auto rows = Key_Table::Keys(family);
        const auto keys = Pad_Keys(family);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            keys[i] = Make_Pad_Key(central, rows[i],
                                   Indexed_Name(Key_Table::Control_Name(family), int(i)));
            face_colours->Add(keys[i], Face_Colour(family));
            pad_keys_.push_back({&rows[i], keys[i]});
        }
    }

    Clear_Butn[1] = Make_Key(central, QStringLiteral("Backspace"), Indexed_Name("Clear_Butn", 1),
                             QStringLiteral("退格键"));
    Clear_Butn[2] = Make_Key(central, QStringLiteral("清 除"), Indexed_Name("Clear_Butn", 2));

    for (int i = 0; i < 5; ++i) {
        Save_Memory[i] =
            Make_Key(central, QStringLiteral("M%1").arg(i + 1), Indexed_Name("Save_Memory", i));
        Show_Memory[i] =
            Make_Key(central, QStringLiteral("RM%1").arg(i + 1), Indexed_Name("Show_Memory", i));
        Memory[i] = Platform::Named<Platform::Elided_Label>(
            Indexed_Name("Memory", i), QStringLiteral("M%1").arg(i + 1), central);
        // a register holds any text the display held; show it as it is
        Memory[i]->setTextFormat(Qt::PlainText);
        Memory[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Memory[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
        // a long register must not widen the window
        Memory[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }

    const char *stat_faces[5] = {"Sta", "Ave", "Sum", "s", "Dat"};
    const char *stat_tips[5] = {"统计功能键", "平均数", "总数", "标准差", "增加数据"};
    for (int i = 0; i < 5; ++i) {
        Stac_Butn[i] = Make_Key(central, QString::fromUtf8(stat_faces[i]),
                                Indexed_Name("Stac_Butn", i), QString::fromUtf8(stat_tips[i]));
        face_colours->Add(Stac_Butn[i], Process_Colour);
    }
}

void Scin_Cale::Build_Layout() {
    auto *base_box = new QVBoxLayout(Frame1);
    for (auto *option : Number_Option) base_box->addWidget(option);
    auto *angle_box = new QVBoxLayout(Frame2);
    for (auto *option : Angle_Option) angle_box->addWidget(option);
    auto *word_box = new QVBoxLayout(wordlong);
    for (auto *option : Word_Option) word_box->addWidget(option);

    // wordlong shares Frame2's cell and covers it while shown
    auto *modes = new QGridLayout;
    modes->addWidget(Frame2, 0, 0);
    modes->addWidget(wordlong, 0, 0);
    modes->addWidget(Inv_Check, 1, 0);

    auto *lines = new QVBoxLayout;
    lines->addWidget(Expression);
    lines->addWidget(Target_Box);
    lines->addStretch();

    auto *clear_keys = new QVBoxLayout;
    clear_keys->addWidget(Clear_Butn[2]);
    clear_keys->addWidget(Clear_Butn[1]);
    clear_keys->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(Frame1, 0, Qt::AlignTop);
    top->addLayout(modes);
    top->addLayout(lines, 1);
    top->addLayout(clear_keys);

    // key pad: the registers and the statistics keys on either side of the
    // keys of the table, each in its cell
    using namespace Key_Table;
    auto *pad = new QGridLayout;
    pad->setSpacing(4);
    for (int row = 0; row < Rows; ++row) {
        pad->addWidget(Show_Memory[row], row, RM);
        pad->addWidget(Memory[row], row, Reg);
        pad->addWidget(Save_Memory[row], row, M);
        pad->addWidget(Stac_Butn[row], row, Stat);
    }
    for (const auto &[entry, key] : pad_keys_)
        pad->addWidget(key, entry->row, entry->column, entry->row_span, entry->column_span);

    // all key columns alike wide, the widest face deciding
    int key_width = 0;
    for (int i = 0; i < pad->count(); ++i)
        if (auto *key = qobject_cast<QPushButton *>(pad->itemAt(i)->widget()))
            key_width = std::max(key_width, key->minimumWidth());
    for (int col = 0; col <= Stat; ++col) {
        pad->setColumnStretch(col, col == Reg ? 2 : 1);
        if (col != Reg) pad->setColumnMinimumWidth(col, key_width);
    }

    auto *layout = new QVBoxLayout(centralWidget());
    layout->addLayout(top);
    layout->addLayout(pad);
    layout->addWidget(History, 1);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    History->setMinimumHeight(fontMetrics().lineSpacing() * 4);
    resize(sizeHint().expandedTo(QSize(760, 480)));
}

void Scin_Cale::Build_Menus() {
    auto make_action = [this](QMenu *menu, const char *caption, const char *name,
                              const QKeySequence &shortcut) {
        auto *action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        return action;
    };

    edit = menuBar()->addMenu(QStringLiteral(" 编 辑&E"));
    edit->setObjectName(QStringLiteral("edit"));
    Menu_Copy = make_action(edit, "复制", "Menu_Copy", QKeySequence(Qt::CTRL | Qt::Key_C));
    Menu_Past = make_action(edit, "粘贴", "Menu_Past", QKeySequence(Qt::CTRL | Qt::Key_V));
    Menu_Clear =
        make_action(edit, "全部清除", "Menu_Clear", QKeySequence(Qt::ALT | Qt::Key_Backspace));
    edit->addSeparator();
    Menu_Save_Session = make_action(edit, "保存会话…", "Menu_Save_Session",
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Menu_Open_Session =
        make_action(edit, "打开会话…", "Menu_Open_Session", QKeySequence(Qt::CTRL | Qt::Key_O));

    gaoji = menuBar()->addMenu(QStringLiteral("高级功能"));
    gaoji->setObjectName(QStringLiteral("gaoji"));
    Solv_Equn = make_action(gaoji, "解一元方程", "Solv_Equn", QKeySequence(Qt::CTRL | Qt::Key_S));
    Funn_Image = make_action(gaoji, "画函数图像", "Funn_Image", QKeySequence(Qt::CTRL | Qt::Key_P));
    Fora_Edit = make_action(gaoji, "公式编辑器", "Fora_Edit", QKeySequence());

    pas = menuBar()->addMenu(QStringLiteral("帮助  "));
    pas->setObjectName(QStringLiteral("pas"));
    Menu_Cale = make_action(pas, "关于计算器", "Menu_Cale", QKeySequence());
    Menu_Author = make_action(pas, "关于作者", "Menu_Author", QKeySequence());
}

void Scin_Cale::Connect_Handlers() {
    for (int i = 0; i < int(Digl_Butn.size()); ++i)
        connect(Digl_Butn[i], &QPushButton::clicked, this, [this, i] { Digl_Butn_Click(i); });
    for (int i = 0; i < int(Digl_ProsButn.size()); ++i)
        connect(Digl_ProsButn[i], &QPushButton::clicked, this,
                [this, i] { Digl_ProsButn_Click(i); });
    for (int i = 0; i < int(Oper_Butn.size()); ++i) {
        connect(Oper_Butn[i], &QPushButton::clicked, this, [this, i] { Oper_Butn_Click(i); });
        Oper_Butn[i]->installEventFilter(this);
    }
    for (int i = 1; i <= 2; ++i)
        connect(Clear_Butn[i], &QPushButton::clicked, this, [this, i] { Clear_Butn_Click(i); });
    for (int i = 0; i < 5; ++i) {
        connect(Save_Memory[i], &QPushButton::clicked, this, [this, i] { Save_Memory_Click(i); });
        connect(Show_Memory[i], &QPushButton::clicked, this, [this, i] { Show_Memory_Click(i); });
        connect(Stac_Butn[i], &QPushButton::clicked, this, [this, i] { Stac_Butn_Click(i); });
    }
    Expression->installEventFilter(this);
    connect(Target_Box, &QLineEdit::textChanged, this, [this] { Target_Box_Change(); });

    // toggled, not clicked: a program-set option runs the same handler as a click
    number_group_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) number_group_->addButton(Number_Option[i], i);
    connect(number_group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) Number_Option_Click(id);
    });
    word_group_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) word_group_->addButton(Word_Option[i], i);
    connect(word_group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) Word_Option_Click(id);
    });
    angle_group_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) angle_group_->addButton(Angle_Option[i], i);
    connect(angle_group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) Angle_Option_Click(id);
    });
    connect(Inv_Check, &QCheckBox::toggled, this, [this] { Inv_Check_Click(); });
    connect(&Platform::Mode_Notifier::Instance(), &Platform::Mode_Notifier::Angle_Unit_Changed,
            this, [this](int unit) { Angle_Unit_Changed(unit); });

    connect(Menu_Copy, &QAction::triggered, this, [this] { Menu_Copy_Click(); });
    connect(Menu_Past, &QAction::triggered, this, [this] { Menu_Past_Click(); });
    connect(Menu_Clear, &QAction::triggered, this, [this] { Menu_Clear_Click(); });
    connect(Menu_Save_Session, &QAction::triggered, this, &Scin_Cale::Menu_Save_Session_Click);
    connect(Menu_Open_Session, &QAction::triggered, this, &Scin_Cale::Menu_Open_Session_Click);
    connect(Solv_Equn, &QAction::triggered, this, &Scin_Cale::Solv_Equn_Click);
    connect(Funn_Image, &QAction::triggered, this, &Scin_Cale::Funn_Image_Click);
    connect(Fora_Edit, &QAction::triggered, this, &Scin_Cale::Fora_Edit_Click);
    connect(Menu_Cale, &QAction::triggered, this, &Scin_Cale::Menu_Cale_Click);
    connect(Menu_Author, &QAction::triggered, this, &Scin_Cale::Menu_Author_Click);
}

void Scin_Cale::Form_Load() {
    Clear_All();
}

void Scin_Cale::Clear_All() {
    // While the statistics box lists its values, statistics mode goes on: a
    // reset must not leave the list without the keys that use it.
    const bool statistics_on = stat_box_ && stat_box_->isVisible();
    std::array<bool, 5> statistics_keys{};
    for (std::size_t i = 0; i < statistics_keys.size(); ++i)
        statistics_keys[i] = Stac_Butn[i]->isEnabled();
    Sign_Next_Negative = true;
    Angle_Option[0]->setChecked(true);
    Sci_Display = false;
    Number_Typed = false;
    New_Number = false;
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(0);
    CalcModule::Word_Length = 32;
    Word_Option[0]->setChecked(true);
    CalcModule::Number_Base = 10;
    Number_Option[1]->setChecked(true);
    Target_Box->setText(QString());
    Expression->setText(QString());
    for (int i = 1; i <= 4; ++i) Stac_Butn[i]->setEnabled(false);
    if (statistics_on)
        for (std::size_t i = 0; i < statistics_keys.size(); ++i)
            Stac_Butn[i]->setEnabled(statistics_keys[i]);
    Result_Shown = false;
}

void Scin_Cale::Focus_Equals() {
    Oper_Butn[30]->setFocus(Qt::OtherFocusReason);
}

bool Scin_Cale::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Expression && event->type() == QEvent::MouseButtonPress) {
        Expression_Click();
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto key = std::find(Oper_Butn.begin(), Oper_Butn.end(), watched);
    if (key == Oper_Butn.end()) return false;
    auto *key_event = static_cast<QKeyEvent *>(event);
    // Tab moves between controls; it is no typed character
    if (key_event->key() == Qt::Key_Tab || key_event->key() == Qt::Key_Backtab) return false;
    // Return, Enter, Backspace and Escape stand for keys of the pad; not every
    // desktop sends a character with them
    const QChar named = key_event->key() == Qt::Key_Return || key_event->key() == Qt::Key_Enter
                            ? QChar(u'\r')
                        : key_event->key() == Qt::Key_Backspace ? QChar(u'\b')
                        : key_event->key() == Qt::Key_Escape    ? QChar(u'\x1b')
                                                                : QChar();
    if (!named.isNull()) {
        if (event->type() == QEvent::KeyPress)
            Oper_Butn_KeyPress(int(key - Oper_Butn.begin()), named);
        return true;
    }
    // a typed blank is a character like any other: it must not press the focused key
    const bool blank = key_event->key() == Qt::Key_Space || key_event->key() == Qt::Key_Select;
    if (event->type() == QEvent::KeyRelease || key_event->text().isEmpty()) return blank;
    for (QChar character : key_event->text())
        Oper_Butn_KeyPress(int(key - Oper_Butn.begin()), character);
    return true;
}

// A key sent to the window itself while an operator key has the focus is typed
// on that key. Characters typed on other controls are theirs, and the operator
// keys keep what they receive, so nothing arrives here twice.
void Scin_Cale::keyPressEvent(QKeyEvent *event) {
    const auto key = std::find(Oper_Butn.begin(), Oper_Butn.end(), QApplication::focusWidget());
    if (key == Oper_Butn.end() || !eventFilter(*key, event)) QMainWindow::keyPressEvent(event);
}
