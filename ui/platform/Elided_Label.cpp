#include "ui/platform/Elided_Label.h"

#include <QPainter>
#include <QStyle>

namespace Platform {

namespace {
const QChar Ellipsis(0x2026);
}

Elided_Label::Elided_Label(QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void Elided_Label::Set_Text(const QString &text) {
    setText(text);
    // a tooltip is one line unless told otherwise: long digit runs are broken
    // into lines that fit on the screen
    QString tip = text.left(Tip_Limit);
    for (qsizetype at = Tip_Line; at < tip.size(); at += Tip_Line + 1)
        tip.insert(at, QLatin1Char('\n'));
    if (text.size() > Tip_Limit) tip += Ellipsis;
    setToolTip(tip);
}

QString Elided_Label::Shown_Text() const {
    if (!Long()) return text();
    const QString start = text().left(Shown_Limit);
    const QString shown = fontMetrics().elidedText(start, Qt::ElideRight, contentsRect().width());
    // the first characters may all fit, yet more follow
    return shown == start ? start.left(Shown_Limit - 1) + Ellipsis : shown;
}

QSize Elided_Label::sizeHint() const {
    if (!Long()) return QLabel::sizeHint();
    const QFontMetrics metrics = fontMetrics();
    const int frame = 2 * (frameWidth() + margin());
    return {metrics.horizontalAdvance(text().left(Shown_Limit)) + frame, metrics.height() + frame};
}

QSize Elided_Label::minimumSizeHint() const {
    if (!Long()) return QLabel::minimumSizeHint();
    const int frame = 2 * (frameWidth() + margin());
    return {frame, fontMetrics().height() + frame};
}

void Elided_Label::paintEvent(QPaintEvent *event) {
    if (!Long()) return QLabel::paintEvent(event);
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), Shown_Text(), foregroundRole());
}

} // namespace Platform
