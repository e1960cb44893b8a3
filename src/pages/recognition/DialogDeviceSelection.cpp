#include "pages/recognition/DialogDeviceSelection.h"

#include "app/UpdaterDlg.h"
#include "device/ProductTraits.h"
#include "device/SelectableProducts.h"
#include "framework/DeviceContext.h"
#include "framework/Font.h"
#include "resources/PageTemplates.h"

namespace pages {

namespace {

constexpr int kPictureBitmap = 389;
constexpr fw::Size kPictureSize = {551, 273};
constexpr int kTextBandHeight = 20;
constexpr int kSmallerFontButtons[] = {1024, 1030};
constexpr int kSmallestFontButton = 1030;

constexpr fw::Colour kPressedDisabledFill = fw::RGB(0xE0, 0xE0, 0xD6);
constexpr fw::Colour kPressedDisabledInk = fw::RGB(0x8D, 0x8D, 0x7F);
constexpr fw::Colour kPressedFill = fw::RGB(0xEC, 0xEC, 0xD8);
constexpr fw::Colour kPressedBars = fw::RGB(0xFF, 0x8E, 0x00);
constexpr fw::Colour kDisabledFill = fw::RGB(0xF4, 0xF4, 0xEA);
constexpr fw::Colour kDisabledInk = fw::RGB(0xA1, 0xA1, 0x93);

}  // namespace

const std::array<CDialogDeviceSelection::ProductButton, CDialogDeviceSelection::kProductButtonCount>
    CDialogDeviceSelection::kProductButtons = [] {
      // The buttons' control ids, in the order of the products they offer.
      constexpr std::array<int, kProductButtonCount> kIds = {1015, 1016, 1022, 1025, 1028, 1027,
                                                             1026, 1017, 1018, 1020, 1019, 1021,
                                                             1023, 1029, 1024, 1170, 1030, 1031};
      std::array<ProductButton, kProductButtonCount> buttons{};
      for (size_t i = 0; i < buttons.size(); ++i) {
        const device::SelectableProduct& product = device::SELECTABLE_PRODUCTS[i];
        buttons[i] = {kIds[i], product.productId, product.picture};
      }
      return buttons;
    }();

CDialogDeviceSelection::CDialogDeviceSelection() : CWizardPage(res::DeviceSelectionTemplate()) {
  for (size_t i = 0; i < kProductButtons.size(); ++i) BindControl(kProductButtons[i].id, m_btnProducts[i]);
  BindControl(IDC_SELECTION_PICTURE, m_btnPicture);
}

CDialogDeviceSelection::~CDialogDeviceSelection() = default;

bool CDialogDeviceSelection::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  const fw::Font bold = GetFont().WithWeight(fw::FW_BOLD);
  for (fw::Button& b : m_btnProducts) {
    const int id = b.GetDlgCtrlID();
    if (id != kSmallerFontButtons[0] && id != kSmallerFontButtons[1]) b.SetFont(bold, true);
  }
  const fw::Font smaller = bold.WithHeight(bold.Height() + 1);
  for (int id : kSmallerFontButtons) GetDlgItem(id)->SetFont(smaller, true);
  GetDlgItem(kSmallestFontButton)->SetFont(smaller.WithHeight(smaller.Height() + 2), true);
  m_bUpdateChecked = false;
  // The picture button sizes itself to its picture.
  const fw::Rect at = m_btnPicture.GetWindowRect();
  m_btnPicture.MoveWindow(at.left, at.top, kPictureSize.cx, kPictureSize.cy);
  return true;
}

void CDialogDeviceSelection::ShowPage() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  main->m_nProgress = -1;
  m_nSelectedProduct = main->m_nDeviceTarget != 0 ? main->m_nDeviceTarget : device::EDITION_PRODUCT;
  RedrawSelection();
  FocusNext();
  if (m_bUpdateChecked) return;
  StartUpdateCheck();
}

void CDialogDeviceSelection::RedrawSelection() {
  SetRedraw(false);
  if (m_nSelectedProduct == device::PIRVA_PRODUCT) m_nSelectedProduct = device::EDITION_PRODUCT;
  const app::CUpdaterDlg* main = MainWindow();
  const bool downloading = main && main->m_bBusy && main->m_nProgress >= 0;
  m_btnPicture.ShowWindow(!downloading);
  for (fw::Button& b : m_btnProducts) b.ShowWindow(false);
  SetRedraw(true);
  Invalidate(true);
}

void CDialogDeviceSelection::OnProductButton(int productId) {
  if (m_nSelectedProduct != productId) {
    m_nSelectedProduct = productId;
    RedrawSelection();
  }
  FocusNext();
}

void CDialogDeviceSelection::OnPictureButton() {
  app::CUpdaterDlg* main = MainWindow();
  // It leads on as NEXT does, and is refused as NEXT is.
  if (!main || main->m_bBusy || main->m_bPageListOpen) return;
  main->m_nDeviceTarget = device::EDITION_PRODUCT;
  main->GoToRecognitionPage(true, nullptr, 0);
  FocusNext();
}

