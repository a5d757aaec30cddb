// The event presentation on any sequence of events the decoder accepts: each record of the
// input is one event (a length byte, then opcode and parameters), framed, checked and
// rewritten by the decoder as on the link, then presented with every page slot bound and the
// answers, pictures and hooks going nowhere. A sequence reaches the state kept between
// events (fragmented attribute answers, link records, the pending name).

#include "console/event_presenter.h"
#include "console/layer_answers.h"
#include "console/log_queue.h"
#include "console/recording_hooks.h"
#include "link/event_decoder.h"
#include "link/packet.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint8_t> Framed(const std::uint8_t* body, std::size_t size) {
  std::vector<std::uint8_t> packet = {packet::kStartByte, static_cast<std::uint8_t>(size >> 8),
                                      static_cast<std::uint8_t>(size & 0xFF)};
  packet.insert(packet.end(), body, body + size);
  packet.push_back(packet::Checksum(packet.data() + 1, packet.size() - 1));
  return packet;
}

// Reads every byte a slot is given, so that a count beyond its bytes shows up.
volatile std::uint8_t g_sink;
void Touch(const std::uint8_t* bytes, int count) {
  for (int i = 0; i < count; ++i) g_sink = static_cast<std::uint8_t>(g_sink ^ bytes[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  LogQueue log;
  console::NoIndicators view;
  console::NoAnswers answers;
  console::PageSlots slots;
  console::RecordingHooks hooks;
  std::atomic<std::uint8_t> device{0};
  slots.SetContactDataCallback([](std::uint8_t, const std::uint8_t* b, int n) { Touch(b, n); });
  slots.SetSppDataCallback([](const std::uint8_t* b, int n) { Touch(b, n); });
  slots.SetSpeakerEventCallback([](std::uint8_t, std::uint16_t n, const std::uint8_t* b) { Touch(b, n); });
  console::EventPresenter presenter(log, view, answers, slots, hooks, device);

  EventDecoder decoder;
  std::size_t at = 0;
  while (at < size) {
    const std::size_t length = data[at++];
    const std::size_t body = length < size - at ? length : size - at;
    if (body == 0) continue;
    const std::vector<std::uint8_t> packet = Framed(data + at, body);
    at += body;
    if (!decoder.Load(packet.data(), packet.size()) || !decoder.Validate()) continue;
    const EVENT_TYPE_CONTENT_ content = decoder.Content();
    presenter.OnModuleEvent(decoder.Packet(), static_cast<int>(decoder.Size()), decoder.Type(), content.bytes);
  }
  return 0;
}
