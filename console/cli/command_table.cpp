#include "console/cli/command_table.h"

#include <cctype>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace {

using Bytes = CommandBuilders::Bytes;

enum class Kind { kByte, kWord, kFlag, kText, kRun, kFixedRun };

struct Param {
  Kind kind;
  const char* name;
  std::size_t count = 0;  // kFixedRun: the exact number of bytes
};

struct Value {
  unsigned number = 0;
  std::string text;
  Bytes bytes;
  std::uint8_t Byte() const { return static_cast<std::uint8_t>(number); }
  std::uint16_t Word() const { return static_cast<std::uint16_t>(number); }
  bool Flag() const { return number != 0; }
};

using Values = std::vector<Value>;

struct CliCommand {
  const char* name;
  Bytes selector;  // leading literal bytes that pick the variant
  std::vector<Param> params;
  std::uint8_t (*invoke)(CommandBuilders&, const Values&);
};

Param Byte(const char* name) { return {Kind::kByte, name}; }
Param Word(const char* name) { return {Kind::kWord, name}; }
Param Flag(const char* name) { return {Kind::kFlag, name}; }
Param Text(const char* name) { return {Kind::kText, name}; }
Param Run(const char* name) { return {Kind::kRun, name}; }
Param FixedRun(const char* name, std::size_t count) { return {Kind::kFixedRun, name, count}; }

template <std::size_t N>
std::array<std::uint8_t, N> ToArray(const Bytes& bytes) {
  std::array<std::uint8_t, N> out{};
  std::copy(bytes.begin(), bytes.end(), out.begin());
  return out;
}

using B = CommandBuilders;
using V = Values;

