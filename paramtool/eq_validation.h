#pragma once
// The designer's input ranges, as its fields accept them. Every action that reads the
// fields checks all of them and refuses the action on the first value out of range.

#include <optional>
#include <string>

#include "paramtool/eq_design.h"

namespace paramtool {

struct EqFieldRange {
  const char* name;   // the field's label, e.g. "Q"
  double minimum;
  double maximum;
  bool integer;       // the framework's integer message instead of the number one
  bool aboveMinimum;  // the minimum itself is refused (a Q of 0 would divide by zero)
};

namespace eq_range {
extern const EqFieldRange kFrequency;     // 1-200000 Hz
extern const EqFieldRange kGainDb;        // -100 to 20 dB
extern const EqFieldRange kQ;             // above 0, up to 1000
extern const EqFieldRange kSampleRate;    // 1-200000 Hz
extern const EqFieldRange kGlobalGainDb;  // -100 to 40 dB
extern const EqFieldRange kPoints;        // 2048-16384
extern const EqFieldRange kStageCount;    // 1-5
extern const EqFieldRange kTop;           // 1-100 dB above 0 on the plot
extern const EqFieldRange kBottom;        // 1-200 dB below 0 on the plot
extern const EqFieldRange kIterations;    // 1-100
}  // namespace eq_range

bool inRange(const EqFieldRange& range, double value);

// The first field out of range: which range, the 1-based stage row (0 for the other fields)
// and the offending value.
struct EqRangeViolation {
  const EqFieldRange* range;
  int stage;
  double value;
};

// Checks every field of the design, all five rows included, in the dialog's field order.
std::optional<EqRangeViolation> validateEqDesign(const EqDesign& design);

// The dialog framework's range message for a field, with its minimum and maximum filled in.
std::string rangeMessage(const EqFieldRange& range);

}  // namespace paramtool
