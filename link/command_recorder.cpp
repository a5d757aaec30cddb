#include "link/command_recorder.h"

#include "link/packet.h"

uint8_t CommandRecorder::SendCommand(uint8_t opcode, const uint8_t* params, uint16_t count) {
  Bytes packet;
  if (!packet::BuildCommand(opcode, params, count, false, packet)) return kSendTooLong;
  packets_.push_back(std::move(packet));
  return kSent;
}
