#include "framework/Static.h"

#include <QMouseEvent>
#include <QWidget>

#include "framework/detail/Host.h"
#include "framework/detail/Usable.h"
#include "framework/detail/WindowImpl.h"

namespace fw {

namespace {

// Reports clicks when the static notifies; the input router hands it the presses no hook took.
class StaticWidget : public detail::Host<QWidget> {
 public:
  StaticWidget(Static* owner, QWidget* parent) : detail::Host<QWidget>(owner, parent), owner_(owner) {}

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if ((owner_->GetStyle() & CS_NOTIFY) && e->button() == Qt::LeftButton) owner_->NotifyParent(STN_CLICKED);
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if ((owner_->GetStyle() & CS_NOTIFY) && e->button() == Qt::LeftButton) owner_->NotifyParent(STN_DBLCLK);
  }

 private:
  Static* owner_;
};

unsigned TextFormat(uint32_t style) {
  unsigned format = DT_LEFT;
  if (style & CS_CENTER) format = DT_CENTER;
  if (style & CS_RIGHT) format = DT_RIGHT;
  if (style & CS_NOPREFIX) format |= DT_NOPREFIX;
  if (style & CS_CENTERIMAGE) {
    format |= DT_SINGLELINE | DT_VCENTER;
  } else if (style & CS_WORDWRAP_OFF) {
    format |= DT_SINGLELINE;
  } else {
    format |= DT_WORDBREAK;
  }
  return format;
}

}  // namespace

Static::Static() = default;
Static::~Static() = default;

detail::Native* Static::CreateNative(detail::Native* parent, const ControlTemplate& t) {
  picture_ = t.kind == ControlKind::Picture;
  if (picture_ && t.bitmapId) bitmap_ = Bitmap::Load(t.bitmapId);
  auto* widget = new StaticWidget(this, detail::AsWidget(parent));
  if (t.style & CS_BORDER) {
    // The border lies outside the client area, where children (pages) go.
    auto* client = new QWidget(widget);
    client->setGeometry(1, 1, std::max(0, t.units.Width() - 2), std::max(0, t.units.Height() - 2));
    client->setMouseTracking(true);
    Impl().client = client;
    Impl().clientOffset = {1, 1};
  }
  return detail::AsNative(widget);
}

void Static::OnCreated() {
  if (picture_ && !bitmap_.IsNull()) SetBitmap(bitmap_);
}

Bitmap Static::SetBitmap(const Bitmap& bitmap) {
  Bitmap previous = bitmap_;
  bitmap_ = bitmap;
  picture_ = true;
  // A picture that is not centred gives the control its own size, as the classic control does.
  if (IsCreated() && !(GetStyle() & CS_CENTERIMAGE) && !bitmap.IsNull()) {
    const Rect r = GetWindowRect();
    const Point o = Impl().clientOffset;
    MoveWindow(Rect::FromXYWH(r.left, r.top, bitmap.Width() + 2 * o.x, bitmap.Height() + 2 * o.y));
  }
  Invalidate();
  return previous;
}

bool Static::Click() {
  if (!(GetStyle() & CS_NOTIFY) || !detail::IsUsable(*this)) return false;
  NotifyParent(STN_CLICKED);
  return true;
}

void Static::DefaultPaint(DeviceContext& dc) {
  const Brush brush = QueryColours(dc, CtlColor::Static);
  const Rect client = GetClientRect();
  if (GetStyle() & CS_BORDER) {
    const Point o = Impl().clientOffset;
    const Pen pen = dc.SelectPen(Pen::Solid(1, colours::kBlack));
    const Brush fill = dc.SelectBrush(Brush::Hollow());
    dc.Rectangle(client.Inflated(o.x, o.y));
    dc.SelectPen(pen);
    dc.SelectBrush(fill);
  }
  dc.FillRect(client, brush);
  if (picture_) {
    if (bitmap_.IsNull()) return;
    Point at{0, 0};
    if (GetStyle() & CS_CENTERIMAGE) {
      at = {(client.Width() - bitmap_.Width()) / 2, (client.Height() - bitmap_.Height()) / 2};
    }
    dc.DrawBitmap(bitmap_, at);
    return;
  }
  if (!IsWindowEnabled()) dc.SetTextColor(colours::kGrayText);
  dc.DrawText(GetWindowText(), client, TextFormat(GetStyle()));
}

bool Static::IsMouseTransparent() const { return !(GetStyle() & CS_NOTIFY) || Window::IsMouseTransparent(); }

}  // namespace fw
