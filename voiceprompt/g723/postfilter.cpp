#include "voiceprompt/g723/postfilter.h"

#include "voiceprompt/g723/analysis.h"
#include "voiceprompt/g723/ops.h"
#include "voiceprompt/g723/tables.h"

namespace g723 {

using namespace op;

namespace {

constexpr int kRate63 = 0;

Word16 squareRoot(Word32 num) {
  Word16 rez = 0;
  Word16 bit = 0x4000;
  for (int i = 0; i < 14; ++i) {
    const Word16 trial = add(rez, bit);
    if (num >= L_mult(trial, trial)) rez = trial;
    bit = shr(bit, 1);
  }
  return rez;
}

// The lag around the pair's lag (within 3) whose samples, before (direction -1) or after
// (+1) the subframe, correlate best with it; 0 when none correlates positively. Later
// samples must lie within the frame.
Word16 bestPostFilterLag(const Word16* buf, Word16 olp, int sfc, int direction) {
  if (olp > kPitchMax - 3) olp = static_cast<Word16>(kPitchMax - 3);
  const Word16* cur = &buf[kPitchMax + sfc * kSubFrLen];
  Word16 index = 0;
  Word32 best = 0;
  for (int i = olp - 3; i <= olp + 3; ++i) {
    Word32 acc = 0;
    if (direction < 0 || sfc * kSubFrLen + kSubFrLen + i <= kFrame) {
      for (int j = 0; j < kSubFrLen; ++j) acc = L_mac(acc, cur[j], cur[direction * i + j]);
    }
    if (acc > best) {
      best = acc;
      index = static_cast<Word16>(direction * i);
    }
  }
  return index;
}

PitchPostFilter gainsFor(Word16 indx, Word16 ten, Word16 ccr, Word16 enr) {
  PitchPostFilter pf;
  pf.indx = indx;
  Word32 acc0 = L_shr(L_mult(ten, enr), 2);
  Word32 acc1 = L_mult(ccr, ccr);
  if (acc1 > acc0) {
    const Word16 weight = table::LpfConstTable[kRate63];
    pf.gain = ccr >= enr ? weight : mult(div_s(ccr, enr), weight);
    // scale so that the filtered excitation keeps the energy of the input
    acc0 = L_shr(L_deposit_h(ten), 1);
    acc0 = L_mac(acc0, ccr, pf.gain);
    Word16 exp = mult(pf.gain, pf.gain);
    acc1 = L_shr(L_mult(enr, exp), 1);
    acc0 = L_add(acc0, acc1);
    exp = round16(acc0);
    acc1 = L_shr(L_deposit_h(ten), 1);
    acc0 = L_deposit_h(exp);
    exp = acc1 >= acc0 ? static_cast<Word16>(0x7fff) : div_l(acc1, exp);
    pf.scGn = squareRoot(L_deposit_h(exp));
  } else {
    pf.gain = 0;
    pf.scGn = 0x7fff;
  }
  pf.gain = mult(pf.gain, pf.scGn);
  return pf;
}

}  // namespace

PitchPostFilter pitchPostFilter(const Word16* buf, Word16 olp, int sfc) {
  const Word16 bindx = bestPostFilterLag(buf, olp, sfc, -1);
  const Word16 findx = bestPostFilterLag(buf, olp, sfc, +1);
  if (bindx == 0 && findx == 0) return PitchPostFilter{};

  const Word16* cur = &buf[kPitchMax + sfc * kSubFrLen];
  Word32 lcr[5] = {};
  for (int j = 0; j < kSubFrLen; ++j) lcr[0] = L_mac(lcr[0], cur[j], cur[j]);
  if (bindx != 0) {
    for (int j = 0; j < kSubFrLen; ++j) {
      lcr[1] = L_mac(lcr[1], cur[j], cur[bindx + j]);
      lcr[2] = L_mac(lcr[2], cur[bindx + j], cur[bindx + j]);
    }
  }
  if (findx != 0) {
    for (int j = 0; j < kSubFrLen; ++j) {
      lcr[3] = L_mac(lcr[3], cur[j], cur[findx + j]);
      lcr[4] = L_mac(lcr[4], cur[findx + j], cur[findx + j]);
    }
  }
  Word32 peak = 0;
  for (const Word32 v : lcr) {
    if (v > peak) peak = v;
  }
  const Word16 exp = norm_l(peak);
  Word16 scr[5];
  for (int i = 0; i < 5; ++i) scr[i] = extract_h(L_shl(lcr[i], exp));

  if (bindx != 0 && findx == 0) return gainsFor(bindx, scr[0], scr[1], scr[2]);
  if (bindx == 0 && findx != 0) return gainsFor(findx, scr[0], scr[3], scr[4]);
  const Word32 back = L_mult(mult_r(scr[1], scr[1]), scr[4]);
  const Word32 forward = L_mult(mult_r(scr[3], scr[3]), scr[2]);
  return back > forward ? gainsFor(bindx, scr[0], scr[1], scr[2]) : gainsFor(findx, scr[0], scr[3], scr[4]);
}

void applyPitchPostFilter(Word16* out, const Word16* buf, PitchPostFilter pf, int sfc) {
  const Word16* cur = &buf[kPitchMax + sfc * kSubFrLen];
  for (int i = 0; i < kSubFrLen; ++i) {
    Word32 acc = L_mult(cur[i], pf.scGn);
    acc = L_mac(acc, cur[pf.indx + i], pf.gain);
    out[sfc * kSubFrLen + i] = round16(acc);
  }
}

void synthesise(Word16 speech[kSubFrLen], const Word16 lpc[kLpcOrder], SynthesisState& state) {
  for (int i = 0; i < kSubFrLen; ++i) {
    Word32 acc = L_shr(L_deposit_h(speech[i]), 3);
    for (int j = 0; j < kLpcOrder; ++j) acc = L_mac(acc, lpc[j], state.syntIir[j]);
    for (int j = kLpcOrder - 1; j > 0; --j) state.syntIir[j] = state.syntIir[j - 1];
    state.syntIir[0] = round16(L_shl(acc, 2));
    speech[i] = state.syntIir[0];
  }
}

Word32 formantPostFilter(Word16 speech[kSubFrLen], const Word16 lpc[kLpcOrder], SynthesisState& state) {
  Word16 firCoef[kLpcOrder];
  Word16 iirCoef[kLpcOrder];
  for (int i = 0; i < kLpcOrder; ++i) {
    firCoef[i] = mult_r(lpc[i], table::PostFiltZeroTable[i]);
    iirCoef[i] = mult_r(lpc[i], table::PostFiltPoleTable[i]);
  }

  // First two autocorrelation terms of the normalised input.
  Word16 tmp[kSubFrLen];
  for (int i = 0; i < kSubFrLen; ++i) tmp[i] = speech[i];
  const Word16 exp = normaliseVector(tmp, kSubFrLen);
  Word32 r1 = 0;
  Word32 r0 = L_mult(tmp[0], tmp[0]);
  for (int i = 1; i < kSubFrLen; ++i) {
    r1 = L_mac(r1, tmp[i], tmp[i - 1]);
    r0 = L_mac(r0, tmp[i], tmp[i]);
  }
  const Word32 energy = L_shr(r0, 2 * exp + 4);

  // First reflection coefficient, smoothed, sets the tilt compensation.
  Word16 k1 = extract_h(r0);
  if (k1 != 0) {
    const Word32 half = L_shr(r1, 1);
    k1 = div_l(L_abs(half), k1);
    if (half < 0) k1 = negate(k1);
  }
  Word32 acc = L_deposit_h(state.park);
  acc = L_msu(acc, state.park, 0x2000);
  acc = L_mac(acc, k1, 0x2000);
  state.park = round16(acc);
  Word16 tilt = mult(state.park, kPreCoef);
  tilt = static_cast<Word16>(tilt & 0xfffc);

  for (int i = 0; i < kSubFrLen; ++i) {
    acc = L_shr(L_deposit_h(speech[i]), 2);
    for (int j = 0; j < kLpcOrder; ++j) acc = L_msu(acc, firCoef[j], state.postFir[j]);
    for (int j = kLpcOrder - 1; j > 0; --j) state.postFir[j] = state.postFir[j - 1];
    state.postFir[0] = speech[i];
    for (int j = 0; j < kLpcOrder; ++j) acc = L_mac(acc, iirCoef[j], state.postIir[j]);
    for (int j = kLpcOrder - 1; j > 0; --j) state.postIir[j] = state.postIir[j - 1];
    acc = L_shl(acc, 2);
    state.postIir[0] = round16(acc);
    acc = L_mac(acc, state.postIir[1], tilt);
    speech[i] = round16(acc);
  }
  return energy;
}

void scaleGain(Word16 speech[kSubFrLen], Word32 inputEnergy, SynthesisState& state) {
  Word32 energy = 0;
  for (int i = 0; i < kSubFrLen; ++i) {
    const Word16 v = shr(speech[i], 2);
    energy = L_mac(energy, v, v);
  }
  Word16 target = 0x1000;
  if (energy != 0 && inputEnergy != 0) {
    Word16 exp = norm_l(energy);
    energy = L_shl(energy, exp);
    const Word16 shift = norm_l(inputEnergy);
    Word32 num = L_shr(L_shl(inputEnergy, shift), 1);
    exp = sub(exp, shift);
    exp = add(exp, 1);
    exp = sub(6, exp);
    if (exp < 0) exp = 0;
    target = div_l(num, extract_h(energy));
    num = L_shr(L_deposit_h(target), exp);
    target = squareRoot(num);
  }
  for (int i = 0; i < kSubFrLen; ++i) {
    Word32 acc = L_deposit_h(state.gain);
    acc = L_msu(acc, state.gain, 0x0800);
    acc = L_mac(acc, target, 0x0800);
    state.gain = round16(acc);
    const Word16 g = add(state.gain, shr(state.gain, 4));
    speech[i] = round16(L_shl(L_mult(speech[i], g), 4));
  }
}

}  // namespace g723
