#include "voiceprompt/g723/fixed_codebook.h"

#include <utility>

#include "voiceprompt/g723/ops.h"
#include "voiceprompt/g723/tables.h"

namespace g723 {

using namespace op;

namespace {

struct Pulses {
  Word32 maxErr = static_cast<Word32>(0xc0000000u);
  Word16 gridId = 0;
  Word16 mampId = 0;
  Word16 useTrn = 0;
  Word16 pamp[kMaxPulseNum] = {};
  Word16 ploc[kMaxPulseNum] = {};
};

// Repeats src with period olp (olp below the subframe length).
void pulseTrain(Word16* dst, const Word16* src, Word16 olp) {
  Word16 tmp[kSubFrLen];
  for (int i = 0; i < kSubFrLen; ++i) tmp[i] = dst[i] = src[i];
  for (Word16 lag = olp; lag < kSubFrLen; lag = add(lag, olp)) {
    for (int i = lag; i < kSubFrLen; ++i) dst[i] = add(dst[i], tmp[i - lag]);
  }
}

// y = the pulses convolved with imr, truncated to the subframe. The sum for each sample
// runs over the pulses in position order, as the full convolution would (its other terms
// are zero), so saturation happens exactly where it would there.
void filterPulses(Word16 y[kSubFrLen], const Pulses& p, int np, const Word16 imr[kSubFrLen]) {
  int order[kMaxPulseNum];
  for (int i = 0; i < np; ++i) order[i] = i;
  for (int i = 1; i < np; ++i) {
    for (int j = i; j > 0 && p.ploc[order[j]] < p.ploc[order[j - 1]]; --j) std::swap(order[j], order[j - 1]);
  }
  for (int i = 0; i < kSubFrLen; ++i) {
    Word32 acc = 0;
    for (int k = 0; k < np && p.ploc[order[k]] <= i; ++k) acc = L_mac(acc, p.pamp[order[k]], imr[i - p.ploc[order[k]]]);
    y[i] = extract_h(L_shl(acc, 2));
  }
}

// acc = L_sub(L_mac(acc, tv[i], y[i]), L_shr(L_mult(y[i], y[i]), 1)) over the subframe.
Word32 pulseSetError(const Word16 tv[kSubFrLen], const Word16 y[kSubFrLen]) {
  std::int64_t sum = 0;
  std::int64_t magnitude = 0;
  for (int i = 0; i < kSubFrLen; ++i) {
    const std::int64_t cross = L_mult(tv[i], y[i]);
    const std::int64_t energy = L_mult(y[i], y[i]) >> 1;
    sum += cross - energy;
    magnitude += (cross < 0 ? -cross : cross) + energy;
  }
  if (magnitude <= kMax32) return static_cast<Word32>(sum);
  Word32 acc = 0;
  for (int i = 0; i < kSubFrLen; ++i) acc = L_sub(L_mac(acc, tv[i], y[i]), L_shr(L_mult(y[i], y[i]), 1));
  return acc;
}

// Places np pulses of amplitude maxAmp on grid k, the first one at temp.ploc[0] given:
// each next pulse goes where the correlation left by the previous ones is largest.
// err holds the grid's correlations (magnitudes at most maxErr), corr the impulse
// response's autocorrelation at even lags (magnitudes at most maxCorr).
void placePulses(Pulses& temp, const Word32* err, const Word16* corr, Word32 maxErr, Word32 maxCorr, int np,
                 Word16 maxAmp) {
  constexpr int kGridLen = kSubFrLen / kSgrid;
  const int k = temp.gridId;
  Word32 wrk[kGridLen];
  bool occupied[kGridLen] = {};
  for (int n = 0; n < kGridLen; ++n) wrk[n] = err[n];
  int at = (temp.ploc[0] - k) / kSgrid;
  temp.pamp[0] = wrk[at] < 0 ? negate(maxAmp) : maxAmp;
  occupied[at] = true;
  std::int64_t bound = maxErr;  // no |wrk[n]| exceeds it
  for (int i = 1; i < np; ++i) {
    // Remove the last pulse's contribution: wrk[n] = L_msu(wrk[n], amp, corr[|at - n|]).
    // Occupied positions are updated too; they are never looked at again.
    const Word16 amp = temp.pamp[i - 1];
    const std::int64_t step = 2 * std::int64_t{amp < 0 ? -amp : amp} * maxCorr;
    if (bound + step <= kMax32) {
      for (int n = 0; n < at; ++n) wrk[n] -= 2 * Word32{amp} * corr[at - n];
      for (int n = at; n < kGridLen; ++n) wrk[n] -= 2 * Word32{amp} * corr[n - at];
      bound += step;
    } else {
      for (int n = 0; n < kGridLen; ++n) wrk[n] = L_msu(wrk[n], amp, corr[n < at ? at - n : n - at]);
      bound = kMax32;
    }
    Word32 peak = static_cast<Word32>(0xc0000000u);
    for (int n = 0; n < kGridLen; ++n) {
      if (occupied[n]) continue;
      const Word32 a = L_abs(wrk[n]);
      if (a > peak) {
        peak = a;
        at = n;
      }
    }
    temp.ploc[i] = static_cast<Word16>(k + kSgrid * at);
    temp.pamp[i] = wrk[at] >= 0 ? maxAmp : negate(maxAmp);
    occupied[at] = true;
  }
}

void findBest(Pulses& best, const Word16 tv[kSubFrLen], const Word16 ir[kSubFrLen], int np, Word16 olp) {
  Pulses temp;
  Word16 imr[kSubFrLen];
  if (olp < kSubFrLen - 2) {
    temp.useTrn = 1;
    pulseTrain(imr, ir, olp);
  } else {
    temp.useTrn = 0;
    for (int i = 0; i < kSubFrLen; ++i) imr[i] = ir[i];
  }

  Word16 occPos[kSubFrLen];
  for (int i = 0; i < kSubFrLen; ++i) occPos[i] = shr(imr[i], 1);
  Word16 imrCorr[kSubFrLen];
  const Word32 maxOcc = maxAbs(occPos, kSubFrLen);
  Word32 acc0 = L_macSum(0, occPos, occPos, kSubFrLen, maxOcc, maxOcc);
  Word16 exp = norm_l(acc0);
  imrCorr[0] = round16(L_shl(acc0, exp));
  for (int i = 1; i < kSubFrLen; ++i) {
    imrCorr[i] = round16(L_shl(L_macSum(0, &occPos[i], occPos, kSubFrLen - i, maxOcc, maxOcc), exp));
  }

  Word32 errBlk[kSubFrLen];
  exp = sub(exp, 4);
  const Word32 maxTv = maxAbs(tv, kSubFrLen);
  const Word32 maxImr = maxAbs(imr, kSubFrLen);
  for (int i = 0; i < kSubFrLen; ++i) errBlk[i] = L_shl(L_macSum(0, &tv[i], imr, kSubFrLen - i, maxTv, maxImr), exp);

  // The search runs on each grid's 30 positions; pulses on one grid lie an even
  // distance apart, so only the even lags of imrCorr are needed.
  constexpr int kGridLen = kSubFrLen / kSgrid;
  Word32 errGrid[kSgrid][kGridLen];
  Word32 maxErrGrid[kSgrid] = {};
  for (int i = 0; i < kSubFrLen; ++i) {
    errGrid[i % kSgrid][i / kSgrid] = errBlk[i];
    const Word32 a = L_abs(errBlk[i]);
    if (a > maxErrGrid[i % kSgrid]) maxErrGrid[i % kSgrid] = a;
  }
  Word16 corrGrid[kGridLen];
  for (int d = 0; d < kGridLen; ++d) corrGrid[d] = imrCorr[kSgrid * d];
  const Word32 maxCorr = maxAbs(corrGrid, kGridLen);

  for (int k = 0; k < kSgrid; ++k) {
    temp.gridId = static_cast<Word16>(k);

    Word32 acc1 = 0;
    for (int i = k; i < kSubFrLen; i += kSgrid) {
      acc0 = L_abs(errBlk[i]);
      if (acc0 >= acc1) {
        acc1 = acc0;
        temp.ploc[0] = static_cast<Word16>(i);
      }
    }

    // Quantise the largest amplitude to the nearest gain level.
    const Word32 peak = acc1;
    acc1 = 0x40000000;
    Word16 maxAmpId = kNumOfGainLev - kMlqSteps;
    for (int i = maxAmpId; i >= kMlqSteps; --i) {
      acc0 = L_mult(table::FcbkGainTable[i], imrCorr[0]);
      acc0 = L_abs(L_sub(acc0, peak));
      if (acc0 < acc1) {
        acc1 = acc0;
        maxAmpId = static_cast<Word16>(i);
      }
    }

    // Try the levels around it.
    for (int l = -kMlqSteps; l < kMlqSteps; ++l) {
      temp.mampId = static_cast<Word16>(maxAmpId + l);
      const Word16 maxAmp = table::FcbkGainTable[temp.mampId];

      placePulses(temp, &errGrid[k][0], corrGrid, maxErrGrid[k], maxCorr, np, maxAmp);

      // Error of this pulse set: 2 <target, y> - <y, y>, y the pulses filtered by imr.
      Word16 y[kSubFrLen];
      filterPulses(y, temp, np, imr);
      acc1 = pulseSetError(tv, y);
      if (acc1 > best.maxErr) {
        best.maxErr = acc1;
        best.gridId = temp.gridId;
        best.mampId = temp.mampId;
        best.useTrn = temp.useTrn;
        for (int i = 0; i < np; ++i) {
          best.pamp[i] = temp.pamp[i];
          best.ploc[i] = temp.ploc[i];
        }
      }
    }
  }
}

void packPulses(const Word16 exc[kSubFrLen], SubframeParams& sfs, const Pulses& best, int np) {
  int j = kMaxPulseNum - np;
  sfs.pamp = 0;
  sfs.ppos = 0;
  for (int i = 0; i < kSubFrLen / kSgrid; ++i) {
    const Word16 v = exc[best.gridId + kSgrid * i];
    if (v == 0) {
      sfs.ppos = L_add(sfs.ppos, table::CombinatorialTable[j * 30 + i]);
    } else {
      sfs.pamp = shl(sfs.pamp, 1);
      if (v < 0) sfs.pamp = add(sfs.pamp, 1);
      if (++j == kMaxPulseNum) break;
    }
  }
  sfs.mamp = best.mampId;
  sfs.grid = best.gridId;
  sfs.tran = best.useTrn;
}

}  // namespace

void searchFixed(Word16 target[kSubFrLen], const Word16 ir[kSubFrLen], FrameParams& line, int sfc) {
  const int np = table::Nb_puls[sfc];
  const Word16 olp = line.olp[sfc >> 1];
  Pulses best;
  findBest(best, target, ir, np, kSubFrLen);
  if (olp < kSubFrLen - 2) findBest(best, target, ir, np, olp);

  for (int i = 0; i < kSubFrLen; ++i) target[i] = 0;
  for (int i = 0; i < np; ++i) target[best.ploc[i]] = best.pamp[i];
  packPulses(target, line.sfs[sfc], best, np);
  if (best.useTrn == 1) pulseTrain(target, target, olp);
}

void decodeFixed(Word16 out[kSubFrLen], const SubframeParams& sfs, Word16 olp, int sfc) {
  const int np = table::Nb_puls[sfc];
  for (int i = 0; i < kSubFrLen; ++i) out[i] = 0;
  if (sfs.ppos < 0 || sfs.ppos >= table::MaxPosTable[sfc]) return;
  int j = kMaxPulseNum - np;
  Word32 acc = sfs.ppos;
  const Word16 amp = table::FcbkGainTable[sfs.mamp];
  for (int i = 0; i < kSubFrLen / kSgrid; ++i) {
    acc = L_sub(acc, table::CombinatorialTable[j * 30 + i]);
    if (acc < 0) {
      acc = L_add(acc, table::CombinatorialTable[j * 30 + i]);
      ++j;
      const bool negative = (sfs.pamp & (1 << (kMaxPulseNum - j))) != 0;
      out[sfs.grid + kSgrid * i] = negative ? negate(amp) : amp;
      if (j == kMaxPulseNum) break;
    }
  }
  if (sfs.tran == 1) pulseTrain(out, out, olp);
}

}  // namespace g723
