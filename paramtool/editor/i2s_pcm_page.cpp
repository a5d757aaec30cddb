#include "paramtool/editor/i2s_pcm_page.h"

#include "paramtool/editor/record_bits.h"
#include "paramtool/param_record_table.h"

namespace paramtool::editor {
namespace {

constexpr int kI2sMode = 0x344;  // 0x00 master, 0x10 slave
constexpr int kMaster = 0;
constexpr int kGroups = 6;
constexpr int kGroupEntries = 20;
constexpr int kSetEntries = 144;
constexpr int kRepeatFrom = 40;  // entries 40-79 are written again after the set
constexpr int kDefaultIndex = 10;

constexpr std::array<int, kGroupEntries> kBaseGroup = {0x01, 0x00, 0x00, 0x1F, 0x00, 0x00, 0xEB, 0x5F, 0x00, 0x01,
                                                       0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x10, 0x10, 0x00, 0x60};
constexpr std::array<int, kGroups> kGroupOffset5 = {0x45, 0x22, 0x0B, 0x0B, 0x05, 0x05};
constexpr std::array<int, 24> kFixedTail = {0x12, 0x03, 0xB9, 0x1E, 0x12, 0x03, 0xB9, 0x1E, 0x11, 0x03, 0xF3, 0x1E,
                                            0x12, 0x03, 0xE9, 0x06, 0x11, 0x03, 0xF3, 0x1E, 0x12, 0x03, 0xE9, 0x06};

}  // namespace

int i2sRegisterIndex(int mode, int bitWidth, int adc, int rfs) {
  return (mode & 1) | (bitWidth & 1) << 1 | (adc & 1) << 2 | (rfs & 1) << 3;
}

I2sRegisters i2sRegisterSet(int index) {
  const bool master = (index & 1) == kMaster;
  const bool wide = (index >> 1) & 1;
  const bool externalAdc = (index >> 2) & 1;
  const int rfs = (index >> 3) & 1;
  const bool rfsLow = master ? rfs == 1 : rfs == 0;
  I2sRegisters values{};
  for (int g = 0; g < kGroups; ++g) {
    int* entry = &values[static_cast<std::size_t>(g * kGroupEntries)];
    for (int i = 0; i < kGroupEntries; ++i) entry[i] = kBaseGroup[static_cast<std::size_t>(i)];
    entry[5] = kGroupOffset5[static_cast<std::size_t>(g)];
    entry[0] = externalAdc ? 2 : 1;
    entry[6] = master ? 0xEB : 0x80;
    // The default set (index 10) keeps RFS low only in groups 0 and 1.
    const bool groupRfsLow = index == kDefaultIndex ? g < 2 : rfsLow;
    entry[7] = groupRfsLow ? 0x1F : 0x5F;
    entry[18] = (wide ? 0x08 : 0x00) | (g == 3 && groupRfsLow ? 0x10 : 0x00);
  }
  for (std::size_t i = 0; i < kFixedTail.size(); ++i) values[kGroups * kGroupEntries + i] = kFixedTail[i];
  for (int i = 0; i < kI2sRegisterCount - kSetEntries; ++i) {
    values[static_cast<std::size_t>(kSetEntries + i)] = values[static_cast<std::size_t>(kRepeatFrom + i)];
  }
  return values;
}

int I2sPcmPage::index() const {
  return i2sRegisterIndex(positionOr(mode, 0), positionOr(bitWidth, 0), positionOr(adc, 0), positionOr(rfs, 0));
}

void I2sPcmPage::showDefaults() {
  for (ListControl* list : {&mode, &bitWidth, &adc, &rfs}) list->enabled = true;
  mode.show(0);
  bitWidth.show(1);
  adc.show(0);
  rfs.show(1);
}

void I2sPcmPage::refresh() {
  I2sRegisters entries{};
  set_.readI2sRegisters(entries);
  // A register the table does not hold (no Save wrote the set yet, or the file was a
  // parameter export) reads as 0; it must not select "16bit" or anything else.
  const int from = set_.value16(0x00B);
  for (int i = 0; i < kI2sRegisterCount; ++i) {
    if (!EepromTable::inRange(from + i) || !set_.table().present(from + i)) entries[static_cast<std::size_t>(i)] = -1;
  }
  for (ListControl* list : {&mode, &bitWidth, &adc, &rfs}) list->enabled = true;
  if (entries[6] == 0xEB) {
    mode.show(0);
    set_.set(kI2sMode, 0x00);
  } else if (entries[6] == 0x80) {
    mode.show(1);
    set_.set(kI2sMode, 0x10);
  }
  if (entries[18] == 0x08) bitWidth.show(1);
  if (entries[18] == 0x00) bitWidth.show(0);
  if (entries[0] == 1) adc.show(0);
  if (entries[0] == 2) adc.show(1);
  const bool master = mode.position == 0;
  if (entries[7] == 0x1F) rfs.show(master ? 1 : 0);
  if (entries[7] == 0x5F) rfs.show(master ? 0 : 1);
}

void I2sPcmPage::collect() {
  set_.setPresent(kClearedAreaRecord, false);
  orBits(set_, 0x1EC, 0x04);
  for (int address = 0x00B; address <= 0x00E; ++address) set_.setPresent(address, true);
  set_.set(kI2sMode, mode.position == 1 ? 0x10 : 0x00);
  set_.writeI2sSegment(i2sRegisterSet(index()));
}

}  // namespace paramtool::editor
