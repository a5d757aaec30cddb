#include "paramtool/parameter_set.h"

#include <algorithm>
#include <cstdint>

#include "paramtool/param_record_table.h"

namespace paramtool {
namespace {

// A record's value is an int; wider records (the cleared area) always hold 0.
constexpr int kWidestValueBytes = 4;
constexpr int kBlockBytes = static_cast<int>(CoefficientBlock::kBytes);

bool coversTable(const ParamRecord& r) {
  return r.address >= 0 && r.width >= 0 && r.address + r.width <= EepromTable::kBytes;
}

}  // namespace

ParameterSet::ParameterSet() {
  resetDefaults();
  writePatchSegment();
}

ParamRecord* ParameterSet::findRecord(int address) {
  if (!EepromTable::inRange(address) || lastRecordAt_[address] < 0) return nullptr;
  return &records_[static_cast<std::size_t>(lastRecordAt_[address])];
}

const ParamRecord* ParameterSet::findRecord(int address) const {
  return const_cast<ParameterSet*>(this)->findRecord(address);
}

int ParameterSet::value(int address) const {
  const ParamRecord* r = findRecord(address);
  return r ? r->value : 0;
}

int ParameterSet::defaultValue(int address) const {
  const ParamRecord* r = findRecord(address);
  return r ? r->defaultValue : 0;
}

void ParameterSet::set(int address, int v) {
  if (ParamRecord* r = findRecord(address)) {
    r->value = v;
    r->present = true;
  }
}

bool ParameterSet::isPresent(int address) const {
  const ParamRecord* r = findRecord(address);
  return r && r->present;
}

void ParameterSet::setPresent(int address, bool present) {
  if (ParamRecord* r = findRecord(address)) r->present = present;
}

void ParameterSet::set16(int address, int v) {
  set(address, (v >> 8) & 0xFF);
  set(address + 1, v & 0xFF);
}

void ParameterSet::resetDefaults() {
  records_.clear();
  records_.reserve(kRecordTable.size());
  lastRecordAt_.fill(-1);
  for (const RecordDefinition& d : kRecordTable) {
    ParamRecord r;
    r.address = d.address;
    r.width = d.width;
    r.defaultValue = d.defaultValue;
    r.value = d.defaultValue;
    r.present = true;
    if (EepromTable::inRange(r.address)) lastRecordAt_[r.address] = static_cast<int16_t>(records_.size());
    records_.push_back(r);
  }
  slotWritten_.fill(false);
  voiceGainMap_ = kGainLevelResetMap;
  audioGainMap_ = kGainLevelResetMap;
}

void ParameterSet::startUp() {
  resetDefaults();
  writePatchSegment();
  table_.clearRange(0x000, EepromTable::kParameterAreaBytes - 1);
}

void ParameterSet::newDocument() {
  table_.clear();
  table_.size = EepromTable::kBytes;
  clearSegmentFlags();
  startUp();
}

void ParameterSet::loadValues() {
  for (ParamRecord& r : records_) {
    if (!coversTable(r)) continue;
    if (!table_.present(r.address)) {
      r.value = r.defaultValue;
      r.present = false;
      continue;
    }
    uint32_t v = 0;
    if (r.width <= kWidestValueBytes) {
      for (int i = 0; i < r.width; ++i) v = (v << 8) | table_.bytes[static_cast<std::size_t>(r.address + i)];
    }
    r.value = static_cast<int>(v);
    r.present = true;
  }
}

void ParameterSet::storeValues() {
  for (const ParamRecord& r : records_) {
    if (!coversTable(r)) continue;
    int64_t v = r.value;  // a copy: storing never changes the record
    const Mark mark = r.present ? kRecordMark : kAbsentMark;
    for (int i = r.width - 1; i >= 0; --i) {
      table_.put(r.address + i, static_cast<uint8_t>(v & 0xFF), mark);
      v >>= 8;
    }
  }
}

void ParameterSet::markRecordsAbsent() {
  for (const ParamRecord& r : records_) {
    if (coversTable(r) && r.width > 0) table_.markAbsent(r.address, r.address + r.width - 1);
  }
}

void ParameterSet::afterLoad() {
  resetDefaults();
  loadValues();

  // Coefficient blocks 0 and 1 read completely from the file are kept as they are.
  for (int slot : {0, 1}) {
    const int at = kSlotAddresses[static_cast<std::size_t>(slot)];
    bool complete = true;
    for (int i = 0; i < kBlockBytes; ++i) complete = complete && table_.fullyPresent(at + i);
    if (complete) {
      for (int i = 0; i < kBlockBytes; ++i) table_.setMark(at + i, kLoadedPresentMark);
    }
  }

  // The voice EQ coefficient data named by 0x036-0x039 goes to the staging area. Address
  // and length come from the file, so the copy stops at the end of the table.
  const int dataAt = value16(0x036);
  const int words = std::min(value16(0x038) / 2, kStagingWords);
  for (int w = 0; w < words && dataAt + 2 * w + 1 < EepromTable::kBytes; ++w) {
    staging_[static_cast<std::size_t>(w)] = static_cast<int16_t>(table_.read16(dataAt + 2 * w));
  }
  // The block at that address stays in the table. Marking it absent here, to be written
  // again by the voice equaliser, lost it on the next save: in the files the editor writes
  // that address is slot 0 (the audio "Custom EQ 2" block) or slot 1 with the MIC equaliser
  // off, and no page writes those blocks after a load.

  writePatchSegment();

  const auto firstVoiceLevel = std::find_if(records_.begin(), records_.end(),
                                            [](const ParamRecord& r) { return r.address == kVoiceGainLevelBase; });
  for (auto it = firstVoiceLevel; it != records_.end(); ++it) {
    if (coversTable(*it) && !table_.present(it->address)) it->present = false;
  }
}

}  // namespace paramtool
