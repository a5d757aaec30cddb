#include "console/open_failure.h"

#include <cerrno>

std::string DescribeOpenFailure(const std::string& port, int step, int os_error,
                                const std::string& reason) {
  std::string text = "Cannot open " + port + " (step " + std::to_string(step) + ")";
  if (!reason.empty()) text += ": " + reason;
  if (os_error == EACCES || os_error == EPERM) {
    text += ". Is your user in the dialout group?";
  }
  return text;
}
