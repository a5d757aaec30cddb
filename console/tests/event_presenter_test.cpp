#include "console/tests/presenter_fixture.h"

#include "console/window_ids.h"

#include <string>
#include <utility>
#include <vector>

namespace console {
namespace {

using testing_support::PresenterTest;
using Pictures = std::vector<std::pair<int, int>>;

struct Case {
  const char* name;
  std::uint8_t opcode;
  std::vector<std::uint8_t> params;
  std::string log;    // the whole entry, final line feed included
  Pictures pictures;  // in the order the presentation requests them
};

// One row per event case: the entry as the log shows it and the picture requests.
const Case kStateCases[] = {
    {"ack complete", 0x00, {0x02, 0x00}, "Command Complete.\n", {}},
    {"ack memory full", 0x00, {0x02, 0x05}, "Memory is Full.\n", {}},
    {"ack status beyond table", 0x00, {0x02, 0x06}, "\n", {}},
    {"btm power on", 0x01, {0x02, 0x00}, "Power on device.\n", {}},
    {"btm no hf link B", 0x01, {0x07, 0x01}, "Device has no HF link\n", {{ctl::kHfpB, 9}}},
    {"btm no a2dp link A", 0x01, {0x08, 0x00}, "Device has no A2DP link.\n", {{ctl::kA2dpA, 11}}},
    {"btm spp link B", 0x01, {0x0D, 0x01}, "Device has an SPP link.\n", {{ctl::kSppB, 48}}},
    {"btm iap link A", 0x01, {0x10, 0x00}, "An iAP link has been connected.\n", {{ctl::kSppA, 48}}},
    {"btm no spp link A", 0x01, {0x0E, 0x00}, "Device has no SPP/iAP link.\n", {{ctl::kSppA, 49}}},
    {"btm acl gone", 0x01, {0x11, 0x00}, "ACL link was disconnected.\n", {}},
    {"btm standby", 0x01, {0x0F, 0x00}, "Device under standby mode.\n",
     {{ctl::kHfpA, 9}, {ctl::kA2dpA, 11}, {ctl::kSppA, 49}, {ctl::kHfpB, 9}, {ctl::kA2dpB, 11}, {ctl::kSppB, 49}}},
    {"btm spp link on device 2", 0x01, {0x0D, 0x02}, "Device has an SPP link.\n", {}},
    {"call incoming B", 0x02, {0x01, 0x02}, "Call incoming.\n", {{ctl::kRingB, 0}}},
    {"call active A", 0x02, {0x00, 0x04}, "Call active.\n", {{ctl::kRingA, 6}}},
    {"call held B", 0x02, {0x01, 0x08}, "Call active with held call.\n", {{ctl::kRingB, 7}}},
    {"call on device 2", 0x02, {0x02, 0x02}, "Call incoming.\n", {}},
    {"caller id three digits", 0x03, {0x00, 0x04, '1', '2', '3'}, "123\n\n", {}},
    {"sms", 0x04, {0x00, 0x01}, "Received SMS.\n", {}},
    {"missed call", 0x05, {0x00, 0x00}, "Have missed calls\n", {}},
    {"max battery", 0x06, {0x00, 0x05}, "Maximum battery level is 5.[Remote Device]\n", {}},
    {"battery low B", 0x07, {0x01, 0x01}, "Battery low.\n", {{ctl::kBatteryB, 18}}},
    {"battery charged A", 0x07, {0x00, 0x06}, "Charging complete.\n", {{ctl::kBatteryA, 20}}},
    {"roaming", 0x08, {0x00, 0x01}, "Roaming.\n", {}},
    {"max signal", 0x09, {0x00, 0x05}, "Maximum signal strength is 5[Remote device]\n", {}},
    {"no signal shows the grey meter", 0x0A, {0x00, 0x00}, "No signal.\n", {{ctl::kSignalA, 41}}},
    {"signal 5 B", 0x0A, {0x01, 0x05}, "Signal strength is normal.\n", {{ctl::kSignalB, 45}}},
    {"service", 0x0B, {0x00, 0x00}, "Service is unvailable.\n", {}},
    {"btm battery", 0x0C, {0x02, 0x0C},
     "Battery is normal.[BTM]\nBattery voltage is higher than 4.2V.[BTM]\n", {{ctl::kModuleBattery, 16}}},
    {"btm battery voltage beyond table", 0x0C, {0x00, 0x0D}, "Battery too low.[BTM]\n[BTM]\n",
     {{ctl::kModuleBattery, 19}}},
    {"no charger shows the empty battery", 0x0D, {0x00, 0x00}, "No Charger.[BTM]\n", {{ctl::kModuleBattery, 14}}},
    {"charging error", 0x0D, {0x03, 0x00}, "Charging error.[BTM]\n", {{ctl::kModuleBattery, 22}}},
    {"master reset", 0x0E, {0x00, 0x00}, "Master Reset.[BTM]\n", {}},
    {"hf gain 15", 0x0F, {0x00, 0x0F}, "Voice Gain Level : 15[BTM]\n", {{ctl::kModuleVolume, 39}}},
    {"eq bass", 0x10, {0x02, 0x00}, "EQ mode : EQ mode : bass[BTM]\n", {}},
    {"link report standby resets then applies bits", 0x1E, {0x02, 0x16, 0x20, 0x01, 0x00, 0x01, 0x00},
     "Device is under standby mode\n"
     "A2DP profile signaling channel connected., A2DP profile stream channel connected., HF profile connected.\n"
     "SPP connected.\n"
     "Player Status : Playing\nPlayer Status : Stopped\n"
     "Streaming State : Streaming is going\nStreaming State : No Streaming\n\n",
     {{ctl::kHfpA, 9}, {ctl::kA2dpA, 11}, {ctl::kSppA, 49}, {ctl::kHfpB, 9}, {ctl::kA2dpB, 11}, {ctl::kSppB, 49},
      {ctl::kA2dpA, 10}, {ctl::kHfpA, 8}, {ctl::kSppB, 48}}},
    {"link report on mode without links", 0x1E, {0x07, 0x00, 0x08, 0x08, 0x02, 0x00, 0x00},
     "Device is under on mode.\nNo Connection.\nAVRCP profile connected.\n"
     "Player Status : Wait to Pause\nPlayer Status : Paused\n"
     "Streaming State : No Streaming\nStreaming State : No Streaming\n\n",
     {}},
    {"le connected", 0x32, {0x00, 0x03, 0x01}, "LE connected.\n",
     {{ctl::kLeLinkIcon, icon::kLeLinkBlue}, {ctl::kLeDataIcon, icon::kLeDataColour}}},
    {"le advertising", 0x32, {0x00, 0x01, 0x00}, "LE advertising.\n",
     {{ctl::kLeLinkIcon, icon::kLeLinkGrey}, {ctl::kLeDataIcon, icon::kLeDataGrey}}},
    {"ecsb standby", 0x33, {0x00, 0x00},
     "The eCSB-link is standby(disconnected).\nThe eCSB-link is non-exist.\n"
     "The eCSB-link is standby(disconnected).\n\nThe eCSB-link is non-exist.\n\n",
     {{ctl::kSlaveSpeaker1, 59}, {ctl::kSlaveSpeaker2, 61}}},
    {"ecsb connected", 0x33, {0x03, 0x03},
     "The new eCSB-link is connected succesfully\n.The master SPK1 connect with SPK2 and SPK3.\n"
     "The new eCSB-link is connected succesfully\n.\nThe master SPK1 connect with SPK2 and SPK3.\n\n",
     {{ctl::kSlaveSpeaker1, 60}, {ctl::kSlaveSpeaker2, 62}}},
    {"ecsb paging", 0x33, {0x04, 0x02},
     "The eCSB-paging is connecting.\nThe slave SPKs report them was connected with SPK1"
     "The eCSB-paging is connecting.\n\nThe slave SPKs report them was connected with SPK1\n",
     {{ctl::kSlaveSpeaker2, 62}}},
};

class StateEvents : public PresenterTest, public ::testing::WithParamInterface<Case> {};

TEST_P(StateEvents, LogsTheTextAndSwitchesThePictures) {
  const Case& c = GetParam();
  EXPECT_EQ(Present(c.opcode, c.params), c.log);
  EXPECT_EQ(view.pictures, c.pictures);
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

INSTANTIATE_TEST_SUITE_P(Table, StateEvents, ::testing::ValuesIn(kStateCases), testing_support::CaseName<Case>);

TEST_F(PresenterTest, CommandAckReleasesTheQueueForEveryCommand) {
  Present(0x00, {0x02, 0x01});
  EXPECT_EQ(answers.acks, 1);
}

TEST_F(PresenterTest, SppAndTtsAcksReleaseOnlyOnSuccessAndReportTheStatus) {
  std::vector<std::uint8_t> statuses;
  page_slots.SetCommandStatusCallback([&](std::uint8_t s) { statuses.push_back(s); });
  EXPECT_EQ(Present(0x00, {0x12, 0x04}), "BTM is busy.\n");
  EXPECT_EQ(answers.acks, 0);
  Present(0x00, {0xFD, 0x00});
  EXPECT_EQ(answers.acks, 1);
  EXPECT_EQ(statuses, (std::vector<std::uint8_t>{0x04, 0x00}));
}

TEST_F(PresenterTest, HfLinkRecordsTheLinkAndAsksForTheNameOfTheSelectedDevice) {
  selected = 1;
  EXPECT_EQ(Present(0x01, {0x05, 0x10}), "Device has a HF link\n");  // link id 1, Device A
  EXPECT_EQ(view.pictures, (Pictures{{ctl::kHfpA, 8}}));
  const auto entries = presenter.Links().Entries();
  EXPECT_EQ(entries[2].profile, "HFP");
  EXPECT_EQ(entries[2].link_id, 1);
  EXPECT_EQ(entries[2].device, 0);
  EXPECT_TRUE(presenter.NamePending());
  EXPECT_EQ(answers.commands, (std::vector<std::vector<std::uint8_t>>{{0x16, 1, 0}}));
}

TEST_F(PresenterTest, DeviceNameCompletesBothProfileRecordsAndTheDedicateList) {
  hooks.InsertDedicateEntry("Other", true);
  Present(0x01, {0x06, 0x30});  // A2DP, link id 3, Device A
  Present(0x01, {0x05, 0x30});  // HF on the same link
  EXPECT_EQ(Present(0x17, {0x00, 0x00, 'P', 'i', 'x', 'e', 'l', 0x00, 'z'}), "Remote device name : Pixel\n");
  const auto entries = presenter.Links().Entries();
  EXPECT_EQ(entries[6].device_name, "Pixel");
  EXPECT_EQ(entries[7].device_name, "Pixel");
  EXPECT_EQ(hooks.DedicateList(), (std::vector<std::string>{"Pixel", "Other"}));  // new names go to the top
  EXPECT_FALSE(presenter.NamePending());
  EXPECT_EQ(view.radio_texts, (std::vector<std::pair<int, std::string>>{{ctl::kDeviceA, "Pixel"}}));

  // A name that is already listed moves to the end; without a pending link the list stays.
  Present(0x01, {0x05, 0x30});
  Present(0x17, {0x01, 0x00, 'P', 'i', 'x', 'e', 'l', 0x00});
  EXPECT_EQ(hooks.DedicateList(), (std::vector<std::string>{"Other", "Pixel"}));
  Present(0x17, {0x01, 0x00, 'N', 'e', 'w', 0x00});
  EXPECT_EQ(hooks.DedicateList(), (std::vector<std::string>{"Other", "Pixel"}));
}

TEST_F(PresenterTest, LinkIdsAboveSevenAreNotRecorded) {
  Present(0x01, {0x05, 0x80});
  for (const LinkRecord& r : presenter.Links().Entries()) EXPECT_TRUE(r.profile.empty());
  EXPECT_EQ(answers.commands.size(), 1u);  // the name is still asked for
}

TEST_F(PresenterTest, SppLinkLossAndStandbyStopTheSppTransfer) {
  Present(0x01, {0x0E, 0x00});
  Present(0x01, {0x0F, 0x00});
  Present(0x32, {0x00, 0x00, 0x00});  // LE standby
  EXPECT_EQ(hooks.SppStops(), 3);
}

TEST_F(PresenterTest, LeStatusFollowsTheConnectionAndTheAncsClient) {
  Present(0x32, {0x00, 0x03, 0x02});
  EXPECT_TRUE(presenter.LeConnected());
  EXPECT_TRUE(hooks.AncsClient());
  Present(0x32, {0x00, 0x03, 0x03});  // still there: not created twice
  EXPECT_EQ(hooks.AncsCreates(), 1);
  Present(0x32, {0x00, 0x01, 0x00});
  EXPECT_FALSE(presenter.LeConnected());
  EXPECT_FALSE(hooks.AncsClient());
  Present(0x32, {0x00, 0x00, 0x00});
  Present(0x32, {0x00, 0x03, 0x02});  // a new client for the next connection
  EXPECT_EQ(hooks.AncsCreates(), 2);
  EXPECT_EQ(hooks.SppStops(), 2);
}

}  // namespace
}  // namespace console