// The catalogue, in order. `raw` and `wait` are handled before the table.
const std::vector<CliCommand>& Commands() {
  static const std::vector<CliCommand> commands = {
      {"MAKE_CALL", {}, {Byte("LINK"), Text("NUMBER")},
       [](B& b, const V& v) { return b.MAKE_CALL(v[0].Byte(), v[1].text); }},
      {"MAKE_EXTENSION_CALL", {}, {Byte("LINK"), Text("NUMBER")},
       [](B& b, const V& v) { return b.MAKE_EXTENSION_CALL(v[0].Byte(), v[1].text); }},
      {"MMI_ACTION", {}, {Byte("LINK"), Byte("ACTION")},
       [](B& b, const V& v) { return b.MMI_ACTION(v[0].Byte(), v[1].Byte()); }},
      {"STATUS_REPORT_MASK", {}, {FixedRun("MASK", 4)},
       [](B& b, const V& v) { return b.STATUS_REPORT_MASK(ToArray<4>(v[0].bytes)); }},
      {"MUSIC_CONTROL", {}, {Byte("LINK"), Byte("ACTION")},
       [](B& b, const V& v) { return b.MUSIC_CONTROL(v[0].Byte(), v[1].Byte()); }},
      {"CHANGE_DEVICE_NAME", {}, {Text("NAME")},
       [](B& b, const V& v) { return b.CHANGE_DEVICE_NAME(v[0].text); }},
      {"SET_PAIRING_TIMEOUT", {}, {Byte("UNITS_OF_30S")},
       [](B& b, const V& v) { return b.SET_PAIRING_TIMEOUT(v[0].Byte()); }},
      {"READ_BTM_VERSION", {}, {Byte("WHICH")},
       [](B& b, const V& v) { return b.READ_BTM_VERSION(v[0].Byte()); }},
      {"VENDOR_AT_COMMAND", {}, {Byte("LINK"), Text("COMMAND")},
       [](B& b, const V& v) { return b.VENDOR_AT_COMMAND(v[0].Byte(), v[1].text); }},
      {"AVC_SPECIFIC_COMMAND", {}, {Byte("LINK"), Byte("PDU_ID"), Run("PARAMETERS")},
       [](B& b, const V& v) {
         return b.AVC_SPECIFIC_COMMAND(v[0].Byte(), v[1].Byte(), v[2].bytes);
       }},
      {"AVRCP_GROUP_NAVIGATION", {}, {Byte("LINK"), Byte("DIRECTION")},
       [](B& b, const V& v) { return b.AVRCP_GROUP_NAVIGATION(v[0].Byte(), v[1].Byte()); }},
      {"INFO_QUERY_0D", {}, {}, [](B& b, const V&) { return b.INFO_QUERY_0D(); }},
      {"INFO_QUERY_0E", {}, {}, [](B& b, const V&) { return b.INFO_QUERY_0E(); }},
      {"INFO_QUERY_0F", {}, {}, [](B& b, const V&) { return b.INFO_QUERY_0F(); }},
      {"INFO_QUERY_10", {}, {}, [](B& b, const V&) { return b.INFO_QUERY_10(); }},
      {"SET_PHONEBOOK_ACCESS", {}, {Byte("FLAG")},
       [](B& b, const V& v) { return b.SET_PHONEBOOK_ACCESS(v[0].Byte()); }},
      {"SEND_SPP_DATA", {}, {Byte("LINK"), Byte("TYPE"), Word("TOTAL"), Run("PAYLOAD")},
       [](B& b, const V& v) {
         return b.SEND_SPP_DATA(v[0].Byte(), v[1].Byte(), v[2].Word(), v[3].bytes);
       }},
      {"MISC_CONTROL", {}, {Byte("SUB_COMMAND"), Byte("VALUE")},
       [](B& b, const V& v) { return b.MISC_CONTROL(v[0].Byte(), v[1].Byte()); }},
      {"EVENT_ACK", {}, {Byte("EVENT_OPCODE")},
       [](B& b, const V& v) { return b.EVENT_ACK(v[0].Byte()); }},
      {"CONNECT_PROFILE", {}, {Byte("LINK"), Byte("PROFILE")},
       [](B& b, const V& v) { return b.CONNECT_PROFILE(v[0].Byte(), v[1].Byte()); }},
      {"READ_LINKED_DEVICE_INFO", {}, {Byte("LINK"), Byte("ITEM")},
       [](B& b, const V& v) { return b.READ_LINKED_DEVICE_INFO(v[0].Byte(), v[1].Byte()); }},
      {"PROFILE_LINK_BACK", {}, {Byte("PROFILE")},
       [](B& b, const V& v) { return b.PROFILE_LINK_BACK(v[0].Byte()); }},
      {"PROFILE_LINK_BACK", {0x04}, {Byte("PAIRED_INDEX"), Byte("PROFILE_FLAGS")},
       [](B& b, const V& v) { return b.PROFILE_LINK_BACK_DEDICATE(v[0].Byte(), v[1].Byte()); }},
      {"DISCONNECT", {}, {Byte("PROFILE_MASK")},
       [](B& b, const V& v) { return b.DISCONNECT(v[0].Byte()); }},
      {"SET_EQ_MODE", {}, {Byte("MODE")}, [](B& b, const V& v) { return b.SET_EQ_MODE(v[0].Byte()); }},
      {"SET_NOISE_REDUCTION", {}, {Byte("CODE")},
       [](B& b, const V& v) { return b.SET_NOISE_REDUCTION(v[0].Byte()); }},
      {"GPIO_CONTROL", {}, {FixedRun("GROUPS", 12)},
       [](B& b, const V& v) { return b.GPIO_CONTROL(ToArray<12>(v[0].bytes)); }},
      {"SET_UART_BUFFER_SIZE", {}, {Word("SIZE")},
       [](B& b, const V& v) { return b.SET_UART_BUFFER_SIZE(v[0].Word()); }},
      {"TTS_DATA", {0x00, 0x01}, {}, [](B& b, const V&) { return b.TTS_DATA_START(); }},
      {"TTS_DATA", {0x01}, {Byte("CHUNK_KIND"), Run("DATA")},
       [](B& b, const V& v) { return b.TTS_DATA_CHUNK(v[0].Byte(), v[1].bytes); }},
      {"GAIN_CONTROL", {},
       {Byte("LINK"), Byte("MASK"), Byte("OPERATION"), Byte("A2DP"), Byte("HF"), Byte("LINE_IN")},
       [](B& b, const V& v) {
         return b.GAIN_CONTROL(v[0].Byte(), v[1].Byte(), v[2].Byte(), v[3].Byte(), v[4].Byte(),
                               v[5].Byte());
       }},
      {"READ_BTM_SETTING", {}, {Byte("ITEM")},
       [](B& b, const V& v) { return b.READ_BTM_SETTING(v[0].Byte()); }},
      {"ANCS_CONTROL", {0x00}, {}, [](B& b, const V&) { return b.ANCS_CONTROL_SEARCH(); }},
      {"ANCS_CONTROL", {0x01}, {Flag("SUBSCRIBE")},
       [](B& b, const V& v) { return b.ANCS_CONTROL_SUBSCRIBE(v[0].Flag()); }},
      {"ANCS_CONTROL", {0x02}, {Run("NOTIFICATION")},
       [](B& b, const V& v) { return b.ANCS_CONTROL_NOTIFICATION(v[0].bytes); }},
      {"LE_CONTROL", {0x00}, {}, [](B& b, const V&) { return b.LE_CONTROL_QUERY_STATUS(); }},
      {"LE_CONTROL", {0x01}, {Flag("ENABLE")},
       [](B& b, const V& v) { return b.LE_CONTROL_ADVERTISING(v[0].Flag()); }},
      {"LE_CONTROL", {0x02},
       {Word("INTERVAL_MIN"), Word("INTERVAL_MAX"), Word("LATENCY"), Word("TIMEOUT")},
       [](B& b, const V& v) {
         return b.LE_CONTROL_CONNECTION_UPDATE(v[0].Word(), v[1].Word(), v[2].Word(),
                                               v[3].Word());
       }},
      {"LE_CONTROL", {0x03}, {Word("INTERVAL")},
       [](B& b, const V& v) { return b.LE_CONTROL_ADVERTISING_INTERVAL(v[0].Word()); }},
      {"SPEAKER_VENDOR_COMMAND", {}, {Byte("TYPE"), Run("DATA")},
       [](B& b, const V& v) { return b.SPEAKER_VENDOR_COMMAND(v[0].Byte(), v[1].bytes); }},
      {"AUDIO_EFFECT_SYNC", {}, {Byte("TYPE"), Byte("VALUE")},
       [](B& b, const V& v) { return b.AUDIO_EFFECT_SYNC(v[0].Byte(), v[1].Byte()); }},
  };
  return commands;
}

