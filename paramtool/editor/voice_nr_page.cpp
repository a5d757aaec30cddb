#include "paramtool/editor/voice_nr_page.h"

#include "paramtool/editor/record_bits.h"

namespace paramtool::editor {
namespace {

constexpr int kVoiceFeatures = 0x1DF;  // bit 1 MIC NR, bit 2 speaker NR
constexpr int kNrOn = 0x1E1;
constexpr int kSummary = 0x1EC;
constexpr int kNrFlags = 0x301;
constexpr int kNrSave = 0x302;
constexpr int kSpeakerPair = 0x325;
constexpr int kMicPair = 0x327;
constexpr int kDistanceA = 0x32B;
constexpr int kDistanceB = 0x32C;
constexpr int kStepSize = 0x331;  // high nibble: step size 3-10

// Lowest first byte that still shows as each position (positions fall with the byte).
constexpr std::array<int, 10> kNrShownFrom = {65, 49, 33, 23, 17, 12, 9, 7, 5, 0};

void writePair(ParameterSet& set, int address, const ListControl& list) {
  if (!list.selected()) return;
  const NrLevel& level = kNrLevels[static_cast<std::size_t>(list.position)];
  set.set(address, level.first);
  set.set(address + 1, level.second);
}

}  // namespace

const std::array<NrLevel, 10> kNrLevels = {{
    {127, 127}, {64, 127}, {45, 64}, {32, 45}, {22, 32}, {16, 22}, {11, 16}, {8, 11}, {6, 8}, {4, 6},
}};

const std::array<MicDistanceCode, 10> kMicDistanceCodes = {{
    {0x00, 0x00}, {0x00, 0x60}, {0x00, 0x70}, {0x00, 0x90}, {0x10, 0x10},
    {0x10, 0x30}, {0x10, 0x50}, {0x10, 0x60}, {0x10, 0x80}, {0x20, 0x00},
}};

int nrPositionOf(int firstByte) {
  if (firstByte < 0 || firstByte >= 128) return kNoSelection;
  for (std::size_t p = 0; p < kNrShownFrom.size(); ++p) {
    if (firstByte >= kNrShownFrom[p]) return static_cast<int>(p);
  }
  return kNoSelection;
}

int micDistancePositionOf(int byte32B, int byte32C) {
  for (std::size_t p = 0; p < kMicDistanceCodes.size(); ++p) {
    if ((byte32B & 0xF0) == kMicDistanceCodes[p].bits32B && (byte32C & 0xF0) == kMicDistanceCodes[p].bits32C) {
      return static_cast<int>(p);
    }
  }
  return kNoSelection;
}

void VoiceNrPage::showDefaults() {
  for (int a = kSpeakerPair; a < kSpeakerPair + 4; ++a) set_.set(a, set_.defaultValue(a));
  speaker.show(nrPositionOf(set_.value(kSpeakerPair)));
  mic.show(nrPositionOf(set_.value(kMicPair)));
  dualMic = ListControl(16, 0);
  distance = ListControl(10, 2);
  stepSize = ListControl(8, 4);
}

void VoiceNrPage::refresh() {
  // A first byte the level table cannot show leaves the list where it was.
  auto showLevel = [](ListControl& list, bool on, int firstByte) {
    if (!on) {
      list.show(0);
    } else if (nrPositionOf(firstByte) != kNoSelection) {
      list.show(nrPositionOf(firstByte));
    }
  };
  showLevel(speaker, hasBits(set_, kVoiceFeatures, 0x04), set_.value(kSpeakerPair));
  showLevel(mic, hasBits(set_, kVoiceFeatures, 0x02), set_.value(kMicPair));
  dualMic.enabled = distance.enabled = stepSize.enabled = false;
  const int shown = micDistancePositionOf(set_.value(kDistanceA), set_.value(kDistanceB));
  if (shown != kNoSelection) distance.show(shown);
  // The step size shows what the table holds, as the distance does: the list is disabled
  // now, and a save writes its position back into 0x331.
  const int step = (set_.value(kStepSize) >> 4) - 3;
  if (step >= 0 && step < stepSize.count) stepSize.show(step);
}

void VoiceNrPage::collect() {
  const bool speakerOn = speaker.position > 0;
  const bool micOn = mic.position > 0;
  orBits(set_, kSummary, 0x01);
  if (!speakerOn && !micOn) {
    clearBits(set_, kVoiceFeatures, 0x06);
    set_.set(kNrOn, 0x00);
  } else {
    assignBits(set_, kVoiceFeatures, 0x04, speakerOn);
    assignBits(set_, kVoiceFeatures, 0x02, micOn);
    orBits(set_, kNrFlags, (micOn ? 0x40 : 0) | (speakerOn ? 0x20 : 0));
    set_.set(kNrOn, 0x11);
  }
  writePair(set_, kMicPair, mic);
  writePair(set_, kSpeakerPair, speaker);
  if (distance.selected()) {
    // The old distance bits are cleared first, so a changed distance loads back as itself.
    const MicDistanceCode& code = kMicDistanceCodes[static_cast<std::size_t>(distance.position)];
    set_.set(kDistanceA, (set_.value(kDistanceA) & 0x0F) | code.bits32B);
    set_.set(kDistanceB, (set_.value(kDistanceB) & 0x0F) | code.bits32C);
  }
  if (stepSize.selected()) set_.set(kStepSize, (set_.value(kStepSize) & 0x0F) | ((stepSize.position + 3) << 4));
  orBits(set_, kNrSave, 0x08);
}

}  // namespace paramtool::editor
