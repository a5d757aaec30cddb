#pragma once
// The virtual module: the module's side of the UART command set on a pseudo-terminal.
//
// It frames the host's commands with the project's framer and ignores any packet whose
// checksum is wrong, and any packet left unfinished when its host leaves or the line stays
// quiet for kPacketTimeOut in the middle of it (a host that broke off). Every command but
// EVENT_ACK is answered by a COMMAND_ACK (status 0 unless configured; opcodes configured as
// "no ACK" get none); a command acknowledged with status 0 then gets the events of the
// behaviour table. Every event sent is entered in the Event-ACK ledger, which each
// EVENT_ACK from the host settles. A scenario script, if any, starts when a host first
// opens the port.
//
// Threads: the module runs three of its own - a reader (framing and answering), a writer
// (sends queued packets when due, so the reader never waits on the host) and a script
// player. Start, Stop and the destructor belong to the owner; the other calls may come
// from any thread. The command observer runs on the reader thread, after the module has
// acted on the command.
//
// A test may also make the module send at a moment of its choosing (SendEvent, SendRaw):
// the packet joins the writer's queue and is entered in the ledger as a script's would be.

#include "link/packet_framer.h"
#include "sim/behaviour.h"
#include "sim/event_ack_ledger.h"
#include "sim/pty_device.h"
#include "sim/script.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct ModuleConfig {
  std::map<std::uint8_t, std::uint8_t> ack_status;  // command opcode -> Command ACK status
  std::set<std::uint8_t> no_ack;                    // commands answered by no Command ACK
  std::vector<ScriptStep> script;
};

// A command as the module received it (EVENT_ACKs included), with the time it was framed.
struct ReceivedCommand {
  std::uint8_t opcode = 0;
  SimBytes params;
  std::chrono::steady_clock::time_point when;
};

class VirtualModule {
 public:
  using Clock = std::chrono::steady_clock;
  using CommandObserver = std::function<void(const ReceivedCommand&)>;

  // Silence in the middle of a packet after which its bytes are dropped.
  static constexpr std::chrono::milliseconds kPacketTimeOut{100};
  // How long a script's quit waits for the Event ACKs of the events already sent.
  static constexpr std::chrono::milliseconds kQuitGrace{1000};

  explicit VirtualModule(ModuleConfig config);
  ~VirtualModule();
  VirtualModule(const VirtualModule&) = delete;
  VirtualModule& operator=(const VirtualModule&) = delete;

  // Called before Start.
  void SetCommandObserver(CommandObserver observer) { observer_ = std::move(observer); }

  // Creates the pseudo-terminal and starts the threads; false with the reason in `error`.
  [[nodiscard]] bool Start(std::string& error);
  // Stops the threads; packets not yet sent are dropped. Safe to call twice.
  void Stop();

  // The device path a host opens.
  const std::string& DevicePath() const { return device_.Path(); }

  // True once the script has played its quit step; WaitForQuit waits for it.
  bool QuitReached() const;
  bool WaitForQuit(std::chrono::milliseconds within) const;

  // Sends an event now, after whatever is already due; false when the parameters do not
  // fit in a packet. Sent only while a host holds the port, like every packet.
  bool SendEvent(std::uint8_t opcode, const SimBytes& params);
  // Sends the bytes exactly as given (broken packets too); the intact events among them are
  // owed Event ACKs.
  void SendRaw(const SimBytes& bytes);

  EventAckReport AckReport() const { return ledger_.Report(); }
  // Packets left unanswered: framed with a wrong checksum, or left unfinished.
  std::uint64_t IgnoredPackets() const;

 private:
  struct Outgoing {
    SimBytes bytes;
    std::vector<std::uint8_t> events;  // opcodes the ledger expects Event ACKs for
  };

  void ReadCommands();
  void WriteDue();
  void PlayScript();
  void Answer(std::uint8_t* packet, std::size_t length);
  void AnswerCommand(const ReceivedCommand& command);
  void DropUnfinishedPacket();
  void Queue(Clock::time_point due, Outgoing outgoing);
  bool QueueEvent(Clock::time_point due, std::uint8_t opcode, const SimBytes& params);
  bool WaitUntilIdle(std::chrono::milliseconds within);  // nothing queued or being written
  void HostArrived();

  const ModuleConfig config_;
  PtyDevice device_;
  Behaviour behaviour_;       // reader thread only
  PacketFramer framer_;       // reader thread only
  EventAckLedger ledger_;
  CommandObserver observer_;

  mutable std::mutex mutex_;  // guards everything below
  mutable std::condition_variable changed_;
  std::multimap<Clock::time_point, Outgoing> outbox_;  // by due time, then queue order
  bool writing_ = false;
  bool stopping_ = false;
  bool host_arrived_ = false;  // a host has opened the port at least once
  bool quit_reached_ = false;
  std::uint64_t ignored_ = 0;

  std::thread reader_;
  std::thread writer_;
  std::thread player_;
};
