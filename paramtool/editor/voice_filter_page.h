#pragma once
// Voice "Filter": the speaker and MIC high-pass filters (0x316, 0x317).

#include "paramtool/editor/control_state.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/parameter_set.h"

namespace paramtool::editor {

class VoiceFilterPage : public PageModel {
 public:
  explicit VoiceFilterPage(ParameterSet& set) : set_(set) {}
  void showDefaults() override;
  void refresh() override;
  void collect() override;

  ListControl speaker{7};  // list 1208
  ListControl mic{7};      // list 1248

 private:
  ParameterSet& set_;
};

}  // namespace paramtool::editor
