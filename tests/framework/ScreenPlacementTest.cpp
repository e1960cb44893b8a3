#include <gtest/gtest.h>

#include "framework/Geometry.h"

namespace {

TEST(ScreenPlacement, TheTopLeftCornerStaysOnTheScreen) {
  struct Case {
    const char* what;
    fw::Size size;
    fw::Point centre;
    fw::Rect area;
    fw::Point expected;
  };
  const fw::Rect screen{0, 0, 1280, 1024};
  const Case cases[] = {
      {"fits: centred", {728, 484}, {640, 512}, screen, {276, 270}},
      // QT_SCALE_FACTOR=2 makes the 1280 x 1024 screen 640 x 512: centring would put x at -44.
      {"wider than the screen", {728, 484}, {320, 256}, {0, 0, 640, 512}, {0, 14}},
      {"larger both ways", {728, 484}, {200, 150}, {0, 0, 400, 300}, {0, 0}},
      {"centred on an owner near the right edge", {300, 200}, {1200, 100}, screen, {980, 0}},
      {"second screen with a panel on top", {728, 484}, {1600, 300}, {1280, 30, 1920, 1080}, {1280, 58}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fw::PlaceOnScreen(c.size, c.centre, c.area), c.expected) << c.what;
  }
}

}  // namespace
