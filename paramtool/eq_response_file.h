#pragma once
// Response files: "Response.txt", which every calculation writes, and the import of a
// measured or saved response onto the designer's grid. A response file has one comment line,
// then a frequency (Hz) and a level (dB) per line; Response.txt is a valid import file.

#include <iosfwd>
#include <string>
#include <vector>

#include "paramtool/eq_file_status.h"

namespace paramtool {

inline constexpr const char* kResponseFileName = "Response.txt";

// Writes the header line, then "%4.10f    %4.10f" of bin frequency and level per grid bin,
// CR LF line ends.
void writeResponseText(std::ostream& out, const std::vector<double>& response, double sampleRate);
EqFileStatus writeResponseFile(const std::string& path, const std::vector<double>& response,
                               double sampleRate);

struct ResponseSample {
  double frequency;
  double magnitude;  // linear
};

// The samples of a response file: the first line is skipped; every further line whose first
// two fields (separated by any of space, comma, semicolon and tab) are numbers gives one
// sample, up to `maxSamples` of them (further lines are ignored). A level of "-inf", which
// Response.txt writes for a magnitude of 0, is a magnitude of 0.
std::vector<ResponseSample> parseResponseSamples(std::istream& in, std::size_t maxSamples);

// Linear interpolation of the samples (in linear magnitude, by frequency) onto a grid of
// `points` bins, extrapolating from the first two or last two samples outside their range.
// A magnitude never goes below 0. Samples need not be in order. Requires at least one sample.
std::vector<double> interpolateOntoGrid(std::vector<ResponseSample> samples, int points,
                                        double sampleRate);

struct ImportedResponse {
  EqFileStatus status = EqFileStatus::Ok;
  std::vector<double> curve;  // `points` linear magnitudes
  // The data ends below 90 % of the grid's highest frequency ("The import response
  // resolution may not be enough."); the curve is still used.
  bool resolutionWarning = false;
};

ImportedResponse importResponse(std::istream& in, int points, double sampleRate);
ImportedResponse importResponseFile(const std::string& path, int points, double sampleRate);

}  // namespace paramtool
