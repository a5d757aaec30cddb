// The table rounding of the voice-prompt conversion and the frame packing.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "voiceprompt/g723/coder_tables.h"
#include "voiceprompt/g723/decoder.h"
#include "voiceprompt/g723/frame.h"
#include "voiceprompt/tests/vector_files.h"

namespace {

TEST(TableRounding, EntryRoundsMagnitudeDownToMultipleOf256) {
  const struct {
    std::int16_t in, out;
  } cases[] = {{300, 256}, {-300, -256}, {255, 0}, {-255, 0}, {256, 256}, {-256, -256}, {-32768, -32768}, {32767, 32512}, {0, 0}};
  for (const auto& c : cases) EXPECT_EQ(c.out, g723::roundTableEntry(c.in)) << c.in;
}

std::vector<int> rows(const std::int16_t* table, int count) { return {table, table + count}; }

struct RoundedTable {
  const char* file;
  std::vector<int> (*get)(const g723::CoderTables&);
};

const RoundedTable kRounded[] = {
    {"Band0Tb8", [](const g723::CoderTables& t) { return rows(t.lspBand(0), 768); }},
    {"Band1Tb8", [](const g723::CoderTables& t) { return rows(t.lspBand(1), 768); }},
    {"Band2Tb8", [](const g723::CoderTables& t) { return rows(t.lspBand(2), 1024); }},
    {"AcbkGainTable085", [](const g723::CoderTables& t) { return rows(t.acbkGain(0), 85 * 20); }},
    {"AcbkGainTable170", [](const g723::CoderTables& t) { return rows(t.acbkGain(1), 170 * 20); }},
    {"tabgain85", [](const g723::CoderTables& t) { return rows(t.tamingGain(0), 85); }},
    {"tabgain170", [](const g723::CoderTables& t) { return rows(t.tamingGain(1), 170); }},
    {"epsi170", [](const g723::CoderTables& t) { return rows(t.epsi170(), 170); }},
    {"gain170", [](const g723::CoderTables& t) { return rows(t.gain170(), 170); }},
};

TEST(TableRounding, MatchesRoundedTablesAndIsIdempotent) {
  g723::CoderTables tables;
  tables.applyRounding();
  g723::CoderTables twice;
  twice.applyRounding();
  twice.applyRounding();
  for (const auto& t : kRounded) {
    const auto want = vectors::readTable(vectors::dataPath(std::string("tables/rounded/") + t.file + ".txt"));
    ASSERT_FALSE(want.empty()) << t.file;
    EXPECT_EQ(want, t.get(tables)) << t.file;
    EXPECT_EQ(want, t.get(twice)) << t.file;
  }
}

TEST(TableRounding, RestoreBringsBackPublishedValues) {
  g723::CoderTables tables;
  tables.applyRounding();
  tables.restore();
  for (const auto& t : kRounded) {
    EXPECT_EQ(vectors::readTable(vectors::dataPath(std::string("tables/") + t.file + ".txt")), t.get(tables)) << t.file;
  }
}

TEST(FramePacking, UnpackInvertsPack) {
  g723::FrameParams line;
  line.lspId = 0x12a5c3;
  line.olp[0] = 57;
  line.olp[1] = 141;
  const g723::SubframeParams sfs[4] = {{1, 84, 23, 1, 1, 42, 593774},
                                      {3, 47, 0, 0, 1, 31, 142505},
                                      {1, 169, 12, 1, 0, 63, 65536 * 8 + 5},
                                      {0, 0, 5, 0, 0, 1, 16384 * 8 + 7}};
  for (int i = 0; i < 4; ++i) line.sfs[i] = sfs[i];
  line.sfs[2].tran = line.sfs[3].tran = 0;  // only frames with lags below 58 carry the flag
  std::uint8_t bytes[g723::kFrameBytes];
  g723::packFrame(line, bytes);
  g723::FrameParams back;
  ASSERT_TRUE(g723::unpackFrame(bytes, back));
  EXPECT_EQ(line.lspId, back.lspId);
  EXPECT_EQ(line.olp[0], back.olp[0]);
  EXPECT_EQ(line.olp[1], back.olp[1]);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(line.sfs[i].acGn, back.sfs[i].acGn) << i;
    EXPECT_EQ(line.sfs[i].mamp, back.sfs[i].mamp) << i;
    EXPECT_EQ(line.sfs[i].grid, back.sfs[i].grid) << i;
    EXPECT_EQ(line.sfs[i].tran, back.sfs[i].tran) << i;
    EXPECT_EQ(line.sfs[i].pamp, back.sfs[i].pamp) << i;
    EXPECT_EQ(line.sfs[i].ppos, back.sfs[i].ppos) << i;
    if (i & 1) {
      EXPECT_EQ(line.sfs[i].acLg, back.sfs[i].acLg) << i;
    }
  }
}

TEST(FramePacking, InvalidFramesAreRejected) {
  std::uint8_t bytes[g723::kFrameBytes] = {};
  g723::FrameParams line;
  EXPECT_TRUE(g723::unpackFrame(bytes, line));
  bytes[0] = 1;  // 5.3 kbit/s frame type
  EXPECT_FALSE(g723::unpackFrame(bytes, line));
  std::uint8_t badLag[g723::kFrameBytes] = {};
  badLag[3] = 0xf0;  // lag code 124 in bits 26-32
  badLag[4] = 0x01;
  EXPECT_FALSE(g723::unpackFrame(badLag, line));
}

// Frames that do not come from our encoder (a damaged file, any 24 bytes) are decoded
// without a fault: invalid ones are concealed, and the decoder recovers afterwards.
TEST(FramePacking, DecoderSurvivesArbitraryFrames) {
  g723::CoderTables tables;
  g723::Decoder decoder(tables);
  std::uint32_t seed = 12345;  // fixed seed
  std::int16_t out[g723::kFrame];
  for (int f = 0; f < 400; ++f) {
    std::uint8_t bytes[g723::kFrameBytes];
    for (auto& b : bytes) {
      seed = seed * 1103515245u + 12345u;
      b = static_cast<std::uint8_t>(seed >> 16);
    }
    if (f % 3 == 0) bytes[0] &= 0xfc;  // make some of them 6.3 kbit/s frames
    decoder.decode(bytes, out);
  }
  const auto good = vectors::readBytes(vectors::dataPath("vectors/sine1k.standard.bit"));
  long energy = 0;
  for (std::size_t f = 0; f < 10; ++f) {
    decoder.decode(&good[f * g723::kFrameBytes], out);
    if (f == 9) {
      for (auto s : out) energy += long{s} * s / 240;
    }
  }
  EXPECT_GT(energy, 1000000);  // a 1 kHz tone at -6 dBFS is back
}

}  // namespace
