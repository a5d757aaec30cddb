#pragma once
// The general-purpose pins of a USB-UART bridge (an MCP2200). Pin 0 drives the module's
// RX-indication input: the channel's writer thread raises it before every queued packet
// and lowers it after. Event ACKs, written directly, are never wrapped.

#include <cstdint>
#include <memory>

class BridgeGpio {
 public:
  static constexpr std::uint8_t kRxIndicationPin = 0;

  virtual ~BridgeGpio() = default;
  virtual void SetPin(std::uint8_t pin) = 0;    // asserts the pin; the result is not examined
  virtual void ClearPin(std::uint8_t pin) = 0;  // releases the pin; the result is not examined
};

// Pins that go nowhere: the line is driven in the writer's timing, without a bridge library.
class NoBridgeGpio : public BridgeGpio {
 public:
  void SetPin(std::uint8_t) override {}
  void ClearPin(std::uint8_t) override {}
};

// Sets the bridge up for a channel at this baud rate (the channel's mode 1). Returns the
// pins when the bridge is active, or null when it is left off. Until the bridge library is
// loaded here, the bridge is always active with pins that go nowhere.
std::unique_ptr<BridgeGpio> SetUpBridgeGpio(std::uint32_t baud_rate);
