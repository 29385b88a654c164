// Exploring the plot: wheel zoom around the pointer, dragging the view, the
// coordinates under the pointer, the keys of the focused surface, and copying
// or saving the picture. Every command ends in the same drawing as the
// window's own controls make; none of them changes how a drawing is made.

#include "engine/CalcModule.h"
#include "engine/NumberText.h"
#include "engine/Outcome.h"
#include "ui/platform/Controls.h"
#include "ui/platform/Files.h"
#include "ui/platform/Number_Texts.h"
#include "ui/platform/Platform.h"
#include "ui/plot/Drawing_Surface.h"
#include "ui/plot/Func_Image.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t Letter_X = 'x' - 'a';

std::int16_t Rounded_Shift(double value) {
    // held to the 16-bit range instead of overflowing; NaN leaves no shift
    if (std::isnan(value)) return 0;
    return CalcModule::Round_To_Int16(std::clamp(value, -32768.0, 32767.0));
}

// The list item one step from the box's number: the first item above it
// (direction > 0) or the last one below it; -1 at the end of the list.
int Next_Item(const QComboBox *combo, int direction) {
    const double now = Platform::Leading_Number(combo->currentText()).value_or(0);
    int found = -1;
    double best = 0;
    for (int i = 0; i < combo->count(); ++i) {
        const double item = Platform::Leading_Number(combo->itemText(i)).value_or(0);
        const bool beyond = direction > 0 ? item > now : item < now;
        const bool nearer = found < 0 || (direction > 0 ? item < best : item > best);
        if (beyond && nearer) found = i, best = item;
    }
    return found;
}

QString Part(const char *name, double value) {
    const QString label = QString::fromLatin1(name);
    if (!std::isfinite(value)) return label + QStringLiteral(" 无定义");
    return label + QStringLiteral(" = ") + Platform::Number_Text(value);
}

// The engine's warnings are dropped instead of shown while this lives.
class Quiet_Engine {
  public:
    Quiet_Engine() {
        previous_ = CalcModule::Set_Warning_Handler([](const std::string &) {});
    }
    ~Quiet_Engine() { CalcModule::Set_Warning_Handler(previous_); }
    Quiet_Engine(const Quiet_Engine &) = delete;
    Quiet_Engine &operator=(const Quiet_Engine &) = delete;

  private:
    CalcModule::Warning_Handler previous_;
};

} // namespace

void Func_Image::Build_Explorer() {
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setMouseTracking(true);
    Picture1->setAccessibleDescription(
        QStringLiteral("滚轮缩放，拖动平移；方向键移动，加号、减号缩放，Home 复原；"
                       "右键或菜单键复制、保存图像"));
    Picture1->installEventFilter(this);

    Coordinate_Line = Platform::Named<QLabel>(QStringLiteral("Coordinate_Line"),
                                              QStringLiteral("指针处的坐标"), this);
    Coordinate_Line->setTextInteractionFlags(Qt::NoTextInteraction);

    Picture_Menu = Platform::Named<QMenu>(QStringLiteral("Picture_Menu"), QString(), this);
    Copy_Picture = Picture_Menu->addAction(QStringLiteral("复制图像"));
    Copy_Picture->setObjectName(QStringLiteral("Copy_Picture"));
    Save_Picture = Picture_Menu->addAction(QStringLiteral("保存图像…"));
    Save_Picture->setObjectName(QStringLiteral("Save_Picture"));
    connect(Copy_Picture, &QAction::triggered, this, [this] { Copy_Picture_Click(); });
    connect(Save_Picture, &QAction::triggered, this, [this] { Save_Picture_Click(); });
}

void Func_Image::Place_Coordinate_Line() {
    // in the strip below the surface, as wide as the surface
    const QRect surface = Picture1->geometry();
    Coordinate_Line->setGeometry(surface.left(), surface.bottom() + 3, surface.width(), Row_Pixels);
}

double Func_Image::View_Scale(bool x_axis) const {
    if (view_drawn_) return x_axis ? X_Scale : Y_Scale;
    return Platform::Leading_Number((x_axis ? X_Zoom : Y_Zoom)->currentText()).value_or(0);
}

