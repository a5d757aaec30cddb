#pragma once
// OnModuleEvent: turns every event the decoder accepts into one log entry of plain English
// text, switches indicator pictures, answers some events with commands, releases the
// channel's Command-ACK wait and hands reply data to the pages. It runs on the link's
// reader thread, once per event and before the event's trace; it never touches a widget:
// everything visible goes through the interfaces below, which the window (or quorlin-cli,
// or a test) implements.

#include "console/link_records.h"
#include "console/log_queue.h"
#include "console/page_slots.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace console {

constexpr std::size_t kContentSize = 1032;

// The indicator panel. Calls come from the reader thread; the window applies them on the
// GUI thread in call order.
class IndicatorView {
 public:
  virtual ~IndicatorView() = default;
  virtual void SetPicture(int control_id, int image_index) = 0;
  virtual void SetLeIcon(int control_id, int icon_id) = 0;
  virtual void SetRadioText(int control_id, const std::string& utf8) = 0;
};

// What the presentation sends back to the module, and the channel's acknowledgement signal.
class EventAnswers {
 public:
  virtual ~EventAnswers() = default;
  virtual void SignalAck() = 0;
  virtual void SendMmiAction(std::uint8_t device, std::uint8_t action) = 0;
  virtual void SendGainControl(std::uint8_t device, std::uint8_t gain_mask, std::uint8_t operation,
                               std::uint8_t a2dp_level, std::uint8_t hf_level, std::uint8_t line_in_level) = 0;
  virtual void SendReadLinkedDeviceInfo(std::uint8_t device, std::uint8_t item) = 0;
};

// Hooks into pages and the ANCS client that later parts of the console own.
class PresentationHooks {
 public:
  virtual ~PresentationHooks() = default;
  // The SPP page's transfer-stop flag: ends a running SPP transfer.
  virtual void RaiseSppTransferStop() {}
  // The System page's "Dedicate Connection" list: removes an entry equal to `name`
  // (true when there was one) / inserts `name` at the end or at the top.
  virtual bool RemoveDedicateEntry(const std::string& /*name*/) { return false; }
  virtual void InsertDedicateEntry(const std::string& /*name*/, bool /*at_end*/) {}
  // The ANCS notification client.
  virtual void CreateAncsClient() {}
  virtual void DestroyAncsClient() {}
  virtual void OnAncsData(int /*kind*/, const std::uint8_t* /*bytes*/, int /*count*/) {}
  virtual void SignalAncsFound() {}
};

class EventPresenter {
 public:
  EventPresenter(::LogQueue& log, IndicatorView& view, EventAnswers& answers, PageSlots& slots,
                 PresentationHooks& hooks, const std::atomic<std::uint8_t>& selected_device);

  // One accepted event: the packet as the decoder holds it (with its in-place rewrites),
  // its length, the opcode and the content record (parameter bytes, checksum, zeros).
  void OnModuleEvent(const std::uint8_t* packet, int length, std::uint8_t type, const std::uint8_t* content);

  // The description OnModuleEvent would log, for quorlin-cli and tests that want the text
  // without a log queue. Effects are still applied.
  std::string Describe(const std::uint8_t* packet, int length, std::uint8_t type, const std::uint8_t* content);

  bool LeConnected() const { return le_connected_; }
  const LinkRecords& Links() const { return links_; }
  bool NamePending() const { return name_pending_; }

 private:
  struct Event;

  void StateEvent(const Event& e, std::string& text);
  void ReplyEvent(const Event& e, std::string& text);
  void CommandAck(const Event& e, std::string& text);
  void BtmStatus(const Event& e, std::string& text);
  void LinkStatusReport(const Event& e, std::string& text);
  void LeStatus(const Event& e, std::string& text);
  void SpeakerLinkStatus(const Event& e, std::string& text);
  void LinkedDeviceInfo(const Event& e, std::string& text);
  void MiscStatus(const Event& e, std::string& text);
  void ProfilePicturesIdle();
  void Picture(std::uint8_t device, int control_a, int control_b, int image);
  std::uint8_t Selected() const { return selected_device_; }

  ::LogQueue& log_;
  IndicatorView& view_;
  EventAnswers& answers_;
  PageSlots& slots_;
  PresentationHooks& hooks_;
  const std::atomic<std::uint8_t>& selected_device_;

  LinkRecords links_;
  std::atomic<bool> name_pending_{false};
  std::atomic<bool> le_connected_{false};
  bool ancs_client_ = false;
  std::vector<std::uint8_t> AvrcpAttributeBuffer;
};

}  // namespace console
