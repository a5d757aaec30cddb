#include "voiceprompt/g723/fixed_codebook.h"

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
  Word32 acc0 = 0;
  for (int i = 0; i < kSubFrLen; ++i) acc0 = L_mac(acc0, occPos[i], occPos[i]);
  Word16 exp = norm_l(acc0);
  imrCorr[0] = round16(L_shl(acc0, exp));
  for (int i = 1; i < kSubFrLen; ++i) {
    acc0 = 0;
    for (int j = i; j < kSubFrLen; ++j) acc0 = L_mac(acc0, occPos[j], occPos[j - i]);
    imrCorr[i] = round16(L_shl(acc0, exp));
  }

  Word32 errBlk[kSubFrLen];
  exp = sub(exp, 4);
  for (int i = 0; i < kSubFrLen; ++i) {
    acc0 = 0;
    for (int j = i; j < kSubFrLen; ++j) acc0 = L_mac(acc0, tv[j], imr[j - i]);
    errBlk[i] = L_shl(acc0, exp);
  }

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

      Word32 wrkBlk[kSubFrLen];
      for (int i = 0; i < kSubFrLen; ++i) {
        occPos[i] = 0;
        wrkBlk[i] = errBlk[i];
      }
      temp.pamp[0] = wrkBlk[temp.ploc[0]] < 0 ? negate(maxAmp) : maxAmp;
      occPos[temp.ploc[0]] = 1;

      for (int i = 1; i < np; ++i) {
        acc1 = static_cast<Word32>(0xc0000000u);
        for (int j = k; j < kSubFrLen; j += kSgrid) {
          if (occPos[j] != 0) continue;
          acc0 = L_msu(wrkBlk[j], temp.pamp[i - 1], imrCorr[abs_s(static_cast<Word16>(temp.ploc[i - 1] - j))]);
          wrkBlk[j] = acc0;
          acc0 = L_abs(acc0);
          if (acc0 > acc1) {
            acc1 = acc0;
            temp.ploc[i] = static_cast<Word16>(j);
          }
        }
        temp.pamp[i] = wrkBlk[temp.ploc[i]] >= 0 ? maxAmp : negate(maxAmp);
        occPos[temp.ploc[i]] = 1;
      }

      // Error of this pulse set: 2 <target, y> - <y, y>.
      for (int i = 0; i < kSubFrLen; ++i) occPos[i] = 0;
      for (int i = 0; i < np; ++i) occPos[temp.ploc[i]] = temp.pamp[i];
      for (int i = kSubFrLen - 1; i >= 0; --i) {
        acc0 = 0;
        for (int j = 0; j <= i; ++j) acc0 = L_mac(acc0, occPos[j], imr[i - j]);
        occPos[i] = extract_h(L_shl(acc0, 2));
      }
      acc1 = 0;
      for (int i = 0; i < kSubFrLen; ++i) {
        acc1 = L_mac(acc1, tv[i], occPos[i]);
        acc1 = L_sub(acc1, L_shr(L_mult(occPos[i], occPos[i]), 1));
      }
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
