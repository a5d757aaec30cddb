#include "console/event_presenter.h"

#include "console/avc_response_text.h"
#include "console/command_ack_release.h"
#include "console/event_texts.h"
#include "console/text_format.h"
#include "console/window_ids.h"

#include <algorithm>
#include <cstdio>

namespace console {

namespace {

// Image maps by the value an event carries.
const int kCallImage[] = {1, 2, 0, 3, 6, 0, 7, 0, 7};
const int kBatteryImage[] = {19, 18, 16, 17, 15, 15, 20};
// Charger state 0 ("No Charger.") shows the empty battery.
const int kChargerImage[] = {img::kBatteryEmpty, 20, 21, 22};
const int kSignalImage[] = {41, 42, 43, 44, 45, 45};

template <std::size_t N>
int ImageOf(const int (&map)[N], unsigned value) {
  return value < N ? map[value] : -1;
}

std::string Decimal(long long value) { return std::to_string(value); }

// Six address bytes, least significant first on the wire, shown most significant first.
std::string AddressText(const std::uint8_t* lsb_first) {
  return Format("0x%.2x%.2x%.2x%.2x%.2x%.2x", lsb_first[5], lsb_first[4], lsb_first[3], lsb_first[2],
                lsb_first[1], lsb_first[0]);
}

}  // namespace

// One event as OnModuleEvent sees it. `params` counts the parameter bytes the packet holds
// (the content record beyond them is zeros and the checksum); every count taken from the
// event is checked against it.
struct EventPresenter::Event {
  const std::uint8_t* packet;
  int length;
  std::uint8_t type;
  const std::uint8_t* c;
  std::size_t params;

