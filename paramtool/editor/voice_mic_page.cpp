#include "paramtool/editor/voice_mic_page.h"

#include "paramtool/dsp_tables.h"

namespace paramtool::editor {
namespace {

constexpr int kCodecGain = 0x0C5;
constexpr int kComfortNoise = 0x306;  // 0x306-0x307: 0x8000 >> position
constexpr int kDigitalGain = 0x30F;   // 0 for position 0, else 2 * position + 1

int comfortNoisePositionOf(int level) {
  for (int k = 0; k < 16; ++k) {
    if ((0x8000 >> k) <= level) return k;
  }
  return kNoSelection;
}

}  // namespace

void VoiceMicPage::showDefaults() {
  set_.set(kCodecGain, set_.defaultValue(kCodecGain));
  set_.set(kComfortNoise, set_.defaultValue(kComfortNoise));
  set_.set(kComfortNoise + 1, set_.defaultValue(kComfortNoise + 1));
  set_.set(kDigitalGain, set_.defaultValue(kDigitalGain));
  refresh();
  digitalGain.show((set_.defaultValue(kDigitalGain) - 1) >> 1);
  comfortNoise.show(13);
}

void VoiceMicPage::refresh() {
  if (set_.isPresent(kCodecGain)) codecGain.show(15 - (set_.value(kCodecGain) & 0x0F));
  const int digital = set_.value(kDigitalGain);
  digitalGain.show(digital == 0 ? 0 : (digital - 1) >> 1);
  comfortNoise.show(comfortNoisePositionOf(set_.value16(kComfortNoise)));
}

void VoiceMicPage::collect() {
  if (codecGain.selected()) set_.set(kCodecGain, kMicCodecGainTable[static_cast<std::size_t>(codecGain.position)].value);
  if (digitalGain.selected()) set_.set(kDigitalGain, digitalGain.position == 0 ? 0 : 2 * digitalGain.position + 1);
  if (comfortNoise.selected()) set_.set16(kComfortNoise, 0x8000 >> comfortNoise.position);
}

}  // namespace paramtool::editor
