#include "controls/grid/CellButton.h"

namespace controls {

void CCellButton::ResetHover() {
  CCellCtrl::ResetHover();
  m_bHot = false;
}

int CCellButton::OnLButtonDown(unsigned flags, int x, int y) {
  Activate();
  if (m_rcHot.PtInRect({x, y}) && m_hOwnerList) OnClick(flags, x, y);
  return 1;
}

void CCellButton::TrackHover(unsigned, int x, int y) {
  const bool hot = m_rcHot.PtInRect({x, y});
  if (hot == m_bHot) return;
  m_bHot = hot;
  InvalidateOwner(m_rcHot);
}

void CCellButton::Commit() {}
void CCellButton::Cancel() {}

}  // namespace controls
