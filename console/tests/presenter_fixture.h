#pragma once
// A presenter wired to recording fakes, and a helper that builds an event as the decoder
// delivers it (packet bytes, content record with zeros beyond the checksum).

#include "console/event_presenter.h"
#include "console/recording_hooks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace console {
namespace testing_support {

struct RecordingView : IndicatorView {
  void SetPicture(int control, int image) override { pictures.emplace_back(control, image); }
  void SetLeIcon(int control, int icon) override { pictures.emplace_back(control, icon); }
  void SetRadioText(int control, const std::string& utf8) override { radio_texts.emplace_back(control, utf8); }
  std::vector<std::pair<int, int>> pictures;
  std::vector<std::pair<int, std::string>> radio_texts;
};

struct RecordingAnswers : EventAnswers {
  void SignalAck() override { ++acks; }
  void SendMmiAction(std::uint8_t device, std::uint8_t action) override { commands.push_back({0x02, device, action}); }
  void SendGainControl(std::uint8_t device, std::uint8_t mask, std::uint8_t op, std::uint8_t a2dp, std::uint8_t hf,
                       std::uint8_t line_in) override {
    commands.push_back({0x23, device, mask, op, a2dp, hf, line_in});
  }
  void SendReadLinkedDeviceInfo(std::uint8_t device, std::uint8_t item) override {
    commands.push_back({0x16, device, item});
  }
  int acks = 0;
  std::vector<std::vector<std::uint8_t>> commands;  // opcode, then parameters
};

// An event as the decoder hands it over.
struct Event {
  std::vector<std::uint8_t> packet;
  std::vector<std::uint8_t> content;
};

inline Event MakeEvent(std::uint8_t opcode, const std::vector<std::uint8_t>& params) {
  Event e;
  const std::size_t length = params.size() + 1;
  e.packet = {0xAA, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length & 0xFF), opcode};
  e.packet.insert(e.packet.end(), params.begin(), params.end());
  std::uint8_t sum = 0;
  for (std::size_t i = 1; i < e.packet.size(); ++i) sum = static_cast<std::uint8_t>(sum + e.packet[i]);
  e.packet.push_back(static_cast<std::uint8_t>(0x100 - sum));
  e.content.assign(kContentSize, 0);
  std::copy(e.packet.begin() + 4, e.packet.end(), e.content.begin());
  return e;
}

class PresenterTest : public ::testing::Test {
 protected:
  // Presents one event and returns its log entry.
  std::string Present(std::uint8_t opcode, const std::vector<std::uint8_t>& params) {
    const Event e = MakeEvent(opcode, params);
    presenter.OnModuleEvent(e.packet.data(), static_cast<int>(e.packet.size()), opcode, e.content.data());
    std::vector<std::string> entries = log.TakeAll();
    EXPECT_EQ(entries.size(), 1u);
    return entries.empty() ? std::string() : entries.front();
  }

  ::LogQueue log;
  RecordingView view;
  RecordingAnswers answers;
  PageSlots page_slots;
  RecordingHooks hooks;  // console::RecordingHooks
  std::atomic<std::uint8_t> selected{0};
  EventPresenter presenter{log, view, answers, page_slots, hooks, selected};
};

// Test names from a case table whose rows have a `name`.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  std::string name;
  for (const char* p = info.param.name; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
  return name;
}

}  // namespace testing_support
}  // namespace console
