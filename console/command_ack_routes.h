#pragma once
// Where the console hands the status of a Command ACK, besides releasing the channel's queue
// (command_ack_release.h). The acknowledgements of SEND_SPP_DATA (0x12) and 0xFD go to the
// command-status handler (the SPP page's); those of TTS_DATA (0x20) go to the voice-prompt
// handler, so that the voice-prompt download hears each of its chunks acknowledged and the
// SPP page keeps its own handler. Every other Command ACK goes to neither.
//
// The event presentation calls Deliver for every COMMAND_ACK it receives, on the thread that
// delivers events; pages set their handlers from any thread.

#include <cstdint>
#include <functional>
#include <mutex>

enum class CommandAckRoute { None, CommandStatus, VoicePrompt };

CommandAckRoute RouteCommandAck(std::uint8_t acknowledged_opcode);

class CommandAckSlots {
 public:
  using Handler = std::function<void(std::uint8_t status)>;

  // The latest handler of each route wins; an empty one clears the route.
  void SetCommandStatusHandler(Handler handler);
  void SetVoicePromptHandler(Handler handler);

  // Calls the handler of the acknowledged command's route, if any, with the status byte.
  void Deliver(std::uint8_t acknowledged_opcode, std::uint8_t status) const;

 private:
  mutable std::mutex mutex_;  // guards the handlers, copied out before each call
  Handler command_status_;
  Handler voice_prompt_;
};
