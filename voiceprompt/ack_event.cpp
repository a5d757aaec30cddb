#include "voiceprompt/ack_event.h"

namespace voiceprompt {

void AckEvent::signal() {
  // Notified under the lock: a waiter that returns (and may destroy the event) can only do so
  // once the signalling thread is done with it.
  std::lock_guard<std::mutex> lock(mutex_);
  signalled_ = true;
  changed_.notify_all();
}

void AckEvent::reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  signalled_ = false;
}

bool AckEvent::waitAndReset(std::chrono::milliseconds limit) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!changed_.wait_for(lock, limit, [this] { return signalled_; })) return false;
  signalled_ = false;
  return true;
}

}  // namespace voiceprompt
