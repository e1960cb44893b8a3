#include "framework/Bitmap.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <atomic>
#include <mutex>

#include "framework/DeviceContext.h"
#include "framework/Window.h"
#include "framework/detail/BitmapAccess.h"
#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"
#include "framework/detail/WindowImpl.h"

namespace fw {

namespace {
std::atomic<int> g_resourceDecodes{0};

QString ResourcePath(int id) { return QStringLiteral(":/bitmaps/%1.png").arg(id); }
QString FineResourcePath(int id) { return QStringLiteral(":/bitmaps/%1@2x.png").arg(id); }

// A resource picture's copy at twice the size. Most screens never show it, so it is decoded only
// the first time one that does asks for it; copies of the loaded picture share it, so it is decoded
// once however many windows show the picture.
class FineCopy {
 public:
  FineCopy(int id, QSize plainSize) : id_(id), plainSize_(plainSize) {}

  // Empty when the resource has no such copy, or one that is not twice the size.
  const QImage& Image() {
    std::lock_guard lock(mutex_);
    if (!decoded_) {
      decoded_ = true;
      QImage fine(FineResourcePath(id_));
      if (!fine.isNull()) ++g_resourceDecodes;
      if (fine.size() == plainSize_ * 2) {
        fine.convertTo(QImage::Format_RGB32);
        image_ = std::move(fine);
      }
    }
    return image_;
  }

  bool Decoded() {
    std::lock_guard lock(mutex_);
    return decoded_;
  }

