#pragma once
// A list of strings with one selection. A user's choice sends LBN_SELCHANGE to the parent.
#include <cstdint>
#include <string>

#include "framework/Window.h"

namespace fw {

enum : int { LB_ERR = -1 };

class ListBox : public Window {
 public:
  ListBox();
  ~ListBox() override;

  int AddString(const std::string& text);              // index of the new entry
  int InsertString(int index, const std::string& text);  // -1 appends; LB_ERR out of range
  int DeleteString(int index);                          // entries left; LB_ERR out of range
  void ResetContent();
  int GetCount() const;
  std::string GetText(int index) const;  // empty out of range
  int GetCurSel() const;                 // LB_ERR when none
  // Selects `index` (-1 clears) without notifying; LB_ERR out of range.
  int SetCurSel(int index);
  void SetItemData(int index, intptr_t data);
  intptr_t GetItemData(int index) const;
  int FindStringExact(const std::string& text) const;

  // Selects `index` as the user would: with CS_NOTIFY the parent gets LBN_SELCHANGE.
  bool SelectAsUser(int index);

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  CtlColor ColourKind() const override { return CtlColor::ListBox; }
  void OnCreated() override;
};

}  // namespace fw
