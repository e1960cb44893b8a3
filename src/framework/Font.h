#pragma once
// A font description in the classic framework's terms. The height is in pixels: negative means the
// character height (the em size), positive the cell height; 0 means the default size.
#include <string>

#include "framework/Geometry.h"

namespace fw {

enum FontWeight { FW_NORMAL = 400, FW_BOLD = 700 };

class Font {
 public:
  Font() = default;
  Font(std::string face, int height, int weight = FW_NORMAL, bool underline = false, bool italic = false)
      : face_(std::move(face)), height_(height), weight_(weight), underline_(underline), italic_(italic) {}

  // The height a point size gives at the fixed 96 dots per inch (10 pt -> -13).
  static Font FromPointSize(std::string face, int points, int weight = FW_NORMAL);

  const std::string& Face() const { return face_; }
  int Height() const { return height_; }
  int Weight() const { return weight_; }
  bool Underline() const { return underline_; }
  bool Italic() const { return italic_; }
  bool IsNull() const { return face_.empty() && height_ == 0; }

  Font WithWeight(int weight) const { Font f(*this); f.weight_ = weight; return f; }
  Font WithHeight(int height) const { Font f(*this); f.height_ = height; return f; }
  Font WithUnderline(bool underline) const { Font f(*this); f.underline_ = underline; return f; }

  std::string ToString() const;
  friend bool operator==(const Font&, const Font&) = default;

 private:
  std::string face_;
  int height_ = 0;
  int weight_ = FW_NORMAL;
  bool underline_ = false;
  bool italic_ = false;
};

// The size `text` takes on one line in `font`, as a device context would measure it.
Size MeasureText(const Font& font, const std::string& text);

}  // namespace fw
