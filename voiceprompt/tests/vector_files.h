#pragma once
// Access to the G.723.1 reference vectors and tables kept in voiceprompt/testdata.

#include <cstdint>
#include <string>
#include <vector>

namespace vectors {

std::string dataPath(const std::string& relative);  // below voiceprompt/testdata
std::vector<std::uint8_t> readBytes(const std::string& path);
std::vector<std::int16_t> readPcm(const std::string& path);  // 16-bit little-endian
std::vector<std::int16_t> toPcm(const std::vector<std::uint8_t>& bytes);

// An 8 kHz mono 16-bit WAV file of the samples, or with other header fields.
struct WavFields {
  std::uint16_t format = 1;
  std::uint16_t channels = 1;
  std::uint32_t rate = 8000;
  std::uint32_t byteRate = 16000;
  std::uint16_t bits = 16;
};
std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples, WavFields fields = {});

// A table file: "# NAME ..." then the values.
std::vector<int> readTable(const std::string& path);

// Segmental SNR in dB of test against reference over 240-sample segments: segments whose
// reference mean square is below -60 dBFS are skipped, each segment is clamped to
// [-10, 60] dB. Returns 60 when no segment counts.
double segmentalSnr(const std::vector<std::int16_t>& reference, const std::vector<std::int16_t>& test);

}  // namespace vectors
