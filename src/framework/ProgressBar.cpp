#include "framework/ProgressBar.h"

#include <utility>
#include <QProgressBar>
#include <algorithm>

#include "framework/detail/Host.h"

namespace fw {

namespace {
QProgressBar* Bar(const Window* w) { return static_cast<QProgressBar*>(detail::WidgetOf(w)); }
}  // namespace

ProgressBar::ProgressBar() = default;
ProgressBar::~ProgressBar() = default;

detail::Native* ProgressBar::CreateNative(detail::Native* parent, const ControlTemplate& t) {
  auto* bar = new detail::Host<QProgressBar>(this, detail::AsWidget(parent));
  bar->setTextVisible(false);
  bar->setOrientation((t.style & CS_VERTICAL) ? Qt::Vertical : Qt::Horizontal);
  bar->setRange(lower_, upper_);
  bar->setValue(pos_);
  return detail::AsNative(bar);
}

void ProgressBar::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = std::max(lower, upper);
  pos_ = std::clamp(pos_, lower_, upper_);
  if (QProgressBar* bar = Bar(this)) {
    bar->setRange(lower_, upper_);
    bar->setValue(pos_);
  }
}

void ProgressBar::GetRange(int& lower, int& upper) const {
  lower = lower_;
  upper = upper_;
}

int ProgressBar::SetPos(int pos) {
  const int previous = pos_;
  pos_ = std::clamp(pos, lower_, upper_);
  if (QProgressBar* bar = Bar(this)) bar->setValue(pos_);
  return previous;
}

int ProgressBar::GetPos() const { return pos_; }

int ProgressBar::SetStep(int step) { return std::exchange(step_, step); }

int ProgressBar::StepIt() {
  const int previous = pos_;
  int next = pos_ + step_;
  if (next > upper_) next = lower_ + (next - upper_);  // starts over from the beginning
  SetPos(next);
  return previous;
}

}  // namespace fw
