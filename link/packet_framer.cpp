#include "link/packet_framer.h"

#include "link/packet.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kMaxRead = packet::kMaxReceivedPacket;
}

PacketFramer::PacketFramer() { held_.reserve(packet::kMaxReceivedPacket); }

std::size_t PacketFramer::Wanted() const {
  switch (state_) {
    case State::kSearching: return 1;
    case State::kHeader: return packet::kHeaderSize - held_.size();
    case State::kBody: return packet_size_ - held_.size();
    case State::kSkipping: return std::min(skip_left_, kMaxRead);
  }
  return 1;
}

void PacketFramer::Reset() {
  state_ = State::kSearching;
  held_.clear();
  packet_size_ = 0;
  skip_left_ = 0;
}

void PacketFramer::Feed(const std::uint8_t* bytes, std::size_t count,
                        const PacketHandler& handler) {
  while (count > 0) {
    std::size_t used = 0;
    switch (state_) {
      case State::kSearching: {
        const void* start = std::memchr(bytes, packet::kStartByte, count);
        if (start == nullptr) return;
        used = static_cast<std::size_t>(static_cast<const std::uint8_t*>(start) - bytes) + 1;
        held_.push_back(packet::kStartByte);
        state_ = State::kHeader;
        break;
      }
      case State::kHeader: used = TakeHeader(bytes, count); break;
      case State::kBody: used = TakeBody(bytes, count, handler); break;
      case State::kSkipping: used = Skip(count); break;
    }
    bytes += used;
    count -= used;
  }
}

std::size_t PacketFramer::TakeHeader(const std::uint8_t* bytes, std::size_t count) {
  const std::size_t used = std::min(count, packet::kHeaderSize - held_.size());
  held_.insert(held_.end(), bytes, bytes + used);
  if (held_.size() < packet::kHeaderSize) return used;

  const std::size_t length = packet::LengthField(held_.data());
  if (length == 0) {
    held_.clear();
    state_ = State::kSearching;
  } else if (length > packet::kMaxReceivedLength) {
    held_.clear();
    skip_left_ = length + packet::kFramingSize - packet::kHeaderSize;
    state_ = State::kSkipping;
  } else {
    packet_size_ = length + packet::kFramingSize;
    state_ = State::kBody;
  }
  return used;
}

std::size_t PacketFramer::TakeBody(const std::uint8_t* bytes, std::size_t count,
                                   const PacketHandler& handler) {
  const std::size_t used = std::min(count, packet_size_ - held_.size());
  held_.insert(held_.end(), bytes, bytes + used);
  if (held_.size() == packet_size_) {
    if (handler) handler(held_.data(), held_.size());
    held_.clear();
    state_ = State::kSearching;
  }
  return used;
}

std::size_t PacketFramer::Skip(std::size_t count) {
  const std::size_t used = std::min(count, skip_left_);
  skip_left_ -= used;
  if (skip_left_ == 0) state_ = State::kSearching;
  return used;
}
