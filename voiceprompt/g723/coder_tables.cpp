#include "voiceprompt/g723/coder_tables.h"

#include <algorithm>
#include <iterator>

#include "voiceprompt/g723/constants.h"

namespace g723 {

namespace {

template <std::size_t N>
void copyTable(std::int16_t (&dst)[N], const std::int16_t* src) {
  std::copy(src, src + N, dst);
}

void rowMagnitudes(const std::int16_t* rows, int count, std::int32_t* out) {
  for (int r = 0; r < count; ++r, rows += kGainRowLen) {
    std::int32_t sum = 0;
    for (int j = 0; j < kGainRowLen; ++j) sum += rows[j] < 0 ? -rows[j] : rows[j];
    out[r] = sum;
  }
}

void roundRange(std::int16_t* first, std::int16_t* last) {
  std::transform(first, last, first, roundTableEntry);
}

}  // namespace

std::int16_t roundTableEntry(std::int16_t x) {
  const int magnitude = (x < 0 ? -int{x} : int{x}) & ~0xff;
  return static_cast<std::int16_t>(x < 0 ? -magnitude : magnitude);
}

CoderTables::CoderTables() { restore(); }

void CoderTables::restore() {
  copyTable(band0_, table::Band0Tb8);
  copyTable(band1_, table::Band1Tb8);
  copyTable(band2_, table::Band2Tb8);
  copyTable(acbk085_, table::AcbkGainTable085);
  copyTable(acbk170_, table::AcbkGainTable170);
  copyTable(tabgain85_, table::tabgain85);
  copyTable(tabgain170_, table::tabgain170);
  copyTable(epsi170_, table::epsi170);
  copyTable(gain170_, table::gain170);
  updateRowMagnitudes();
}

void CoderTables::updateRowMagnitudes() {
  rowMagnitudes(acbk085_, kNbFilt085, rowMag085_);
  rowMagnitudes(acbk170_, kNbFilt170, rowMag170_);
}

void CoderTables::applyRounding() {
  roundRange(std::begin(band0_), std::end(band0_));
  roundRange(std::begin(band1_), std::end(band1_));
  roundRange(std::begin(band2_), std::end(band2_));
  roundRange(acbk085_, acbk085_ + kLimitedRows085 * kGainRowLen);
  roundRange(acbk170_, acbk170_ + kLimitedRows170 * kGainRowLen);
  roundRange(std::begin(tabgain85_), std::end(tabgain85_));
  roundRange(std::begin(tabgain170_), std::end(tabgain170_));
  roundRange(std::begin(epsi170_), std::end(epsi170_));
  roundRange(std::begin(gain170_), std::end(gain170_));
  updateRowMagnitudes();
}

const std::int16_t* CoderTables::lspBand(int band) const {
  return band == 0 ? band0_ : (band == 1 ? band1_ : band2_);
}

}  // namespace g723
