#pragma once

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

namespace paramtool {

// How reading or writing one of the designer's text files went.
enum class EqFileStatus {
  Ok,
  OpenFailed,  // the file could not be opened or created
  Malformed,   // the content is not a file of this kind; nothing was taken from it
  NoData,      // a response file without a single frequency and level
};

// Creates (or empties) the file and lets `write` fill it through a binary stream, so that the
// CR LF line ends stay as written.
template <typename Write>
EqFileStatus writeTextFile(const std::string& path, Write&& write) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return EqFileStatus::OpenFailed;
  write(out);
  out.flush();
  return out ? EqFileStatus::Ok : EqFileStatus::OpenFailed;
}

// A field of one of those files that must be a finite number and nothing else.
inline bool parseFiniteNumber(const std::string& field, double& value) {
  if (field.empty()) return false;
  char* end = nullptr;
  value = std::strtod(field.c_str(), &end);
  return end == field.c_str() + field.size() && std::isfinite(value);
}

}  // namespace paramtool
