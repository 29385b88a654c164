// The statistics box and its data, driven through the box's buttons and Add_Value
// (the main window's "Dat").

#include "engine/NumberText.h"
#include "ui/main/StatBox.h"
#include "ui/main/StatModule.h"
#include "ui/platform/Platform.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class StatTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Platform::Set_Recording(true);
        Platform::Clear_Recording();
        StatModule::Clear();
        Open();
    }
    // "Sta": the main window shows the box and starts counting afresh
    void Open() {
        if (!box) {
            box = new StatBox;
            box->setAttribute(Qt::WA_DeleteOnClose);
        }
        box->show();
        StatModule::Stat_Count = 0;
    }
    void Close() { box->close(); }
    void TearDown() override { delete box.data(); }

    template <class T> T *Control(const char *name) {
        T *control = box->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QListWidget *List() { return Control<QListWidget>("List1"); }
    QString Count_Text() { return Control<QLineEdit>("Text3")->text(); }
    void Click(const char *name) { QTest::mouseClick(Control<QPushButton>(name), Qt::LeftButton); }
    QStringList Lines() {
        QStringList lines;
        for (int i = 0; i < List()->count(); ++i) lines << List()->item(i)->text();
        return lines;
    }
    void Add(std::initializer_list<const char *> values) {
        for (const char *v : values) EXPECT_TRUE(box->Add_Value(QString::fromLatin1(v))) << v;
    }

    QPointer<StatBox> box;
};

TEST_F(StatTest, OpensEmpty) {
    EXPECT_EQ(box->windowTitle(), QStringLiteral("统计框"));
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Count_Text(), QString());
    EXPECT_EQ(Control<QPushButton>("Back")->text(), QStringLiteral("返回"));
    EXPECT_EQ(Control<QPushButton>("delete")->text(), QStringLiteral("清项"));
    EXPECT_EQ(Control<QPushButton>("Delete_all")->text(), QStringLiteral("全清"));
}

TEST_F(StatTest, SumMeanAndDeviation) {
    struct Case {
        std::vector<const char *> values;
        double sum;
        bool has_mean;
        double mean;
        bool has_deviation;
        double deviation;
    };
    const Case cases[] = {
        {{"2", "4", "4", "4", "5", "5", "7", "9"}, 40, true, 5, true, std::sqrt(32.0 / 7)},
        {{"1", "2"}, 3, true, 1.5, true, std::sqrt(0.5)},
        {{"12abc"}, 12, true, 12, false, 0}, // one value: no deviation
        {{}, 0, false, 0, false, 0},
        // summed in order of entry; the squares overflow but the deviation does not
        {{"1e300", "-1e300", "3"}, 3, true, 1, true, 1e300},
    };
    for (const Case &c : cases) {
        Click("Delete_all");
        for (const char *v : c.values) box->Add_Value(QString::fromLatin1(v));
        EXPECT_EQ(StatModule::Sum(), c.sum);
        double mean = -1, deviation = -1;
        EXPECT_EQ(StatModule::Mean(mean), c.has_mean);
        if (c.has_mean) {
            EXPECT_DOUBLE_EQ(mean, c.mean);
        }
        EXPECT_EQ(StatModule::Std_Deviation(deviation), c.has_deviation);
        if (c.has_deviation) {
            EXPECT_NEAR(deviation, c.deviation, c.deviation * 1e-12);
        }
    }
    // the sample deviation of the first set, as the display pattern writes it
    Click("Delete_all");
    Add({"2", "4", "4", "4", "5", "5", "7", "9"});
    double s = 0;
    ASSERT_TRUE(StatModule::Std_Deviation(s));
    EXPECT_EQ(QString::fromStdString(CalcModule::Fixed_Display_Text(s)).left(7),
              QStringLiteral("2.13808"));
}

TEST_F(StatTest, DataLinesAndTheCount) {
    Add({"12abc", "-3.5", "1.5e-3x"});
    EXPECT_EQ(Lines(), QStringList({"12abc", "-3.5", "1.5e-3x"}));
    EXPECT_EQ(Count_Text(), QStringLiteral("n=3"));
    EXPECT_EQ(StatModule::Stat_Count, 3);
    EXPECT_EQ(StatModule::Stat_Values[0], 12);
    EXPECT_EQ(StatModule::Stat_Values[1], -3.5);
    EXPECT_EQ(StatModule::Stat_Values[2], 0.0015);
    // the new line is selected, so "清项" removes the value just added
    EXPECT_EQ(List()->currentRow(), 2);
    Click("delete");
    EXPECT_EQ(Lines(), QStringList({"12abc", "-3.5"}));
    EXPECT_EQ(Count_Text(), QStringLiteral("n=2"));
    // the selected line goes and the values after it move down
    Add({"7", "8"});
    List()->setCurrentRow(1);
    Click("delete");
    EXPECT_EQ(Lines(), QStringList({"12abc", "7", "8"}));
    EXPECT_EQ(StatModule::Stat_Values[1], 7);
    EXPECT_EQ(StatModule::Stat_Values[2], 8);
    EXPECT_EQ(StatModule::Stat_Values[3], 0);
    // with nothing selected the first line goes
    List()->clearSelection();
    Click("delete");
    EXPECT_EQ(Lines(), QStringList({"7", "8"}));
    EXPECT_EQ(StatModule::Sum(), 15);
    // "全清" empties the list
    Click("Delete_all");
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Count_Text(), QStringLiteral("n=0"));
    EXPECT_EQ(StatModule::Stat_Count, 0);
    // nothing to remove: nothing happens
    Click("delete");
    EXPECT_EQ(Count_Text(), QStringLiteral("n=0"));
    EXPECT_EQ(StatModule::Stat_Count, 0);
}

