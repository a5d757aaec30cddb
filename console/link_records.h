#pragma once
// The record of profile links: entry 2·id holds the HF link of link id `id`, entry
// 2·id + 1 its A2DP link (ids 0 to 7), plus the working record that the next device name
// completes. Written by the event presentation on the reader thread, read by the System
// page on the GUI thread; each access is one short lock.

#include <boost/thread/mutex.hpp>

#include <array>
#include <cstdint>
#include <string>

namespace console {

struct LinkRecord {
  std::uint8_t link_id = 0;
  std::uint8_t device = 0;   // 0 Device A, 1 Device B
  std::string device_name;   // UTF-8
  std::string profile;       // "HFP", "A2DP" or empty
};

class LinkRecords {
 public:
  static constexpr int kEntries = 16;
  static constexpr std::uint8_t kMaxLinkId = 7;

  // A new HF or A2DP link: fills the working record and copies it to the link's entry.
  void RecordLink(std::uint8_t link_id, std::uint8_t device, const char* profile);
  // The device name of the working record's link: names its entry, and the link's other
  // profile entry when that one is in use.
  void RecordName(const std::string& name);

  std::array<LinkRecord, kEntries> Entries() const;
  LinkRecord Working() const;

 private:
  mutable boost::mutex mutex_;
  std::array<LinkRecord, kEntries> entries_;
  LinkRecord working_;
};

}  // namespace console
