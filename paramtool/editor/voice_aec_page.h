#pragma once
// Voice "AEC/AES": echo cancellation on/off, step size, tap length, and the CVSD and mSBC
// linear thresholds, echo suppression and double-talk thresholds.

#include <array>

#include "paramtool/editor/control_state.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/parameter_set.h"

namespace paramtool::editor {

class VoiceEqPage;

extern const std::array<int, 6> kLinearThresholdValues;
extern const std::array<int, 14> kDoubleTalkValues;
// The last position whose value is at least `stored` (the lists fall); kNoSelection when
// even the first value is below it.
template <std::size_t N>
int positionForValue(const std::array<int, N>& values, int stored) {
  int position = kNoSelection;
  for (std::size_t p = 0; p < N; ++p) {
    if (values[p] >= stored) position = static_cast<int>(p);
  }
  return position;
}

class VoiceAecPage : public PageModel {
 public:
  VoiceAecPage(ParameterSet& set, const VoiceEqPage& eq);

  void toggleAec(bool on);  // check 1198

  void showDefaults() override;
  void refresh() override;
  void collect() override;

  CheckControl aec;                  // check 1198 "AEC On/Off", set when the page is created
  ListControl stepSize{6};           // list 1296
  ListControl tapLength{11};         // list 1257
  ListControl linearCvsd{6};         // list 1230
  ListControl linearMsbc{6};         // list 1353
  ListControl suppressionCvsd{16};   // list 1294
  ListControl suppressionMsbc{16};   // list 1354
  ListControl doubleTalkCvsd{14};    // list 1295
  ListControl doubleTalkMsbc{14};    // list 1352

 private:
  void enableLists(bool on);
  void showValues(int step, int tap, int linearM, int linearC, int aesM, int aesC, int dtM, int dtC);

  ParameterSet& set_;
  const VoiceEqPage& eq_;
};

}  // namespace paramtool::editor
