#include "voiceprompt/g723/lsp.h"

#include "voiceprompt/g723/coder_tables.h"
#include "voiceprompt/g723/ops.h"
#include "voiceprompt/g723/tables.h"

namespace g723 {

using namespace op;

void decodeLsp(Word16 lsp[kLpcOrder], const Word16 prevLsp[kLpcOrder], std::int32_t lspId, bool erased,
               const CoderTables& tables) {
  Word16 minGap = 0x100;
  Word16 predictor = kLspPrd0;
  if (erased) {
    lspId = 0;
    minGap = 0x200;
    predictor = kLspPrd1;
  }
  for (int band = kLspQntBands - 1; band >= 0; --band) {
    const int index = lspId & 0xff;
    lspId >>= 8;
    const int first = table::BandInfoTable[2 * band];
    const int len = table::BandInfoTable[2 * band + 1];
    const Word16* entry = tables.lspBand(band) + index * len;
    for (int j = 0; j < len; ++j) lsp[first + j] = entry[j];
  }
  for (int j = 0; j < kLpcOrder; ++j) {
    const Word16 prevDcFree = sub(prevLsp[j], table::LspDcTable[j]);
    lsp[j] = add(lsp[j], mult_r(prevDcFree, predictor));
    lsp[j] = add(lsp[j], table::LspDcTable[j]);
  }

  // Keep the frequencies ordered with a minimum gap; after ten attempts fall back on the
  // previous vector.
  bool unstable = false;
  for (int attempt = 0; attempt < kLpcOrder; ++attempt) {
    if (lsp[0] < 0x180) lsp[0] = 0x180;
    if (lsp[kLpcOrder - 1] > 0x7e00) lsp[kLpcOrder - 1] = 0x7e00;
    for (int j = 1; j < kLpcOrder; ++j) {
      Word16 tmp = sub(add(minGap, lsp[j - 1]), lsp[j]);
      if (tmp > 0) {
        tmp = shr(tmp, 1);
        lsp[j - 1] = sub(lsp[j - 1], tmp);
        lsp[j] = add(lsp[j], tmp);
      }
    }
    unstable = false;
    for (int j = 1; j < kLpcOrder; ++j) {
      const Word16 tmp = sub(sub(add(lsp[j - 1], minGap), 4), lsp[j]);
      if (tmp > 0) unstable = true;
    }
    if (!unstable) break;
  }
  if (unstable) {
    for (int j = 0; j < kLpcOrder; ++j) lsp[j] = prevLsp[j];
  }
}

void interpolateLsp(Word16 lpc[kSubFrames * kLpcOrder], const Word16 currLsp[kLpcOrder], const Word16 prevLsp[kLpcOrder]) {
  constexpr Word16 kStep = kMin16 / kSubFrames;
  Word16 weight = kStep;
  for (int i = 0; i < kSubFrames; ++i) {
    Word16* out = &lpc[i * kLpcOrder];
    for (int j = 0; j < kLpcOrder; ++j) {
      Word32 acc = L_deposit_h(prevLsp[j]);
      acc = L_mac(acc, weight, prevLsp[j]);
      acc = L_msu(acc, weight, currLsp[j]);
      out[j] = round16(acc);
    }
    lspToLpc(out);
    weight = add(weight, kStep);
  }
}

void lspToLpc(Word16 lsp[kLpcOrder]) {
  // Cosines of the frequencies by table look-up and linear interpolation, negated.
  for (int i = 0; i < kLpcOrder; ++i) {
    const int j = shr(lsp[i], 7);
    Word32 acc = L_deposit_h(table::CosineTable[j]);
    const Word16 slope = sub(table::CosineTable[j + 1], table::CosineTable[j]);
    acc = L_mac(acc, slope, add(shl(static_cast<Word16>(lsp[i] & 0x7f), 8), 0x80));
    acc = L_shl(acc, 1);
    lsp[i] = negate(round16(acc));
  }

  // Sum and difference polynomials without their trivial roots, built one quadratic factor
  // at a time (each step halves the scale).
  Word32 p[kLpcOrder / 2 + 1];
  Word32 q[kLpcOrder / 2 + 1];
  p[0] = 0x10000000;
  p[1] = L_mac(L_mult(lsp[0], 0x2000), lsp[2], 0x2000);
  p[2] = L_add(L_shr(L_mult(lsp[0], lsp[2]), 1), 0x20000000);
  q[0] = 0x10000000;
  q[1] = L_mac(L_mult(lsp[1], 0x2000), lsp[3], 0x2000);
  q[2] = L_add(L_shr(L_mult(lsp[1], lsp[3]), 1), 0x20000000);

  for (int i = 2; i < kLpcOrder / 2; ++i) {
    p[i + 1] = L_add(L_mls(p[i], lsp[2 * i]), p[i - 1]);
    q[i + 1] = L_add(L_mls(q[i], lsp[2 * i + 1]), q[i - 1]);
    for (int j = i; j >= 2; --j) {
      Word32 a = L_mls(p[j - 1], lsp[2 * i]);
      a = L_add(a, L_shr(p[j], 1));
      a = L_add(a, L_shr(p[j - 2], 1));
      p[j] = a;
      Word32 b = L_mls(q[j - 1], lsp[2 * i + 1]);
      b = L_add(b, L_shr(q[j], 1));
      b = L_add(b, L_shr(q[j - 2], 1));
      q[j] = b;
    }
    p[0] = L_shr(p[0], 1);
    q[0] = L_shr(q[0], 1);
    p[1] = L_shr(L_add(L_shr(L_deposit_h(lsp[2 * i]), i), p[1]), 1);
    q[1] = L_shr(L_add(L_shr(L_deposit_h(lsp[2 * i + 1]), i), q[1]), 1);
  }

  // Restore the trivial roots and combine: A(z) = (P(z)(1 + 1/z) + Q(z)(1 - 1/z)) / 2.
  for (int i = 0; i < kLpcOrder / 2; ++i) {
    Word32 a = L_add(p[i], p[i + 1]);
    a = L_sub(a, q[i]);
    a = L_add(a, q[i + 1]);
    lsp[i] = negate(round16(L_shl(a, 3)));
    Word32 b = L_add(p[i], p[i + 1]);
    b = L_add(b, q[i]);
    b = L_sub(b, q[i + 1]);
    lsp[kLpcOrder - 1 - i] = negate(round16(L_shl(b, 3)));
  }
}

}  // namespace g723
