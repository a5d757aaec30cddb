#pragma once
// Converting a WAV file into voice-prompt data, as "Generate" does: the header checks, one
// frame per 480 bytes of the input file (its header counted), each frame encoded, decoded
// into the check file and appended to the encoded data with the two bytes of each 16-bit
// word exchanged.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "voiceprompt/reporter.h"
#include "voiceprompt/voice_prompt_codec.h"

namespace voiceprompt {

constexpr std::size_t kInputBytesPerFrame = 480;

// The check file the conversion writes, in the working directory.
extern const char kCheckFileName[];

struct Conversion {
  enum class Status { Converted, CannotOpenInput, CannotOpenOutput, NotRiff, BadFormat };
  Status status = Status::Converted;
  std::vector<std::uint8_t> data;  // encoded frames, words byte-swapped; empty unless Converted
};

// Converts inputPath, writing the decoded samples to outputPath. Problems are shown through
// reporter (nothing for a file that is not RIFF) and yield no data.
Conversion convertWavFile(const std::string& inputPath, const std::string& outputPath, VoicePromptCodec& codec,
                          CoderForm form, Reporter& reporter);

// The same on open streams; in must be seekable.
Conversion convertWavStream(std::FILE* in, std::FILE* out, VoicePromptCodec& codec, CoderForm form, Reporter& reporter);

// Exchanges the two bytes of every 16-bit word of one encoded frame.
void swapWordBytes(const std::uint8_t* frame, std::size_t size, std::uint8_t* out);

}  // namespace voiceprompt
