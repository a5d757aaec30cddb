#include "console/save_as.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace console {

std::string SaveAsPath(const std::string& chosen) {
  const std::size_t from = chosen.size() >= 5 ? chosen.size() - 5 : 0;
  if (chosen.find(".txt", from) != std::string::npos) return chosen;
  return chosen + ".txt";
}

namespace {

std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

bool WritePaneText(const std::string& path, const std::string& pane_text_utf8) {
  // Readable and writable by others, as the saved logs are shared on the bench.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const std::string data = WithCrLf(pane_text_utf8);
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ::close(fd);
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return ::close(fd) == 0;
}

}  // namespace console
