#include "voiceprompt/g723/frame.h"

namespace g723 {

namespace {

// Fields are written least significant bit first; stream bit i is bit (i mod 8) of
// byte i / 8.
class BitWriter {
 public:
  explicit BitWriter(std::uint8_t* out) : out_(out) {
    for (int i = 0; i < kFrameBytes; ++i) out_[i] = 0;
  }
  void put(std::uint32_t value, int bits) {
    for (int b = 0; b < bits; ++b, ++pos_) {
      if ((value >> b) & 1u) out_[pos_ >> 3] = static_cast<std::uint8_t>(out_[pos_ >> 3] | (1u << (pos_ & 7)));
    }
  }

 private:
  std::uint8_t* out_;
  int pos_ = 0;
};

class BitReader {
 public:
  explicit BitReader(const std::uint8_t* in) : in_(in) {}
  std::uint32_t get(int bits) {
    std::uint32_t value = 0;
    for (int b = 0; b < bits; ++b, ++pos_) value |= ((in_[pos_ >> 3] >> (pos_ & 7)) & 1u) << b;
    return value;
  }

 private:
  const std::uint8_t* in_;
  int pos_ = 0;
};

constexpr int kPosBits[kSubFrames] = {16, 14, 16, 14};
constexpr int kSignBits[kSubFrames] = {6, 5, 6, 5};

}  // namespace

void packFrame(const FrameParams& line, std::uint8_t out[kFrameBytes]) {
  BitWriter w(out);
  w.put(0, 2);  // 6.3 kbit/s active frame
  w.put(static_cast<std::uint32_t>(line.lspId), 24);
  w.put(static_cast<std::uint32_t>(line.olp[0] - kPitchMin), 7);
  w.put(static_cast<std::uint32_t>(line.sfs[1].acLg), 2);
  w.put(static_cast<std::uint32_t>(line.olp[1] - kPitchMin), 7);
  w.put(static_cast<std::uint32_t>(line.sfs[3].acLg), 2);
  for (const auto& s : line.sfs) {
    std::uint32_t gains = static_cast<std::uint32_t>(s.acGn * kNumOfGainLev + s.mamp);
    gains += static_cast<std::uint32_t>(s.tran) << 11;
    w.put(gains, 12);
  }
  for (const auto& s : line.sfs) w.put(static_cast<std::uint32_t>(s.grid), 1);
  w.put(0, 1);  // reserved
  std::uint32_t msbs = static_cast<std::uint32_t>(line.sfs[0].ppos >> 16) * 9 +
                       static_cast<std::uint32_t>(line.sfs[1].ppos >> 14);
  msbs = msbs * 90 + static_cast<std::uint32_t>(line.sfs[2].ppos >> 16) * 9 +
         static_cast<std::uint32_t>(line.sfs[3].ppos >> 14);
  w.put(msbs, 13);
  for (int i = 0; i < kSubFrames; ++i) {
    w.put(static_cast<std::uint32_t>(line.sfs[i].ppos) & ((1u << kPosBits[i]) - 1u), kPosBits[i]);
  }
  for (int i = 0; i < kSubFrames; ++i) {
    w.put(static_cast<std::uint32_t>(line.sfs[i].pamp), kSignBits[i]);
  }
}

bool unpackFrame(const std::uint8_t in[kFrameBytes], FrameParams& line) {
  line = FrameParams{};
  BitReader r(in);
  if (r.get(2) != 0) return false;
  line.lspId = static_cast<std::int32_t>(r.get(24));
  const std::uint32_t lag0 = r.get(7);
  line.sfs[0].acLg = kPstep;
  line.sfs[1].acLg = static_cast<std::int16_t>(r.get(2));
  const std::uint32_t lag2 = r.get(7);
  line.sfs[2].acLg = kPstep;
  line.sfs[3].acLg = static_cast<std::int16_t>(r.get(2));
  if (lag0 > 123 || lag2 > 123) return false;
  line.olp[0] = static_cast<std::int16_t>(lag0 + kPitchMin);
  line.olp[1] = static_cast<std::int16_t>(lag2 + kPitchMin);
  for (int i = 0; i < kSubFrames; ++i) {
    std::uint32_t gains = r.get(12);
    int rows = kNbFilt170;
    if (line.olp[i >> 1] < kSubFrLen - 2) {
      line.sfs[i].tran = static_cast<std::int16_t>(gains >> 11);
      gains &= 0x7ff;
      rows = kNbFilt085;
    }
    const std::uint32_t acGn = gains / kNumOfGainLev;
    if (acGn >= static_cast<std::uint32_t>(rows)) return false;
    line.sfs[i].acGn = static_cast<std::int16_t>(acGn);
    line.sfs[i].mamp = static_cast<std::int16_t>(gains % kNumOfGainLev);
  }
  for (auto& s : line.sfs) s.grid = static_cast<std::int16_t>(r.get(1));
  r.get(1);  // reserved
  const std::uint32_t msbs = r.get(13);
  const std::uint32_t high[kSubFrames] = {msbs / 810, (msbs / 90) % 9, (msbs % 90) / 9, (msbs % 90) % 9};
  for (int i = 0; i < kSubFrames; ++i) {
    const std::uint32_t low = r.get(kPosBits[i]);
    line.sfs[i].ppos = static_cast<std::int32_t>((high[i] << kPosBits[i]) + low);
  }
  for (int i = 0; i < kSubFrames; ++i) line.sfs[i].pamp = static_cast<std::int16_t>(r.get(kSignBits[i]));
  return true;
}

}  // namespace g723
