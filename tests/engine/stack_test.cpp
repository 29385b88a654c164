#include "engine/stack.h"
#include "tests/engine/Recorder.h"

#include <gtest/gtest.h>

TEST(Stack, PushPopOrderAndEmptyPop) {
    stack s;
    EXPECT_EQ(s.pointer, 0);
    EXPECT_FALSE(s.Pop().has_value());
    EXPECT_EQ(s.pointer, 0);

    for (const char *text : {"1", "2", "3"}) s.Push(std::string(text));
    EXPECT_EQ(s.pointer, 3);
    for (const char *text : {"3", "2", "1"}) EXPECT_EQ(s.Pop(), std::string(text));
    EXPECT_FALSE(s.Pop().has_value());
    EXPECT_EQ(s.pointer, 0);
}

TEST(Stack, SlotsAreReusedAndNeverReadAbovePointer) {
    stack s;
    s.Push(std::string("a"));
    s.Push(std::string("b"));
    s.Pop();
    s.Push(std::string("c"));
    EXPECT_EQ(s.pointer, 2);
    EXPECT_EQ(s.Pop(), "c");
    EXPECT_EQ(s.Pop(), "a");
    EXPECT_FALSE(s.Pop().has_value());
    // a pop does not clear its slot: moving the count back finds the old items
    s.pointer = 2;
    EXPECT_EQ(s.Pop(), "c");
    EXPECT_EQ(s.Pop(), "a");
}

TEST(Stack, NullIsNotTextButEmptyTextIs) {
    stack s;
    s.Push(std::string());
    EXPECT_EQ(As_Text(s.Pop()), "");
    EXPECT_THROW(As_Text(s.Pop()), std::invalid_argument);
}

TEST(Stack, CountOutOfStepWithStorageWarnsAndYieldsEmptyText) {
    Warning_Recorder recorder;
    stack s;
    s.pointer = 5; // storage holds far fewer slots
    EXPECT_EQ(s.Pop(), std::string());
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0], CalcModule::No_Data_Message);
}

TEST(Stack, HoldsManyItems) {
    stack s;
    for (int i = 0; i < 100000; ++i) s.Push(std::to_string(i));
    EXPECT_EQ(s.pointer, 100000);
    EXPECT_EQ(s.Pop(), "99999");
}
