#include "framework/UpDown.h"

#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <charconv>
#include <string>
#include <utility>

#include "framework/detail/Host.h"
#include "framework/detail/Usable.h"

namespace fw {

namespace {

// Two arrow buttons on top of each other; a press on the upper one steps up, and holding it
// repeats until the button is let go.
class UpDownWidget : public detail::Host<QWidget> {
 public:
  UpDownWidget(UpDown* owner, QWidget* parent) : detail::Host<QWidget>(owner, parent), owner_(owner) {}

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) owner_->PressArrow(e->position().y() < height() / 2.0 ? 1 : -1);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) owner_->ReleaseArrow();
  }

 private:
  UpDown* owner_;
};

// A whole decimal number with blanks around it, read the same in every locale.
bool ReadWholeNumber(std::string text, int& value) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.back())) text.pop_back();
  std::size_t start = 0;
  while (start < text.size() && blank(text[start])) ++start;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  return first != last && error == std::errc() && end == last;
}

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

void UpDown::OnDestroy() {
  ReleaseArrow();
  buddy_ = nullptr;
  Window::OnDestroy();
}

int UpDown::Clamp(int pos) const { return std::clamp(pos, std::min(lower_, upper_), std::max(lower_, upper_)); }

void UpDown::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  pos_ = Clamp(pos_);
}

void UpDown::GetRange(int& lower, int& upper) const {
  lower = lower_;
  upper = upper_;
}

int UpDown::SetPos(int pos) {
  const int previous = GetPos();
  pos_ = Clamp(pos);
  Invalidate();
  // The buddy's change notification reaches the dialog as a user's typing would.
  if (buddy_) buddy_->SetWindowText(std::to_string(pos_));
  return previous;
}

int UpDown::GetPos() const {
  int typed = 0;
  if (buddy_ && ReadWholeNumber(buddy_->GetWindowText(), typed)) return Clamp(typed);
  return pos_;
}

void UpDown::SetBuddy(Window* buddy) { buddy_ = buddy; }

void UpDown::SetAccel(std::vector<UdAccel> table) {
  std::stable_sort(table.begin(), table.end(), [](const UdAccel& a, const UdAccel& b) { return a.seconds < b.seconds; });
  accel_ = std::move(table);
}

int UpDown::IncrementAfter(unsigned heldMs) const {
  int increment = 1;
  for (const UdAccel& entry : accel_) {
    if (entry.seconds < 0 || static_cast<unsigned>(entry.seconds) * 1000u > heldMs) break;
    increment = entry.increment;
  }
  return increment;
}

bool UpDown::StepAsUser(int direction) {
  if (!detail::IsUsable(*this) || direction == 0) return false;
  const int increment = IncrementAfter(heldDirection_ != 0 ? heldMs_ : 0);
  const bool up = (direction > 0) == (upper_ >= lower_);
  const long long target = static_cast<long long>(GetPos()) + (up ? increment : -static_cast<long long>(increment));
  SetPos(static_cast<int>(std::clamp<long long>(target, std::min(lower_, upper_), std::max(lower_, upper_))));
  NotifyParent(UDN_DELTAPOS);
  return true;
}

bool UpDown::PressArrow(int direction) {
  ReleaseArrow();
  if (!StepAsUser(direction)) return false;
  heldDirection_ = direction;
  heldMs_ = 0;
  SetTimer(kRepeatTimer, kFirstRepeatMs);
  return true;
}

void UpDown::ReleaseArrow() {
  heldDirection_ = 0;
  heldMs_ = 0;
  if (IsTimerArmed(kRepeatTimer)) KillTimer(kRepeatTimer);
}

void UpDown::OnTimer(unsigned id) {
  if (id != kRepeatTimer) return Window::OnTimer(id);
  if (heldDirection_ == 0 || !detail::IsUsable(*this)) {
    ReleaseArrow();
    return;
  }
  heldMs_ += TimerInterval(kRepeatTimer);
  if (TimerInterval(kRepeatTimer) != kRepeatMs) SetTimer(kRepeatTimer, kRepeatMs);
  StepAsUser(heldDirection_);
}

}  // namespace fw
