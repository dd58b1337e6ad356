// Test main for the tests of the logic: a message or question that no test expected fails it.
#include <gtest/gtest.h>

#include "support/messages.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  tolvar::test::InstallUnexpectedMessages();
  return RUN_ALL_TESTS();
}
