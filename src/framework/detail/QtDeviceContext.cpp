#include "framework/detail/QtDeviceContext.h"

#include <utility>
#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>
#include <QTextLayout>
#include <QWidget>

#include "framework/detail/BitmapAccess.h"
#include "framework/detail/Convert.h"

namespace fw::detail {

int QtTextFlags(unsigned format) {
  int flags = 0;
  if (format & DT_CENTER) {
    flags |= Qt::AlignHCenter;
  } else if (format & DT_RIGHT) {
    flags |= Qt::AlignRight;
  } else {
    flags |= Qt::AlignLeft;
  }
  if (format & DT_SINGLELINE) {
    flags |= Qt::TextSingleLine;
    if (format & DT_VCENTER) {
      flags |= Qt::AlignVCenter;
    } else if (format & DT_BOTTOM) {
      flags |= Qt::AlignBottom;
    } else {
      flags |= Qt::AlignTop;
    }
  } else {
    flags |= Qt::AlignTop;
  }
  if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
  if (!(format & DT_NOPREFIX)) flags |= Qt::TextShowMnemonic;
  return flags;
}

QRect TextPlace(const QFont& font, const QString& text, const QRect& r, int flags) {
  // Only a line that a fallback font (the CJK scripts) makes taller than the chosen font's moves.
  const QFontMetrics metrics(font);
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode((flags & Qt::TextWordWrap) && !(flags & Qt::TextSingleLine) ? QTextOption::WordWrap
                                                                                 : QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid()) line.setLineWidth(r.width());
  const bool oneLine = line.isValid() && ((flags & Qt::TextSingleLine) || !text.contains(QLatin1Char('\n'))) && !layout.createLine().isValid();
  layout.endLayout();
  if (!oneLine) return r;
  const double ascent = line.ascent(), descent = line.descent();
  if (ascent + descent <= metrics.ascent() + metrics.descent() + 0.5) return r;
  double shift = metrics.ascent() - ascent;  // top: the chosen font's baseline
  if (flags & Qt::AlignVCenter) {
    shift = (ascent + descent - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent() - ascent;
  } else if (flags & Qt::AlignBottom) {
    shift = descent - metrics.descent();
  }
  return r.translated(0, static_cast<int>(shift < 0 ? shift - 0.5 : shift + 0.5));
}

QtDeviceContext::QtDeviceContext(QWidget* device, Point origin, std::function<void()> basePaint, Font font)
    : device_(device), origin_(origin), basePaint_(std::move(basePaint)) {
  state_.font = std::move(font);
}

QtDeviceContext::QtDeviceContext(QImage* image, Font font) : image_(image) { state_.font = std::move(font); }

QtDeviceContext::QtDeviceContext(QPainter* active, Point origin, Font font) : origin_(origin), external_(active) {
  state_.font = std::move(font);
  external_->save();
  external_->translate(origin_.x, origin_.y);
}

QtDeviceContext::~QtDeviceContext() {
  if (external_) external_->restore();
}

QPainter& QtDeviceContext::P() {
  if (external_) return *external_;
  if (!painter_) {
    painter_ = std::make_unique<QPainter>();
    if (image_) {
      painter_->begin(image_);
    } else {
      painter_->begin(device_);
    }
    painter_->translate(origin_.x, origin_.y);
    ApplyClip();
  }
  return *painter_;
}

void QtDeviceContext::ApplyClip() {
  QPainter* p = external_ ? external_ : painter_.get();
  if (!p) return;
  if (!external_) p->setClipping(false);
  for (const Rect& r : state_.clips) p->setClipRect(ToQt(r), Qt::IntersectClip);
}

void QtDeviceContext::PaintDefault() {
  if (!basePaint_ || external_) return;
  painter_.reset();  // the widget's own painting needs the device to itself
  basePaint_();
}

void QtDeviceContext::FillSolidRect(const Rect& r, Colour c) {
  P().fillRect(ToQt(r), ToQt(c));
}

void QtDeviceContext::FillRect(const Rect& r, const Brush& brush) {
  switch (brush.GetKind()) {
    case Brush::Kind::Solid:
      P().fillRect(ToQt(r), ToQt(brush.GetColour()));
      break;
    case Brush::Kind::Pattern: {
      const QImage& image = ImageOf(brush.GetBitmap());
      if (image.isNull()) break;
      QBrush pattern(image);
      P().save();
      P().setBrushOrigin(0, 0);
      P().fillRect(ToQt(r), pattern);
      P().restore();
      break;
    }
    case Brush::Kind::None:
    case Brush::Kind::Hollow:
      break;
  }
}

namespace {
void ApplyTools(QPainter& p, const Pen& pen, const Brush& brush) {
  if (pen.style == PenStyle::Null) {
    p.setPen(Qt::NoPen);
  } else {
    QPen qpen(ToQt(pen.colour));
    qpen.setWidth(std::max(1, pen.width));
    qpen.setStyle(pen.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    p.setPen(qpen);
  }
  if (brush.GetKind() == Brush::Kind::Solid) {
    p.setBrush(ToQt(brush.GetColour()));
  } else if (brush.GetKind() == Brush::Kind::Pattern && !brush.GetBitmap().IsNull()) {
    p.setBrush(QBrush(ImageOf(brush.GetBitmap())));
  } else {
    p.setBrush(Qt::NoBrush);
  }
}

// The outline of a shape drawn inside r (right and bottom exclusive) with a pen of `width`.
QRectF OutlineRect(const Rect& r, int width) {
  const double half = std::max(1, width) / 2.0;
  return QRectF(r.left + half, r.top + half, r.Width() - 2 * half, r.Height() - 2 * half);
}
}  // namespace

void QtDeviceContext::Rectangle(const Rect& r) {
  QPainter& p = P();
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  ApplyTools(p, state_.pen, state_.brush);
  p.drawRect(OutlineRect(r, state_.pen.width));
  p.restore();
}

void QtDeviceContext::RoundRect(const Rect& r, Size ellipse) {
  QPainter& p = P();
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  ApplyTools(p, state_.pen, state_.brush);
  p.drawRoundedRect(OutlineRect(r, state_.pen.width), ellipse.cx / 2.0, ellipse.cy / 2.0);
  p.restore();
}

void QtDeviceContext::Line(Point from, Point to) {
  QPainter& p = P();
  p.save();
  ApplyTools(p, state_.pen, Brush::Hollow());
  p.drawLine(ToQt(from), ToQt(to));
  p.restore();
}

void QtDeviceContext::DrawEdge(const Rect& r, Edge edge, unsigned sides) {
  // Two rings of one pixel each: outer and inner, with light on the top-left for a raised edge.
  struct Ring {
    Colour topLeft, bottomRight;
  };
  Ring outer{}, inner{};
  switch (edge) {
    case Edge::Raised:
      outer = {colours::kButtonLight, colours::kButtonDarkShadow};
      inner = {colours::kButtonHighlight, colours::kButtonShadow};
      break;
    case Edge::Sunken:
      outer = {colours::kButtonShadow, colours::kButtonHighlight};
      inner = {colours::kButtonDarkShadow, colours::kButtonLight};
      break;
    case Edge::Etched:
      outer = {colours::kButtonShadow, colours::kButtonHighlight};
      inner = {colours::kButtonHighlight, colours::kButtonShadow};
      break;
    case Edge::Bump:
      outer = {colours::kButtonLight, colours::kButtonDarkShadow};
      inner = {colours::kButtonShadow, colours::kButtonHighlight};
      break;
  }
  QPainter& p = P();
  Rect ring = r;
  for (const Ring& colours : {outer, inner}) {
    if (ring.IsRectEmpty()) break;
    if (sides & BF_TOP) p.fillRect(QRect(ring.left, ring.top, ring.Width(), 1), ToQt(colours.topLeft));
    if (sides & BF_LEFT) p.fillRect(QRect(ring.left, ring.top, 1, ring.Height()), ToQt(colours.topLeft));
    if (sides & BF_BOTTOM) p.fillRect(QRect(ring.left, ring.bottom - 1, ring.Width(), 1), ToQt(colours.bottomRight));
    if (sides & BF_RIGHT) p.fillRect(QRect(ring.right - 1, ring.top, 1, ring.Height()), ToQt(colours.bottomRight));
    ring.DeflateRect(1, 1);
  }
}

void QtDeviceContext::DrawFocusRect(const Rect& r) {
  QPainter& p = P();
  p.save();
  QPen pen(Qt::black);
  pen.setStyle(Qt::DotLine);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
  p.restore();
}

void QtDeviceContext::DrawComboArrow(const Rect& r, unsigned state) {
  FillSolidRect(r, colours::kButtonFace);
  if (state & ARROW_FLAT) {
    const Pen before = SelectPen(Pen::Solid(1, colours::kButtonShadow));
    const Brush brush = SelectBrush(Brush::Hollow());
    Rectangle(r);
    SelectBrush(brush);
    SelectPen(before);
  } else {
    DrawEdge(r, (state & ARROW_PUSHED) ? Edge::Sunken : Edge::Raised, BF_RECT);
  }
  const int width = std::max(3, std::min(r.Width(), r.Height()) / 2) | 1;
  const Point centre = r.CenterPoint();
  const int shift = (state & (ARROW_PUSHED | ARROW_FLAT)) ? 1 : 0;
  QPolygon triangle;
  triangle << QPoint(centre.x - width / 2 + shift, centre.y - width / 4 + shift)
           << QPoint(centre.x + width / 2 + shift, centre.y - width / 4 + shift)
           << QPoint(centre.x + shift, centre.y + width / 4 + 1 + shift);
  QPainter& p = P();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(ToQt((state & ARROW_INACTIVE) ? colours::kGrayText : colours::kBlack));
  p.drawPolygon(triangle);
  p.restore();
}

Pen QtDeviceContext::SelectPen(const Pen& pen) { return std::exchange(state_.pen, pen); }
Brush QtDeviceContext::SelectBrush(const Brush& brush) { return std::exchange(state_.brush, brush); }
Font QtDeviceContext::SelectFont(const Font& font) { return std::exchange(state_.font, font); }

int QtDeviceContext::DrawText(const std::string& text, Rect& r, unsigned format) {
  const QFont font = ToQt(state_.font);
  QFontMetrics metrics(font);
  QString qtext = ToQt(text);
  const int flags = QtTextFlags(format);
  if ((format & DT_END_ELLIPSIS) && (format & DT_SINGLELINE)) {
    qtext = metrics.elidedText(qtext, Qt::ElideRight, std::max(0, r.Width()), flags & Qt::TextShowMnemonic);
  }
  const QRect bounds = metrics.boundingRect(ToQt(r), flags, qtext);
  if (format & DT_CALCRECT) {
    r.right = r.left + bounds.width();
    r.bottom = r.top + bounds.height();
    return bounds.height();
  }
  QPainter& p = P();
  p.save();
  p.setFont(font);
  if (state_.mode == BkMode::Opaque) p.fillRect(bounds.intersected(ToQt(r)), ToQt(state_.background));
  p.setPen(ToQt(state_.text));
  // Cut at `r` itself: the toolkit would cut at the place it is given, which may lie higher.
  p.setClipRect(ToQt(r), Qt::IntersectClip);
  p.drawText(TextPlace(font, qtext, ToQt(r), flags), flags | Qt::TextDontClip, qtext);
  p.restore();
  return bounds.height();
}

Size QtDeviceContext::GetTextExtent(const std::string& text) {
  QFontMetrics metrics(ToQt(state_.font));
  return {metrics.horizontalAdvance(ToQt(text)), metrics.height()};
}

Colour QtDeviceContext::SetTextColor(Colour c) { return std::exchange(state_.text, c); }
Colour QtDeviceContext::SetBkColor(Colour c) { return std::exchange(state_.background, c); }
BkMode QtDeviceContext::SetBkMode(BkMode mode) { return std::exchange(state_.mode, mode); }

// The picture to draw: the one drawn at twice the size on a screen of device pixel ratio 2 or more,
// where it lands pixel for pixel; else the plain one, so that other screens show exactly that (and
// never decode the fine one).
const QImage& QtDeviceContext::PictureFor(const Bitmap& bitmap) {
  // The pixels the painter writes: the backing store, or the picture a grab renders into.
  QPainter& p = P();
  QPaintDevice* device = p.paintEngine() ? p.paintEngine()->paintDevice() : p.device();
  if (device && device->devicePixelRatioF() >= 2) {
    if (const QImage* fine = FineImageOf(bitmap)) return *fine;
  }
  return ImageOf(bitmap);
}

void QtDeviceContext::DrawBitmap(const Bitmap& bitmap, Point at) {
  if (bitmap.IsNull()) return;
  DrawPicture(QRect(ToQt(at), QSize(bitmap.Width(), bitmap.Height())), PictureFor(bitmap));
}

void QtDeviceContext::StretchBitmap(const Bitmap& bitmap, const Rect& dest) {
  if (bitmap.IsNull()) return;
  DrawPicture(ToQt(dest), PictureFor(bitmap));
}

void QtDeviceContext::DrawTransparent(const Bitmap& bitmap, const Rect& dest, Colour transparent) {
  if (bitmap.IsNull()) return;
  DrawPicture(ToQt(dest), WithoutKey(bitmap, PictureFor(bitmap), transparent));
}

// A repaint lets a window write only where its opaque children do not cover it: a region of many
// rectangles. Into such a region the toolkit draws a picture span by span and hands a long list of
// spans to a pool of threads it starts for that; into one rectangle it copies the picture on this
// thread. So the picture goes in one rectangle of the region at a time.
void QtDeviceContext::DrawPicture(const QRect& dest, const QImage& image) {
  QPainter& p = P();
  const QTransform toDevice = p.deviceTransform();
  QPaintEngine* engine = p.paintEngine();
  if (!engine || toDevice.type() > QTransform::TxScale) {
    p.drawImage(dest, image);
    return;
  }
  QRegion area(toDevice.mapRect(QRectF(dest)).toAlignedRect());
  if (!engine->systemClip().isEmpty()) area &= engine->systemClip();
  if (p.hasClipping()) area &= toDevice.map(p.clipRegion());
  const QTransform toLogical = toDevice.inverted();
  for (const QRect& piece : area) {
    p.save();
    p.setClipRect(toLogical.mapRect(QRectF(piece)), Qt::ReplaceClip);
    p.drawImage(dest, image);
    p.restore();
  }
}

void QtDeviceContext::DrawImage(const ImageList& list, int index, Point at) {
  const Bitmap image = list.GetImage(index);
  if (image.IsNull()) return;
  if (list.Transparent()) {
    DrawTransparent(image, Rect::FromXYWH(at.x, at.y, image.Width(), image.Height()), *list.Transparent());
  } else {
    DrawBitmap(image, at);
  }
}

void QtDeviceContext::IntersectClipRect(const Rect& r) {
  state_.clips.push_back(r);
  ApplyClip();
}

int QtDeviceContext::SaveDC() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

void QtDeviceContext::RestoreDC(int saved) {
  if (saved < 1 || saved > static_cast<int>(saved_.size())) return;
  state_ = saved_[static_cast<size_t>(saved - 1)];
  saved_.resize(static_cast<size_t>(saved - 1));
  ApplyClip();
}

Bitmap QtDeviceContext::CopyRegion(const Rect& region) {
  if (image_) return BitmapFromImage(image_->copy(ToQt(region.Offset(origin_.x, origin_.y))));
  // While a widget paints, its painter writes into the top-level window's backing store (or the
  // picture a grab renders into); what is there under the widget is what the parent and the
  // siblings below it painted.
  QPainter& p = P();
  QPaintDevice* target = p.paintEngine() ? p.paintEngine()->paintDevice() : nullptr;
  const QImage* store = nullptr;
  QImage fromPixmap;
  if (target && target->devType() == QInternal::Image) {
    store = static_cast<QImage*>(target);
  } else if (target && target->devType() == QInternal::Pixmap) {
    fromPixmap = static_cast<QPixmap*>(target)->toImage();
    store = &fromPixmap;
  }
  if (store) {
    const QRect mapped = p.deviceTransform().mapRect(QRectF(ToQt(region))).toAlignedRect();
    QImage copy = store->copy(mapped);
    if (copy.size() != QSize(region.Width(), region.Height())) copy = copy.scaled(region.Width(), region.Height());
    copy.setDevicePixelRatio(1.0);
    return BitmapFromImage(copy.convertToFormat(QImage::Format_RGB32));
  }
  return Bitmap::Create(region.GetSize(), colours::kWhite);
}

}  // namespace fw::detail
