#pragma once
// Answers the editor's file dialogs with paths given on the command line and keeps its
// messages; the command-line actions never open the equaliser designer.

#include <deque>
#include <string>

#include "paramtool/cli/collecting_reporter.h"
#include "paramtool/editor/designer_callback.h"
#include "paramtool/editor/prompter.h"

namespace paramtool::cli {

class ScriptedPrompter : public editor::Prompter {
 public:
  explicit ScriptedPrompter(std::deque<std::string> answers) : answers_(std::move(answers)) {}
  using Reporter::show;
  void show(const std::string& text, MessageIcon icon) override { messages_.show(text, icon); }
  std::optional<std::string> askSaveFile(const editor::FileDialogRequest&) override { return next(); }
  std::optional<std::string> askOpenFile(const editor::FileDialogRequest&) override { return next(); }
  const CollectingReporter& messages() const { return messages_; }

 private:
  std::optional<std::string> next() {
    if (answers_.empty()) return std::nullopt;
    std::string answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  std::deque<std::string> answers_;
  CollectingReporter messages_;
};

// The command-line actions press no designer button; should one run, nothing is designed.
class NoDesigner : public editor::DesignerCallback {
 public:
  void runDesigner(const editor::DesignerRequest&, DesignerExchange&) override {}
};

}  // namespace paramtool::cli
