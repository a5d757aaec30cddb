#pragma once
// When the event consumer releases the channel's send queue on a Command ACK: on every one,
// except that acknowledgements of SEND_SPP_DATA (0x12) and of 0xFD release it only when the
// command completed (status 0). Any other status for those two lets the queue run out its
// 1600 ms wait.

#include <cstdint>

bool CommandAckReleasesQueue(std::uint8_t acknowledged_opcode, std::uint8_t status);
