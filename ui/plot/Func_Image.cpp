#include "ui/plot/Func_Image.h"

#include "engine/CalcModule.h"
#include "ui/platform/Controls.h"
#include "ui/platform/Mode_Notifier.h"
#include "ui/platform/Number_Texts.h"
#include "ui/platform/Tab_Chain.h"
#include "ui/plot/Drawing_Surface.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

QString Utf8(const char *text) {
    return QString::fromUtf8(text);
}

QLabel *New_Label(const char *text, const char *name, QWidget *parent) {
    return Platform::Named<QLabel>(Utf8(name), QString(), Utf8(text), parent);
}

// Boxes, check boxes and buttons are a little lower than the desktop's
// defaults, which keeps the column within the window's design height.
QLineEdit *New_Box(const char *text, const char *name, const char *accessible, QWidget *parent) {
    auto *box = Platform::Named<QLineEdit>(Utf8(name), Utf8(accessible), Utf8(text), parent);
    box->setFixedHeight(Func_Image::Row_Pixels);
    return box;
}

QComboBox *New_Combo(const char *text, const char *name, const char *accessible, QWidget *parent) {
    auto *combo = Platform::Named<QComboBox>(Utf8(name), Utf8(accessible), parent);
    combo->setEditable(true);
    // a typed value is used as it stands; it never joins the list
    combo->setInsertPolicy(QComboBox::NoInsert);
    // no completion while typing: "1" must stay 1, not become "1000" from the list
    combo->setCompleter(nullptr);
    combo->setEditText(Utf8(text));
    combo->setFixedHeight(Func_Image::Row_Pixels);
    return combo;
}

QCheckBox *New_Check(const char *text, const char *name, QWidget *parent) {
    auto *check = Platform::Named<QCheckBox>(Utf8(name), QString(), Utf8(text), parent);
    check->setFixedHeight(Func_Image::Row_Pixels - 2);
    return check;
}

QPushButton *New_Button(const char *text, const char *name, QWidget *parent) {
    auto *button = Platform::Named<QPushButton>(Utf8(name), QString(), Utf8(text), parent);
    button->setFixedHeight(Func_Image::Row_Pixels + 2);
    return button;
}

QPushButton *New_Arrow(const char *name, const char *tip, QWidget *parent) {
    auto *button = Platform::Named<QPushButton>(Utf8(name), Utf8(tip), parent);
    button->setToolTip(Utf8(tip));
    button->setFixedSize(30, 21);
    return button;
}

// Fills a combo box's list, replacing any earlier one, without losing the text it shows.
void Fill_List(QComboBox *combo, const QStringList &items) {
    const QString shown = combo->currentText();
    combo->clear();
    combo->addItems(items);
    const int index = combo->findText(shown);
    combo->setCurrentIndex(index);
    if (index < 0) combo->setEditText(shown);
}

std::int16_t Clamp_To_Int16(int value) {
    return std::int16_t(std::clamp(value, -32768, 32767));
}

} // namespace

Func_Image::Func_Image(QWidget *parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("函数图像"));
    Build_Controls();
    Platform::Lift_Length_Limits(this);

    connect(&Platform::Mode_Notifier::Instance(), &Platform::Mode_Notifier::Angle_Unit_Changed,
            this, [this](int unit) { Follow_Angle_Unit(unit); });
    connect(angle_group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) Angle_Option_Click(id);
    });
    connect(Parameter_Equation, &QCheckBox::toggled, this, [this] { Parameter_Equation_Click(); });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(X_Zoom, &QComboBox::activated, this, [this] {
        if (!std::exchange(zoom_typed_, false)) X_Zoom_Click();
    });
    X_Zoom->installEventFilter(this);
    X_Zoom->lineEdit()->installEventFilter(this);
    connect(Display, &QPushButton::clicked, this, [this] { Display_Click(); });
    connect(CommandButton1, &QPushButton::clicked, this, [this] { CommandButton1_Click(); });
    connect(CommandButton2, &QPushButton::clicked, this, [this] { CommandButton2_Click(); });
    connect(CommandButton3, &QPushButton::clicked, this, [this] { CommandButton3_Click(); });
    connect(CommandButton4, &QPushButton::clicked, this, [this] { CommandButton4_Click(); });
    connect(Reversion, &QPushButton::clicked, this, [this] { Reversion_Click(); });

    Form_Load();
    Build_Explorer();
    Build_Tab_Chain();

    // A width of 8820 units leaves the surface 5420 units wide, as at design size.
    const double upp_x = Picture1->Units_Per_Pixel_X(), upp_y = Picture1->Units_Per_Pixel_Y();
    const int min_width = int(std::ceil(Width_Margin / upp_x)) + Minimum_Surface_Pixels;
    const int min_height = std::max(int(std::ceil(Height_Margin / upp_y)) + Minimum_Surface_Pixels,
                                    layout()->minimumSize().height());
    setMinimumSize(min_width, min_height);
    resize(std::max(min_width, int(std::lround(8820 / upp_x))),
           std::max(min_height, int(std::lround(3950 / upp_y))));
    Form_Resize();
    Place_Coordinate_Line();
}

