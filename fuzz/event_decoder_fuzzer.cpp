// The event decoder on any packet bytes of any length: the layer's packet handler without a
// channel, with both callbacks bound and reading the whole content record.
//
// The first input byte picks the form: even, the rest is taken as opcode and parameters and
// framed into an intact packet (so the per-opcode checks are reached); odd, the rest is handed
// over as it stands.

#include "link/command_set_layer.h"
#include "link/packet.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint8_t> Framed(const std::uint8_t* body, std::size_t size) {
  std::vector<std::uint8_t> packet;
  if (size == 0) return packet;
  const std::size_t length = size;  // the opcode and the parameters
  packet.push_back(packet::kStartByte);
  packet.push_back(static_cast<std::uint8_t>(length >> 8));
  packet.push_back(static_cast<std::uint8_t>(length & 0xFF));
  packet.insert(packet.end(), body, body + size);
  packet.push_back(packet::Checksum(packet.data() + 1, packet.size() - 1));
  return packet;
}

}  // namespace

// Everything the callbacks read is summed here, so that no read is optimised away.
unsigned event_decoder_fuzz_sink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::vector<std::uint8_t> packet =
      (data[0] & 1) == 0 ? Framed(data + 1, size - 1)
                         : std::vector<std::uint8_t>(data + 1, data + size);

  static CommandSetLayer layer;
  static const bool bound = [] {
    layer.SetEventCallback([](const unsigned char* p, int n, const event_type_& type,
                              EVENT_TYPE_CONTENT_ content) {
      for (int i = 0; i < n; ++i) event_decoder_fuzz_sink += p[i];
      for (std::uint8_t byte : content.bytes) event_decoder_fuzz_sink += byte;
      event_decoder_fuzz_sink += type;
    });
    layer.SetTraceCallback([](int direction, unsigned char* p, int n) {
      for (int i = 0; i < n; ++i) event_decoder_fuzz_sink += p[i] + static_cast<unsigned>(direction);
    });
    return true;
  }();
  (void)bound;
  layer.HandlePacket(packet.data(), static_cast<unsigned int>(packet.size()));
  return 0;
}
