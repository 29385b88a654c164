#pragma once
// The function plotter: draws explicit, parametric and polar curves as clouds
// of points on a drawing surface, with zoom, sampling density and panning.

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QRadioButton;
class Drawing_Surface;

class Func_Image : public QWidget {
    Q_OBJECT
  public:
    explicit Func_Image(QWidget *parent = nullptr);

    // Lengths in units of 1/1440 inch, as on the drawing surface.
    static constexpr double Surface_Left = 3150, Surface_Top = 150;
    static constexpr double Width_Margin = 3400, Height_Margin = 800;
    static constexpr std::int16_t Home_Shift_Y = -170;
    static constexpr int Minimum_Surface_Pixels = 100;
    static constexpr int Row_Pixels = 20; // height of a text box or combo box

    // The view as the last drawing left it, read-only.
    struct View_State {
        double X_Scale, Y_Scale, Step_Size, Curve_Color;
        std::int16_t Shift_X, Shift_Y, Move_Step;
        double Domain_Min, Domain_Max;
    };
    View_State State() const;

  private:
    // Controls.
    Drawing_Surface *Picture1;
    QLabel *Label7;
    QLineEdit *Y_Expression;
    QLabel *Label1;
    QLineEdit *X_Expression;
    QCheckBox *Parameter_Equation;
    QCheckBox *Check1;
    QLineEdit *Fun_min;
    QLineEdit *Fun_max;
    QComboBox *X_Zoom;
    QComboBox *Y_Zoom;
    QComboBox *Density;
    QPushButton *Display;
    QCheckBox *preserving;
    QGroupBox *Frame1;
    std::array<QRadioButton *, 3> Angle_Option;
    QPushButton *CommandButton1; // up
    QPushButton *CommandButton2; // left
    QPushButton *CommandButton3; // down
    QPushButton *CommandButton4; // right
    QLineEdit *Text2;
    QPushButton *Reversion;
    // Beyond the design: the curve coordinates under the pointer, below the
    // surface, and the surface's menu for its picture.
    QLabel *Coordinate_Line;
    QMenu *Picture_Menu;
    QAction *Copy_Picture;
    QAction *Save_Picture;

    // View state, for the window's lifetime.
    double X_Scale = 1;
    double Y_Scale = 1;
    double Step_Size = 1;
    double Curve_Color = 0;
    std::int16_t Shift_X = 0;
    std::int16_t Shift_Y = Home_Shift_Y;
    std::int16_t Move_Step = 222;
    double Domain_Min = 0;
    double Domain_Max = 0;

  public:
    // Handlers.
    void Form_Load();
    void Form_Resize();
    void Angle_Option_Click(int index);
    void Parameter_Equation_Click();
    void Check1_Click();
    void X_Zoom_Click();
    void Display_Click();
    void CommandButton1_Click();
    void CommandButton2_Click();
    void CommandButton3_Click();
    void CommandButton4_Click();
    void Reversion_Click();

    void Draw_Image();

    // Exploring the plot with the pointer and the keys (Func_Image_Explore.cpp).
    // Positions on the surface are in its units, as the drawing's.
    static constexpr int Wheel_Notch = 120; // wheel units of one notch
    // Moves the zooms notches items along their lists (negative: zoom out) and
    // shifts the origin so that the curve point at (sx, sy) stays there.
    void Zoom_Around(double sx, double sy, int notches, bool x_axis, bool y_axis);
    void Picture1_Wheel(double sx, double sy, int delta, Qt::KeyboardModifiers modifiers);
    // A drag by (dx, dy) units moves the origin by as much and redraws.
    void Picture1_Drag(double dx, double dy);
    // "x = … y = …" for a surface position, in explicit mode followed by
    // "f(x) = …" or "f(x) 无定义"; never opens a box.
    QString Coordinates_At(double sx, double sy);
    void Picture1_Hover(double sx, double sy);
    bool Picture1_KeyPress(int key, const QString &text);
    void Copy_Picture_Click();
    void Save_Picture_Click();

  protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void Build_Controls();
    QGridLayout *Build_Zoom_Grid(QWidget *panel);
    QGroupBox *Build_Angle_Frame(QWidget *panel);
    QGridLayout *Build_Move_Pad(QWidget *panel);
    void Follow_Angle_Unit(int unit);
    void Write_Full_Turn();
    std::int16_t Read_Move_Step() const;

    bool Typed_Zoom_In_List() const;

    void Build_Explorer();
    void Build_Tab_Chain();
    void Place_Coordinate_Line();
    bool Picture1_Event(QEvent *event);
    double View_Scale(bool x_axis) const;
    bool Curve_Value(double x, double &value) const;

    QButtonGroup *angle_group_;
    // The combo box also reports a typed text that matches a list item as chosen
    // when typing ends (Return, leaving the box); such a report is not a choice.
    bool zoom_typed_ = false;
    // Until the first drawing nothing is shown, and the zoom boxes stand for the view.
    bool view_drawn_ = false;
    int wheel_rest_ = 0; // wheel units short of a whole notch
    bool dragging_ = false;
    QPointF drag_start_; // logical pixels
};
