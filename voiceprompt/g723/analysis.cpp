#include "voiceprompt/g723/analysis.h"

#include "voiceprompt/g723/coder_tables.h"
#include "voiceprompt/g723/ops.h"
#include "voiceprompt/g723/tables.h"

namespace g723 {

using namespace op;

void removeDc(Word16 frame[kFrame], HighPassState& state) {
  for (int i = 0; i < kFrame; ++i) {
    Word32 acc0 = L_mult(frame[i], 0x4000);
    acc0 = L_mac(acc0, state.zeroDelay, -0x4000);
    state.zeroDelay = frame[i];
    const Word32 acc1 = L_mls(state.poleDelay, 0x7f00);
    acc0 = L_add(acc0, acc1);
    state.poleDelay = acc0;
    frame[i] = round16(acc0);
  }
}

Word16 normaliseVector(Word16* v, int len) {
  Word16 peak = 0;
  for (int i = 0; i < len; ++i) {
    const Word16 a = abs_s(v[i]);
    if (a > peak) peak = a;
  }
  // The largest magnitude lands in [2048, 4096): three bits of headroom keep the
  // correlations of a normalised block from overflowing.
  const Word16 shift = static_cast<Word16>(norm_s(peak) - 3);
  for (int i = 0; i < len; ++i) v[i] = shl(v[i], shift);
  return shift;
}

namespace {

// Levinson-Durbin recursion. corr holds R[1]..R[10], err is R[0]. pk2 receives the second
// reflection coefficient (the sine detector's input).
void durbin(Word16 lpc[kLpcOrder], const Word16 corr[kLpcOrder], Word16 err, Word16& pk2) {
  Word16 temp[kLpcOrder];
  for (int i = 0; i < kLpcOrder; ++i) lpc[i] = 0;
  pk2 = 0;
  for (int i = 0; i < kLpcOrder; ++i) {
    Word32 acc0 = L_shr(L_deposit_h(corr[i]), 2);
    for (int j = 0; j < i; ++j) acc0 = L_msu(acc0, lpc[j], corr[i - j - 1]);
    acc0 = L_shl(acc0, 2);
    const Word32 acc1 = L_abs(acc0);
    if (acc1 >= L_deposit_h(err)) {
      pk2 = 32767;
      break;
    }
    Word16 pk = div_l(acc1, err);
    if (acc0 < 0) pk = negate(pk);
    if (i == 1) pk2 = negate(pk);
    // The prediction error shrinks by pk times the partial correlation.
    err = round16(L_sub(L_deposit_h(err), L_mls(acc0, pk)));
    for (int j = 0; j < i; ++j) temp[j] = lpc[j];
    lpc[i] = static_cast<Word16>(shr(pk, 2) + ((pk >> 1) & 1));  // pk / 4, rounded
    for (int j = 0; j < i; ++j) {
      Word32 a = L_deposit_h(temp[j]);
      a = L_msu(a, pk, temp[i - j - 1]);
      lpc[j] = round16(a);
    }
  }
}

}  // namespace

void computeLpc(Word16 lpc[kSubFrames * kLpcOrder], const Word16 prevData[kLpcFrame - kSubFrLen],
                const Word16 frame[kFrame], Word16& sineDetector) {
  constexpr int kHistory = kLpcFrame - kSubFrLen;
  Word16 buf[kHistory + kFrame];
  for (int i = 0; i < kHistory; ++i) buf[i] = prevData[i];
  for (int i = 0; i < kFrame; ++i) buf[kHistory + i] = frame[i];

  int detector = sineDetector;
  for (int k = 0; k < kSubFrames; ++k) {
    Word16 v[kLpcFrame];
    for (int i = 0; i < kLpcFrame; ++i) v[i] = buf[k * kSubFrLen + i];
    normaliseVector(v, kLpcFrame);
    for (int i = 0; i < kLpcFrame; ++i) v[i] = mult_r(v[i], table::HammingWindowTable[i]);

    Word16 acf[kLpcOrder + 1];
    Word32 energy = 0;
    for (int i = 0; i < kLpcFrame; ++i) energy = L_add(energy, L_shr(L_mult(v[i], v[i]), 1));
    // white-noise correction of 1025/1024
    energy = L_add(energy, L_shr(energy, kRidgeFact));
    const Word16 exp = norm_l(energy);
    acf[0] = round16(L_shl(energy, exp));
    if (acf[0] == 0) {
      for (int i = 1; i <= kLpcOrder; ++i) acf[i] = 0;
    } else {
      for (int i = 1; i <= kLpcOrder; ++i) {
        Word32 acc = 0;
        for (int j = i; j < kLpcFrame; ++j) acc = L_add(acc, L_shr(L_mult(v[j], v[j - i]), 1));
        acc = L_mls(L_shl(acc, exp), table::BinomialWindowTable[i - 1]);
        acf[i] = round16(acc);
      }
    }
    Word16 pk2 = 0;
    durbin(&lpc[k * kLpcOrder], &acf[1], acf[0], pk2);
    detector = (detector & 0x7fff) << 1;  // one bit per subframe, oldest shifted out
    if (pk2 > 0x799a) ++detector;
  }
  detector &= 0x7fff;
  int ones = 0;
  for (int i = 0; i < 15; ++i) ones += (detector >> i) & 1;
  if (ones >= 14) detector |= 0x8000;
  sineDetector = static_cast<Word16>(detector >= 0x8000 ? detector - 0x10000 : detector);
}

void lpcToLsp(Word16 lsp[kLpcOrder], const Word16 lpc[kLpcOrder], const Word16 prevLsp[kLpcOrder]) {
  Word16 expanded[kLpcOrder];
  for (int i = 0; i < kLpcOrder; ++i) expanded[i] = mult_r(lpc[i], table::BandExpTable[i]);

  // Sum and difference polynomials, interleaved: lpq[2i] = P, lpq[2i+1] = Q.
  Word32 lpq[kLpcOrder + 2];
  lpq[0] = lpq[1] = 0x02000000;
  for (int i = 0; i < kLpcOrder / 2; ++i) {
    const Word32 lo = L_shr(L_deposit_h(expanded[i]), 4);
    const Word32 hi = L_shr(L_deposit_h(expanded[kLpcOrder - 1 - i]), 4);
    lpq[2 * i + 2] = L_sub(L_sub(L_negate(lpq[2 * i]), lo), hi);
    lpq[2 * i + 3] = L_add(L_sub(lpq[2 * i + 1], lo), hi);
  }
  lpq[kLpcOrder] = L_shr(lpq[kLpcOrder], 1);
  lpq[kLpcOrder + 1] = L_shr(lpq[kLpcOrder + 1], 1);

  Word32 peak = L_abs(lpq[0]);
  for (int i = 1; i < kLpcOrder + 2; ++i) {
    const Word32 a = L_abs(lpq[i]);
    if (a > peak) peak = a;
  }
  const Word16 exp = norm_l(peak);
  Word16 spq[kLpcOrder + 2];
  for (int i = 0; i < kLpcOrder + 2; ++i) spq[i] = round16(L_shl(lpq[i], exp));

  auto evaluate = [&](int point, int k) {
    Word32 v = 0;
    for (int j = 0; j <= kLpcOrder / 2; ++j) {
      v = L_mac(v, spq[kLpcOrder - 2 * j + k], table::CosineTable[point * j % table::CosineTableSize]);
    }
    return v;
  };

  int k = 0;
  int found = 0;
  Word32 prev = evaluate(0, 0);
  for (int i = 1; i < table::CosineTableSize / 2; ++i) {
    Word32 curr = evaluate(i, k);
    if ((curr ^ prev) < 0) {
      Word32 acc0 = L_add(L_abs(curr), L_abs(prev));
      Word32 acc1 = L_abs(prev);
      const Word16 e = norm_l(acc0);
      acc0 = L_shl(acc0, e);
      acc1 = L_shl(acc1, e);
      acc1 = L_shr(acc1, 8);
      const Word16 frac = div_l(acc1, extract_h(acc0));
      lsp[found] = static_cast<Word16>(((i - 1) << 7) + frac);
      ++found;
      if (found == kLpcOrder) break;
      k ^= 1;
      curr = evaluate(i, k);
    }
    prev = curr;
  }
  if (found != kLpcOrder) {
    for (int i = 0; i < kLpcOrder; ++i) lsp[i] = prevLsp[i];
  }
}

std::int32_t quantiseLsp(Word16 lsp[kLpcOrder], const Word16 prevLsp[kLpcOrder], const CoderTables& tables) {
  // Weights favour LSPs that lie close together.
  Word16 w[kLpcOrder];
  w[0] = sub(lsp[1], lsp[0]);
  w[kLpcOrder - 1] = sub(lsp[kLpcOrder - 1], lsp[kLpcOrder - 2]);
  for (int i = 1; i < kLpcOrder - 1; ++i) {
    const Word16 up = sub(lsp[i + 1], lsp[i]);
    const Word16 down = sub(lsp[i], lsp[i - 1]);
    w[i] = up > down ? down : up;
  }
  for (int i = 0; i < kLpcOrder; ++i) w[i] = w[i] > 0x20 ? div_s(0x20, w[i]) : kMax16;
  Word16 peak = 0;
  for (int i = 0; i < kLpcOrder; ++i) {
    if (w[i] > peak) peak = w[i];
  }
  const Word16 exp = norm_s(peak);
  for (int i = 0; i < kLpcOrder; ++i) w[i] = shl(w[i], exp);

  // Target: the LSPs less their mean and the prediction from the previous frame.
  for (int i = 0; i < kLpcOrder; ++i) {
    const Word16 prevDcFree = sub(prevLsp[i], table::LspDcTable[i]);
    lsp[i] = sub(sub(lsp[i], table::LspDcTable[i]), mult_r(prevDcFree, kLspPrd0));
  }

  std::int32_t index = 0;
  for (int band = 0; band < kLspQntBands; ++band) {
    const int first = table::BandInfoTable[2 * band];
    const int len = table::BandInfoTable[2 * band + 1];
    const Word16* entry = tables.lspBand(band);
    Word32 best = 0;
    int bestIndex = 0;
    for (int i = 0; i < kLspCbSize; ++i, entry += len) {
      Word16 tmp[4];
      for (int j = 0; j < len; ++j) tmp[j] = mult_r(w[first + j], entry[j]);
      Word32 acc = 0;
      for (int j = 0; j < len; ++j) acc = L_mac(acc, lsp[first + j], tmp[j]);
      acc = L_shl(acc, 1);
      for (int j = 0; j < len; ++j) acc = L_msu(acc, entry[j], tmp[j]);
      if (acc > best) {
        best = acc;
        bestIndex = i;
      }
    }
    index = (index << 8) + bestIndex;
  }
  return index;
}

void weightingLpc(Word16 perLpc[2 * kSubFrames * kLpcOrder], const Word16 lpc[kSubFrames * kLpcOrder]) {
  for (int k = 0; k < kSubFrames; ++k) {
    for (int j = 0; j < kLpcOrder; ++j) {
      perLpc[2 * k * kLpcOrder + j] = mult_r(lpc[k * kLpcOrder + j], table::PerFiltZeroTable[j]);
      perLpc[(2 * k + 1) * kLpcOrder + j] = mult_r(lpc[k * kLpcOrder + j], table::PerFiltPoleTable[j]);
    }
  }
}

void weightFrame(Word16 frame[kFrame], const Word16 perLpc[2 * kSubFrames * kLpcOrder], WeightingState& state) {
  Word16* x = frame;
  for (int k = 0; k < kSubFrames; ++k) {
    const Word16* zero = &perLpc[2 * k * kLpcOrder];
    const Word16* pole = zero + kLpcOrder;
    for (int i = 0; i < kSubFrLen; ++i, ++x) {
      Word32 acc = L_shr(L_deposit_h(*x), 2);
      for (int j = 0; j < kLpcOrder; ++j) acc = L_msu(acc, zero[j], state.firDelay[j]);
      for (int j = kLpcOrder - 1; j > 0; --j) state.firDelay[j] = state.firDelay[j - 1];
      state.firDelay[0] = *x;
      for (int j = 0; j < kLpcOrder; ++j) acc = L_mac(acc, pole[j], state.iirDelay[j]);
      for (int j = kLpcOrder - 1; j > 0; --j) state.iirDelay[j] = state.iirDelay[j - 1];
      state.iirDelay[0] = round16(L_shl(acc, 2));
      *x = state.iirDelay[0];
    }
  }
}

}  // namespace g723
