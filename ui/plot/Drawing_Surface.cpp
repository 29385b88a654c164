#include "ui/plot/Drawing_Surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

Drawing_Surface::Drawing_Surface(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_ = QImage(1, 1, QImage::Format_RGB32);
    picture_.fill(To_Rgb(Background));
}

QRgb Drawing_Surface::To_Rgb(std::uint32_t color) {
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

std::uint32_t Drawing_Surface::From_Rgb(QRgb rgb) {
    return std::uint32_t(qRed(rgb)) | std::uint32_t(qGreen(rgb)) << 8 |
           std::uint32_t(qBlue(rgb)) << 16;
}

double Drawing_Surface::Units_Per_Pixel_X() const {
    return Units_Per_Inch / logicalDpiX();
}
double Drawing_Surface::Units_Per_Pixel_Y() const {
    return Units_Per_Inch / logicalDpiY();
}

double Drawing_Surface::Pixel_Ratio() const {
    const double ratio = devicePixelRatioF();
    return ratio > 0 ? ratio : 1;
}

double Drawing_Surface::Width() const {
    return width() * Units_Per_Pixel_X();
}
double Drawing_Surface::Height() const {
    return height() * Units_Per_Pixel_Y();
}

void Drawing_Surface::Touch() {
    // one repaint request per batch of drawing, however many points it sets
    if (repaint_pending_) return;
    repaint_pending_ = true;
    update();
}

QImage Drawing_Surface::Image() const {
    Fit_Picture();
    return picture_;
}

void Drawing_Surface::Erase() {
    Fit_Picture();
    picture_.fill(To_Rgb(Background));
    Touch();
}

bool Drawing_Surface::To_Pixel(double x, double y, int &px, int &py) const {
    Fit_Picture();
    const double ratio = picture_.devicePixelRatio();
    const double fx = std::floor(x / Units_Per_Pixel_X() * ratio);
    const double fy = std::floor(y / Units_Per_Pixel_Y() * ratio);
    // the comparisons are false for NaN as well
    if (!(fx >= 0 && fx < picture_.width() && fy >= 0 && fy < picture_.height())) return false;
    px = int(fx);
    py = int(fy);
    return true;
}

void Drawing_Surface::Set_Point(double x, double y, std::uint32_t color) {
    int px, py;
    if (!To_Pixel(x, y, px, py)) return;
    picture_.setPixel(px, py, To_Rgb(color));
    Touch();
}

std::int32_t Drawing_Surface::Color_At(double x, double y) const {
    int px, py;
    if (!To_Pixel(x, y, px, py)) return -1;
    return std::int32_t(From_Rgb(picture_.pixel(px, py)));
}

namespace {
// Cuts the segment p + t·d, 0 <= t <= 1, to lo <= p <= hi along one axis.
bool Clip_Axis(double p, double d, double lo, double hi, double &t0, double &t1) {
    if (d == 0) return p >= lo && p <= hi;
    double a = (lo - p) / d, b = (hi - p) / d;
    if (a > b) std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
    return t0 <= t1;
}
} // namespace

void Drawing_Surface::Line(double x1, double y1, double x2, double y2, std::uint32_t color) {
    Fit_Picture();
    const double ratio = picture_.devicePixelRatio();
    // in the picture's own pixels, as a point is placed
    double ax = x1 / Units_Per_Pixel_X() * ratio, ay = y1 / Units_Per_Pixel_Y() * ratio;
    double bx = x2 / Units_Per_Pixel_X() * ratio, by = y2 / Units_Per_Pixel_Y() * ratio;
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by))
        return;
    // Clip to a frame one pixel wider than the picture: an end cut off this way
    // lies outside the picture and is never set.
    const double w = picture_.width(), h = picture_.height();
    if (ax == bx) {
        // upright and level lines (axes, ticks) are cut exactly, however far their ends lie
        if (!(ax >= -1 && ax <= w + 1)) return;
        ay = std::clamp(ay, -1.0, h + 1), by = std::clamp(by, -1.0, h + 1);
    } else if (ay == by) {
        if (!(ay >= -1 && ay <= h + 1)) return;
        ax = std::clamp(ax, -1.0, w + 1), bx = std::clamp(bx, -1.0, w + 1);
    } else {
        const double dx = bx - ax, dy = by - ay;
        double t0 = 0, t1 = 1;
        if (!Clip_Axis(ax, dx, -1, w + 1, t0, t1) || !Clip_Axis(ay, dy, -1, h + 1, t0, t1)) return;
        if (t1 < 1) bx = ax + t1 * dx, by = ay + t1 * dy;
        if (t0 > 0) ax = ax + t0 * dx, ay = ay + t0 * dy;
    }

    int x = int(std::floor(ax)), y = int(std::floor(ay));
    const int ex = int(std::floor(bx)), ey = int(std::floor(by));
    const int sx = x < ex ? 1 : -1, sy = y < ey ? 1 : -1;
    const int adx = std::abs(ex - x), ady = -std::abs(ey - y);
    const QRgb rgb = To_Rgb(color);
    int err = adx + ady;
    for (;;) {
        if (x >= 0 && x < picture_.width() && y >= 0 && y < picture_.height())
            picture_.setPixel(x, y, rgb);
        if (x == ex && y == ey) break;
        const int e2 = 2 * err;
        if (e2 >= ady) err += ady, x += sx;
        if (e2 <= adx) err += adx, y += sy;
    }
    Touch();
}

void Drawing_Surface::paintEvent(QPaintEvent *event) {
    repaint_pending_ = false;
    Fit_Picture();
    QPainter painter(this);
    if (drag_offset_.isNull() && picture_.devicePixelRatio() == 1) {
        painter.drawImage(event->rect(), picture_, event->rect());
    } else {
        painter.setClipRect(event->rect());
        if (!drag_offset_.isNull()) painter.fillRect(rect(), QColor(To_Rgb(Background)));
        painter.drawImage(QPointF(drag_offset_), picture_);
    }
    // a keyboard user sees where the keys go; the frame is not part of the picture
    if (hasFocus()) {
        painter.setClipping(false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Drawing_Surface::Set_Drag_Offset(QPoint offset) {
    if (offset == drag_offset_) return;
    drag_offset_ = offset;
    update();
}

void Drawing_Surface::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    Fit_Picture();
}

void Drawing_Surface::Fit_Picture() const {
    // what is drawn stays at its place; new room is background. On a move to a
    // screen of another ratio the picture is scaled to the new ratio.
    const double ratio = Pixel_Ratio();
    const QSize logical = this->size().expandedTo(QSize(1, 1));
    const QSize size(int(std::ceil(logical.width() * ratio)),
                     int(std::ceil(logical.height() * ratio)));
    if (size == picture_.size() && ratio == picture_.devicePixelRatio()) return;
    QImage grown(size, QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(To_Rgb(Background));
    QPainter painter(&grown);
    painter.drawImage(QPointF(0, 0), picture_);
    painter.end();
    picture_ = std::move(grown);
}
