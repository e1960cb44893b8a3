// The program: the main window, run modally until it closes.
#include "framework/Application.h"
#include "framework/Dialog.h"
#include "framework/Static.h"
#include "resources/DialogTemplates.h"

namespace {

// The frame of the main window as it stands so far: its background and its close button.
class MainWindow : public fw::Dialog {
 public:
  MainWindow() : Dialog(res::MainWindowTemplate()) {}

 protected:
  bool OnInitDialog() override {
    Dialog::OnInitDialog();
    SetWindowText("Corvale Device Manager");
    if (auto* background = Control<fw::Static>(1001)) background->SetBitmap(fw::Bitmap::Load(res::IDB_BACKGROUND));
    return true;
  }

  // Esc never closes the window.
  void OnCancel() override {}
  void OnClose() override { OnOK(); }

  bool OnInput(const fw::Msg& msg) override {
    if (msg.kind != fw::MsgKind::LButtonDown) return false;
    StartMoveDrag();
    return true;
  }

  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override {
    if (kind == fw::CtlColor::Static && control.GetDlgCtrlID() != 1001 && control.GetDlgCtrlID() != 1014) {
      dc.SetBkMode(fw::BkMode::Transparent);
      return fw::Brush::Hollow();
    }
    if (control.GetDlgCtrlID() == 1014) return fw::Brush::Solid(fw::colours::kWhite);
    return Dialog::OnCtlColor(dc, control, kind);
  }

  void OnDrawItem(int, const fw::DrawItemStruct& item) override {
    fw::DeviceContext& dc = *item.dc;
    dc.FillSolidRect(item.rect, item.Pushed() ? fw::RGB(236, 236, 216) : fw::colours::kWhite);
    dc.DrawEdge(item.rect, item.Pushed() ? fw::Edge::Sunken : fw::Edge::Raised);
    dc.SetBkMode(fw::BkMode::Transparent);
    dc.DrawText(item.control->GetWindowText(), item.rect, fw::DT_CENTER | fw::DT_VCENTER | fw::DT_SINGLELINE);
  }
};

}  // namespace

int main(int argc, char** argv) {
  fw::Application app(argc, argv);
  MainWindow window;
  app.Run(window);
  return 0;
}
