#pragma once
// Cuts packets out of the byte stream from the module. It is fed byte runs of any size and
// hands every complete packet (start byte through checksum) to a handler, in order:
//
// - bytes before a start byte are dropped one by one;
// - a packet is taken whole by its length field, without looking inside it for another
//   start byte (a bad packet then fails its checksum in the decoder, as one unit);
// - a length of 0 drops the three header bytes;
// - a length above 1020 cannot be held by the decoder: the whole packet (length + 4 bytes)
//   is skipped, like a packet with a bad checksum, and framing goes on after it.
//
// The framer does not check checksums (packet::IsIntact does). Not thread-safe: one reader
// feeds it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class PacketFramer {
 public:
  // The handler may change the bytes in place: they are dropped once it returns.
  using PacketHandler = std::function<void(std::uint8_t* packet, std::size_t length)>;

  PacketFramer();

  // How many bytes the framer needs before it can make progress (at least 1, at most 1024):
  // what the reader asks the port for, so that it never holds more than one packet.
  std::size_t Wanted() const;

  // Frames the run; calls the handler (when bound) for each packet completed by it.
  void Feed(const std::uint8_t* bytes, std::size_t count, const PacketHandler& handler);

  // Forgets any packet begun.
  void Reset();

  // Bytes of the packet being framed (0 while searching for a start byte or skipping).
  std::size_t Held() const { return held_.size(); }

 private:
  enum class State { kSearching, kHeader, kBody, kSkipping };

  std::size_t TakeHeader(const std::uint8_t* bytes, std::size_t count);
  std::size_t TakeBody(const std::uint8_t* bytes, std::size_t count, const PacketHandler& handler);
  std::size_t Skip(std::size_t count);

  State state_ = State::kSearching;
  std::vector<std::uint8_t> held_;
  std::size_t packet_size_ = 0;  // kBody: total bytes of the packet being framed
  std::size_t skip_left_ = 0;    // kSkipping: bytes of an oversize packet still to drop
};
