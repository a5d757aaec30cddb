#pragma once
// The coefficient file "Save" writes and "Load Response" reads: the 42 words of a
// coefficient block as unsigned decimals, one a line, then "/*", the designer's fields and
// "*/". Lines end with CR LF. Older files may end right after "/*".

#include <array>
#include <iosfwd>
#include <string>

#include "paramtool/coefficient_block.h"
#include "paramtool/eq_design.h"
#include "paramtool/eq_file_status.h"

namespace paramtool {

// Writes the block and, in the trailer, points, stageCount, sampleRate, globalGainDb and the
// five frequencies, gains (dB) and Qs in row order.
void writeCoefficientText(std::ostream& out, const CoefficientBlock& block, const EqDesign& fields);
EqFileStatus writeCoefficientFile(const std::string& path, const CoefficientBlock& block,
                                  const EqDesign& fields);

struct CoefficientFile {
  CoefficientBlock block;
  bool hasTrailer = false;
  EqDesign trailer;  // its fields when hasTrailer; the trailer's points and stage count are in range
};

struct CoefficientFileRead {
  EqFileStatus status = EqFileStatus::Ok;
  CoefficientFile file;
};

// Words may be written signed or unsigned (-32768 to 65535); anything else, a missing "/*",
// or a trailer that is cut short or out of range makes the file Malformed. Nothing after the
// trailer's last Q is read, so notes after it do not matter.
CoefficientFileRead readCoefficientText(std::istream& in);
CoefficientFileRead readCoefficientFile(const std::string& path);

// What loading a coefficient file puts into the designer: the block's stages as they stand
// (no redesign), the trailer's fields (without one: 48000 Hz, 16384 points, 5 stages, the
// other fields as they were) and, in every case, the global gain of the block's overall gain.
struct LoadedCoefficients {
  EqDesign design;
  std::array<Biquad, kEqStages> stages{};
};
LoadedCoefficients loadCoefficients(const CoefficientFile& file, const EqDesign& current);

}  // namespace paramtool
