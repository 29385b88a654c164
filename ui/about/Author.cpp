#include "ui/about/Author.h"

#include "ui/platform/Controls.h"

#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel *Make_Label(const QString &text, const QString &name, QWidget *parent) {
    auto *label = Platform::Named<QLabel>(name, text, text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    // lets the user copy the contact line
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

Author::Author(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Author"));
    setWindowTitle(QStringLiteral("关于作者"));
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = Make_Label(QStringLiteral("Quorvex"), QStringLiteral("Label1"), this);
    QFont title = Label1->font();
    title.setPointSizeF(title.pointSizeF() * 1.8);
    title.setBold(true);
    Label1->setFont(title);

    Label2 = Make_Label(QStringLiteral("由 Quorvex 桌面科学计算器项目开发"),
                        QStringLiteral("Label2"), this);
    Label3 = Make_Label(QStringLiteral("联系：意见和问题请提交到本项目的问题跟踪系统（Issues）"),
                        QStringLiteral("Label3"), this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    setMinimumWidth(440);
}
