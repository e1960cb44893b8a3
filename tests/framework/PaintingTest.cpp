#include <gtest/gtest.h>

#include <cstdlib>

#include "TestDialogs.h"
#include "framework/Bitmap.h"
#include "framework/Button.h"
#include "framework/ImageList.h"
#include "framework/RecordingDeviceContext.h"
#include "framework/Static.h"
#include "framework/TestSeams.h"
#include "resources/DialogTemplates.h"

namespace {

using fwtest::RecordingDialog;

TEST(OwnerDraw, ParentIsAskedWithTheStateBitsOfTheButton) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  auto* button = dialog.Control<fw::Button>(13);
  ASSERT_NE(button, nullptr);
  fw::RecordingDeviceContext dc;

  struct Case {
    const char* name;
    bool pushed, enabled;
    unsigned state;
  };
  const Case cases[] = {
      {"rest", false, true, 0},
      {"pushed", true, true, fw::ODS_SELECTED},
      {"disabled", false, false, fw::ODS_DISABLED},
      {"pushed and disabled", true, false, fw::ODS_SELECTED | fw::ODS_DISABLED},
  };
  for (const Case& c : cases) {
    button->SetState(c.pushed);
    button->EnableWindow(c.enabled);
    dialog.drawn.clear();
    button->Paint(dc);
    ASSERT_EQ(dialog.drawn.size(), 1u) << c.name;
    const fw::DrawItemStruct& item = dialog.drawn[0];
    EXPECT_EQ(item.state, c.state) << c.name;
    EXPECT_EQ(item.ctlId, 13);
    EXPECT_EQ(item.control, button);
    EXPECT_EQ(item.dc, &dc);
    EXPECT_EQ(item.rect, button->GetClientRect());
    EXPECT_EQ(button->GetState(), c.pushed) << c.name;
  }
}

TEST(OwnerDraw, FocusedButtonGetsTheFocusBit) {
  fw::ModalScript script;
  unsigned state = 0;
  script.Do([&](fw::Dialog& shown) {
    auto& dialog = static_cast<RecordingDialog&>(shown);
    auto* button = dialog.Control<fw::Button>(13);
    button->SetFocus();
    fw::RecordingDeviceContext dc;
    button->Paint(dc);
    state = dialog.drawn.back().state;
    dialog.EndDialog(fw::IDOK);
  });
  RecordingDialog dialog;
  EXPECT_EQ(dialog.DoModal(), fw::IDOK);
  EXPECT_EQ(state, fw::ODS_FOCUS);
}

// Draws like the main window's square buttons; the recording shows exactly what it drew.
class SquareButtons : public RecordingDialog {
 public:
  void OnDrawItem(int, const fw::DrawItemStruct& item) override {
    fw::DeviceContext& dc = *item.dc;
    const fw::Colour fill = item.Pushed() ? fw::RGB(236, 236, 216) : fw::colours::kWhite;
    dc.FillSolidRect(item.rect, fill);
    dc.DrawEdge(item.rect, item.Pushed() ? fw::Edge::Sunken : fw::Edge::Raised, fw::BF_RECT);
    if (item.Focused()) dc.DrawFocusRect(item.rect.Inflated(-3, -3));
    dc.SetBkColor(fill);
    dc.SetTextColor(item.Disabled() ? fw::RGB(161, 161, 147) : fw::colours::kBlack);
    dc.DrawText(item.control->GetWindowText(), item.rect, fw::DT_CENTER | fw::DT_VCENTER | fw::DT_SINGLELINE);
  }
};

