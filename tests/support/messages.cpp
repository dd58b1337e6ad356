#include "support/messages.h"

#include <gtest/gtest.h>

namespace tolvar::test {

RecordingMessageSink::~RecordingMessageSink() {
  if (!answers.empty()) ADD_FAILURE() << answers.size() << " scripted answer(s) left: the question never came";
}

void RecordingMessageSink::Show(std::string_view text, data::MessageStyle style, std::string_view title) {
  messages.push_back({std::string(text), style, std::string(title)});
}

bool RecordingMessageSink::AskYesNo(std::string_view text, std::string_view title, bool questionIcon) {
  questions.push_back({std::string(text), data::MessageStyle::Question, std::string(title)});
  questionIcons.push_back(questionIcon);
  if (answers.empty()) {
    ADD_FAILURE() << "question nobody scripted an answer to: " << text;
    return false;
  }
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

ScopedMessageSink::ScopedMessageSink(data::MessageSink* sink) : previous_(data::SetMessageSink(sink)) {}

ScopedMessageSink::~ScopedMessageSink() { data::SetMessageSink(previous_); }

void UnexpectedMessages::Show(std::string_view text, data::MessageStyle /*style*/, std::string_view /*title*/) {
  ADD_FAILURE() << "message the test did not expect: " << text;
}

bool UnexpectedMessages::AskYesNo(std::string_view text, std::string_view /*title*/, bool /*questionIcon*/) {
  ADD_FAILURE() << "question the test did not expect: " << text;
  return false;
}

namespace {

class UnexpectedMessagesPerTest : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo& /*info*/) override { data::SetMessageSink(&sink_); }
  void OnTestEnd(const ::testing::TestInfo& /*info*/) override { data::SetMessageSink(nullptr); }
  UnexpectedMessages sink_;
};

}  // namespace

void InstallUnexpectedMessages() {
  ::testing::UnitTest::GetInstance()->listeners().Append(new UnexpectedMessagesPerTest);
}

}  // namespace tolvar::test
