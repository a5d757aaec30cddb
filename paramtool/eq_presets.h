#pragma once
// The designer's stored settings: its nine presets and its nine memory slots.

#include <array>

#include "paramtool/eq_design.h"

namespace paramtool {

// A preset with its gains as linear factors, as they are stored.
struct EqPreset {
  const char* name;
  int stageCount;
  double globalGain;
  std::array<double, kEqStages> frequency;
  std::array<double, kEqStages> gain;
  std::array<double, kEqStages> q;
};

// "Flat", "Boost", "Treble", "Pop", "Rock", "Classic", "Jazz", "Dance", "R&B", in the order
// the preset list shows them.
extern const std::array<EqPreset, 9> kEqPresets;

// The design a preset sets: its rows and stage count, 48000 Hz and 16384 points, gains in dB.
EqDesign presetDesign(const EqPreset& preset);

// What "M+" stores and "MR" restores: the fields, the stage selection and the iteration count.
struct EqMemorySlot {
  EqDesign design;
  int iterations = 20;
};
using EqMemory = std::array<EqMemorySlot, 9>;

// Every slot starts as 16384 points, 1 stage, 20 iterations, frequencies 1000, 2000, 4000,
// 8000 and 16000 Hz, gains 0 dB, Q 1, 48000 Hz and a global gain of 0 dB.
EqMemory initialEqMemory();

}  // namespace paramtool
