#pragma once
// The DSP patch code image written into the patch segment of every table (at 0xA82).

#include <array>
#include <cstddef>
#include <cstdint>

namespace paramtool {

inline constexpr std::size_t kDspPatchImageBytes = 1273;
extern const std::array<uint8_t, kDspPatchImageBytes> kDspPatchImage;

}  // namespace paramtool