Func_Image::View_State Func_Image::State() const {
    return {X_Scale, Y_Scale,   Step_Size,  Curve_Color, Shift_X,
            Shift_Y, Move_Step, Domain_Min, Domain_Max};
}

void Func_Image::Build_Controls() {
    setObjectName(QStringLiteral("Func_Image"));

    // The controls stand in a column left of the surface; the surface itself is
    // placed by Form_Resize, so the column's layout is not the window's. The
    // column fits the window's design height, so the surface opens at its
    // design size.
    auto *panel = Platform::Named<QWidget>(QStringLiteral("Control_Panel"), QString(), this);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(2);
    // a line of the column: the labels keep their width, the rest share the room
    const auto row = [column](std::initializer_list<QWidget *> widgets) {
        auto *line = new QHBoxLayout;
        line->setSpacing(2);
        column->addLayout(line);
        for (QWidget *widget : widgets)
            line->addWidget(widget, qobject_cast<QLabel *>(widget) ? 0 : 1);
    };

    // X= stands before Y= and only in parametric mode; Y= takes its room otherwise
    Label1 = New_Label("X=", "Label1", panel);
    X_Expression = New_Box("x", "X_Expression", "X=", panel);
    Label7 = New_Label("Y=", "Label7", panel);
    Y_Expression = New_Box("", "Y_Expression", "Y=", panel);
    row({Label1, X_Expression, Label7, Y_Expression});
    Label1->hide();
    X_Expression->hide();

    Parameter_Equation = New_Check("参数方程：（x为参数）", "Parameter_Equation", panel);
    Check1 = New_Check("极作标", "Check1", panel);
    // as wide as their captions: a click beside a short caption would miss the box
    column->addWidget(Parameter_Equation, 0, Qt::AlignLeft);
    column->addWidget(Check1, 0, Qt::AlignLeft);

    Fun_min = New_Box("-271", "Fun_min", "定义域下限", panel);
    Fun_max = New_Box("271", "Fun_max", "定义域上限", panel);
    row({New_Label("定义域:", "Label2", panel), Fun_min, New_Label(" < X <", "Label3", panel),
         Fun_max});

    column->addLayout(Build_Zoom_Grid(panel));

    Display = New_Button("显示图像", "Display", panel);
    preserving = New_Check("保留图像", "preserving", panel);
    row({Display, preserving});

    column->addWidget(Build_Angle_Frame(panel));
    column->addLayout(Build_Move_Pad(panel));
    column->addStretch(1);

    // the surface right of the column, created after it: a window gives its
    // first focus to the first control of its chain, and a Tab order set later
    // cannot move the chain's first control to its end
    Picture1 = Platform::Named<Drawing_Surface>(QStringLiteral("Picture1"),
                                                QStringLiteral("函数图像"), this);

    // the window's own layout only places the column; the surface is positioned by hand
    auto *window_layout = new QHBoxLayout(this);
    window_layout->setContentsMargins(0, 0, 0, 0);
    panel->setFixedWidth(int(std::lround(Surface_Left / Picture1->Units_Per_Pixel_X())) - 4);
    window_layout->addWidget(panel);
    window_layout->addStretch(1);
}

QGridLayout *Func_Image::Build_Zoom_Grid(QWidget *panel) {
    struct Zoom_Row {
        QComboBox *Func_Image::*box;
        const char *text, *name, *accessible, *caption, *label;
    };
    const Zoom_Row zoom_rows[] = {
        {&Func_Image::X_Zoom, "10", "X_Zoom", "X 轴缩放倍数", "X 轴缩放倍数:", "Label4"},
        {&Func_Image::Y_Zoom, "10", "Y_Zoom", "Y 轴缩放倍数", "Y 轴缩放倍数:", "Label5"},
        {&Func_Image::Density, "1", "Density", "图像密度", "图 像 密 度 :", "Label6"},
    };
    for (const Zoom_Row &zoom : zoom_rows)
        this->*zoom.box = New_Combo(zoom.text, zoom.name, zoom.accessible, panel);
    auto *zooms = new QGridLayout;
    zooms->setSpacing(2);
    for (int i = 0; i < 3; ++i) {
        zooms->addWidget(New_Label(zoom_rows[i].caption, zoom_rows[i].label, panel), i, 0);
        zooms->addWidget(this->*zoom_rows[i].box, i, 1);
    }
    zooms->setColumnStretch(1, 1);
    return zooms;
}

