#pragma once
// Sizes and fixed parameters of the G.723.1 coder at 6.3 kbit/s.

namespace g723 {

constexpr int kFrame = 240;          // samples per frame (30 ms at 8 kHz)
constexpr int kSubFrames = 4;
constexpr int kSubFrLen = 60;
constexpr int kLpcFrame = 180;       // LPC analysis window
constexpr int kLpcOrder = 10;
constexpr int kFrameBytes = 24;      // one 6.3 kbit/s frame
constexpr int kPitchMin = 18;
constexpr int kPitchMax = 145;
constexpr int kClPitchOrd = 5;       // taps of the pitch predictor
constexpr int kPstep = 1;
constexpr int kNbFilt085 = 85;
constexpr int kNbFilt170 = 170;
constexpr int kNbFilt085Min = 51;
constexpr int kNbFilt170Min = 93;
constexpr int kGainRowLen = 20;      // five taps and fifteen search terms per gain row
constexpr int kSgrid = 2;
constexpr int kMaxPulseNum = 6;
constexpr int kMlqSteps = 2;
constexpr int kNumOfGainLev = 24;
constexpr int kPwRange = 3;
constexpr int kPwConst = 10240;
constexpr int kLspQntBands = 3;
constexpr int kLspCbSize = 256;
constexpr int kLspPrd0 = 12288;
constexpr int kLspPrd1 = 23552;
constexpr int kRidgeFact = 10;
constexpr int kPreCoef = -16384;
constexpr int kSizErr = 5;
constexpr int kErr0 = 4;
constexpr int kThreshErr = 0x40000000;
constexpr int kDecShift = 30 - 7;    // shift of the taming index
constexpr int kErrMaxNum = 3;

// Gain rows the encoder searches when the gain-search limit is on.
constexpr int kLimitedRows085 = 48;
constexpr int kLimitedRows170 = 96;

}  // namespace g723