TEST(RecordingDeviceContext, CapturesWhatADrawRoutineDrew) {
  SquareButtons dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  auto* button = dialog.Control<fw::Button>(13);
  button->SetState(true);
  button->EnableWindow(false);
  fw::RecordingDeviceContext dc;
  button->Paint(dc);

  const fw::Rect r = button->GetClientRect();
  const std::vector<fw::DrawCall> drawing{dc.Calls("FillSolidRect")[0], dc.Calls("DrawEdge")[0], dc.Calls("DrawText")[0]};
  EXPECT_EQ(drawing[0], (fw::DrawCall{"FillSolidRect", r, "", fw::RGB(236, 236, 216), 0, 0}));
  EXPECT_EQ(drawing[1], (fw::DrawCall{"DrawEdge", r, "", {}, fw::BF_RECT, static_cast<int>(fw::Edge::Sunken)}));
  EXPECT_EQ(drawing[2].text, "Owner");
  EXPECT_EQ(drawing[2].colour, fw::RGB(161, 161, 147));
  EXPECT_EQ(drawing[2].flags, fw::DT_CENTER | fw::DT_VCENTER | fw::DT_SINGLELINE);
  EXPECT_TRUE(dc.Calls("DrawFocusRect").empty()) << dc.ToString();
  // The control's font is selected before the routine runs.
  ASSERT_FALSE(dc.Calls("SelectFont").empty());
  EXPECT_EQ(dc.Calls("SelectFont")[0].value, -13);
}

// Answers colour requests by control id, as the main window does.
class Colouring : public RecordingDialog {
 public:
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override {
    fw::Brush brush = Dialog::OnCtlColor(dc, control, kind);
    if (control.GetDlgCtrlID() == 10) {
      dc.SetBkMode(fw::BkMode::Transparent);
      dc.SetTextColor(fw::RGB(0, 0, 255));
      return fw::Brush::Solid(fw::RGB(181, 213, 255));
    }
    if (kind == fw::CtlColor::Dialog) return fw::Brush::Solid(fw::colours::kWhite);
    return brush;
  }
};

TEST(ColourHandling, StaticTextAndDialogBackgroundUseTheHandlersAnswer) {
  Colouring dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  fw::RecordingDeviceContext text;
  dialog.GetDlgItem(10)->Paint(text);
  ASSERT_EQ(text.Calls("FillRect").size(), 1u) << text.ToString();
  EXPECT_EQ(text.Calls("FillRect")[0].colour, fw::RGB(181, 213, 255));
  ASSERT_EQ(text.Calls("DrawText").size(), 1u);
  EXPECT_EQ(text.Calls("DrawText")[0].text, "Hello");
  EXPECT_EQ(text.Calls("DrawText")[0].colour, fw::RGB(0, 0, 255));
  EXPECT_EQ(text.Calls("DrawText")[0].value, static_cast<int>(fw::BkMode::Transparent));

  fw::RecordingDeviceContext other;  // a control the handler leaves alone gets the defaults
  dialog.GetDlgItem(11)->Paint(other);
  EXPECT_EQ(other.Calls("FillRect")[0].colour, fw::colours::kButtonFace);
  EXPECT_EQ(other.Calls("DrawText")[0].colour, fw::colours::kBlack);

  fw::RecordingDeviceContext background;
  dialog.Paint(background);
  ASSERT_EQ(background.Calls("FillRect").size(), 1u);
  EXPECT_EQ(background.Calls("FillRect")[0].colour, fw::colours::kWhite);
  EXPECT_EQ(background.Calls("FillRect")[0].rect, dialog.GetClientRect());
}