QGroupBox *Func_Image::Build_Angle_Frame(QWidget *panel) {
    Frame1 = Platform::Named<QGroupBox>(QStringLiteral("Frame1"), QString(), panel);
    Frame1->setFlat(true);
    auto *units = new QHBoxLayout(Frame1);
    units->setContentsMargins(2, 0, 2, 0);
    angle_group_ = new QButtonGroup(this);
    const char *unit_names[] = {"角度", "弧度", "梯度"};
    for (int i = 0; i < 3; ++i) {
        Angle_Option[i] = Platform::Named<QRadioButton>(Platform::Indexed_Name("Angle_Option", i),
                                                        QString(), Utf8(unit_names[i]), Frame1);
        Angle_Option[i]->setFixedHeight(Row_Pixels - 2);
        angle_group_->addButton(Angle_Option[i], i);
        units->addWidget(Angle_Option[i]);
    }
    return Frame1;
}

QGridLayout *Func_Image::Build_Move_Pad(QWidget *panel) {
    // the four move buttons sit like arrow keys: up above down, left and right
    // beside down; the restore button and the move unit stand to their right
    struct Arrow {
        QPushButton *Func_Image::*button;
        const char *name, *tip;
        int row, column;
    };
    const Arrow arrows[] = {{&Func_Image::CommandButton1, "CommandButton1", "上移", 0, 1},
                            {&Func_Image::CommandButton2, "CommandButton2", "左移", 1, 0},
                            {&Func_Image::CommandButton3, "CommandButton3", "下移", 1, 1},
                            {&Func_Image::CommandButton4, "CommandButton4", "右移", 1, 2}};
    auto *moves = new QGridLayout;
    moves->setSpacing(2);
    for (const Arrow &arrow : arrows) {
        this->*arrow.button = New_Arrow(arrow.name, arrow.tip, panel);
        moves->addWidget(this->*arrow.button, arrow.row, arrow.column);
    }
    moves->setColumnMinimumWidth(3, 4);
    Reversion = New_Button("复原", "Reversion", panel);
    moves->addWidget(Reversion, 0, 4, 1, 2);
    Text2 = New_Box("222", "Text2", "移动单位", panel);
    moves->addWidget(New_Label("移动单位:", "Label8", panel), 1, 4);
    moves->addWidget(Text2, 1, 5);
    moves->setColumnStretch(5, 1);
    return moves;
}

void Func_Image::Build_Tab_Chain() {
    // the reading order: the column of controls from top to bottom, the four
    // move buttons before the restore button and the move unit beside them,
    // then the surface right of the column
    Platform::Set_Tab_Chain({X_Expression,    Y_Expression,    Parameter_Equation,
                             Check1,          Fun_min,         Fun_max,
                             X_Zoom,          Y_Zoom,          Density,
                             Display,         preserving,      Angle_Option[0],
                             Angle_Option[1], Angle_Option[2], CommandButton1,
                             CommandButton2,  CommandButton3,  CommandButton4,
                             Reversion,       Text2,           Picture1});

    // Tab stops once among the angle units, at the chosen one (the first while
    // none is); the arrow keys move between them and a click reaches each
    const auto Option_Focus = [this] {
        const bool none = !angle_group_->checkedButton();
        for (QRadioButton *option : Angle_Option)
            option->setFocusPolicy(option->isChecked() || (none && option == Angle_Option[0])
                                       ? Qt::StrongFocus
                                       : Qt::ClickFocus);
    };
    connect(angle_group_, &QButtonGroup::idToggled, this, Option_Focus);
    Option_Focus();
}

std::int16_t Func_Image::Read_Move_Step() const {
    // held to the 16-bit range instead of overflowing
    const double value =
        std::clamp(Platform::Leading_Number(Text2->text()).value_or(0), -32768.0, 32767.0);
    return CalcModule::Round_To_Int16(value);
}

void Func_Image::Form_Load() {
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(1);
    // radians may be in force already, and then nobody announces them
    Follow_Angle_Unit(1);
    X_Scale = 1;
    Y_Scale = 1;
    Step_Size = 1;
    Shift_X = 0;
    Shift_Y = Home_Shift_Y;
    Move_Step = Read_Move_Step();
    const QStringList zooms = {"0.01", "0.1", "1",   "10",   "30",   "50",   "100",
                               "200",  "300", "500", "1000", "1500", "2000", "3000"};
    Fill_List(X_Zoom, zooms);
    Fill_List(Y_Zoom, zooms);
    Fill_List(Density, {"1000", "100", "10", "1", "0.1", "0.01", "0.001"});
}

