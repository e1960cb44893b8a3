// How the main window's own controls are coloured and which fonts they use.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "app/WindowColours.h"
#include "framework/DeviceContext.h"
#include "framework/Font.h"

namespace app {

namespace {

constexpr int kLanguageFrench = 1;
constexpr int kLanguageGerman = 2;

// Controls that get the bold font, in the order they get it.
constexpr int kBoldControls[] = {
    IDC_DEVICE_LINE1,     IDC_DEVICE_LINE2,     IDC_ABOUT,       IDC_CLOSE,          IDC_SHOW_STATUS,
    IDC_NAV_WELCOME,      IDC_NAV_RECOGNITION,  IDC_NAV_FIRMWARE_UPDATE, IDC_NAV_FIRMWARE_RESTORE,
    IDC_NAV_DEVICE_SETTING, IDC_TAB_BAND,       IDC_STATUS_BACKGROUND, IDC_STATUS_TEXT, IDC_PERCENT_NUMBER,
    IDC_PERCENT_SIGN,     IDC_BACK,             IDC_UPDATE_SHORTCUT, IDC_NEXT,       IDC_RESTORE_SHORTCUT,
    IDC_ACTION,           IDC_TAB_FIRST,        IDC_TAB_SECOND,  IDC_PAGE_LIST,
};

constexpr fw::Colour kColourPushed = fw::RGB(236, 236, 216);
constexpr fw::Colour kColourDisabled = fw::RGB(244, 244, 234);
constexpr fw::Colour kColourGreyText = fw::RGB(161, 161, 147);
constexpr fw::Colour kColourDarkGrey = fw::RGB(141, 141, 127);
constexpr int kPillInset = 5;
constexpr int kPillPenWidth = 3;
// The room a pill's caption leaves on each side: the outline's pen, what its rounded ends take at
// the caption's top and bottom rows, and a margin that keeps the first and last letter off it.
constexpr int kPillCaptionInset = kPillPenWidth + 2 + 3;
constexpr int kTabRimWidth = 2;

bool IsSquareButton(int id) {
  return id == IDC_CLOSE || id == IDC_ABOUT || id == IDC_SHOW_STATUS ||
         (id >= IDC_NAV_WELCOME && id <= IDC_NAV_DEVICE_SETTING);
}

bool IsPillButton(int id) {
  return id == IDC_BACK || id == IDC_NEXT || id == IDC_ACTION || id == IDC_UPDATE_SHORTCUT ||
         id == IDC_RESTORE_SHORTCUT;
}

// Below this many pixels a caption would no longer be read; it is shrunk no further.
constexpr int kSmallestFitHeight = 8;

std::string CaptionOf(const fw::DrawItemStruct& item) {
  std::string caption = item.control ? item.control->GetWindowText() : std::string();
  return caption;
}

int WidestOf(fw::DeviceContext& dc, const std::vector<std::string>& lines) {
  int widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, dc.GetTextExtent(line).cx);
  return widest;
}

// Makes the font in effect smaller, step by step, until every line fits `width`: a long title
// (Dutch, German, Russian, Finnish) then shows whole instead of losing its ends.
void ShrinkToFit(fw::DeviceContext& dc, const std::vector<std::string>& lines, int width) {
  fw::Font font = dc.GetFont();
  while (WidestOf(dc, lines) > width && std::abs(font.Height()) > kSmallestFitHeight) {
    font = font.WithHeight(font.Height() < 0 ? font.Height() + 1 : font.Height() - 1);
    dc.SelectFont(font);
  }
}

// The caption with each run of blanks made one and none at its ends: the padding that places a
// short caption is given up first when a long one needs the room.
std::string WithoutPadding(const std::string& caption) {
  std::string out;
  for (char c : caption) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

void DrawCaption(fw::DeviceContext& dc, const std::string& caption, const fw::Rect& r, unsigned align,
                 fw::Colour fill, fw::Colour ink) {
  dc.SetBkColor(fill);
  dc.SetTextColor(ink);
  dc.DrawText(caption, r, align | fw::DT_VCENTER | fw::DT_SINGLELINE | fw::DT_NOPREFIX);
}

// A caption wider than its button is broken in two at the blank or hyphen nearest its middle, so
// that long titles (German, Russian) stay readable instead of being cut at both ends; what still
// does not fit is drawn smaller.
void DrawFittedCaption(fw::DeviceContext& dc, const fw::DrawItemStruct& item, fw::Colour fill, fw::Colour ink) {
  const std::string caption = CaptionOf(item);
  const fw::Rect& r = item.rect;
  constexpr int kMargin = 4;
  const int room = r.Width() - 2 * kMargin;
  size_t split = std::string::npos;
  if (dc.GetTextExtent(caption).cx > room) {
    for (size_t i = 0; i < caption.size(); ++i) {
      if (caption[i] != ' ' && caption[i] != '-') continue;
      const auto distance = [&](size_t at) { return at > caption.size() / 2 ? at - caption.size() / 2 : caption.size() / 2 - at; };
      if (split == std::string::npos || distance(i) < distance(split)) split = i;
    }
  }
  const int saved = dc.SaveDC();
  if (split == std::string::npos) {
    ShrinkToFit(dc, {caption}, room);
    DrawCaption(dc, caption, r, fw::DT_CENTER, fill, ink);
    dc.RestoreDC(saved);
    return;
  }
  const std::string first = caption.substr(0, caption[split] == '-' ? split + 1 : split);
  const std::string second = caption.substr(split + 1);
  ShrinkToFit(dc, {first, second}, room);
  const int lineHeight = dc.GetTextExtent(caption).cy;
  const int top = r.top + (r.Height() - 2 * lineHeight) / 2;
  dc.SetBkColor(fill);
  dc.SetTextColor(ink);
  constexpr unsigned kLine = fw::DT_CENTER | fw::DT_SINGLELINE | fw::DT_NOPREFIX;
  dc.DrawText(first, fw::Rect{r.left, top, r.right, top + lineHeight}, kLine);
  dc.DrawText(second, fw::Rect{r.left, top + lineHeight, r.right, top + 2 * lineHeight}, kLine);
  dc.RestoreDC(saved);
}

void DrawSquareButton(fw::DeviceContext& dc, const fw::DrawItemStruct& item) {
  const fw::Rect& r = item.rect;
  fw::Colour fill;
  fw::Colour ink = fw::colours::kBlack;
  if (item.Disabled()) {
    fill = item.Pushed() ? kColourTitle : kColourDisabled;
    ink = item.Pushed() ? kColourDarkGrey : kColourGreyText;
    dc.FillSolidRect(r, fill);
  } else {
    const bool navigation = item.ctlId >= IDC_NAV_WELCOME && item.ctlId <= IDC_NAV_DEVICE_SETTING;
    fill = item.Pushed() ? kColourPushed : (navigation ? kColourNavigation : kColourWhite);
    dc.FillSolidRect(r, fill);
    dc.DrawEdge(r, item.Pushed() ? fw::Edge::Sunken : fw::Edge::Raised, fw::BF_RECT);
    if (item.Focused()) dc.DrawFocusRect(r.Inflated(-3, -3));
  }
  DrawFittedCaption(dc, item, fill, ink);
}

void DrawPillButton(fw::DeviceContext& dc, const fw::DrawItemStruct& item) {
  const fw::Rect r = item.rect.Inflated(-kPillInset, -kPillInset);
  const bool action = item.ctlId == IDC_ACTION;
  fw::Colour pen = kColourWhite;
  fw::Colour fill = kColourWhite;
  fw::Colour ink = fw::colours::kBlack;
  if (item.Pushed() && !item.Disabled()) {
    pen = action ? kColourDarkGrey : kColourPushed;
    fill = action ? kColourGreyText : kColourPushed;
  } else if (item.Disabled()) {
    ink = item.Pushed() ? kColourDarkGrey : kColourGreyText;
  } else if (action) {
    pen = kColourGreyText;
    fill = kColourTitle;
  }
  const fw::Size ends = {r.Height() - kPillPenWidth, r.Height() - kPillPenWidth};
  const fw::Pen oldPen = dc.SelectPen(fw::Pen::Solid(kPillPenWidth, pen));
  const fw::Brush oldBrush = dc.SelectBrush(fw::Brush::Solid(fill));
  dc.RoundRect(r, ends);
  if (item.Focused() && !item.Disabled()) {
    dc.SelectPen(fw::Pen::Dotted(1, fw::colours::kBlack));
    dc.SelectBrush(fw::Brush::Hollow());
    dc.RoundRect(r, ends);
  }
  dc.SelectPen(oldPen);
  dc.SelectBrush(oldBrush);
  unsigned align = fw::DT_CENTER;
  if (item.ctlId == IDC_BACK || item.ctlId == IDC_UPDATE_SHORTCUT) align = fw::DT_LEFT;
  if (item.ctlId == IDC_NEXT || item.ctlId == IDC_RESTORE_SHORTCUT) align = fw::DT_RIGHT;
  std::string caption = CaptionOf(item);
  fw::Rect place = r;
  const int savedFont = dc.SaveDC();
  if (const fw::Rect room = r.Inflated(-kPillCaptionInset, 0); dc.GetTextExtent(caption).cx > room.Width()) {
    caption = WithoutPadding(caption);
    ShrinkToFit(dc, {caption}, room.Width());
    place = room;
  }
  DrawCaption(dc, caption, place, align, fill, ink);
  dc.RestoreDC(savedFont);
}

void DrawTab(fw::DeviceContext& dc, const fw::DrawItemStruct& item) {
  const fw::Rect& r = item.rect;
  // A disabled tab is the kind on show: it opens onto the page below.
  const bool open = item.Disabled();
  const fw::Colour fill = open ? kColourWhite : kColourTitle;
  dc.FillSolidRect(r, fill);
  const int w = kTabRimWidth;
  dc.FillSolidRect(fw::Rect{r.left, r.top, r.left + w, r.bottom}, kColourDarkGrey);
  dc.FillSolidRect(fw::Rect{r.right - w, r.top, r.right, r.bottom}, kColourDarkGrey);
  dc.FillSolidRect(fw::Rect{r.left, r.top, r.right, r.top + w}, kColourDarkGrey);
  if (!open) dc.FillSolidRect(fw::Rect{r.left, r.bottom - w, r.right, r.bottom}, kColourDarkGrey);
  DrawCaption(dc, CaptionOf(item), r, fw::DT_CENTER, fill, open ? fw::colours::kBlack : kColourDarkGrey);
}

}  // namespace

void CUpdaterDlg::OnDrawItem(int id, const fw::DrawItemStruct& item) {
  if (!item.dc) return;
  fw::DeviceContext& dc = *item.dc;
  const fw::BkMode oldMode = dc.SetBkMode(fw::BkMode::Opaque);
  if (IsSquareButton(id)) {
    DrawSquareButton(dc, item);
  } else if (IsPillButton(id)) {
    // The page shows through around the pill.
    dc.SetBkMode(fw::BkMode::Transparent);
    DrawPillButton(dc, item);
  } else if (id == IDC_TAB_FIRST || id == IDC_TAB_SECOND) {
    DrawTab(dc, item);
  } else {
    dc.SetBkMode(oldMode);
    fw::Dialog::OnDrawItem(id, item);
    return;
  }
  dc.SetBkMode(oldMode);
}

void CUpdaterDlg::UpdateFonts() {
  const fw::Font bold = GetFont().WithWeight(fw::FW_BOLD);
  for (int id : kBoldControls) {
    if (fw::Window* control = GetDlgItem(id)) control->SetFont(bold, true);
  }
  // Some navigation captions are long in French and German: one unit smaller there.
  const fw::Font smaller = bold.WithHeight(bold.Height() + 1);
  if (m_nLanguage == kLanguageFrench) {
    m_btnNavigation[1].SetFont(smaller, true);
    m_btnNavigation[3].SetFont(smaller, true);
  } else if (m_nLanguage == kLanguageGerman) {
    m_btnNavigation[4].SetFont(smaller, true);
  }
}

fw::Brush CUpdaterDlg::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  const fw::Brush answer = fw::Dialog::OnCtlColor(dc, control, kind);
  const int id = control.GetDlgCtrlID();
  if (&control == this) return answer;
  switch (id) {
    case IDC_NAV_WELCOME:
    case IDC_NAV_RECOGNITION:
    case IDC_NAV_FIRMWARE_UPDATE:
    case IDC_NAV_FIRMWARE_RESTORE:
    case IDC_NAV_DEVICE_SETTING:
      dc.SetBkMode(fw::BkMode::Transparent);
      return m_brushNavigation;
    case IDC_TAB_BAND:
    case IDC_TAB_FIRST:
    case IDC_TAB_SECOND:
      dc.SetBkMode(fw::BkMode::Transparent);
      return m_brushTitle;
    case IDC_STATUS_BACKGROUND:
    case IDC_STATUS_TEXT:
      dc.SetBkMode(fw::BkMode::Transparent);
      dc.SetTextColor(fw::colours::kBlack);
      return m_bStatusNormal ? m_brushStatusNormal : m_brushStatusError;
    case IDC_DEVICE_PICTURE:
    case IDC_DEVICE_LINE1:
    case IDC_DEVICE_LINE2:
      // See-through: the background picture shows under the device panel.
      dc.SetBkMode(fw::BkMode::Transparent);
      return fw::Brush::Hollow();
    case IDC_CLOSE:
    case IDC_ABOUT:
    case IDC_SHOW_STATUS:
    case IDC_BACK:
    case IDC_NEXT:
    case IDC_ACTION:
    case IDC_UPDATE_SHORTCUT:
    case IDC_RESTORE_SHORTCUT:
    case IDC_PROGRESS:
    case IDC_PERCENT_SIGN:
    case IDC_PERCENT_NUMBER:
    case IDC_PAGE_LIST:
    case IDC_PAGE_FRAME:
    case IDC_BACKGROUND:
      dc.SetBkMode(fw::BkMode::Transparent);
      return m_brushWhite;
    default:
      if (kind == fw::CtlColor::Static) {
        dc.SetBkMode(fw::BkMode::Transparent);
        return m_brushWhite;
      }
      return answer;
  }
}

}  // namespace app
