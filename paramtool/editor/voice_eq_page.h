#pragma once
// Voice "EQ": the speaker and MIC equalisers of calls, their coefficient blocks (slots 1-4
// and the three working copies) and the four designer buttons.

#include "paramtool/editor/control_state.h"
#include "paramtool/editor/designer_callback.h"
#include "paramtool/editor/page_model.h"
#include "paramtool/parameter_set.h"

namespace paramtool::editor {

enum SpeakerEqSelection : int { kSpeakerEqOff = 0, kSpeakerEqCustom = 1, kSpeakerEqAecShaping = 2 };

class VoiceEqPage : public PageModel {
 public:
  // Creating the page writes the 8 kHz AEC shaping block into slot 2 and sets the working
  // copies flat.
  VoiceEqPage(ParameterSet& set, DesignerCallback& designer);

  // ---- user actions ----------------------------------------------------------------------
  void chooseSpeaker(int position);  // list 1208
  void chooseMic(int position);      // list 1253
  void customEqSpeaker();            // "Custom EQ - SPK"
  void customEqMic();                // "Custom EQ - MIC"
  void customEqSpeakerMsbc();        // "Custom EQ - SPK (mSBC)"
  void customEqMicMsbc();            // "Custom EQ - MIC (mSBC)"

  void showDefaults() override;
  void refresh() override;
  void collect() override;

  // The speaker selection of the latest Collect, read by the AEC/AES page.
  int collectedSpeaker() const { return collectedSpeaker_; }

  ListControl speaker{3, 0};  // list 1208, mirrored by the hidden list 1257
  ListControl mic{2, 0};      // list 1253, mirrored by the hidden list 1230

 private:
  void writeSpeaker8kBlock(const CoefficientBlock& block);  // slot 2 with its own 84-byte header
  void runDesigner(const DesignerRequest& request, CoefficientBlock& resultInto);
  void storeResult(const CoefficientBlock& buffer, int slot);

  ParameterSet& set_;
  DesignerCallback& designer_;
  int collectedSpeaker_ = kSpeakerEqOff;
};

}  // namespace paramtool::editor
