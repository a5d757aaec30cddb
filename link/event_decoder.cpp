#include "link/event_decoder.h"

#include "link/event_rules.h"
#include "link/packet.h"

#include <cstring>

bool EventDecoder::Load(const std::uint8_t* packet, std::size_t size) {
  size_ = 0;
  if (!packet::IsIntact(packet, size)) return false;
  std::memcpy(work_, packet, size);
  std::memset(work_ + size, 0, sizeof(work_) - size);
  size_ = size;
  return true;
}

bool EventDecoder::Validate() {
  return ApplyEventRule(work_[3], packet::LengthField(work_), work_ + kEventContentOffset);
}

EVENT_TYPE_CONTENT_ EventDecoder::Content() const {
  EVENT_TYPE_CONTENT_ content;
  std::memcpy(content.bytes, work_ + kEventContentOffset, kEventContentSize);
  return content;
}
