#include "voiceprompt/g723/pitch.h"

#include "voiceprompt/g723/ops.h"

namespace g723 {

using namespace op;

Word16 estimatePitch(const Word16* buf, int start) {
  Word16 index = kPitchMin;
  Word16 bestExp = 30;
  Word16 bestCcr = 0x4000;
  Word16 bestEnr = 0x7fff;

  // magnitudes of the target block and of every lagged block, for the correlations
  const Word32 maxTarget = maxAbs(&buf[start], 2 * kSubFrLen);
  const Word32 maxLagged = maxAbs(&buf[start - (kPitchMax - 3)], kPitchMax - 3 + 2 * kSubFrLen - kPitchMin);

  int pr = start - kPitchMin + 1;
  Word32 energy = 0;
  for (int j = 0; j < 2 * kSubFrLen; ++j) energy = L_mac(energy, buf[pr + j], buf[pr + j]);

  for (int i = kPitchMin; i <= kPitchMax - 3; ++i) {
    --pr;
    energy = L_msu(energy, buf[pr + 2 * kSubFrLen], buf[pr + 2 * kSubFrLen]);
    energy = L_mac(energy, buf[pr], buf[pr]);

    const Word32 cross = L_macSum(0, &buf[start], &buf[pr], 2 * kSubFrLen, maxTarget, maxLagged);
    if (cross <= 0) continue;

    // cross^2 / energy as mantissas and one exponent
    Word16 exp = norm_l(cross);
    Word32 acc = L_shl(cross, exp);
    exp = shl(exp, 1);
    Word16 ccr = round16(acc);
    acc = L_mult(ccr, ccr);
    Word16 shift = norm_l(acc);
    acc = L_shl(acc, shift);
    exp = add(exp, shift);
    ccr = extract_h(acc);

    shift = norm_l(energy);
    acc = L_shl(energy, shift);
    exp = sub(exp, shift);
    const Word16 enr = round16(acc);

    if (ccr >= enr) {
      exp = sub(exp, 1);
      ccr = shr(ccr, 1);
    }
    if (exp > bestExp) continue;

    if (exp + 1 < bestExp) {
      index = static_cast<Word16>(i);
      bestExp = exp;
      bestCcr = ccr;
      bestEnr = enr;
      continue;
    }
    const Word16 tmp = (exp + 1 == bestExp) ? shr(bestCcr, 1) : bestCcr;
    acc = L_msu(L_mult(ccr, bestEnr), enr, tmp);
    if (acc <= 0) continue;
    if (i - index < kPitchMin) {
      index = static_cast<Word16>(i);
      bestExp = exp;
      bestCcr = ccr;
      bestEnr = enr;
    } else {
      // a lag far from the current best must be clearly better
      acc = L_mult(ccr, bestEnr);
      acc = L_negate(L_shr(acc, 2));
      acc = L_mac(acc, ccr, bestEnr);
      acc = L_msu(acc, enr, tmp);
      if (acc > 0) {
        index = static_cast<Word16>(i);
        bestExp = exp;
        bestCcr = ccr;
        bestEnr = enr;
      }
    }
  }
  return index;
}

HarmonicFilter harmonicFilter(const Word16* buf, int start, Word16 olp) {
  constexpr int kTerms = 2 * (2 * kPwRange + 1) + 1;
  Word32 lcr[kTerms];
  lcr[0] = 0;
  for (int i = 0; i < kSubFrLen; ++i) lcr[0] = L_mac(lcr[0], buf[start + i], buf[start + i]);
  for (int i = 0; i <= 2 * kPwRange; ++i) {
    const Word16* lagged = &buf[start - (olp - kPwRange + i)];
    Word32 cross = 0;
    Word32 energy = 0;
    for (int j = 0; j < kSubFrLen; ++j) {
      cross = L_mac(cross, buf[start + j], lagged[j]);
      energy = L_mac(energy, lagged[j], lagged[j]);
    }
    lcr[2 * i + 1] = energy;
    lcr[2 * i + 2] = cross;
  }
  Word32 peak = 0;
  for (int i = 0; i < kTerms; ++i) {
    const Word32 a = L_abs(lcr[i]);
    if (a > peak) peak = a;
  }
  const Word16 exp = norm_l(peak);
  Word16 scr[kTerms];
  for (int i = 0; i < kTerms; ++i) scr[i] = round16(L_shl(lcr[i], exp));

  HarmonicFilter pw;
  int best = -1;
  Word16 bestCcr = 1;
  Word16 bestEnr = 0x7fff;
  for (int i = 0; i <= 2 * kPwRange; ++i) {
    const Word16 enr = scr[2 * i + 1];
    const Word16 ccr = scr[2 * i + 2];
    if (ccr <= 0) continue;
    const Word16 sq = mult_r(ccr, ccr);
    if (L_msu(L_mult(sq, bestEnr), enr, bestCcr) > 0) {
      bestCcr = sq;
      bestEnr = enr;
      best = i;
    }
  }
  if (best == -1) {
    pw.lag = olp;
    return pw;
  }
  // Only a strong enough prediction switches the filter on.
  Word32 acc0 = L_mult(scr[0], bestEnr);
  const Word32 acc1 = L_shr(acc0, 3);
  acc0 = L_add(L_shr(acc0, 2), acc1);
  acc0 = L_sub(acc0, L_mult(scr[2 * best + 2], scr[2 * best + 2]));
  if (acc0 < 0) {
    const Word16 ccr = scr[2 * best + 2];
    pw.gain = ccr >= bestEnr ? static_cast<Word16>(kPwConst) : mult_r(div_s(ccr, bestEnr), kPwConst);
  }
  pw.lag = static_cast<Word16>(olp - kPwRange + best);
  return pw;
}

void applyHarmonicFilter(Word16* out, const Word16* buf, int start, HarmonicFilter pw) {
  for (int i = 0; i < kSubFrLen; ++i) {
    Word32 acc = L_deposit_h(buf[kPitchMax + start + i]);
    acc = L_msu(acc, pw.gain, buf[kPitchMax + start - pw.lag + i]);
    out[start + i] = round16(acc);
  }
}

}  // namespace g723
