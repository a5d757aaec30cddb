#pragma once
// CUART: the serial channel to the module. It owns the port and two threads:
//
// - the reader thread cuts packets out of the incoming bytes (PacketFramer) and hands each
//   one to the packet callback, on the reader thread, one packet at a time;
// - the writer thread sends queued packets one at a time. After each it waits until
//   SignalAck releases it (the module's Command ACK) or 1600 ms pass. A release that comes
//   while nothing waits is remembered and lets the next packet go on at once. With the
//   bridge active it raises the RX-indication pin around each queued packet.
//
// Event ACKs (opcode 0x14, with or without the leading null byte) bypass the queue: Write
// sends them at once on the calling thread.
//
// Threads:
// - Open, Close and the destructor: the owner's thread (the command layer's caller).
//   Close may also be called from the packet callback; the destructor may not.
// - Write, SignalAck, SetPacketCallback, SetFillNull, SetDelayTime and the getters: any
//   thread, the packet callback included.
// - The packet callback runs on the reader thread with no channel lock held.
// The queue lock and the write lock are never held together.

#include "link/bridge_gpio.h"
#include "link/packet_framer.h"
#include "link/serial_port.h"

#include <boost/function.hpp>
#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>
#include <boost/thread/thread.hpp>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class CUART {
 public:
  using PacketCallback = boost::function<bool(unsigned char* packet, unsigned int length)>;

  // Mode 1 sets up the bridge GPIO for the RX-indication line; any other mode leaves it off.
  CUART(const std::string& port_path, std::uint32_t baud_rate, int mode);
  // With the given bridge pins (null: bridge off), for a bridge set up elsewhere and tests.
  CUART(const std::string& port_path, std::uint32_t baud_rate, std::unique_ptr<BridgeGpio> bridge);
  virtual ~CUART();
  CUART(const CUART&) = delete;
  CUART& operator=(const CUART&) = delete;

  // Opens and configures the port and starts the reader, then the writer thread. Returns 0,
  // or the number of the step that failed (see OpenError); LastOpenError() has the reason.
  // On a port that is already open it returns 0 and does nothing.
  int Open(const std::string& port_path);

  // Closes the port and wakes every blocked wait: the writer leaves its loop, the reader
  // ends. Queued packets not yet written are dropped. Safe to call twice.
  void Close();

  // Event ACK: written at once. Anything else: queued for the writer. Always true.
  bool Write(const unsigned char* bytes, unsigned int length);

  void SetPacketCallback(PacketCallback callback);

  // Releases the writer's Command-ACK wait (or the next one, when none is in progress).
  void SignalAck();

  // Returns once every queued packet has been written and its Command-ACK wait has ended,
  // or once the writer has stopped (closed, or never started).
  void WaitUntilIdle();

  // Put the 0x00 byte in front of every command (read by the command layer when it builds).
  void SetFillNull(bool on) { fill_null_ = on; }
  bool FillNull() const { return fill_null_; }
  // RX-indication lead time before each queued packet, in milliseconds.
  void SetDelayTime(std::uint32_t ms) { delay_time_ms_ = ms; }
  std::uint32_t DelayTime() const { return delay_time_ms_; }

  bool IsOpen() const { return port_.IsOpen(); }
  bool BridgeActive() const { return bridge_ != nullptr; }
  const std::string& PortPath() const { return port_path_; }
  std::uint32_t BaudRate() const { return baud_rate_; }
  // The step and system error of the last Open that failed (step 0 after a success).
  const OpenError& LastOpenError() const { return last_open_error_; }

 private:
  void ReaderLoop();
  void WriterLoop();
  void Deliver(std::uint8_t* packet, std::size_t length);
  bool TakeNextPacket(std::vector<std::uint8_t>& packet);
  void SendQueued(const std::vector<std::uint8_t>& packet);
  void WaitForAck();
  void FinishPacket(bool writer_ends);
  void JoinThreads();

  std::string port_path_;
  const std::uint32_t baud_rate_;
  std::unique_ptr<BridgeGpio> bridge_;  // null while the bridge is off
  std::atomic<bool> fill_null_{false};
  std::atomic<std::uint32_t> delay_time_ms_{0};

  SerialPort port_;
  PacketFramer framer_;  // reader thread only
  OpenError last_open_error_;

  boost::mutex callback_mutex_;
  PacketCallback packet_callback_;

  boost::mutex queue_mutex_;  // the queue lock
  boost::condition_variable queue_changed_;
  std::deque<std::vector<std::uint8_t>> send_queue_;
  bool closing_ = false;  // under queue_mutex_ (and mirrored under ack_mutex_)
  bool writer_running_ = false;  // under queue_mutex_
  bool writer_busy_ = false;     // under queue_mutex_: a packet is out of the queue, not done
  boost::condition_variable writer_idle_;

  boost::mutex write_mutex_;  // the write lock

  boost::mutex ack_mutex_;
  boost::condition_variable ack_changed_;
  bool ack_signalled_ = false;
  bool ack_closing_ = false;

  boost::thread reader_thread_;
  boost::thread writer_thread_;
};
