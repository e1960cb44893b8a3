#pragma once
// The on/off cell. Its value is the first character of its text, "1" or "0"; the rest is the
// caption of the single-circle mode. With a left label it shows two captioned radio circles side
// by side: "0" selects the left one, "1" the right one, and a click on the circle that is not
// selected switches the value.
#include "controls/grid/CellButton.h"
#include "framework/ImageList.h"

namespace controls {

class CCellCheckBox : public CCellWithClassStyle<CCellCheckBox, CCellButton, 0> {
 public:
  CCellCheckBox();

  // A text that does not start with "0" or "1" (an empty one included) gets a leading "0"; both
  // labels are emptied, so set them after the grid's AddCell.
  void Init(CConfigListCtrl* ownerList, const bool* listEnabled, const std::string& text) override;
  void SetLeftLabel(const std::string& label) { m_strLeftLabel = label; }
  void SetRightLabel(const std::string& label) { m_strRightLabel = label; }
  bool GetCheck() const { return !m_strText.empty() && m_strText[0] == '1'; }
  void SetCheck(bool check);

  const fw::Rect* GetHotRect() override { return &m_rcHot; }
  const fw::Rect* GetCellRect() override { return &m_rcCell; }
  void Draw(fw::DeviceContext& dc, const fw::Rect* subItemRect, unsigned itemState) override;
  int GetPreferredWidth() override;
  int OnClick(unsigned flags, int x, int y) override;
  void Commit() override;

  // The four radio images all check boxes share: empty, selected, and both greyed.
  static const fw::ImageList& Images();

 private:
  void DrawTwoCircles(fw::DeviceContext& dc, const fw::Rect& rect, bool disabled);
  void DrawOneCircle(fw::DeviceContext& dc, const fw::Rect& rect, bool disabled);
  int ImageIndex(bool selected, bool disabled) const { return (selected ? 1 : 0) + (disabled ? 2 : 0); }

  fw::Rect m_rcCell;
  std::string m_strLeftLabel;
  std::string m_strRightLabel;
};

}  // namespace controls
