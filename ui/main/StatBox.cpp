#include "ui/main/StatBox.h"

#include "ui/main/StatModule.h"
#include "ui/platform/Controls.h"
#include "ui/platform/Number_Texts.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton *Make_Button(const QString &face, const QString &name, QWidget *parent) {
    auto *b = Platform::Named<QPushButton>(name, face, face, parent);
    b->setAutoDefault(false);
    return b;
}
} // namespace

StatBox::StatBox(QWidget *parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("统计框"));
    setObjectName(QStringLiteral("StatBox"));

    List1 = Platform::Named<QListWidget>(QStringLiteral("List1"), QStringLiteral("数据"), this);

    Text3 = Platform::Named<QLineEdit>(QStringLiteral("Text3"), QStringLiteral("个数"), this);
    Text3->setReadOnly(true);

    Back = Make_Button(QStringLiteral("返回"), QStringLiteral("Back"), this);
    delete_Butn = Make_Button(QStringLiteral("清项"), QStringLiteral("delete"), this);
    Delete_all = Make_Button(QStringLiteral("全清"), QStringLiteral("Delete_all"), this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Back);
    buttons->addWidget(delete_Butn);
    buttons->addWidget(Delete_all);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(List1, 1);
    layout->addWidget(Text3);
    layout->addLayout(buttons);
    resize(220, 300);

    connect(Back, &QPushButton::clicked, this, [this] { Back_Click(); });
    connect(delete_Butn, &QPushButton::clicked, this, [this] { delete_Click(); });
    connect(Delete_all, &QPushButton::clicked, this, [this] { Delete_all_Click(); });
    Platform::Lift_Length_Limits(this);
}

StatBox::~StatBox() = default;

bool StatBox::Add_Value(const QString &t) {
    if (t.isEmpty()) return false;
    const auto value = Platform::Leading_Number(t);
    // a number beyond the double range has no value to take part in the sums
    if (!value) return false;
    const int at = StatModule::Stat_Count;
    if (!StatModule::Add(*value)) return false;
    List1->insertItem(at, t);
    List1->setCurrentRow(at);
    Text3->setText(QStringLiteral("n=%1").arg(StatModule::Stat_Count));
    return true;
}

void StatBox::Back_Click() {
    emit Back_Requested();
}

void StatBox::delete_Click() {
    // lines past Stat_Count are left over from before the last "Sta" and hold no value
    int k = 0;
    const int count = StatModule::Stat_Count;
    for (int i = 0; i < count && i < List1->count(); ++i)
        if (List1->item(i)->isSelected()) k = i;
    if (count == 0) return;
    delete List1->takeItem(k);
    // the list would otherwise move the selection to a neighbour, and the next
    // "清项" would take that line instead of the first
    List1->setCurrentItem(nullptr);
    List1->clearSelection();
    StatModule::Remove_At(k);
    Text3->setText(QStringLiteral("n=%1").arg(StatModule::Stat_Count));
}

void StatBox::Delete_all_Click() {
    List1->clear();
    StatModule::Clear();
    Text3->setText(QStringLiteral("n=0"));
}

void StatBox::Form_Unload() {
    List1->clear();
    StatModule::Clear();
    emit Unloaded();
}

void StatBox::closeEvent(QCloseEvent *event) {
    Form_Unload();
    event->accept();
}
