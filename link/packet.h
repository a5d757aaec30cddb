#pragma once
// The command-set packet, the same shape in both directions:
//
//   [00]  AA  len_hi len_lo  opcode  parameters...  checksum
//
// The length counts the opcode plus the parameters, so a packet is length + 4 bytes.
// The checksum is the two's complement of the 8-bit sum of every byte after the start
// byte, so the sum of a whole intact packet without its start byte is 0 (mod 256).
// The optional leading 00 ("Fill Null Byte") goes in front of commands only; it is not
// counted by the length and not covered by the checksum.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace packet {

constexpr std::uint8_t kStartByte = 0xAA;
constexpr std::uint8_t kFillNullByte = 0x00;
constexpr std::uint8_t kCommandAckOpcode = 0x00;  // COMMAND_ACK, from the module
constexpr std::uint8_t kEventAckOpcode = 0x14;    // EVENT_ACK, from the host

constexpr std::size_t kHeaderSize = 3;    // start byte and the two length bytes
constexpr std::size_t kFramingSize = 4;   // header plus checksum: packet = length + 4
constexpr std::size_t kOpcodeOffset = 3;  // offset of the opcode after the start byte
constexpr std::size_t kContentOffset = 4; // first parameter byte

// A command is built in a buffer of this size, null byte included.
constexpr std::size_t kCommandBufferSize = 768;
constexpr std::size_t kMaxCommandParameters = kCommandBufferSize - 1 - kFramingSize - 1;  // 762
// A received packet is copied into a buffer of this size by the decoder.
constexpr std::size_t kMaxReceivedPacket = 1024;
constexpr std::size_t kMaxReceivedLength = kMaxReceivedPacket - kFramingSize;  // 1020

// Two's complement of the 8-bit sum of the bytes.
std::uint8_t Checksum(const std::uint8_t* bytes, std::size_t count);

// Builds a command packet (with the leading null byte when fill_null is set) into out.
// Refuses, leaving out empty, when the parameters do not fit the command buffer.
[[nodiscard]] bool BuildCommand(std::uint8_t opcode, const std::uint8_t* parameters,
                                std::size_t count, bool fill_null, std::vector<std::uint8_t>& out);

// Builds an event packet (no null byte) into out, as the module sends it. Refuses, leaving
// out empty, when the packet would exceed the 1024 bytes the host can hold.
constexpr std::size_t kMaxEventParameters = kMaxReceivedLength - 1;  // 1019
[[nodiscard]] bool BuildEvent(std::uint8_t opcode, const std::uint8_t* parameters,
                              std::size_t count, std::vector<std::uint8_t>& out);

// Length field of a packet that starts with the start byte (at least kHeaderSize bytes).
std::size_t LengthField(const std::uint8_t* packet);

// True for a received packet (start byte through checksum) that is whole and intact:
// start byte, a length field that matches the byte count and fits the decoder's copy,
// and a zero sum.
bool IsIntact(const std::uint8_t* packet, std::size_t length);

// True when the byte run is an Event ACK command, with or without the leading null byte.
bool IsEventAck(const std::uint8_t* run, std::size_t length);

}  // namespace packet
