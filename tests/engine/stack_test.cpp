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

// The engine's own push and pop work in place; they must keep the rules of
// Push and Pop: counts, order, slots reused and never cleared, null when empty.
TEST(Stack, InPlacePushAndPopKeepTheRules) {
    stack s;
    EXPECT_FALSE(s.Pop_In_Place().has_value()); // empty: null, count unchanged
    EXPECT_EQ(s.pointer, 0);

    s.Push_Copy("1");
    s.Push_Slot() = "2";
    s.Push(std::string("3"));
    EXPECT_EQ(s.pointer, 3);
    EXPECT_EQ(*s.Top(), "3");
    for (const char *text : {"3", "2", "1"}) EXPECT_EQ(As_Text(s.Pop_In_Place()), text);
    EXPECT_FALSE(s.Pop_In_Place().has_value());

    // slots are reused without being cleared: a slot push sees the old text,
    // a copy push replaces it whole, however long either is
    EXPECT_EQ(s.Push_Slot(), "1");
    s.Push_Copy(std::string(40, 'x'));
    s.Push_Copy("y");
    EXPECT_EQ(s.pointer, 3);
    EXPECT_EQ(As_Text(s.Pop()), "y");
    EXPECT_EQ(As_Text(s.Pop()), std::string(40, 'x'));

    Warning_Recorder recorder;
    s.pointer = 50; // out of step with the storage
    EXPECT_EQ(s.Pop_In_Place(), std::string());
    EXPECT_EQ(recorder.messages, std::vector<std::string>{CalcModule::No_Data_Message});
    EXPECT_THROW(As_Text(stack().Pop_In_Place()), std::invalid_argument);
}
