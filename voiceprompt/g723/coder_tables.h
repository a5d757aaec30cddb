#pragma once
// The coder tables that the voice-prompt conversion rounds. Every coder instance reads
// them through one CoderTables object, so the standard and the rounded form can live
// side by side (for checking) while a conversion rounds its own copy in place.

#include <cstdint>

#include "voiceprompt/g723/tables.h"

namespace g723 {

class CoderTables {
 public:
  CoderTables();  // the published values

  // Replaces every rounded entry x by sign(x) * (|x| rounded down to a multiple of 256):
  // the three LSP codebooks, the first 48 rows of the 85-row and the first 96 rows of
  // the 170-row pitch gain table, and the four gain tables of the taming procedure and
  // the 5.3 kbit/s excitation. Applying it again changes nothing.
  void applyRounding();

  // Back to the published values.
  void restore();

  const std::int16_t* lspBand(int band) const;
  // The 85-row table (index 0) or the 170-row table (index 1).
  const std::int16_t* acbkGain(int which) const { return which == 0 ? acbk085_ : acbk170_; }
  // Sum of the magnitudes of each gain row, for bounding the gain search's sums.
  const std::int32_t* acbkRowMagnitude(int which) const { return which == 0 ? rowMag085_ : rowMag170_; }
  const std::int16_t* tamingGain(int which) const { return which == 0 ? tabgain85_ : tabgain170_; }
  const std::int16_t* epsi170() const { return epsi170_; }
  const std::int16_t* gain170() const { return gain170_; }

 private:
  void updateRowMagnitudes();

  std::int16_t band0_[table::Band0Tb8Size];
  std::int16_t band1_[table::Band1Tb8Size];
  std::int16_t band2_[table::Band2Tb8Size];
  std::int16_t acbk085_[table::AcbkGainTable085Size];
  std::int16_t acbk170_[table::AcbkGainTable170Size];
  std::int32_t rowMag085_[table::AcbkGainTable085Size / 20];
  std::int32_t rowMag170_[table::AcbkGainTable170Size / 20];
  std::int16_t tabgain85_[table::tabgain85Size];
  std::int16_t tabgain170_[table::tabgain170Size];
  std::int16_t epsi170_[table::epsi170Size];
  std::int16_t gain170_[table::gain170Size];
};

// sign(x) * (|x| rounded down to a multiple of 256).
std::int16_t roundTableEntry(std::int16_t x);

}  // namespace g723
