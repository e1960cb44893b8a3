#include "framework/ScrollBar.h"

#include <QScrollBar>
#include <algorithm>

#include "framework/detail/Host.h"

namespace fw {

namespace {

QScrollBar* Bar(const Window* w) { return static_cast<QScrollBar*>(detail::WidgetOf(w)); }

}  // namespace

ScrollBar::ScrollBar() = default;
ScrollBar::~ScrollBar() = default;

detail::Native* ScrollBar::CreateNative(detail::Native* parent, const ControlTemplate& t) {
  vertical_ = (t.style & CS_VERTICAL) != 0;
  auto* bar = new detail::Host<QScrollBar>(this, vertical_ ? Qt::Vertical : Qt::Horizontal, detail::AsWidget(parent));
  bar->setFocusPolicy(Qt::NoFocus);
  QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, bar](int action) {
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd: UserAction(SB_LINEDOWN); break;
      case QAbstractSlider::SliderSingleStepSub: UserAction(SB_LINEUP); break;
      case QAbstractSlider::SliderPageStepAdd: UserAction(SB_PAGEDOWN); break;
      case QAbstractSlider::SliderPageStepSub: UserAction(SB_PAGEUP); break;
      case QAbstractSlider::SliderToMinimum: UserAction(SB_TOP); break;
      case QAbstractSlider::SliderToMaximum: UserAction(SB_BOTTOM); break;
      case QAbstractSlider::SliderMove: UserAction(SB_THUMBTRACK, bar->sliderPosition()); return;
      default: return;
    }
  });
  QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [this, bar] {
    UserAction(SB_THUMBPOSITION, bar->sliderPosition());
    UserAction(SB_ENDSCROLL);
  });
  Mirror();
  return detail::AsNative(bar);
}

int ScrollBar::MaxScrollPos() const {
  return std::max(info_.min, info_.max - std::max(info_.page - 1, 0));
}

void ScrollBar::SetScrollInfo(int min, int max, int page, int pos, bool) {
  info_.min = min;
  info_.max = std::max(min, max);
  info_.page = std::clamp(page, 0, info_.max - info_.min + 1);
  info_.pos = std::clamp(pos, info_.min, MaxScrollPos());
  info_.trackPos = info_.pos;
  Mirror();
}

ScrollInfo ScrollBar::GetScrollInfo() const { return info_; }

int ScrollBar::SetScrollPos(int pos, bool) {
  const int previous = info_.pos;
  info_.pos = std::clamp(pos, info_.min, MaxScrollPos());
  info_.trackPos = info_.pos;
  Mirror();
  return previous;
}

void ScrollBar::UserAction(unsigned code, int trackPos) {
  const bool tracking = code == SB_THUMBTRACK || code == SB_THUMBPOSITION;
  if (tracking) info_.trackPos = std::clamp(trackPos, info_.min, MaxScrollPos());
  // The owner decides the position: the bar shows the old one until it is told otherwise.
  if (code != SB_THUMBTRACK) Mirror();
  Window* parent = GetParent();
  const int reported = tracking ? info_.trackPos : info_.pos;
  if (parent) {
    parent->SendMessage(vertical_ ? WM_VSCROLL : WM_HSCROLL, MakeScrollParam(code, reported),
                        reinterpret_cast<intptr_t>(this));
  }
}

void ScrollBar::Mirror() {
  QScrollBar* bar = Bar(this);
  if (!bar) return;
  const QSignalBlocker quiet(bar);
  bar->setRange(info_.min, MaxScrollPos());
  bar->setPageStep(std::max(info_.page, 1));
  bar->setSingleStep(1);
  bar->setSliderPosition(info_.pos);
  bar->setValue(info_.pos);
}

}  // namespace fw
