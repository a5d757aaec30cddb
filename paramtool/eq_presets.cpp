#include "paramtool/eq_presets.h"

namespace paramtool {

// The gains are the linear factors whose levels the preset list shows (20*log10 of each).
const std::array<EqPreset, 9> kEqPresets{{
    {"Flat", 5, 1, {1000, 2000, 4000, 8000, 16000}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}},
    {"Boost", 3, 1, {32, 250, 1000, 8000, 16000}, {1.92866, 1.31707, 0.89032, 1, 1},
     {0.43294, 0.35639, 0.74086, 1, 1}},
    {"Treble", 4, 1, {500, 1000, 4000, 16000, 20000}, {0.98659, 1.00878, 1.29199, 1.96823, 1},
     {1.01016, 1.15128, 0.49213, 0.4935, 1}},
    {"Pop", 5, 0.84, {32, 125, 750, 4000, 16000}, {0.98856, 1.09006, 1.75408, 1.09006, 0.98692},
     {0.9862, 0.41932, 0.58186, 0.41932, 0.80454}},
    {"Rock", 5, 1, {32, 250, 1000, 4000, 16000}, {1.97695, 1.08916, 0.84955, 1.05052, 1.99446},
     {0.40267, 0.31218, 0.3222, 0.61266, 0.36854}},
    {"Classic", 3, 1.68, {250, 750, 16000, 20000, 22000}, {1.25308, 0.429527, 1.00627, 1, 1},
     {1.84047, 0.21371, 0.11612, 1, 1}},
    {"Jazz", 4, 1.585, {125, 250, 750, 16000, 20000}, {0.80807, 1.19994, 0.519326, 1.00346, 1},
     {0.86265, 1.1354, 0.27314, 0.18447, 1}},
    {"Dance", 4, 1, {64, 250, 2000, 16000, 20000}, {2.0534, 0.74175, 1.68327, 0.98185, 1},
     {0.51647, 0.69486, 0.51283, 0.38118, 1}},
    {"R&B", 5, 1, {64, 500, 4000, 16000, 20000}, {1.79449, 0.5598, 1.00718, 1.10122, 1.06543},
     {2.88385, 0.68953, 0.20725, 0.88951, 1.0262}},
}};

EqDesign presetDesign(const EqPreset& preset) {
  EqDesign design;
  design.stageCount = preset.stageCount;
  design.sampleRate = 48000.0;
  design.points = 16384;
  design.globalGainDb = linearToDb(preset.globalGain);
  for (int k = 0; k < kEqStages; ++k) {
    design.stages[k] = {preset.frequency[k], linearToDb(preset.gain[k]), preset.q[k]};
  }
  return design;
}

EqMemory initialEqMemory() {
  EqMemorySlot slot;
  slot.design.stageCount = 1;
  slot.design.points = 16384;
  slot.design.sampleRate = 48000.0;
  slot.design.globalGainDb = 0.0;
  slot.design.stages = {{{1000, 0, 1}, {2000, 0, 1}, {4000, 0, 1}, {8000, 0, 1}, {16000, 0, 1}}};
  slot.iterations = 20;
  EqMemory memory;
  memory.fill(slot);
  return memory;
}

}  // namespace paramtool
