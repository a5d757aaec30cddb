#include "paramtool/editor/sound_effect_page.h"

#include "paramtool/editor/page_labels.h"
#include "paramtool/editor/record_bits.h"

namespace paramtool::editor {
namespace {

constexpr int kEffectMask = 0x1D1;
constexpr int kDefaultEffect = 0x1DB;
constexpr int kAudioFeatures = 0x1E0;  // bit 7 MB-DRC or AW on
constexpr int kSummary = 0x1EC;
constexpr int kBass = 0x335;           // bits 0-2 bass level
constexpr int kKnee = 0x34F;           // knee per band, cut-off in bits 6-7
constexpr int kRatio = 0x350;          // ratio per band, bit 6 bass enhancement on
constexpr int kMakeUpLowMiddle = 0x351;
constexpr int kMakeUpHighRelease = 0x352;
constexpr int kEffectReset = 0x353;
constexpr int kWidening = 0x354;
constexpr int kAttackRelease = 0x355;

int field(int value, int shift, int mask) { return (value >> shift) & mask; }

}  // namespace

const std::array<int, 16> kAudioWideningCodes = {15,  31,  47,  62,  78,  94,  109, 125,
                                                 141, 156, 172, 188, 203, 219, 234, 249};

SoundEffectPage::SoundEffectPage(ParameterSet& set) : set_(set) {}

void SoundEffectPage::rebuildDefaultEffect() {
  defaultEffect.items.clear();
  defaultEffect.codes.clear();
  for (int code = kEffectAllOff; code <= kEffectWidening; ++code) {
    if (!mask[static_cast<std::size_t>(code)].checked) continue;
    defaultEffect.items.emplace_back(kAudioEffectLabels[static_cast<std::size_t>(code)]);
    defaultEffect.codes.push_back(code);
  }
  if (defaultEffect.items.empty()) {
    defaultEffect.items.emplace_back(kAudioEffectLabels[kEffectAllOff]);
    defaultEffect.codes.push_back(kEffectAllOff);
  }
}

// The mask checks of a mode whose effect check is off are cleared and disabled.
void SoundEffectPage::followEffectChecks() {
  CheckControl& mbdrcOn = mask[kEffectMbdrc];
  CheckControl& allOn = mask[kEffectAllOn];
  CheckControl& wideningOn = mask[kEffectWidening];
  mbdrcOn.enabled = mbdrc.checked;
  if (!mbdrc.checked) mbdrcOn.checked = allOn.checked = false;
  wideningOn.enabled = widening.checked;
  if (!widening.checked) wideningOn.checked = allOn.checked = false;
  allOn.enabled = mbdrc.checked && widening.checked;
  mbdrcGroupEnabled = mbdrc.checked;
  wideningLevel.enabled = widening.checked;
}

void SoundEffectPage::clicked() {
  followEffectChecks();
  rebuildDefaultEffect();
  defaultEffect.show(0);
}

void SoundEffectPage::toggleMbdrc(bool on) {
  mbdrc.checked = on;
  clicked();
}

void SoundEffectPage::toggleWidening(bool on) {
  widening.checked = on;
  clicked();
}

void SoundEffectPage::clickMask(AudioEffect mode, bool checked) {
  CheckControl& check = mask[static_cast<std::size_t>(mode)];
  if (!check.enabled) return;
  check.checked = checked;
  clicked();
}

void SoundEffectPage::chooseDefaultEffect(int position) { defaultEffect.show(position); }

void SoundEffectPage::showFields(int r34F, int r350, int r351, int r352, int r355, int r354, int bass) {
  knee.low.show(field(r34F, 0, 3));
  knee.middle.show(field(r34F, 2, 3));
  knee.high.show(field(r34F, 4, 3));
  bassCutoff.show(field(r34F, 6, 3));
  ratio.low.show(field(r350, 0, 3));
  ratio.middle.show(field(r350, 2, 3));
  ratio.high.show(field(r350, 4, 3));
  makeUp.low.show(field(r351, 0, 15));
  makeUp.middle.show(field(r351, 4, 15));
  makeUp.high.show(field(r352, 0, 15));
  release.low.show(field(r352, 4, 3));
  release.middle.show(field(r352, 6, 3));
  attack.low.show(field(r355, 0, 3));
  attack.middle.show(field(r355, 2, 3));
  attack.high.show(field(r355, 4, 3));
  release.high.show(field(r355, 6, 3));
  wideningLevel.show(r354 >> 4);
  bassLevel.show(bass);
}

void SoundEffectPage::showDefaults() {
  auto d = [this](int address) { return set_.defaultValue(address); };
  showFields(d(kKnee), d(kRatio), d(kMakeUpLowMiddle), d(kMakeUpHighRelease), d(kAttackRelease), d(kWidening),
             d(kBass) & 7);
  mbdrc.checked = widening.checked = false;
  for (CheckControl& check : mask) check = CheckControl{};
  mask[kEffectAllOff].checked = true;
  followEffectChecks();
  rebuildDefaultEffect();
  defaultEffect.show(0);
}

void SoundEffectPage::refresh() {
  auto v = [this](int address) { return set_.value(address); };
  showFields(v(kKnee), v(kRatio), v(kMakeUpLowMiddle), v(kMakeUpHighRelease), v(kAttackRelease), v(kWidening),
             (v(kRatio) & 0x40) ? (v(kBass) & 7) : 0);
  const bool effectsOn = (v(kAudioFeatures) & 0x80) != 0;
  const int stored = v(kEffectMask);
  mbdrc.checked = effectsOn && (stored & 0x06) != 0;
  widening.checked = effectsOn && (stored & 0x0C) != 0;
  for (int code = kEffectAllOff; code <= kEffectWidening; ++code) {
    mask[static_cast<std::size_t>(code)].checked = (stored >> code) & 1;
  }
  followEffectChecks();
  for (int address = kKnee; address <= kWidening; ++address) set_.setPresent(address, true);

  const int previous = defaultEffect.position;
  rebuildDefaultEffect();
  defaultEffect.position = kNoSelection;
  for (int p = 0; p < defaultEffect.count(); ++p) {
    if (defaultEffect.codes[static_cast<std::size_t>(p)] == v(kDefaultEffect)) defaultEffect.show(p);
  }
  if (!defaultEffect.selected()) defaultEffect.show(defaultEffect.count() == 1 ? 0 : previous);
}

void SoundEffectPage::collect() {
  const bool effectOn = mbdrc.checked || widening.checked;
  auto v = [this](int address) { return set_.value(address); };
  const int old34F = v(kKnee), old350 = v(kRatio), old351 = v(kMakeUpLowMiddle), old352 = v(kMakeUpHighRelease),
            old355 = v(kAttackRelease);

  orBits(set_, kAudioFeatures, effectOn ? 0x80 : 0);
  bool anyMask = false;
  for (const CheckControl& check : mask) anyMask = anyMask || check.checked;
  set_.set(kDefaultEffect, anyMask ? defaultEffect.selectedCode(v(kDefaultEffect)) : kEffectAllOff);

  set_.set(kKnee, positionOr(knee.high, field(old34F, 4, 3)) << 4 | positionOr(knee.middle, field(old34F, 2, 3)) << 2 |
                      positionOr(knee.low, field(old34F, 0, 3)) | positionOr(bassCutoff, field(old34F, 6, 3)) << 6);
  const int bass = positionOr(bassLevel, 0);
  set_.set(kRatio, positionOr(ratio.high, field(old350, 4, 3)) << 4 | positionOr(ratio.middle, field(old350, 2, 3)) << 2 |
                       positionOr(ratio.low, field(old350, 0, 3)) | (bass != 0 ? 0x40 : 0));
  if (bass != 0) set_.set(kBass, (v(kBass) & ~7) | bass);
  set_.set(kMakeUpLowMiddle,
           positionOr(makeUp.middle, field(old351, 4, 15)) << 4 | positionOr(makeUp.low, field(old351, 0, 15)));
  set_.set(kMakeUpHighRelease, positionOr(release.middle, field(old352, 6, 3)) << 6 |
                                   positionOr(release.low, field(old352, 4, 3)) << 4 |
                                   positionOr(makeUp.high, field(old352, 0, 15)));
  set_.set(kEffectReset, set_.defaultValue(kEffectReset));
  set_.set(kWidening, wideningLevel.selected() ? kAudioWideningCodes[static_cast<std::size_t>(wideningLevel.position)]
                                               : kAudioWideningUnselected);
  int maskBits = 0;
  for (int code = kEffectAllOff; code <= kEffectWidening; ++code) {
    if (mask[static_cast<std::size_t>(code)].checked) maskBits |= 1 << code;
  }
  set_.set(kEffectMask, maskBits);
  set_.set(kSummary, (v(kSummary) & 0xDF) | (effectOn ? 0x40 : 0));
  set_.set(kAttackRelease, positionOr(release.high, field(old355, 6, 3)) << 6 |
                               positionOr(attack.high, field(old355, 4, 3)) << 4 |
                               positionOr(attack.middle, field(old355, 2, 3)) << 2 |
                               positionOr(attack.low, field(old355, 0, 3)));
}

}  // namespace paramtool::editor
