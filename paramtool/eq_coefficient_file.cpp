#include "paramtool/eq_coefficient_file.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

#include "paramtool/eq_pack.h"
#include "paramtool/eq_validation.h"

namespace paramtool {

namespace {
constexpr const char* kEol = "\r\n";
constexpr const char* kTrailerOpen = "/*";
constexpr const char* kTrailerClose = "*/";
}  // namespace

void writeCoefficientText(std::ostream& out, const CoefficientBlock& block, const EqDesign& f) {
  for (int16_t word : block.words) out << static_cast<uint16_t>(word) << kEol;
  out << kTrailerOpen << kEol;
  out << f.points << kEol << f.stageCount << kEol;
  // Default stream format: up to 6 significant digits, no trailing zeros.
  std::ostringstream values;
  values << f.sampleRate << kEol << f.globalGainDb << kEol;
  for (const EqStage& s : f.stages) values << s.frequency << kEol;
  for (const EqStage& s : f.stages) values << s.gainDb << kEol;
  for (const EqStage& s : f.stages) values << s.q << kEol;
  out << values.str() << kTrailerClose << kEol;
}

EqFileStatus writeCoefficientFile(const std::string& path, const CoefficientBlock& block,
                                  const EqDesign& fields) {
  return writeTextFile(path, [&](std::ostream& out) { writeCoefficientText(out, block, fields); });
}

namespace {

bool parseLong(const std::string& token, long minimum, long maximum, long& value) {
  if (token.empty()) return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtol(token.c_str(), &end, 10);
  return errno == 0 && end == token.c_str() + token.size() && value >= minimum && value <= maximum;
}

bool readTrailer(std::istream& in, EqDesign& t) {
  std::string token;
  long points = 0, stageCount = 0;
  auto nextLong = [&](const EqFieldRange& range, long& value) {
    return static_cast<bool>(in >> token) &&
           parseLong(token, static_cast<long>(range.minimum), static_cast<long>(range.maximum),
                     value);
  };
  auto nextDouble = [&](double& value) {
    return static_cast<bool>(in >> token) && parseFiniteNumber(token, value);
  };
  if (!nextLong(eq_range::kPoints, points) || !nextLong(eq_range::kStageCount, stageCount))
    return false;
  t.points = static_cast<int>(points);
  t.stageCount = static_cast<int>(stageCount);
  if (!nextDouble(t.sampleRate) || !nextDouble(t.globalGainDb)) return false;
  for (EqStage& s : t.stages)
    if (!nextDouble(s.frequency)) return false;
  for (EqStage& s : t.stages)
    if (!nextDouble(s.gainDb)) return false;
  for (EqStage& s : t.stages)
    if (!nextDouble(s.q)) return false;
  // Loading reads no further: the closing "*/" and whatever follows it are not looked at.
  return true;
}

}  // namespace

CoefficientFileRead readCoefficientText(std::istream& in) {
  CoefficientFileRead result;
  CoefficientFile& file = result.file;
  std::string token;
  for (int16_t& word : file.block.words) {
    long value = 0;
    if (!(in >> token) || !parseLong(token, -32768, 65535, value)) {
      result.status = EqFileStatus::Malformed;
      return result;
    }
    // Signed high words and unsigned low words are the same 16 bits either way.
    word = static_cast<int16_t>(static_cast<uint16_t>(value & 0xFFFF));
  }
  if (!(in >> token) || token != kTrailerOpen) {
    result.status = EqFileStatus::Malformed;
    return result;
  }
  in >> std::ws;
  if (in.peek() == std::char_traits<char>::eof()) return result;
  file.hasTrailer = readTrailer(in, file.trailer);
  if (!file.hasTrailer) result.status = EqFileStatus::Malformed;
  return result;
}

CoefficientFileRead readCoefficientFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    CoefficientFileRead failed;
    failed.status = EqFileStatus::OpenFailed;
    return failed;
  }
  return readCoefficientText(in);
}

LoadedCoefficients loadCoefficients(const CoefficientFile& file, const EqDesign& current) {
  LoadedCoefficients loaded;
  const BlockStages block = blockStages(file.block);
  loaded.stages = block.stages;
  loaded.design = current;
  if (file.hasTrailer) {
    loaded.design = file.trailer;
  } else {
    loaded.design.sampleRate = 48000.0;
    loaded.design.points = 16384;
    loaded.design.stageCount = kEqStages;
  }
  loaded.design.globalGainDb = overallGainDb(block.overallGain);
  return loaded;
}

}  // namespace paramtool
