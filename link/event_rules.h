#pragma once
// The range checks and in-place normalisations of received events, one table row per opcode
// (or run of opcodes). An opcode without a row is accepted unchanged.

#include <cstddef>
#include <cstdint>

// Applies the rule of `opcode` to the event's content bytes (parameters, checksum, then zeros;
// at least 16 bytes readable and writable). `length` is the packet's length field.
// Rewrites that precede the checks happen first; those that follow happen only when every
// check passes. Returns false when a check fails.
bool ApplyEventRule(std::uint8_t opcode, std::size_t length, std::uint8_t* content);
