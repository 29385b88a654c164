#pragma once
// The plotter's drawing surface. It keeps its picture in an image of its own,
// so covering, moving, restoring or resizing the window never loses a drawing.
// Coordinates and sizes are in units of 1/1440 inch (15 units to a pixel at
// 96 dots per inch, from the screen's logical dots per inch); the origin is the
// top-left corner, x grows to the right and y downwards. Colours are 24-bit
// values with red in the lowest byte, green in the next and blue above it.
// The picture is kept at the screen's device pixel ratio: on a screen scaled
// to 200 % a point is one of the screen's own pixels, a quarter of a logical
// one, while every coordinate keeps its meaning in units.

#include <QImage>
#include <QWidget>
#include <cstdint>

class Drawing_Surface : public QWidget {
    Q_OBJECT
  public:
    explicit Drawing_Surface(QWidget *parent = nullptr);

    static constexpr double Units_Per_Inch = 1440;
    static constexpr std::uint32_t Background = 0xFFFFFF;

    void Erase();
    double Width() const;  // in units
    double Height() const; // in units
    // Every pixel under the segment from (x1, y1) to (x2, y2), both ends included,
    // so that a tick reaches its full height.
    void Line(double x1, double y1, double x2, double y2, std::uint32_t color);
    void Set_Point(double x, double y, std::uint32_t color);

    // The colour of the pixel under a point, or -1 when the point is off the surface.
    std::int32_t Color_At(double x, double y) const;
    std::int32_t Point(double x, double y) const { return Color_At(x, y); }
    // The picture in the screen's own pixels (its device pixel ratio is set).
    QImage Image() const;
    double Pixel_Ratio() const;

    // While the view is dragged the picture is shown moved by this many logical
    // pixels, with background around it; the picture itself does not change.
    void Set_Drag_Offset(QPoint offset);
    QPoint Drag_Offset() const { return drag_offset_; }

    double Units_Per_Pixel_X() const;
    double Units_Per_Pixel_Y() const;

    static QRgb To_Rgb(std::uint32_t color);
    static std::uint32_t From_Rgb(QRgb rgb);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    bool To_Pixel(double x, double y, int &px, int &py) const;
    void Touch();
    // A hidden widget gets its resize events only when shown: the picture
    // follows the widget's size whenever it is used.
    void Fit_Picture() const;

    mutable QImage picture_;
    bool repaint_pending_ = false;
    QPoint drag_offset_;
};
