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
#include <utility>

namespace {

QLabel *New_Label(const QString &text, const QString &name, QWidget *parent) {
    return Platform::Named<QLabel>(name, QString(), text, parent);
}

QLineEdit *New_Box(const QString &text, const QString &name, const QString &accessible,
                   QWidget *parent) {
    return Platform::Named<QLineEdit>(name, accessible, text, parent);
}

QComboBox *New_Combo(const QString &text, const QString &name, const QString &accessible,
                     QWidget *parent) {
    auto *combo = Platform::Named<QComboBox>(name, accessible, parent);
    combo->setEditable(true);
    // a typed value is used as it stands; it never joins the list
    combo->setInsertPolicy(QComboBox::NoInsert);
    // no completion while typing: "1" must stay 1, not become "1000" from the list
    combo->setCompleter(nullptr);
    combo->setEditText(text);
    return combo;
}

QPushButton *New_Arrow(const QString &name, const QString &tip, QWidget *parent) {
    auto *button = Platform::Named<QPushButton>(name, tip, parent);
    button->setToolTip(tip);
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
        if (on && !following_unit_) Angle_Option_Click(id);
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
    const auto row = [column] {
        auto *line = new QHBoxLayout;
        line->setSpacing(2);
        column->addLayout(line);
        return line;
    };

    // X= stands before Y= and only in parametric mode; Y= takes its room otherwise
    Label1 = New_Label(QStringLiteral("X="), QStringLiteral("Label1"), panel);
    X_Expression =
        New_Box(QStringLiteral("x"), QStringLiteral("X_Expression"), QStringLiteral("X="), panel);
    Label7 = New_Label(QStringLiteral("Y="), QStringLiteral("Label7"), panel);
    Y_Expression = New_Box(QString(), QStringLiteral("Y_Expression"), QStringLiteral("Y="), panel);
    auto *curve = row();
    curve->addWidget(Label1);
    curve->addWidget(X_Expression, 1);
    curve->addWidget(Label7);
    curve->addWidget(Y_Expression, 1);
    Label1->hide();
    X_Expression->hide();

    Parameter_Equation = Platform::Named<QCheckBox>(QStringLiteral("Parameter_Equation"), QString(),
                                                    QStringLiteral("参数方程：（x为参数）"), panel);
    Check1 = Platform::Named<QCheckBox>(QStringLiteral("Check1"), QString(),
                                        QStringLiteral("极作标"), panel);
    // as wide as their captions: a click beside a short caption would miss the box
    column->addWidget(Parameter_Equation, 0, Qt::AlignLeft);
    column->addWidget(Check1, 0, Qt::AlignLeft);

    Fun_min = New_Box(QStringLiteral("-271"), QStringLiteral("Fun_min"),
                      QStringLiteral("定义域下限"), panel);
    Fun_max = New_Box(QStringLiteral("271"), QStringLiteral("Fun_max"),
                      QStringLiteral("定义域上限"), panel);
    auto *domain = row();
    domain->setSpacing(2);
    domain->addWidget(New_Label(QStringLiteral("定义域:"), QStringLiteral("Label2"), panel));
    domain->addWidget(Fun_min, 1);
    domain->addWidget(New_Label(QStringLiteral(" < X <"), QStringLiteral("Label3"), panel));
    domain->addWidget(Fun_max, 1);

    X_Zoom = New_Combo(QStringLiteral("10"), QStringLiteral("X_Zoom"),
                       QStringLiteral("X 轴缩放倍数"), panel);
    Y_Zoom = New_Combo(QStringLiteral("10"), QStringLiteral("Y_Zoom"),
                       QStringLiteral("Y 轴缩放倍数"), panel);
    Density = New_Combo(QStringLiteral("1"), QStringLiteral("Density"), QStringLiteral("图像密度"),
                        panel);
    auto *zooms = new QGridLayout;
    zooms->setHorizontalSpacing(2);
    zooms->setVerticalSpacing(2);
    zooms->addWidget(New_Label(QStringLiteral("X 轴缩放倍数:"), QStringLiteral("Label4"), panel), 0,
                     0);
    zooms->addWidget(X_Zoom, 0, 1);
    zooms->addWidget(New_Label(QStringLiteral("Y 轴缩放倍数:"), QStringLiteral("Label5"), panel), 1,
                     0);
    zooms->addWidget(Y_Zoom, 1, 1);
    zooms->addWidget(New_Label(QStringLiteral("图 像 密 度 :"), QStringLiteral("Label6"), panel), 2,
                     0);
    zooms->addWidget(Density, 2, 1);
    zooms->setColumnStretch(1, 1);
    column->addLayout(zooms);

    Display = Platform::Named<QPushButton>(QStringLiteral("Display"), QString(),
                                           QStringLiteral("显示图像"), panel);
    preserving = Platform::Named<QCheckBox>(QStringLiteral("preserving"), QString(),
                                            QStringLiteral("保留图像"), panel);
    auto *show = row();
    show->addWidget(Display, 1);
    show->addWidget(preserving, 1);

    Frame1 = Platform::Named<QGroupBox>(QStringLiteral("Frame1"), QString(), panel);
    Frame1->setFlat(true);
    auto *units = new QHBoxLayout(Frame1);
    units->setContentsMargins(2, 0, 2, 0);
    angle_group_ = new QButtonGroup(this);
    const QString unit_names[] = {QStringLiteral("角度"), QStringLiteral("弧度"),
                                  QStringLiteral("梯度")};
    for (int i = 0; i < 3; ++i) {
        Angle_Option[i] = Platform::Named<QRadioButton>(Platform::Indexed_Name("Angle_Option", i),
                                                        QString(), unit_names[i], Frame1);
        angle_group_->addButton(Angle_Option[i], i);
        units->addWidget(Angle_Option[i]);
    }
    column->addWidget(Frame1);

    // the four move buttons sit like arrow keys: up above down, left and right
    // beside down; the restore button and the move unit stand to their right
    auto *moves = new QGridLayout;
    moves->setHorizontalSpacing(2);
    moves->setVerticalSpacing(2);
    CommandButton1 = New_Arrow(QStringLiteral("CommandButton1"), QStringLiteral("上移"), panel);
    CommandButton2 = New_Arrow(QStringLiteral("CommandButton2"), QStringLiteral("左移"), panel);
    CommandButton3 = New_Arrow(QStringLiteral("CommandButton3"), QStringLiteral("下移"), panel);
    CommandButton4 = New_Arrow(QStringLiteral("CommandButton4"), QStringLiteral("右移"), panel);
    moves->addWidget(CommandButton1, 0, 1);
    moves->addWidget(CommandButton2, 1, 0);
    moves->addWidget(CommandButton3, 1, 1);
    moves->addWidget(CommandButton4, 1, 2);
    moves->setColumnMinimumWidth(3, 4);
    Reversion = Platform::Named<QPushButton>(QStringLiteral("Reversion"), QString(),
                                             QStringLiteral("复原"), panel);
    moves->addWidget(Reversion, 0, 4, 1, 2);
    Text2 =
        New_Box(QStringLiteral("222"), QStringLiteral("Text2"), QStringLiteral("移动单位"), panel);
    moves->addWidget(New_Label(QStringLiteral("移动单位:"), QStringLiteral("Label8"), panel), 1, 4);
    moves->addWidget(Text2, 1, 5);
    moves->setColumnStretch(5, 1);
    column->addLayout(moves);
    column->addStretch(1);

    // rows a little lower than the desktop's defaults keep the column within
    // the window's design height
    for (QWidget *box : {static_cast<QWidget *>(X_Expression), static_cast<QWidget *>(Y_Expression),
                         static_cast<QWidget *>(Fun_min), static_cast<QWidget *>(Fun_max),
                         static_cast<QWidget *>(X_Zoom), static_cast<QWidget *>(Y_Zoom),
                         static_cast<QWidget *>(Density), static_cast<QWidget *>(Text2)})
        box->setFixedHeight(Row_Pixels);
    for (QWidget *button : {static_cast<QWidget *>(Display), static_cast<QWidget *>(Reversion)})
        button->setFixedHeight(Row_Pixels + 2);
    for (QWidget *check : {static_cast<QWidget *>(Parameter_Equation),
                           static_cast<QWidget *>(Check1), static_cast<QWidget *>(preserving)})
        check->setFixedHeight(Row_Pixels - 2);
    for (QRadioButton *option : Angle_Option) option->setFixedHeight(Row_Pixels - 2);

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
    if (unit < 0 || unit >= int(Angle_Option.size()) || Angle_Option[unit]->isChecked()) return;
    // the unit is already in force: select its option without setting it again
    following_unit_ = true;
    Angle_Option[unit]->setChecked(true);
    following_unit_ = false;
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
