#pragma once
// CommandSetLayer: the console's one object for talking to the module. It owns the channel
// (CUART) while a link is open, builds every command (CommandBuilders) and sends it through
// SendCommand, and handles every packet the channel receives: checksum, Event ACK, the
// event's checks and rewrites, then delivery to the event callback and to the trace callback.
//
// Threads:
// - Open, Close and the destructor: the owner's thread.
// - SendCommand, SendRaw and every builder: any thread, the event callback included. The send
//   lock makes building and hand-off atomic; the trace callback runs after it is released,
//   under the trace lock, so it may take locks of its own.
// - The packet handler runs on the channel's reader thread; it holds no lock of the layer
//   while the event callback runs, so that callback may send commands and release the
//   channel's Command-ACK wait.
// - SetTraceCallback and SetEventCallback: any thread.

#include "link/command_builders.h"
#include "link/event_decoder.h"
#include "link/event_types.h"
#include "link/trace_direction.h"
#include "link/uart.h"

#include <boost/function.hpp>
#include <boost/thread/mutex.hpp>

#include <cstdint>
#include <memory>
#include <string>

class CommandSetLayer : public CommandBuilders {
 public:
  using EventCallback = boost::function<void(const unsigned char* packet, int length,
                                             const event_type_& type, EVENT_TYPE_CONTENT_ content)>;
  using TraceCallback = boost::function<void(int direction, unsigned char* packet, int length)>;

  CommandSetLayer() = default;
  ~CommandSetLayer() override;

  // Creates the channel and opens it; on success binds the packet handler. Returns the
  // channel's code (0 on success, else the failing step). A channel that failed to open stays
  // owned (closed) until the next Open or the destructor. Opening again replaces the channel.
  int Open(const std::string& port_path, std::uint32_t baud_rate, int mode);
  void Close();

  void SetTraceCallback(TraceCallback callback);
  void SetEventCallback(EventCallback callback);

  // The owned channel, null before the first Open.
  CUART* Channel() { return channel_.get(); }

  // Frames the command (with the fill-null byte when the channel asks for it), hands it to
  // the channel and reports it to the trace callback. kSendNoChannel before any Open,
  // kSendTooLong beyond the 768-byte packet buffer; nothing is sent or traced then.
  uint8_t SendCommand(uint8_t opcode, const uint8_t* params, uint16_t count) override;

  // The channel's packet callback: true when the event was delivered.
  bool HandlePacket(unsigned char* packet, unsigned int length);

 private:
  // Takes the channel out under the send lock and destroys it outside, joining its threads.
  void ReleaseChannel();
  void Trace(int direction, unsigned char* packet, int length);

  boost::mutex callback_mutex_;  // guards event_callback_ (copied out before each call)
  EventCallback event_callback_;
  TraceCallback trace_callback_;  // under trace_mutex_
  std::unique_ptr<CUART> channel_;
  boost::mutex send_mutex_;   // the send lock
  boost::mutex trace_mutex_;  // the trace lock
  EventDecoder decoder_;      // reader thread only
};
