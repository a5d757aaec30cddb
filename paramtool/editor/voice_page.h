#pragma once
// "Voice Function": the six voice sub-pages, run in the order Filter, NR, EQ, SpkGain,
// MIC Gain/ComfortNoise, AEC/AES.

#include "paramtool/editor/block_diagram_tabs.h"
#include "paramtool/editor/designer_callback.h"
#include "paramtool/editor/gain_level_editor.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/editor/voice_aec_page.h"
#include "paramtool/editor/voice_eq_page.h"
#include "paramtool/editor/voice_filter_page.h"
#include "paramtool/editor/voice_mic_page.h"
#include "paramtool/editor/voice_nr_page.h"

namespace paramtool::editor {

class VoicePage : public PageModel {
 public:
  VoicePage(ParameterSet& set, DesignerCallback& designer, Reporter& reporter);
  void showDefaults() override;
  void refresh() override;
  // After the sub-pages, table byte 0x355 becomes 0 with a present mark (the record of
  // 0x355 writes the byte later in the same save).
  void collect() override;
  // After a Load every voice control is enabled before the sub-pages refresh.
  void enableAllControls();

  VoiceFilterPage filter;
  VoiceNrPage nr;
  VoiceEqPage eq;
  GainLevelEditor speakerGain;
  VoiceMicPage mic;
  VoiceAecPage aecAes;
  // Blocks 0-9 of the call-audio diagram show Filter, NR, EQ, SpkGain, MIC, AEC/AES, MIC,
  // Filter, NR, EQ (controls 1244, 1245, 1250, 1264, 1267, 1279, 1268, 1281, 1293, 1282).
  BlockDiagramTabs tabs{{0, 1, 2, 3, 4, 5, 4, 0, 1, 2}};

 private:
  std::array<PageModel*, 6> inOrder();
  ParameterSet& set_;
};

}  // namespace paramtool::editor
