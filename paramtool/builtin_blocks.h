#pragma once
// Coefficient blocks built into the editor.

#include "paramtool/coefficient_block.h"

namespace paramtool {

// 40 zero words, then unity gain (0x4000, 0x0000).
extern const CoefficientBlock kFlatBlock;
// Speaker equaliser shaping used with AEC frequency shaping, 8 kHz (CVSD) and 16 kHz (mSBC).
extern const CoefficientBlock kAecShapingBlock8k;
extern const CoefficientBlock kAecShapingBlock16k;

}  // namespace paramtool
