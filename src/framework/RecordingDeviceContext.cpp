#include "framework/RecordingDeviceContext.h"

#include <utility>
#include <sstream>

namespace fw {

namespace {
const char* EdgeName(int edge) {
  switch (static_cast<Edge>(edge)) {
    case Edge::Raised: return "raised";
    case Edge::Sunken: return "sunken";
    case Edge::Etched: return "etched";
    case Edge::Bump: return "bump";
  }
  return "?";
}
// Without a real font, a text is measured as 7 pixels per character and 13 pixels high.
constexpr int kCharWidth = 7;
constexpr int kLineHeight = 13;
}  // namespace

std::string DrawCall::ToString() const {
  std::ostringstream out;
  out << op << " [" << rect.ToString() << "]";
  if (!text.empty()) out << " \"" << text << "\"";
  out << " " << colour.ToString();
  if (flags) out << " flags=0x" << std::hex << flags << std::dec;
  if (op == "DrawEdge") {
    out << " " << EdgeName(value);
  } else if (value) {
    out << " value=" << value;
  }
  return out.str();
}

RecordingDeviceContext::RecordingDeviceContext() = default;

std::vector<DrawCall> RecordingDeviceContext::Calls(const std::string& op) const {
  std::vector<DrawCall> out;
  for (const auto& c : calls_) {
    if (c.op == op) out.push_back(c);
  }
  return out;
}

std::string RecordingDeviceContext::ToString() const {
  std::string out;
  for (const auto& c : calls_) out += c.ToString() + "\n";
  return out;
}

std::vector<std::string> RecordingDeviceContext::Texts() const {
  std::vector<std::string> out;
  for (const auto& c : calls_) {
    if (c.op == "DrawText") out.push_back(c.text);
  }
  return out;
}

Colour RecordingDeviceContext::TextColourOf(const std::string& text) const {
  Colour found = colours::kBlack;
  for (const auto& c : calls_) {
    if (c.op == "DrawText" && c.text == text) found = c.colour;
  }
  return found;
}

void RecordingDeviceContext::FillSolidRect(const Rect& r, Colour c) { Record({"FillSolidRect", r, "", c, 0, 0}); }

void RecordingDeviceContext::FillRect(const Rect& r, const Brush& brush) {
  Record({"FillRect", r, brush.ToString(), brush.GetColour(), 0, 0});
}

void RecordingDeviceContext::Rectangle(const Rect& r) {
  Record({"Rectangle", r, state_.pen.ToString() + " / " + state_.brush.ToString(), state_.brush.GetColour(), 0,
          state_.pen.width});
}

void RecordingDeviceContext::RoundRect(const Rect& r, Size ellipse) {
  Record({"RoundRect", r, state_.pen.ToString() + " / " + state_.brush.ToString(), state_.brush.GetColour(),
          static_cast<unsigned>(ellipse.cx), ellipse.cy});
}

void RecordingDeviceContext::Line(Point from, Point to) {
  Record({"Line", Rect{from.x, from.y, to.x, to.y}, state_.pen.ToString(), state_.pen.colour, 0, state_.pen.width});
}

void RecordingDeviceContext::DrawEdge(const Rect& r, Edge edge, unsigned sides) {
  Record({"DrawEdge", r, "", {}, sides, static_cast<int>(edge)});
}

void RecordingDeviceContext::DrawFocusRect(const Rect& r) { Record({"DrawFocusRect", r, "", {}, 0, 0}); }

void RecordingDeviceContext::DrawComboArrow(const Rect& r, unsigned state) {
  Record({"DrawComboArrow", r, "", {}, state, 0});
}

Pen RecordingDeviceContext::SelectPen(const Pen& pen) {
  Record({"SelectPen", {}, pen.ToString(), pen.colour, 0, pen.width});
  return std::exchange(state_.pen, pen);
}

Brush RecordingDeviceContext::SelectBrush(const Brush& brush) {
  Record({"SelectBrush", {}, brush.ToString(), brush.GetColour(), 0, 0});
  return std::exchange(state_.brush, brush);
}

Font RecordingDeviceContext::SelectFont(const Font& font) {
  Record({"SelectFont", {}, font.ToString(), {}, 0, font.Height()});
  return std::exchange(state_.font, font);
}

int RecordingDeviceContext::DrawText(const std::string& text, Rect& r, unsigned format) {
  const int height = kLineHeight;
  if (format & DT_CALCRECT) {
    r.right = r.left + kCharWidth * static_cast<int>(text.size());
    r.bottom = r.top + height;
    return height;
  }
  Record({"DrawText", r, text, state_.text, format, static_cast<int>(state_.mode)});
  return height;
}

Size RecordingDeviceContext::GetTextExtent(const std::string& text) {
  return {kCharWidth * static_cast<int>(text.size()), kLineHeight};
}

Colour RecordingDeviceContext::SetTextColor(Colour c) { return std::exchange(state_.text, c); }
Colour RecordingDeviceContext::SetBkColor(Colour c) { return std::exchange(state_.background, c); }
BkMode RecordingDeviceContext::SetBkMode(BkMode mode) { return std::exchange(state_.mode, mode); }

void RecordingDeviceContext::DrawBitmap(const Bitmap& bitmap, Point at) {
  Record({"DrawBitmap", Rect::FromXYWH(at.x, at.y, bitmap.Width(), bitmap.Height()),
          std::to_string(bitmap.ResourceId()), {}, 0, 0});
}

void RecordingDeviceContext::StretchBitmap(const Bitmap& bitmap, const Rect& dest) {
  Record({"StretchBitmap", dest, std::to_string(bitmap.ResourceId()), {}, 0, 0});
}

void RecordingDeviceContext::DrawTransparent(const Bitmap& bitmap, const Rect& dest, Colour transparent) {
  Record({"DrawTransparent", dest, std::to_string(bitmap.ResourceId()), transparent, 0, 0});
}

void RecordingDeviceContext::DrawImage(const ImageList& list, int index, Point at) {
  const Size size = list.GetImageSize();
  Record({"DrawImage", Rect::FromXYWH(at.x, at.y, size.cx, size.cy), "", {}, 0, index});
}

void RecordingDeviceContext::IntersectClipRect(const Rect& r) { Record({"IntersectClipRect", r, "", {}, 0, 0}); }

int RecordingDeviceContext::SaveDC() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

void RecordingDeviceContext::RestoreDC(int saved) {
  if (saved < 1 || saved > static_cast<int>(saved_.size())) return;
  state_ = saved_[static_cast<size_t>(saved - 1)];
  saved_.resize(static_cast<size_t>(saved - 1));
}

Bitmap RecordingDeviceContext::CopyRegion(const Rect& region) {
  Record({"CopyRegion", region, "", {}, 0, 0});
  return Bitmap::Create(region.GetSize(), colours::kWhite);
}

}  // namespace fw
