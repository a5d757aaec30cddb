#include "voiceprompt/g723/decoder.h"

#include "voiceprompt/g723/adaptive_codebook.h"
#include "voiceprompt/g723/analysis.h"
#include "voiceprompt/g723/fixed_codebook.h"
#include "voiceprompt/g723/frame.h"
#include "voiceprompt/g723/lsp.h"
#include "voiceprompt/g723/ops.h"
#include "voiceprompt/g723/probe.h"
#include "voiceprompt/g723/tables.h"

namespace g723 {

using namespace op;

namespace {

// Lag of the last two subframes' excitation for the concealment of a lost frame, or 0
// when the excitation is not voiced enough.
Word16 concealmentLag(const Word16* buf, Word16 olp) {
  if (olp > kPitchMax - 3) olp = kPitchMax - 3;
  const Word16* tail = &buf[kPitchMax + kFrame - 2 * kSubFrLen];
  Word16 index = olp;
  Word32 best = 0;
  for (int i = olp - 3; i <= olp + 3; ++i) {
    Word32 acc = 0;
    for (int j = 0; j < 2 * kSubFrLen; ++j) acc = L_mac(acc, tail[j], tail[j - i]);
    if (acc > best) {
      best = acc;
      index = static_cast<Word16>(i);
    }
  }
  Word32 acc = 0;
  for (int j = 0; j < 2 * kSubFrLen; ++j) acc = L_mac(acc, tail[j], tail[j]);
  const Word16 tenr = round16(acc);
  acc = 0;
  for (int j = 0; j < 2 * kSubFrLen; ++j) acc = L_mac(acc, tail[j - index], tail[j - index]);
  const Word16 ccr = round16(best);
  if (ccr <= 0) return 0;
  const Word16 enr = round16(acc);
  acc = L_shr(L_mult(enr, tenr), 3);
  acc = L_msu(acc, ccr, ccr);
  return acc < 0 ? index : static_cast<Word16>(0);
}

Word16 nextRandom(Word16& seed) {
  const Word32 t = (Word32{seed} & 0xffff) * 521 + 259;
  seed = extract_l(t);
  return seed;
}

}  // namespace

Decoder::Decoder(const CoderTables& tables) : tables_(&tables) { reset(); }

void Decoder::reset() {
  synthesis_ = SynthesisState{};
  for (int i = 0; i < kLpcOrder; ++i) prevLsp_[i] = table::LspDcTable[i];
  for (auto& v : prevExc_) v = 0;
  erasures_ = 0;
  interGain_ = 0;
  interIndx_ = 0;
  randSeed_ = 0;
}

void Decoder::regenerate(Word16 out[kFrame], Word16 buf[kPitchMax + kFrame]) {
  if (erasures_ >= kErrMaxNum) {
    for (int i = 0; i < kFrame; ++i) out[i] = 0;
    for (int i = 0; i < kPitchMax + kFrame; ++i) buf[i] = 0;
  } else if (interIndx_ != 0) {
    // voiced: repeat the last period, attenuated
    for (int i = 0; i < kFrame; ++i) buf[kPitchMax + i] = buf[kPitchMax - interIndx_ + i];
    for (int i = 0; i < kFrame; ++i) out[i] = buf[kPitchMax + i] = mult(buf[kPitchMax + i], 0x6000);
  } else {
    for (int i = 0; i < kFrame; ++i) out[i] = mult(interGain_, nextRandom(randSeed_));
    for (int i = 0; i < kPitchMax + kFrame; ++i) buf[i] = 0;
  }
}

void Decoder::decode(const std::uint8_t in[kFrameBytes], Word16 out[kFrame]) {
  FrameParams line;
  const bool erased = !unpackFrame(in, line);
  erasures_ = erased ? add(erasures_, 1) : static_cast<Word16>(0);
  if (erasures_ > kErrMaxNum) erasures_ = kErrMaxNum;

  Word16 lsp[kLpcOrder];
  decodeLsp(lsp, prevLsp_, line.lspId, erased, *tables_);
  Word16 qntLpc[kSubFrames * kLpcOrder];
  interpolateLsp(qntLpc, lsp, prevLsp_);
  for (int i = 0; i < kLpcOrder; ++i) prevLsp_[i] = lsp[i];

  if (erasures_ == 0) {
    interGain_ = table::FcbkGainTable[shr(add(line.sfs[kSubFrames - 2].mamp, line.sfs[kSubFrames - 1].mamp), 1)];
  } else {
    interGain_ = mult_r(interGain_, 0x6000);
  }

  Word16 buf[kPitchMax + kFrame];
  for (int i = 0; i < kPitchMax; ++i) buf[i] = prevExc_[i];
  if (erasures_ == 0) {
    Word16* exc = &buf[kPitchMax];
    for (int i = 0; i < kSubFrames; ++i, exc += kSubFrLen) {
      const SubframeParams& s = line.sfs[i];
      decodeFixed(exc, s, line.olp[i >> 1], i);
      Word16 pitch[kSubFrLen];
      decodeAdaptive(pitch, &buf[kSubFrLen * i], line.olp[i >> 1], s.acLg, s.acGn, *tables_);
      for (int j = 0; j < kSubFrLen; ++j) exc[j] = add(shl(exc[j], 1), pitch[j]);
      probeRecord(probe_, "exc", i, exc, kSubFrLen);
    }
    // The post-filter and the concealment analyse a normalised copy of the excitation.
    Word16 scaled[kPitchMax + kFrame];
    for (int i = 0; i < kPitchMax + kFrame; ++i) scaled[i] = buf[i];
    normaliseVector(scaled, kPitchMax + kFrame);
    interIndx_ = concealmentLag(scaled, line.olp[kSubFrames / 2 - 1]);

    PitchPostFilter pf[kSubFrames];
    for (int i = 0; i < kSubFrames; ++i) {
      pf[i] = pitchPostFilter(scaled, line.olp[i >> 1], i);
      const Word16 rec[3] = {pf[i].indx, pf[i].gain, pf[i].scGn};
      probeRecord(probe_, "pf", i, rec, 3);
    }
    for (int i = 0; i < kSubFrames; ++i) {
      applyPitchPostFilter(out, buf, pf[i], i);
      probeRecord(probe_, "ppf", i, &out[i * kSubFrLen], kSubFrLen);
    }
  } else {
    regenerate(out, buf);
  }
  for (int i = 0; i < kPitchMax; ++i) prevExc_[i] = buf[kFrame + i];

  for (int i = 0; i < kSubFrames; ++i) {
    Word16* speech = &out[i * kSubFrLen];
    const Word16* lpc = &qntLpc[i * kLpcOrder];
    synthesise(speech, lpc, synthesis_);
    probeRecord(probe_, "syn", i, speech, kSubFrLen);
    const Word32 energy = formantPostFilter(speech, lpc, synthesis_);
    probeRecord(probe_, "spf", i, speech, kSubFrLen);
    scaleGain(speech, energy, synthesis_);
  }
  probeRecord(probe_, "out", -1, out, kFrame);
}

}  // namespace g723
