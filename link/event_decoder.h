#pragma once
// The first stages of handling a received packet, without any I/O: the decoder's own copy of
// the packet, its checksum, and the per-opcode checks and rewrites (link/event_rules.h).
// The command layer sends the Event ACK between Load and Validate and delivers the result.
//
// One decoder serves one reader thread; it is not shared.

#include "link/event_types.h"

#include <cstddef>
#include <cstdint>

class EventDecoder {
 public:
  // Copies the packet into the work buffer (zeros beyond it). False for a packet that is not
  // whole and intact: bad checksum, too short, larger than the work buffer, or a length
  // field that disagrees with its size. Nothing else may be used after a false result.
  bool Load(const std::uint8_t* packet, std::size_t size);

  // The opcode of the loaded packet; every opcode but COMMAND_ACK's is acknowledged.
  event_type_ Type() const { return static_cast<event_type_>(work_[3]); }
  bool NeedsEventAck() const { return Type() != COMMAND_ACK; }

  // Applies the opcode's checks and rewrites in place. False when the event is rejected.
  bool Validate();

  // The work buffer (the packet after its rewrites) and the packet's size.
  const std::uint8_t* Packet() const { return work_; }
  std::uint8_t* MutablePacket() { return work_; }
  std::size_t Size() const { return size_; }
  EVENT_TYPE_CONTENT_ Content() const;

 private:
  // Room for the content record beyond the last packet byte, so that content byte i is
  // always work-buffer byte 4 + i.
  std::uint8_t work_[kEventContentOffset + kEventContentSize] = {};
  std::size_t size_ = 0;
};
