#include "voiceprompt/download_sequencer.h"

#include "voiceprompt/chunk_plan.h"

namespace voiceprompt {

DownloadOutcome downloadVoicePrompt(CommandBuilders& commands, const std::vector<std::uint8_t>& data, AckEvent& ack,
                                    const DownloadProgress& progress, std::chrono::milliseconds ackWait) {
  using Result = DownloadOutcome::Result;
  const std::vector<Chunk> chunks = planChunks(data.size());
  DownloadOutcome outcome;
  outcome.chunksTotal = chunks.size();

  // An acknowledgement left over from an earlier download must not stand for this one.
  ack.reset();
  if (commands.TTS_DATA_START() != kSent) {
    outcome.result = Result::NotSent;
    return outcome;
  }
  if (!ack.waitAndReset(ackWait)) {
    outcome.result = Result::StartNotAcknowledged;
    return outcome;
  }
  for (const Chunk& chunk : chunks) {
    const CommandBuilders::Bytes bytes(data.begin() + static_cast<std::ptrdiff_t>(chunk.offset),
                                       data.begin() + static_cast<std::ptrdiff_t>(chunk.offset + chunk.size));
    if (commands.TTS_DATA_CHUNK(chunk.kind, bytes) != kSent) {
      outcome.result = Result::NotSent;
      return outcome;
    }
    if (!ack.waitAndReset(ackWait)) {
      outcome.result = Result::ChunkNotAcknowledged;
      return outcome;
    }
    ++outcome.chunksAcknowledged;
    if (progress) progress(outcome.chunksAcknowledged, outcome.chunksTotal);
  }
  return outcome;
}

}  // namespace voiceprompt
