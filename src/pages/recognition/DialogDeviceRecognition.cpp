#include "pages/recognition/DialogDeviceRecognition.h"

#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "framework/Font.h"
#include "headset/hid/HidPairProbe.h"
#include "headset/hid/HidPresence.h"
#include "localization/RecognitionPageTexts.h"
#include "localization/SharedTexts.h"
#include "pages/recognition/DialogDeviceSelection.h"
#include "pages/recognition/RecognitionEngine.h"
#include "resources/PageTemplates.h"

namespace pages {

namespace {

constexpr fw::Colour kNoteColour = fw::RGB(255, 112, 0);
constexpr fw::Size kProductsBoxSize = {840, 260};
constexpr fw::Size kOemBoxSize = {700, 180};
constexpr fw::Size kOemBoxSizeJapanese = {900, 180};
constexpr int kLanguageJapanese = 4;

}  // namespace

CDialogDeviceRecognition::CDialogDeviceRecognition() : CWizardPage(res::DeviceRecognitionTemplate()) {
  BindControl(IDC_RECOGNITION_STEPS, m_staticSteps);
  BindControl(IDC_RECOGNITION_PREPARATION, m_editPreparation);
  BindControl(IDC_RECOGNITION_NOTE, m_staticNote);
  BindControl(IDC_RECOGNITION_PRODUCTS, m_btnProducts);
  BindControl(IDC_RECOGNITION_OEM_PRODUCTS, m_btnOemProducts);
}

CDialogDeviceRecognition::~CDialogDeviceRecognition() = default;

bool CDialogDeviceRecognition::OnInitDialog() {
  CWizardPage::OnInitDialog();
  m_nHidPollTimer = 0;
  // The steps read best one unit smaller than the page font, in bold.
  const fw::Font font = GetFont().WithWeight(fw::FW_BOLD);
  const fw::Font steps = font.WithHeight(font.Height() + 1);
  m_staticSteps.SetFont(steps, true);
  m_staticNote.SetFont(steps, true);
  return true;
}

int CDialogDeviceRecognition::Language() const {
  const app::CUpdaterDlg* main = MainWindow();
  return main ? main->m_nLanguage : 0;
}

bool CDialogDeviceRecognition::IsMainRefusing() const {
  const app::CUpdaterDlg* main = MainWindow();
  return !main || main->m_bBusy || main->m_bPageListOpen;
}

void CDialogDeviceRecognition::SetInstructionVariant(int variant) {
  m_nInstructionVariant = variant;
  if (app::CUpdaterDlg* main = MainWindow()) main->m_nProgress = -1;
  ShowRecognitionText();
}

void CDialogDeviceRecognition::ShowRecognitionText() {
  const int language = Language();
  m_staticSteps.SetWindowText(text::GetConnectStepsText(language));
  m_editPreparation.SetWindowText(text::GetPreparationListText(language));
  m_staticNote.ShowWindow(false);
  m_btnProducts.ShowWindow(false);
  m_btnProducts.EnableWindow(false);
  m_btnOemProducts.ShowWindow(false);
  m_btnOemProducts.EnableWindow(false);
  m_editPreparation.ShowWindow(false);
}

void CDialogDeviceRecognition::KillPageTimer(unsigned id) { KillTimer(id); }

bool CDialogDeviceRecognition::IsHidDevicePresent(int /*unused*/, int* productId, int* /*unusedOut*/) {
  const auto found = headset::hid::FindMakerHidProduct();
  if (found && productId) *productId = *found;
  return found.has_value();
}

bool CDialogDeviceRecognition::ProbeHidPair(int /*unused1*/, int /*unused2*/, int /*unused3*/) {
  app::CUpdaterDlg* main = MainWindow();
  return main && headset::hid::ProbeHidPair(main->m_hHidDevice, main->m_hHidDeviceSecond, main->m_deviceSettings);
}

int CDialogDeviceRecognition::QueryHardwareVariant() {
  app::CUpdaterDlg* main = MainWindow();
  return main ? headset::hid::QueryHardwareVariant(main->m_hHidDevice.get()) : 0;
}

void CDialogDeviceRecognition::OnTimer(unsigned id) {
  if (id == recognition::kHidPairPollTimer) {
    KillTimer(id);
    m_nHidPollTimer = 0;
    if (app::CUpdaterDlg* main = MainWindow()) {
      main->CloseHidHandles();
      const bool found = ProbeHidPair(1, 0, 0);
      main->CloseHidHandles();
      if (!found && m_nHidPollTimer == 0) {
        m_nHidPollTimer = recognition::kHidPairPollTimer;
        SetTimer(id, headset::hid::kHidPairPollPeriodMs);
      }
    }
  }
  CWizardPage::OnTimer(id);
}

int CDialogDeviceRecognition::RecognizeDevice(device::CDeviceSettings* toWrite, bool interactive) {
  return RunRecognition(*this, toWrite, interactive);
}

void CDialogDeviceRecognition::SetReturnPage(int returnPage, const device::CDeviceSettings* toWrite) {
  m_nReturnPage = returnPage;
  m_pendingWrite.reset();
  if (toWrite) m_pendingWrite = *toWrite;
}

void CDialogDeviceRecognition::OnButtonProducts() {
  if (IsMainRefusing()) return;
  controls::CDialogMessageBox box(MainWindow());
  box.Setup(text::GetPreparationListText(Language()), false, std::nullopt, text::GetOkText(Language()),
            kProductsBoxSize);
  box.DoModal();
}

void CDialogDeviceRecognition::OnButtonOemProducts() {
  if (IsMainRefusing()) return;
  controls::CDialogMessageBox box(MainWindow());
  box.Setup(text::GetOemProductsText(Language()), false, std::nullopt, text::GetOkText(Language()),
            Language() == kLanguageJapanese ? kOemBoxSizeJapanese : kOemBoxSize);
  box.DoModal();
}

bool CDialogDeviceRecognition::OnCommand(int id, int notifyCode) {
  if (notifyCode == fw::BN_CLICKED && id == IDC_RECOGNITION_PRODUCTS) {
    OnButtonProducts();
    return true;
  }
  if (notifyCode == fw::BN_CLICKED && id == IDC_RECOGNITION_OEM_PRODUCTS) {
    OnButtonOemProducts();
    return true;
  }
  return CWizardPage::OnCommand(id, notifyCode);
}

fw::Brush CDialogDeviceRecognition::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  const int id = control.GetDlgCtrlID();
  if (&control == this || id == IDC_RECOGNITION_STEPS || id == IDC_RECOGNITION_NOTE ||
      id == IDC_RECOGNITION_PREPARATION) {
    const fw::Brush brush = CWizardPage::OnCtlColor(dc, control, kind);
    if (id == IDC_RECOGNITION_NOTE) dc.SetTextColor(kNoteColour);
    return brush;
  }
  return fw::Dialog::OnCtlColor(dc, control, kind);
}

bool CDialogDeviceRecognition::OnSetCursor(fw::Window& over) {
  return SetBusyCursor(*this) || CWizardPage::OnSetCursor(over);
}

}  // namespace pages
