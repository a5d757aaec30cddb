#pragma once
// The identifiers of the catalogue's commands (CommandOpcode) as text, for the simulator's
// behaviour table.

#include <cstdint>
#include <optional>
#include <string>

// The opcode of a command identifier ("MMI_ACTION" -> 0x02); nothing for an unknown name.
std::optional<std::uint8_t> CommandOpcodeByName(const std::string& name);
