#include "paramtool/eq_response_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <ostream>

#include "paramtool/eq_design.h"
#include "paramtool/eq_texts.h"

namespace paramtool {

void writeResponseText(std::ostream& out, const std::vector<double>& response, double sampleRate) {
  out << eq_text::kResponseHeader << "\r\n";
  const int points = static_cast<int>(response.size());
  char line[128];
  for (int i = 0; i < points; ++i) {
    const double hz = ResponseGrid::binFrequency(i, points, sampleRate);
    std::snprintf(line, sizeof line, "%4.10f    %4.10f\r\n", hz, linearToDb(response[i]));
    out << line;
  }
}

EqFileStatus writeResponseFile(const std::string& path, const std::vector<double>& response,
                               double sampleRate) {
  return writeTextFile(path, [&](std::ostream& out) { writeResponseText(out, response, sampleRate); });
}

namespace {

bool isSeparator(char c) { return c == ' ' || c == ',' || c == ';' || c == '\t' || c == '\r'; }

// The next field of `line` from `at`, skipping leading separators.
std::string nextField(const std::string& line, std::size_t& at) {
  while (at < line.size() && isSeparator(line[at])) ++at;
  const std::size_t start = at;
  while (at < line.size() && !isSeparator(line[at])) ++at;
  return line.substr(start, at - start);
}

// A level in dB. Response.txt prints a magnitude of 0 as "-inf", which is a magnitude of 0.
bool parseLevel(const std::string& field, double& db) {
  if (field.empty()) return false;
  char* end = nullptr;
  db = std::strtod(field.c_str(), &end);
  return end == field.c_str() + field.size() && (std::isfinite(db) || db == -HUGE_VAL);
}

}  // namespace

std::vector<ResponseSample> parseResponseSamples(std::istream& in, std::size_t maxSamples) {
  std::vector<ResponseSample> samples;
  std::string line;
  if (!std::getline(in, line)) return samples;  // the comment line
  while (samples.size() < maxSamples && std::getline(in, line)) {
    std::size_t at = 0;
    double hz = 0.0, db = 0.0;
    if (!parseFiniteNumber(nextField(line, at), hz) || !parseLevel(nextField(line, at), db)) continue;
    const double magnitude = dbToLinear(db);
    if (std::isfinite(magnitude)) samples.push_back({hz, magnitude});
  }
  return samples;
}

std::vector<double> interpolateOntoGrid(std::vector<ResponseSample> samples, int points,
                                        double sampleRate) {
  std::stable_sort(samples.begin(), samples.end(),
                   [](const ResponseSample& a, const ResponseSample& b) {
                     return a.frequency < b.frequency;
                   });
  std::vector<double> curve(static_cast<std::size_t>(std::max(points, 0)));
  const std::size_t n = samples.size();
  if (n == 0) return curve;
  if (n == 1) {
    std::fill(curve.begin(), curve.end(), samples.front().magnitude);
    return curve;
  }
  std::size_t j = 0;  // the segment samples[j], samples[j + 1] in use
  for (int i = 0; i < points; ++i) {
    const double hz = ResponseGrid::binFrequency(i, points, sampleRate);
    while (j + 2 < n && samples[j + 1].frequency <= hz) ++j;
    const ResponseSample& p = samples[j];
    const ResponseSample& q = samples[j + 1];
    double value = q.magnitude;
    if (q.frequency != p.frequency) {
      const double t = (hz - p.frequency) / (q.frequency - p.frequency);
      value = p.magnitude + (q.magnitude - p.magnitude) * t;
    }
    // Extrapolation may fall below 0 (and extreme data give NaN): no magnitude there.
    curve[static_cast<std::size_t>(i)] = value > 0.0 ? value : 0.0;
  }
  return curve;
}

ImportedResponse importResponse(std::istream& in, int points, double sampleRate) {
  ImportedResponse result;
  const auto samples = parseResponseSamples(in, static_cast<std::size_t>(std::max(points, 0)));
  if (samples.empty()) {
    result.status = EqFileStatus::NoData;
    return result;
  }
  double lastHz = samples.front().frequency;
  for (const auto& s : samples) lastHz = std::max(lastHz, s.frequency);
  const double gridTop = ResponseGrid::binFrequency(points - 1, points, sampleRate);
  result.resolutionWarning = lastHz < 0.9 * gridTop;
  result.curve = interpolateOntoGrid(samples, points, sampleRate);
  return result;
}

ImportedResponse importResponseFile(const std::string& path, int points, double sampleRate) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ImportedResponse failed;
    failed.status = EqFileStatus::OpenFailed;
    return failed;
  }
  return importResponse(in, points, sampleRate);
}

}  // namespace paramtool
