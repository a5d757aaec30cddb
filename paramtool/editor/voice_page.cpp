#include "paramtool/editor/voice_page.h"

namespace paramtool::editor {

VoicePage::VoicePage(ParameterSet& set, DesignerCallback& designer, Reporter& reporter)
    : filter(set),
      nr(set),
      eq(set, designer),
      speakerGain(set, kVoiceGainLevels, reporter),
      mic(set),
      aecAes(set, eq),
      set_(set) {}

std::array<PageModel*, 6> VoicePage::inOrder() { return {&filter, &nr, &eq, &speakerGain, &mic, &aecAes}; }

void VoicePage::showDefaults() {
  for (PageModel* page : inOrder()) page->showDefaults();
}

void VoicePage::refresh() {
  for (PageModel* page : inOrder()) page->refresh();
}

void VoicePage::collect() {
  for (PageModel* page : inOrder()) page->collect();
  set_.table().put(0x355, 0, kSegmentMark);
}

void VoicePage::enableAllControls() {
  for (ListControl* list : {&filter.speaker, &filter.mic, &nr.speaker, &nr.mic, &nr.dualMic, &nr.distance, &nr.stepSize,
                            &eq.speaker, &eq.mic, &speakerGain.levelCount, &speakerGain.defaultLevel, &mic.codecGain,
                            &mic.digitalGain, &mic.comfortNoise, &aecAes.stepSize, &aecAes.tapLength,
                            &aecAes.linearCvsd, &aecAes.linearMsbc, &aecAes.suppressionCvsd, &aecAes.suppressionMsbc,
                            &aecAes.doubleTalkCvsd, &aecAes.doubleTalkMsbc}) {
    list->enabled = true;
  }
  speakerGain.custom.enabled = true;
  speakerGain.groupEnabled = true;
  aecAes.aec.enabled = true;
}

}  // namespace paramtool::editor
