#include "framework/MeasuringDeviceContext.h"

#include <gtest/gtest.h>

namespace {

// A caption's room beside the outline it is drawn in, judged where the glyphs really land.
TEST(MeasuringDeviceContext, TellsHowCloseGlyphsComeToTheOutlineAroundThem) {
  const fw::Rect pill = {5, 5, 146, 23};
  struct Case {
    const char* what;
    fw::Rect textRect;
    unsigned align;
    bool clear;  // at least 3 px beside the outline's inside
  };
  const Case cases[] = {
      {"flush with the outline's left end", pill, fw::DT_LEFT, false},
      {"flush with its right end", pill, fw::DT_RIGHT, false},
      {"in the middle", pill, fw::DT_CENTER, true},
      // 4 px clear of the straight outline, less where the rounded end bends in.
      {"clear of the pen but not of the rounded end", pill.Inflated(-6, 0), fw::DT_LEFT, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    fw::MeasuringDeviceContext dc;
    dc.SelectPen(fw::Pen::Solid(3, fw::colours::kBlack));
    dc.RoundRect(pill, {pill.Height() - 3, pill.Height() - 3});
    // A focus ring over it is not the outline the caption must clear.
    dc.SelectPen(fw::Pen::Dotted(1, fw::colours::kBlack));
    dc.RoundRect(pill, {pill.Height() - 3, pill.Height() - 3});
    dc.DrawText("EXIT", k.textRect, k.align | fw::DT_VCENTER | fw::DT_SINGLELINE);
    const fw::MeasuredText& text = dc.Measured().at(0);
    const std::optional<fw::BorderInside> border = dc.BorderAround(text.rect);
    ASSERT_TRUE(border.has_value());
    EXPECT_EQ(border->inside, (fw::Rect{8, 8, 143, 20}));
    EXPECT_EQ(border->SideClearance(text.ink) >= 3, k.clear) << border->SideClearance(text.ink);
  }
}

TEST(MeasuringDeviceContext, ATextOutsideEveryOutlineHasNone) {
  fw::MeasuringDeviceContext dc;
  dc.DrawEdge({0, 0, 40, 20}, fw::Edge::Raised, fw::BF_RECT);
  dc.DrawText("EXIT", fw::Rect{50, 0, 120, 20}, fw::DT_LEFT | fw::DT_SINGLELINE);
  EXPECT_FALSE(dc.BorderAround(dc.Measured().at(0).rect).has_value());
  EXPECT_EQ(dc.BorderAround({10, 5, 30, 15})->inside, (fw::Rect{2, 2, 38, 18}));
}

}  // namespace
