#pragma once
// The voice-prompt download: TTS_DATA start (00 01), then the data in chunks (chunk_plan.h),
// each command sent through the command layer and followed by a wait for its
// acknowledgement. The download ends at the first acknowledgement that does not come.
// It runs on the caller's thread (the page's worker); only the acknowledgement event is
// touched by another thread.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "link/command_builders.h"
#include "voiceprompt/ack_event.h"

namespace voiceprompt {

struct DownloadOutcome {
  enum class Result {
    Completed,
    StartNotAcknowledged,
    ChunkNotAcknowledged,  // chunk number chunksAcknowledged + 1
    NotSent,               // the command layer refused a command (no link)
  };
  Result result = Result::Completed;
  std::size_t chunksAcknowledged = 0;
  std::size_t chunksTotal = 0;
};

// Called after each acknowledged chunk with the number of chunks through and the total.
using DownloadProgress = std::function<void(std::size_t done, std::size_t total)>;

DownloadOutcome downloadVoicePrompt(CommandBuilders& commands, const std::vector<std::uint8_t>& data, AckEvent& ack,
                                    const DownloadProgress& progress = {},
                                    std::chrono::milliseconds ackWait = kAckWait);

}  // namespace voiceprompt
