#pragma once
// The log text of an AVC_RESPONSE event: rejections, UNIT INFO, SUBUNIT INFO and the AVRCP
// vendor-dependent PDUs, including the Get Element Attributes answer that may come in
// several fragments.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace console {

// A fragmented attribute answer that grows beyond this without its last fragment is dropped.
constexpr std::size_t kMaxAttributeBuffer = 64 * 1024;
// At most this many attributes, each value cut to this many bytes, are shown.
constexpr std::size_t kMaxShownAttributes = 8;
constexpr std::size_t kMaxShownValue = 512;

// `content` holds the event's parameters (c0 link, c1 response code, c2 subunit, c3 AV/C
// opcode, ...), `params` how many of them the packet carries. `attribute_buffer` keeps the
// fragments of an element-attribute answer between events.
std::string AvcResponseText(const std::uint8_t* content, std::size_t params,
                            std::vector<std::uint8_t>& attribute_buffer);

}  // namespace console
