#include "sim/virtual_module.h"

#include "link/packet.h"

namespace {

constexpr auto kHostPollInterval = std::chrono::milliseconds(20);
constexpr auto kNoTimeOut = std::chrono::milliseconds(-1);

// The opcodes of the intact events in a run of raw bytes: those a host acknowledges.
std::vector<std::uint8_t> IntactEventOpcodes(const SimBytes& bytes) {
  std::vector<std::uint8_t> opcodes;
  PacketFramer framer;
  framer.Feed(bytes.data(), bytes.size(), [&opcodes](std::uint8_t* p, std::size_t n) {
    if (packet::IsIntact(p, n) && p[packet::kOpcodeOffset] != packet::kCommandAckOpcode) {
      opcodes.push_back(p[packet::kOpcodeOffset]);
    }
  });
  return opcodes;
}

}  // namespace

VirtualModule::VirtualModule(ModuleConfig config) : config_(std::move(config)) {}

VirtualModule::~VirtualModule() { Stop(); }

bool VirtualModule::Start(std::string& error) {
  if (!device_.Create(error)) return false;
  reader_ = std::thread([this] { ReadCommands(); });
  writer_ = std::thread([this] { WriteDue(); });
  player_ = std::thread([this] { PlayScript(); });
  return true;
}

void VirtualModule::Stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    changed_.notify_all();
  }
  device_.Wake();
  for (std::thread* thread : {&reader_, &writer_, &player_}) {
    if (thread->joinable()) thread->join();
  }
}

bool VirtualModule::QuitReached() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return quit_reached_;
}

bool VirtualModule::WaitForQuit(std::chrono::milliseconds within) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, within, [this] { return quit_reached_; });
}

std::uint64_t VirtualModule::IgnoredPackets() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return ignored_;
}

void VirtualModule::HostArrived() {
  std::lock_guard<std::mutex> lock(mutex_);
  host_arrived_ = true;
  changed_.notify_all();
}

void VirtualModule::ReadCommands() {
  std::uint8_t buffer[packet::kMaxReceivedPacket];
  bool present = false;
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopping_) return;
    }
    if (!device_.HostPresent()) {
      if (present) DropUnfinishedPacket();  // the host left, maybe in the middle of a packet
      present = false;
      device_.Nap(kHostPollInterval);
      continue;
    }
    if (!present) {
      present = true;
      device_.MakeRaw();
      HostArrived();
    }
    std::size_t got = 0;
    const auto timeout = framer_.Held() > 0 ? kPacketTimeOut : kNoTimeOut;
    switch (device_.Read(buffer, framer_.Wanted(), got, timeout)) {
      case PtyDevice::ReadResult::kData:
        framer_.Feed(buffer, got, [this](std::uint8_t* p, std::size_t n) { Answer(p, n); });
        break;
      case PtyDevice::ReadResult::kTimedOut:  // the line went quiet in the middle of a packet
        DropUnfinishedPacket();
        break;
      case PtyDevice::ReadResult::kNoHost:  // the host left (another may be opening already)
        DropUnfinishedPacket();
        present = false;
        break;
      case PtyDevice::ReadResult::kWoken:
        return;
      case PtyDevice::ReadResult::kFailed:
        device_.Nap(kHostPollInterval);
        break;
    }
  }
}

void VirtualModule::DropUnfinishedPacket() {
  if (framer_.Held() == 0) return;
  framer_.Reset();
  std::lock_guard<std::mutex> lock(mutex_);
  ++ignored_;
}

void VirtualModule::Answer(std::uint8_t* packet, std::size_t length) {
  if (!packet::IsIntact(packet, length)) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++ignored_;
    return;
  }
  ReceivedCommand command;
  command.opcode = packet[packet::kOpcodeOffset];
  command.params.assign(packet + packet::kContentOffset, packet + length - 1);
  command.when = Clock::now();
  if (command.opcode == packet::kEventAckOpcode) {
    if (!command.params.empty()) ledger_.Acknowledged(command.params[0]);
  } else {
    AnswerCommand(command);
  }
  if (observer_) observer_(command);  // once the module has acted on it
}

void VirtualModule::AnswerCommand(const ReceivedCommand& command) {
  const auto configured = config_.ack_status.find(command.opcode);
  const std::uint8_t status = configured == config_.ack_status.end() ? 0 : configured->second;
  auto due = Clock::now();
  if (config_.no_ack.count(command.opcode) == 0) {
    QueueEvent(due, packet::kCommandAckOpcode, {command.opcode, status});
  }
  if (status != 0) return;  // a refused command changes nothing
  for (const SimEvent& event : behaviour_.React(command.opcode, command.params)) {
    due += std::chrono::milliseconds(event.delay_ms);
    QueueEvent(due, event.opcode, event.params);
  }
}

bool VirtualModule::SendEvent(std::uint8_t opcode, const SimBytes& params) {
  return QueueEvent(Clock::now(), opcode, params);
}

void VirtualModule::SendRaw(const SimBytes& bytes) {
  Queue(Clock::now(), {bytes, IntactEventOpcodes(bytes)});
}

bool VirtualModule::QueueEvent(Clock::time_point due, std::uint8_t opcode, const SimBytes& params) {
  Outgoing outgoing;
  if (!packet::BuildEvent(opcode, params.data(), params.size(), outgoing.bytes)) return false;
  outgoing.events.push_back(opcode);
  Queue(due, std::move(outgoing));
  return true;
}

void VirtualModule::Queue(Clock::time_point due, Outgoing outgoing) {
  std::lock_guard<std::mutex> lock(mutex_);
  outbox_.emplace(due, std::move(outgoing));
  changed_.notify_all();
}

void VirtualModule::WriteDue() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stopping_) {
    if (outbox_.empty()) {
      changed_.wait(lock);
      continue;
    }
    const auto first = outbox_.begin();
    if (first->first > Clock::now()) {
      changed_.wait_until(lock, first->first);
      continue;
    }
    Outgoing outgoing = std::move(first->second);
    outbox_.erase(first);
    writing_ = true;
    lock.unlock();
    if (device_.HostPresent()) {  // with no host the packet is dropped, not owed
      for (const std::uint8_t opcode : outgoing.events) ledger_.Sent(opcode);
      device_.Write(outgoing.bytes.data(), outgoing.bytes.size());
    }
    lock.lock();
    writing_ = false;
    changed_.notify_all();
  }
}

bool VirtualModule::WaitUntilIdle(std::chrono::milliseconds within) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, within,
                           [this] { return stopping_ || (outbox_.empty() && !writing_); });
}

void VirtualModule::PlayScript() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return stopping_ || host_arrived_ || config_.script.empty(); });
  auto deadline = Clock::now();
  for (const ScriptStep& step : config_.script) {
    deadline += std::chrono::milliseconds(step.delay_ms);
    if (changed_.wait_until(lock, deadline, [this] { return stopping_; })) return;
    lock.unlock();
    switch (step.kind) {
      case ScriptStep::Kind::kEvent:
        QueueEvent(Clock::now(), step.opcode, step.bytes);
        break;
      case ScriptStep::Kind::kRaw:
        SendRaw(step.bytes);
        break;
      case ScriptStep::Kind::kQuit:
        WaitUntilIdle(kQuitGrace);
        ledger_.WaitUntilSettled(kQuitGrace);
        lock.lock();
        quit_reached_ = true;
        changed_.notify_all();
        return;
    }
    lock.lock();
  }
}
