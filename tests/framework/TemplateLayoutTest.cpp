#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "framework/Static.h"
#include "resources/DialogTemplates.h"

namespace {

TEST(TemplateLayout, FixedBaseUnitsPlaceTheMainWindowAndItsControls) {
  fw::Dialog main(res::MainWindowTemplate());
  ASSERT_TRUE(main.Create(nullptr));
  EXPECT_EQ(main.GetClientRect(), (fw::Rect{0, 0, 728, 484}));

  struct Case {
    int id;
    fw::Rect pixels;
  };
  // Position and size are converted on their own, each rounded to the nearest pixel.
  const Case cases[] = {
      {1014, {170, 98, 725, 408}},   // 97,49,317,155: 169.75 -> 170, width 554.75 -> 555
      {1, {700, 2, 725, 28}},        // 400,1,14,13
      {1001, {0, 0, 730, 486}},      // 417 x 243 units: the background picture's size
      {1021, {201, 312, 693, 340}},  // 115,156,281,14
      {1011, {11, 412, 167, 480}},   // 6,206,89,34: 10.5 -> 11 (halves round up)
  };
  for (const Case& c : cases) {
    fw::Window* control = main.GetDlgItem(c.id);
    ASSERT_NE(control, nullptr) << c.id;
    EXPECT_EQ(control->GetWindowRect(), c.pixels) << "control " << c.id;
  }
  EXPECT_EQ(main.GetDlgItem(1)->GetWindowText(), "X");
  EXPECT_FALSE(main.GetDlgItem(1025)->IsWindowVisible());
  EXPECT_FALSE(main.GetDlgItem(1017)->IsWindowEnabled());
  EXPECT_TRUE(main.GetDlgItem(1018)->IsWindowEnabled());
}

TEST(TemplateLayout, BorderedFrameGivesItsChildrenTheInnerArea) {
  fw::Dialog main(res::MainWindowTemplate());
  ASSERT_TRUE(main.Create(nullptr));
  auto* frame = main.Control<fw::Static>(1014);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->GetClientRect(), (fw::Rect{0, 0, 553, 308}));
  EXPECT_EQ(frame->GetBitmap().ResourceId(), res::IDB_PAGE_FRAME);
  EXPECT_FALSE(frame->GetBitmap().IsPlaceholder());
}

}  // namespace
