#include "link/uart.h"

#include "link/packet.h"
#include "link/pacing.h"

#include <boost/chrono.hpp>

CUART::CUART(const std::string& port_path, std::uint32_t baud_rate, int mode)
    : CUART(port_path, baud_rate, mode == 1 ? SetUpBridgeGpio(baud_rate) : nullptr) {}

CUART::CUART(const std::string& port_path, std::uint32_t baud_rate,
             std::unique_ptr<BridgeGpio> bridge)
    : port_path_(port_path), baud_rate_(baud_rate), bridge_(std::move(bridge)) {}

CUART::~CUART() {
  Close();
  JoinThreads();
}

int CUART::Open(const std::string& port_path) {
  if (port_.IsOpen()) return 0;
  JoinThreads();  // threads of an earlier opening end once the port is closed
  port_path_ = port_path;
  last_open_error_ = port_.Open(port_path_, baud_rate_);
  if (last_open_error_.step != 0) return last_open_error_.step;

  framer_.Reset();
  {
    boost::lock_guard<boost::mutex> lock(queue_mutex_);
    closing_ = false;
  }
  {
    boost::lock_guard<boost::mutex> lock(ack_mutex_);
    ack_closing_ = false;
  }
  // A thread that cannot be started is not reported: Open still returns 0.
  try {
    reader_thread_ = boost::thread(&CUART::ReaderLoop, this);
  } catch (const boost::thread_resource_error&) {
  }
  try {
    {
      boost::lock_guard<boost::mutex> lock(queue_mutex_);
      writer_running_ = true;
    }
    writer_thread_ = boost::thread(&CUART::WriterLoop, this);
  } catch (const boost::thread_resource_error&) {
    FinishPacket(true);
  }
  return 0;
}

void CUART::Close() {
  {
    boost::lock_guard<boost::mutex> lock(queue_mutex_);
    closing_ = true;
    send_queue_.clear();
  }
  queue_changed_.notify_all();
  {
    boost::lock_guard<boost::mutex> lock(ack_mutex_);
    ack_closing_ = true;
  }
  ack_changed_.notify_all();
  port_.Close();
}

void CUART::JoinThreads() {
  if (writer_thread_.joinable()) writer_thread_.join();
  if (reader_thread_.joinable()) reader_thread_.join();
}

bool CUART::Write(const unsigned char* bytes, unsigned int length) {
  if (packet::IsEventAck(bytes, length)) {
    boost::lock_guard<boost::mutex> lock(write_mutex_);
    (void)port_.Write(bytes, length);  // write failures are silent
    return true;
  }
  {
    boost::lock_guard<boost::mutex> lock(queue_mutex_);
    send_queue_.emplace_back(bytes, bytes + length);
  }
  queue_changed_.notify_one();
  return true;
}

void CUART::SetPacketCallback(PacketCallback callback) {
  boost::lock_guard<boost::mutex> lock(callback_mutex_);
  packet_callback_ = std::move(callback);
}

void CUART::SignalAck() {
  {
    boost::lock_guard<boost::mutex> lock(ack_mutex_);
    ack_signalled_ = true;
  }
  ack_changed_.notify_one();
}

void CUART::ReaderLoop() {
  try {
    std::uint8_t buffer[SerialPort::kMaxReadRequest];
    const PacketFramer::PacketHandler deliver = [this](std::uint8_t* p, std::size_t n) {
      Deliver(p, n);
    };
    while (port_.IsOpen()) {
      const long got = port_.Read(buffer, framer_.Wanted());
      if (got < 0) break;  // closed, or the device is gone: the reader ends silently
      framer_.Feed(buffer, static_cast<std::size_t>(got), deliver);
    }
  } catch (...) {
    // An exception ends the reader thread.
  }
}

void CUART::Deliver(std::uint8_t* packet, std::size_t length) {
  PacketCallback callback;
  {
    boost::lock_guard<boost::mutex> lock(callback_mutex_);
    callback = packet_callback_;
  }
  if (callback) (void)callback(packet, static_cast<unsigned int>(length));
}

void CUART::WriterLoop() {
  try {
    std::vector<std::uint8_t> packet;
    while (TakeNextPacket(packet)) {
      SendQueued(packet);
      WaitForAck();
      FinishPacket(false);
    }
  } catch (...) {
    // An exception ends the writer thread.
  }
  FinishPacket(true);
}

void CUART::FinishPacket(bool writer_ends) {
  {
    boost::lock_guard<boost::mutex> lock(queue_mutex_);
    writer_busy_ = false;
    if (writer_ends) writer_running_ = false;
  }
  writer_idle_.notify_all();
}

void CUART::WaitUntilIdle() {
  boost::unique_lock<boost::mutex> lock(queue_mutex_);
  writer_idle_.wait(lock, [this] {
    return !writer_running_ || (send_queue_.empty() && !writer_busy_);
  });
}

bool CUART::TakeNextPacket(std::vector<std::uint8_t>& packet) {
  boost::unique_lock<boost::mutex> lock(queue_mutex_);
  queue_changed_.wait(lock, [this] { return closing_ || !send_queue_.empty(); });
  if (closing_) return false;
  packet = std::move(send_queue_.front());
  send_queue_.pop_front();
  writer_busy_ = true;
  return true;
}

void CUART::SendQueued(const std::vector<std::uint8_t>& packet) {
  if (bridge_) {
    bridge_->SetPin(BridgeGpio::kRxIndicationPin);
    pacing::BusyWaitMs(delay_time_ms_);
  }
  {
    boost::lock_guard<boost::mutex> lock(write_mutex_);
    (void)port_.Write(packet.data(), packet.size());
  }
  if (bridge_) {
    pacing::BusyWaitMs(pacing::kLineHoldMs);
    bridge_->ClearPin(BridgeGpio::kRxIndicationPin);
    pacing::BusyWaitMs(pacing::TrailingGapMs(baud_rate_));
  }
}

void CUART::WaitForAck() {
  boost::unique_lock<boost::mutex> lock(ack_mutex_);
  ack_changed_.wait_for(lock, boost::chrono::milliseconds(pacing::kCommandAckTimeoutMs),
                        [this] { return ack_signalled_ || ack_closing_; });
  ack_signalled_ = false;
}
