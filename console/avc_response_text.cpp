#include "console/avc_response_text.h"

#include "console/event_texts.h"
#include "console/text_format.h"

#include <algorithm>
#include <cstdlib>

namespace console {

namespace {

constexpr std::uint8_t kRejected = 0x0A;
constexpr std::uint8_t kUnitInfo = 0x30;
constexpr std::uint8_t kSubunitInfo = 0x31;
constexpr std::uint8_t kVendorDependent = 0x00;

// AVRCP PDUs of vendor-dependent answers.
constexpr std::uint8_t kListSettingAttributes = 0x11;
constexpr std::uint8_t kGetCurrentSettingValue = 0x13;
constexpr std::uint8_t kGetElementAttributes = 0x20;
constexpr std::uint8_t kGetPlayStatus = 0x30;
constexpr std::uint8_t kRegisterNotification = 0x31;

constexpr std::uint32_t kNotSupported = 0xFFFFFFFF;

// Bounded reads of the AVRCP parameters.
class Params {
 public:
  Params(const std::uint8_t* bytes, std::size_t count) : bytes_(bytes), count_(count) {}
  std::size_t size() const { return count_; }
  std::uint8_t operator[](std::size_t i) const { return i < count_ ? bytes_[i] : 0; }
  std::uint32_t Be32(std::size_t i) const {
    return (std::uint32_t{(*this)[i]} << 24) | (std::uint32_t{(*this)[i + 1]} << 16) |
           (std::uint32_t{(*this)[i + 2]} << 8) | (*this)[i + 3];
  }

 private:
  const std::uint8_t* bytes_;
  std::size_t count_;
};

// Minutes and seconds of a time in milliseconds; "%2.d" prints 0 as two blanks.
std::string MinutesSeconds(const char* format, std::uint32_t ms) {
  return Format(format, static_cast<int>(ms / 60000), static_cast<int>((ms / 1000) % 60));
}

std::string SettingAttributes(const Params& p) {
  std::string text;
  for (std::size_t i = 0; i < p[0] && 1 + i < p.size(); ++i) text += texts::kPlayerSettingAttribute[p[1 + i]];
  return text;
}

std::string CurrentSettingValues(const Params& p) {
  std::string text;
  for (std::size_t i = 0; i < p[0] && 2 + 2 * i < p.size(); ++i) {
    const std::uint8_t attribute = p[1 + 2 * i], value = p[2 + 2 * i];
    switch (attribute) {
      case 1: text += texts::kEqualizerValue[value]; break;
      case 2: text += texts::kRepeatValue[value]; break;
      case 3: text += texts::kShuffleValue[value]; break;
      case 4: text += texts::kScanValue[value]; break;
      default: break;
    }
  }
  return text;
}

// The collected attribute answer: a count, then per attribute a 32-bit ID, a 16-bit
// character set, a 16-bit value length (all big-endian) and the value. An attribute whose
// value runs past the buffer ends the list.
std::string ElementAttributes(const std::vector<std::uint8_t>& buffer) {
  const Params b(buffer.data(), buffer.size());
  std::string text;
  std::size_t at = 1;
  const std::size_t shown = std::min<std::size_t>(b[0], kMaxShownAttributes);
  for (std::size_t i = 0; i < shown && at + 8 <= b.size(); ++i) {
    const std::uint8_t id = static_cast<std::uint8_t>(b.Be32(at) & 0xFF);
    const std::size_t length = static_cast<std::size_t>((b[at + 6] << 8) | b[at + 7]);
    at += 8;
    if (at + length > b.size()) break;
    const std::string value(reinterpret_cast<const char*>(buffer.data() + at), std::min(length, kMaxShownValue));
    at += length;
    if (id == 7) {
      const std::uint32_t ms = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
      text += Format("%s : %2.dm : %2.ds \r\n", texts::kElementAttributeLabel[7].c_str(),
                     static_cast<int>(ms / 60000), static_cast<int>((ms / 1000) % 60));
    } else {
      text += texts::kElementAttributeLabel[id] + value + "\n";
    }
  }
  return text;
}

std::string PlayStatus(const Params& p) {
  const std::uint32_t length = p.Be32(0), position = p.Be32(4);
  if (length == kNotSupported && position == kNotSupported) return "TG not support.";
  std::string text = MinutesSeconds("Total Song Length : %2.dm : %2.ds.", length) + "\n";
  text += MinutesSeconds("Current Position : %2.dm : %2.ds \n", position) + "\n";
  text += Format("Status of Playing : %s\n", texts::kPlayStatus[p[8]].c_str()) + "\n";
  return text;
}

std::string Notification(const Params& p) {
  switch (p[0]) {
    case 1: return "Current Playback Status : " + texts::kPlayStatus[p[1]];
    case 2: {
      bool all_zero = true;
      for (std::size_t i = 1; i <= 8; ++i) all_zero = all_zero && p[i] == 0;
      return all_zero ? "The track is selected." : "";
    }
    case 3: return "The track reaches to the end.";
    case 4: return "The track reaches to the begin.";
    case 5: {
      const std::uint32_t position = p.Be32(1);
      if (position == kNotSupported) return "TG not support.";
      return MinutesSeconds("Current Position : %2.dm : %2.ds \n", position);
    }
    case 6: return texts::kBatteryStatus[p[1]];
    case 7: return texts::kSystemStatus[p[1]];
    default: return "";
  }
}

}  // namespace

std::string AvcResponseText(const std::uint8_t* content, std::size_t params,
                            std::vector<std::uint8_t>& attribute_buffer) {
  const Params c(content, params);
  if (c[1] == kRejected) return "The command was rejected.";
  switch (c[3]) {
    case kUnitInfo:
      // Operands from c4: 0x07, the unit type and unit (c5), then the 24-bit company ID
      // (c6 c7 c8, most significant first).
      return Format("Company ID : 0x%x", static_cast<unsigned>((c[6] << 16) | (c[7] << 8) | c[8]));
    case kSubunitInfo:
      return Format("Panel : 0x%x ; Max subunit ID : 0x%x", static_cast<unsigned>(c[8] >> 3),
                    static_cast<unsigned>(c[8] & 7));
    case kVendorDependent: break;
    default: return "";
  }
  // Vendor dependent: c7 PDU ID, c8 packet type (low two bits), c9 c10 the parameter length
  // as the decoder left it (least significant byte first), parameters from c11.
  const std::size_t declared = static_cast<std::size_t>(c[9] | (c[10] << 8));
  const std::size_t available = params > 11 ? params - 11 : 0;
  const Params p(content + 11, std::min(declared, available));
  switch (c[7]) {
    case kListSettingAttributes: return SettingAttributes(p);
    case kGetCurrentSettingValue: return CurrentSettingValues(p);
    case kGetElementAttributes: {
      const std::uint8_t packet_type = c[8] & 0x03;
      attribute_buffer.insert(attribute_buffer.end(), content + 11, content + 11 + p.size());
      if (attribute_buffer.size() > kMaxAttributeBuffer) {
        attribute_buffer.clear();
        return "";
      }
      if (packet_type != 0 && packet_type != 3) return "";  // more fragments follow
      std::string text = ElementAttributes(attribute_buffer);
      attribute_buffer.clear();
      return text;
    }
    case kGetPlayStatus: return PlayStatus(p);
    case kRegisterNotification: return Notification(p);
    default: return "";
  }
}

}  // namespace console
