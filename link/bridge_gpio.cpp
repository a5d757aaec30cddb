#include "link/bridge_gpio.h"

std::unique_ptr<BridgeGpio> SetUpBridgeGpio(std::uint32_t /*baud_rate*/) {
  return std::make_unique<NoBridgeGpio>();
}
