#include "link/event_rules.h"

#include "link/event_types.h"

namespace {

// A value taken from the event: a content byte, a 16-bit content field, a figure derived
// from the length field, or a constant.
enum class Source : std::uint8_t {
  kConstant,
  kByte,           // c[i]
  kBigEndian16,    // c[i] c[i+1], most significant first
  kNative16,       // c[i] c[i+1], least significant first (after a rewrite)
  kLength,         // L
  kLengthLess8,    // (L - k) mod 256
  kLengthLess16,   // (L - k) mod 65536
};

struct Value {
  Source source;
  std::uint16_t arg;  // the index, the k of a length figure, or the constant
};

enum class Compare : std::uint8_t { kNone, kLe, kGe, kEq, kNe, kBetween };

// A row may apply a check or rewrite only when one content byte has one value.
struct Guard {
  bool active;
  std::uint8_t index;
  std::uint8_t value;
};

struct Check {
  Compare compare;
  Value value;
  Value limit;
  std::uint16_t upper;  // kBetween: the inclusive upper limit
  Guard when;
};

enum class Action : std::uint8_t { kNone, kToNative16, kStore8, kStoreNative16 };

struct Rewrite {
  Action action;
  std::uint8_t index;
  Value value;  // kStore8 and kStoreNative16
  Guard when;
};

struct EventRule {
  std::uint8_t first;
  std::uint8_t last;
  Rewrite before[2];
  Check checks[8];
  Rewrite after[1];
};

// ---- Spelling of the table ------------------------------------------------------------

constexpr Value C(std::uint16_t i) { return {Source::kByte, i}; }
constexpr Value Be16(std::uint16_t i) { return {Source::kBigEndian16, i}; }
constexpr Value N16(std::uint16_t i) { return {Source::kNative16, i}; }
constexpr Value L() { return {Source::kLength, 0}; }
constexpr Value LessMod256(std::uint16_t k) { return {Source::kLengthLess8, k}; }
constexpr Value LessMod65536(std::uint16_t k) { return {Source::kLengthLess16, k}; }
constexpr Value K(std::uint16_t v) { return {Source::kConstant, v}; }

constexpr Check Le(Value v, std::uint16_t limit) { return {Compare::kLe, v, K(limit), 0, {}}; }
constexpr Check Ge(Value v, Value limit) { return {Compare::kGe, v, limit, 0, {}}; }
constexpr Check Eq(Value v, std::uint16_t limit) { return {Compare::kEq, v, K(limit), 0, {}}; }
constexpr Check Ne(Value v, std::uint16_t limit) { return {Compare::kNe, v, K(limit), 0, {}}; }
constexpr Check Between(Value v, std::uint16_t low, std::uint16_t high) {
  return {Compare::kBetween, v, K(low), high, {}};
}
constexpr Check When(std::uint8_t index, std::uint8_t value, Check check) {
  check.when = {true, index, value};
  return check;
}

constexpr Rewrite ToNative16(std::uint8_t i) { return {Action::kToNative16, i, {}, {}}; }
constexpr Rewrite Store8(std::uint8_t i, Value v) { return {Action::kStore8, i, v, {}}; }
constexpr Rewrite StoreNative16(std::uint8_t i, Value v) {
  return {Action::kStoreNative16, i, v, {}};
}
constexpr Rewrite When(std::uint8_t index, std::uint8_t value, Rewrite rewrite) {
  rewrite.when = {true, index, value};
  return rewrite;
}

// ---- The rules ------------------------------------------------------------------------
// Columns: first opcode, last opcode, rewrites before the checks, checks, rewrites after.

constexpr EventRule kEventRules[] = {
    {COMMAND_ACK, COMMAND_ACK, {}, {Le(C(1), 5)}, {}},
    {BTM_STATUS, BTM_STATUS, {}, {Le(C(0), 17)}, {}},
    {CALL_STATUS, CALL_STATUS, {}, {Le(C(0), 1), Le(C(1), 8)}, {}},
    {CALLER_ID, CALLER_ID, {Store8(1, LessMod256(2))}, {Le(C(0), 1), Ne(C(1), 0)}, {}},
    {SMS_INDICATION, SMS_INDICATION, {}, {Le(C(0), 1), Le(C(1), 1)}, {}},
    {MISSED_CALL_INDICATION, MISSED_CALL_INDICATION, {}, {Le(C(0), 1)}, {}},
    {PHONE_MAX_BATTERY_LEVEL, PHONE_BATTERY_LEVEL, {}, {Le(C(0), 1), Le(C(1), 6)}, {}},
    {PHONE_ROAMING, PHONE_ROAMING, {}, {Le(C(0), 1), Le(C(1), 1)}, {}},
    {PHONE_MAX_SIGNAL_STRENGTH, PHONE_SIGNAL_STRENGTH, {}, {Le(C(0), 1), Le(C(1), 5)}, {}},
    {PHONE_SERVICE_STATUS, PHONE_SERVICE_STATUS, {}, {Le(C(0), 1), Le(C(1), 1)}, {}},
    {BTM_BATTERY_STATUS, BTM_BATTERY_STATUS, {}, {Le(C(0), 6)}, {}},
    {BTM_CHARGING_STATUS, BTM_CHARGING_STATUS, {}, {Le(C(0), 3)}, {}},
    {HF_GAIN_LEVEL, HF_GAIN_LEVEL, {}, {Le(C(0), 1), Le(C(1), 15)}, {}},
    {EQ_MODE, EQ_MODE, {}, {Le(C(0), 9)}, {}},
    {PHONEBOOK_RETRIEVED, PHONEBOOK_RETRIEVED, {}, {Le(C(0), 21)}, {}},
    {LINKED_DEVICE_INFO, LINKED_DEVICE_INFO, {},
     {Le(C(0), 1), Le(C(1), 5), When(1, 0, Ne(LessMod256(3), 0)), When(1, 1, Ne(C(2), 0xFF)),
      When(1, 2, Le(C(2), 1)), When(1, 3, Le(C(2), 1)), When(1, 5, Le(C(2), 15))},
     {}},
    {BTM_VERSION, BTM_VERSION, {}, {Le(C(0), 1)}, {}},
    {0x19, 0x19, {}, {Ne(LessMod256(1), 0)}, {Store8(0, LessMod256(1))}},
    {AVC_RESPONSE, AVC_RESPONSE, {When(3, 0, ToNative16(9))},
     {Le(C(0), 1), When(3, 0, Ne(N16(9), 0))}, {}},
    {BTM_MISC_STATUS, BTM_MISC_STATUS, {},
     {Le(C(0), 7), When(0, 0, Le(C(1), 1)), When(0, 1, Le(C(1), 3)), When(0, 2, Le(C(1), 1)),
      When(0, 3, Eq(C(1), 0)), When(0, 4, Le(C(1), 1)), When(0, 6, Le(C(1), 1))},
     {}},
    {AT_COMMAND_RESULT, AT_COMMAND_RESULT, {}, {Le(C(0), 1), Le(C(1), 2)}, {}},
    {AT_RESPONSE_TEXT, AT_RESPONSE_TEXT, {}, {Le(C(0), 1), Ne(LessMod65536(2), 0)},
     {StoreNative16(1, LessMod65536(2))}},
    {LINK_STATUS_REPORT, LINK_STATUS_REPORT, {},
     {Le(C(0), 7), Le(C(3), 8), Le(C(4), 8), Le(C(5), 1), Le(C(6), 1)}, {}},
    {PAIRED_DEVICE_LIST, PAIRED_DEVICE_LIST, {}, {Ne(C(0), 0)}, {}},
    {LOCAL_ADDRESS, LOCAL_ADDRESS, {}, {Ge(L(), K(2))}, {}},
    {LOCAL_NAME, LOCAL_NAME, {}, {Ne(C(0), 0)}, {}},
    {SPP_DATA, SPP_DATA, {ToNative16(2), ToNative16(4)},
     {Le(C(0), 1), Le(C(1), 3), Ne(N16(2), 0), Ne(N16(4), 0), Ge(N16(2), N16(4))}, {}},
    {0x23, 0x23, {}, {Le(C(0), 5), Le(C(1), 1)}, {}},
    {0x24, 0x24, {}, {Eq(C(1), 0)}, {}},
    {0x25, 0x25, {}, {Le(C(0), 1)}, {}},
    {0x26, 0x26, {}, {Le(C(0), 1), Le(C(1), 1)}, {}},
    {0x27, 0x27, {}, {Ge(L(), K(8))}, {}},
    {0x28, 0x28, {}, {Eq(C(0), 0), Le(C(1), 1)}, {}},
    {0x29, 0x29, {}, {Le(C(0), 1), Le(C(1), 1)}, {}},
    {0x2A, 0x2A, {}, {Eq(C(0), 0)}, {}},
    {0x2B, 0x2B, {ToNative16(3), ToNative16(5)},
     {Le(C(0), 4), Le(C(1), 3), Le(C(2), 3), Ne(N16(3), 0), Ne(N16(5), 0), Ge(N16(3), N16(5))},
     {}},
    {0x2C, 0x2C, {}, {Ge(L(), K(7))}, {}},
    {AUDIO_SAMPLE_RATE, AUDIO_SAMPLE_RATE, {}, {Le(C(0), 2)}, {}},
    {BTM_SETTING, BTM_SETTING, {}, {Le(C(0), 2), When(0, 2, Le(C(1), 1))}, {}},
    {UPDATE_BIN_STATUS, UPDATE_BIN_STATUS, {}, {Le(C(0), 2)}, {}},
    {BTM_INIT_COMPLETE, BTM_INIT_COMPLETE, {}, {Eq(C(0), 0)}, {}},
    {ANCS_INDICATION, ANCS_INDICATION, {}, {Le(C(0), 3), When(0, 0, Le(C(1), 1))}, {}},
    {LE_STATUS, LE_STATUS, {},
     {Le(C(0), 3), When(0, 0, Le(C(1), 3)), When(0, 1, Le(C(1), 63)),
      When(0, 2, Between(Be16(1), 6, 3200)), When(0, 2, Between(Be16(3), 6, 3200)),
      When(0, 2, Between(Be16(5), 6, 3200)), When(0, 3, Le(C(1), 1)), When(0, 3, Eq(C(2), 0))},
     {}},
    {ECSB_LINK_STATUS, ECSB_LINK_STATUS, {}, {Le(C(0), 4), Le(C(1), 4)}, {}},
    {SPEAKER_VENDOR_EVENT, SPEAKER_VENDOR_EVENT, {}, {Le(C(0), 3), Ne(Be16(1), 0)}, {}},
    {0x38, 0x38, {}, {}, {StoreNative16(6, LessMod65536(6))}},
};

// ---- Evaluation -----------------------------------------------------------------------

unsigned Read(const Value& v, std::size_t length, const std::uint8_t* c) {
  switch (v.source) {
    case Source::kConstant: return v.arg;
    case Source::kByte: return c[v.arg];
    case Source::kBigEndian16: return (c[v.arg] << 8) | c[v.arg + 1];
    case Source::kNative16: return c[v.arg] | (c[v.arg + 1] << 8);
    case Source::kLength: return static_cast<unsigned>(length);
    case Source::kLengthLess8: return static_cast<unsigned>(length - v.arg) & 0xFFu;
    case Source::kLengthLess16: return static_cast<unsigned>(length - v.arg) & 0xFFFFu;
  }
  return 0;
}

bool Applies(const Guard& when, const std::uint8_t* c) {
  return !when.active || c[when.index] == when.value;
}

bool Passes(const Check& check, std::size_t length, const std::uint8_t* c) {
  if (!Applies(check.when, c)) return true;
  const unsigned value = Read(check.value, length, c);
  const unsigned limit = Read(check.limit, length, c);
  switch (check.compare) {
    case Compare::kNone: return true;
    case Compare::kLe: return value <= limit;
    case Compare::kGe: return value >= limit;
    case Compare::kEq: return value == limit;
    case Compare::kNe: return value != limit;
    case Compare::kBetween: return value >= limit && value <= check.upper;
  }
  return true;
}

void Apply(const Rewrite& rewrite, std::size_t length, std::uint8_t* c) {
  if (!Applies(rewrite.when, c)) return;
  std::uint8_t* field = c + rewrite.index;
  const unsigned value = Read(rewrite.value, length, c);
  switch (rewrite.action) {
    case Action::kNone: break;
    case Action::kToNative16: {
      const std::uint8_t high = field[0];
      field[0] = field[1];
      field[1] = high;
      break;
    }
    case Action::kStore8: field[0] = static_cast<std::uint8_t>(value); break;
    case Action::kStoreNative16:
      field[0] = static_cast<std::uint8_t>(value & 0xFF);
      field[1] = static_cast<std::uint8_t>(value >> 8);
      break;
  }
}

const EventRule* FindRule(std::uint8_t opcode) {
  for (const EventRule& rule : kEventRules) {
    if (opcode >= rule.first && opcode <= rule.last) return &rule;
  }
  return nullptr;
}

}  // namespace

bool ApplyEventRule(std::uint8_t opcode, std::size_t length, std::uint8_t* content) {
  const EventRule* rule = FindRule(opcode);
  if (rule == nullptr) return true;
  for (const Rewrite& rewrite : rule->before) Apply(rewrite, length, content);
  for (const Check& check : rule->checks) {
    if (!Passes(check, length, content)) return false;
  }
  for (const Rewrite& rewrite : rule->after) Apply(rewrite, length, content);
  return true;
}
