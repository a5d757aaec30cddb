#include "sim/btm_sim.h"

#include "sim/sim_options.h"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

bool ReadScript(const std::string& path, std::vector<ScriptStep>& steps, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) return error = path + ": cannot be read", false;
  if (!ParseScript(text.str(), steps, error)) return error = path + ": " + error, false;
  return true;
}

// Makes `link` a symbolic link to `target`, replacing an old link but nothing else.
bool MakeLink(const std::string& link, const std::string& target, std::string& error) {
  struct stat info {};
  if (::lstat(link.c_str(), &info) == 0) {
    if (!S_ISLNK(info.st_mode)) return error = link + " exists and is not a link", false;
    ::unlink(link.c_str());
  }
  if (::symlink(target.c_str(), link.c_str()) != 0) {
    return error = link + ": " + std::strerror(errno), false;
  }
  return true;
}

// Removes the link if it still leads to `target` (another run may have taken it over).
void RemoveLink(const std::string& link, const std::string& target) {
  char leads_to[256] = {};
  const ssize_t n = ::readlink(link.c_str(), leads_to, sizeof leads_to - 1);
  if (n > 0 && target == std::string(leads_to, static_cast<std::size_t>(n))) {
    ::unlink(link.c_str());
  }
}

bool Readable(int fd, int timeout_ms) {
  pollfd p{fd, POLLIN, 0};
  return fd >= 0 && ::poll(&p, 1, timeout_ms) > 0;
}

}  // namespace

int RunBtmSim(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              int stop_fd) {
  SimOptions options;
  std::string error;
  if (!ParseSimArguments(args, options, error)) {
    err << "btm-sim: " << error << "\n" << SimUsage();
    return kSimExitUsage;
  }
  if (options.help) {
    out << SimUsage();
    return kSimExitOk;
  }
  if (!options.script_path.empty() &&
      !ReadScript(options.script_path, options.module.script, error)) {
    err << "btm-sim: " << error << "\n";
    return kSimExitUsage;
  }

  VirtualModule module(options.module);
  if (!module.Start(error)) {
    err << "btm-sim: " << error << "\n";
    return kSimExitFailed;
  }
  if (!options.link_path.empty() && !MakeLink(options.link_path, module.DevicePath(), error)) {
    err << "btm-sim: " << error << "\n";
    return kSimExitFailed;
  }
  out << module.DevicePath() << std::endl;  // the port is ready, link and all

  while (!module.WaitForQuit(std::chrono::milliseconds(100)) && !Readable(stop_fd, 0)) {
  }
  module.Stop();
  if (!options.link_path.empty()) RemoveLink(options.link_path, module.DevicePath());

  const EventAckReport report = module.AckReport();
  out << report.Describe() << std::flush;
  return report.Balanced() ? kSimExitOk : kSimExitEventAcksOwed;
}
