#include "ui/platform/Screen_Fit.h"

#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>
#include <algorithm>

namespace Platform {
namespace {

QMargins Margins_Of(const QWidget *window) {
    const QRect frame = window->frameGeometry(), inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// Before the first show the window manager has not said how wide its frame is.
// A window shown already tells, and one opened from it gets the same frame;
// otherwise a title bar and thin borders are assumed, so that the frame fits.
QMargins Frame_Margins(const QWidget *window, const QWidget *over) {
    if (window->isVisible()) return Margins_Of(window);
    if (over && over->isVisible()) return Margins_Of(over);
    const int border = 4;
    const int title = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight),
                               window->fontMetrics().height() * 2);
    return {border, title + border, border, border};
}

int Clamp_Start(int start, int length, int area_start, int area_length) {
    // keeps the far end inside first, then the near end, which wins when too long
    start = std::min(start, area_start + area_length - length);
    return std::max(start, area_start);
}

} // namespace

QRect Fitted_Frame(QSize wanted, QSize minimum, const QRect &available, const QMargins &frame,
                   const QRect &over) {
    const QSize room = available.marginsRemoved(frame).size();
    const QSize contents = wanted.boundedTo(room).expandedTo(minimum);
    QRect result(QPoint(0, 0), contents.grownBy(frame));
    result.moveCenter(over.isEmpty() ? available.center() : over.center());
    result.moveLeft(
        Clamp_Start(result.left(), result.width(), available.left(), available.width()));
    result.moveTop(Clamp_Start(result.top(), result.height(), available.top(), available.height()));
    return result;
}

void Fit_Window(QWidget *window, const QWidget *over) {
    QScreen *screen = over ? over->screen() : window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // the layout sets the window's minimum size only once it has run
    if (window->layout()) window->layout()->activate();
    const QMargins frame = Frame_Margins(window, over);
    // a window nobody has sized yet would take the size its layout asks for
    QSize wanted = window->size();
    if (!window->testAttribute(Qt::WA_Resized) && window->sizeHint().isValid())
        wanted = window->sizeHint();
    const QRect placed =
        Fitted_Frame(wanted, window->minimumSize(), screen->availableGeometry(), frame,
                     over && over->isVisible() ? over->frameGeometry() : QRect());
    window->resize(placed.marginsRemoved(frame).size());
    // a window's position is that of its frame
    window->move(placed.topLeft());
}

void Fit_Box_To_Texts(QLineEdit *box, const QStringList &texts) {
    const QFontMetrics metrics = box->fontMetrics();
    int widest = 0;
    for (const QString &text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    // what the box keeps around its text: the margins it writes inside, the
    // room for the cursor after the last character, and the style's frame
    const QMargins margins = box->textMargins() + box->contentsMargins();
    const int inner = widest + 2 * 2 + 2 + margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->contentsRect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QSize outer = box->style()->sizeFromContents(QStyle::CT_LineEdit, &option,
                                                       QSize(inner, metrics.height()), box);
    box->setMinimumWidth(std::max(box->minimumWidth(), outer.width()));
}

} // namespace Platform
