#include "paramtool/editor/voice_eq_page.h"

#include "paramtool/builtin_blocks.h"
#include "paramtool/editor/record_bits.h"

namespace paramtool::editor {
namespace {

constexpr int kVoiceFeatures = 0x1DF;  // bit 5 speaker EQ on, bit 6 MIC EQ on
constexpr int kAecMode = 0x1E2;        // bit 2 set with AEC frequency shaping
constexpr int kEqCopy = 0x1E6;         // copy of 0x1DF bits 5 and 6
constexpr int kSummary = 0x1EC;
constexpr int kEqDataAt = 0x036;       // 0x036-0x037
constexpr int kEqDataLength = 0x038;   // 0x038-0x039
constexpr int kMicCodeHigh = 0x356;
constexpr int kSpeakerCodeLow = 0x357;
constexpr int kMicCodeHigh2 = 0x358;
constexpr int kSpeakerCodeLow2 = 0x359;
constexpr int kSpeakerBit = 0x20;
constexpr int kMicBit = 0x40;
constexpr int kShapingBit = 0x04;
constexpr int kSingleBlockBytes = 84;

DesignerRequest request(const char* path, double sampleRate, std::array<double, 5> frequencies, bool decode) {
  DesignerRequest r;
  r.outputPath = path;
  r.sampleRate = sampleRate;
  r.frequencies = frequencies;
  r.decodeOnOpen = decode;
  return r;
}

constexpr std::array<double, 5> kPlainFrequencies = {100, 200, 500, 1000, 2000};

}  // namespace

VoiceEqPage::VoiceEqPage(ParameterSet& set, DesignerCallback& designer) : set_(set), designer_(designer) {
  writeSpeaker8kBlock(kAecShapingBlock8k);
  set_.workingCopies() = VoiceWorkingCopies{kFlatBlock, kFlatBlock, kFlatBlock};
}

void VoiceEqPage::writeSpeaker8kBlock(const CoefficientBlock& block) {
  set_.writeEqHeader(kSingleBlockBytes);
  set_.writeBlock(kVoiceSpeaker8kSlot, block);
}

void VoiceEqPage::chooseSpeaker(int position) {
  speaker.show(position);
  if (speaker.position == kSpeakerEqAecShaping) writeSpeaker8kBlock(kAecShapingBlock8k);
}

void VoiceEqPage::chooseMic(int position) {
  mic.show(position);
  const bool on = mic.position > 0;
  set_.set16(kEqDataAt, on ? kSlotAddresses[kAudioCustomEqSlot] : kSlotAddresses[kVoiceMic8kSlot]);
  set_.set16(kEqDataLength, on ? kSingleBlockBytes : 0);
}

void VoiceEqPage::showDefaults() {
  const bool bothWereOff = speaker.position == kSpeakerEqOff && mic.position == 0;
  speaker.show(kSpeakerEqOff);
  mic.show(0);
  writeSpeaker8kBlock(kFlatBlock);
  set_.workingCopies() = VoiceWorkingCopies{kFlatBlock, kFlatBlock, kFlatBlock};
  if (bothWereOff) {
    set_.writeBlock(kVoiceMic8kSlot, kFlatBlock);
    set_.writeBlock(kVoiceMic16kSlot, kFlatBlock);
    set_.writeBlock(kVoiceSpeaker16kSlot, kFlatBlock);
  }
}

void VoiceEqPage::runDesigner(const DesignerRequest& r, CoefficientBlock& resultInto) {
  DesignerExchange& exchange = set_.exchange();
  designer_.runDesigner(r, exchange);
  if (exchange.resultReady) resultInto = exchange.buffer;
  exchange.resultReady = false;
}

void VoiceEqPage::storeResult(const CoefficientBlock& buffer, int slot) { set_.writeBlock(slot, buffer); }

void VoiceEqPage::customEqSpeaker() {
  DesignerExchange& exchange = set_.exchange();
  set_.readBlock(kAudioCustomEqSlot, exchange.buffer);
  const bool decode = set_.slotWritten(kAudioCustomEqSlot);
  DesignerRequest r = request(".\\CustomEQ_Voice_SPK.txt", 8000, kPlainFrequencies, decode);
  if (speaker.position == kSpeakerEqAecShaping) {
    r.frequencies = {200, 800, 1400, 3000, 3200};
    r.gainsDb = {-4, -5, 4, 4, 0};
    r.qs = {0.3, 1, 1, 1, 1};
    exchange.buffer = kAecShapingBlock8k;
  }
  designer_.runDesigner(r, exchange);
  if (exchange.resultReady) storeResult(exchange.buffer, kVoiceSpeaker8kSlot);
  exchange.resultReady = false;
}

void VoiceEqPage::customEqMic() {
  CoefficientBlock& copy = set_.workingCopies().mic8k;
  set_.exchange().buffer = copy;
  runDesigner(request(".\\CustomEQ_Voice_MIC.txt", 8000, kPlainFrequencies, true), copy);
}

void VoiceEqPage::customEqSpeakerMsbc() {
  CoefficientBlock& copy = set_.workingCopies().speaker16k;
  // The file name has no backslash after the dot.
  DesignerRequest r = request(".CustomEQ_Voice_SPK_msbc.txt", 16000, kPlainFrequencies, true);
  if (speaker.position == kSpeakerEqAecShaping) {
    r.frequencies = {200, 800, 1600, 3000, 3200};
    r.gainsDb = {-6, -6, 4, 5, 0};
    r.qs = {0.3, 1, 1, 1, 1};
    set_.exchange().buffer = kAecShapingBlock16k;
  } else {
    set_.exchange().buffer = copy;
  }
  runDesigner(r, copy);
}

void VoiceEqPage::customEqMicMsbc() {
  CoefficientBlock& copy = set_.workingCopies().mic16k;
  set_.exchange().buffer = copy;
  runDesigner(request(".\\CustomEQ_Voice_MIC_msbc.txt", 16000, kPlainFrequencies, true), copy);
}

void VoiceEqPage::collect() {
  const int s = speaker.position;
  const int m = mic.position;
  const bool speakerOn = s > 0;
  const bool micOn = m > 0;
  collectedSpeaker_ = speakerOn ? s : kSpeakerEqOff;

  int a = 0;
  int b = 0;
  if (!speakerOn) {
    clearBits(set_, kVoiceFeatures, kSpeakerBit);
    clearBits(set_, kEqCopy, kSpeakerBit);
  } else {
    clearBits(set_, kAecMode, kShapingBit);
    orBits(set_, kVoiceFeatures, kSpeakerBit);
    orBits(set_, kEqCopy, kSpeakerBit);
    a = 0x0C;
    b = 0x0E;
    if (s == kSpeakerEqAecShaping) {
      writeSpeaker8kBlock(kAecShapingBlock8k);
      set_.workingCopies().speaker16k = kAecShapingBlock16k;
      orBits(set_, kAecMode, kShapingBit);
    }
  }

  if (!micOn) {
    clearBits(set_, kVoiceFeatures, kMicBit);
    clearBits(set_, kEqCopy, kMicBit);
  } else {
    orBits(set_, kVoiceFeatures, kMicBit);
    orBits(set_, kEqCopy, kMicBit);
    b |= 0xD0;
    a |= 0xB0;
  }
  if (speakerOn || micOn) {
    if (speakerOn) {
      set_.set(kSpeakerCodeLow, a & 0x0F);
      set_.set(kSpeakerCodeLow2, b & 0x0F);
    }
    if (micOn) {
      set_.set(kMicCodeHigh, a >> 4);
      set_.set(kMicCodeHigh2, b >> 4);
    }
    orBits(set_, kSummary, 0x08);
  }

  for (int address : {kVoiceFeatures, kEqCopy, kEqDataAt, kEqDataAt + 1, kEqDataLength, kEqDataLength + 1}) {
    set_.setPresent(address, true);
  }

  if (!speakerOn && !micOn) {
    set_.setEqSegmentInUse(false);
    set_.setI2sEnd(set_.directoryAt());
    set_.setCoeffEnd(kCoefficientDataEnd);
  } else {
    const VoiceWorkingCopies& copies = set_.workingCopies();
    if (micOn) {
      set_.writeBlock(kVoiceMic8kSlot, copies.mic8k);
      set_.writeBlock(kVoiceMic16kSlot, copies.mic16k);
    }
    if (speakerOn) {
      set_.set16(kEqDataAt, set_.defaultValue(kEqDataAt) << 8 | set_.defaultValue(kEqDataAt + 1));
      set_.writeBlock(kVoiceSpeaker16kSlot, copies.speaker16k);
    }
    set_.setEqSegmentInUse(true);
    set_.setCoeffEnd(kCoefficientDataEnd);
    set_.setI2sEnd(kCoefficientDataEnd);
  }
  set_.set16(kEqDataLength, set_.defaultValue(kEqDataLength) << 8 | set_.defaultValue(kEqDataLength + 1));
}

void VoiceEqPage::refresh() {
  // The working copies come back from the slots a save writes them to.
  VoiceWorkingCopies& copies = set_.workingCopies();
  if (hasBits(set_, kVoiceFeatures, kSpeakerBit)) set_.readBlock(kVoiceSpeaker16kSlot, copies.speaker16k);
  if (hasBits(set_, kVoiceFeatures, kMicBit)) {
    set_.readBlock(kVoiceMic8kSlot, copies.mic8k);
    set_.readBlock(kVoiceMic16kSlot, copies.mic16k);
  }
  if (!set_.isPresent(kSpeakerCodeLow)) return;
  int s = kSpeakerEqOff;
  if (hasBits(set_, kVoiceFeatures, kSpeakerBit)) {
    s = set_.value(kSpeakerCodeLow) & 0x0F;
    if (s == 0x0C) s = kSpeakerEqCustom;
    if (hasBits(set_, kAecMode, kShapingBit)) s = kSpeakerEqAecShaping;
  }
  int m = 0;
  if (hasBits(set_, kVoiceFeatures, kMicBit)) {
    m = set_.value(kMicCodeHigh) & 0x0F;
    if (m == 0x0B) m = 1;
  }
  speaker.show(s);
  mic.show(m);
}

}  // namespace paramtool::editor