TEST_F(StatTest, FullTableAndRefusedTexts) {
    for (int i = 1; i <= 101; ++i) ASSERT_TRUE(box->Add_Value(QString::number(i)));
    EXPECT_EQ(Count_Text(), QStringLiteral("n=101"));
    EXPECT_EQ(StatModule::Sum(), 101 * 102 / 2);
    // the 102nd value has no room: nothing changes
    EXPECT_FALSE(box->Add_Value(QStringLiteral("5")));
    EXPECT_FALSE(box->Add_Value(QString()));
    EXPECT_EQ(List()->count(), 101);
    EXPECT_EQ(Count_Text(), QStringLiteral("n=101"));
    EXPECT_EQ(StatModule::Stat_Count, 101);

    // a number beyond the double range has no value to store
    Click("Delete_all");
    EXPECT_FALSE(box->Add_Value(QStringLiteral("1e999")));
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(StatModule::Stat_Count, 0);
}

TEST_F(StatTest, CloseDiscardsTheDataAndBackAsksForTheMainWindow) {
    QSignalSpy back(box.data(), &StatBox::Back_Requested);
    QSignalSpy unloaded(box.data(), &StatBox::Unloaded);
    Add({"1", "2"});
    Click("Back");
    EXPECT_EQ(back.count(), 1);
    EXPECT_EQ(List()->count(), 2);

    Close();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(StatModule::Stat_Count, 0);
    EXPECT_EQ(StatModule::Stat_Values[0], 0);
    EXPECT_EQ(StatModule::Stat_Values[1], 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(box.isNull());
    Open();
    EXPECT_EQ(List()->count(), 0);
}

// A model of what the list and the table must hold, checked after every step of
// a random run of "Dat", "清项" (with any selection), "全清", close and "Sta".
TEST_F(StatTest, ListAndTableStayInStep) {
    std::mt19937 random(20261207);
    std::vector<QString> lines; // what List1 must show
    int count = 0;              // Stat_Count
    std::vector<double> values; // Stat_Values[0 .. count-1]
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

    for (int step = 0; step < 3000; ++step) {
        const int action = pick(100);
        if (action < 60) { // "Dat"
            const QString text = QString::number(pick(2000) - 1000) + (pick(4) == 0 ? "x" : "");
            const bool added = box->Add_Value(text);
            EXPECT_EQ(added, count < StatModule::Capacity);
            if (added) {
                lines.insert(lines.begin() + count, text);
                values.insert(values.begin() + count,
                              CalcModule::Leading_Number_Value(text.toStdString()));
                ++count;
            }
        } else if (action < 85) { // choose a line, or none, then "清项"
            int chosen = -1;
            if (!lines.empty() && pick(4) != 0) chosen = pick(int(lines.size()));
            if (chosen < 0)
                List()->clearSelection();
            else
                List()->setCurrentRow(chosen);
            Click("delete");
            // only lines holding a value count; otherwise the first one goes
            const int k = chosen >= 0 && chosen < count ? chosen : 0;
            if (count > 0) {
                lines.erase(lines.begin() + k);
                values.erase(values.begin() + k);
                --count;
            }
        } else if (action < 90) { // "全清"
            Click("Delete_all");
            lines.clear();
            values.clear();
            count = 0;
        } else if (action < 95) { // close, then "Sta"
            Close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            Open();
            lines.clear();
            values.clear();
            count = 0;
        } else { // "Sta" with the box still open: old lines stay, counting starts afresh
            Open();
            values.clear();
            count = 0;
        }

        ASSERT_EQ(StatModule::Stat_Count, count) << "step " << step;
        ASSERT_EQ(List()->count(), int(lines.size())) << "step " << step;
        for (int i = 0; i < List()->count(); ++i)
            ASSERT_EQ(List()->item(i)->text(), lines[i]) << "step " << step << " line " << i;
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(StatModule::Stat_Values[i], values[i]) << "step " << step << " value " << i;
    }
}

} // namespace
