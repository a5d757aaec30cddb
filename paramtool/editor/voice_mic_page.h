#pragma once
// Voice "MIC Gain/ComfortNoise": MIC codec gain (0x0C5), digital MIC gain (0x30F) and the
// comfort-noise level (0x306-0x307).

#include "paramtool/editor/control_state.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/parameter_set.h"

namespace paramtool::editor {

class VoiceMicPage : public PageModel {
 public:
  explicit VoiceMicPage(ParameterSet& set) : set_(set) {}
  void showDefaults() override;
  void refresh() override;
  void collect() override;

  ListControl codecGain{16};     // list 1208, labels of kMicCodecGainTable
  ListControl digitalGain{20};   // list 1257
  ListControl comfortNoise{16};  // list 1266

 private:
  ParameterSet& set_;
};

}  // namespace paramtool::editor
