#pragma once
// Bit updates of one-byte parameter records; every write marks the record present.

#include "paramtool/parameter_set.h"

namespace paramtool::editor {

inline void orBits(ParameterSet& set, int address, int bits) { set.set(address, set.value(address) | bits); }

inline void clearBits(ParameterSet& set, int address, int bits) { set.set(address, set.value(address) & ~bits); }

inline void assignBits(ParameterSet& set, int address, int bits, bool on) {
  on ? orBits(set, address, bits) : clearBits(set, address, bits);
}

inline bool hasBits(const ParameterSet& set, int address, int bits) { return (set.value(address) & bits) == bits; }

// The position a list shows for `field`, or the field itself when the list has no selection,
// so that a value a list cannot show survives a save.
template <typename List>
int positionOr(const List& list, int field) {
  return list.selected() ? list.position : field;
}

}  // namespace paramtool::editor
