#pragma once
// Face-text colours of the key pad: blue digits, red operators, magenta
// number-processing and statistics keys, each in the shade of its hue that
// stays legible on the key face of the colour scheme in force, light or
// dark. The shades follow a change of scheme while the program runs.

#include <QColor>
#include <QObject>
#include <utility>
#include <vector>

class QPushButton;
class QWidget;

namespace Key_Colours {

// Contrast of two colours as screen-reading guidelines measure it, from 1
// (alike) to 21 (black on white).
double Contrast_Ratio(const QColor &a, const QColor &b);

inline constexpr double Minimum_Ratio = 4.5;

// The hue itself where it is legible enough on the face, else the nearest
// shade of it, darker on a light face and lighter on a dark one, that reaches
// the ratio (or comes as close as any shade can).
QColor Legible_Shade(const QColor &hue, const QColor &face, double ratio = Minimum_Ratio);

// Gives each key added its face colour and renews the colours whenever the
// window's palette or style changes. A disabled key keeps the style's own
// disabled text colour.
class Keeper : public QObject {
  public:
    explicit Keeper(QWidget *window);
    void Add(QPushButton *key, const QColor &hue);
    void Apply();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void Colour(QPushButton *key, const QColor &hue) const;

    QWidget *window_;
    std::vector<std::pair<QPushButton *, QColor>> keys_;
};

} // namespace Key_Colours
