#pragma once
// Doubles for the editor's prompter and designer, and a ready-made editor.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "paramtool/editor/dsp_editor.h"
#include "test_support.h"

namespace paramtool::test {

class ScriptedPrompter : public editor::Prompter {
 public:
  using Reporter::show;
  void show(const std::string& text, MessageIcon icon) override {
    messages.push_back(text);
    icons.push_back(icon);
  }
  std::optional<std::string> askSaveFile(const editor::FileDialogRequest& request) override { return answer(request); }
  std::optional<std::string> askOpenFile(const editor::FileDialogRequest& request) override { return answer(request); }

  std::deque<std::optional<std::string>> answers;  // nullopt answers as Cancel
  std::vector<editor::FileDialogRequest> requests;
  std::vector<std::string> messages;
  std::vector<MessageIcon> icons;

 private:
  std::optional<std::string> answer(const editor::FileDialogRequest& request) {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};

// Records what the designer was opened with; "saves" `result` when one is given.
class FakeDesigner : public editor::DesignerCallback {
 public:
  void runDesigner(const editor::DesignerRequest& request, DesignerExchange& exchange) override {
    requests.push_back(request);
    buffersOnOpen.push_back(exchange.buffer);
    if (result) {
      exchange.buffer = *result;
      exchange.resultReady = true;
    }
  }
  std::optional<CoefficientBlock> result;
  std::vector<editor::DesignerRequest> requests;
  std::vector<CoefficientBlock> buffersOnOpen;
};

inline TableDate fixedDay() { return TableDate{2016, 4, 12}; }

// A block whose words are all `word` (gain words included), easy to tell apart.
inline CoefficientBlock filledBlock(int16_t word) {
  CoefficientBlock block;
  block.words.fill(word);
  return block;
}

struct EditorFixture {
  ScriptedPrompter prompter;
  FakeDesigner designer;
  std::unique_ptr<editor::DspEditor> editor = std::make_unique<editor::DspEditor>(prompter, designer, fixedDay);
  ParameterSet& set = editor->parameters();
};

}  // namespace paramtool::test
