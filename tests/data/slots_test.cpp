// The used slots of a list with fixed slots: the count clipped to the list.

#include "data/slots.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tolvar {
namespace {

TEST(At, IndexOutsideTheListGivesNothing) {
  const std::vector<int> list = {10, 11, 12};
  struct Fall {
    long long index;
    const int* expected;
  };
  const Fall faelle[] = {{-1, nullptr},          {0, &list[0]}, {2, &list[2]}, {3, nullptr}, {-2147483648LL, nullptr},
                         {4294967296LL, nullptr}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.index);
    EXPECT_EQ(At(list, f.index), f.expected);
  }
  // Unsigned and narrow indexes, an empty list, a fixed array.
  EXPECT_EQ(At(list, std::size_t{1}), &list[1]);
  EXPECT_EQ(At(list, int16_t{-1}), nullptr);
  const std::vector<int> leer;
  EXPECT_EQ(At(leer, 0), nullptr);
  const std::array<const char*, 2> woerter = {"a", "b"};
  ASSERT_NE(At(woerter, 1), nullptr);
  EXPECT_STREQ(*At(woerter, 1), "b");
}

TEST(At, WritesReachTheList) {
  std::vector<int> list = {1, 2};
  if (int* x = At(list, 1)) *x = 5;
  EXPECT_EQ(list, (std::vector<int>{1, 5}));
}

TEST(UsedSlots, CountIsClippedToTheList) {
  const std::vector<int> list = {10, 11, 12};
  struct Fall {
    int count;
    std::vector<int> expected;
  };
  const Fall faelle[] = {{-1, {}}, {0, {}}, {2, {10, 11}}, {3, {10, 11, 12}}, {4, {10, 11, 12}}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.count);
    const auto slots = UsedSlots(list, f.count);
    EXPECT_EQ(std::vector<int>(slots.begin(), slots.end()), f.expected);
  }
  const std::vector<int> leer;
  EXPECT_TRUE(UsedSlots(leer, 5).empty());
  EXPECT_EQ(UsedSlots(list, int16_t{2}).size(), 2u);
}

TEST(UsedSlots, WritesReachTheList) {
  std::vector<int> list = {1, 2, 3};
  for (int& x : UsedSlots(list, 2)) x = 0;
  EXPECT_EQ(list, (std::vector<int>{0, 0, 3}));
}

}  // namespace
}  // namespace tolvar
