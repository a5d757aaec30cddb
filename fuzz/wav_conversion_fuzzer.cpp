// Any bytes as a voice-prompt input file: the header checks and, for an accepted header,
// the conversion of the frames the file size implies.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "voiceprompt/conversion.h"

namespace {

struct QuietReporter : voiceprompt::Reporter {
  void showMessage(const std::string&, const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > 64 * 1024) return 0;
  std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  std::FILE* out = std::fopen("/dev/null", "wb");
  if (in != nullptr && out != nullptr) {
    static voiceprompt::VoicePromptCodec codec;
    QuietReporter reporter;
    voiceprompt::convertWavStream(in, out, codec, voiceprompt::CoderForm::Rounded, reporter);
  }
  if (in != nullptr) std::fclose(in);
  if (out != nullptr) std::fclose(out);
  return 0;
}
