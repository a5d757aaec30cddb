#include "voiceprompt/g723/encoder.h"

#include "voiceprompt/g723/fixed_codebook.h"
#include "voiceprompt/g723/frame.h"
#include "voiceprompt/g723/lsp.h"
#include "voiceprompt/g723/ops.h"
#include "voiceprompt/g723/pitch.h"
#include "voiceprompt/g723/probe.h"
#include "voiceprompt/g723/tables.h"

namespace g723 {

using namespace op;

Encoder::Encoder(const CoderTables& tables, bool limitGainSearch)
    : tables_(&tables), limitGainSearch_(limitGainSearch) {
  reset();
}

void Encoder::reset() {
  hpf_ = HighPassState{};
  weighting_ = WeightingState{};
  ringing_ = RingingState{};
  taming_ = TamingState{};
  sineDetector_ = 0;
  for (auto& v : prevData_) v = 0;
  for (int i = 0; i < kLpcOrder; ++i) prevLsp_[i] = table::LspDcTable[i];
  for (auto& v : prevWeighted_) v = 0;
  for (auto& v : prevExc_) v = 0;
}

void Encoder::encode(const Word16 pcm[kFrame], std::uint8_t out[kFrameBytes]) {
  constexpr int kHistory = kLpcFrame - kSubFrLen;
  Word16 data[kFrame];
  for (int i = 0; i < kFrame; ++i) data[i] = pcm[i];
  FrameParams line;

  removeDc(data, hpf_);
  probeRecord(probe_, "hpf", -1, data, kFrame);

  Word16 unqLpc[kSubFrames * kLpcOrder];
  computeLpc(unqLpc, prevData_, data, sineDetector_);
  for (int i = 0; i < kSubFrames; ++i) probeRecord(probe_, "lpc", i, &unqLpc[i * kLpcOrder], kLpcOrder);

  Word16 lsp[kLpcOrder];
  lpcToLsp(lsp, &unqLpc[(kSubFrames - 1) * kLpcOrder], prevLsp_);
  probeRecord(probe_, "lsp", -1, lsp, kLpcOrder);
  line.lspId = quantiseLsp(lsp, prevLsp_, *tables_);
  probeRecord(probe_, "lspid", -1, &line.lspId, 1);

  // The coder works 60 samples behind its input: the LPC windows look ahead by that much.
  {
    Word16 joined[kHistory + kFrame];
    for (int i = 0; i < kHistory; ++i) joined[i] = prevData_[i];
    for (int i = 0; i < kFrame; ++i) joined[kHistory + i] = data[i];
    for (int i = 0; i < kHistory; ++i) prevData_[i] = joined[kFrame + i];
    for (int i = 0; i < kFrame; ++i) data[i] = joined[kHistory / 2 + i];
  }

  Word16 perLpc[2 * kSubFrames * kLpcOrder];
  weightingLpc(perLpc, unqLpc);
  weightFrame(data, perLpc, weighting_);

  // Open-loop pitch on the normalised weighted speech.
  Word16 buf[kPitchMax + kFrame];
  for (int i = 0; i < kPitchMax; ++i) buf[i] = prevWeighted_[i];
  for (int i = 0; i < kFrame; ++i) buf[kPitchMax + i] = data[i];
  normaliseVector(buf, kPitchMax + kFrame);
  for (int i = 0; i < kSubFrames / 2; ++i) line.olp[i] = estimatePitch(buf, kPitchMax + i * 2 * kSubFrLen);
  probeRecord(probe_, "olp", -1, line.olp, 2);

  HarmonicFilter pw[kSubFrames];
  for (int i = 0; i < kSubFrames; ++i) {
    pw[i] = harmonicFilter(buf, kPitchMax + i * kSubFrLen, line.olp[i >> 1]);
    const Word16 rec[2] = {pw[i].lag, pw[i].gain};
    probeRecord(probe_, "pw", i, rec, 2);
  }

  for (int i = 0; i < kPitchMax; ++i) buf[i] = prevWeighted_[i];
  for (int i = 0; i < kFrame; ++i) buf[kPitchMax + i] = data[i];
  for (int i = 0; i < kPitchMax; ++i) prevWeighted_[i] = buf[i + kFrame];
  for (int i = 0; i < kSubFrames; ++i) applyHarmonicFilter(data, buf, i * kSubFrLen, pw[i]);

  decodeLsp(lsp, prevLsp_, line.lspId, false, *tables_);
  probeRecord(probe_, "qlsp", -1, lsp, kLpcOrder);
  Word16 qntLpc[kSubFrames * kLpcOrder];
  interpolateLsp(qntLpc, lsp, prevLsp_);
  for (int i = 0; i < kSubFrames; ++i) probeRecord(probe_, "qlpc", i, &qntLpc[i * kLpcOrder], kLpcOrder);
  for (int i = 0; i < kLpcOrder; ++i) prevLsp_[i] = lsp[i];

  AdaptiveSearch search;
  search.tables = tables_;
  search.limitGainSearch = limitGainSearch_;
  search.taming = &taming_;
  for (int i = 0; i < kSubFrames; ++i) {
    Word16* target = &data[i * kSubFrLen];
    const Word16* lpc = &qntLpc[i * kLpcOrder];
    const Word16* per = &perLpc[i * 2 * kLpcOrder];
    Word16 ir[kSubFrLen];
    impulseResponse(ir, lpc, per, pw[i]);
    probeRecord(probe_, "ir", i, ir, kSubFrLen);
    subtractRinging(target, lpc, per, ringing_, pw[i]);
    probeRecord(probe_, "tgt", i, target, kSubFrLen);

    search.sineDetector = sineDetector_;
    searchAdaptive(target, ir, prevExc_, line, i, search);
    const SubframeParams& s = line.sfs[i];
    const Word16 acbk[3] = {s.acLg, s.acGn, line.olp[i >> 1]};
    probeRecord(probe_, "acbk", i, acbk, 3);
    searchFixed(target, ir, line, i);
    const std::int32_t fcbk[5] = {s.mamp, s.grid, s.tran, s.pamp, s.ppos};
    probeRecord(probe_, "fcbk", i, fcbk, 5);

    // Excitation = 2 x fixed + pitch contribution; it becomes part of the history.
    Word16 pitch[kSubFrLen];
    decodeAdaptive(pitch, prevExc_, line.olp[i >> 1], s.acLg, s.acGn, *tables_);
    for (int j = kSubFrLen; j < kPitchMax; ++j) prevExc_[j - kSubFrLen] = prevExc_[j];
    for (int j = 0; j < kSubFrLen; ++j) {
      target[j] = add(shl(target[j], 1), pitch[j]);
      prevExc_[kPitchMax - kSubFrLen + j] = target[j];
    }
    updateTaming(taming_, line.olp[i >> 1], s.acLg, s.acGn, *tables_);
    updateRinging(target, lpc, per, ringing_);
  }
  probeRecord(probe_, "err", -1, taming_.err, kSizErr);

  packFrame(line, out);
}

}  // namespace g723
