#include "link/pacing.h"

#include <chrono>

namespace pacing {

std::uint32_t TrailingGapMs(std::uint32_t baud_rate) {
  return baud_rate == 0 ? 0 : 3 * (115200 / baud_rate);
}

void BusyWaitMs(std::uint32_t ms) {
  if (ms == 0) return;
  using Clock = std::chrono::steady_clock;
  const auto until = Clock::now() + std::chrono::milliseconds(ms);
  while (Clock::now() < until) {
  }
}

}  // namespace pacing
