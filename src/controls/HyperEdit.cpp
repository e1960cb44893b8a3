#include "controls/HyperEdit.h"

#include <algorithm>

#include "framework/DeviceContext.h"
#include "platform/Shell.h"

namespace controls {

namespace {

constexpr std::u32string_view kLinkPrefix = U"www.";

// UTF-8 to characters; a broken sequence gives U+FFFD for its first byte and goes on.
std::u32string Decode(const std::string& s) {
  std::u32string out;
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    const size_t extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 4;
    bool ok = extra < 4 && i + extra < s.size();
    char32_t value = extra == 0 ? c : (c & (0x3F >> extra));
    for (size_t k = 1; ok && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(s[i + k]);
      ok = (next & 0xC0) == 0x80;
      value = (value << 6) | (next & 0x3F);
    }
    out.push_back(ok ? value : U'\uFFFD');
    i += ok ? extra + 1 : 1;
  }
  return out;
}

std::string Encode(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

bool IsBreakChar(char32_t c) { return c == U' ' || c == U'\r' || c == U'\n' || c == U'\t'; }

}  // namespace

CHyperEdit::CHyperEdit() = default;
CHyperEdit::~CHyperEdit() = default;

bool CHyperEdit::IsLinkWord(const std::string& word) const {
  const std::u32string w = Decode(word);
  if (w.empty() || IsBreakChar(w[0]) || w.size() < kLinkPrefix.size()) return false;
  for (size_t i = 0; i < kLinkPrefix.size(); ++i) {
    const char32_t c = w[i] >= U'A' && w[i] <= U'Z' ? w[i] - U'A' + U'a' : w[i];
    if (c != kLinkPrefix[i]) return false;
  }
  return true;
}

bool CHyperEdit::IsWordBreak(const std::u32string& text, int i) {
  return i == static_cast<int>(text.size()) || (i >= 0 && i < static_cast<int>(text.size()) && IsBreakChar(text[static_cast<size_t>(i)]));
}

void CHyperEdit::ScanLinks(int first, int last) {
  m_aLinks.clear();
  m_text = Decode(GetWindowText());
  const int size = static_cast<int>(m_text.size());
  first = std::max(first, 0);
  last = std::min(last, size);
  std::u32string word;
  int wordStart = first;
  for (int i = first; i <= last; ++i) {
    if (IsWordBreak(m_text, i)) {
      // The ranges are 16-bit, as the edit's character positions are: longer texts hold no links beyond.
      if (IsLinkWord(Encode(word)) && i <= 0xFFFF) {
        m_aLinks.push_back({static_cast<uint16_t>(wordStart), static_cast<uint16_t>(i - wordStart)});
      }
      word.clear();
      wordStart = i + 1;
    } else {
      word.push_back(m_text[static_cast<size_t>(i)]);
    }
  }
}

std::string CHyperEdit::LinkText(const LinkRange& link) const {
  if (link.start >= m_text.size()) return {};
  return Encode(std::u32string_view(m_text).substr(link.start, link.length));
}

bool CHyperEdit::IsBelowText(fw::Point point) const {
  if (m_text.empty()) return true;
  const fw::Point lastChar = PosFromChar(static_cast<int>(m_text.size()) - 1);
  return point.y > lastChar.y + GetLineHeight();
}

std::string CHyperEdit::LinkAtPoint(fw::Point point) const {
  if (IsBelowText(point)) return {};
  const int index = CharFromPos(point);
  if (index < 0) return {};
  for (const LinkRange& link : m_aLinks) {
    if (link.start <= index && index < link.start + link.length) return LinkText(link);
  }
  return {};
}

bool CHyperEdit::OpenLink(const std::string& link) const {
  // A bare "www." address is a web page to the desktop only with its scheme.
  return platform::Shell::Get().Open(link.find("://") == std::string::npos ? "https://" + link : link);
}

void CHyperEdit::OnCreated() {
  fw::Edit::OnCreated();
  m_fontLink = GetFont().WithUnderline(true);
  m_text = Decode(GetWindowText());
  SetTimer(kSelectionTimer, kSelectionTimerMs);
}

void CHyperEdit::OnTextChanged() {
  fw::Edit::OnTextChanged();
  m_text = Decode(GetWindowText());
  ScanVisibleLinks();
  Invalidate(false);
}

void CHyperEdit::ScanVisibleLinks() {
  const fw::Rect r = GetRect();
  const int first = std::max(CharFromPos({r.left, r.top}), 0);
  const int last = CharFromPos({r.right - 1, r.bottom - 1});
  ScanLinks(first, last < 0 ? -1 : last);
}

void CHyperEdit::OnPaint(fw::DeviceContext& dc) {
  fw::Edit::OnPaint(dc);
  ScanVisibleLinks();
  if (m_aLinks.empty()) return;
  const int saved = dc.SaveDC();
  dc.SelectFont(m_fontLink);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.IntersectClipRect(GetRect());
  const std::string hovered = LinkAtPoint(m_ptMouse);
  int selStart = 0;
  int selEnd = 0;
  GetSel(selStart, selEnd);
  for (const LinkRange& link : m_aLinks) {
    const std::string linkText = LinkText(link);
    dc.SetTextColor(!hovered.empty() && hovered == linkText ? kHoverColour : kLinkColour);
    for (int i = link.start; i < link.start + link.length; ++i) {
      // Selected characters keep the selection's own look.
      if (selStart != selEnd && i >= selStart && i < selEnd) continue;
      const fw::Point at = PosFromChar(i);
      if (at.x < 0) continue;
      const std::string ch = Encode(std::u32string_view(m_text).substr(static_cast<size_t>(i), 1));
      const fw::Size extent = dc.GetTextExtent(ch);
      dc.DrawText(ch, fw::Rect::FromXYWH(at.x, at.y, extent.cx, extent.cy), fw::DT_LEFT | fw::DT_SINGLELINE | fw::DT_NOPREFIX);
    }
  }
  dc.RestoreDC(saved);
}

bool CHyperEdit::OnInput(const fw::Msg& msg) {
  switch (msg.kind) {
    case fw::MsgKind::MouseMove:
      m_ptMouse = msg.point;
      Invalidate(false);
      return false;
    case fw::MsgKind::LButtonDown:
      m_strLinkDown = LinkAtPoint(msg.point);
      return false;
    case fw::MsgKind::LButtonUp: {
      DefaultProcessing();
      int start = 0;
      int end = 0;
      GetSel(start, end);
      const std::string link = LinkAtPoint(msg.point);
      // Pressed on one link and released on another, or dragged to select: nothing opens.
      if (start == end && !link.empty() && link == m_strLinkDown) OpenLink(link);
      m_strLinkDown.clear();
      return true;
    }
    default:
      return false;
  }
}

bool CHyperEdit::OnSetCursor(fw::Window& over) {
  if (&over == this && !LinkAtPoint(m_ptMouse).empty()) {
    fw::SetCursor(fw::CursorShape::Hand);
    return true;
  }
  return fw::Edit::OnSetCursor(over);
}

void CHyperEdit::OnTimer(unsigned id) {
  if (id == kSelectionTimer) {
    int start = 0;
    int end = 0;
    GetSel(start, end);
    if (start != m_nSelStart || end != m_nSelEnd) Invalidate(false);
    m_nSelStart = start;
    m_nSelEnd = end;
  }
  fw::Edit::OnTimer(id);
}

void CHyperEdit::OnDestroy() {
  KillTimer(kSelectionTimer);
  fw::Edit::OnDestroy();
}

}  // namespace controls
