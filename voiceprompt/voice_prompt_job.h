#pragma once
// What one "Generate" does on its worker thread: convert the named WAV file (the check file
// goes to "output.wav" in the working directory) and, when that yields data, download it.

#include <string>

#include "voiceprompt/conversion.h"
#include "voiceprompt/download_sequencer.h"

namespace voiceprompt {

struct VoicePromptJobOutcome {
  bool converted = false;  // false: no name, or the conversion yielded nothing
  Conversion::Status conversion = Conversion::Status::Converted;
  DownloadOutcome download;
};

VoicePromptJobOutcome runVoicePromptJob(const std::string& fileName, VoicePromptCodec& codec, CoderForm form,
                                        Reporter& reporter, CommandBuilders& commands, AckEvent& ack,
                                        const DownloadProgress& progress = {},
                                        std::chrono::milliseconds ackWait = kAckWait);

}  // namespace voiceprompt
