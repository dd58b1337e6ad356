#pragma once
// Message boxes asked for by the logic. The logic does not show windows itself: it hands the
// message to the current sink, which the windows layer connects to its prompt service.

#include <string>
#include <string_view>
#include <vector>

namespace tolvar::data {

// The icon of a message box.
enum class MessageStyle { Critical, Question, Exclamation, Information };

// Title of every message box of the system.
inline constexpr std::string_view kMeldungTitel = "Tolvar-Information";

// Receives the message boxes (OK button only) the logic shows.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows the message and returns once the user has confirmed it.
  virtual void Show(std::string_view text, MessageStyle style, std::string_view title) = 0;
};

// The sink in use: the one set last, or one that writes to standard error.
MessageSink& CurrentMessageSink();
// Sets the sink in use; nullptr restores the default. The caller keeps ownership. Returns the
// previous sink (nullptr for the default).
MessageSink* SetMessageSink(MessageSink* sink);

// Shows a critical message titled "Tolvar-Information" through the current sink.
void ShowCritical(std::string_view text);

// A sink that records every message (tests).
class RecordingMessageSink : public MessageSink {
 public:
  struct Message {
    std::string text;
    MessageStyle style;
    std::string title;
  };
  void Show(std::string_view text, MessageStyle style, std::string_view title) override {
    messages.push_back({std::string(text), style, std::string(title)});
  }
  std::vector<Message> messages;
};

}  // namespace tolvar::data
