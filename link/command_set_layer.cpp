#include "link/command_set_layer.h"

#include "link/packet.h"

#include <vector>

CommandSetLayer::~CommandSetLayer() {
  Close();
  ReleaseChannel();
}

int CommandSetLayer::Open(const std::string& port_path, std::uint32_t baud_rate, int mode) {
  ReleaseChannel();
  auto channel = std::make_unique<CUART>(port_path, baud_rate, mode);
  const int code = channel->Open(port_path);
  CUART* opened = channel.get();
  {
    boost::lock_guard<boost::mutex> lock(send_mutex_);
    channel_ = std::move(channel);
  }
  if (code == 0) {
    opened->SetPacketCallback(
        [this](unsigned char* packet, unsigned int length) { return HandlePacket(packet, length); });
  }
  return code;
}

void CommandSetLayer::ReleaseChannel() {
  std::unique_ptr<CUART> old;
  {
    boost::lock_guard<boost::mutex> lock(send_mutex_);
    old = std::move(channel_);
  }
}  // the old channel is destroyed here, outside the lock

void CommandSetLayer::Close() {
  if (channel_) channel_->Close();
}

void CommandSetLayer::SetTraceCallback(TraceCallback callback) {
  boost::lock_guard<boost::mutex> lock(trace_mutex_);
  trace_callback_ = std::move(callback);
}

void CommandSetLayer::SetEventCallback(EventCallback callback) {
  boost::lock_guard<boost::mutex> lock(callback_mutex_);
  event_callback_ = std::move(callback);
}

uint8_t CommandSetLayer::SendCommand(uint8_t opcode, const uint8_t* params, uint16_t count) {
  std::vector<std::uint8_t> run;
  uint8_t result = kSendNoChannel;
  {
    boost::lock_guard<boost::mutex> lock(send_mutex_);
    if (!channel_) return kSendNoChannel;
    if (!packet::BuildCommand(opcode, params, count, channel_->FillNull(), run)) {
      return kSendTooLong;
    }
    result = channel_->Write(run.data(), static_cast<unsigned int>(run.size())) ? kSent
                                                                                : kSendNoChannel;
  }
  Trace(kTraceCommand, run.data(), static_cast<int>(run.size()));
  return result;
}

bool CommandSetLayer::HandlePacket(unsigned char* packet, unsigned int length) {
  if (!decoder_.Load(packet, length)) return false;
  if (decoder_.NeedsEventAck()) EVENT_ACK(decoder_.Type());
  if (!decoder_.Validate()) return false;

  EventCallback deliver;
  {
    boost::lock_guard<boost::mutex> lock(callback_mutex_);
    deliver = event_callback_;
  }
  const event_type_ type = decoder_.Type();
  const int size = static_cast<int>(decoder_.Size());
  if (deliver) deliver(decoder_.Packet(), size, type, decoder_.Content());
  Trace(kTraceEvent, decoder_.MutablePacket(), size);
  return true;
}

void CommandSetLayer::Trace(int direction, unsigned char* packet, int length) {
  boost::lock_guard<boost::mutex> lock(trace_mutex_);
  if (trace_callback_) trace_callback_(direction, packet, length);
}
