#include "console/text_format.h"

#include <cstdint>

namespace console {

std::wstring Wide(const std::string& utf8) {
  std::wstring out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : 4;
    bool valid = extra < 4 && i + extra < utf8.size();
    std::uint32_t code = extra == 0 ? lead : lead & (0x3Fu >> extra);
    for (std::size_t k = 1; valid && k <= extra; ++k) {
      const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (!valid) {
      out += static_cast<wchar_t>(0xFFFD);
      ++i;
      continue;
    }
    out += static_cast<wchar_t>(code);
    i += extra + 1;
  }
  return out;
}

}  // namespace console
