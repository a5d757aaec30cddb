#pragma once
// The G.723.1 coder as the voice-prompt conversion uses it: encoder and decoder over one
// set of tables. prepare() resets both and sets the form: the rounded form rounds the
// tables in place (idempotently) and limits the gain search; the standard form, for
// checking, restores the published tables.

#include <cstdint>

#include "voiceprompt/g723/coder_tables.h"
#include "voiceprompt/g723/decoder.h"
#include "voiceprompt/g723/encoder.h"

namespace voiceprompt {

enum class CoderForm { Rounded, Standard };

class VoicePromptCodec {
 public:
  VoicePromptCodec();

  void prepare(CoderForm form);

  // One frame: encode 240 samples into 24 bytes, then decode those bytes.
  void codeFrame(const std::int16_t pcm[g723::kFrame], std::uint8_t frame[g723::kFrameBytes],
                 std::int16_t decoded[g723::kFrame]);

 private:
  g723::CoderTables tables_;
  g723::Encoder encoder_;
  g723::Decoder decoder_;
};

}  // namespace voiceprompt
