// The used slots of a list with fixed slots: the count clipped to the list.

#include "data/slots.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tolvar {
namespace {

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
