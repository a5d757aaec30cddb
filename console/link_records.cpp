#include "console/link_records.h"

namespace console {

void LinkRecords::RecordLink(std::uint8_t link_id, std::uint8_t device, const char* profile) {
  boost::mutex::scoped_lock lock(mutex_);
  working_.link_id = link_id;
  working_.device = device;
  working_.profile = profile;
  if (link_id > kMaxLinkId) return;
  const int entry = 2 * link_id + (working_.profile == "A2DP" ? 1 : 0);
  entries_[entry] = working_;
}

void LinkRecords::RecordName(const std::string& name) {
  boost::mutex::scoped_lock lock(mutex_);
  working_.device_name = name;
  if (working_.link_id > kMaxLinkId) return;
  LinkRecord& hf = entries_[2 * working_.link_id];
  LinkRecord& a2dp = entries_[2 * working_.link_id + 1];
  if (working_.profile == "HFP") {
    hf = working_;
    if (!a2dp.profile.empty()) a2dp.device_name = name;
  } else if (working_.profile == "A2DP") {
    a2dp = working_;
    if (!hf.profile.empty()) hf.device_name = name;
  }
}

std::array<LinkRecord, LinkRecords::kEntries> LinkRecords::Entries() const {
  boost::mutex::scoped_lock lock(mutex_);
  return entries_;
}

LinkRecord LinkRecords::Working() const {
  boost::mutex::scoped_lock lock(mutex_);
  return working_;
}

}  // namespace console
