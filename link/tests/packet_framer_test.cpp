#include "link/packet_framer.h"

#include "link/packet.h"
#include "link/tests/hex_bytes.h"

#include <gtest/gtest.h>

namespace {

// Frames the stream, fed in pieces of at most `piece` bytes (0: all at once).
std::vector<Bytes> Frame(const Bytes& stream, std::size_t piece = 0) {
  PacketFramer framer;
  std::vector<Bytes> packets;
  const auto collect = [&](const std::uint8_t* p, std::size_t n) { packets.emplace_back(p, p + n); };
  const std::size_t step = piece == 0 ? stream.size() : piece;
  for (std::size_t at = 0; at < stream.size(); at += step) {
    framer.Feed(stream.data() + at, std::min(step, stream.size() - at), collect);
  }
  return packets;
}

// A packet of the given length field with zero parameters and a correct checksum.
Bytes PacketOfLength(std::size_t length) {
  Bytes p = {packet::kStartByte, static_cast<std::uint8_t>(length >> 8),
             static_cast<std::uint8_t>(length & 0xFF)};
  p.resize(length + 3, 0x00);
  p.push_back(packet::Checksum(p.data() + 1, p.size() - 1));
  return p;
}

const Bytes kAck = Hex("AA 00 03 00 14 00 E9");
const Bytes kEvent = Hex("AA 00 02 01 02 FB");

struct FrameCase {
  const char* name;
  Bytes stream;
  std::vector<Bytes> expected;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.name; }

class FramerTest : public testing::TestWithParam<FrameCase> {};

TEST_P(FramerTest, FramesTheStreamWhateverTheReadSizes) {
  const FrameCase& c = GetParam();
  for (const std::size_t piece : {0, 1, 2, 5}) {
    EXPECT_EQ(Frame(c.stream, piece), c.expected) << "pieces of " << piece;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, FramerTest,
    testing::Values(
        FrameCase{"GarbageBeforeTheStartByteIsSkipped", Concat({Hex("12 34"), kAck}), {kAck}},
        FrameCase{"ZeroLengthIsConsumed", Concat({Hex("AA 00 00"), kEvent}), {kEvent}},
        FrameCase{"ZeroLengthThenAStartByteInside", Concat({Hex("AA 00 00 AA 00 00"), kAck}), {kAck}},
        // A bad packet is taken whole by its length; the start byte inside it is not used.
        FrameCase{"BadPacketIsOneUnit",
                  Concat({Hex("AA 00 03 00 AA 00 EA"), kEvent}),
                  {Hex("AA 00 03 00 AA 00 EA"), kEvent}},
        FrameCase{"BackToBackPackets", Concat({kAck, kEvent, kAck}), {kAck, kEvent, kAck}},
        FrameCase{"HalfAPacketIsHeldBack", Concat({kAck, Hex("AA 00 05 01")}), {kAck}},
        FrameCase{"LargestPacketTheDecoderHolds", PacketOfLength(1020), {PacketOfLength(1020)}},
        FrameCase{"OversizePacketIsSkippedWhole",
                  Concat({PacketOfLength(1021), kAck}), {kAck}},
        FrameCase{"OversizePacketFullOfStartBytesIsSkippedWhole",
                  Concat({Hex("AA FF FF"), Bytes(0xFFFF + 1, 0xAA), kEvent}), {kEvent}}),
    [](const testing::TestParamInfo<FrameCase>& p) { return p.param.name; });

TEST(PacketFramer, AsksForExactlyTheMissingBytes) {
  PacketFramer framer;
  EXPECT_EQ(framer.Wanted(), 1u);
  const Bytes start = Hex("55 AA");
  framer.Feed(start.data(), start.size(), {});
  EXPECT_EQ(framer.Wanted(), 2u);
  const Bytes length = Hex("00 06");
  framer.Feed(length.data(), length.size(), {});
  EXPECT_EQ(framer.Wanted(), 7u);  // opcode, five parameters, checksum
  EXPECT_EQ(framer.Held(), 3u);

  PacketFramer skipping;
  const Bytes oversize = Hex("AA 10 00");
  skipping.Feed(oversize.data(), oversize.size(), {});
  EXPECT_EQ(skipping.Wanted(), 1024u);  // never more than one read request
}

TEST(PacketFramer, ResetForgetsAPacketBegun) {
  PacketFramer framer;
  const Bytes half = Hex("AA 00 03 00");
  framer.Feed(half.data(), half.size(), {});
  framer.Reset();
  std::vector<Bytes> packets;
  framer.Feed(kEvent.data(), kEvent.size(),
              [&](const std::uint8_t* p, std::size_t n) { packets.emplace_back(p, p + n); });
  EXPECT_EQ(packets, std::vector<Bytes>{kEvent});
}

}  // namespace
