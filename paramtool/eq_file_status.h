#pragma once

namespace paramtool {

// How reading or writing one of the designer's text files went.
enum class EqFileStatus {
  Ok,
  OpenFailed,  // the file could not be opened or created
  Malformed,   // the content is not a file of this kind; nothing was taken from it
  NoData,      // a response file without a single frequency and level
};

}  // namespace paramtool
