#include "voiceprompt/voice_prompt_codec.h"

namespace voiceprompt {

VoicePromptCodec::VoicePromptCodec() : encoder_(tables_), decoder_(tables_) {}

void VoicePromptCodec::prepare(CoderForm form) {
  encoder_.reset();
  decoder_.reset();
  if (form == CoderForm::Rounded) {
    tables_.applyRounding();
  } else {
    tables_.restore();
  }
  encoder_.setGainSearchLimit(form == CoderForm::Rounded);
}

void VoicePromptCodec::codeFrame(const std::int16_t pcm[g723::kFrame], std::uint8_t frame[g723::kFrameBytes],
                                 std::int16_t decoded[g723::kFrame]) {
  encoder_.encode(pcm, frame);
  decoder_.decode(frame, decoded);
}

}  // namespace voiceprompt
