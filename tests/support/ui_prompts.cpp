#include "support/ui_prompts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <algorithm>

#include "platform/ui/builders.h"
#include "support/ui_input.h"

namespace tolvar::test {

namespace {

// Harmless when nobody answers: No for a question, Cancel where offered, otherwise OK.
int HarmlessAnswer(int style) {
  const std::vector<int> answers = ui::MsgBoxAnswers(style);
  for (int preferred : {ui::msgbox::No, ui::msgbox::Cancel}) {
    if (std::find(answers.begin(), answers.end(), preferred) != answers.end()) return preferred;
  }
  return answers.front();
}

// A modal box opens over the active window, holds the focus while it is shown, and closes.
void TakeFocusAsAModalBox() {
  QWidget* window = QApplication::activeWindow();
  QDialog box(window);
  box.setWindowTitle(QStringLiteral("Tolvar"));
  auto* ok = new QPushButton(QStringLiteral("OK"), &box);
  box.setModal(true);
  box.show();
  ActivateWindowOf(ok);
  ok->setFocus(Qt::ActiveWindowFocusReason);
  Settle();
  box.hide();
  if (window != nullptr && window->isVisible()) ActivateWindowOf(window);
}

}  // namespace

ScriptedPrompts::~ScriptedPrompts() {
  if (m_expectAllUsed && !m_answers.empty()) {
    ADD_FAILURE() << m_answers.size() << " scripted prompt answer(s) never used";
  }
}

ScriptedPrompts& ScriptedPrompts::AnswerMsgBox(int answer, std::function<void()> whileOpen) {
  m_answers.push_back({false, answer, std::nullopt, std::move(whileOpen)});
  return *this;
}

ScriptedPrompts& ScriptedPrompts::AnswerFile(const QString& path) {
  m_answers.push_back({true, 0, path, {}});
  return *this;
}

ScriptedPrompts& ScriptedPrompts::CancelFile() {
  m_answers.push_back({true, 0, std::nullopt, {}});
  return *this;
}

std::vector<ShownPrompt> ScriptedPrompts::messageBoxes() const {
  std::vector<ShownPrompt> result;
  std::copy_if(m_shown.begin(), m_shown.end(), std::back_inserter(result),
               [](const ShownPrompt& p) { return p.kind == PromptKind::MsgBox; });
  return result;
}

int ScriptedPrompts::MsgBox(const QString& text, int style, const QString& title) {
  m_shown.push_back({PromptKind::MsgBox, text, style, title, {}});
  if (m_takesFocus) TakeFocusAsAModalBox();
  const int harmless = HarmlessAnswer(style);
  if (m_answers.empty() || m_answers.front().file) {
    ADD_FAILURE() << "Unscripted message box: \"" << ui::S(text) << "\" (style " << style << ", title \""
                  << ui::S(title) << "\")" << (m_answers.empty() ? "" : "; a file dialog was scripted next");
    return harmless;
  }
  const int answer = m_answers.front().msgBox;
  const std::function<void()> whileOpen = std::move(m_answers.front().whileOpen);
  m_answers.pop_front();
  if (whileOpen) whileOpen();
  const std::vector<int> offered = ui::MsgBoxAnswers(style);
  if (std::find(offered.begin(), offered.end(), answer) == offered.end()) {
    ADD_FAILURE() << "Scripted answer " << answer << " is no button of the message box \"" << ui::S(text)
                  << "\" (style " << style << ")";
    return harmless;
  }
  return answer;
}

std::optional<QString> ScriptedPrompts::fileAnswer(PromptKind kind, const ui::FileDialogRequest& request) {
  m_shown.push_back({kind, request.title, 0, request.title, request});
  if (m_answers.empty() || !m_answers.front().file) {
    ADD_FAILURE() << "Unscripted file dialog: \"" << ui::S(request.title) << "\""
                  << (m_answers.empty() ? "" : "; a message box answer was scripted next");
    return std::nullopt;
  }
  std::optional<QString> path = m_answers.front().path;
  m_answers.pop_front();
  return path;
}

std::optional<QString> ScriptedPrompts::OpenFileDialog(const ui::FileDialogRequest& request) {
  return fileAnswer(PromptKind::OpenFile, request);
}

std::optional<QString> ScriptedPrompts::SaveFileDialog(const ui::FileDialogRequest& request) {
  return fileAnswer(PromptKind::SaveFile, request);
}

ScopedPrompts::ScopedPrompts() : m_previous(ui::SetPrompts(&m_own)) {}

ScopedPrompts::ScopedPrompts(ui::Prompts& prompts) : m_previous(ui::SetPrompts(&prompts)) {}

ScopedPrompts::~ScopedPrompts() { ui::SetPrompts(m_previous); }

}  // namespace tolvar::test
