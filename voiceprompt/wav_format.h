#pragma once
// The WAV files of the voice-prompt conversion: the checks on an input header and the
// header of the decoded check file "output.wav". Inputs are read as the canonical 44-byte
// layout (the "WAVE", "fmt " and "data" tags are not compared).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace voiceprompt {

constexpr std::size_t kWavHeaderSize = 44;

enum class WavCheck {
  Accepted,
  NotRiff,      // rejected without a message
  NotPcm,
  NotMono,
  Not8kHz,
  Not16Bit,     // tested through the byte rate
};

// Checks a header in the order the conversion does; a header shorter than 44 bytes reads
// as if the missing bytes were zero.
WavCheck checkWavHeader(const std::uint8_t* header, std::size_t size);

// The caption and text the conversion shows for a rejected header ("" for NotRiff and
// Accepted).
extern const char kWavMessageCaption[];
std::string wavCheckMessage(WavCheck check);

// Header of "output.wav" for dataSize bytes of 8 kHz mono 16-bit samples.
std::array<std::uint8_t, kWavHeaderSize> outputWavHeader(std::uint32_t dataSize);

}  // namespace voiceprompt
