#pragma once
// Raw 8N1 line settings with any positive baud rate, through termios2. This lives in a file
// of its own because the kernel's termios2 header and the C library's <termios.h> clash.

#include <cstdint>

namespace line_settings {

enum class Step { kNone, kRead, kWrite, kCheck };

struct Result {
  Step failed = Step::kNone;  // kNone: the settings are in place
  int error = 0;              // errno of the failed step
};

// Reads the port's settings, makes them raw 8N1 without flow control at the baud rate
// (a custom rate where the rate has no B-constant; 0 is refused), writes them and reads
// them back to check that the data format took.
Result ApplyRaw8N1(int fd, std::uint32_t baud_rate);

}  // namespace line_settings
