#include "paramtool/editor/voice_filter_page.h"

#include "paramtool/editor/record_bits.h"

namespace paramtool::editor {
namespace {

constexpr int kSpeakerHighPass = 0x316;
constexpr int kMicHighPass = 0x317;
constexpr int kFilterBits = 0x300;  // bits 4 and 5 set by every filter save and refresh

}  // namespace

void VoiceFilterPage::showDefaults() {
  set_.set(kSpeakerHighPass, set_.defaultValue(kSpeakerHighPass));
  set_.set(kMicHighPass, set_.defaultValue(kMicHighPass));
  speaker.show(set_.value(kSpeakerHighPass));
  mic.show(set_.value(kMicHighPass));
}

void VoiceFilterPage::refresh() {
  orBits(set_, kFilterBits, 0x30);
  speaker.show(set_.value(kSpeakerHighPass));
  mic.show(set_.value(kMicHighPass));
}

void VoiceFilterPage::collect() {
  orBits(set_, kFilterBits, 0x30);
  set_.set(kSpeakerHighPass, positionOr(speaker, set_.value(kSpeakerHighPass)));
  set_.set(kMicHighPass, positionOr(mic, set_.value(kMicHighPass)));
}

}  // namespace paramtool::editor
