#pragma once
// LSP decoding, interpolation and conversion to LPC, shared by encoder and decoder.

#include <cstdint>

#include "voiceprompt/g723/constants.h"

namespace g723 {

class CoderTables;

// Decodes the LSP vector of subframe 3 from its index and the previous frame's vector,
// with the stability correction. erased selects the concealment of a lost frame.
void decodeLsp(std::int16_t lsp[kLpcOrder], const std::int16_t prevLsp[kLpcOrder], std::int32_t lspId, bool erased,
               const CoderTables& tables);

// Quantised LPC of the four subframes, from LSPs interpolated between the previous and the
// current vector.
void interpolateLsp(std::int16_t lpc[kSubFrames * kLpcOrder], const std::int16_t currLsp[kLpcOrder],
                    const std::int16_t prevLsp[kLpcOrder]);

// Converts an LSP vector into LPC coefficients in place (Q13).
void lspToLpc(std::int16_t lsp[kLpcOrder]);

}  // namespace g723
