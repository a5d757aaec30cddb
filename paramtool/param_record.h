#pragma once
// One parameter record: a value that the record writer stores big-endian into `width`
// bytes of the table starting at `address`. Width 0 writes nothing.

namespace paramtool {

struct ParamRecord {
  int address = 0;
  int width = 1;
  int value = 0;
  bool present = true;
  int defaultValue = 0;
};

// The fixed part of a record: where it lives and what it starts with.
struct RecordDefinition {
  int address;
  int width;
  int defaultValue;
};

}  // namespace paramtool
