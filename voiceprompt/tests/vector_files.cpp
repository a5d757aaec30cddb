#include "voiceprompt/tests/vector_files.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vectors {

std::string dataPath(const std::string& relative) {
  return std::string(BTM_SOURCE_DIR) + "/voiceprompt/testdata/" + relative;
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::int16_t> toPcm(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return samples;
}

std::vector<std::int16_t> readPcm(const std::string& path) { return toPcm(readBytes(path)); }

std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples, WavFields f) {
  std::vector<std::uint8_t> bytes;
  auto put = [&](std::uint32_t v, int width) {
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(t[i]));
  };
  const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  tag("RIFF");
  put(dataSize + 36, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(f.format, 2);
  put(f.channels, 2);
  put(f.rate, 4);
  put(f.byteRate, 4);
  put(f.channels * f.bits / 8u, 2);
  put(f.bits, 2);
  tag("data");
  put(dataSize, 4);
  for (auto s : samples) put(static_cast<std::uint16_t>(s), 2);
  return bytes;
}

std::vector<int> readTable(const std::string& path) {
  std::ifstream in(path);
  std::string header;
  std::getline(in, header);
  std::vector<int> values;
  int v;
  while (in >> v) values.push_back(v);
  return values;
}

double segmentalSnr(const std::vector<std::int16_t>& reference, const std::vector<std::int16_t>& test) {
  constexpr std::size_t kSeg = 240;
  const double floor = 32768.0 * 32768.0 * 1e-6;  // -60 dBFS
  double sum = 0;
  int segments = 0;
  const std::size_t n = std::min(reference.size(), test.size()) / kSeg;
  for (std::size_t s = 0; s < n; ++s) {
    double signal = 0;
    double noise = 0;
    for (std::size_t i = s * kSeg; i < (s + 1) * kSeg; ++i) {
      signal += double(reference[i]) * reference[i];
      noise += (double(reference[i]) - test[i]) * (double(reference[i]) - test[i]);
    }
    if (signal / kSeg < floor) continue;
    double snr = noise == 0 ? 60.0 : 10.0 * std::log10(signal / noise);
    sum += std::clamp(snr, -10.0, 60.0);
    ++segments;
  }
  return segments == 0 ? 60.0 : sum / segments;
}

}  // namespace vectors