// ---- Values ---------------------------------------------------------------------------

bool IsHex(const std::string& token) {
  if (token.empty()) return false;
  for (char ch : token) {
    if (!std::isxdigit(static_cast<unsigned char>(ch))) return false;
  }
  return true;
}

bool ParseHexNumber(const std::string& token, std::size_t max_digits, unsigned& value) {
  if (!IsHex(token) || token.size() > max_digits) return false;
  value = static_cast<unsigned>(std::strtoul(token.c_str(), nullptr, 16));
  return true;
}

// One argument of a byte run: "A" is one byte, "0A0B" two; an odd count above 1 is ambiguous.
bool AppendRunToken(const std::string& token, Bytes& bytes) {
  if (!IsHex(token) || (token.size() > 1 && token.size() % 2 != 0)) return false;
  if (token.size() == 1) {
    bytes.push_back(static_cast<std::uint8_t>(std::strtoul(token.c_str(), nullptr, 16)));
    return true;
  }
  for (std::size_t i = 0; i < token.size(); i += 2) {
    bytes.push_back(static_cast<std::uint8_t>(std::strtoul(token.substr(i, 2).c_str(), nullptr, 16)));
  }
  return true;
}

std::string ShapeOf(const Param& param) {
  switch (param.kind) {
    case Kind::kByte: return param.name;
    case Kind::kWord: return std::string(param.name) + ":16";
    case Kind::kFlag: return std::string(param.name) + ":01";
    case Kind::kText: return std::string("\"") + param.name + "\"";
    case Kind::kRun: return std::string(param.name) + "...";
    case Kind::kFixedRun: return std::string(param.name) + "[" + std::to_string(param.count) + "]";
  }
  return param.name;
}

std::string Usage(const CliCommand& command) {
  std::ostringstream line;
  line << command.name;
  for (std::uint8_t byte : command.selector) {
    static const char kDigits[] = "0123456789ABCDEF";
    line << ' ' << kDigits[byte >> 4] << kDigits[byte & 0x0F];
  }
  for (const Param& param : command.params) line << ' ' << ShapeOf(param);
  return line.str();
}

// Reads a run of bytes starting at args[pos]: every following argument made of hex digits.
bool ReadRun(const std::vector<std::string>& args, std::size_t& pos, Bytes& bytes) {
  while (pos < args.size() && IsHex(args[pos])) {
    if (!AppendRunToken(args[pos], bytes)) return false;
    ++pos;
  }
  return true;
}

// Reads one value of the given shape at args[pos] and moves past it. On failure pos stays at
// the offending argument and `problem` says what was expected and what came.
bool ReadValue(const Param& param, const std::vector<std::string>& args, std::size_t& pos,
               Value& value, std::string& problem) {
  const std::string got = pos < args.size() ? "'" + args[pos] + "'" : "nothing";
  auto single = [&](std::size_t digits, unsigned max, const char* expected) {
    if (pos < args.size() && ParseHexNumber(args[pos], digits, value.number) &&
        value.number <= max) {
      ++pos;
      return true;
    }
    problem = std::string(expected) + ", got " + got;
    return false;
  };
  switch (param.kind) {
    case Kind::kByte: return single(2, 0xFF, "a hexadecimal byte (00 to FF)");
    case Kind::kWord: return single(4, 0xFFFF, "a hexadecimal 16-bit value (0000 to FFFF)");
    case Kind::kFlag: return single(2, 1, "00 or 01");
    case Kind::kText:
      if (pos >= args.size()) {
        problem = "a text argument, got nothing";
        return false;
      }
      value.text = args[pos++];
      return true;
    case Kind::kRun:
    case Kind::kFixedRun:
      if (!ReadRun(args, pos, value.bytes)) {
        problem = "hexadecimal bytes, got '" + args[pos] + "' (an odd number of digits)";
        return false;
      }
      if (param.kind == Kind::kFixedRun && value.bytes.size() != param.count) {
        problem = "exactly " + std::to_string(param.count) + " hexadecimal bytes, got " +
                  std::to_string(value.bytes.size());
        return false;
      }
      return true;
  }
  return false;
}