 private:
  std::mutex mutex_;
  const int id_;
  const QSize plainSize_;
  bool decoded_ = false;
  QImage image_;
};
}  // namespace

struct Bitmap::Impl {
  QImage image;
  std::shared_ptr<FineCopy> fine;  // null when there is none (or the picture was changed)
  int resourceId = 0;
  bool placeholder = false;
};

Bitmap::Bitmap() = default;
Bitmap::Bitmap(const Bitmap& o) : impl_(o.impl_ ? std::make_unique<Impl>(*o.impl_) : nullptr) {}
Bitmap& Bitmap::operator=(const Bitmap& o) {
  if (this != &o) impl_ = o.impl_ ? std::make_unique<Impl>(*o.impl_) : nullptr;
  return *this;
}
Bitmap::Bitmap(Bitmap&&) noexcept = default;
Bitmap& Bitmap::operator=(Bitmap&&) noexcept = default;
Bitmap::~Bitmap() = default;

Bitmap Bitmap::Load(int id, Size placeholder) {
  Bitmap b;
  b.impl_ = std::make_unique<Impl>();
  b.impl_->resourceId = id;
  QImage image(ResourcePath(id));
  if (image.isNull()) {
    const QSize size(placeholder.cx > 0 ? placeholder.cx : 1, placeholder.cy > 0 ? placeholder.cy : 1);
    image = QImage(size, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    b.impl_->placeholder = true;
  } else {
    ++g_resourceDecodes;
  }
  // In place: a second copy of a large picture would only raise the peak.
  image.convertTo(QImage::Format_RGB32);
  if (!b.impl_->placeholder) b.impl_->fine = std::make_shared<FineCopy>(id, image.size());
  b.impl_->image = std::move(image);
  return b;
}

bool Bitmap::Exists(int id) { return QFile::exists(ResourcePath(id)); }

int Bitmap::ResourceDecodes() { return g_resourceDecodes.load(); }

Bitmap Bitmap::Create(Size size, Colour fill) {
  Bitmap b;
  b.impl_ = std::make_unique<Impl>();
  b.impl_->image = QImage(std::max(1, size.cx), std::max(1, size.cy), QImage::Format_RGB32);
  b.impl_->image.fill(detail::ToQt(fill));
  return b;
}

Bitmap Bitmap::FromFile(const std::string& path) {
  QImage image(detail::ToQt(path));
  if (image.isNull()) return {};
  return detail::BitmapFromImage(image.convertToFormat(QImage::Format_RGB32));
}

Bitmap Bitmap::FromWindow(const Window& window, const Rect& region) {
  QWidget* widget = detail::WidgetOf(&window);
  if (!widget || region.IsRectEmpty()) return {};
  const Point offset = window.Impl().clientOffset;
  return detail::BitmapFromImage(
      widget->grab(detail::ToQt(region.Offset(offset.x, offset.y))).toImage().convertToFormat(QImage::Format_RGB32));
}

Bitmap Bitmap::FromWindowWithPopups(const Window& window) {
  QWidget* widget = detail::WidgetOf(&window);
  if (!widget) return {};
  QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
  QPainter painter(&image);
  for (QWidget* popup : widget->window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (popup->isWindow() && popup->isVisible()) painter.drawPixmap(popup->geometry().topLeft() - origin, popup->grab());
  }
  painter.end();
  return detail::BitmapFromImage(image);
}

Bitmap Bitmap::FromBackground(const Window& window) {
  QWidget* widget = detail::WidgetOf(&window);
  if (!widget) return {};
  auto& impl = window.Impl();
  // While the window paints, what lies under it is already on the device it paints on.
  if (impl.painting) {
    Bitmap under = impl.painting->CopyRegion(window.GetClientRect());
    if (!under.IsNull()) return under;
  }
  QWidget* top = widget->window();
  const QRect area(widget->mapTo(top, QPoint(0, 0)), widget->size());
  QImage image(area.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  // The window itself paints nothing while its background is taken.
  const bool before = impl.suppressPaint;
  impl.suppressPaint = true;
  {
    QPainter painter(&image);
    top->render(&painter, QPoint(0, 0), QRegion(area), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  }
  impl.suppressPaint = before;
  return detail::BitmapFromImage(image);
}

bool Bitmap::IsNull() const { return !impl_ || impl_->image.isNull(); }
bool Bitmap::HasFineImage() const { return detail::FineImageOf(*this) != nullptr; }
bool Bitmap::FineImageDecoded() const { return impl_ && impl_->fine && impl_->fine->Decoded(); }
Bitmap Bitmap::FineImage() const {
  const QImage* fine = detail::FineImageOf(*this);
  return fine ? detail::BitmapFromImage(*fine) : Bitmap();
}
bool Bitmap::IsPlaceholder() const { return impl_ && impl_->placeholder; }
int Bitmap::ResourceId() const { return impl_ ? impl_->resourceId : 0; }
int Bitmap::Width() const { return impl_ ? impl_->image.width() : 0; }
int Bitmap::Height() const { return impl_ ? impl_->image.height() : 0; }

Colour Bitmap::GetPixel(int x, int y) const {
  if (!impl_ || !impl_->image.valid(x, y)) return colours::kBlack;
  return detail::FromQt(QColor(impl_->image.pixel(x, y)));
}

void Bitmap::SetPixel(int x, int y, Colour c) {
  if (!impl_ || !impl_->image.valid(x, y)) return;
  impl_->image.setPixel(x, y, qRgb(c.r, c.g, c.b));
  impl_->fine.reset();  // no longer the same picture
}

Bitmap Bitmap::Copy(const Rect& region) const {
  if (IsNull()) return {};
  const QRect clipped = detail::ToQt(region).intersected(impl_->image.rect());
  if (clipped.isEmpty()) return {};
  return detail::BitmapFromImage(impl_->image.copy(clipped));
}

bool Bitmap::SavePng(const std::string& path) const {
  return !IsNull() && impl_->image.save(detail::ToQt(path), "PNG");
}

namespace detail {

const QImage& ImageOf(const Bitmap& bitmap) {
  static const QImage empty;
  return bitmap.impl() ? bitmap.impl()->image : empty;
}

const QImage* FineImageOf(const Bitmap& bitmap) {
  if (!bitmap.impl() || !bitmap.impl()->fine) return nullptr;
  const QImage& fine = bitmap.impl()->fine->Image();
  return fine.isNull() ? nullptr : &fine;
}

Bitmap BitmapFromImage(const QImage& image) {
  Bitmap b = Bitmap::Create({1, 1}, colours::kBlack);
  b.impl()->image = image;
  return b;
}

}  // namespace detail
}  // namespace fw
