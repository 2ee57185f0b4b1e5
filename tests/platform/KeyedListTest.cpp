#include <gtest/gtest.h>

#include "KeyedList.h"

namespace {
KeyedList<int> abc() {
    KeyedList<int> l;
    l.Add(1, "a");
    l.Add(2, "b");
    l.Add(3, "c");
    return l;
}
std::string order(const KeyedList<int>& l) {
    std::string s;
    for (int i = 1; i <= l.Count(); ++i) s += l.KeyAt(i);
    return s;
}
}  // namespace

TEST(KeyedList, KeepsInsertionOrderWithOneBasedPositions) {
    KeyedList<int> l = abc();
    EXPECT_EQ(l.Count(), 3);
    EXPECT_EQ(l.Item(1), 1);
    EXPECT_EQ(l.Item(3), 3);
    EXPECT_EQ(l.Item("b"), 2);
    EXPECT_EQ(l.PositionOf("c"), 3);
    EXPECT_EQ(l.PositionOf("zz"), 0);
}

TEST(KeyedList, InsertsBeforeAPosition) {
    KeyedList<int> l = abc();
    l.AddBefore(9, "x", 1);
    l.AddBefore(8, "y", 3);
    EXPECT_EQ(order(l), "xaybc");
    l.AddBefore(7, "z", l.Count());
    EXPECT_EQ(order(l), "xaybzc");
}

TEST(KeyedList, RemovesByKeyAndByPosition) {
    KeyedList<int> l = abc();
    l.Remove("b");
    EXPECT_EQ(order(l), "ac");
    l.Remove(1);
    EXPECT_EQ(order(l), "c");
    l.Remove(1);
    EXPECT_TRUE(l.empty());
}

TEST(KeyedList, RefusesDuplicateAndMissingKeysAndBadPositions) {
    KeyedList<int> l = abc();
    EXPECT_THROW(l.Add(4, "a"), KeyedListError);
    EXPECT_THROW(l.AddBefore(4, "b", 1), KeyedListError);
    EXPECT_EQ(order(l), "abc");
    EXPECT_THROW(l.Item("q"), KeyedListError);
    EXPECT_THROW(l.Remove("q"), KeyedListError);
    EXPECT_THROW(l.Item(0), KeyedListError);
    EXPECT_THROW(l.Item(4), KeyedListError);
    EXPECT_THROW(l.AddBefore(4, "d", 4), KeyedListError);
    EXPECT_EQ(l.Count(), 3);
}

TEST(KeyedList, KeysAreExactText) {
    KeyedList<int> l;
    l.Add(1, " 7");
    EXPECT_FALSE(l.Contains("7"));
    EXPECT_NO_THROW(l.Add(2, "7"));
}
