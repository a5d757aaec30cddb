#include "console/cli/cli_arguments.h"

#include "console/cli/tts_commands.h"
#include "link/command_recorder.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kMaxListenSeconds = 24 * 3600;

bool ParseWholeNumber(const std::string& text, unsigned long max, unsigned long& value) {
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return false;
  char* end = nullptr;
  value = std::strtoul(text.c_str(), &end, 10);
  return *end == '\0' && value <= max;
}

bool ParseSeconds(const std::string& text, unsigned& ms) {
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '.')) {
    return false;
  }
  char* end = nullptr;
  const double seconds = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(seconds) || seconds > kMaxListenSeconds) return false;
  ms = static_cast<unsigned>(std::lround(seconds * 1000));
  return true;
}

// Runs the step's builder without a link: a command its builder refuses is a bad argument.
bool CheckBuilds(const CliStep& step, std::string& error) {
  if (!step.send) return true;
  CommandRecorder recorder;
  switch (step.send(recorder)) {
    case kSent: return true;
    case kSendDialLength:
      error = step.text + ": the number must have at least one digit and at most 20 (10 for an "
                          "extension)";
      return false;
    default:
      error = step.text + ": too long for this command";
      return false;
  }
}

// Reads the value of the option at args[pos] (the argument after it).
bool OptionValue(const std::vector<std::string>& args, std::size_t& pos, std::string& value) {
  if (pos + 1 >= args.size()) return false;
  value = args[++pos];
  return true;
}

bool ParseOption(const std::vector<std::string>& args, std::size_t& pos, CliOptions& options,
                 std::string& error) {
  const std::string& option = args[pos];
  std::string value;
  if (option == "--help" || option == "-h") {
    options.help = true;
  } else if (option == "--fill-null") {
    options.fill_null = true;
  } else if (option == "--port") {
    if (!OptionValue(args, pos, value) || value.empty()) {
      error = "--port expects the path of the serial device (such as /dev/ttyUSB0)";
      return false;
    }
    options.port = value;
  } else if (option == "--baud") {
    unsigned long baud = 0;
    if (!OptionValue(args, pos, value) || !ParseWholeNumber(value, 0xFFFFFFFFul, baud) ||
        baud == 0) {
      error = "--baud expects a positive whole number of bits per second, got '" + value + "'";
      return false;
    }
    options.baud_rate = static_cast<std::uint32_t>(baud);
  } else if (option == "--for") {
    if (!OptionValue(args, pos, value) || !ParseSeconds(value, options.listen_ms)) {
      error = "--for expects a number of seconds (such as 1 or 0.5), got '" + value + "'";
      return false;
    }
  } else {
    error = "unknown option '" + option + "'";
    return false;
  }
  ++pos;
  return true;
}

}  // namespace

bool ParseCliArguments(const std::vector<std::string>& args, CliOptions& options,
                       std::string& error) {
  std::size_t pos = 0;
  while (pos < args.size()) {
    if (args[pos].rfind("-", 0) == 0) {
      if (!ParseOption(args, pos, options, error)) return false;
      continue;
    }
    CliStep step;
    if (IsTtsSendStep(args, pos)) {
      if (!ParseTtsSendStep(args, pos, step, error)) return false;
      options.steps.push_back(std::move(step));
      continue;
    }
    if (!ParseCliStep(args, pos, step, error) || !CheckBuilds(step, error)) return false;
    options.steps.push_back(std::move(step));
  }
  if (options.help) return true;
  if (options.port.empty()) {
    error = "--port PATH is required";
    return false;
  }
  return true;
}

std::string CliHelpText() {
  return "usage: quorlin-cli --port PATH [--baud N] [--fill-null] [--for SECONDS] COMMAND...\n"
         "\n"
         "Opens the serial link to the module, sends the commands in order, listens SECONDS\n"
         "more after the last one (default 1) and prints the log as the console writes it.\n"
         "\n"
         "options:\n"
         "  --port PATH     the serial device (/dev/ttyUSB0, a pseudo-terminal, ...)\n"
         "  --baud N        baud rate, default 115200\n"
         "  --fill-null     send a 00 byte before every command\n"
         "  --for SECONDS   how long to listen after the last command, default 1\n"
         "\n"
         "commands (values in hexadecimal; NAME:16 is a 16-bit value, NAME:01 is 00 or 01,\n"
         "\"NAME\" is one text argument, NAME... a run of bytes, NAME[N] exactly N bytes):\n" +
         CliCommandList() + "\n" + TtsCommandsHelpText();
}
