#include "voiceprompt/g723/adaptive_codebook.h"

#include "voiceprompt/g723/coder_tables.h"
#include "voiceprompt/g723/ops.h"

namespace g723 {

using namespace op;

namespace {

constexpr int kRezLen = kSubFrLen + kClPitchOrd - 1;
constexpr int kTermsPerLag = 2 * kClPitchOrd + kClPitchOrd * (kClPitchOrd - 1) / 2;
static_assert(kTermsPerLag == kGainRowLen, "a gain row weighs every correlation term");

// The excitation at the given lag, two samples either side, repeated when the lag is
// shorter than the subframe.
void getResidual(Word16 out[kRezLen], const Word16 prevExc[kPitchMax], int lag) {
  for (int i = 0; i < kClPitchOrd / 2; ++i) out[i] = prevExc[kPitchMax - lag - kClPitchOrd / 2 + i];
  for (int i = 0; i < kSubFrLen + kClPitchOrd / 2; ++i) {
    out[kClPitchOrd / 2 + i] = prevExc[kPitchMax - lag + i % lag];
  }
}

// Index of the taming procedure: how far the gain search may go beyond its safe rows.
Word16 tamingIndex(const TamingState& state, int lag1, int lag2, Word16 sineDetector) {
  const int i2 = lag2 + kClPitchOrd / 2;
  const int zone2 = mult(static_cast<Word16>(i2), 1092);
  int i1 = -kSubFrLen + 1 + lag1 - kClPitchOrd / 2;
  if (i1 <= 0) i1 = 1;
  const int zone1 = mult(static_cast<Word16>(i1), 1092);
  Word32 errMax = -1;
  for (int i = zone2; i >= zone1; --i) {
    if (L_sub(state.err[i], errMax) > 0) errMax = state.err[i];
  }
  const Word32 acc = L_sub(errMax, kThreshErr);
  if (acc > 0 || sineDetector < 0) return 0;
  return extract_l(L_shr(L_negate(acc), kDecShift));
}

int gainTableFor(int lag) { return lag >= kSubFrLen - 2 ? 1 : 0; }

}  // namespace

void searchAdaptive(Word16 target[kSubFrLen], const Word16 ir[kSubFrLen], const Word16 prevExc[kPitchMax],
                    FrameParams& line, int sfc, const AdaptiveSearch& search) {
  const bool even = (sfc & 1) == 0;
  Word16 olp = line.olp[sfc >> 1];
  if (even) {
    if (olp == kPitchMin) olp = add(olp, 1);
    if (olp > kPitchMax - 5) olp = kPitchMax - 5;
  }
  const int hb = 3 + (sfc & 1);

  // The impulse response reversed, so that convolutions run forward over memory.
  Word16 irRev[kSubFrLen];
  for (int i = 0; i < kSubFrLen; ++i) irRev[i] = ir[kSubFrLen - 1 - i];
  const Word32 maxIr = maxAbs(ir, kSubFrLen);
  const Word32 maxTarget = maxAbs(target, kSubFrLen);

  Word32 corBuf[4 * kTermsPerLag];
  Word32* lp = corBuf;
  Word16 rez[kRezLen];
  for (int k = 0; k < hb; ++k) {
    getResidual(rez, prevExc, olp - kPstep + k);
    // The five tap signals filtered by the impulse response; each one is the next shifted
    // by a sample, plus the new first sample.
    Word16 flt[kClPitchOrd][kSubFrLen];
    const Word32 maxRez = maxAbs(&rez[kClPitchOrd - 1], kSubFrLen);
    for (int i = 0; i < kSubFrLen; ++i) {
      flt[kClPitchOrd - 1][i] =
          round16(L_macSum(0, &rez[kClPitchOrd - 1], &irRev[kSubFrLen - 1 - i], i + 1, maxRez, maxIr));
    }
    for (int i = kClPitchOrd - 2; i >= 0; --i) {
      flt[i][0] = mult_r(rez[i], 0x2000);
      for (int j = 1; j < kSubFrLen; ++j) {
        Word32 acc = L_deposit_h(flt[i + 1][j - 1]);
        acc = L_mac(acc, rez[i], ir[j]);
        flt[i][j] = round16(acc);
      }
    }
    Word32 maxFlt[kClPitchOrd];
    for (int i = 0; i < kClPitchOrd; ++i) maxFlt[i] = maxAbs(flt[i], kSubFrLen);
    for (int i = 0; i < kClPitchOrd; ++i) {
      *lp++ = L_shl(L_productSum(0, target, flt[i], kSubFrLen, maxTarget, maxFlt[i]), 1);
    }
    for (int i = 0; i < kClPitchOrd; ++i) *lp++ = L_macSum(0, flt[i], flt[i], kSubFrLen, maxFlt[i], maxFlt[i]);
    for (int i = 1; i < kClPitchOrd; ++i) {
      for (int j = 0; j < i; ++j) {
        *lp++ = L_shl(L_productSum(0, flt[i], flt[j], kSubFrLen, maxFlt[i], maxFlt[j]), 2);
      }
    }
  }

  Word32 peak = 0;
  for (int i = 0; i < hb * kTermsPerLag; ++i) {
    const Word32 a = L_abs(corBuf[i]);
    if (a > peak) peak = a;
  }
  const Word16 exp = norm_l(peak);
  Word16 corVct[4 * kTermsPerLag];
  for (int i = 0; i < hb * kTermsPerLag; ++i) corVct[i] = round16(L_shl(corBuf[i], exp));

  const Word16 t = tamingIndex(*search.taming, olp - kPstep, olp - kPstep + hb - 1, search.sineDetector);
  int bound[2] = {kNbFilt085Min + shl(t, 2), kNbFilt170Min + shl(t, 3)};
  if (bound[0] > kNbFilt085) bound[0] = kNbFilt085;
  if (bound[1] > kNbFilt170) bound[1] = kNbFilt170;
  if (search.limitGainSearch) {
    if (bound[0] > kLimitedRows085) bound[0] = kLimitedRows085;
    if (bound[1] > kLimitedRows170) bound[1] = kLimitedRows170;
  }

  Word32 best = 0;
  Word16 gid = 0;
  Word16 lid = kPstep;
  for (int k = 0; k < hb; ++k) {
    const int which = gainTableFor(even ? olp - kPstep + k : olp);
    const Word16* row = search.tables->acbkGain(which);
    const std::int32_t* rowMagnitude = search.tables->acbkRowMagnitude(which);
    const Word16* terms = &corVct[k * kTermsPerLag];
    const Word32 maxTerm = maxAbs(terms, kTermsPerLag);
    for (int i = 0; i < bound[which]; ++i, row += kGainRowLen) {
      // maxTerm times the row's magnitude bounds every partial sum of the row's products
      const bool safe = maxTerm < 32768 && std::int64_t{maxTerm} * rowMagnitude[i] <= kMax32;
      const Word32 acc = safe ? dot(terms, row, kGainRowLen) : L_productSum(0, terms, row, kGainRowLen);
      if (acc > best) {
        best = acc;
        gid = static_cast<Word16>(i);
        lid = static_cast<Word16>(k);
      }
    }
  }
  if (even) {
    olp = static_cast<Word16>(olp - kPstep + lid);
    lid = kPstep;
  }
  line.sfs[sfc].acLg = lid;
  line.sfs[sfc].acGn = gid;
  line.olp[sfc >> 1] = olp;

  // Subtract the pitch contribution from the target.
  decodeAdaptive(rez, prevExc, olp, lid, gid, *search.tables);
  const Word32 maxPitch = maxAbs(rez, kSubFrLen);
  for (int i = 0; i < kSubFrLen; ++i) {
    const Word32 acc =
        L_msuSum(L_shr(L_deposit_h(target[i]), 1), rez, &irRev[kSubFrLen - 1 - i], i + 1, maxPitch, maxIr);
    target[i] = round16(L_shl(acc, 1));
  }
}

void decodeAdaptive(Word16 out[kSubFrLen], const Word16 prevExc[kPitchMax], Word16 olp, Word16 lid, Word16 gid,
                    const CoderTables& tables) {
  Word16 rez[kRezLen];
  getResidual(rez, prevExc, olp - kPstep + lid);
  const Word16* gains = tables.acbkGain(gainTableFor(olp)) + gid * kGainRowLen;
  for (int i = 0; i < kSubFrLen; ++i) {
    Word32 acc = 0;
    for (int j = 0; j < kClPitchOrd; ++j) acc = L_mac(acc, rez[i + j], gains[j]);
    out[i] = round16(L_shl(acc, 1));
  }
}

void updateTaming(TamingState& state, Word16 olp, Word16 acLg, Word16 acGn, const CoderTables& tables) {
  const Word16 lag = static_cast<Word16>(olp - kPstep + acLg);
  const Word16 beta = tables.tamingGain(gainTableFor(olp))[acGn];
  auto worst = [&](int zone) { return L_add(kErr0, L_shl(L_mls(state.err[zone], beta), 2)); };

  Word32 worst0;
  Word32 worst1;
  if (lag <= kSubFrLen / 2) {
    worst0 = worst1 = worst(0);
  } else {
    // zone of 30 samples the lag reaches into (iz is slightly below lag / 30)
    const Word16 iz = mult(lag, 1092);
    if ((iz + 1) * kSubFrLen / 2 != lag) {
      if (iz == 1) {
        worst0 = worst(0);
        worst1 = worst(1);
        if (worst0 > worst1) {
          worst1 = worst0;
        } else {
          worst0 = worst1;
        }
      } else {
        worst0 = worst(iz - 2);
        const Word32 middle = worst(iz - 1);
        if (middle > worst0) worst0 = middle;
        worst1 = worst(iz);
        if (middle > worst1) worst1 = middle;
      }
    } else {
      worst0 = worst(iz - 1);
      worst1 = worst(iz);
    }
  }
  for (int i = kSizErr - 1; i >= 2; --i) state.err[i] = state.err[i - 2];
  state.err[0] = worst0;
  state.err[1] = worst1;
}

}  // namespace g723
