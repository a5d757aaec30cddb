#pragma once
// The presentation's calls into the SPP page's transfer-stop flag, the System page's
// "Dedicate Connection" list and the ANCS client, recorded while those parts are not built.
// Thread safety: the counters are atomics; the dedicate list is guarded.

#include "console/event_presenter.h"

#include <boost/thread/mutex.hpp>

#include <atomic>
#include <deque>
#include <string>
#include <vector>

namespace console {

class RecordingHooks : public PresentationHooks {
 public:
  void RaiseSppTransferStop() override { ++spp_stops_; }
  bool RemoveDedicateEntry(const std::string& name) override {
    boost::mutex::scoped_lock lock(mutex_);
    for (auto it = dedicate_.begin(); it != dedicate_.end(); ++it) {
      if (*it != name) continue;
      dedicate_.erase(it);
      return true;
    }
    return false;
  }
  void InsertDedicateEntry(const std::string& name, bool at_end) override {
    boost::mutex::scoped_lock lock(mutex_);
    if (at_end)
      dedicate_.push_back(name);
    else
      dedicate_.push_front(name);
  }
  void CreateAncsClient() override {
    ancs_client_ = true;
    ++ancs_creates_;
  }
  void DestroyAncsClient() override { ancs_client_ = false; }
  void OnAncsData(int kind, const std::uint8_t* bytes, int count) override {
    boost::mutex::scoped_lock lock(mutex_);
    ancs_data_.push_back(std::to_string(kind) + ":" + std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count)));
  }
  void SignalAncsFound() override { ++ancs_found_; }

  int SppStops() const { return spp_stops_; }
  bool AncsClient() const { return ancs_client_; }
  int AncsCreates() const { return ancs_creates_; }
  // Each OnAncsData call as "kind:bytes".
  std::vector<std::string> AncsData() const {
    boost::mutex::scoped_lock lock(mutex_);
    return ancs_data_;
  }
  int AncsFound() const { return ancs_found_; }
  std::vector<std::string> DedicateList() const {
    boost::mutex::scoped_lock lock(mutex_);
    return {dedicate_.begin(), dedicate_.end()};
  }

 private:
  std::atomic<int> spp_stops_{0};
  std::atomic<bool> ancs_client_{false};
  std::atomic<int> ancs_creates_{0};
  std::vector<std::string> ancs_data_;
  std::atomic<int> ancs_found_{0};
  mutable boost::mutex mutex_;
  std::deque<std::string> dedicate_;
};

}  // namespace console
