#pragma once
// Shows the logic's messages and questions through the prompt service.

#include "data/messages.h"

namespace tolvar::app {

class PromptMessageSink final : public data::MessageSink {
 public:
  void Show(std::string_view text, data::MessageStyle style, std::string_view title) override;
  bool AskYesNo(std::string_view text, std::string_view title, bool questionIcon) override;
};

// The message-box style (icon, OK button) of a message of the logic.
int MsgBoxStyle(data::MessageStyle style);

// Makes the logic's messages appear as message boxes for the rest of the run.
void InstallMessageSink();

}  // namespace tolvar::app
