// The up-down with an integer buddy and an acceleration table, as the FM presets page uses it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDialogs.h"
#include "framework/Edit.h"
#include "framework/UpDown.h"

namespace {

using fwtest::RecordingDialog;

class UpDownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create(nullptr));
    ASSERT_TRUE(buddy.CreateControl({40, fw::ControlKind::Edit, fw::Rect{5, 5, 65, 25}, fw::CS_HIDDEN, "", 0}, &dialog));
    ASSERT_TRUE(spin.CreateControl({41, fw::ControlKind::UpDown, fw::Rect{65, 5, 80, 25}, fw::CS_VERTICAL, "", 0},
                                   &dialog));
    spin.SetRange(8749, 10801);
    spin.SetBuddy(&buddy);
    dialog.events.clear();
  }

  int Count(const std::string& event) const {
    int n = 0;
    for (const std::string& e : dialog.events) n += e == event;
    return n;
  }

  RecordingDialog dialog;
  fw::Edit buddy;
  fw::UpDown spin;
  const std::string buddyChanged = "command 40/" + std::to_string(fw::EN_CHANGE);
  const std::string stepped = "command 41/" + std::to_string(fw::UDN_DELTAPOS);
};

TEST_F(UpDownTest, TheBuddyShowsThePositionAndWhatIsWrittenThereBecomesIt) {
  spin.SetPos(8750);
  EXPECT_EQ(buddy.GetWindowText(), "8750");
  EXPECT_EQ(Count(buddyChanged), 1) << "a position set by code is reported through the buddy";

  const struct {
    const char* text;
    int position;
  } cases[] = {{"9500", 9500}, {" 9000 ", 9000}, {"+8900", 8900}, {"12000", 10801}, {"0", 8749},
               {"abc", 8750}, {"95.5", 8750},  {"", 8750},       {"99999999999", 8750}};
  for (const auto& c : cases) {
    buddy.SetWindowText(c.text);
    EXPECT_EQ(spin.GetPos(), c.position) << c.text;
  }

  buddy.SetWindowText("9000");
  ASSERT_TRUE(spin.StepAsUser(-1));
  EXPECT_EQ(buddy.GetWindowText(), "8999") << "a click steps from what the buddy holds";
  EXPECT_EQ(Count(stepped), 1);
}

TEST_F(UpDownTest, AHeldArrowRepeatsWithTheStepsOfItsAccelerationTable) {
  spin.SetAccel({{2, 100}, {1, 10}});
  spin.SetPos(8750);
  std::vector<int> steps;
  int last = spin.GetPos();
  const auto record = [&] {
    steps.push_back(spin.GetPos() - last);
    last = spin.GetPos();
  };
  ASSERT_TRUE(spin.PressArrow(1));
  record();
  EXPECT_EQ(spin.TimerInterval(fw::UpDown::kRepeatTimer), fw::UpDown::kFirstRepeatMs);
  // Repeats at 0.5 s, then every 0.1 s up to 2 s held.
  for (int tick = 0; tick < 16; ++tick) {
    ASSERT_TRUE(spin.FireTimer(fw::UpDown::kRepeatTimer));
    record();
  }
  EXPECT_EQ(spin.TimerInterval(fw::UpDown::kRepeatTimer), fw::UpDown::kRepeatMs);
  const std::vector<int> expected = {1, 1, 1, 1, 1, 1, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 100};
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(Count(stepped), static_cast<int>(expected.size()));

  spin.ReleaseArrow();
  EXPECT_FALSE(spin.IsTimerArmed(fw::UpDown::kRepeatTimer));
  ASSERT_TRUE(spin.PressArrow(-1));
  EXPECT_EQ(spin.GetPos(), last - 1) << "a new press starts slow again";
  spin.EnableWindow(false);
  const int held = spin.GetPos();
  spin.FireTimer(fw::UpDown::kRepeatTimer);
  EXPECT_EQ(spin.GetPos(), held) << "a disabled up-down stops repeating";
  EXPECT_FALSE(spin.IsTimerArmed(fw::UpDown::kRepeatTimer));
}

TEST_F(UpDownTest, StepsStopAtTheRangeEnds) {
  spin.SetAccel({{0, 100}});
  spin.SetPos(10750);
  ASSERT_TRUE(spin.StepAsUser(1));
  EXPECT_EQ(spin.GetPos(), 10801);
  spin.SetRange(0, 0x7FFFFFFF);
  spin.SetPos(0x7FFFFFF0);
  ASSERT_TRUE(spin.StepAsUser(1));
  EXPECT_EQ(spin.GetPos(), 0x7FFFFFFF) << "no overflow past the top";
}

}  // namespace