TEST(Bitmaps, ResourcesLoadByIdAndMissingOnesGiveAPlaceholder) {
  const fw::Bitmap background = fw::Bitmap::Load(res::IDB_BACKGROUND);
  EXPECT_FALSE(background.IsPlaceholder());
  EXPECT_EQ(background.GetSize(), (fw::Size{730, 486}));
  for (int id : {res::IDB_WARNING, res::IDB_LOGO}) {
    const fw::Bitmap b = fw::Bitmap::Load(id);
    EXPECT_FALSE(b.IsPlaceholder()) << id;
    EXPECT_EQ(b.GetSize(), (fw::Size{64, 64})) << id;
  }
  EXPECT_EQ(fw::Bitmap::Load(res::IDB_PAGE_FRAME).GetSize(), (fw::Size{67, 63}));

  const fw::Bitmap missing = fw::Bitmap::Load(99999, {5, 6});
  EXPECT_TRUE(missing.IsPlaceholder());
  EXPECT_EQ(missing.GetSize(), (fw::Size{5, 6}));
  EXPECT_EQ(fw::Bitmap::Load(99998).GetSize(), (fw::Size{1, 1}));
  EXPECT_EQ(missing.GetPixel(10, 10), fw::colours::kBlack) << "outside the picture";
}

// Every picture we ship is drawn at twice the size too, and that drawing is the same picture: each
// 2 x 2 block of it, averaged, is close to the plain picture's pixel.
TEST(Bitmaps, EveryShippedPictureComesAtTwiceTheSizeAsTheSamePicture) {
  int pictures = 0;
  for (int id = 1; id < 1000; ++id) {
    if (!fw::Bitmap::Exists(id)) continue;
    SCOPED_TRACE(id);
    ++pictures;
    const fw::Bitmap plain = fw::Bitmap::Load(id);
    ASSERT_TRUE(plain.HasFineImage());
    const fw::Bitmap fine = plain.FineImage();
    ASSERT_EQ(fine.GetSize(), (fw::Size{plain.Width() * 2, plain.Height() * 2}));
    long difference = 0;
    for (int y = 0; y < plain.Height(); ++y) {
      for (int x = 0; x < plain.Width(); ++x) {
        int sum[3] = {0, 0, 0};
        for (int dy = 0; dy < 2; ++dy) {
          for (int dx = 0; dx < 2; ++dx) {
            const fw::Colour c = fine.GetPixel(2 * x + dx, 2 * y + dy);
            sum[0] += c.r;
            sum[1] += c.g;
            sum[2] += c.b;
          }
        }
        const fw::Colour c = plain.GetPixel(x, y);
        difference += std::abs(sum[0] / 4 - c.r) + std::abs(sum[1] / 4 - c.g) + std::abs(sum[2] / 4 - c.b);
      }
    }
    // Edges fall differently at the two sizes; a misplaced or different drawing is far above this.
    EXPECT_LT(difference / (3.0 * plain.Width() * plain.Height()), 24.0);
  }
  EXPECT_GT(pictures, 0);
}

// The copy at twice the size is decoded only for a screen that shows it, once for every copy of the
// loaded picture, and what such a screen shows is that copy pixel for pixel.
TEST(Bitmaps, TheFineCopyIsDecodedOnlyWhereItIsDrawn) {
  static const fw::DialogTemplate tmpl{
      0, {60, 40}, "Arial", 10, fw::DS_POPUP, "Picture",
      {{10, fw::ControlKind::Picture, fw::Du(0, 0, 60, 40), 0, "", 0}}};
  fw::Dialog dialog(tmpl);
  ASSERT_TRUE(dialog.Create(nullptr));
  const fw::Bitmap logo = fw::Bitmap::Load(res::IDB_LOGO);
  dialog.Control<fw::Static>(10)->SetBitmap(logo);  // a copy: it shares the fine copy with `logo`

  const fw::Bitmap plain = fw::RenderAtPixelRatio(dialog, 1);
  EXPECT_FALSE(logo.FineImageDecoded()) << "a screen at ratio 1 never needs it";
  EXPECT_EQ(plain.GetPixel(20, 30), logo.GetPixel(20, 30));

  const fw::Bitmap sharp = fw::RenderAtPixelRatio(dialog, 2);
  EXPECT_TRUE(logo.FineImageDecoded());
  const fw::Bitmap fine = fw::Bitmap::Load(res::IDB_LOGO).FineImage();
  ASSERT_EQ(fine.GetSize(), (fw::Size{128, 128}));
  int differing = 0;
  for (int y = 0; y < fine.Height(); ++y) {
    for (int x = 0; x < fine.Width(); ++x) differing += sharp.GetPixel(x, y) != fine.GetPixel(x, y);
  }
  EXPECT_EQ(differing, 0) << "the plain picture scaled up is not what a ratio-2 screen should show";
}

