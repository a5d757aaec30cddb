#include "console/command_ack_routes.h"

#include <utility>

CommandAckRoute RouteCommandAck(std::uint8_t acknowledged_opcode) {
  constexpr std::uint8_t kSendSppData = 0x12;
  constexpr std::uint8_t kStatusOnly = 0xFD;
  constexpr std::uint8_t kTtsData = 0x20;
  switch (acknowledged_opcode) {
    case kSendSppData:
    case kStatusOnly:
      return CommandAckRoute::CommandStatus;
    case kTtsData:
      return CommandAckRoute::VoicePrompt;
    default:
      return CommandAckRoute::None;
  }
}

void CommandAckSlots::SetCommandStatusHandler(Handler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  command_status_ = std::move(handler);
}

void CommandAckSlots::SetVoicePromptHandler(Handler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  voice_prompt_ = std::move(handler);
}

void CommandAckSlots::Deliver(std::uint8_t acknowledged_opcode, std::uint8_t status) const {
  Handler handler;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    switch (RouteCommandAck(acknowledged_opcode)) {
      case CommandAckRoute::CommandStatus: handler = command_status_; break;
      case CommandAckRoute::VoicePrompt: handler = voice_prompt_; break;
      case CommandAckRoute::None: break;
    }
  }
  if (handler) handler(status);
}
