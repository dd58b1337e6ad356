#pragma once
// Message doubles for tests of the logic. The logic shows its messages and asks its questions
// through the data::MessageSink in use; a test fails on any that it did not expect.

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "data/messages.h"

namespace tolvar::test {

// Records every message and question. Questions are answered from `answers`, in order; a
// question with no answer left fails the test (and gets No), and answers still left when the
// sink goes fail it too: the question they were meant for never came.
class RecordingMessageSink : public data::MessageSink {
 public:
  struct Message {
    std::string text;
    data::MessageStyle style;
    std::string title;
  };
  RecordingMessageSink() = default;
  ~RecordingMessageSink() override;
  RecordingMessageSink(const RecordingMessageSink&) = delete;
  RecordingMessageSink& operator=(const RecordingMessageSink&) = delete;

  void Show(std::string_view text, data::MessageStyle style, std::string_view title) override;
  bool AskYesNo(std::string_view text, std::string_view title, bool questionIcon) override;

  std::vector<Message> messages;
  std::vector<Message> questions;
  std::vector<bool> questionIcons;
  // Answers to the coming questions, in order (true = Yes).
  std::deque<bool> answers;
};

// Puts `sink` in use for its own lifetime; going, it puts back the sink that was in use before,
// also when an assertion has left the test early.
class ScopedMessageSink {
 public:
  explicit ScopedMessageSink(data::MessageSink* sink);
  ~ScopedMessageSink();
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

 private:
  data::MessageSink* previous_;
};

// A recording sink that is in use while it lives: what a test that expects messages declares.
class ScopedRecordingSink : public RecordingMessageSink {
 public:
  ScopedRecordingSink() : inUse_(this) {}

 private:
  ScopedMessageSink inUse_;
};

// Stands behind every test (the test mains install it before each test): a message or question
// that reaches it fails the test, since a test that expects one installs a sink of its own.
class UnexpectedMessages : public data::MessageSink {
 public:
  void Show(std::string_view text, data::MessageStyle style, std::string_view title) override;
  bool AskYesNo(std::string_view text, std::string_view title, bool questionIcon) override;
};

// Installs UnexpectedMessages before each test and the default sink after it.
void InstallUnexpectedMessages();

}  // namespace tolvar::test
