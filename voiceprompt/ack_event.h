#pragma once
// The voice-prompt download's acknowledgement event: a manual-reset event that the
// acknowledgement handler sets (on the thread that delivers events) and the download waits
// for before each next command. A signal that comes before the wait is kept. An event that
// a handler may still signal while its owner goes away should be shared with the handler.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace voiceprompt {

// How long the download waits for each acknowledgement: 5000 polls of 1 ms.
constexpr std::chrono::milliseconds kAckWait{5000};

class AckEvent {
 public:
  void signal();
  void reset();
  // True when the event is or becomes signalled within limit; it is reset then.
  bool waitAndReset(std::chrono::milliseconds limit = kAckWait);

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool signalled_ = false;
};

}  // namespace voiceprompt
