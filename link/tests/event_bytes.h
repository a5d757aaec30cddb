#pragma once
// Intact event packets for tests: Event(0x02, Hex("01 03")) is AA 00 03 02 01 03 F7.

#include "link/packet.h"
#include "link/tests/hex_bytes.h"

inline Bytes Event(std::uint8_t opcode, const Bytes& params) {
  const std::size_t length = params.size() + 1;
  Bytes packet{packet::kStartByte, static_cast<std::uint8_t>(length >> 8),
               static_cast<std::uint8_t>(length & 0xFF), opcode};
  packet.insert(packet.end(), params.begin(), params.end());
  packet.push_back(packet::Checksum(packet.data() + 1, packet.size() - 1));
  return packet;
}
