#pragma once
// A drop-down list of text options; the chosen option is the cell's text. Its pop-up is a
// scrolling list of at most six rows.
#include <string>
#include <vector>

#include "controls/grid/CellDropDown.h"

namespace controls {

class CPopUpScrollList;

// Sunken whether active or not.
constexpr uint32_t kComboBoxClassStyle = CELL_STYLE_SUNKEN_WHEN_ACTIVE | CELL_STYLE_SUNKEN_WHEN_INACTIVE;

class CCellComboBox : public CCellWithClassStyle<CCellComboBox, CCellDropDown, kComboBoxClassStyle> {
 public:
  CCellComboBox();
  ~CCellComboBox() override;

  // The text is split at line feeds into the options. When a later line equals the first one
  // (ignoring case) the first line names the current value: it is dropped and that option chosen;
  // otherwise every line is an option and nothing is chosen.
  void Init(CConfigListCtrl* ownerList, const bool* listEnabled, const std::string& text) override;
  // False, changing nothing, for an index outside the options.
  bool SetCurSel(int index);
  int GetCurSel() const { return m_nCurSel; }
  int GetOptionCount() const { return static_cast<int>(m_astrOptions.size()); }
  const std::string& GetOption(int index) const { return m_astrOptions.at(static_cast<size_t>(index)); }
  int GetMaxVisible() const { return m_nMaxVisible; }
  // Rows its pop-up shows: the option count, at most six.
  int GetVisibleRows() const;
  CPopUpScrollList* GetScrollList() const;

  void Draw(fw::DeviceContext& dc, const fw::Rect* subItemRect, unsigned itemState) override;
  int GetPreferredWidth() override;
  // Follows the pressed left button over the arrow.
  int OnMouseMove(unsigned flags, int x, int y) override;

  void SyncPopup() override;
  fw::Rect GetPopupRect(bool below) override;
  void SetSelection(int index) override;
  void DrawItemText(fw::DeviceContext& dc, const fw::Rect& rect, const std::string& text, bool highlighted,
                    bool disabled) const;

 private:
  int m_nMaxVisible = 6;
  int m_nCurSel = 0;
  std::vector<std::string> m_astrOptions;
};

}  // namespace controls
