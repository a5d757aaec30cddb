#include "voiceprompt/g723/encoder_filters.h"

#include "voiceprompt/g723/ops.h"

namespace g723 {

using namespace op;

namespace {

inline void shiftIn(Word16 delay[kLpcOrder], Word16 value) {
  for (int j = kLpcOrder - 1; j > 0; --j) delay[j] = delay[j - 1];
  delay[0] = value;
}

}  // namespace

void impulseResponse(Word16 ir[kSubFrLen], const Word16 qntLpc[kLpcOrder], const Word16 perLpc[2 * kLpcOrder],
                     HarmonicFilter pw) {
  Word16 fir[kLpcOrder] = {};
  Word16 iir[kLpcOrder] = {};
  Word16 temp[kPitchMax + kSubFrLen] = {};
  Word32 acc0 = 0x04000000;  // unit impulse
  for (int i = 0; i < kSubFrLen; ++i) {
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_mac(acc0, qntLpc[j], fir[j]);
    const Word32 acc1 = L_shl(acc0, 2);
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_msu(acc0, perLpc[j], fir[j]);
    acc0 = L_shl(acc0, 1);
    shiftIn(fir, round16(acc1));
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_mac(acc0, perLpc[kLpcOrder + j], iir[j]);
    shiftIn(iir, round16(L_shl(acc0, 2)));
    temp[kPitchMax + i] = iir[0];
    acc0 = L_deposit_h(iir[0]);
    acc0 = L_msu(acc0, pw.gain, temp[kPitchMax - pw.lag + i]);
    ir[i] = round16(acc0);
    acc0 = 0;
  }
}

void subtractRinging(Word16 target[kSubFrLen], const Word16 qntLpc[kLpcOrder], const Word16 perLpc[2 * kLpcOrder],
                     const RingingState& state, HarmonicFilter pw) {
  Word16 fir[kLpcOrder];
  Word16 iir[kLpcOrder];
  Word16 temp[kPitchMax + kSubFrLen];
  for (int i = 0; i < kPitchMax; ++i) temp[i] = state.prevErr[i];
  for (int i = 0; i < kLpcOrder; ++i) {
    fir[i] = state.firDelay[i];
    iir[i] = state.iirDelay[i];
  }
  for (int i = 0; i < kSubFrLen; ++i) {
    Word32 acc0 = 0;
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_mac(acc0, qntLpc[j], fir[j]);
    const Word32 acc1 = L_shl(acc0, 2);
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_msu(acc0, perLpc[j], fir[j]);
    shiftIn(fir, round16(acc1));
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_mac(acc0, perLpc[kLpcOrder + j], iir[j]);
    shiftIn(iir, round16(L_shl(acc0, 2)));
    temp[kPitchMax + i] = iir[0];
    acc0 = L_deposit_h(iir[0]);
    acc0 = L_msu(acc0, pw.gain, temp[kPitchMax - pw.lag + i]);
    const Word32 t = L_sub(L_deposit_h(target[i]), acc0);
    target[i] = round16(t);
  }
}

void updateRinging(Word16 exc[kSubFrLen], const Word16 qntLpc[kLpcOrder], const Word16 perLpc[2 * kLpcOrder],
                   RingingState& state) {
  for (int i = kSubFrLen; i < kPitchMax; ++i) state.prevErr[i - kSubFrLen] = state.prevErr[i];
  for (int i = 0; i < kSubFrLen; ++i) {
    Word32 acc0 = L_shr(L_deposit_h(exc[i]), 3);
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_mac(acc0, qntLpc[j], state.firDelay[j]);
    const Word32 acc1 = L_shl(acc0, 2);
    exc[i] = shl(round16(acc1), 1);
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_msu(acc0, perLpc[j], state.firDelay[j]);
    shiftIn(state.firDelay, round16(acc1));
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_mac(acc0, perLpc[kLpcOrder + j], state.iirDelay[j]);
    shiftIn(state.iirDelay, round16(L_shl(acc0, 2)));
    state.prevErr[kPitchMax - kSubFrLen + i] = state.iirDelay[0];
  }
}

}  // namespace g723
