#pragma once
// "Audio Function": the four audio sub-pages. ShowDefaults runs LineIn, Sound Effect,
// SPK Gain, EQ; Refresh runs LineIn, SPK Gain, Sound Effect, EQ; Collect first clears bit 5
// of 0x1EC and 0x2F5-0x2F7, then runs LineIn, Sound Effect, SPK Gain, EQ.

#include "paramtool/editor/audio_eq_page.h"
#include "paramtool/editor/block_diagram_tabs.h"
#include "paramtool/editor/gain_level_editor.h"
#include "paramtool/editor/line_in_page.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/editor/sound_effect_page.h"

namespace paramtool::editor {

class AudioPage : public PageModel {
 public:
  AudioPage(ParameterSet& set, DesignerCallback& designer, Reporter& reporter);
  void showDefaults() override;
  void refresh() override;
  void collect() override;

  LineInPage lineIn;
  GainLevelEditor speakerGain;
  SoundEffectPage soundEffect;
  AudioEqPage eq;
  // Blocks 1328, 1326, 1327 and 1017 show LineIn, SPK Gain, Sound Effect and EQ.
  BlockDiagramTabs tabs{{0, 1, 2, 3}};

 private:
  ParameterSet& set_;
};

}  // namespace paramtool::editor
