#include "ui/main/Scin_Cale_Colours.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace Key_Colours {
namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor &c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

QColor Mix(const QColor &from, const QColor &to, double t) {
    const QColor a = from.toRgb(), b = to.toRgb();
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace

double Contrast_Ratio(const QColor &a, const QColor &b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Legible_Shade(const QColor &hue, const QColor &face, double ratio) {
    if (Contrast_Ratio(hue, face) >= ratio) return hue;
    // towards whichever end of the scale stands further from the face; mixing
    // with black or white keeps the hue and changes only the lightness
    const QColor end = Contrast_Ratio(Qt::black, face) >= Contrast_Ratio(Qt::white, face)
                           ? QColor(Qt::black)
                           : QColor(Qt::white);
    // the contrast need not grow steadily on the way (blue passes a grey
    // face's lightness on its way to white), so the steps are walked in order
    constexpr int Steps = 200;
    for (int step = 1; step < Steps; ++step) {
        const QColor shade = Mix(hue, end, double(step) / Steps);
        if (Contrast_Ratio(shade, face) >= ratio) return shade;
    }
    return end;
}

Keeper::Keeper(QWidget *window) : QObject(window), window_(window) {
    window->installEventFilter(this);
}

void Keeper::Add(QPushButton *key, const QColor &hue) {
    keys_.emplace_back(key, hue);
    Colour(key, hue);
    // a scheme may give buttons a palette of their own, which reaches only them
    key->installEventFilter(this);
}

void Keeper::Apply() {
    for (const auto &[key, hue] : keys_) Colour(key, hue);
}

// The keys take the scheme in force whole, with only the text colour their
// own. The window hears of a new scheme before its keys do, and what a key
// would inherit may still be the old one, so the scheme is taken from the
// application itself.
void Keeper::Colour(QPushButton *key, const QColor &hue) const {
    QPalette palette = QApplication::palette(key);
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::ButtonText,
                         Legible_Shade(hue, palette.color(group, QPalette::Button)));
    key->setPalette(palette);
}

bool Keeper::eventFilter(QObject *watched, QEvent *event) {
    if (watched != window_) {
        if (event->type() == QEvent::ApplicationPaletteChange)
            for (const auto &[key, hue] : keys_)
                if (key == watched) Colour(key, hue);
        return false;
    }
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
        Apply();
        break;
    default:
        break;
    }
    return false;
}

} // namespace Key_Colours