bool SelectorMatches(const CliCommand& command, const std::vector<std::string>& args,
                     std::size_t pos) {
  for (std::size_t i = 0; i < command.selector.size(); ++i) {
    unsigned byte = 0;
    if (pos + i >= args.size() || !ParseHexNumber(args[pos + i], 2, byte) ||
        byte != command.selector[i]) {
      return false;
    }
  }
  return true;
}

// The variant of `name` whose selector matches the arguments at pos (the longest one wins).
const CliCommand* FindVariant(const std::string& name, const std::vector<std::string>& args,
                              std::size_t pos, std::string& variants) {
  const CliCommand* best = nullptr;
  for (const CliCommand& command : Commands()) {
    if (name != command.name) continue;
    variants += "\n  " + Usage(command);
    if (SelectorMatches(command, args, pos) &&
        (best == nullptr || command.selector.size() > best->selector.size())) {
      best = &command;
    }
  }
  return best;
}

std::string Joined(const std::vector<std::string>& args, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) text += (i == from ? "" : " ") + args[i];
  return text;
}

bool ParseWait(const std::vector<std::string>& args, std::size_t& pos, CliStep& step,
               std::string& error) {
  const std::size_t start = pos++;
  const std::string value = pos < args.size() ? args[pos] : "";
  char* end = nullptr;
  const unsigned long ms = std::strtoul(value.c_str(), &end, 10);
  if (value.empty() || *end != '\0' || !std::isdigit(static_cast<unsigned char>(value[0])) ||
      ms > 24ul * 3600 * 1000) {
    error = "wait: expects a pause in milliseconds (decimal), got '" + value + "'";
    return false;
  }
  ++pos;
  step.wait_ms = static_cast<unsigned>(ms);
  step.text = Joined(args, start, pos);
  return true;
}

bool ParseRaw(const std::vector<std::string>& args, std::size_t& pos, CliStep& step,
              std::string& error) {
  const std::size_t start = pos++;
  auto bytes = std::make_shared<Bytes>();
  if (!ReadRun(args, pos, *bytes) || bytes->empty()) {
    error = "raw: expects the opcode and the parameters as hexadecimal bytes (raw 02 01 04)";
    return false;
  }
  step.text = Joined(args, start, pos);
  step.send = [bytes](CommandBuilders& b) {
    return b.SendRaw((*bytes)[0], static_cast<std::uint16_t>(bytes->size() - 1), bytes->data() + 1);
  };
  return true;
}

}  // namespace

bool ParseCliStep(const std::vector<std::string>& args, std::size_t& pos, CliStep& step,
                  std::string& error) {
  const std::string& name = args[pos];
  if (name == "wait") return ParseWait(args, pos, step, error);
  if (name == "raw") return ParseRaw(args, pos, step, error);

  const std::size_t start = pos;
  std::string variants;
  const CliCommand* command = FindVariant(name, args, pos + 1, variants);
  if (variants.empty()) {
    error = "unknown command '" + name + "' (quorlin-cli --help lists them)";
    return false;
  }
  if (command == nullptr) {
    error = name + ": the values that follow match none of its forms:" + variants;
    return false;
  }
  pos += 1 + command->selector.size();
  Values values(command->params.size());
  for (std::size_t i = 0; i < command->params.size(); ++i) {
    std::string problem;
    if (!ReadValue(command->params[i], args, pos, values[i], problem)) {
      error = name + ": " + command->params[i].name + " expects " + problem + " (" +
              Usage(*command) + ")";
      return false;
    }
  }
  step.text = Joined(args, start, pos);
  step.send = [command, values](CommandBuilders& b) { return command->invoke(b, values); };
  return true;
}

std::string CliCommandList() {
  std::string list = "  raw OPCODE PARAMETERS...\n  wait MS\n";
  for (const CliCommand& command : Commands()) list += "  " + Usage(command) + "\n";
  return list;
}
