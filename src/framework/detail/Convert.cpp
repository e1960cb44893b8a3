#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include "framework/detail/Convert.h"

namespace fw::detail {

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }
QRect ToQt(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
Rect FromQt(const QRect& r) { return Rect::FromXYWH(r.x(), r.y(), r.width(), r.height()); }
QPoint ToQt(Point p) { return QPoint(p.x, p.y); }
Point FromQt(const QPoint& p) { return {p.x(), p.y()}; }
QColor ToQt(Colour c) { return QColor(c.r, c.g, c.b); }
Colour FromQt(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

QFont ToQt(const Font& f) {
  QFont font(f.Face().empty() ? QStringLiteral("Arial") : ToQt(f.Face()));
  // A negative height is the character height; a positive one the cell height, of which the
  // character takes about five sixths.
  int pixels = f.Height() < 0 ? -f.Height() : f.Height() > 0 ? (f.Height() * 5 + 3) / 6 : 13;
  font.setPixelSize(pixels > 0 ? pixels : 1);
  font.setWeight(f.Weight() >= 600 ? QFont::Bold : QFont::Normal);
  font.setUnderline(f.Underline());
  font.setItalic(f.Italic());
  return font;
}

std::string StripMnemonic(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += text[i];
  }
  return out;
}

}  // namespace fw::detail
