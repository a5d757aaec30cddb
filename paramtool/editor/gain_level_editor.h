#pragma once
// The speaker gain-level editor: sixteen volume levels, each an index into the speaker gain
// table, rising strictly up to the highest level in use, with up and down buttons that keep
// the order. One editor serves the voice page ("SpkGain") and the audio page ("SPK Gain").

#include <array>
#include <string>

#include "paramtool/dsp_tables.h"
#include "paramtool/editor/control_state.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/parameter_set.h"
#include "paramtool/reporter.h"

namespace paramtool::editor {

// What differs between the voice and the audio instance.
struct GainLevelVariant {
  int levelBase;                  // record of level 1; levels 1-16 follow
  bool highNibble;                // the default level is the high (voice) or low (audio) nibble of 0x0C6
  int aboveTopOnToggle;           // written above the top when the custom check is toggled
  bool limitDefaultOnListChange;  // voice: the default level is limited when it is chosen
  bool limitDefaultOnToggle;      // audio: ... and when the custom check is toggled
  const char* refreshMessage;     // shown when the stored levels do not form a table
};

extern const GainLevelVariant kVoiceGainLevels;
extern const GainLevelVariant kAudioGainLevels;

class GainLevelEditor : public PageModel {
 public:
  static constexpr int kLevels = 16;
  static constexpr int kDefaultLevelRecord = 0x0C6;

  GainLevelEditor(ParameterSet& set, const GainLevelVariant& variant, Reporter& reporter);

  // ---- user actions ----------------------------------------------------------------------
  void raise(int level);
  void lower(int level);
  void chooseLevelCount(int position);  // position in "16", "12", "10", "8"
  void chooseDefaultLevel(int level);
  void toggleCustom(bool checked);

  // ---- page protocol ---------------------------------------------------------------------
  void showDefaults() override;
  void refresh() override;
  void collect() override;

  // ---- state the controls show -----------------------------------------------------------
  const GainLevelMap& map() const { return map_; }
  int top() const { return top_; }
  const char* cellLabel(int level) const;
  bool cellEnabled(int level) const;

  CheckControl custom;              // "Customized Gain Setting"
  ListControl levelCount{4, 0};     // "16", "12", "10", "8"
  ListControl defaultLevel{16, 0};  // "0x00" to "0x0F"
  bool groupEnabled = true;         // group box "Speaker Gain" holding the cells

 private:
  int countOfLevels() const;
  void applyLevelCount(int aboveTop, bool limitDefault);
  void limitDefaultLevel();
  int storedDefaultLevel() const;
  bool readStoredLevels(bool& anyAbsent, int& distinct);

  ParameterSet& set_;
  const GainLevelVariant& variant_;
  Reporter& reporter_;
  GainLevelMap& map_;
  int top_ = kLevels - 1;
};

}  // namespace paramtool::editor
