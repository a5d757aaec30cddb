#pragma once
// Fixed layout of the segments in the upper half of the DSP table.
//
//   0x800  chip header (8 bytes)
//   0x808  EQ coefficient segment header (type 0xD1)
//   0x812  coefficient blocks 0-4 (5 x 84 bytes)
//   0x9B6  I2S/PCM segment header (type 0xD2), 184 register bytes from 0x9C0
//   0xA78  patch segment header (type 0xD0), patch image from 0xA82
//   0xF7B  segment directory, then the end marker 99 66 00 00
//
// A segment header is: type, flag, data length + 6 (16-bit big-endian), the version bytes
// 1 0 0 6 (program version "1.0.0.6"), data length (16-bit big-endian).

#include <array>
#include <cstdint>

namespace paramtool {

inline constexpr int kChipHeaderAt = 0x800;
inline constexpr std::array<uint8_t, 8> kChipHeader = {0x01, 0x00, 0x00, 0x04, 0x08, 0xC1, 0xA0, 0x26};

inline constexpr int kSegmentHeaderBytes = 10;
inline constexpr uint8_t kPatchSegmentType = 0xD0;
inline constexpr uint8_t kEqSegmentType = 0xD1;
inline constexpr uint8_t kI2sSegmentType = 0xD2;
inline constexpr std::array<uint8_t, 4> kSegmentVersion = {1, 0, 0, 6};

inline constexpr int kEqHeaderAt = 0x808;
inline constexpr int kCoefficientSlots = 5;
inline constexpr std::array<int, kCoefficientSlots> kSlotAddresses = {0x812, 0x866, 0x8BA, 0x90E, 0x962};
inline constexpr int kCoefficientDataBytes = 420;       // all five blocks
inline constexpr int kCoefficientDataEnd = 0x812 + 420;  // 0x9B6
inline constexpr int kStagingWords = kCoefficientDataBytes / 2;

inline constexpr int kI2sRegisterCount = 184;

inline constexpr uint8_t kDirectoryType = 0x90;
inline constexpr int kDirectoryEntryBytes = 6;
inline constexpr std::array<uint8_t, 4> kDirectoryEndMarker = {0x99, 0x66, 0x00, 0x00};

}  // namespace paramtool