void Func_Image::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    Form_Resize();
    Place_Coordinate_Line();
}

bool Func_Image::Typed_Zoom_In_List() const {
    const QString typed = X_Zoom->lineEdit()->text();
    return !typed.isEmpty() && typed != X_Zoom->itemText(X_Zoom->currentIndex()) &&
           X_Zoom->findText(typed) >= 0;
}

bool Func_Image::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Picture1 && Picture1_Event(event)) return true;
    if (watched == X_Zoom || watched == X_Zoom->lineEdit()) {
        bool ends_typing = event->type() == QEvent::FocusOut;
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            ends_typing = key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        if (ends_typing && Typed_Zoom_In_List()) {
            zoom_typed_ = true;
            // should the report not come, the mark must not swallow a later choice
            QTimer::singleShot(0, this, [this] { zoom_typed_ = false; });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Func_Image::Form_Resize() {
    const double upp_x = Picture1->Units_Per_Pixel_X(), upp_y = Picture1->Units_Per_Pixel_Y();
    // The window's own size stands for its outer size: the frame the desktop
    // adds differs from one desktop to the next (and is a guess before showing).
    const QSize outer = size();
    const int width = int(std::lround((outer.width() * upp_x - Width_Margin) / upp_x));
    const int height = int(std::lround((outer.height() * upp_y - Height_Margin) / upp_y));
    Picture1->setGeometry(int(std::lround(Surface_Left / upp_x)),
                          int(std::lround(Surface_Top / upp_y)), std::max(width, 0),
                          std::max(height, 0));
}

void Func_Image::Follow_Angle_Unit(int unit) {
    if (unit < 0 || unit >= int(Angle_Option.size())) return;
    // the option sets the unit again, which is already in force and tells nobody
    Angle_Option[unit]->setChecked(true);
}

void Func_Image::Angle_Option_Click(int index) {
    Platform::Mode_Notifier::Instance().Set_Angle_Unit(std::uint8_t(index));
}

void Func_Image::Write_Full_Turn() {
    Fun_min->setText(QStringLiteral("0.00001"));
    switch (CalcModule::Angle_Unit) {
    case 0:
        Fun_max->setText(QStringLiteral("360"));
        break;
    case 1:
        Fun_max->setText(QStringLiteral("6.28318530717958"));
        break;
    case 2:
        Fun_max->setText(QStringLiteral("400"));
        break;
    default:
        break;
    }
}

void Func_Image::Parameter_Equation_Click() {
    if (Parameter_Equation->isChecked()) {
        Check1->setChecked(false);
        X_Expression->show();
        Label1->show();
        Write_Full_Turn();
    } else {
        X_Expression->hide();
        Label1->hide();
        X_Expression->setText(QStringLiteral("x"));
    }
}

void Func_Image::Check1_Click() {
    if (!Check1->isChecked()) return;
    Parameter_Equation->setChecked(false);
    Write_Full_Turn();
}

void Func_Image::X_Zoom_Click() {
    // each rule that holds overrides the ones before it
    const double z = Platform::Leading_Number(X_Zoom->currentText()).value_or(0);
    const auto write = [this](const char *text) {
        Density->setEditText(QString::fromLatin1(text));
    };
    if (z < 2) write("10");
    if (z < 0.2) write("100");
    if (z < 0.02) write("1000");
    if (z > 20) write("0.1");
    if (z > 1000) write("0.01");
}

void Func_Image::Display_Click() {
    X_Scale = Platform::Leading_Number(X_Zoom->currentText()).value_or(0);
    Y_Scale = Platform::Leading_Number(Y_Zoom->currentText()).value_or(0);
    Step_Size = Platform::Leading_Number(Density->currentText()).value_or(0);
    view_drawn_ = true;
    Draw_Image();
}

void Func_Image::CommandButton1_Click() {
    Shift_Y = Clamp_To_Int16(Shift_Y - Move_Step);
    Display_Click();
}

void Func_Image::CommandButton2_Click() {
    Shift_X = Clamp_To_Int16(Shift_X - Move_Step);
    Display_Click();
}

void Func_Image::CommandButton3_Click() {
    Shift_Y = Clamp_To_Int16(Shift_Y + Move_Step);
    Display_Click();
}

void Func_Image::CommandButton4_Click() {
    Shift_X = Clamp_To_Int16(Shift_X + Move_Step);
    Display_Click();
}

void Func_Image::Reversion_Click() {
    Shift_X = 0;
    Shift_Y = Home_Shift_Y;
}
