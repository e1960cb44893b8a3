#pragma once
// Conversions between the framework's values and the toolkit's, for the framework's .cpp files
// (which include the toolkit's headers before this one).
#include <string>

#include "framework/Colour.h"
#include "framework/Font.h"
#include "framework/Geometry.h"

class QColor;
class QFont;
class QPoint;
class QRect;
class QSize;
class QString;

namespace fw::detail {

QString ToQt(const std::string& text);
std::string FromQt(const QString& text);
QRect ToQt(const Rect& r);
Rect FromQt(const QRect& r);
QPoint ToQt(Point p);
Point FromQt(const QPoint& p);
QColor ToQt(Colour c);
Colour FromQt(const QColor& c);
QFont ToQt(const Font& f);
// "&&" -> "&" and a single '&' removed, as a mnemonic text shows.
std::string StripMnemonic(const std::string& text);

}  // namespace fw::detail
