#pragma once
// The DSP parameter set: the document's EEPROM table, the parameter records that map
// settings onto its bytes, the coefficient slots, the voice working copies, the staging
// area and the designer's exchange buffer, and the writers of the fixed segments.
//
// One instance lives for the whole run of the editor; everything runs on one thread.

#include <array>
#include <vector>

#include "paramtool/coefficient_block.h"
#include "paramtool/dsp_tables.h"
#include "paramtool/eeprom_table.h"
#include "paramtool/param_record.h"
#include "paramtool/segment_layout.h"

namespace paramtool {

enum CoefficientSlot : int {
  kAudioCustomEqSlot = 0,  // audio "Custom EQ 2"
  kVoiceMic8kSlot = 1,
  kVoiceSpeaker8kSlot = 2,
  kVoiceMic16kSlot = 3,
  kVoiceSpeaker16kSlot = 4,
};

// The three voice equaliser blocks the voice EQ page edits before they reach the table.
struct VoiceWorkingCopies {
  CoefficientBlock speaker16k;
  CoefficientBlock mic8k;
  CoefficientBlock mic16k;
};

// The equaliser designer returns its block here and sets resultReady.
struct DesignerExchange {
  CoefficientBlock buffer;
  bool resultReady = false;
};

using I2sRegisters = std::array<int, kI2sRegisterCount>;

class ParameterSet {
 public:
  static constexpr int kPatchPresent = 0x01;    // segment flag bit 0
  static constexpr int kEqSegmentInUse = 0x02;  // segment flag bit 1

  // Defaults, then the chip header and patch segment in the table.
  ParameterSet();

  EepromTable& table() { return table_; }
  const EepromTable& table() const { return table_; }

  // ---- records -------------------------------------------------------------------------
  const std::vector<ParamRecord>& records() const { return records_; }
  std::vector<ParamRecord>& records() { return records_; }
  // The last record at `address` (the one whose byte survives a store), or nullptr.
  ParamRecord* findRecord(int address);
  const ParamRecord* findRecord(int address) const;
  // Value of the record at address; 0 when there is none.
  int value(int address) const;
  // Default value of the record at address; 0 when there is none.
  int defaultValue(int address) const;
  // Sets the value and marks the record present.
  void set(int address, int value);
  bool isPresent(int address) const;
  void setPresent(int address, bool present);
  // Two one-byte records holding a big-endian 16-bit quantity.
  int value16(int address) const { return (value(address) << 8) | value(address + 1); }
  void set16(int address, int value);

  // ---- operations on the whole set -----------------------------------------------------
  // Records, slot table and gain-level maps back to their defaults; every record present.
  void resetDefaults();
  // The start-up and reset sequence: defaults, patch segment, parameter area cleared.
  void startUp();
  // A fresh document: the whole table cleared (size 8192, segment flags cleared), then startUp.
  void newDocument();
  // Records take their values from the table (absent first byte: default, not present).
  void loadValues();
  // Records write their bytes and marks into the table, in list order.
  void storeValues();
  // Every byte covered by a record becomes absent.
  void markRecordsAbsent();
  // Post-processing after a table file was read into table().
  void afterLoad();

  // ---- coefficient slots ---------------------------------------------------------------
  // Reads the slot's words; stops at the first word whose first byte is absent (the words
  // after it keep their content). Sets the slot's written flag when every word was read.
  void readBlock(int slot, CoefficientBlock& block);
  // Writes the block into the slot (record marks) and sets its written flag; slot 0 first
  // gets the EQ segment header for all five blocks.
  void writeBlock(int slot, const CoefficientBlock& block);
  // The EQ segment header at 0x808 for `dataLength` bytes of coefficient data.
  void writeEqHeader(int dataLength);
  bool slotWritten(int slot) const { return slotWritten_[slotIndex(slot)]; }

  // ---- segments ------------------------------------------------------------------------
  void writePatchSegment();
  // The I2S/PCM segment at coeffEnd(): header, then the low byte of each value.
  void writeI2sSegment(const I2sRegisters& values);
  // Copies the register bytes the records 0x00B-0x00E point at into `out` (at most 184,
  // never beyond the table); entries not copied keep their content.
  void readI2sRegisters(I2sRegisters& out) const;
  void writeSegmentDirectory();

  int segmentFlags() const { return segmentFlags_; }
  void clearSegmentFlags() { segmentFlags_ = 0; }
  void setEqSegmentInUse(bool inUse) {
    segmentFlags_ = inUse ? (segmentFlags_ | kEqSegmentInUse) : (segmentFlags_ & ~kEqSegmentInUse);
  }
  int directoryAt() const { return directoryAt_; }
  int coeffEnd() const { return coeffEnd_; }
  int i2sEnd() const { return i2sEnd_; }
  void setCoeffEnd(int at) { coeffEnd_ = at; }
  void setI2sEnd(int at) { i2sEnd_ = at; }

  // ---- working state of the equaliser pages --------------------------------------------
  VoiceWorkingCopies& workingCopies() { return workingCopies_; }
  DesignerExchange& exchange() { return exchange_; }
  std::array<int16_t, kStagingWords>& staging() { return staging_; }
  GainLevelMap& voiceGainMap() { return voiceGainMap_; }
  GainLevelMap& audioGainMap() { return audioGainMap_; }

 private:
  static std::size_t slotIndex(int slot) { return static_cast<std::size_t>(slot) % kCoefficientSlots; }
  void writeSegmentHeader(int at, uint8_t type, uint8_t flag, int dataLength);
  void putSegmentBytes(int at, const uint8_t* data, int count);

  EepromTable table_;
  std::vector<ParamRecord> records_;
  std::array<int16_t, EepromTable::kBytes> lastRecordAt_{};  // index into records_, -1 for none

  std::array<bool, kCoefficientSlots> slotWritten_{};
  VoiceWorkingCopies workingCopies_;
  DesignerExchange exchange_;
  std::array<int16_t, kStagingWords> staging_{};
  GainLevelMap voiceGainMap_ = kGainLevelResetMap;
  GainLevelMap audioGainMap_ = kGainLevelResetMap;

  int segmentFlags_ = 0;
  int directoryAt_ = 0;
  int coeffEnd_ = 0;
  int i2sEnd_ = 0;
};

}  // namespace paramtool
