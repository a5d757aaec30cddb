#pragma once
// Audio "Sound Effect": multi-band dynamic range compression (MB-DRC), audio widening (AW),
// bass enhancement, the effect mask and the default effect.

#include <array>

#include "paramtool/editor/control_state.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/parameter_set.h"

namespace paramtool::editor {

// Effect codes of the default effect (0x1DB), also the mask bit of each mode in 0x1D1.
enum AudioEffect : int { kEffectAllOff = 0, kEffectMbdrc = 1, kEffectAllOn = 2, kEffectWidening = 3 };

// The 0x354 code of each audio widening level; a stored code shows as its high nibble.
extern const std::array<int, 16> kAudioWideningCodes;
inline constexpr int kAudioWideningUnselected = 244;

// One row of the MB-DRC grid: low, middle and high band.
struct BandLists {
  ListControl low, middle, high;
  explicit BandLists(int items) : low(items), middle(items), high(items) {}
};

class SoundEffectPage : public PageModel {
 public:
  explicit SoundEffectPage(ParameterSet& set);

  // ---- user actions ----------------------------------------------------------------------
  void toggleMbdrc(bool on);               // check 1318
  void toggleWidening(bool on);            // check 1228
  void clickMask(AudioEffect mode, bool checked);  // mask checks 1298, 1315, 1316, 1317
  void chooseDefaultEffect(int position);  // list 1340

  void showDefaults() override;
  void refresh() override;
  void collect() override;

  CheckControl mbdrc;                    // "Multi-Band Dynamic Range Compression(MB-DRC)"
  CheckControl widening;                 // "Audio Widening(AW)"
  std::array<CheckControl, 4> mask;      // "All Off", "MB-DRC on", "All On", "AW On", by AudioEffect
  RebuiltListControl defaultEffect;      // list 1340, items of the set mask checks
  bool mbdrcGroupEnabled = false;        // group 1226 "MB-DRC Parameters"
  BandLists knee{4};                     // "Knee Th", 0x34F
  BandLists ratio{4};                    // "Compression Ratio", 0x350
  BandLists makeUp{12};                  // "Make-Up Gain", 0x351-0x352
  BandLists attack{4};                   // "Attack Time", 0x355
  BandLists release{4};                  // "Release Time", 0x352 and 0x355
  ListControl bassLevel{8};              // list 1208
  ListControl bassCutoff{4};             // list 1351
  ListControl wideningLevel{16};         // list 1331 with its label 1350

 private:
  void followEffectChecks();
  void clicked();  // after a check was clicked: follow the effect checks, rebuild the list
  void rebuildDefaultEffect();
  void showFields(int r34F, int r350, int r351, int r352, int r355, int r354, int bass);

  ParameterSet& set_;
};

}  // namespace paramtool::editor
