#include "framework/UpDown.h"

#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

#include "framework/detail/Host.h"
#include "framework/detail/Usable.h"

namespace fw {

namespace {

// Two arrow buttons on top of each other; a press on the upper one steps up.
class UpDownWidget : public detail::Host<QWidget> {
 public:
  UpDownWidget(UpDown* owner, QWidget* parent) : detail::Host<QWidget>(owner, parent), owner_(owner) {}

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) owner_->StepAsUser(e->position().y() < height() / 2.0 ? 1 : -1);
  }

 private:
  UpDown* owner_;
};

}  // namespace

UpDown::UpDown() = default;
UpDown::~UpDown() = default;

detail::Native* UpDown::CreateNative(detail::Native* parent, const ControlTemplate&) {
  return detail::AsNative(new UpDownWidget(this, detail::AsWidget(parent)));
}

void UpDown::DefaultPaint(DeviceContext& dc) {
  const Rect client = GetClientRect();
  const Rect up{client.left, client.top, client.right, client.top + client.Height() / 2};
  const Rect down{client.left, up.bottom, client.right, client.bottom};
  for (const auto& [r, arrow] : {std::pair{up, "\u25B2"}, std::pair{down, "\u25BC"}}) {
    dc.FillSolidRect(r, colours::kButtonFace);
    dc.DrawEdge(r, Edge::Raised, BF_RECT);
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(IsWindowEnabled() ? colours::kBlack : colours::kGrayText);
    dc.DrawText(arrow, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

void UpDown::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  pos_ = std::clamp(pos_, std::min(lower_, upper_), std::max(lower_, upper_));
}

void UpDown::GetRange(int& lower, int& upper) const {
  lower = lower_;
  upper = upper_;
}

int UpDown::SetPos(int pos) {
  const int previous = pos_;
  pos_ = std::clamp(pos, std::min(lower_, upper_), std::max(lower_, upper_));
  Invalidate();
  return previous;
}

int UpDown::GetPos() const { return pos_; }

bool UpDown::StepAsUser(int delta) {
  if (!detail::IsUsable(*this)) return false;
  SetPos(pos_ + (upper_ >= lower_ ? delta : -delta));
  NotifyParent(UDN_DELTAPOS);
  return true;
}

}  // namespace fw