void Func_Image::Zoom_Around(double sx, double sy, int notches, bool x_axis, bool y_axis) {
    const double old_x = View_Scale(true), old_y = View_Scale(false);
    bool moved_x = false, moved_y = false;
    const int direction = notches > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(notches); ++i) {
        if (x_axis) {
            const int item = Next_Item(X_Zoom, direction);
            if (item >= 0) X_Zoom->setCurrentIndex(item), moved_x = true;
        }
        if (y_axis) {
            const int item = Next_Item(Y_Zoom, direction);
            if (item >= 0) Y_Zoom->setCurrentIndex(item), moved_y = true;
        }
    }
    // at the ends of the lists a notch changes nothing and draws nothing
    if (!moved_x && !moved_y) return;
    if (moved_x) X_Zoom_Click();

    // sx = cx + scale·X + shift for the same X before and after
    const double cx = float(Picture1->Width() / 2), cy = float(Picture1->Height() / 2);
    const double new_x = Platform::Leading_Number(X_Zoom->currentText()).value_or(0);
    const double new_y = Platform::Leading_Number(Y_Zoom->currentText()).value_or(0);
    if (moved_x && std::isfinite(new_x / old_x))
        Shift_X = Rounded_Shift((sx - cx) - new_x / old_x * (sx - cx - Shift_X));
    if (moved_y && std::isfinite(new_y / old_y))
        Shift_Y = Rounded_Shift((sy - cy) - new_y / old_y * (sy - cy - Shift_Y));
    Display_Click();
}

void Func_Image::Picture1_Wheel(double sx, double sy, int delta, Qt::KeyboardModifiers modifiers) {
    // small steps of a touchpad add up to whole notches; a turn back starts afresh
    if ((delta > 0 && wheel_rest_ < 0) || (delta < 0 && wheel_rest_ > 0)) wheel_rest_ = 0;
    const long long total = (long long)wheel_rest_ + delta;
    wheel_rest_ = int(total % Wheel_Notch);
    // a turn longer than the lists moves no further than their ends
    const int notches = int(std::clamp(total / Wheel_Notch, -64LL, 64LL));
    if (notches == 0) return;
    const bool shift = modifiers & Qt::ShiftModifier, control = modifiers & Qt::ControlModifier;
    Zoom_Around(sx, sy, notches, !control || shift, !shift || control);
}

void Func_Image::Picture1_Drag(double dx, double dy) {
    if (dx == 0 && dy == 0) return;
    Shift_X = Rounded_Shift(Shift_X + dx);
    Shift_Y = Rounded_Shift(Shift_Y + dy);
    Display_Click();
}

bool Func_Image::Curve_Value(double x, double &value) const {
    // the hover must leave no trace: the letter x keeps the last sample's value,
    // the box keeps its text, and no failure opens a box
    const double kept = CalcModule::Variable_Values[Letter_X];
    CalcModule::Variable_Values[Letter_X] = x;
    CalcModule::Outcome result;
    {
        Quiet_Engine quiet;
        // "=" goes on before the clean-up, which keeps it and changes nothing before it
        result = CalcModule::Calculate(Y_Expression->text().toStdString() + "=",
                                       {10, 32, CalcModule::Angle_Unit, 1});
    }
    CalcModule::Variable_Values[Letter_X] = kept;
    if (result.Kind != CalcModule::Outcome_Kind::Value || !result.Number) return false;
    value = *result.Number;
    return std::isfinite(value);
}

QString Func_Image::Coordinates_At(double sx, double sy) {
    // the drawing's mapping read backwards, with the view now shown
    const double cx = float(Picture1->Width() / 2), cy = float(Picture1->Height() / 2);
    const double X = (sx - cx - Shift_X) / View_Scale(true);
    const double Y = (cy + Shift_Y - sy) / View_Scale(false);
    QString line = Part("x", X) + QLatin1Char(' ') + Part("y", Y);
    if (!Parameter_Equation->isChecked() && !Check1->isChecked()) {
        double f = NAN;
        if (std::isfinite(X) && !Curve_Value(X, f)) f = NAN;
        line += QLatin1Char(' ') + Part("f(x)", f);
    }
    return line;
}

