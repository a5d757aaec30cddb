#pragma once
// Audio "EQ": the music equaliser on/off, its initial preset, the preset mask and the
// "Custom EQ 2" coefficients in slot 0.

#include <array>

#include "paramtool/editor/control_state.h"
#include "paramtool/editor/designer_callback.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/parameter_set.h"

namespace paramtool::editor {

class AudioEqPage : public PageModel {
 public:
  static constexpr int kPresets = 11;

  AudioEqPage(ParameterSet& set, DesignerCallback& designer) : set_(set), designer_(designer) {}

  void toggleEqualiser(bool on);  // check 1017
  void customEq2();               // button 1061 "Custom EQ 2"

  void showDefaults() override;
  void refresh() override;
  void collect() override;

  CheckControl equaliser;                     // check 1017 "Equalizer"
  ListControl initialPreset{kPresets};        // list 1070 "Initial Value"
  std::array<bool, kPresets> presetMask{};    // the checks of group 1019, bit i of 0x1E8-0x1E9
  bool maskGroupEnabled = true;               // group 1019 "EQ Mask Selection"

 private:
  void showMask(int bits);
  ParameterSet& set_;
  DesignerCallback& designer_;
};

}  // namespace paramtool::editor
