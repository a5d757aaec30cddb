#include "console/gui/quorlin_dlg.h"

#include "link/command_set_layer.h"

#include "console/gui/indicator_art.h"
#include "console/gui/qt_log_pane.h"
#include "console/gui/qt_prompter.h"
#include "console/save_as.h"
#include "console/serial_ports.h"
#include "console/window_ids.h"
#include "pages/a2dp_page.h"
#include "pages/contact_page.h"
#include "pages/hfp_page.h"
#include "pages/information_page.h"
#include "pages/le_page.h"
#include "pages/misc_page.h"
#include "pages/nspk_page.h"
#include "pages/setting_page.h"
#include "pages/spp_page.h"
#include "pages/system_page.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace console;

CQuorlinDlg::CQuorlinDlg(const QuorlinOptions& options, QWidget* parent) : QWidget(parent) {
  own_prompter_ = std::make_unique<QtPrompter>(this);
  prompter_ = own_prompter_.get();

  setWindowTitle(kCaption);
  BuildLayout();
  AddPages();
  RefreshPortList(options.extra_port);

  QFont log_font("Courier New");
  log_font.setStyleHint(QFont::Monospace);
  log_font.setPixelSize(14);
  log_font.setWeight(QFont::Medium);
  log_edit_->setFont(log_font);

  pane_ = std::make_unique<QtLogPane>(log_edit_);
  printer_ = std::make_unique<LogPrinter>(pane_.get());
  printer_->OpenLogFile(options.log_path);
  presenter_ = std::make_unique<EventPresenter>(log_queue_, static_cast<IndicatorView&>(*this),
                                                answers_, slots_, hooks_, selected_device_);

  // The first port (or the one given on the command line) and 115200 baud.
  if (!options.extra_port.empty()) port_combo_->setCurrentIndex(port_combo_->findText(QString::fromStdString(options.extra_port)));
  else if (port_combo_->count() > 0) port_combo_->setCurrentIndex(0);
  OnPortSelected(port_combo_->currentIndex());
  baud_combo_->setCurrentIndex(kDefaultBaudIndex);
  OnBaudText(baud_combo_->currentText());

  device_a_->setChecked(true);
  // The box is ticked without running its handler, so the delay edit starts disabled
  // although the box is checked; the first click on the box brings the two in step.
  {
    const QSignalBlocker quiet(rx_indication_);
    rx_indication_->setChecked(true);
  }
  EnableLinkControls(false);

  images_ = DrawIndicatorImages();
  ResetIndicators();

  log_timer_.setTimerType(Qt::PreciseTimer);
  connect(&log_timer_, &QTimer::timeout, this, [this] { OnLogTimer(); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  setFixedSize(sizeHint());
}

CQuorlinDlg::~CQuorlinDlg() { Teardown(); }

template <typename W>
W* CQuorlinDlg::Register(int id, W* widget) {
  widget->setObjectName(QString::number(id));
  controls_.insert(id, widget);
  return widget;
}

QLabel* CQuorlinDlg::AddPicture(int id) {
  auto* label = Register(id, new QLabel(this));
  label->setFixedSize(36, 36);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

void CQuorlinDlg::BuildLayout() {
  auto* left = new QVBoxLayout;
  left->addWidget(BuildSerialGroup());
  sheet_ = new QTabWidget(this);
  sheet_->setMinimumSize(414, 462);  // the 276 x 284 page frame
  sheet_->setUsesScrollButtons(false);  // all ten tabs stay in view
  left->addWidget(sheet_, 1);

  auto* right = new QVBoxLayout;
  right->addWidget(BuildConnectionGroup());
  auto* middle = new QHBoxLayout;
  middle->addWidget(BuildModuleGroup());
  middle->addWidget(BuildSlaveSpeakerGroup());
  middle->addWidget(BuildLeGroup());
  right->addLayout(middle);
  right->addWidget(BuildLogArea(), 1);

  auto* top = new QHBoxLayout(this);
  top->addLayout(left);
  top->addLayout(right, 1);
}

QWidget* CQuorlinDlg::BuildSerialGroup() {
  auto* group = Register(ctl::kSerialPortGroup, new QGroupBox("Serial Port", this));
  auto* grid = new QGridLayout(group);
  port_combo_ = Register(ctl::kPortCombo, new QComboBox(group));
  baud_combo_ = Register(ctl::kBaudCombo, new QComboBox(group));
  baud_combo_->setEditable(true);
  baud_combo_->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& rate : BaudRateTexts()) baud_combo_->addItem(QString::fromStdString(rate));
  open_button_ = Register(ctl::kOpen, new QPushButton("Open", group));
  close_button_ = Register(ctl::kClose, new QPushButton("Close", group));
  rx_indication_ = Register(ctl::kRxIndication, new QCheckBox("Drive Rx Indication Delay Time", group));
  rx_delay_ = Register(ctl::kRxDelayEdit, new QLineEdit(group));
  rx_delay_->setValidator(new QIntValidator(0, 999999, rx_delay_));
  rx_delay_->setMaximumWidth(70);
  fill_null_ = Register(ctl::kFillNullByte, new QCheckBox("Fill Null Byte", group));

  grid->addWidget(new QLabel("Port", group), 0, 0);
  grid->addWidget(port_combo_, 0, 1);
  grid->addWidget(new QLabel("Baudrate", group), 0, 2);
  grid->addWidget(baud_combo_, 0, 3);
  grid->addWidget(open_button_, 0, 4);
  grid->addWidget(close_button_, 0, 5);
  grid->addWidget(rx_indication_, 1, 0, 1, 3);
  grid->addWidget(rx_delay_, 1, 3);
  grid->addWidget(fill_null_, 1, 4, 1, 2);
  grid->setColumnStretch(1, 1);

  connect(port_combo_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int i) { OnPortSelected(i); });
  connect(baud_combo_, &QComboBox::currentTextChanged, this, [this](const QString& t) { OnBaudText(t); });
  connect(open_button_, &QPushButton::clicked, this, [this] { OnOpen(); });
  connect(close_button_, &QPushButton::clicked, this, [this] { OnClose(); });
  connect(rx_indication_, &QCheckBox::toggled, this, [this](bool on) {
    rx_delay_follows_box_ = true;
    rx_delay_->setEnabled(on);
  });
  return group;
}

QWidget* CQuorlinDlg::BuildConnectionGroup() {
  auto* group = Register(ctl::kConnectionGroup, new QGroupBox("BR/EDR Connection State", this));
  auto* grid = new QGridLayout(group);
  device_a_ = Register(ctl::kDeviceA, new QRadioButton("Device A", group));
  device_b_ = Register(ctl::kDeviceB, new QRadioButton("Device B", group));
  connect(device_a_, &QRadioButton::toggled, this, [this](bool on) { if (on) selected_device_ = 0; });
  connect(device_b_, &QRadioButton::toggled, this, [this](bool on) { if (on) selected_device_ = 1; });

  auto* remote = new QGroupBox("Remote Device State", group);
  auto* remote_grid = new QGridLayout(remote);
  struct Row {
    QRadioButton* radio;
    int hfp, a2dp, spp, ring, call, signal, roaming, battery, call_text;
  };
  const Row rows[] = {
      {device_a_, ctl::kHfpA, ctl::kA2dpA, ctl::kSppA, ctl::kRingA, ctl::kCallA, ctl::kSignalA, ctl::kRoamingA,
       ctl::kBatteryA, ctl::kCallStateTextA},
      {device_b_, ctl::kHfpB, ctl::kA2dpB, ctl::kSppB, ctl::kRingB, ctl::kCallB, ctl::kSignalB, ctl::kRoamingB,
       ctl::kBatteryB, ctl::kCallStateTextB},
  };
  int r = 0;
  for (const Row& row : rows) {
    grid->addWidget(row.radio, r, 0);
    grid->addWidget(AddPicture(row.hfp), r, 1);
    grid->addWidget(AddPicture(row.a2dp), r, 2);
    grid->addWidget(AddPicture(row.spp), r, 3);

    remote_grid->addWidget(AddPicture(row.ring), r, 0);
    remote_grid->addWidget(AddPicture(row.call), r, 1);
    QLabel* signal = AddPicture(row.signal);
    // The roaming tile is a small overlay at the signal picture's top-right corner.
    QLabel* roaming = Register(row.roaming, new QLabel(signal));
    roaming->setGeometry(26, 0, 10, 18);
    remote_grid->addWidget(signal, r, 2);
    remote_grid->addWidget(AddPicture(row.battery), r, 3);
    remote_grid->addWidget(new QLabel("Call State :", remote), r, 4);
    remote_grid->addWidget(Register(row.call_text, new QLabel(remote)), r, 5);
    ++r;
  }
  remote_grid->setColumnStretch(5, 1);
  grid->addWidget(remote, 0, 4, 2, 1);
  grid->setColumnStretch(4, 1);
  return group;
}

QWidget* CQuorlinDlg::BuildModuleGroup() {
  auto* group = new QGroupBox("BTM State", this);
  auto* row = new QHBoxLayout(group);
  row->addWidget(AddPicture(ctl::kModuleBattery));
  row->addWidget(AddPicture(ctl::kModuleVolume));
  row->addWidget(AddPicture(ctl::kModuleMessage));
  Register(ctl::kModuleHidden, new QLabel(group))->hide();
  return group;
}

QWidget* CQuorlinDlg::BuildSlaveSpeakerGroup() {
  auto* group = new QGroupBox("Slave SPK Connection State", this);
  auto* column = new QVBoxLayout(group);
  for (int id : {ctl::kSlaveSpeaker1, ctl::kSlaveSpeaker2}) {
    QLabel* picture = AddPicture(id);
    picture->setFixedSize(51, 23);
    column->addWidget(picture, 0, Qt::AlignHCenter);
  }
  column->addWidget(Register(ctl::kSlaveSpeakerText, new QLabel(group)));
  return group;
}

QWidget* CQuorlinDlg::BuildLeGroup() {
  auto* group = Register(ctl::kLeGroup, new QGroupBox("BLE Connection State", this));
  auto* row = new QHBoxLayout(group);
  row->addWidget(AddPicture(ctl::kLeLinkIcon));
  row->addWidget(AddPicture(ctl::kLeDataIcon));
  return group;
}

QWidget* CQuorlinDlg::BuildLogArea() {
  auto* area = new QWidget(this);
  auto* column = new QVBoxLayout(area);
  column->setContentsMargins(0, 0, 0, 0);
  auto* header = new QHBoxLayout;
  header->addWidget(new QLabel("Log", area));
  header->addStretch(1);
  save_as_ = Register(ctl::kSaveAs, new QPushButton("Save as", area));
  auto* clear = Register(ctl::kClear, new QPushButton("Clear", area));
  header->addWidget(save_as_);
  header->addWidget(clear);
  column->addLayout(header);
  log_edit_ = Register(ctl::kLogPane, new QPlainTextEdit(area));
  log_edit_->setReadOnly(true);
  log_edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  log_edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  log_edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  log_edit_->setMinimumSize(520, 300);
  column->addWidget(log_edit_, 1);
  connect(save_as_, &QPushButton::clicked, this, [this] { OnSaveAs(); });
  connect(clear, &QPushButton::clicked, this, [this] { OnClear(); });
  return area;
}

void CQuorlinDlg::AddPages() {
  page1_ = new CPage1(this);
  page2_ = new CPage2(this);
  page3_ = new CPage3(this);
  page4_ = new CPage4(this);
  page5_ = new CPage5(this);
  page6_ = new CPage6(this);
  page7_ = new CPage7(this);
  page8_ = new CPage8(this);
  page9_ = new CPage9(this);
  pageB_ = new CPageB(this);
  for (QuorlinPage* page : std::initializer_list<QuorlinPage*>{page1_, page2_, page3_, page4_, page5_, page6_,
                                                               page7_, page8_, page9_, pageB_})
    sheet_->addTab(page, page->Caption());
  sheet_->setCurrentIndex(sheet_->count() - 1);
}

QuorlinPage* CQuorlinDlg::Page(int sheet_index) const {
  return static_cast<QuorlinPage*>(sheet_->widget(sheet_index));
}

QWidget* CQuorlinDlg::Control(int id) const {
  if (QWidget* own = controls_.value(id, nullptr)) return own;
  for (int i = 0; i < sheet_->count(); ++i)
    if (QWidget* control = Page(i)->Control(id)) return control;
  return nullptr;
}

int CQuorlinDlg::PictureOf(int control_id) const { return shown_picture_.value(control_id, -1); }

void CQuorlinDlg::RefreshPortList(const std::string& extra_port) {
  port_combo_->clear();
  for (const std::string& port : ListSerialPorts(extra_port)) port_combo_->addItem(QString::fromStdString(port));
}

void CQuorlinDlg::OnPortSelected(int index) {
  port_name_ = index < 0 ? std::string() : port_combo_->itemText(index).toStdString();
}

void CQuorlinDlg::OnBaudText(const QString& text) { baud_rate_ = ParseBaudRate(text.toStdString()); }

void CQuorlinDlg::ShowOtherPages(bool /*show*/) {}

void CQuorlinDlg::EnableLinkControls(bool opened) {
  for (QWidget* w : std::initializer_list<QWidget*>{open_button_, port_combo_, baud_combo_, rx_indication_, fill_null_})
    w->setEnabled(!opened);
  rx_delay_->setEnabled(!opened && rx_delay_follows_box_ && rx_indication_->isChecked());
  for (int id : {ctl::kClose, ctl::kSaveAs, ctl::kHfpA, ctl::kHfpB, ctl::kA2dpA, ctl::kA2dpB, ctl::kSppA, ctl::kSppB})
    controls_.value(id)->setEnabled(opened);

  // Every page is activated in sheet order; the nSPK page, last, stays the visible one.
  for (int i = 0; i < sheet_->count(); ++i) {
    sheet_->setCurrentIndex(i);
    QuorlinPage* page = Page(i);
    if (page == page1_ || page == page5_ || page == page6_ || page == page7_) page->EnableLinkControls(opened);
  }
}

void CQuorlinDlg::ShowPicture(int control_id, int image_index) {
  auto* label = qobject_cast<QLabel*>(controls_.value(control_id, nullptr));
  if (label == nullptr || image_index < 0 || image_index >= static_cast<int>(images_.size())) return;
  label->setPixmap(images_[static_cast<std::size_t>(image_index)]);
  shown_picture_.insert(control_id, image_index);
}

void CQuorlinDlg::ShowLeIcon(int control_id, int icon_id) {
  auto* label = qobject_cast<QLabel*>(controls_.value(control_id, nullptr));
  const QPixmap pixmap = DrawLeIcon(icon_id);
  if (label == nullptr || pixmap.isNull()) return;
  label->setPixmap(pixmap);
  shown_picture_.insert(control_id, icon_id);
}

// Queued invocations from one thread run in the order they were posted. A request that was
// posted before the last Close is dropped, so Close's idle pictures stay.
template <typename F>
void CQuorlinDlg::OnGuiThread(F&& apply) {
  const unsigned generation = link_generation_;
  QMetaObject::invokeMethod(
      this, [this, generation, apply = std::forward<F>(apply)] {
        if (generation == link_generation_) apply();
      },
      Qt::QueuedConnection);
}

void CQuorlinDlg::SetPicture(int control_id, int image_index) {
  OnGuiThread([this, control_id, image_index] { ShowPicture(control_id, image_index); });
}

void CQuorlinDlg::SetLeIcon(int control_id, int icon_id) {
  OnGuiThread([this, control_id, icon_id] { ShowLeIcon(control_id, icon_id); });
}

void CQuorlinDlg::SetRadioText(int control_id, const std::string& utf8) {
  const QString text = QString::fromStdString(utf8);
  OnGuiThread([this, control_id, text] {
    if (auto* radio = qobject_cast<QRadioButton*>(controls_.value(control_id, nullptr))) radio->setText(text);
  });
}

void CQuorlinDlg::ResetIndicators() {
  device_a_->setText("Device A");
  device_b_->setText("Device B");
  const std::pair<int, int> idle[] = {
      {ctl::kHfpA, img::kHfpIdle},          {ctl::kHfpB, img::kHfpIdle},
      {ctl::kA2dpA, img::kA2dpIdle},        {ctl::kA2dpB, img::kA2dpIdle},
      {ctl::kRingA, img::kBellGrey},        {ctl::kRingB, img::kBellGrey},
      {ctl::kCallA, img::kHungUpGrey},      {ctl::kCallB, img::kHungUpGrey},
      {ctl::kSignalA, img::kSignalIdle},    {ctl::kSignalB, img::kSignalIdle},
      {ctl::kRoamingA, img::kNotRoaming},   {ctl::kRoamingB, img::kNotRoaming},
      {ctl::kBatteryA, img::kBatteryEmpty}, {ctl::kBatteryB, img::kBatteryEmpty},
      {ctl::kSppA, img::kSppIdle},          {ctl::kSppB, img::kSppIdle},
      {ctl::kModuleMessage, img::kMessageIdle}, {ctl::kModuleBattery, img::kBatteryEmpty},
      {ctl::kModuleVolume, img::kVolumeNone},   {ctl::kSlaveSpeaker1, img::kSpeakerPair1Idle},
      {ctl::kSlaveSpeaker2, img::kSpeakerPair2Idle},
  };
  for (const auto& [control, image] : idle) ShowPicture(control, image);
  ShowLeIcon(ctl::kLeLinkIcon, icon::kLeLinkGrey);
  ShowLeIcon(ctl::kLeDataIcon, icon::kLeDataGrey);
}

void CQuorlinDlg::OnLogTimer() {
  // Every queued entry moves per tick, in order; the printer applies the 500-line reset
  // to each entry.
  printer_->PrintAll(log_queue_.TakeAll());
}

void CQuorlinDlg::OnClear() { printer_->ClearPane(); }

void CQuorlinDlg::OnSaveAs() {
  const std::optional<std::string> chosen = prompter_->AskSaveFile({"TXT FILE(*.TXT)", "*.txt", ""});
  if (!chosen) return;
  const std::string path = SaveAsPath(*chosen);
  if (!WritePaneText(path, log_edit_->toPlainText().toStdString()))
    prompter_->ShowMessage(MessageIcon::kError, kAppName, "Open file fail!");
}

void CQuorlinDlg::closeEvent(QCloseEvent* event) {
  Teardown();
  event->accept();
}

void CQuorlinDlg::Teardown() {
  if (torn_down_.exchange(true)) return;
  printer_->SetClosing();
  printer_->CloseLogFile();
  log_timer_.stop();
  // The link's threads call into this window; they end before the window goes.
  if (layer_) layer_->Close();
}
