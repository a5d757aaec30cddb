#pragma once
// What a page sees of the main window: the callback setters, the selected device and the
// link. Pages get this handed in, so a page test can hand them a fake window.

#include "console/page_slots.h"

#include <cstdint>

class CommandSetLayer;

namespace console {

class PageHost {
 public:
  virtual ~PageHost() = default;

  // The page callback slots; pages register through the setters of PageSlots.
  virtual PageSlots& Slots() = 0;
  // 0 for "Device A", 1 for "Device B", read at the moment a command is sent.
  virtual std::uint8_t SelectedDevice() const = 0;
  // The open link, or null while the link is closed.
  virtual CommandSetLayer* GetLayer() const = 0;
  // The System page's "Show Other Pages"; all ten pages are always present.
  virtual void ShowOtherPages(bool show) = 0;
};

}  // namespace console
