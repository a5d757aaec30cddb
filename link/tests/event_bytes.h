#pragma once
// Intact event packets for tests: Event(0x02, Hex("01 03")) is AA 00 03 02 01 03 F7.

#include "link/packet.h"
#include "link/tests/hex_bytes.h"

#include <algorithm>

inline Bytes Event(std::uint8_t opcode, const Bytes& params) {
  const std::size_t length = params.size() + 1;
  Bytes packet(length + packet::kFramingSize);
  packet[0] = packet::kStartByte;
  packet[1] = static_cast<std::uint8_t>(length >> 8);
  packet[2] = static_cast<std::uint8_t>(length & 0xFF);
  packet[3] = opcode;
  std::copy(params.begin(), params.end(), packet.begin() + packet::kContentOffset);
  packet.back() = packet::Checksum(packet.data() + 1, packet.size() - 2);
  return packet;
}
