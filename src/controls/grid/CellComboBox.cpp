#include "controls/grid/CellComboBox.h"

#include <algorithm>

#include "controls/grid/ConfigListCtrl.h"
#include "controls/grid/PopUpScrollList.h"
#include "framework/SystemMetrics.h"
#include "framework/TextCompare.h"

namespace controls {

using fw::GetSystemMetrics;

CCellComboBox::CCellComboBox() {
  m_pPopupWnd = std::make_unique<CPopUpScrollList>();
  m_bClickAnywhere = true;
}

CCellComboBox::~CCellComboBox() {
  // The pop-up goes first: it points at this cell.
  m_pPopupWnd.reset();
}

CPopUpScrollList* CCellComboBox::GetScrollList() const { return static_cast<CPopUpScrollList*>(m_pPopupWnd.get()); }

void CCellComboBox::Init(CConfigListCtrl* ownerList, const bool* listEnabled, const std::string& text) {
  CCellCtrl::Init(ownerList, listEnabled, text);
  m_astrOptions.clear();
  size_t start = 0;
  for (size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', start)) {
    m_astrOptions.push_back(text.substr(start, lf - start));
    start = lf + 1;
  }
  m_astrOptions.push_back(text.substr(start));
  m_nCurSel = -1;
  if (m_astrOptions.size() >= 2) {
    const std::string& first = m_astrOptions.front();
    for (size_t i = 1; i < m_astrOptions.size(); ++i) {
      if (fw::EqualsIgnoringCase(m_astrOptions[i], first)) {
        m_nCurSel = static_cast<int>(i) - 1;
        m_astrOptions.erase(m_astrOptions.begin());
        break;
      }
    }
  }
  m_strText = m_nCurSel >= 0 ? m_astrOptions[static_cast<size_t>(m_nCurSel)] : std::string();
  GetScrollList()->Create(ownerList, this);
}

bool CCellComboBox::SetCurSel(int index) {
  if (index < 0 || index >= GetOptionCount()) return false;
  m_nCurSel = index;
  m_strText = m_astrOptions[static_cast<size_t>(index)];
  RecalcTextRect();
  if (m_hOwnerList) {
    m_hOwnerList->Invalidate(true);
    m_hOwnerList->SetCellText(this, m_strText);
  }
  return true;
}

void CCellComboBox::SetSelection(int index) {
  if (index < 0 || index >= GetOptionCount()) return;
  m_nCurSel = index;
  m_strText = m_astrOptions[static_cast<size_t>(index)];
}

int CCellComboBox::GetVisibleRows() const { return std::min(GetOptionCount(), m_nMaxVisible); }

void CCellComboBox::SyncPopup() {
  CPopUpScrollList* list = GetScrollList();
  if (!list) return;
  if (m_nCurSel >= m_nMaxVisible) {
    list->SetTopOption(m_nCurSel - m_nMaxVisible + 1);
    list->SetHotRow(m_nMaxVisible - 1);
  } else {
    list->SetTopOption(0);
    list->SetHotRow(m_nCurSel);
  }
}

fw::Rect CCellComboBox::GetPopupRect(bool below) {
  fw::Rect out = m_rcCell;
  const int height = m_astrOptions.empty()
                         ? GetSystemMetrics(fw::SM_CYVTHUMB)
                         : GetVisibleRows() * fw::kSystemFontLineHeight + 2 * GetSystemMetrics(fw::SM_CYBORDER);
  if (below) {
    out.top = m_rcCell.bottom;
    out.bottom = out.top + height;
  } else {
    out.bottom = m_rcCell.top;
    out.top = out.bottom - height;
  }
  return out;
}

int CCellComboBox::OnMouseMove(unsigned, int x, int y) {
  const bool old = IsArrowPressed();
  const bool pressed = fw::IsKeyDown(fw::VK_LBUTTON) && m_rcArrow.PtInRect({x, y});
  SetArrowPressed(pressed);
  if (pressed != old) InvalidateOwner(m_rcArrow);
  return 1;
}

void CCellComboBox::DrawItemText(fw::DeviceContext& dc, const fw::Rect& rect, const std::string& text, bool,
                                 bool disabled) const {
  dc.SetTextColor(disabled ? fw::colours::kGrayText : fw::colours::kWindowText);
  dc.DrawText(text, rect, GetAlignment() | fw::DT_BOTTOM | fw::DT_END_ELLIPSIS);
}

void CCellComboBox::Draw(fw::DeviceContext& dc, const fw::Rect* subItemRect, unsigned itemState) {
  const int saved = dc.SaveDC();
  const bool disabled = IsDrawnDisabled();
  dc.FillSolidRect(*subItemRect, disabled ? fw::colours::kButtonFace : fw::colours::kWindow);
  fw::Rect text = subItemRect->Inflated(-GetSystemMetrics(fw::SM_CXDLGFRAME), -GetSystemMetrics(fw::SM_CYDLGFRAME));
  text.right -= GetSystemMetrics(fw::SM_CXVSCROLL);
  SelectCellFont(dc);
  dc.SetBkMode(fw::BkMode::Transparent);
  DrawItemText(dc, text, m_strText, (itemState & fw::ODS_SELECTED) != 0, disabled);
  CCellDropDown::Draw(dc, subItemRect, itemState);
  m_bTrackPressed = true;
  dc.RestoreDC(saved);
}

int CCellComboBox::GetPreferredWidth() {
  return fw::MeasureText(CellFont(), m_strText + "i").cx + m_nArrowWidth;
}

}  // namespace controls
