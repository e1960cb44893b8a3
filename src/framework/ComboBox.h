#pragma once
// A drop-down list. A user's choice sends CBN_SELCHANGE; opening and closing send CBN_DROPDOWN and
// CBN_CLOSEUP.
#include <cstdint>
#include <string>

#include "framework/Window.h"

namespace fw {

enum : int { CB_ERR = -1 };

class ComboBox : public Window {
 public:
  ComboBox();
  ~ComboBox() override;

  int AddString(const std::string& text);
  int InsertString(int index, const std::string& text);
  int DeleteString(int index);
  void ResetContent();
  int GetCount() const;
  std::string GetLBText(int index) const;
  int GetCurSel() const;
  int SetCurSel(int index);  // without notifying; CB_ERR out of range
  void SetItemData(int index, intptr_t data);
  intptr_t GetItemData(int index) const;
  int FindStringExact(const std::string& text) const;
  void ShowDropDown(bool show);
  bool GetDroppedState() const;

  // Chooses `index` as the user would: the parent gets CBN_SELCHANGE.
  bool SelectAsUser(int index);

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  void OnCreated() override;
  CtlColor ColourKind() const override { return CtlColor::Edit; }
  bool WantsKey(unsigned vk) const override;
};

}  // namespace fw
