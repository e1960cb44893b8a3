#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/CustomWindow.h"
#include "framework/Dialog.h"
#include "framework/DialogTemplate.h"
#include "framework/Static.h"
#include "framework/TestSeams.h"

namespace {

// The pictures of tests/framework/bitmaps: 4 x 3 red, and their copies at twice the size blue
// (green where the copy has the wrong size).
constexpr int kFittingCopy = 90001;
constexpr int kCopyOfWrongSize = 90002;
constexpr int kNoCopy = 90003;
constexpr int kOnlyTheCopy = 90004;  // the plain picture is missing
constexpr fw::Size kPlainSize = {4, 3};
const fw::Colour kRed = fw::RGB(200, 0, 0);
const fw::Colour kBlue = fw::RGB(0, 0, 200);
const fw::Colour kPlaceholderGrey = fw::RGB(192, 192, 192);

const fw::DialogTemplate& PictureTemplate() {
  static const fw::DialogTemplate tmpl{
      0, {160, 80}, "Arial", 10, fw::DS_POPUP, "Picture",
      {{10, fw::ControlKind::Picture, fw::Du(0, 0, 160, 80), 0, "", 0}}};
  return tmpl;
}

// What a screen with a device pixel ratio of 2 shows of the top-left pixel of `picture`.
fw::Colour TopLeftAtRatio2(const fw::Bitmap& picture) {
  fw::Dialog dialog(PictureTemplate());
  if (!dialog.Create(nullptr)) return fw::colours::kWhite;
  dialog.Control<fw::Static>(10)->SetBitmap(picture);
  return fw::RenderAtPixelRatio(dialog, 2).GetPixel(1, 1);
}

// A copy at twice the size stands in for the picture only when it is that picture's own and fits
// exactly; otherwise a ratio-2 screen shows the plain picture scaled up. Whether there is one is
// answered without decoding it.
TEST(Bitmaps, OnlyAFittingCopyAtTwiceTheSizeIsUsed) {
  struct Case {
    const char* name;
    int id;
    bool hasCopy;
    fw::Colour atRatio2;
  };
  const Case cases[] = {
      {"fitting copy", kFittingCopy, true, kBlue},
      {"copy of the wrong size", kCopyOfWrongSize, false, kRed},
      {"no copy", kNoCopy, false, kRed},
      {"placeholder for a missing picture", kOnlyTheCopy, false, kPlaceholderGrey},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fw::Bitmap asked = fw::Bitmap::Load(c.id, kPlainSize);
    const int decodes = fw::Bitmap::ResourceDecodes();
    EXPECT_EQ(asked.HasFineImage(), c.hasCopy);
    EXPECT_FALSE(asked.FineImageDecoded());
    EXPECT_EQ(fw::Bitmap::ResourceDecodes(), decodes);

    const fw::Bitmap decoded = fw::Bitmap::Load(c.id, kPlainSize);
    EXPECT_EQ(decoded.FineImage().IsNull(), !c.hasCopy);
    EXPECT_EQ(decoded.HasFineImage(), c.hasCopy) << "once decoded";
    EXPECT_EQ(TopLeftAtRatio2(fw::Bitmap::Load(c.id, kPlainSize)), c.atRatio2);
  }
}

TEST(Bitmaps, APictureChangedPixelByPixelDropsItsCopyAtTwiceTheSize) {
  fw::Bitmap changed = fw::Bitmap::Load(kFittingCopy);
  const fw::Bitmap before = changed;
  ASSERT_FALSE(changed.FineImage().IsNull());
  changed.SetPixel(0, 0, fw::colours::kBlack);
  EXPECT_FALSE(changed.HasFineImage());
  EXPECT_TRUE(changed.FineImage().IsNull());
  EXPECT_EQ(TopLeftAtRatio2(changed), fw::colours::kBlack) << "the changed picture, not the copy of the old one";
  EXPECT_TRUE(before.HasFineImage()) << "a copy taken before the change is still the old picture";
  EXPECT_EQ(TopLeftAtRatio2(before), kBlue);
}

// Draws its picture with a colour key over green.
class KeyedPicture : public fw::Static {
 public:
  fw::Bitmap picture;
  fw::Colour key;

