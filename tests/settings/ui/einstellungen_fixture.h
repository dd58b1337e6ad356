#pragma once
// Fixture of the settings windows' tests: a fresh data root with the sample enterprise as
// the open one, scripted prompts, the logic's messages shown as message boxes.

#include <gtest/gtest.h>

#include <QString>

#include <string>
#include <vector>

#include "app/message_sink.h"
#include "data/messages.h"
#include "support/fixtures.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"

namespace tolvar::test {

class EinstellungenTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The texts of `column` over the rows of `table`, in table order.
  static std::vector<std::string> Spalte(const std::string& path, const std::string& table,
                                         const std::string& column);
  std::string Tolvar() const;
  std::string Morvin() const;
  std::string Vantel() const;
  // Texts of the message boxes shown so far.
  std::vector<QString> Meldungen() const;

  FreshDataRoot root;
  ScopedPrompts prompts;

 private:
  app::PromptMessageSink sink_;
  data::MessageSink* previousSink_ = nullptr;
};

}  // namespace tolvar::test
