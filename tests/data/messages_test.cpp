#include "data/messages.h"

#include <gtest/gtest.h>

#include "support/messages.h"

namespace tolvar {
namespace {

// Shows one message and returns early when `leaveEarly`, as an assertion would.
void MessageInScope(bool leaveEarly) {
  test::ScopedRecordingSink inner;
  data::ShowCritical("innen");
  EXPECT_EQ(&data::CurrentMessageSink(), &inner);
  if (leaveEarly) return;
  data::ShowCritical("noch innen");
  EXPECT_EQ(inner.messages.size(), 2u);
}

// Scoped sinks are in use while they live and put back the one before, nested and on an early
// return alike; messages reach only the sink in use.
TEST(ScopedMessageSinkTest, PutsBackThePreviousSinkWhenItGoes) {
  data::MessageSink* const vorTest = &data::CurrentMessageSink();
  {
    test::ScopedRecordingSink outer;
    EXPECT_EQ(&data::CurrentMessageSink(), &outer);
    for (const bool leaveEarly : {true, false}) {
      MessageInScope(leaveEarly);
      EXPECT_EQ(&data::CurrentMessageSink(), &outer) << leaveEarly;
    }
    data::ShowCritical("außen");
    ASSERT_EQ(outer.messages.size(), 1u);
    EXPECT_EQ(outer.messages[0].text, "außen");
  }
  EXPECT_EQ(&data::CurrentMessageSink(), vorTest);
}

}  // namespace
}  // namespace tolvar
