#pragma once
// A read-only multi-line edit that shows every word starting with "www." as a link: underlined in
// the link colour, lighter under the pointer, with a hand cursor, opened in the browser on a click.
// Ordinary edit behaviour (scrolling, selecting, copying) stays.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Colour.h"
#include "framework/Edit.h"
#include "framework/Font.h"

namespace controls {

class CHyperEdit : public fw::Edit {
 public:
  struct LinkRange {
    uint16_t start = 0;  // character index into the whole text
    uint16_t length = 0;
    friend bool operator==(const LinkRange&, const LinkRange&) = default;
  };

  CHyperEdit();
  ~CHyperEdit() override;

  static constexpr unsigned kSelectionTimer = 0x6969;
  static constexpr unsigned kSelectionTimerMs = 10;
  static constexpr fw::Colour kLinkColour = fw::RGB(92, 92, 154);
  static constexpr fw::Colour kHoverColour = fw::RGB(168, 168, 230);

  virtual bool IsLinkWord(const std::string& word) const;
  static bool IsWordBreak(const std::u32string& text, int i);
  // Rebuilds the link list from characters `first` to `last` of the text; a word still open after
  // `last` (cut by the lower edge) is not taken.
  void ScanLinks(int first, int last);
  const std::vector<LinkRange>& Links() const { return m_aLinks; }
  // The link containing the character at `point`, else empty. Points below the last line hit none.
  std::string LinkAtPoint(fw::Point point) const;
  // Opens `link` in the browser; false when the desktop could not open it.
  bool OpenLink(const std::string& link) const;

 protected:
  void OnCreated() override;
  void OnPaint(fw::DeviceContext& dc) override;
  bool OnInput(const fw::Msg& msg) override;
  bool OnSetCursor(fw::Window& over) override;
  void OnTimer(unsigned id) override;
  void OnDestroy() override;
  void OnTextChanged() override;

 private:
  void ScanVisibleLinks();
  bool IsBelowText(fw::Point point) const;
  std::string LinkText(const LinkRange& link) const;

  fw::Font m_fontLink;
  std::string m_strLinkDown;
  std::vector<LinkRange> m_aLinks;
  std::u32string m_text;  // the text by characters, as the edit indexes it
  int m_nSelStart = -1;
  int m_nSelEnd = -1;
  fw::Point m_ptMouse{-1, -1};
};

}  // namespace controls
