#pragma once
// Page 1: the product family picture; NEXT or a click on it goes on to recognition. The product
// buttons behind the picture are kept hidden, but they select and draw as they always did.
#include <array>
#include <string>

#include "framework/Button.h"
#include "pages/WizardPage.h"

namespace pages {

enum : int { IDC_SELECTION_PICTURE = 1032 };
inline constexpr int kEditionProduct = 0x4D10;

class CDialogDeviceSelection : public CWizardPage {
 public:
  struct ProductButton {
    int id;
    int productId;
    int bitmapId;
  };
  static constexpr int kProductButtonCount = 18;
  // In member order.
  static const std::array<ProductButton, kProductButtonCount> kProductButtons;

  CDialogDeviceSelection();
  ~CDialogDeviceSelection() override;

  int m_nSelectedProduct = kEditionProduct;
  bool m_bUpdateChecked = false;
  std::string m_strUpdateFileName;
  std::string m_strUpdatePath;
  int m_nDownloadTotal = 0;
  int m_nDownloadReceived = 0;
  std::array<fw::Button, kProductButtonCount> m_btnProducts;
  fw::Button m_btnPicture;

  // Page entry, after the main window has shown the page.
  virtual void ShowPage();
  // The page's controls again: the picture shown (unless an installer download runs), the product
  // buttons hidden.
  virtual void RedrawSelection();
  void OnProductButton(int productId);
  void OnPictureButton();

  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;
  void OnDrawItem(int id, const fw::DrawItemStruct& item) override;
  bool OnSetCursor(fw::Window& over) override;

 protected:
  // Where the program's own update check starts; it has no work of its own yet.
  virtual void StartUpdateCheck() {}

 private:
  void FocusNext();
};

// Pages 1 to 5: the wait cursor while the main window is busy. True when it set the cursor.
bool SetBusyCursor(const fw::Window& page);

}  // namespace pages
