#include "app/message_sink.h"

#include <QString>

#include "platform/ui/builders.h"
#include "platform/ui/prompts.h"

namespace tolvar::app {

int MsgBoxStyle(data::MessageStyle style) {
  switch (style) {
    case data::MessageStyle::Critical:
      return ui::msgbox::Critical;
    case data::MessageStyle::Question:
      return ui::msgbox::Question;
    case data::MessageStyle::Exclamation:
      return ui::msgbox::Exclamation;
    case data::MessageStyle::Information:
      return ui::msgbox::Information;
  }
  return ui::msgbox::OkOnly;
}

void PromptMessageSink::Show(std::string_view text, data::MessageStyle style, std::string_view title) {
  ui::MsgBox(ui::Q(text), MsgBoxStyle(style) | ui::msgbox::OkOnly, ui::Q(title));
}

bool PromptMessageSink::AskYesNo(std::string_view text, std::string_view title, bool questionIcon) {
  const int style = (questionIcon ? ui::msgbox::Question : 0) | ui::msgbox::YesNo;
  return ui::MsgBox(ui::Q(text), style, ui::Q(title)) == ui::msgbox::Yes;
}

void InstallMessageSink() {
  static PromptMessageSink sink;
  data::SetMessageSink(&sink);
}

}  // namespace tolvar::app
