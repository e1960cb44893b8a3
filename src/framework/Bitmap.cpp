#include "framework/Bitmap.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <atomic>
#include <list>
#include <mutex>
#include <utility>

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

// Our pictures are PNGs: a reader left to guess the format would load every image plugin of the
// toolkit to ask each one. `read` gets the reader of the picture at `path`; an empty answer when
// there is no such picture.
template <typename Read>
auto ReadPng(const QString& path, Read read) -> decltype(read(std::declval<QImageReader&>())) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&file, "png");
  reader.setAutoDetectImageFormat(false);
  return read(reader);
}

QImage DecodePng(const QString& path) {
  return ReadPng(path, [](QImageReader& reader) { return reader.read(); });
}

// From the header alone.
QSize PngSize(const QString& path) {
  return ReadPng(path, [](QImageReader& reader) { return reader.size(); });
}

// The format the screen keeps its pixels in, as the windows' backing stores do: a picture in it is
// copied onto them as it is, with nothing converted while painting. A format of fewer than 8 bits a
// colour would change the picture itself, so then plain 32-bit RGB.
QImage::Format SurfaceFormat() {
  static const QImage::Format format = [] {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return QImage::Format_RGB32;
    const QImage::Format screen = QPixmap(1, 1).toImage().format();
    const QPixelFormat pixel = QImage::toPixelFormat(screen);
    const bool full = pixel.colorModel() == QPixelFormat::RGB && pixel.redSize() == 8 && pixel.greenSize() == 8 &&
                      pixel.blueSize() == 8;
    return full ? screen : QImage::Format_RGB32;
  }();
  return format;
}

// In place: a second copy of a large picture would only raise the peak.
void ToSurfaceFormat(QImage& image) { image.convertTo(SurfaceFormat()); }

// What is made from a picture once and then shared by every copy of it, so that neither a window
// showing it nor a repaint makes it again: the copy at twice the size (of a resource picture) and
// the copies with a colour made transparent.
class DerivedCopies {
 public:
  DerivedCopies() = default;  // no copy at twice the size
  DerivedCopies(int id, QSize plainSize) : id_(id), plainSize_(plainSize) {}

  // Whether there is a copy at twice the size: a resource "<id>@2x.png" of exactly that size. Its
  // header tells, so asking decodes nothing.
  bool HasFine() {
    std::lock_guard lock(mutex_);
    if (fineDecoded_) return !fine_.isNull();
    if (id_ == 0) return false;
    if (!fineChecked_) {
      fineChecked_ = true;
      fineFits_ = Fits(PngSize(FineResourcePath(id_)));
    }
    return fineFits_;
  }

  // Decoded by the first call; empty when there is none (or one of another size).
  const QImage& Fine() {
    std::lock_guard lock(mutex_);
    if (!fineDecoded_ && id_ != 0) {
      fineDecoded_ = true;
      QImage fine = DecodePng(FineResourcePath(id_));
      if (!fine.isNull()) ++g_resourceDecodes;
      if (Fits(fine.size())) {
        ToSurfaceFormat(fine);
        fine_ = std::move(fine);
      }
    }
    return fine_;
  }

  bool FineDecoded() {
    std::lock_guard lock(mutex_);
    return fineDecoded_;
  }

  // `source` (this picture or its copy at twice the size) with every pixel of colour `key` made
  // transparent, premultiplied as the toolkit blends it onto a window without converting it.
  const QImage& WithoutKey(const QImage& source, Colour key) {
    std::lock_guard lock(mutex_);
    const QRgb rgb = qRgb(key.r, key.g, key.b);
    for (const Keyed& k : keyed_) {
      if (k.source == source.cacheKey() && k.key == rgb) return k.image;
    }
    // A picture changed since leaves a copy of the same size and key behind: it is replaced.
    std::erase_if(keyed_, [&](const Keyed& k) { return k.key == rgb && k.image.size() == source.size(); });
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        if ((line[x] & 0x00FFFFFF) == (rgb & 0x00FFFFFF)) line[x] = 0;
      }
    }
    keyed_.push_back({source.cacheKey(), rgb, std::move(image)});
    return keyed_.back().image;
  }

 private:
  bool Fits(QSize fine) const { return fine == plainSize_ * 2; }

  struct Keyed {
    qint64 source;
    QRgb key;
    QImage image;
  };
  std::mutex mutex_;
  const int id_ = 0;
  const QSize plainSize_;
  bool fineChecked_ = false;
  bool fineFits_ = false;
  bool fineDecoded_ = false;
  QImage fine_;
  std::list<Keyed> keyed_;  // a list: a reference handed out stays valid as others are added
};

}  // namespace

struct Bitmap::Impl {
  QImage image;
  std::shared_ptr<DerivedCopies> derived = std::make_shared<DerivedCopies>();
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
  QImage image = DecodePng(ResourcePath(id));
  if (image.isNull()) {
    const QSize size(placeholder.cx > 0 ? placeholder.cx : 1, placeholder.cy > 0 ? placeholder.cy : 1);
    image = QImage(size, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    b.impl_->placeholder = true;
  } else {
    ++g_resourceDecodes;
    b.impl_->derived = std::make_shared<DerivedCopies>(id, image.size());
  }
  ToSurfaceFormat(image);
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
bool Bitmap::HasFineImage() const { return impl_ && impl_->derived->HasFine(); }
bool Bitmap::FineImageDecoded() const { return impl_ && impl_->derived->FineDecoded(); }
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
  impl_->derived = std::make_shared<DerivedCopies>();  // no longer the same picture
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
  if (!bitmap.impl()) return nullptr;
  const QImage& fine = bitmap.impl()->derived->Fine();
  return fine.isNull() ? nullptr : &fine;
}

const QImage& WithoutKey(const Bitmap& bitmap, const QImage& image, Colour key) {
  return bitmap.impl()->derived->WithoutKey(image, key);
}

Bitmap BitmapFromImage(const QImage& image) {
  Bitmap b = Bitmap::Create({1, 1}, colours::kBlack);
  b.impl()->image = image;
  return b;
}

}  // namespace detail
}  // namespace fw
