#pragma once
// "I2S/PCM": four lists that choose one of sixteen register sets of the digital audio
// interface; "Save" writes the chosen set into the I2S/PCM segment.

#include "paramtool/editor/control_state.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/parameter_set.h"

namespace paramtool::editor {

// index = mode | bit width << 1 | ADC << 2 | RFS << 3 (list positions).
int i2sRegisterIndex(int mode, int bitWidth, int adc, int rfs);
// The 184 values written for a register set: its 144 entries, then entries 40-79 again.
I2sRegisters i2sRegisterSet(int index);

class I2sPcmPage : public PageModel {
 public:
  explicit I2sPcmPage(ParameterSet& set) : set_(set) {}
  void showDefaults() override;
  void refresh() override;
  void collect() override;  // run by "Save" only

  int index() const;

  ListControl mode{2};      // list 1208: "Master mode", "Slave mode"
  ListControl bitWidth{2};  // list 1257: "16bit", "24bit"
  ListControl adc{2};       // list 1230: "Embedded ADC", "External ADC"
  ListControl rfs{2};       // list 1231: "RFS high level -> Left channel", "RFS low level -> Left channel"

 private:
  ParameterSet& set_;
};

}  // namespace paramtool::editor
