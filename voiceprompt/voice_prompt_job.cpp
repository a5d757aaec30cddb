#include "voiceprompt/voice_prompt_job.h"

namespace voiceprompt {

VoicePromptJobOutcome runVoicePromptJob(const std::string& fileName, VoicePromptCodec& codec, CoderForm form,
                                        Reporter& reporter, CommandBuilders& commands, AckEvent& ack,
                                        const DownloadProgress& progress, std::chrono::milliseconds ackWait) {
  VoicePromptJobOutcome outcome;
  if (fileName.empty()) return outcome;
  const Conversion conversion = convertWavFile(fileName, kCheckFileName, codec, form, reporter);
  outcome.conversion = conversion.status;
  if (conversion.data.empty()) return outcome;
  outcome.converted = true;
  outcome.download = downloadVoicePrompt(commands, conversion.data, ack, progress, ackWait);
  return outcome;
}

}  // namespace voiceprompt
