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

namespace {

// The synthesis, formant-weighting and harmonic filters of one subframe, run sample by
// sample from the memories given. history holds kPitchMax past weighted samples before the
// subframe's. irScale is the extra shift of the impulse response's Q13 scale.
class CombinedFilter {
 public:
  CombinedFilter(const Word16* qntLpc, const Word16* perLpc, HarmonicFilter pw, int irScale)
      : qntLpc_(qntLpc), perLpc_(perLpc), pw_(pw), irScale_(irScale) {}

  Word16 fir[kLpcOrder] = {};
  Word16 iir[kLpcOrder] = {};
  Word16 history[kPitchMax + kSubFrLen] = {};

  // Sample i of the output for the input accumulator acc0, as a 32-bit accumulator.
  Word32 step(int i, Word32 acc0) {
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_mac(acc0, qntLpc_[j], fir[j]);
    const Word32 acc1 = L_shl(acc0, 2);
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_msu(acc0, perLpc_[j], fir[j]);
    acc0 = L_shl(acc0, irScale_);
    shiftIn(fir, round16(acc1));
    for (int j = 0; j < kLpcOrder; ++j) acc0 = L_mac(acc0, perLpc_[kLpcOrder + j], iir[j]);
    shiftIn(iir, round16(L_shl(acc0, 2)));
    history[kPitchMax + i] = iir[0];
    return L_msu(L_deposit_h(iir[0]), pw_.gain, history[kPitchMax - pw_.lag + i]);
  }

 private:
  const Word16* qntLpc_;
  const Word16* perLpc_;
  HarmonicFilter pw_;
  int irScale_;
};

}  // namespace

void impulseResponse(Word16 ir[kSubFrLen], const Word16 qntLpc[kLpcOrder], const Word16 perLpc[2 * kLpcOrder],
                     HarmonicFilter pw) {
  CombinedFilter filter(qntLpc, perLpc, pw, 1);
  for (int i = 0; i < kSubFrLen; ++i) ir[i] = round16(filter.step(i, i == 0 ? 0x04000000 : 0));  // unit impulse
}

void subtractRinging(Word16 target[kSubFrLen], const Word16 qntLpc[kLpcOrder], const Word16 perLpc[2 * kLpcOrder],
                     const RingingState& state, HarmonicFilter pw) {
  CombinedFilter filter(qntLpc, perLpc, pw, 0);
  for (int i = 0; i < kPitchMax; ++i) filter.history[i] = state.prevErr[i];
  for (int i = 0; i < kLpcOrder; ++i) {
    filter.fir[i] = state.firDelay[i];
    filter.iir[i] = state.iirDelay[i];
  }
  for (int i = 0; i < kSubFrLen; ++i) target[i] = round16(L_sub(L_deposit_h(target[i]), filter.step(i, 0)));
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
