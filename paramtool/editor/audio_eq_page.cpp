#include "paramtool/editor/audio_eq_page.h"

#include "paramtool/builtin_blocks.h"

namespace paramtool::editor {
namespace {

constexpr int kAudioFeatures = 0x1E0;  // bit 5 audio EQ on
constexpr int kInitialPreset = 0x1E7;
constexpr int kPresetMask = 0x1E8;     // 0x1E8-0x1E9
constexpr int kSummary = 0x1EC;        // bit 3 any equaliser
constexpr int kCustomEqPreset = 10;

}  // namespace

void AudioEqPage::showMask(int bits) {
  for (int i = 0; i < kPresets; ++i) presetMask[static_cast<std::size_t>(i)] = (bits >> i) & 1;
}

void AudioEqPage::toggleEqualiser(bool on) {
  equaliser.checked = on;
  maskGroupEnabled = on;
  initialPreset.enabled = on;
}

void AudioEqPage::showDefaults() {
  initialPreset = ListControl(kPresets, kCustomEqPreset);
  initialPreset.enabled = false;
  equaliser.checked = false;
  maskGroupEnabled = false;
  showMask(set_.defaultValue(kPresetMask) << 8 | set_.defaultValue(kPresetMask + 1));
  DesignerExchange& exchange = set_.exchange();
  if (!exchange.resultReady) {
    exchange.buffer = kFlatBlock;
    set_.writeBlock(kAudioCustomEqSlot, exchange.buffer);
  }
}

void AudioEqPage::refresh() {
  equaliser.checked = (set_.value(kAudioFeatures) & 0x20) != 0;
  if (set_.isPresent(kPresetMask)) showMask(set_.value16(kPresetMask));
  maskGroupEnabled = equaliser.checked;
  if (set_.isPresent(kInitialPreset)) initialPreset.show(set_.value(kInitialPreset) & 0x0F);
  initialPreset.enabled = equaliser.checked;
}

void AudioEqPage::collect() {
  const bool on = equaliser.checked;
  set_.set(kSummary, (set_.value(kSummary) & 0xDF) | (on ? 0x08 : 0));
  set_.set(kAudioFeatures, (set_.value(kAudioFeatures) & 0xDF) | (on ? 0x20 : 0));
  if (on) {
    int bits = 0;
    for (int i = 0; i < kPresets; ++i) bits |= presetMask[static_cast<std::size_t>(i)] ? 1 << i : 0;
    set_.set16(kPresetMask, bits);
  } else {
    set_.setPresent(kPresetMask, true);
    set_.setPresent(kPresetMask + 1, true);
  }
  set_.set(kInitialPreset, on ? (initialPreset.selected() ? initialPreset.position : set_.value(kInitialPreset)) : 0);
}

void AudioEqPage::customEq2() {
  DesignerExchange& exchange = set_.exchange();
  exchange.buffer = kFlatBlock;
  set_.readBlock(kAudioCustomEqSlot, exchange.buffer);
  DesignerRequest r;
  r.outputPath = ".\\CustomEQ2_Audio.txt";
  r.sampleRate = 48000;
  r.frequencies = {1000, 2000, 5000, 10000, 16000};
  r.decodeOnOpen = true;
  designer_.runDesigner(r, exchange);
  if (exchange.resultReady) set_.writeBlock(kAudioCustomEqSlot, exchange.buffer);
  exchange.resultReady = false;
}

}  // namespace paramtool::editor
