#include "sim/script.h"

#include "link/tests/hex_bytes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using Kind = ScriptStep::Kind;

struct GoodLine {
  const char* line;
  Kind kind;
  unsigned delay_ms;
  std::uint8_t opcode;
  Bytes bytes;
};

class ScriptGoodLine : public testing::TestWithParam<GoodLine> {};

TEST_P(ScriptGoodLine, ParsesToOneStep) {
  const GoodLine& c = GetParam();
  std::vector<ScriptStep> steps;
  std::string error;
  ASSERT_TRUE(ParseScript(c.line, steps, error)) << error;
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].kind, c.kind);
  EXPECT_EQ(steps[0].delay_ms, c.delay_ms);
  if (c.kind == Kind::kEvent) {
    EXPECT_EQ(steps[0].opcode, c.opcode);
  }
  EXPECT_EQ(steps[0].bytes, c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptGoodLine,
    testing::Values(
        GoodLine{"100 CALL_STATUS 00 02", Kind::kEvent, 100, 0x02, Hex("00 02")},
        GoodLine{"100 raw AA 00 03 02 00 04 F7", Kind::kRaw, 100, 0, Hex("AA 00 03 02 00 04 F7")},
        GoodLine{"  BTM_STATUS\t2 0   # no delay, one-digit bytes", Kind::kEvent, 0, 0x01,
                 Hex("02 00")},
        GoodLine{"0 CALLER_ID 00 03 \"1#3\"", Kind::kEvent, 0, 0x03, Hex("00 03 31 23 33")},
        GoodLine{"5 0x19 05 41\r", Kind::kEvent, 5, 0x19, Hex("05 41")},
        GoodLine{"250 BTM_INIT_COMPLETE", Kind::kEvent, 250, 0x30, {}},
        GoodLine{"quit", Kind::kQuit, 0, 0, {}},
        GoodLine{"2000 quit", Kind::kQuit, 2000, 0, {}}));

struct BadScript {
  const char* text;
  const char* message;
};

class ScriptBadLine : public testing::TestWithParam<BadScript> {};

TEST_P(ScriptBadLine, IsRefusedWithItsLineAndReason) {
  std::vector<ScriptStep> steps;
  std::string error;
  EXPECT_FALSE(ParseScript(GetParam().text, steps, error));
  EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptBadLine,
    testing::Values(
        BadScript{"# fine\n100 CALL_STATU 00", "line 2: 'CALL_STATU' is no event identifier, 0xNN, raw or quit"},
        BadScript{"100 CALL_STATUS 100", "line 1: '100' is not a hexadecimal byte"},
        BadScript{"100 CALL_STATUS 0G", "line 1: '0G' is not a hexadecimal byte"},
        BadScript{"100", "line 1: a delay needs a step after it"},
        BadScript{"100 raw", "line 1: raw needs at least one byte"},
        BadScript{"quit 00", "line 1: quit takes nothing after it"},
        BadScript{"quit\n\n100 CALL_STATUS 00 00", "line 3: nothing can follow quit"},
        BadScript{"CALLER_ID 00 03 \"123", "line 1: a quoted text is not closed"},
        BadScript{"99999999999 quit", "line 1: '99999999999' is no event identifier, 0xNN, raw or quit"}));

TEST(Script, KeepsStepsInOrderWithTheirLinesAndRefusesMoreThanAnEventHolds) {
  std::vector<ScriptStep> steps;
  std::string error;
  ASSERT_TRUE(ParseScript("# call\n\n500 CALL_STATUS 00 02\n0 CALLER_ID 00 01 \"7\"\n1000 quit\n",
                          steps, error));
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].line, 3);
  EXPECT_EQ(steps[1].line, 4);
  EXPECT_EQ(steps[2].kind, Kind::kQuit);

  const std::string full = "0 PHONEBOOK_DATA \"" + std::string(1019, 'x') + "\"";
  EXPECT_TRUE(ParseScript(full, steps, error)) << error;
  EXPECT_FALSE(ParseScript(full + " 00", steps, error));
  EXPECT_EQ(error, "line 1: more than 1019 parameter bytes do not fit an event");
}

TEST(Script, TheShippedScenariosParse) {
  const struct {
    const char* file;
    std::size_t events;
    bool quits;
  } scenarios[] = {{"incoming-call.sim", 2, false}, {"burst-1000.sim", 1000, true}};
  for (const auto& s : scenarios) {
    std::ifstream in(std::string(BTM_SOURCE_DIR) + "/sim/scripts/" + s.file);
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript(text.str(), steps, error)) << s.file << ": " << error;
    std::size_t events = 0;
    for (const ScriptStep& step : steps) events += step.kind == Kind::kEvent;
    EXPECT_EQ(events, s.events) << s.file;
    EXPECT_EQ(steps.back().kind == Kind::kQuit, s.quits) << s.file;
  }
}

}  // namespace