void Func_Image::Picture1_Hover(double sx, double sy) {
    Coordinate_Line->setText(Coordinates_At(sx, sy));
}

bool Func_Image::Picture1_KeyPress(int key, const QString &text) {
    switch (key) {
    case Qt::Key_Up:
        CommandButton1_Click();
        return true;
    case Qt::Key_Left:
        CommandButton2_Click();
        return true;
    case Qt::Key_Down:
        CommandButton3_Click();
        return true;
    case Qt::Key_Right:
        CommandButton4_Click();
        return true;
    case Qt::Key_Home:
        Reversion_Click();
        return true;
    default:
        break;
    }
    // by the character typed: "+" comes with Shift on most keyboards, or from the keypad
    if (text == QLatin1String("+") || text == QLatin1String("-")) {
        const double cx = float(Picture1->Width() / 2), cy = float(Picture1->Height() / 2);
        Zoom_Around(cx, cy, text == QLatin1String("+") ? 1 : -1, true, true);
        return true;
    }
    return false;
}

void Func_Image::Copy_Picture_Click() {
    Platform::Set_Clipboard_Image(Picture1->Image());
}

void Func_Image::Save_Picture_Click() {
    const QString chosen =
        Platform::Choose_Save_File(QStringLiteral("保存图像"), QStringLiteral("函数图像.png"),
                                   QStringLiteral("PNG 图像 (*.png)"));
    if (chosen.isEmpty()) return;
    QString reason;
    const QString path =
        Platform::Save_Path_With_Extension(chosen, QStringLiteral(".png"), &reason);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (reason.isEmpty() && !Picture1->Image().save(&buffer, "PNG"))
        reason = QStringLiteral("无法生成 PNG 图像");
    if (reason.isEmpty() && Platform::Write_File(path, bytes, &reason)) return;
    Platform::Show_Warning(Platform::Save_Failure_Message(path, reason));
}

bool Func_Image::Picture1_Event(QEvent *event) {
    const double upp_x = Picture1->Units_Per_Pixel_X(), upp_y = Picture1->Units_Per_Pixel_Y();
    switch (event->type()) {
    case QEvent::Wheel: {
        auto *wheel = static_cast<QWheelEvent *>(event);
        int delta = wheel->angleDelta().y();
        // some desktops turn a wheel held with Shift into a sideways one
        if (delta == 0 && (wheel->modifiers() & Qt::ShiftModifier)) delta = wheel->angleDelta().x();
        Picture1_Wheel(wheel->position().x() * upp_x, wheel->position().y() * upp_y, delta,
                       wheel->modifiers());
        return true;
    }
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            dragging_ = true;
            drag_start_ = mouse->position();
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        QPointF at = mouse->position();
        if (dragging_) {
            Picture1->Set_Drag_Offset((at - drag_start_).toPoint());
            // the point held by the pointer is the one where the drag began
            at = drag_start_;
        }
        Picture1_Hover(at.x() * upp_x, at.y() * upp_y);
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !dragging_) return false;
        dragging_ = false;
        Picture1->Set_Drag_Offset(QPoint());
        const QPointF moved = mouse->position() - drag_start_;
        Picture1_Drag(moved.x() * upp_x, moved.y() * upp_y);
        return false;
    }
    case QEvent::Leave:
        Coordinate_Line->clear();
        return false;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        return Picture1_KeyPress(key->key(), key->text());
    }
    case QEvent::ContextMenu: {
        auto *menu = static_cast<QContextMenuEvent *>(event);
        const QPoint at =
            menu->reason() == QContextMenuEvent::Keyboard ? Picture1->rect().center() : menu->pos();
        Picture_Menu->popup(Picture1->mapToGlobal(at));
        return true;
    }
    default:
        return false;
    }
}
