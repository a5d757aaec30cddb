#pragma once
// Audio "LineIn": silence detection, initial speaker gain, level range and ADC gain.

#include "paramtool/editor/control_state.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/parameter_set.h"

namespace paramtool::editor {

class LineInPage : public PageModel {
 public:
  explicit LineInPage(ParameterSet& set) : set_(set) {}
  void showDefaults() override;
  void refresh() override;
  void collect() override;

  ListControl silence{17};      // list 1257; the last item is "LineIn Silence Detection Off"
  ListControl initialGain{16};  // list 1230
  ListControl maxLevel{16};     // list 1229
  ListControl minLevel{16};     // list 1314
  ListControl adcGain{17};      // list 1208

 private:
  void show(int silenceByte, int gain, int levels);
  ParameterSet& set_;
};

}  // namespace paramtool::editor
