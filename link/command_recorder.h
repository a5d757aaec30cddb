#pragma once
// A CommandBuilders that frames every command as the layer would (without the fill-null byte)
// and keeps it instead of sending it: for checking a command before a link is open.

#include "link/command_builders.h"

#include <cstdint>
#include <vector>

class CommandRecorder : public CommandBuilders {
 public:
  uint8_t SendCommand(uint8_t opcode, const uint8_t* params, uint16_t count) override;

  // Every command framed so far, in order.
  const std::vector<Bytes>& Packets() const { return packets_; }

 private:
  std::vector<Bytes> packets_;
};
