// The receive framer and the checksum check on any byte stream, fed in runs of the sizes
// the first input byte picks. Every packet handed over must be one whole packet the decoder
// can hold; an intact one must be exactly what the builder makes of its opcode and
// parameters.

#include "link/packet.h"
#include "link/packet_framer.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckPacket(const std::uint8_t* p, std::size_t n) {
  Check(n >= packet::kFramingSize + 1 && n <= packet::kMaxReceivedPacket);
  Check(p[0] == packet::kStartByte);
  Check(packet::LengthField(p) + packet::kFramingSize == n);
  if (!packet::IsIntact(p, n)) return;
  std::vector<std::uint8_t> rebuilt;
  Check(packet::BuildCommand(p[packet::kOpcodeOffset], p + packet::kContentOffset,
                             n - packet::kFramingSize - 1, false, rebuilt) ||
        n - packet::kFramingSize - 1 > packet::kMaxCommandParameters);
  Check(rebuilt.empty() || (rebuilt.size() == n && std::equal(rebuilt.begin(), rebuilt.end(), p)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t run = 1 + data[0] % 64;  // 64 and above: as the reader asks
  const bool as_reader = data[0] >= 64;
  ++data;
  --size;

  PacketFramer framer;
  const PacketFramer::PacketHandler check = [](std::uint8_t* p, std::size_t n) { CheckPacket(p, n); };
  std::size_t at = 0;
  while (at < size) {
    const std::size_t wanted = framer.Wanted();
    Check(wanted >= 1 && wanted <= packet::kMaxReceivedPacket);
    const std::size_t n = std::min(as_reader ? wanted : run, size - at);
    framer.Feed(data + at, n, check);
    at += n;
  }
  Check(framer.Held() < packet::kMaxReceivedPacket);
  return 0;
}
