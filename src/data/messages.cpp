#include "data/messages.h"

#include <iostream>

namespace tolvar::data {

namespace {

// Without a windows layer (tools, tests that set no sink) messages still reach the user.
class StderrSink : public MessageSink {
 public:
  void Show(std::string_view text, MessageStyle, std::string_view title) override {
    std::cerr << title << ": " << text << '\n';
  }
  bool AskYesNo(std::string_view text, std::string_view title, bool /*questionIcon*/) override {
    std::cerr << title << ": " << text << " -> Nein\n";
    return false;
  }
};

StderrSink& DefaultSink() {
  static StderrSink sink;
  return sink;
}

MessageSink*& Current() {
  static MessageSink* sink = nullptr;
  return sink;
}

}  // namespace

MessageSink& CurrentMessageSink() {
  MessageSink* sink = Current();
  return sink != nullptr ? *sink : DefaultSink();
}

MessageSink* SetMessageSink(MessageSink* sink) {
  MessageSink* previous = Current();
  Current() = sink;
  return previous;
}

void ShowCritical(std::string_view text) { CurrentMessageSink().Show(text, MessageStyle::Critical, kMeldungTitel); }

bool AskYesNo(std::string_view text, std::string_view title, bool questionIcon) {
  return CurrentMessageSink().AskYesNo(text, title, questionIcon);
}

}  // namespace tolvar::data
