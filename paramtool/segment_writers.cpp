// The writers of the fixed segments and coefficient blocks of the DSP table.
#include <cstdint>

#include "paramtool/dsp_patch_image.h"
#include "paramtool/parameter_set.h"
#include "paramtool/param_record_table.h"

namespace paramtool {
namespace {

constexpr int kPatchAddressRecord = 0x02C;  // 0x02C-0x02D

uint8_t highByte(int v) { return static_cast<uint8_t>((v >> 8) & 0xFF); }
uint8_t lowByte(int v) { return static_cast<uint8_t>(v & 0xFF); }

}  // namespace

void ParameterSet::putSegmentBytes(int at, const uint8_t* data, int count) {
  for (int i = 0; i < count; ++i) table_.put(at + i, data[i], kSegmentMark);
}

void ParameterSet::writeSegmentHeader(int at, uint8_t type, uint8_t flag, int dataLength) {
  const uint8_t header[kSegmentHeaderBytes] = {
      type, flag, highByte(dataLength + 6), lowByte(dataLength + 6),
      kSegmentVersion[0], kSegmentVersion[1], kSegmentVersion[2], kSegmentVersion[3],
      highByte(dataLength), lowByte(dataLength)};
  putSegmentBytes(at, header, kSegmentHeaderBytes);
}

void ParameterSet::writeEqHeader(int dataLength) {
  writeSegmentHeader(kEqHeaderAt, kEqSegmentType, 0, dataLength);
  segmentFlags_ |= kEqSegmentInUse;
}

void ParameterSet::readBlock(int slot, CoefficientBlock& block) {
  const int at = kSlotAddresses[slotIndex(slot)];
  for (std::size_t w = 0; w < CoefficientBlock::kWords; ++w) {
    const int byteAt = at + static_cast<int>(2 * w);
    if (!table_.present(byteAt)) return;
    block.words[w] = static_cast<int16_t>(table_.read16(byteAt));
  }
  slotWritten_[slotIndex(slot)] = true;
}

void ParameterSet::writeBlock(int slot, const CoefficientBlock& block) {
  if (slotIndex(slot) == kAudioCustomEqSlot) writeEqHeader(kCoefficientDataBytes);
  const int at = kSlotAddresses[slotIndex(slot)];
  for (std::size_t w = 0; w < CoefficientBlock::kWords; ++w) {
    const auto word = static_cast<uint16_t>(block.words[w]);
    table_.put(at + static_cast<int>(2 * w), highByte(word), kRecordMark);
    table_.put(at + static_cast<int>(2 * w) + 1, lowByte(word), kRecordMark);
  }
  slotWritten_[slotIndex(slot)] = true;
}

void ParameterSet::writePatchSegment() {
  putSegmentBytes(kChipHeaderAt, kChipHeader.data(), static_cast<int>(kChipHeader.size()));

  const ParamRecord* hi = findRecord(kPatchAddressRecord);
  const ParamRecord* lo = findRecord(kPatchAddressRecord + 1);
  const int start = (hi ? hi->defaultValue : 0) * 256 + (lo ? lo->defaultValue : 0);
  int end = start;
  if (kDspPatchImage[6] != 0) {
    const int imageBytes = static_cast<int>(kDspPatchImage.size());
    const uint8_t flag = (kDspPatchImage[0] == 0x55 && kDspPatchImage[1] == 0xAA) ? 1 : 0;
    writeSegmentHeader(start, kPatchSegmentType, flag, imageBytes);
    putSegmentBytes(start + kSegmentHeaderBytes, kDspPatchImage.data(), imageBytes);
    set16(kPatchAddressRecord, start + kSegmentHeaderBytes);
    end = start + kSegmentHeaderBytes + imageBytes;
  } else {
    set16(kPatchAddressRecord, 0);
  }
  directoryAt_ = coeffEnd_ = i2sEnd_ = end;
  segmentFlags_ |= kPatchPresent;
}

void ParameterSet::writeI2sSegment(const I2sRegisters& values) {
  writeSegmentHeader(coeffEnd_, kI2sSegmentType, 0, kI2sRegisterCount);
  for (int i = 0; i < kI2sRegisterCount; ++i) {
    table_.put(coeffEnd_ + kSegmentHeaderBytes + i, lowByte(values[static_cast<std::size_t>(i)]), kSegmentMark);
  }
}

void ParameterSet::readI2sRegisters(I2sRegisters& out) const {
  const int from = value16(0x00B);
  int count = value(0x00E);
  if (count > kI2sRegisterCount) count = kI2sRegisterCount;
  if (from + count > EepromTable::kBytes) count = EepromTable::kBytes - from;
  for (int i = 0; i < count; ++i) out[static_cast<std::size_t>(i)] = table_.bytes[static_cast<std::size_t>(from + i)];
}

void ParameterSet::writeSegmentDirectory() {
  int at = directoryAt_;
  if (segmentFlags_ & kPatchPresent) {
    int length = kDirectoryEntryBytes;
    if (directoryAt_ != coeffEnd_) length = 2 * kDirectoryEntryBytes;
    if (i2sEnd_ == directoryAt_) length += kDirectoryEntryBytes;
    const uint8_t head[4] = {kDirectoryType, 0x00, highByte(length), lowByte(length)};
    putSegmentBytes(at, head, 4);
    at += 4;
    auto entry = [&](uint8_t type) {
      const uint8_t bytes[kDirectoryEntryBytes] = {type, 0x00, kSegmentVersion[0], kSegmentVersion[1],
                                                   kSegmentVersion[2], kSegmentVersion[3]};
      putSegmentBytes(at, bytes, kDirectoryEntryBytes);
      at += kDirectoryEntryBytes;
    };
    entry(kPatchSegmentType);
    if (directoryAt_ > coeffEnd_) entry(kEqSegmentType);
    if (i2sEnd_ > coeffEnd_) entry(kI2sSegmentType);
  }
  putSegmentBytes(at, kDirectoryEndMarker.data(), static_cast<int>(kDirectoryEndMarker.size()));
  // The record of 0x355 writes the byte later in the same save.
  table_.put(0x355, 0, kSegmentMark);
}

}  // namespace paramtool