TEST(Bitmaps, ImageListCutsAStripIntoEqualImages) {
  fw::Bitmap strip = fw::Bitmap::Create({30, 10}, fw::colours::kWhite);
  strip.SetPixel(10, 0, fw::RGB(255, 0, 0));
  fw::ImageList list(fw::Size{10, 10});
  EXPECT_EQ(list.Add(strip), 0);
  EXPECT_EQ(list.GetImageCount(), 3);
  EXPECT_EQ(list.GetImage(1).GetPixel(0, 0), fw::RGB(255, 0, 0));
  EXPECT_TRUE(list.GetImage(3).IsNull());
  EXPECT_EQ(list.Add(fw::Bitmap::Create({25, 10}, fw::colours::kWhite)), -1) << "not a whole number of images";
}

TEST(Screenshots, MainWindowRendersToAPngOfItsSize) {
  fw::Dialog main(res::MainWindowTemplate());
  ASSERT_TRUE(main.Create(nullptr));
  main.Control<fw::Static>(1001)->SetBitmap(fw::Bitmap::Load(res::IDB_BACKGROUND));
  const std::string path = testing::TempDir() + "main_window.png";
  ASSERT_TRUE(fw::RenderToPng(main, path));
  const fw::Bitmap shot = fw::Bitmap::FromFile(path);
  EXPECT_EQ(shot.GetSize(), (fw::Size{728, 484}));
  // The background picture shows where no control covers it (its accent line along the top).
  EXPECT_EQ(shot.GetPixel(300, 1), fw::Bitmap::Load(res::IDB_BACKGROUND).GetPixel(300, 1));
}

}  // namespace

namespace {

// The device panel's trick: a control gets a pattern brush made of the background under it the
// first time it asks for colours, so that it looks transparent over the background picture.
class SeeThrough : public fw::Dialog {
 public:
  SeeThrough() : Dialog(res::MainWindowTemplate()) {}
  fw::Brush panelBrush;
  int captures = 0;
  bool OnInitDialog() override {
    Control<fw::Static>(1001)->SetBitmap(fw::Bitmap::Load(res::IDB_BACKGROUND));
    GetDlgItem(1003)->SetWindowText("");
    return true;
  }
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override {
    if (control.GetDlgCtrlID() != 1003) return Dialog::OnCtlColor(dc, control, kind);
    if (panelBrush.IsNone()) {
      ++captures;
      panelBrush = fw::Brush::Pattern(fw::Bitmap::FromBackground(control));
    }
    dc.SetBkMode(fw::BkMode::Transparent);
    return panelBrush;
  }
};

TEST(ColourHandling, PatternBrushOfTheBackgroundMakesAControlLookTransparent) {
  SeeThrough dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  const std::string path = testing::TempDir() + "see_through.png";
  ASSERT_TRUE(fw::RenderToPng(dialog, path));
  ASSERT_TRUE(fw::RenderToPng(dialog, path));
  EXPECT_EQ(dialog.captures, 1);
  const fw::Bitmap shot = fw::Bitmap::FromFile(path);
  const fw::Bitmap background = fw::Bitmap::Load(res::IDB_BACKGROUND);
  const fw::Rect panel = dialog.GetDlgItem(1003)->GetWindowRect();
  for (fw::Point p : {panel.TopLeft(), fw::Point{panel.right - 1, panel.bottom - 1}, panel.CenterPoint()}) {
    EXPECT_EQ(shot.GetPixel(p.x, p.y), background.GetPixel(p.x, p.y)) << p.x << "," << p.y;
  }
}

}  // namespace