void CDialogDeviceSelection::FocusNext() {
  if (app::CUpdaterDlg* main = MainWindow()) main->m_btnNext.SetFocus();
}

bool CDialogDeviceSelection::OnCommand(int id, int notifyCode) {
  if (notifyCode == fw::BN_CLICKED) {
    if (id == IDC_SELECTION_PICTURE) {
      OnPictureButton();
      return true;
    }
    for (const ProductButton& b : kProductButtons) {
      if (b.id == id) {
        OnProductButton(b.productId);
        return true;
      }
    }
  }
  return CWizardPage::OnCommand(id, notifyCode);
}

fw::Brush CDialogDeviceSelection::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  const fw::Brush brush = CWizardPage::OnCtlColor(dc, control, kind);
  for (const fw::Button& b : m_btnProducts) {
    if (&b != &control) continue;
    // Keeps the buttons hidden whatever asked for their colours, except in the middle of a press.
    bool pressed = false;
    for (const fw::Button& other : m_btnProducts) pressed = pressed || other.GetState();
    if (!pressed) RedrawSelection();
    break;
  }
  return brush;
}

void CDialogDeviceSelection::OnDrawItem(int id, const fw::DrawItemStruct& item) {
  if (!item.dc) return;
  fw::DeviceContext& dc = *item.dc;
  if (id == IDC_SELECTION_PICTURE) {
    // Decoded at the first paint, not at start-up, and kept for every repaint.
    if (m_bmpPicture.IsNull()) m_bmpPicture = fw::Bitmap::Load(kPictureBitmap, kPictureSize);
    dc.DrawBitmap(m_bmpPicture, {0, 0});
    return;
  }
  const ProductButton* product = nullptr;
  for (const ProductButton& b : kProductButtons) {
    if (b.id == id) product = &b;
  }
  if (!product) {
    CWizardPage::OnDrawItem(id, item);
    return;
  }
  const fw::Rect& r = item.rect;
  fw::Colour fill = fw::colours::kWhite;
  fw::Colour ink = fw::colours::kBlack;
  if (item.Pushed() && item.Disabled()) {
    fill = kPressedDisabledFill;
    ink = kPressedDisabledInk;
    dc.FillSolidRect(r, fill);
  } else if (item.Pushed()) {
    fill = kPressedFill;
    dc.FillSolidRect(r, fill);
    dc.DrawEdge(r, fw::Edge::Sunken, fw::BF_RECT);
    dc.FillSolidRect({r.left + 2, r.top + 2, r.left + 5, r.bottom - 2}, kPressedBars);
    dc.FillSolidRect({r.right - 6, r.top + 2, r.right - 2, r.bottom - 2}, kPressedBars);
    dc.FillSolidRect({r.left + 2, r.top + 2, r.right - 2, r.top + 5}, kPressedBars);
    dc.FillSolidRect({r.left + 2, r.bottom - 6, r.right - 2, r.bottom - 2}, kPressedBars);
    if (item.Focused()) dc.DrawFocusRect(r.Inflated(-3, -3));
  } else if (item.Disabled()) {
    fill = kDisabledFill;
    ink = kDisabledInk;
    dc.FillSolidRect(r, fill);
  } else {
    dc.FillSolidRect(r, fill);
    dc.DrawEdge(r, fw::Edge::Raised, fw::BF_RECT);
    if (item.Focused()) dc.DrawFocusRect(r.Inflated(-3, -3));
  }
  dc.SetBkColor(fill);
  dc.SetTextColor(ink);
  const fw::Rect band = {r.left, r.bottom - kTextBandHeight, r.right, r.bottom};
  const std::string caption = item.control ? item.control->GetWindowText() : std::string();
  dc.DrawText(caption, band, fw::DT_CENTER | fw::DT_VCENTER | fw::DT_SINGLELINE | fw::DT_NOPREFIX);

  const app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  const fw::Bitmap& picture = main->GetBitmap(product->bitmapId);
  if (picture.IsNull()) return;
  const fw::Rect area = {r.left, r.top, r.right, r.bottom - kTextBandHeight};
  const fw::Point at = {area.left + (area.Width() - picture.Width()) / 2,
                        area.top + (area.Height() - picture.Height()) / 2};
  dc.DrawTransparent(picture, fw::Rect::FromXYWH(at.x, at.y, picture.Width(), picture.Height()),
                     fw::colours::kWhite);
}

bool CDialogDeviceSelection::OnSetCursor(fw::Window& over) {
  return SetBusyCursor(*this) || CWizardPage::OnSetCursor(over);
}

bool SetBusyCursor(const fw::Window& page) {
  const app::CUpdaterDlg* main = app::GetMainWindow(page);
  if (!main || !main->m_bBusy) return false;
  fw::SetCursor(fw::CursorShape::Wait);
  return true;
}

}  // namespace pages
