#include <gtest/gtest.h>

#include <vector>

#include "paramtool/builtin_blocks.h"
#include "paramtool/dsp_patch_image.h"
#include "paramtool/param_record_table.h"
#include "paramtool/parameter_set.h"

namespace paramtool {
namespace {

std::vector<int> bytesAt(const EepromTable& t, int at, int count) {
  std::vector<int> out;
  for (int i = 0; i < count; ++i) out.push_back(t.bytes[static_cast<std::size_t>(at + i)]);
  return out;
}

bool allPresent(const EepromTable& t, int at, int count) {
  for (int i = 0; i < count; ++i) {
    if (!t.present(at + i)) return false;
  }
  return true;
}

bool allAbsent(const EepromTable& t, int at, int count) {
  for (int i = 0; i < count; ++i) {
    if (t.present(at + i)) return false;
  }
  return true;
}

class FreshDocument : public ::testing::Test {
 protected:
  void SetUp() override { set.newDocument(); }
  ParameterSet set;
  EepromTable& table = set.table();
};

TEST_F(FreshDocument, StartUpWritesChipHeaderAndPatchSegmentOnly) {
  EXPECT_EQ(bytesAt(table, 0x800, 8), (std::vector<int>{0x01, 0x00, 0x00, 0x04, 0x08, 0xC1, 0xA0, 0x26}));
  EXPECT_TRUE(allPresent(table, 0x800, 8));
  // D0, flag 1 (image starts 55 AA), 1273 + 6, version 1.0.0.6, 1273.
  EXPECT_EQ(bytesAt(table, 0xA78, 10), (std::vector<int>{0xD0, 0x01, 0x04, 0xFF, 1, 0, 0, 6, 0x04, 0xF9}));
  EXPECT_EQ(bytesAt(table, 0xA82, 7), (std::vector<int>{0x55, 0xAA, 0x0B, 0x40, 0x04, 0x3B, 0x07}));
  EXPECT_EQ(bytesAt(table, 0xA82, 1273), std::vector<int>(kDspPatchImage.begin(), kDspPatchImage.end()));
  EXPECT_TRUE(allPresent(table, 0xA78, 10 + 1273));
  EXPECT_EQ(set.directoryAt(), 0xF7B);
  EXPECT_EQ(set.coeffEnd(), 0xF7B);
  EXPECT_EQ(set.i2sEnd(), 0xF7B);
  EXPECT_TRUE(set.segmentFlags() & ParameterSet::kPatchPresent);

  // The patch pointer records point at the image; the parameter area and the rest are absent.
  EXPECT_EQ(set.value16(0x02C), 0x0A82);
  EXPECT_TRUE(set.isPresent(0x02C) && set.isPresent(0x02D));
  EXPECT_TRUE(allAbsent(table, 0x000, 0x400));
  EXPECT_TRUE(allAbsent(table, 0x400, 0x400));
  EXPECT_TRUE(allAbsent(table, 0x808, 0xA78 - 0x808));
  EXPECT_TRUE(allAbsent(table, 0xF7B, 0x2000 - 0xF7B));
}

TEST_F(FreshDocument, StoreWritesDefaultsBigEndianInListOrder) {
  set.storeValues();
  const struct {
    int address;
    int byte;
  } cases[] = {{0x316, 0x05}, {0x317, 0x04}, {0x1E8, 0x04}, {0x1E9, 0x01}, {0x00B, 0x09}, {0x00C, 0xC0},
               // duplicates earlier in the list are overwritten by the later record
               {0x34F, 0x90}, {0x350, 0x29}, {0x336, 0x04}, {0x338, 0x40}, {0x339, 0x50}};
  for (const auto& c : cases) {
    EXPECT_EQ(table.bytes[c.address], c.byte) << std::hex << c.address;
    EXPECT_EQ(table.marks[c.address], kRecordMark) << std::hex << c.address;
  }
  // Bytes no record covers stay absent; the width-184 record clears 0x1300-0x13B7.
  EXPECT_FALSE(table.present(0x348));
  EXPECT_EQ(bytesAt(table, 0x1300, 184), std::vector<int>(184, 0));
  EXPECT_TRUE(allPresent(table, 0x1300, 184));
  EXPECT_FALSE(table.present(0x13B8));
}

TEST_F(FreshDocument, LaterRecordDecidesByteAndMarkOfSharedAddress) {
  std::vector<ParamRecord*> at34f;
  for (ParamRecord& r : set.records()) {
    if (r.address == 0x34F) at34f.push_back(&r);
  }
  ASSERT_EQ(at34f.size(), 2u);
  EXPECT_EQ(set.findRecord(0x34F), at34f[1]);

  at34f[0]->present = true;
  at34f[1]->present = false;
  set.storeValues();
  EXPECT_FALSE(table.present(0x34F));

  at34f[0]->present = false;
  at34f[1]->present = true;
  at34f[1]->value = 0x12;
  set.storeValues();
  EXPECT_TRUE(table.present(0x34F));
  EXPECT_EQ(table.bytes[0x34F], 0x12);
}

TEST_F(FreshDocument, StoreKeepsRecordValuesAndDropsHighBits) {
  set.set(0x316, 0x1234);
  set.setPresent(0x317, false);
  set.storeValues();
  set.storeValues();
  EXPECT_EQ(table.bytes[0x316], 0x34);
  EXPECT_EQ(set.value(0x316), 0x1234);
  EXPECT_EQ(table.marks[0x317], kAbsentMark);
  EXPECT_EQ(table.bytes[0x317], 0x04);  // the value is still written, only its mark is absent
}

TEST_F(FreshDocument, LoadTakesDefaultsForAbsentRecords) {
  set.storeValues();
  table.bytes[0x317] = 0x06;
  table.setMark(0x316, kAbsentMark);
  table.bytes[0x316] = 0x66;
  set.set(0x316, 1);
  set.loadValues();
  EXPECT_EQ(set.value(0x316), 0x05);
  EXPECT_FALSE(set.isPresent(0x316));
  EXPECT_EQ(set.value(0x317), 0x06);
  EXPECT_TRUE(set.isPresent(0x317));

  // Stored again, the absent record comes back absent.
  set.storeValues();
  EXPECT_FALSE(table.present(0x316));
}

TEST_F(FreshDocument, MarkRecordsAbsentCoversEveryRecordByte) {
  set.storeValues();
  table.put(0x348, 0x11, kRecordMark);  // no record covers it
  set.markRecordsAbsent();
  for (const ParamRecord& r : set.records()) {
    for (int i = 0; i < r.width; ++i) EXPECT_FALSE(table.present(r.address + i)) << std::hex << r.address;
  }
  EXPECT_TRUE(table.present(0x348));
  EXPECT_TRUE(table.present(0x800));
}

TEST_F(FreshDocument, WriteBlockOfSlotZeroWritesTheEqHeaderFirst) {
  set.writeBlock(kAudioCustomEqSlot, kAecShapingBlock8k);
  EXPECT_EQ(bytesAt(table, 0x808, 10), (std::vector<int>{0xD1, 0x00, 0x01, 0xAA, 1, 0, 0, 6, 0x01, 0xA4}));
  EXPECT_EQ(bytesAt(table, 0x812, 4), (std::vector<int>{0x2D, 0xD8, 0x92, 0x08}));
  EXPECT_EQ(bytesAt(table, 0x812 + 80, 4), (std::vector<int>{0x48, 0x6F, 0x90, 0xAF}));
  EXPECT_EQ(table.marks[0x812], kRecordMark);
  EXPECT_TRUE(set.slotWritten(kAudioCustomEqSlot));

  table.clear();
  set.writeBlock(kVoiceSpeaker8kSlot, kFlatBlock);
  EXPECT_FALSE(table.present(0x808));
  EXPECT_EQ(bytesAt(table, 0x8BA + 80, 4), (std::vector<int>{0x40, 0x00, 0x00, 0x00}));

  set.writeEqHeader(84);
  EXPECT_EQ(bytesAt(table, 0x808, 10), (std::vector<int>{0xD1, 0x00, 0x00, 0x5A, 1, 0, 0, 6, 0x00, 0x54}));
}

TEST_F(FreshDocument, ReadBlockStopsAtTheFirstAbsentWord) {
  set.writeBlock(kVoiceMic8kSlot, kAecShapingBlock16k);
  set.resetDefaults();  // clears the written flags
  table.setMark(0x866 + 2 * 5, kAbsentMark);

  CoefficientBlock block = kFlatBlock;
  set.readBlock(kVoiceMic8kSlot, block);
  for (std::size_t w = 0; w < 5; ++w) EXPECT_EQ(block.words[w], kAecShapingBlock16k.words[w]) << w;
  for (std::size_t w = 5; w < CoefficientBlock::kWords; ++w) EXPECT_EQ(block.words[w], kFlatBlock.words[w]) << w;
  EXPECT_FALSE(set.slotWritten(kVoiceMic8kSlot));

  table.setMark(0x866 + 2 * 5, kRecordMark);
  set.readBlock(kVoiceMic8kSlot, block);
  EXPECT_EQ(block, kAecShapingBlock16k);
  EXPECT_TRUE(set.slotWritten(kVoiceMic8kSlot));
}

TEST_F(FreshDocument, SegmentDirectoryFollowsTheSegmentsInUse) {
  const struct {
    const char* name;
    bool patchPresent;
    int coeffEnd;
    int i2sEnd;
    std::vector<int> expected;
  } cases[] = {
      {"both voice equalisers off", true, 0x9B6, 0xF7B,
       {0x90, 0x00, 0x00, 0x12, 0xD0, 0, 1, 0, 0, 6, 0xD1, 0, 1, 0, 0, 6, 0xD2, 0, 1, 0, 0, 6, 0x99, 0x66, 0, 0}},
      {"a voice equaliser on", true, 0x9B6, 0x9B6,
       {0x90, 0x00, 0x00, 0x0C, 0xD0, 0, 1, 0, 0, 6, 0xD1, 0, 1, 0, 0, 6, 0x99, 0x66, 0, 0}},
      {"no patch", false, 0x9B6, 0xF7B, {0x99, 0x66, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    set.newDocument();
    if (!c.patchPresent) set.clearSegmentFlags();
    set.setCoeffEnd(c.coeffEnd);
    set.setI2sEnd(c.i2sEnd);
    set.writeSegmentDirectory();
    const int count = static_cast<int>(c.expected.size());
    EXPECT_EQ(bytesAt(table, 0xF7B, count), c.expected);
    EXPECT_TRUE(allPresent(table, 0xF7B, count));
    EXPECT_FALSE(table.present(0xF7B + count));
    EXPECT_TRUE(table.present(0x355));
    EXPECT_EQ(table.bytes[0x355], 0);
  }
}

TEST_F(FreshDocument, I2sSegmentIsWrittenAtCoeffEndAndReadBackThroughThePointers) {
  set.setCoeffEnd(0x9B6);
  I2sRegisters values{};
  for (int i = 0; i < kI2sRegisterCount; ++i) values[static_cast<std::size_t>(i)] = 0x100 + i;  // low byte kept
  set.writeI2sSegment(values);
  EXPECT_EQ(bytesAt(table, 0x9B6, 10), (std::vector<int>{0xD2, 0x00, 0x00, 0xBE, 1, 0, 0, 6, 0x00, 0xB8}));
  EXPECT_EQ(table.bytes[0x9C0], 0x00);
  EXPECT_EQ(table.bytes[0x9C0 + 183], 183);
  EXPECT_TRUE(allPresent(table, 0x9B6, 194));

  I2sRegisters read{};
  set.readI2sRegisters(read);  // 0x00B-0x00E default to 0x09C0 and 184
  for (int i = 0; i < kI2sRegisterCount; ++i) EXPECT_EQ(read[static_cast<std::size_t>(i)], i & 0xFF);
}

TEST_F(FreshDocument, I2sRegistersFromFileValuesStayInBounds) {
  // Pointer and length come from a loaded file: at most 184 bytes, never past the table.
  const struct {
    int at;
    int count;
    int copied;
  } cases[] = {{0x09C0, 0xFF, 184}, {0x1FF0, 0xB8, 16}, {0xFFFF, 0xB8, 0}, {0x09C0, 4, 4}};
  for (const auto& c : cases) {
    set.set16(0x00B, c.at);
    set.set(0x00E, c.count);
    I2sRegisters read;
    read.fill(-1);
    set.readI2sRegisters(read);
    int copied = 0;
    while (copied < kI2sRegisterCount && read[static_cast<std::size_t>(copied)] != -1) ++copied;
    EXPECT_EQ(copied, c.copied) << std::hex << c.at;
  }
}

// A table as a file would leave it: hex-digit mark pairs for present bytes.
void loadLikeFile(EepromTable& t, int at, const std::vector<int>& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) t.put(at + static_cast<int>(i), static_cast<uint8_t>(bytes[i]), {'A', 'B'});
}

TEST_F(FreshDocument, AfterLoadKeepsCompleteBlocksStagesVoiceEqDataAndRestoresThePatch) {
  std::vector<int> slot0(84), slot1(84);
  for (int i = 0; i < 84; ++i) {
    slot0[static_cast<std::size_t>(i)] = i;
    slot1[static_cast<std::size_t>(i)] = 0x80 + i;
  }
  loadLikeFile(table, 0x812, slot0);
  loadLikeFile(table, 0x866, slot1);
  loadLikeFile(table, 0x036, {0x08, 0x66, 0x00, 0x54});  // voice EQ data at slot 1, 84 bytes
  loadLikeFile(table, 0x316, {0x02});
  loadLikeFile(table, 0xA78, std::vector<int>(16, 0xEE));  // a foreign patch
  table.setMark(0x02C, kAbsentMark);

  set.afterLoad();

  EXPECT_EQ(set.value(0x316), 0x02);
  EXPECT_TRUE(set.isPresent(0x316));
  EXPECT_FALSE(set.isPresent(0x317));  // absent in the file
  EXPECT_EQ(set.value(0x317), 0x04);
  // Slot 0 is kept with its marks "00"; the 42 words of slot 1 are staged and slot 1
  // stays as the file had it; chip header and patch are the built-in ones.
  EXPECT_EQ(bytesAt(table, 0x812, 84), slot0);
  EXPECT_EQ(table.marks[0x812], kLoadedPresentMark);
  EXPECT_EQ(set.staging()[0], static_cast<int16_t>(0x8081));
  EXPECT_EQ(set.staging()[41], static_cast<int16_t>(0xD2D3));
  EXPECT_EQ(set.staging()[42], 0);
  EXPECT_EQ(bytesAt(table, 0x866, 84), slot1);
  EXPECT_TRUE(allPresent(table, 0x866, 84));
  EXPECT_EQ(bytesAt(table, 0xA78, 2), (std::vector<int>{0xD0, 0x01}));
  EXPECT_EQ(bytesAt(table, 0x800, 2), (std::vector<int>{0x01, 0x00}));
  // The patch pointer records are present again: they come before the voice gain levels.
  EXPECT_TRUE(set.isPresent(0x02C));
  EXPECT_EQ(set.value16(0x02C), 0x0A82);
}

TEST_F(FreshDocument, AfterLoadLeavesAnIncompleteBlockAlone) {
  loadLikeFile(table, 0x036, {0x08, 0x66, 0x00, 0x54});  // voice EQ data elsewhere
  loadLikeFile(table, 0x812, std::vector<int>(84, 0x11));
  table.setMark(0x812 + 83, {'1', '*'});
  set.afterLoad();
  EXPECT_EQ(table.marks[0x812], (Mark{'A', 'B'}));
}

TEST_F(FreshDocument, AfterLoadStagesNoMoreThanTheAreaAndTheTableHold) {
  const struct {
    int at;
    int length;
  } cases[] = {{0x1FF0, 0x01A4}, {0x0812, 0xFFFF}, {0xFFFF, 0x0054}};
  for (const auto& c : cases) {
    set.newDocument();
    loadLikeFile(table, 0x036, {c.at >> 8, c.at & 0xFF, c.length >> 8, c.length & 0xFF});
    set.afterLoad();  // must stay inside the table and the staging area
    EXPECT_EQ(set.value16(0x036), c.at);
  }
}

}  // namespace
}  // namespace paramtool
