#include "link/packet.h"

namespace packet {

std::uint8_t Checksum(const std::uint8_t* bytes, std::size_t count) {
  unsigned sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum += bytes[i];
  return static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
}

namespace {

void AppendPacket(std::uint8_t opcode, const std::uint8_t* parameters, std::size_t count,
                  std::vector<std::uint8_t>& out) {
  const std::size_t length = count + 1;
  out.reserve(out.size() + length + kFramingSize);
  out.push_back(kStartByte);
  const std::size_t sum_from = out.size();
  out.push_back(static_cast<std::uint8_t>(length >> 8));
  out.push_back(static_cast<std::uint8_t>(length & 0xFF));
  out.push_back(opcode);
  out.insert(out.end(), parameters, parameters + count);
  out.push_back(Checksum(out.data() + sum_from, out.size() - sum_from));
}

}  // namespace

bool BuildCommand(std::uint8_t opcode, const std::uint8_t* parameters, std::size_t count,
                  bool fill_null, std::vector<std::uint8_t>& out) {
  out.clear();
  if (count > kMaxCommandParameters) return false;
  if (fill_null) out.push_back(kFillNullByte);
  AppendPacket(opcode, parameters, count, out);
  return true;
}

bool BuildEvent(std::uint8_t opcode, const std::uint8_t* parameters, std::size_t count,
                std::vector<std::uint8_t>& out) {
  out.clear();
  if (count > kMaxEventParameters) return false;
  AppendPacket(opcode, parameters, count, out);
  return true;
}

std::size_t LengthField(const std::uint8_t* packet) {
  return static_cast<std::size_t>(packet[1]) << 8 | packet[2];
}

bool IsIntact(const std::uint8_t* packet, std::size_t length) {
  if (length < kFramingSize + 1 || length > kMaxReceivedPacket) return false;
  if (packet[0] != kStartByte || LengthField(packet) + kFramingSize != length) return false;
  unsigned sum = 0;
  for (std::size_t i = 1; i < length; ++i) sum += packet[i];
  return (sum & 0xFF) == 0;
}

bool IsEventAck(const std::uint8_t* run, std::size_t length) {
  const std::size_t start = (length > 1 && run[0] == kFillNullByte && run[1] == kStartByte) ? 1 : 0;
  return length > start + kOpcodeOffset && run[start] == kStartByte &&
         run[start + kOpcodeOffset] == kEventAckOpcode;
}

}  // namespace packet
