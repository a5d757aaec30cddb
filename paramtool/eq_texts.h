#pragma once
// Every text the equaliser designer shows, exactly as the user sees it.

#include <cstdio>
#include <string>

namespace paramtool::eq_text {

inline constexpr const char* kFrequencyIncorrect = "Filter%d central frequency incorrect!";
inline constexpr const char* kMaximumGain = "The Maximum Gain Cannot over 12 dB!";
inline constexpr const char* kNothingCalculated = "No coefficients are calculated!";
inline constexpr const char* kAlreadyExists = "%s already exists.\nDo you want to overwrite it?!";
inline constexpr const char* kOutputFailed = "Open output file failed!";
inline constexpr const char* kSaved = "The coefficients are saved!";
inline constexpr const char* kInputFailed = "Fail to open input file!";
inline constexpr const char* kReadParametersFailed = "Fail to read parameters.";
inline constexpr const char* kImportResolution = "The import response resolution may not be enough.";
// The dialog framework's range messages; %1 and %2 are the field's limits.
inline constexpr const char* kNumberRange = "請輸入介於 %1 和 %2 之間的數字。";
inline constexpr const char* kIntegerRange = "請輸入介於 %1 和 %2 之間的整數。";
// The first line of Response.txt.
inline constexpr const char* kResponseHeader =
    "Add a redundant line for comment and simplicity of file process";

// "Filter%d central frequency incorrect!" for a 1-based stage number.
inline std::string frequencyIncorrect(int stage) {
  char text[64];
  std::snprintf(text, sizeof text, kFrequencyIncorrect, stage);
  return text;
}

}  // namespace paramtool::eq_text
