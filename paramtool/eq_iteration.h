#pragma once
// "Iteration": fits the stage gains and Qs so that the cascade, with its overlapping
// stages, meets the entered gains at the centre frequencies.

#include "paramtool/eq_design.h"

namespace paramtool {

struct EqIterationResult {
  EqStatus status = EqStatus::Ok;
  int failedStage = 0;  // 1-based position in ascending frequency order
  // The first stageCount rows sorted by ascending frequency, with their fitted gains (dB)
  // and Qs; everything else as given.
  EqDesign design;
};

// Runs `iterations` rounds on the first stageCount rows in frequency order. A centre
// frequency at or above fs fails; one between fs/2 and fs passes here (that stage stays flat)
// and is reported by the calculation that follows. The grid must have design.points bins.
EqIterationResult iterateEq(const EqDesign& design, int iterations, const ResponseGrid& grid);

}  // namespace paramtool
