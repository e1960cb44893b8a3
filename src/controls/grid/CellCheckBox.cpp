#include "controls/grid/CellCheckBox.h"

#include "framework/Colour.h"

namespace controls {

namespace {
constexpr int kImageWidth = 20;
constexpr int kRadioBitmapId = 303;
constexpr unsigned kLabelFormat = fw::DT_END_ELLIPSIS | fw::DT_BOTTOM;
}  // namespace

CCellCheckBox::CCellCheckBox() { m_dwStyle = CELL_STYLE_CENTER; }

const fw::ImageList& CCellCheckBox::Images() {
  static const fw::ImageList images = fw::ImageList::Load(kRadioBitmapId, kImageWidth, fw::RGB(255, 0, 255));
  return images;
}

void CCellCheckBox::Init(CConfigListCtrl* ownerList, const bool* listEnabled, const std::string& text) {
  CCellCtrl::Init(ownerList, listEnabled, text);
  if (m_strText.empty() || (m_strText[0] != '0' && m_strText[0] != '1')) m_strText = "0" + text;
  m_strLeftLabel.clear();
  m_strRightLabel.clear();
  Images();
}

void CCellCheckBox::SetCheck(bool check) {
  if (m_strText.empty()) {
    m_strText = check ? "1" : "0";
  } else {
    m_strText[0] = check ? '1' : '0';
  }
}

int CCellCheckBox::OnClick(unsigned, int, int) {
  SetCheck(!GetCheck());
  return 1;
}

void CCellCheckBox::Commit() {
  if (!m_bActive) return;
  SetCheck(!GetCheck());
  InvalidateOwner(m_rcHot);
}

void CCellCheckBox::Draw(fw::DeviceContext& dc, const fw::Rect* subItemRect, unsigned) {
  const int saved = dc.SaveDC();
  const fw::Rect rect = *subItemRect;
  m_rcHot = {};
  m_rcCell = rect;
  const bool disabled = IsDrawnDisabled();
  dc.SetTextColor(disabled ? fw::colours::kGrayText : fw::colours::kWindowText);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.FillSolidRect(rect, fw::colours::kWindow);
  SelectCellFont(dc);
  if (!m_strLeftLabel.empty()) {
    DrawTwoCircles(dc, rect, disabled);
  } else {
    DrawOneCircle(dc, rect, disabled);
  }
  dc.RestoreDC(saved);
}

void CCellCheckBox::DrawTwoCircles(fw::DeviceContext& dc, const fw::Rect& rect, bool disabled) {
  const bool set = GetCheck();
  const int half = rect.Width() / 2;
  // The half that is not selected is the one a click switches to.
  fw::Rect left = rect;
  left.right = rect.left + half;
  if (set) m_rcHot = left;
  dc.DrawImage(Images(), ImageIndex(!set, disabled), {left.left, rect.top + 1});
  left.left += kImageWidth;
  left.top += 3;
  dc.DrawText(m_strLeftLabel, left, kLabelFormat);

  fw::Rect right = rect;
  right.left = rect.left + half;
  if (!set) m_rcHot = right;
  dc.DrawImage(Images(), ImageIndex(set, disabled), {right.left, rect.top + 1});
  right.left += kImageWidth;
  right.top += 3;
  dc.DrawText(m_strRightLabel, right, kLabelFormat);
}

void CCellCheckBox::DrawOneCircle(fw::DeviceContext& dc, const fw::Rect& rect, bool disabled) {
  const std::string caption = m_strText.empty() ? std::string() : m_strText.substr(1);
  const fw::Size extent = dc.GetTextExtent(caption);
  const int needed = extent.cx + kImageWidth;
  fw::Rect r = rect;
  int imageLeft = rect.left;
  if (rect.Width() < needed) {
    r.left += kImageWidth;
  } else if (m_dwStyle & CELL_STYLE_CENTER) {
    imageLeft = rect.left + (rect.Width() - needed) / 2;
    r.left = imageLeft + kImageWidth;
    r.right = imageLeft + needed + 1;
  } else if (!(m_dwStyle & CELL_STYLE_RIGHT)) {
    r.left = imageLeft + kImageWidth;
    r.right = imageLeft + needed + 1;
  } else if (extent.cy != 0) {
    r.right = rect.right;
    r.left = rect.right - needed - 1;
    imageLeft = rect.right - needed - 21;
  } else {
    r.left = r.right = 0;
    imageLeft = rect.right - kImageWidth;
  }
  const unsigned format = kLabelFormat | fw::DT_CENTER;
  if (rect.Width() < kImageWidth) {
    // No room for the circle: the caption alone, and nothing to click.
    r.left -= kImageWidth;
    dc.DrawText(caption, r, format);
    return;
  }
  dc.DrawImage(Images(), ImageIndex(GetCheck(), disabled), {imageLeft, rect.top});
  dc.DrawText(caption, r, format);
  m_rcHot = fw::Rect::FromXYWH(imageLeft, rect.top, kImageWidth, kImageWidth);
}

int CCellCheckBox::GetPreferredWidth() {
  if (m_strText.empty()) return kImageWidth;
  return fw::MeasureText(CellFont(), m_strText.substr(1) + "i").cx + kImageWidth;
}

}  // namespace controls
