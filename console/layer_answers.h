#pragma once
// The presentation's answers (Command-ACK release, power-off, volume, gain and name
// commands) sent through a command layer. The layer is attached while a link is open;
// without one nothing is sent. Attach and Detach belong to the layer's owner; the answers
// come from the reader thread, which the owner joins (by closing the layer) before it
// detaches and destroys the layer.

#include "console/event_presenter.h"

#include <atomic>

class CommandSetLayer;

namespace console {

class LayerAnswers : public EventAnswers {
 public:
  void Attach(CommandSetLayer* layer) { layer_ = layer; }
  void Detach() { layer_ = nullptr; }

  void SignalAck() override;
  void SendMmiAction(std::uint8_t device, std::uint8_t action) override;
  void SendGainControl(std::uint8_t device, std::uint8_t gain_mask, std::uint8_t operation, std::uint8_t a2dp_level,
                       std::uint8_t hf_level, std::uint8_t line_in_level) override;
  void SendReadLinkedDeviceInfo(std::uint8_t device, std::uint8_t item) override;

 private:
  std::atomic<CommandSetLayer*> layer_{nullptr};
};

// Answers that go nowhere, for a presentation without a link (tools that only describe).
class NoAnswers : public EventAnswers {
 public:
  void SignalAck() override {}
  void SendMmiAction(std::uint8_t, std::uint8_t) override {}
  void SendGainControl(std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t) override {}
  void SendReadLinkedDeviceInfo(std::uint8_t, std::uint8_t) override {}
};

// An indicator panel that shows nothing (quorlin-cli has none).
class NoIndicators : public IndicatorView {
 public:
  void SetPicture(int, int) override {}
  void SetLeIcon(int, int) override {}
  void SetRadioText(int, const std::string&) override {}
};

}  // namespace console
