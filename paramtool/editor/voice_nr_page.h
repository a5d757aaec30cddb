#pragma once
// Voice "NR": speaker and MIC noise reduction, the dual-MIC distance and step size.

#include <array>

#include "paramtool/editor/control_state.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/parameter_set.h"

namespace paramtool::editor {

// A noise-reduction level: the pair of bytes written for a list position.
struct NrLevel {
  int first;
  int second;
};
extern const std::array<NrLevel, 10> kNrLevels;
// The list position a stored first byte shows as; kNoSelection for 128 and above.
int nrPositionOf(int firstByte);

// Bits ORed into 0x32B and 0x32C for each MIC distance position.
struct MicDistanceCode {
  int bits32B;
  int bits32C;
};
extern const std::array<MicDistanceCode, 10> kMicDistanceCodes;
// The distance position whose high nibbles match the two bytes, or kNoSelection.
int micDistancePositionOf(int byte32B, int byte32C);

class VoiceNrPage : public PageModel {
 public:
  explicit VoiceNrPage(ParameterSet& set) : set_(set) {}
  void showDefaults() override;
  void refresh() override;
  void collect() override;

  ListControl speaker{10};   // list 1208
  ListControl mic{10};       // list 1257
  ListControl dualMic{16};   // list 1230 "DaulMic NR Coef." (not stored)
  ListControl distance{10};  // list 1340 "Mic Distance"
  ListControl stepSize{8};   // list 1314 "DualMic Stepsize"

 private:
  ParameterSet& set_;
};

}  // namespace paramtool::editor
