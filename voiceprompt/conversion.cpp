#include "voiceprompt/conversion.h"

#include <cstdio>
#include <memory>

#include "voiceprompt/wav_format.h"

namespace voiceprompt {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f != nullptr) std::fclose(f);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string formatted(const char* pattern, const std::string& name) {
  const int n = std::snprintf(nullptr, 0, pattern, name.c_str());
  std::string text(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(&text[0], text.size(), pattern, name.c_str());
  text.resize(static_cast<std::size_t>(n));
  return text;
}

long fileSize(std::FILE* f) {
  if (std::fseek(f, 0, SEEK_END) != 0) return 0;
  const long size = std::ftell(f);
  std::rewind(f);
  return size < 0 ? 0 : size;
}

// Reads up to 240 little-endian samples; the samples a short read leaves out are 0.
void readFrame(std::FILE* in, std::int16_t pcm[g723::kFrame]) {
  std::uint8_t bytes[2 * g723::kFrame] = {};
  const std::size_t got = std::fread(bytes, 1, sizeof bytes, in);
  for (std::size_t i = got; i < sizeof bytes; ++i) bytes[i] = 0;
  for (int i = 0; i < g723::kFrame; ++i) {
    pcm[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
}

bool writeSamples(std::FILE* out, const std::int16_t samples[g723::kFrame]) {
  std::uint8_t bytes[2 * g723::kFrame];
  for (int i = 0; i < g723::kFrame; ++i) {
    bytes[2 * i] = static_cast<std::uint8_t>(samples[i] & 0xff);
    bytes[2 * i + 1] = static_cast<std::uint8_t>((samples[i] >> 8) & 0xff);
  }
  return std::fwrite(bytes, 1, sizeof bytes, out) == sizeof bytes;
}

}  // namespace

const char kCheckFileName[] = "output.wav";

void swapWordBytes(const std::uint8_t* frame, std::size_t size, std::uint8_t* out) {
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    out[i] = frame[i + 1];
    out[i + 1] = frame[i];
  }
}

Conversion convertWavFile(const std::string& inputPath, const std::string& outputPath, VoicePromptCodec& codec,
                          CoderForm form, Reporter& reporter) {
  Conversion result;
  File in(std::fopen(inputPath.c_str(), "rb"));
  if (!in) {
    reporter.showMessage("", formatted("Invalid input file name: %s\n", inputPath));
    result.status = Conversion::Status::CannotOpenInput;
    return result;
  }
  File out(std::fopen(outputPath.c_str(), "wb"));
  if (!out) {
    reporter.showMessage("", formatted("Can't open output file: %s\n", outputPath));
    result.status = Conversion::Status::CannotOpenOutput;
    return result;
  }
  return convertWavStream(in.get(), out.get(), codec, form, reporter);
}

Conversion convertWavStream(std::FILE* in, std::FILE* out, VoicePromptCodec& codec, CoderForm form,
                            Reporter& reporter) {
  Conversion result;
  const std::size_t frames = static_cast<std::size_t>(fileSize(in)) / kInputBytesPerFrame;
  codec.prepare(form);

  std::uint8_t header[kWavHeaderSize] = {};
  const std::size_t headerBytes = std::fread(header, 1, sizeof header, in);
  const WavCheck check = checkWavHeader(header, headerBytes);
  if (check == WavCheck::NotRiff) {
    result.status = Conversion::Status::NotRiff;
    return result;
  }
  if (check != WavCheck::Accepted) {
    reporter.showMessage(kWavMessageCaption, wavCheckMessage(check));
    result.status = Conversion::Status::BadFormat;
    return result;
  }

  const auto outHeader = outputWavHeader(static_cast<std::uint32_t>(frames * kInputBytesPerFrame));
  std::fwrite(outHeader.data(), 1, outHeader.size(), out);
  result.data.resize(frames * g723::kFrameBytes);
  for (std::size_t f = 0; f < frames; ++f) {
    std::int16_t pcm[g723::kFrame];
    std::uint8_t frame[g723::kFrameBytes];
    std::int16_t decoded[g723::kFrame];
    readFrame(in, pcm);
    codec.codeFrame(pcm, frame, decoded);
    writeSamples(out, decoded);
    swapWordBytes(frame, g723::kFrameBytes, &result.data[f * g723::kFrameBytes]);
  }
  return result;
}

}  // namespace voiceprompt
