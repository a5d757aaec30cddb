#pragma once
// The console's main window: the "Serial Port" group, the indicator panel, the property
// sheet with the ten pages and the log pane. It owns the pages, the log queue, the page
// callback slots and, while a link is open, the CommandSetLayer.
//
// Threads: everything here runs on the GUI thread except the trace callback and the
// indicator requests, which the link's reader thread makes; those only queue text or
// post queued invocations and never wait for the GUI thread.

#include "console/event_presenter.h"
#include "console/layer_answers.h"
#include "console/log_printer.h"
#include "console/log_queue.h"
#include "console/page_host.h"
#include "console/prompter.h"
#include "console/recording_hooks.h"

#include <QHash>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QuorlinPage;
class CPage1;
class CPage2;
class CPage3;
class CPage4;
class CPage5;
class CPage6;
class CPage7;
class CPage8;
class CPage9;
class CPageB;

namespace console {
class QtLogPane;
}

struct QuorlinOptions {
  std::string extra_port;            // --port PATH: added to the port list and preselected
  std::string log_path = "pelvan.log";
};

class CQuorlinDlg : public QWidget,
                    public console::PageHost,
                    private console::IndicatorView {
 public:
  static constexpr const char* kCaption = "Dravik r160.024";
  static constexpr const char* kAppName = "Quorlin";
  static constexpr int kLogTimerMs = 2;

  explicit CQuorlinDlg(const QuorlinOptions& options = {}, QWidget* parent = nullptr);
  ~CQuorlinDlg() override;

  // Tests replace the dialogs with a scripted prompter (not owned).
  void SetPrompter(console::Prompter* prompter) { prompter_ = prompter; }

  // console::PageHost
  console::PageSlots& Slots() override { return slots_; }
  std::uint8_t SelectedDevice() const override { return selected_device_; }
  CommandSetLayer* GetLayer() const override;
  void ShowOtherPages(bool show) override;

  // A control of the window or of one of its pages, by control ID.
  QWidget* Control(int id) const;
  QTabWidget* Sheet() const { return sheet_; }
  QuorlinPage* Page(int sheet_index) const;
  // The image index a picture control shows (-1 when it shows none), the icon of an LE picture.
  int PictureOf(int control_id) const;

  const std::string& PortName() const { return port_name_; }
  int BaudRate() const { return baud_rate_; }

  // The trace callback: dumps one packet into the log (direction 1 command, 0 event).
  void OnTrace(int direction, const unsigned char* bytes, int length);
  ::LogQueue& Log() { return log_queue_; }
  console::EventPresenter& Presenter() { return *presenter_; }
  // The calls into pages and the ANCS client that the presentation makes (recorded until
  // those parts exist).
  const console::RecordingHooks& Hooks() const { return hooks_; }
  console::LogPrinter& Printer() { return *printer_; }

  // Indicator requests (console::IndicatorView); safe from any thread: they are applied on
  // the GUI thread in request order, and requests made before the last Close are dropped.
  void SetPicture(int control_id, int image_index) override;
  void SetLeIcon(int control_id, int icon_id) override;
  void SetRadioText(int control_id, const std::string& utf8) override;

  void ResetIndicators();
  void EnableLinkControls(bool opened);

  // The control handlers, callable by tests as the buttons call them.
  void OnOpen();
  void OnClose();
  void OnClear();
  void OnSaveAs();
  void OnLogTimer();
  // Starts the 2 ms log timer without a link (Open starts it too); for the benchmark.
  void StartLogTimer() { log_timer_.start(kLogTimerMs); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  QWidget* BuildSerialGroup();
  QWidget* BuildConnectionGroup();
  QWidget* BuildModuleGroup();
  QWidget* BuildSlaveSpeakerGroup();
  QWidget* BuildLeGroup();
  QWidget* BuildLogArea();
  QLabel* AddPicture(int id);
  template <typename W>
  W* Register(int id, W* widget);
  void AddPages();
  void RefreshPortList(const std::string& extra_port);
  void OnPortSelected(int index);
  void OnBaudText(const QString& text);
  void ShowPicture(int control_id, int image_index);
  void ShowLeIcon(int control_id, int icon_id);
  template <typename F>
  void OnGuiThread(F&& apply);
  void Teardown();


  ::LogQueue log_queue_;
  std::unique_ptr<console::QtLogPane> pane_;
  std::unique_ptr<console::LogPrinter> printer_;
  console::PageSlots slots_;
  std::unique_ptr<console::Prompter> own_prompter_;
  console::Prompter* prompter_ = nullptr;

  std::unique_ptr<CommandSetLayer> layer_;
  std::atomic<unsigned> link_generation_{0};  // advanced by Close
  console::RecordingHooks hooks_;
  console::LayerAnswers answers_;
  std::unique_ptr<console::EventPresenter> presenter_;
  std::string port_name_;
  int baud_rate_ = 0;
  std::atomic<std::uint8_t> selected_device_{0};
  std::atomic<bool> torn_down_{false};
  bool rx_delay_follows_box_ = false;  // set by the first click on box 1404

  QTimer log_timer_;
  std::vector<QPixmap> images_;
  QHash<int, QWidget*> controls_;
  QHash<int, int> shown_picture_;

  QComboBox* port_combo_ = nullptr;
  QComboBox* baud_combo_ = nullptr;
  QPushButton* open_button_ = nullptr;
  QPushButton* close_button_ = nullptr;
  QCheckBox* rx_indication_ = nullptr;
  QLineEdit* rx_delay_ = nullptr;
  QCheckBox* fill_null_ = nullptr;
  QRadioButton* device_a_ = nullptr;
  QRadioButton* device_b_ = nullptr;
  QPushButton* save_as_ = nullptr;
  QPlainTextEdit* log_edit_ = nullptr;
  QTabWidget* sheet_ = nullptr;

  CPage1* page1_ = nullptr;
  CPage2* page2_ = nullptr;
  CPage3* page3_ = nullptr;
  CPage4* page4_ = nullptr;
  CPage5* page5_ = nullptr;
  CPage6* page6_ = nullptr;
  CPage7* page7_ = nullptr;
  CPage8* page8_ = nullptr;
  CPage9* page9_ = nullptr;
  CPageB* pageB_ = nullptr;
};
