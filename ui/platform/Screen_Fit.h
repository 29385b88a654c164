#pragma once
// Where a window opens: never larger than the screen's free area (the part
// not taken by panels and docks), and on first show centred over the window
// it was opened from, or on the screen when it stands alone.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QStringList>

class QLineEdit;
class QWidget;

namespace Platform {

// The frame rectangle for a window whose contents want the size "wanted" and
// need at least "minimum", given the screen's free area, the frame the window
// manager adds around the contents, and the frame of the window to centre
// over (an empty rectangle: centre on the free area). The result lies inside
// the free area wherever the minimum allows; when even the minimum is larger,
// its top left corner stays on the screen so that the title bar can be grabbed.
QRect Fitted_Frame(QSize wanted, QSize minimum, const QRect &available, const QMargins &frame,
                   const QRect &over);

// Sizes and places a window that is about to be shown for the first time.
void Fit_Window(QWidget *window, const QWidget *over = nullptr);

// Makes a text box at least wide enough to show each of the texts whole.
void Fit_Box_To_Texts(QLineEdit *box, const QStringList &texts);

} // namespace Platform
