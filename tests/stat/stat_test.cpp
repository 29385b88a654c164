// The statistics box and its data, driven through the box's buttons and
// Add_Value (the main window's "Dat").

#include "engine/NumberText.h"
#include "tests/Program_State.h"
#include "ui/main/StatBox.h"
#include "ui/main/StatModule.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

class StatTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Reset_Program_State();
        Open();
    }
    void TearDown() override {
        delete box.data();
        Reset_Program_State();
    }
    // "Sta": the main window shows the box and starts counting afresh
    void Open() {
        if (!box) {
            box = new StatBox;
            box->setAttribute(Qt::WA_DeleteOnClose);
        }
        box->show();
        StatModule::Reset();
    }
    void Close_And_Open() {
        box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(box.isNull());
        Open();
    }
    QListWidget *List() { return box->findChild<QListWidget *>("List1"); }
    std::string Count_Text() { return box->findChild<QLineEdit *>("Text3")->text().toStdString(); }
    void Click(const char *name) {
        QTest::mouseClick(box->findChild<QPushButton *>(name), Qt::LeftButton);
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < List()->count(); ++i)
            lines.push_back(List()->item(i)->text().toStdString());
        return lines;
    }
    QPointer<StatBox> box;
};

TEST_F(StatTest, SumMeanAndDeviation) {
    struct Case {
        std::vector<const char *> values;
        double sum, mean, deviation; // NAN: not available
    };
    const Case cases[] = {
        {{"2", "4", "4", "4", "5", "5", "7", "9"}, 40, 5, std::sqrt(32.0 / 7)},
        {{"1", "2"}, 3, 1.5, std::sqrt(0.5)},
        {{"12abc"}, 12, 12, NAN}, // one value: no deviation
        {{}, 0, NAN, NAN},
        // the squares overflow but the deviation does not
        {{"1e300", "-1e300", "3"}, 3, 1, 1e300},
    };
    for (const Case &c : cases) {
        Click("Delete_all");
        for (const char *v : c.values) box->Add_Value(QString::fromLatin1(v));
        EXPECT_EQ(StatModule::Sum(), c.sum);
        double mean = NAN, deviation = NAN;
        EXPECT_EQ(StatModule::Mean(mean), !std::isnan(c.mean));
        EXPECT_EQ(StatModule::Std_Deviation(deviation), !std::isnan(c.deviation));
        if (!std::isnan(c.mean)) {
            EXPECT_DOUBLE_EQ(mean, c.mean);
        }
        if (!std::isnan(c.deviation)) {
            EXPECT_NEAR(deviation, c.deviation, c.deviation * 1e-12);
        }
    }
}

TEST_F(StatTest, AddingAndRemovingLines) {
    for (const char *v : {"12abc", "-3.5", "1.5e-3x"}) box->Add_Value(QString::fromLatin1(v));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"12abc", "-3.5", "1.5e-3x"}));
    EXPECT_EQ(Count_Text(), "n=3");
    EXPECT_EQ(StatModule::Sum(), 12 - 3.5 + 0.0015);
    // the new line is selected, so "清项" removes the value just added
    Click("delete");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"12abc", "-3.5"}));
    EXPECT_EQ(Count_Text(), "n=2");
    // the removal leaves nothing selected, so the next "清项" takes the first line
    Click("delete");
    EXPECT_EQ(Lines(), std::vector<std::string>{"-3.5"});
    EXPECT_EQ(StatModule::Stat_Values[0], -3.5);
    Click("Delete_all");
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Count_Text(), "n=0");

    // 101 values fit; the next one, and a number beyond the double range, change nothing
    for (int i = 1; i <= 101; ++i) ASSERT_TRUE(box->Add_Value(QString::number(i)));
    EXPECT_EQ(Count_Text(), "n=101");
    EXPECT_FALSE(box->Add_Value(QStringLiteral("5")));
    EXPECT_FALSE(box->Add_Value(QStringLiteral("1e999")));
    EXPECT_EQ(List()->count(), 101);
    EXPECT_EQ(StatModule::Sum(), 101 * 102 / 2);

    QSignalSpy back(box.data(), &StatBox::Back_Requested);
    QSignalSpy unloaded(box.data(), &StatBox::Unloaded);
    Click("Back");
    EXPECT_EQ(back.count(), 1);
    Close_And_Open();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(StatModule::Stat_Values[100], 0);
}

// A model of what the list and the table must hold, checked after every step of
// a random run of "Dat", "清项" (with the selection left as it is, or another
// one), "全清", close and "Sta".
TEST_F(StatTest, ListAndTableStayInStep) {
    std::mt19937 random(20261207);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::vector<std::string> lines; // List1
    std::vector<double> values;     // Stat_Values[0 .. Stat_Count-1]
    int selected = -1;              // the selected line, -1 for none

    for (int step = 0; step < 3000; ++step) {
        const int action = pick(100);
        if (action < 55) { // "Dat": the new line is selected
            const std::string text = std::to_string(pick(2000) - 1000) + (pick(4) ? "" : "x");
            ASSERT_EQ(box->Add_Value(QString::fromStdString(text)), values.size() < 101u);
            if (values.size() < 101u) {
                selected = int(values.size());
                lines.insert(lines.begin() + selected, text);
                values.push_back(CalcModule::Leading_Number_Value(text));
            }
        } else if (action < 85) { // "清项", half the time after choosing a line or none
            if (pick(2)) {
                selected = lines.empty() || !pick(4) ? -1 : pick(int(lines.size()));
                if (selected < 0)
                    List()->clearSelection();
                else
                    List()->setCurrentRow(selected);
            }
            Click("delete");
            // lines left over from before the last "Sta" hold no value; then the first goes
            const int k = selected >= 0 && selected < int(values.size()) ? selected : 0;
            if (!values.empty()) {
                lines.erase(lines.begin() + k);
                values.erase(values.begin() + k);
                selected = -1;
            }
        } else if (action < 90) {
            Click("Delete_all");
            lines.clear();
            values.clear();
            selected = -1;
        } else if (action < 95) {
            Close_And_Open();
            lines.clear();
            values.clear();
            selected = -1;
        } else { // "Sta" with the box open: the old lines stay, counting starts afresh
            Open();
            values.clear();
        }
        ASSERT_EQ(Lines(), lines) << "step " << step;
        ASSERT_EQ(StatModule::Stat_Count, int(values.size())) << "step " << step;
        for (std::size_t i = 0; i < values.size(); ++i)
            ASSERT_EQ(StatModule::Stat_Values[i], values[i]) << "step " << step << " value " << i;
    }
}

} // namespace
