#pragma once
// Timing of the writer thread: the Command-ACK wait after each queued packet, and the
// millisecond busy-waits around the RX-indication line, which must hold to the millisecond
// and so spin instead of sleeping.

#include <cstdint>

namespace pacing {

// The longest the writer waits for the module's Command ACK before the next queued packet.
constexpr std::uint32_t kCommandAckTimeoutMs = 1600;
// The RX-indication line stays raised this long after a packet is written.
constexpr std::uint32_t kLineHoldMs = 2;

// Gap after the RX-indication line is lowered: 3 × (115200 / baud rate) ms, integer
// division (36 ms at 9600, 3 ms at 115200, 0 above 115200; 0 for a baud rate of 0).
std::uint32_t TrailingGapMs(std::uint32_t baud_rate);

// Spins on the monotonic clock until ms milliseconds have passed; returns at once for 0.
void BusyWaitMs(std::uint32_t ms);

}  // namespace pacing
