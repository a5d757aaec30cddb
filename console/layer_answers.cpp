#include "console/layer_answers.h"

#include "link/command_set_layer.h"

namespace console {

void LayerAnswers::SignalAck() {
  CommandSetLayer* layer = layer_;
  if (layer != nullptr && layer->Channel() != nullptr) layer->Channel()->SignalAck();
}

void LayerAnswers::SendMmiAction(std::uint8_t device, std::uint8_t action) {
  if (CommandSetLayer* layer = layer_) layer->MMI_ACTION(device, action);
}

void LayerAnswers::SendGainControl(std::uint8_t device, std::uint8_t gain_mask, std::uint8_t operation,
                                   std::uint8_t a2dp_level, std::uint8_t hf_level, std::uint8_t line_in_level) {
  if (CommandSetLayer* layer = layer_) layer->GAIN_CONTROL(device, gain_mask, operation, a2dp_level, hf_level, line_in_level);
}

void LayerAnswers::SendReadLinkedDeviceInfo(std::uint8_t device, std::uint8_t item) {
  if (CommandSetLayer* layer = layer_) layer->READ_LINKED_DEVICE_INFO(device, item);
}

}  // namespace console
