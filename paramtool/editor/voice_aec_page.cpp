#include "paramtool/editor/voice_aec_page.h"

#include "paramtool/editor/record_bits.h"
#include "paramtool/editor/voice_eq_page.h"

namespace paramtool::editor {
namespace {

constexpr int kVoiceFeatures = 0x1DF;  // bit 0 AEC on
constexpr int kAecMode = 0x1E2;        // 0 off, 1 on, 5 on with AEC frequency shaping
constexpr int kSummary = 0x1EC;        // bit 4 AEC
constexpr int kAecFlags = 0x301;       // bits 0 and 2 set while AEC is on
constexpr int kAecReset = 0x308;
constexpr int kTapLength = 0x311;
constexpr int kSuppressionCvsd = 0x313;
constexpr int kLinearCvsd = 0x31F;
constexpr int kDoubleTalkCvsd = 0x322;
constexpr int kStepSize = 0x32D;  // high nibble: step size 1-6
constexpr int kSuppressionMsbc = 0x336;
constexpr int kLinearMsbc = 0x338;
constexpr int kDoubleTalkMsbc = 0x339;

}  // namespace

const std::array<int, 6> kLinearThresholdValues = {0x7F, 0x3F, 0x1F, 0x0F, 0x07, 0x03};
const std::array<int, 14> kDoubleTalkValues = {0x7F, 0x72, 0x65, 0x5A, 0x50, 0x47, 0x40,
                                               0x39, 0x32, 0x2D, 0x28, 0x24, 0x20, 0x1C};

VoiceAecPage::VoiceAecPage(ParameterSet& set, const VoiceEqPage& eq) : set_(set), eq_(eq) { aec.checked = true; }

void VoiceAecPage::enableLists(bool on) {
  for (ListControl* list : {&stepSize, &tapLength, &linearCvsd, &linearMsbc, &suppressionCvsd, &suppressionMsbc,
                            &doubleTalkCvsd, &doubleTalkMsbc}) {
    list->enabled = on;
  }
}

void VoiceAecPage::toggleAec(bool on) {
  aec.checked = on;
  enableLists(on);
}

void VoiceAecPage::showValues(int step, int tap, int linearM, int linearC, int aesM, int aesC, int dtM, int dtC) {
  stepSize.show((step >> 4) - 1);
  tapLength.show(tap);
  linearMsbc.show(positionForValue(kLinearThresholdValues, linearM));
  linearCvsd.show(positionForValue(kLinearThresholdValues, linearC));
  suppressionMsbc.show(aesM - 1);
  suppressionCvsd.show(aesC - 1);
  doubleTalkMsbc.show(positionForValue(kDoubleTalkValues, dtM));
  doubleTalkCvsd.show(positionForValue(kDoubleTalkValues, dtC));
}

void VoiceAecPage::showDefaults() {
  auto d = [this](int address) { return set_.defaultValue(address); };
  showValues(d(kStepSize), d(kTapLength), d(kLinearMsbc), d(kLinearCvsd), d(kSuppressionMsbc), d(kSuppressionCvsd),
             d(kDoubleTalkMsbc), d(kDoubleTalkCvsd));
  for (int address : {kLinearMsbc, kLinearCvsd, kDoubleTalkMsbc, kDoubleTalkCvsd}) set_.set(address, d(address));
  set_.setPresent(kSuppressionCvsd, true);
  enableLists(aec.checked);
}

void VoiceAecPage::refresh() {
  aec.checked = hasBits(set_, kVoiceFeatures, 0x01);
  enableLists(aec.checked);
  auto v = [this](int address) { return set_.value(address); };
  showValues(v(kStepSize), v(kTapLength), v(kLinearMsbc), v(kLinearCvsd), v(kSuppressionMsbc), v(kSuppressionCvsd),
             v(kDoubleTalkMsbc), v(kDoubleTalkCvsd));
  set_.setPresent(kDoubleTalkCvsd, true);
  set_.setPresent(kDoubleTalkMsbc, true);
}

void VoiceAecPage::collect() {
  const bool on = aec.checked;
  assignBits(set_, kVoiceFeatures, 0x01, on);
  assignBits(set_, kSummary, 0x10, on);
  set_.set(kAecMode, !on ? 0 : eq_.collectedSpeaker() == kSpeakerEqAecShaping ? 5 : 1);
  if (on) orBits(set_, kAecFlags, 0x05);
  set_.set(kAecReset, set_.defaultValue(kAecReset));

  if (tapLength.selected()) set_.set(kTapLength, tapLength.position);
  if (stepSize.selected()) set_.set(kStepSize, ((stepSize.position + 1) << 4) | (set_.value(kStepSize) & 0x0F));
  auto store = [this](int address, const ListControl& list, auto valueOf) {
    if (list.selected()) set_.set(address, valueOf(list.position));
  };
  auto linear = [](int p) { return kLinearThresholdValues[static_cast<std::size_t>(p)]; };
  auto doubleTalk = [](int p) { return kDoubleTalkValues[static_cast<std::size_t>(p)]; };
  auto suppression = [](int p) { return p + 1; };
  store(kLinearMsbc, linearMsbc, linear);
  store(kLinearCvsd, linearCvsd, linear);
  store(kSuppressionMsbc, suppressionMsbc, suppression);
  store(kSuppressionCvsd, suppressionCvsd, suppression);
  store(kDoubleTalkCvsd, doubleTalkCvsd, doubleTalk);
  store(kDoubleTalkMsbc, doubleTalkMsbc, doubleTalk);
}

}  // namespace paramtool::editor
