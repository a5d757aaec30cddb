#pragma once
// The identifiers of the named events (event_type_) as text, for scenario scripts and
// messages.

#include <cstdint>
#include <optional>
#include <string>

// The opcode of an event identifier ("CALL_STATUS" -> 0x02); nothing for an unknown name.
std::optional<std::uint8_t> EventOpcodeByName(const std::string& name);

// The identifier of an event opcode; nullptr when the opcode has none.
const char* EventName(std::uint8_t opcode);
