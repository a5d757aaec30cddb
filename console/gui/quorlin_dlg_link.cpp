// The link side of the main window: Open and Close and the trace callback.

#include "console/gui/quorlin_dlg.h"

#include "console/open_failure.h"
#include "console/trace_format.h"
#include "link/command_set_layer.h"
#include "pages/spp_page.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace console;

CommandSetLayer* CQuorlinDlg::GetLayer() const { return layer_.get(); }

void CQuorlinDlg::OnOpen() {
  const bool rx_indication = rx_indication_->isChecked();
  const bool fill_null = fill_null_->isChecked();
  layer_ = std::make_unique<CommandSetLayer>();
  answers_.Attach(layer_.get());
  const int code = layer_->Open(port_name_, static_cast<std::uint32_t>(baud_rate_ < 0 ? 0 : baud_rate_),
                                rx_indication ? 1 : 0);
  if (code != 0) {
    const OpenError& failure = layer_->Channel()->LastOpenError();
    answers_.Detach();
    layer_.reset();
    prompter_->ShowMessage(MessageIcon::kError, kAppName,
                           DescribeOpenFailure(port_name_, failure.step, failure.os_error, failure.Reason()));
    return;
  }
  layer_->SetTraceCallback([this](int direction, unsigned char* bytes, int length) { OnTrace(direction, bytes, length); });
  layer_->SetEventCallback([this](const unsigned char* packet, int length, const event_type_& type,
                                  EVENT_TYPE_CONTENT_ content) {
    presenter_->OnModuleEvent(packet, length, type, content.bytes);
  });
  log_timer_.start(kLogTimerMs);
  layer_->Channel()->SetFillNull(fill_null);
  const int delay = rx_delay_->text().toInt();  // 0 when empty
  layer_->Channel()->SetDelayTime(static_cast<std::uint32_t>(delay < 0 ? 0 : delay));
  EnableLinkControls(true);
}

void CQuorlinDlg::OnClose() {
  if (layer_) layer_->Close();  // joins the link's threads; they never wait for this one
  ++link_generation_;
  EnableLinkControls(false);
  ResetIndicators();
  answers_.Detach();
  layer_.reset();
  log_timer_.stop();
}

void CQuorlinDlg::OnTrace(int direction, const unsigned char* bytes, int length) {
  std::string entry = FormatTraceEntry(direction, bytes, length, MakeTimestamp(), page4_->ShowData());
  if (!entry.empty()) log_queue_.Push(std::move(entry));
}

