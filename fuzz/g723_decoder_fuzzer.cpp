// Any bytes as G.723.1 frames: the decoder unpacks and decodes them (invalid frames are
// concealed) without a fault.
#include <cstddef>
#include <cstdint>

#include "voiceprompt/g723/coder_tables.h"
#include "voiceprompt/g723/decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const g723::CoderTables tables;
  g723::Decoder decoder(tables);
  std::int16_t out[g723::kFrame];
  for (std::size_t at = 0; at + g723::kFrameBytes <= size; at += g723::kFrameBytes) decoder.decode(data + at, out);
  return 0;
}