  std::uint8_t operator[](std::size_t i) const { return i < kContentSize ? c[i] : 0; }
  // Bytes available from content byte `from` to the end of the parameters.
  std::size_t Available(std::size_t from) const { return from < params ? params - from : 0; }
  std::uint16_t Native16(std::size_t i) const {
    return static_cast<std::uint16_t>((*this)[i] | ((*this)[i + 1] << 8));
  }
  std::uint16_t Be16(std::size_t i) const {
    return static_cast<std::uint16_t>(((*this)[i] << 8) | (*this)[i + 1]);
  }
  std::string Bytes(std::size_t from, std::size_t count) const {
    count = std::min(count, Available(from));
    return std::string(reinterpret_cast<const char*>(c + from), count);
  }
};

EventPresenter::EventPresenter(LogQueue& log, IndicatorView& view, EventAnswers& answers, PageSlots& slots,
                               PresentationHooks& hooks, const std::atomic<std::uint8_t>& selected_device)
    : log_(log), view_(view), answers_(answers), slots_(slots), hooks_(hooks), selected_device_(selected_device) {}

void EventPresenter::OnModuleEvent(const std::uint8_t* packet, int length, std::uint8_t type,
                                   const std::uint8_t* content) {
  std::string text = Describe(packet, length, type, content);
  text += "\n";
  log_.Push(std::move(text));
}

std::string EventPresenter::Describe(const std::uint8_t* packet, int length, std::uint8_t type,
                                     const std::uint8_t* content) {
  // A packet is start byte, two length bytes, opcode, parameters and checksum.
  const std::size_t params = length > 5 ? std::min<std::size_t>(static_cast<std::size_t>(length) - 5, kContentSize - 1) : 0;
  const Event e{packet, length, type, content, params};
  std::string text;
  if (type <= 0x10 || type == 0x1E || type == 0x33 || (type == 0x32 && e[0] == 0))
    StateEvent(e, text);
  else
    ReplyEvent(e, text);
  return text;
}

void EventPresenter::Picture(std::uint8_t device, int control_a, int control_b, int image) {
  if (image < 0 || device > 1) return;
  view_.SetPicture(device == 0 ? control_a : control_b, image);
}

void EventPresenter::ProfilePicturesIdle() {
  for (std::uint8_t device : {std::uint8_t{0}, std::uint8_t{1}}) {
    Picture(device, ctl::kHfpA, ctl::kHfpB, img::kHfpIdle);
    Picture(device, ctl::kA2dpA, ctl::kA2dpB, img::kA2dpIdle);
    Picture(device, ctl::kSppA, ctl::kSppB, img::kSppIdle);
  }
}

void EventPresenter::StateEvent(const Event& e, std::string& text) {
  const std::uint8_t c0 = e[0], c1 = e[1];
  switch (e.type) {
    case 0x00: CommandAck(e, text); break;
    case 0x01: BtmStatus(e, text); break;
    case 0x02:
      text += texts::kCallState[c1];
      Picture(c0, ctl::kRingA, ctl::kRingB, ImageOf(kCallImage, c1));
      break;
    case 0x03: {
      // The decoder's count is one more than the digits the packet carries: show the digits.
      const std::size_t digits = e.Available(2);
      text += e.Bytes(2, std::min<std::size_t>(digits, c1 > 0 ? c1 - 1u : 0u)) + "\n";
      break;
    }
    case 0x04: text += texts::kSms[c1]; break;
    case 0x05: text += "Have missed calls"; break;
    case 0x06: text += "Maximum battery level is " + Decimal(c1) + ".[Remote Device]"; break;
    case 0x07:
      text += texts::kBatteryLevel[c1];
      Picture(c0, ctl::kBatteryA, ctl::kBatteryB, ImageOf(kBatteryImage, c1));
      break;
    case 0x08: text += texts::kRoaming[c1]; break;
    case 0x09: text += "Maximum signal strength is " + Decimal(c1) + "[Remote device]"; break;
    case 0x0A:
      text += texts::kSignal[c1];
      Picture(c0, ctl::kSignalA, ctl::kSignalB, ImageOf(kSignalImage, c1));
      break;
    case 0x0B: text += texts::kService[c1]; break;
    case 0x0C:
      text += texts::kBatteryLevel[c0] + "[BTM]\n" + texts::kBatteryVoltage[c1] + "[BTM]";
      if (ImageOf(kBatteryImage, c0) >= 0) view_.SetPicture(ctl::kModuleBattery, ImageOf(kBatteryImage, c0));
      break;
    case 0x0D:
      text += texts::kCharger[c0] + "[BTM]";
      if (ImageOf(kChargerImage, c0) >= 0) view_.SetPicture(ctl::kModuleBattery, ImageOf(kChargerImage, c0));
      break;
    case 0x0E: text += "Master Reset.[BTM]"; break;
    case 0x0F:
      text += "Voice Gain Level : " + texts::kLevelNumber[c1] + "[BTM]";
      if (c1 <= 15) view_.SetPicture(ctl::kModuleVolume, img::kVolume0 + c1);
      break;
    case 0x10: text += "EQ mode : " + texts::kEqMode[c0] + "[BTM]"; break;
    case 0x1E: LinkStatusReport(e, text); break;
    case 0x32: LeStatus(e, text); break;
    case 0x33: SpeakerLinkStatus(e, text); break;
    default: break;
  }
}

void EventPresenter::CommandAck(const Event& e, std::string& text) {
  const std::uint8_t opcode = e[0], status = e[1];
  if (CommandAckReleasesQueue(opcode, status)) answers_.SignalAck();
  // SPP data (0x12) and 0xFD pace their own senders, which learn the status.
  if (opcode == 0x12 || opcode == 0xFD) slots_.CommandStatus(status);
  text += texts::kCommandStatus[status];
}

void EventPresenter::BtmStatus(const Event& e, std::string& text) {
  const std::uint8_t state = e[0];
  const std::uint8_t link_id = e[1] >> 4, device = e[1] & 0x0F;
  text += texts::kModuleState[state];
  switch (state) {
    case 5:
    case 6: {
      const bool hf = state == 5;
      if (hf)
        Picture(device, ctl::kHfpA, ctl::kHfpB, img::kHfpLinked);
      else
        Picture(device, ctl::kA2dpA, ctl::kA2dpB, img::kA2dpLinked);
      links_.RecordLink(link_id, device, hf ? "HFP" : "A2DP");
      name_pending_ = true;
      answers_.SendReadLinkedDeviceInfo(Selected(), 0);
      break;
    }
    case 7: Picture(device, ctl::kHfpA, ctl::kHfpB, img::kHfpIdle); break;
    case 8: Picture(device, ctl::kA2dpA, ctl::kA2dpB, img::kA2dpIdle); break;
    case 13:
    case 16: Picture(device, ctl::kSppA, ctl::kSppB, img::kSppLinked); break;
    case 14:
      hooks_.RaiseSppTransferStop();
      Picture(device, ctl::kSppA, ctl::kSppB, img::kSppIdle);
      break;
    case 15:
      ProfilePicturesIdle();
      hooks_.RaiseSppTransferStop();
      break;
    default: break;
  }
}

void EventPresenter::LinkStatusReport(const Event& e, std::string& text) {
  const std::uint8_t state = e[0];
  if (state <= 2) ProfilePicturesIdle();
  text += texts::kDeviceState[state] + "\n";
  for (std::uint8_t device : {std::uint8_t{0}, std::uint8_t{1}}) {
    const std::uint8_t bits = e[1u + device];
    if (bits & 0x06) Picture(device, ctl::kA2dpA, ctl::kA2dpB, img::kA2dpLinked);
    if (bits & 0x10) Picture(device, ctl::kHfpA, ctl::kHfpB, img::kHfpLinked);
    if (bits & 0x20) Picture(device, ctl::kSppA, ctl::kSppB, img::kSppLinked);
    // Bits 1 to 5 stand for the profile-link texts 1 to 5; several bits give every text.
    std::string links;
    for (unsigned bit = 1; bit <= 5; ++bit) {
      if (!(bits & (1u << bit))) continue;
      if (!links.empty()) links += ", ";
      links += texts::kProfileLink[bit];
    }
    text += (links.empty() ? texts::kProfileLink[0] : links) + "\n";
  }
  text += "Player Status : " + texts::kPlayerStatus[e[3]] + "\n";
  text += "Player Status : " + texts::kPlayerStatus[e[4]] + "\n";
  text += "Streaming State : " + texts::kStreaming[e[5]] + "\n";
  text += "Streaming State : " + texts::kStreaming[e[6]] + "\n";
}

void EventPresenter::LeStatus(const Event& e, std::string& text) {
  const std::uint8_t state = e[1], flags = e[2];
  view_.SetLeIcon(ctl::kLeLinkIcon, state >= 3 ? icon::kLeLinkBlue : icon::kLeLinkGrey);
  if (state == 3) {
    le_connected_ = true;
  } else {
    le_connected_ = false;
    hooks_.RaiseSppTransferStop();
  }
  text += texts::kLeState[state];
  view_.SetLeIcon(ctl::kLeDataIcon, (flags & 0x01) ? icon::kLeDataColour : icon::kLeDataGrey);
  if (flags & 0x02) {
    if (!ancs_client_) hooks_.CreateAncsClient();
    ancs_client_ = true;
  } else {
    if (ancs_client_) hooks_.DestroyAncsClient();
    ancs_client_ = false;
  }
}

void EventPresenter::SpeakerLinkStatus(const Event& e, std::string& text) {
  const std::uint8_t topology = e[0], state = e[1];
  text += texts::kSpeakerLinkState[state] + texts::kSpeakerTopology[topology] + texts::kSpeakerLinkState[state] +
          "\n" + texts::kSpeakerTopology[topology];
  switch (state) {
    case 0:
      view_.SetPicture(ctl::kSlaveSpeaker1, img::kSpeakerPair1Idle);
      view_.SetPicture(ctl::kSlaveSpeaker2, img::kSpeakerPair2Idle);
      break;
    case 1: view_.SetPicture(ctl::kSlaveSpeaker1, img::kSpeakerPair1Linked); break;
    case 2: view_.SetPicture(ctl::kSlaveSpeaker2, img::kSpeakerPair2Linked); break;
    case 3:
    case 4:
      view_.SetPicture(ctl::kSlaveSpeaker1, img::kSpeakerPair1Linked);
      view_.SetPicture(ctl::kSlaveSpeaker2, img::kSpeakerPair2Linked);
      break;
    default: break;
  }
}

void EventPresenter::ReplyEvent(const Event& e, std::string& text) {
  const std::uint8_t c0 = e[0], c1 = e[1];
  switch (e.type) {
    case 0x11: case 0x12: case 0x13: case 0x14: case 0x15:
      slots_.ContactData(e.type, e.c, static_cast<int>(e.params));
      break;
    case 0x16: text += texts::kRetrievedList[c0 & 0x0F] + " have already been retrieved."; break;
    case 0x17: LinkedDeviceInfo(e, text); break;
    case 0x18: {
      const std::string version = Format("v%x.%.2x\n", e[1], e[2]);
      text += texts::kVersionLabel[c0] + version;
      if (c0 <= 1) slots_.Info(c0 == 0 ? 9 : 8, Wide(version));
      break;
    }
    case 0x19:
      // The decoder's count includes the count byte itself (and wraps for long texts):
      // the text is every byte the packet carries after it.
      text += e.Bytes(1, e.Available(1)) + "\n";
      break;
    case 0x1A: text += AvcResponseText(e.c, e.params, AvrcpAttributeBuffer); break;
    case 0x1B: MiscStatus(e, text); break;
    case 0x1C: text += texts::kAtResult[c1]; break;
    case 0x1D:
      text += e.Bytes(3, e.Native16(1)) + "\n";
      break;
    case 0x1F: {
      const std::size_t records = std::min<std::size_t>(c0, e.Available(1) / 7);
      for (std::size_t r = 0; r < records; ++r) {
        const std::uint8_t* record = e.c + 1 + 7 * r;
        // Paired devices 1 to 8 fill items 0 to 7; other indexes would land on other fields.
        if (record[0] >= 1 && record[0] <= 8)
          slots_.Info(static_cast<std::uint8_t>(record[0] - 1), Wide(AddressText(record + 1)));
      }
      break;
    }
    case 0x20:
      if (e.Available(0) >= 6) slots_.Info(15, Wide(AddressText(e.c)));
      break;
    case 0x21: slots_.Info(14, Wide(e.Bytes(1, c0))); break;
    case 0x22: {
      const std::size_t count = std::min<std::size_t>(e.Native16(4), e.Available(6));
      slots_.SppData(e.c + 6, static_cast<int>(count));
      break;
    }
    case 0x2D: text += texts::kSampleRate[c0]; break;
    case 0x2E:
      if (c0 == 0) {
        text += "Pairing timeout value is " + Decimal(c1 * 30) + "seconds.";
      } else if (c0 == 1) {
        // Bit 0 SBC, bit 1 AAC, bit 2 a vendor codec.
        std::string lines;
        for (unsigned bit = 0; bit < 3; ++bit) {
          if (!(c1 & (1u << bit))) continue;
          if (!lines.empty()) lines += "\n";
          lines += texts::kCodecLines[bit];
        }
        text += lines;
      } else if (c0 == 2) {
        text += texts::kStandbySetting[c1];
      }
      break;
    case 0x2F:
      if (c0 == 0) {
        const int size = (e[1] << 16) | (e[2] << 8) | e[3];
        text += "Total update Bin size : " + Format("%4d", size);
      } else if (c0 == 1) {
        text += "Start or continue Bin data.";
      } else if (c0 == 2) {
        text += "Last Bin data.";
      }
      break;
    case 0x30:
      if (c0 == 0) text += "BTM initial complete.";
      break;
    case 0x31:
      if (c0 == 0) {
        text += texts::kAncsSearch[c1];
        if (c1 == 0) hooks_.SignalAncsFound();
      } else if (c0 == 1) {
        const texts::CodedText* end = texts::kLinkLayerErrors + texts::kLinkLayerErrorCount;
        const texts::CodedText* found =
            std::find_if(texts::kLinkLayerErrors, end, [c1](const texts::CodedText& t) { return t.code == c1; });
        text += found != end ? std::string(found->text) : Format("0x%.2X , Unknown error", c1);
      } else if (c0 == 2 || c0 == 3) {
        hooks_.OnAncsData(c0 == 2 ? 1 : 2, e.c + 1, static_cast<int>(e.Available(1)));
      }
      break;
    case 0x32:
      if (c0 == 1) {
        text += c1 == 0 ? std::string("LE Advertising command success.") : Format("LE Advertising command failed.[%d]", c1);
      } else if (c0 == 2) {
        text += Format("LE Connection interval: %dms\n", e.Be16(1) * 5 / 4);
        text += Format("LE Connection latency: %dms\n", e.Be16(3) * 5 / 4);
        text += Format("LE supervision timeout: %dms\n", e.Be16(5) * 10);
      } else if (c0 == 3) {
        text += texts::kParameterUpdate[static_cast<std::size_t>(c1 + 256 * e[2])];
      }
      break;
    case 0x34: {
      text += texts::kSpeakerVendorEvent[c0];
      const std::uint16_t count = static_cast<std::uint16_t>(std::min<std::size_t>(e.Be16(1), e.Available(3)));
      slots_.SpeakerEvent(c0, count, e.c + 3);
      break;
    }
    case 0x35: slots_.AudioEffect(c0, c1); break;
    default: break;
  }
}

void EventPresenter::LinkedDeviceInfo(const Event& e, std::string& text) {
  const std::uint8_t device = e[0], item = e[1], value = e[2];
  switch (item) {
    case 0: {
      // The name ends at its NUL or, without one, at the end of the parameters.
      const std::string raw = e.Bytes(2, e.Available(2));
      const std::string name = raw.substr(0, raw.find('\0'));
      if (device <= 1) view_.SetRadioText(device == 0 ? ctl::kDeviceA : ctl::kDeviceB, name);
      links_.RecordName(name);
      if (name_pending_.exchange(false)) {
        const bool removed = hooks_.RemoveDedicateEntry(name);
        hooks_.InsertDedicateEntry(name, removed);
      }
      text += "Remote device name : " + name;
      slots_.Info(10, Wide(name));
      break;
    }
    case 1:
      text += texts::kRingTone[value];
      if (value < texts::kRingTone.size) slots_.Info(11, Wide(texts::kRingTone[value]));
      break;
    case 2:
      text += texts::kSppKind[value];
      if (value < texts::kSppKind.size) slots_.Info(12, Wide(texts::kSppKind[value]));
      break;
    case 3:
      text += texts::kAvrcpSupport[value];
      if (value < texts::kAvrcpSupport.size) slots_.Info(13, Wide(texts::kAvrcpSupport[value]));
      break;
    case 4: {
      const std::uint8_t hf = value >> 4, a2dp = value & 0x0F;
      text += "Voice Gain Level : " + texts::kLevelNumber[hf] + "[BTM]";
      slots_.Gain(0, hf);
      text += "Audio Gain Level : " + texts::kLevelNumber[a2dp] + "[BTM]";
      slots_.Gain(1, a2dp);
      break;
    }
    case 5:
      text += "Line-in Gain Level : " + texts::kLevelNumber[value] + "[BTM]";
      slots_.Gain(2, value);
      break;
    default: break;
  }
}

void EventPresenter::MiscStatus(const Event& e, std::string& text) {
  const std::uint8_t kind = e[0], value = e[1];
  if (kind <= 4 || kind == 6) text += texts::kMiscStatus[kind][value];
  if (kind == 5) {
    text += "Switch the BTM to power off.";
    answers_.SendMmiAction(Selected(), 0x53);  // power-off button press
    answers_.SendMmiAction(Selected(), 0x54);  // and release
  } else if (kind == 6 && value <= 1) {
    answers_.SendMmiAction(Selected(), value == 0 ? 0x30 : 0x31);  // volume up / down
  } else if (kind == 7) {
    // Line-in gain in the high nibble, A2DP gain in the low one; 0x80 marks a level to apply.
    const std::uint8_t line_in = value >> 4, a2dp = value & 0x0F;
    answers_.SendGainControl(Selected(), 0x01 | 0x04, 0x03, static_cast<std::uint8_t>(a2dp | 0x80), 0x00,
                             static_cast<std::uint8_t>(line_in | 0x80));
    text += "Set the BTM's audio and line-in gain level.\n";
  }
}

}  // namespace console
