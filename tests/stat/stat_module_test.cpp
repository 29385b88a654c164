#include "ui/main/StatModule.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<double> Held() {
    return {StatModule::Stat_Values.begin(),
            StatModule::Stat_Values.begin() + StatModule::Stat_Count};
}
} // namespace

TEST(StatModule, AddStopsAtTheCapacityAndRemoveAtKeepsTheOrder) {
    StatModule::Clear();
    for (int i = 0; i < StatModule::Capacity; ++i) ASSERT_TRUE(StatModule::Add(i + 1)) << i;
    // one more is refused and changes nothing
    EXPECT_FALSE(StatModule::Add(-1));
    EXPECT_EQ(StatModule::Stat_Count, StatModule::Capacity);
    EXPECT_EQ(StatModule::Stat_Values[100], 101);

    StatModule::Clear();
    for (double v : {10.0, 20.0, 30.0, 40.0}) StatModule::Add(v);
    struct Case {
        int k;
        bool removed;
        std::vector<double> left;
    };
    const Case cases[] = {
        {1, true, {10, 30, 40}}, {-1, false, {10, 30, 40}}, {3, false, {10, 30, 40}},
        {2, true, {10, 30}},     {0, true, {30}},           {0, true, {}},
        {0, false, {}}};
    for (const auto &c : cases) {
        EXPECT_EQ(StatModule::Remove_At(c.k), c.removed) << c.k;
        EXPECT_EQ(Held(), c.left) << c.k;
    }
    // every freed place holds 0 again
    for (double v : StatModule::Stat_Values) EXPECT_EQ(v, 0);
}

TEST(StatModule, ResetStartsCountingAfreshOverTheOldTable) {
    StatModule::Clear();
    for (double v : {1.0, 2.0, 3.0}) StatModule::Add(v);
    StatModule::Reset();
    EXPECT_EQ(StatModule::Sum(), 0);
    StatModule::Add(5);
    EXPECT_EQ(Held(), std::vector<double>{5});
    // the values beyond the count stay until they are overwritten
    EXPECT_EQ(StatModule::Stat_Values[1], 2);
    EXPECT_EQ(StatModule::Stat_Values[2], 3);
    StatModule::Clear();
}