  void OnPaint(fw::DeviceContext& dc) override {
    dc.FillSolidRect(GetClientRect(), fw::RGB(0, 160, 0));
    dc.DrawTransparent(picture, fw::Rect::FromXYWH(0, 0, picture.Width(), picture.Height()), key);
  }
};

// A keyed picture shown in a dialog of its own, over green.
class KeyedPictureTest : public testing::Test {
 protected:
  void SetUp() override {
    dialog.BindControl(10, keyed);
    ASSERT_TRUE(dialog.Create(nullptr));
  }
  const fw::Colour green = fw::RGB(0, 160, 0);
  KeyedPicture keyed;
  fw::Dialog dialog{PictureTemplate()};
};

// The picture with its key made transparent is made once and kept: it has to follow a change of
// the key and of the picture.
TEST_F(KeyedPictureTest, AColourKeyLetsWhatLiesUnderShowThroughAfterEveryChange) {
  keyed.picture = fw::Bitmap::Create({3, 1}, fw::colours::kWhite);
  keyed.picture.SetPixel(1, 0, kRed);

  struct Step {
    const char* name;
    fw::Colour key;
    int changedPixel;  // set to blue first; -1: none
    fw::Colour shown[3];
  };
  const Step steps[] = {
      {"white key", fw::colours::kWhite, -1, {green, kRed, green}},
      {"red key", kRed, -1, {fw::colours::kWhite, green, fw::colours::kWhite}},
      {"white key again", fw::colours::kWhite, -1, {green, kRed, green}},
      {"picture changed", fw::colours::kWhite, 2, {green, kRed, kBlue}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    keyed.key = s.key;
    if (s.changedPixel >= 0) keyed.picture.SetPixel(s.changedPixel, 0, kBlue);
    const fw::Bitmap shot = fw::RenderAtPixelRatio(dialog, 1);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(shot.GetPixel(x, 0), s.shown[x]) << x;
  }
}

// The copy with its key made transparent is kept per picture drawn: a ratio-2 screen keys the copy
// at twice the size, not the plain picture's keyed copy scaled up (which would look blurred).
TEST_F(KeyedPictureTest, APictureWithACopyAtTwiceTheSizeIsKeyedAtEachSize) {
  keyed.picture = fw::Bitmap::Load(kFittingCopy);
  // Blue is the copy's colour: keyed out there, absent from the red plain picture.
  keyed.key = kBlue;
  const struct {
    int ratio;
    fw::Colour shown;
  } steps[] = {{1, kRed}, {2, green}, {1, kRed}, {2, green}};
  for (const auto& s : steps) {
    SCOPED_TRACE(s.ratio);
    EXPECT_EQ(fw::RenderAtPixelRatio(dialog, s.ratio).GetPixel(1, 1), s.shown);
  }
}

// A picture whose pixels all differ, under windows that cover parts of it: the region it is drawn
// into is many rectangles.
struct CoveredPicture {
  fw::Dialog dialog{PictureTemplate()};
  fw::Bitmap picture = fw::Bitmap::Create({200, 120}, fw::colours::kWhite);
  std::vector<std::unique_ptr<fw::CustomWindow>> covers;
  std::vector<fw::Rect> coverRects;

  bool Create() {
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, fw::RGB(x, y, (x * y) & 0xFF));
    }
    if (!dialog.Create(nullptr)) return false;
    dialog.Control<fw::Static>(10)->SetBitmap(picture);
    for (const fw::Rect& r : {fw::Rect{10, 5, 30, 20}, fw::Rect{50, 30, 70, 60}, fw::Rect{20, 40, 40, 45}}) {
      covers.push_back(std::make_unique<fw::CustomWindow>());
      if (!covers.back()->Create(&dialog, r, 0)) return false;
      coverRects.push_back(r);
    }
    return true;
  }
};

int ThreadCount() {
  int threads = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/task")) ++threads;
  return threads;
}

// Drawn one rectangle of the region at a time, the picture shows wherever nothing covers it.
TEST(Bitmaps, APictureDrawnIntoAManyRectangleRegionShowsWhereverItIsUncovered) {
  CoveredPicture scene;
  ASSERT_TRUE(scene.Create());
  const fw::Bitmap shot = fw::RenderAtPixelRatio(scene.dialog, 1);
  int wrong = 0;
  for (int y = 0; y < scene.picture.Height(); ++y) {
    for (int x = 0; x < scene.picture.Width(); ++x) {
      bool hidden = false;
      for (const fw::Rect& r : scene.coverRects) hidden = hidden || r.PtInRect({x, y});
      const fw::Colour expected = hidden ? fw::colours::kButtonFace : scene.picture.GetPixel(x, y);
      wrong += shot.GetPixel(x, y) != expected;
    }
  }
  EXPECT_EQ(wrong, 0);
}

// Into such a region the toolkit would hand the picture to a pool of threads it starts for that.
// Counted in a process of its own: a pool started by an earlier test would hide new threads.
TEST(Bitmaps, APictureDrawnIntoAManyRectangleRegionStartsNoThreads) {
  const std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        CoveredPicture scene;
        if (!scene.Create()) std::_Exit(10);
        const int before = ThreadCount();
        fw::RenderAtPixelRatio(scene.dialog, 1);
        std::_Exit(ThreadCount() == before ? 0 : 11);
      },
      testing::ExitedWithCode(0), "");
  GTEST_FLAG_SET(death_test_style, style);
}

}  // namespace
