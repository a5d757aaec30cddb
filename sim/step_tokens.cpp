#include "sim/step_tokens.h"

#include "link/event_names.h"

#include <cctype>

namespace {

constexpr unsigned long kMaxDelayMs = 24ul * 60 * 60 * 1000;

bool AllOf(const std::string& text, int (*is)(int)) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (!is(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

}  // namespace

bool TokenizeStepLine(const std::string& line, std::vector<StepToken>& tokens,
                      std::string& error) {
  tokens.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == '#') break;
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string::npos) return error = "a quoted text is not closed", false;
      tokens.push_back({line.substr(i + 1, close - i - 1), true});
      i = close + 1;
    } else {
      std::size_t end = i;
      while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end])) &&
             line[end] != '#' && line[end] != '"') {
        ++end;
      }
      tokens.push_back({line.substr(i, end - i), false});
      i = end;
    }
  }
  return true;
}

std::optional<unsigned> ParseDelayMs(const StepToken& token) {
  if (token.quoted || token.text.size() > 9 || !AllOf(token.text, isdigit)) return std::nullopt;
  const unsigned long value = std::stoul(token.text);
  if (value > kMaxDelayMs) return std::nullopt;
  return static_cast<unsigned>(value);
}

std::optional<std::uint8_t> ParseEventWord(const StepToken& token) {
  if (token.quoted) return std::nullopt;
  const std::string& text = token.text;
  if (text.size() == 4 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return ParseHexByte({text.substr(2), false});
  }
  return EventOpcodeByName(text);
}

std::optional<std::uint8_t> ParseHexByte(const StepToken& token) {
  if (token.quoted || token.text.size() > 2 || !AllOf(token.text, isxdigit)) return std::nullopt;
  return static_cast<std::uint8_t>(std::stoul(token.text, nullptr, 16));
}

bool AppendValue(const StepToken& token, std::vector<std::uint8_t>& out) {
  if (token.quoted) {
    out.insert(out.end(), token.text.begin(), token.text.end());
    return true;
  }
  const std::optional<std::uint8_t> byte = ParseHexByte(token);
  if (byte) out.push_back(*byte);
  return byte.has_value();
}
