#include "voiceprompt/wav_format.h"

#include <cstring>

namespace voiceprompt {

namespace {

std::uint32_t readLe(const std::uint8_t* header, std::size_t size, std::size_t at, int width) {
  std::uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = (v << 8) | (at + i < size ? header[at + i] : 0u);
  return v;
}

void writeLe(std::uint8_t* out, std::uint32_t v, int width) {
  for (int i = 0; i < width; ++i) out[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

const char kWavMessageCaption[] = "Notication";

WavCheck checkWavHeader(const std::uint8_t* header, std::size_t size) {
  if (size < 4 || std::memcmp(header, "RIFF", 4) != 0) return WavCheck::NotRiff;
  if (readLe(header, size, 20, 2) != 1) return WavCheck::NotPcm;
  if (readLe(header, size, 22, 2) != 1) return WavCheck::NotMono;
  if (readLe(header, size, 24, 4) != 8000) return WavCheck::Not8kHz;
  if (readLe(header, size, 28, 4) != 16000) return WavCheck::Not16Bit;
  return WavCheck::Accepted;
}

std::string wavCheckMessage(WavCheck check) {
  switch (check) {
    case WavCheck::NotPcm: return "Invalid wav file format: Not PCM Format !!";
    case WavCheck::NotMono: return "Invalid wav file format: Not MONO mode !!";
    case WavCheck::Not8kHz: return "Invalid wav file format: Not 8K Sampling rate !!";
    case WavCheck::Not16Bit: return "Invalid wav file format: Not 16 bit format !!";
    case WavCheck::Accepted:
    case WavCheck::NotRiff: break;
  }
  return "";
}

std::array<std::uint8_t, kWavHeaderSize> outputWavHeader(std::uint32_t dataSize) {
  std::array<std::uint8_t, kWavHeaderSize> h{};
  std::memcpy(&h[0], "RIFF", 4);
  writeLe(&h[4], dataSize + 36, 4);
  std::memcpy(&h[8], "WAVEfmt ", 8);
  writeLe(&h[16], 16, 4);
  writeLe(&h[20], 1, 2);      // PCM
  writeLe(&h[22], 1, 2);      // mono
  writeLe(&h[24], 8000, 4);   // samples per second
  writeLe(&h[28], 16000, 4);  // bytes per second
  writeLe(&h[32], 2, 2);      // block align
  writeLe(&h[34], 16, 2);     // bits per sample
  std::memcpy(&h[36], "data", 4);
  writeLe(&h[40], dataSize, 4);
  return h;
}

}  // namespace voiceprompt
