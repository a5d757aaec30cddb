#include "console/command_ack_release.h"

bool CommandAckReleasesQueue(std::uint8_t acknowledged_opcode, std::uint8_t status) {
  constexpr std::uint8_t kSendSppData = 0x12;
  constexpr std::uint8_t kPacedOnSuccessOnly = 0xFD;
  if (acknowledged_opcode == kSendSppData || acknowledged_opcode == kPacedOnSuccessOnly) {
    return status == 0;
  }
  return true;
}
