#include "sim/sim_options.h"

#include "sim/step_tokens.h"

#include <optional>

namespace {

std::optional<std::uint8_t> HexByteArgument(std::string text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.erase(0, 2);
  return ParseHexByte({text, false});
}

}  // namespace

std::string SimUsage() {
  return "usage: btm-sim [--link PATH] [--script FILE] [--ack-status OPCODE=STATUS]... "
         "[--no-ack OPCODE]...\n"
         "  Creates a virtual module on a pseudo-terminal and prints its device path.\n"
         "  --link PATH                 also make PATH a symbolic link to the device\n"
         "  --script FILE               play a scenario script once a host opens the port\n"
         "  --ack-status OPCODE=STATUS  answer that command with this Command ACK status\n"
         "  --no-ack OPCODE             answer that command with no Command ACK\n"
         "  Opcodes and statuses are hexadecimal. Runs until killed or until the script "
         "quits.\n";
}

bool ParseSimArguments(const std::vector<std::string>& args, SimOptions& options,
                       std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--help" || option == "-h") {
      options.help = true;
      continue;
    }
    if (option != "--link" && option != "--script" && option != "--ack-status" &&
        option != "--no-ack") {
      return error = "unknown option '" + option + "'", false;
    }
    if (i + 1 == args.size()) return error = option + " needs a value", false;
    const std::string& value = args[++i];
    if (option == "--link") {
      options.link_path = value;
    } else if (option == "--script") {
      options.script_path = value;
    } else if (option == "--no-ack") {
      const auto opcode = HexByteArgument(value);
      if (!opcode) return error = "--no-ack " + value + ": not a hexadecimal opcode", false;
      options.module.no_ack.insert(*opcode);
    } else {
      const std::size_t equals = value.find('=');
      const auto opcode = HexByteArgument(value.substr(0, equals));
      const auto status = equals == std::string::npos ? std::nullopt
                                                      : HexByteArgument(value.substr(equals + 1));
      if (!opcode || !status) {
        return error = "--ack-status " + value + ": expected OPCODE=STATUS in hexadecimal", false;
      }
      options.module.ack_status[*opcode] = *status;
    }
  }
  return true;
}
