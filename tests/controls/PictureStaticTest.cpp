// The see-through picture control and the drop-down cells' lock.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "controls/ButtonCritSect.h"
#include "controls/MyStatic.h"
#include "framework/Dialog.h"
#include "framework/RecordingDeviceContext.h"
#include "framework/Static.h"

namespace {

using fw::ControlKind;

// Two pictures and two texts, each pair alike. The pictures centre, as the device panel's does,
// so that a picture drawn anywhere but the top-left corner would show.
const fw::DialogTemplate& PairsTemplate() {
  static const fw::DialogTemplate tmpl{
      950, {160, 100}, "Arial", 10, fw::DS_POPUP, "",
      {{10, ControlKind::Picture, fw::Du(5, 5, 60, 40), fw::CS_CENTERIMAGE, "", 0},
       {11, ControlKind::Picture, fw::Du(80, 5, 60, 40), fw::CS_CENTERIMAGE, "", 0},
       {12, ControlKind::Text, fw::Du(5, 60, 60, 10), 0, "Device", 0},
       {13, ControlKind::Text, fw::Du(80, 60, 60, 10), 0, "Device", 0}}};
  return tmpl;
}

// Items 10 and 12 are see-through pictures; 11 and 13 stay plain statics.
class PairsDialog : public fw::Dialog {
 public:
  PairsDialog() : fw::Dialog(PairsTemplate()) {
    BindControl(10, picture);
    BindControl(12, text);
  }
  controls::CMyStatic picture;
  controls::CMyStatic text;
};

// What painting `w` draws; the font every window selects first is left out.
std::vector<fw::DrawCall> Drawing(fw::Window& w) {
  fw::RecordingDeviceContext dc;
  w.Paint(dc);
  std::vector<fw::DrawCall> calls;
  for (const fw::DrawCall& call : dc.Calls()) {
    if (call.op != "SelectFont") calls.push_back(call);
  }
  return calls;
}

TEST(MyStatic, DrawsTheBackgroundCopyThenThePictureKeyedByItsTopLeftPixel) {
  struct Case {
    const char* name;
    fw::Colour topLeft;
    fw::Colour body;
    bool background;
  };
  // The key is the top-left pixel even where most of the picture has another colour.
  const Case cases[] = {
      {"white corner, with background", fw::colours::kWhite, fw::RGB(0, 0, 200), true},
      {"coloured corner, with background", fw::RGB(255, 0, 255), fw::colours::kWhite, true},
      {"no background copy yet: only the picture", fw::RGB(12, 34, 56), fw::colours::kBlack, false},
  };
  PairsDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fw::Bitmap picture = fw::Bitmap::Create({16, 12}, c.body);
    picture.SetPixel(0, 0, c.topLeft);
    dialog.picture.SetBitmap(picture);
    dialog.picture.m_bmpBackground = c.background ? fw::Bitmap::Create({90, 60}, fw::RGB(1, 2, 3)) : fw::Bitmap();

    std::vector<fw::DrawCall> expected;
    if (c.background) expected.push_back({"DrawBitmap", fw::Rect::FromXYWH(0, 0, 90, 60), "0", {}, 0, 0});
    expected.push_back({"DrawTransparent", fw::Rect::FromXYWH(0, 0, 16, 12), "0", c.topLeft, 0, 0});
    EXPECT_EQ(Drawing(dialog.picture), expected);
  }
}

TEST(MyStatic, WithoutAPictureItPaintsAsAPlainStatic) {
  PairsDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  // A background copy alone changes nothing: there is no picture to blend it with.
  dialog.picture.m_bmpBackground = fw::Bitmap::Create({90, 60}, fw::RGB(1, 2, 3));
  const std::pair<controls::CMyStatic*, int> pairs[] = {{&dialog.picture, 11}, {&dialog.text, 13}};
  for (const auto& [mine, plainId] : pairs) {
    SCOPED_TRACE(plainId);
    const std::vector<fw::DrawCall> plain = Drawing(*dialog.GetDlgItem(plainId));
    ASSERT_FALSE(plain.empty());
    EXPECT_EQ(Drawing(*mine), plain);
  }
}

TEST(ButtonCritSect, ItsOwnerMayLockAgainAndOthersWaitForTheLastUnlock) {
  controls::CButtonCritSect lock;
  EXPECT_FALSE(lock.m_bPressed);
  lock.Lock();
  lock.Lock();  // hangs here unless the lock is re-entrant for its owner
  lock.m_bPressed = true;

  std::atomic<bool> otherHolds{false};
  bool otherSaw = false;
  std::thread other([&] {
    lock.Lock();
    otherHolds = true;
    otherSaw = lock.m_bPressed;
    lock.Unlock();
  });
  lock.Unlock();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(otherHolds) << "one unlock of two released the lock";
  lock.Unlock();
  other.join();
  EXPECT_TRUE(otherHolds);
  EXPECT_TRUE(otherSaw);
}

}  // namespace
