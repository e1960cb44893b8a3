#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "TestDialogs.h"
#include "framework/Application.h"
#include "framework/FileDialog.h"
#include "framework/ListBox.h"
#include "framework/ListView.h"
#include "framework/RecordingDeviceContext.h"
#include "framework/Static.h"
#include "framework/PopupMenu.h"
#include "framework/ProgressBar.h"
#include "framework/TestSeams.h"

namespace {

using fwtest::RecordingDialog;

TEST(ListBox, UserChoiceNotifiesButProgramChangesDoNot) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  auto* list = dialog.Control<fw::ListBox>(14);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->AddString("Basic"), 0);
  EXPECT_EQ(list->AddString("Speed Dial"), 1);
  EXPECT_EQ(list->InsertString(1, "FM Radio"), 1);
  EXPECT_EQ(list->InsertString(9, "x"), fw::LB_ERR);
  EXPECT_EQ(list->GetCurSel(), fw::LB_ERR);
  EXPECT_EQ(list->SetCurSel(2), 2);
  EXPECT_EQ(list->GetText(2), "Speed Dial");
  EXPECT_TRUE(dialog.events.empty());

  ASSERT_TRUE(list->SelectAsUser(1));
  EXPECT_EQ(list->GetCurSel(), 1);
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"command 14/" + std::to_string(fw::LBN_SELCHANGE)}));
  EXPECT_EQ(list->DeleteString(7), fw::LB_ERR);
  EXPECT_EQ(list->DeleteString(0), 2);
  list->ResetContent();
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(dialog.events.size(), 1u);
}

TEST(ProgressBar, PositionStaysInRangeAndStepsWrap) {
  fw::ProgressBar bar;
  bar.SetRange(0, 100);
  bar.SetPos(150);
  EXPECT_EQ(bar.GetPos(), 100);
  bar.SetPos(-5);
  EXPECT_EQ(bar.GetPos(), 0);
  bar.SetPos(95);
  bar.SetStep(10);
  EXPECT_EQ(bar.StepIt(), 95);
  EXPECT_EQ(bar.GetPos(), 5);
}

TEST(PopupMenu, ScriptChoosesAnItemAndTheCommandIsPostedToTheOwner) {
  RecordingDialog dialog;
  dialog.endOnOk = false;
  ASSERT_TRUE(dialog.Create(nullptr));
  fw::PopupMenu menu(fw::MenuTemplate{190, {{32780, "About..."}, {0, ""}, {32784, "Close"}}});
  EXPECT_TRUE(menu.ModifyItem(32784, "Schliessen"));
  EXPECT_FALSE(menu.ModifyItem(0, "separator"));

  fw::ModalScript script;
  script.ChooseMenu(32784).ChooseMenu(0);
  EXPECT_EQ(menu.TrackPopupMenu(fw::TPM_RIGHTBUTTON, {10, 20}, dialog), 1);
  EXPECT_TRUE(dialog.events.empty()) << "the choice is posted, not sent";
  fw::Application::ProcessMessagesFor(20);
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"command 32784/0"}));
  EXPECT_EQ(menu.TrackPopupMenu(fw::TPM_RETURNCMD, {0, 0}, dialog), 0);

  ASSERT_EQ(script.Menus().size(), 2u);
  EXPECT_EQ(script.Menus()[0].items.size(), 3u);
  EXPECT_EQ(script.Menus()[0].items[2].text, "Schliessen");
  EXPECT_EQ(script.Menus()[0].at, (fw::Point{10, 20}));
}

TEST(FileDialogs, ScriptAnswersInOrderAndRecordsTheRequests) {
  fw::FileDialogScript script;
  script.Choose("/tmp/firmware.img").Cancel();
  fw::FileDialogRequest open{false, "Open", "/home", "Firmware (*.img)|*.img||", "", "", ""};
  EXPECT_EQ(fw::ShowFileDialog(open, nullptr), std::optional<std::string>("/tmp/firmware.img"));
  fw::FileDialogRequest save{true, "Save report", "", "Text (*.txt)|*.txt||", "report.txt", "txt", ""};
  EXPECT_EQ(fw::ShowFileDialog(save, nullptr), std::nullopt);
  ASSERT_EQ(script.Requests().size(), 2u);
  EXPECT_EQ(script.Requests()[1].defaultName, "report.txt");
  EXPECT_TRUE(script.Requests()[1].save);
}

// The toolkit's own dialogs speak the program's language with the toolkit's translations (installed
// with the program's packages), and stay English for a language whose translations are missing.
TEST(FileDialogs, SpeakTheProgramsLanguageWhereTheToolkitHasItsTranslations) {
  const auto lookIn = [] { return QCoreApplication::translate("QFileDialog", "Look in:").toStdString(); };
  ASSERT_TRUE(fw::UseToolkitLanguage("de"));
  EXPECT_EQ(lookIn(), "Suchen in:");
  ASSERT_TRUE(fw::UseToolkitLanguage("zh_CN"));
  EXPECT_NE(lookIn(), "Look in:");
  EXPECT_FALSE(fw::UseToolkitLanguage("xx"));
  EXPECT_EQ(lookIn(), "Look in:");
  EXPECT_TRUE(fw::UseToolkitLanguage("en"));
  EXPECT_EQ(lookIn(), "Look in:");

  // A file dialog opened in the program's language switches the toolkit to it (the headless run
  // stops the dialog before it shows).
  fw::FileDialogRequest request{false, "Open", "", "", "", "", "de"};
  EXPECT_NONFATAL_FAILURE((void)fw::ShowFileDialog(request, nullptr), "no FileDialogScript");
  EXPECT_EQ(lookIn(), "Suchen in:");
  EXPECT_TRUE(fw::UseToolkitLanguage("en"));
}

}  // namespace

namespace {

TEST(RuntimeControls, ChildAndPopUpControlsCreatedByCode) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  fw::ListBox child;
  ASSERT_TRUE(child.CreateControl({40, fw::ControlKind::ListBox, fw::Rect{5, 6, 65, 46}, fw::CS_NOTIFY, "", 0}, &dialog));
  EXPECT_EQ(dialog.GetDlgItem(40), &child);
  EXPECT_EQ(child.GetWindowRect(), (fw::Rect{5, 6, 65, 46}));

  fw::ListBox popup;
  const fw::Point at = dialog.ClientToScreen({10, 10});
  ASSERT_TRUE(popup.CreateControl(
      {41, fw::ControlKind::ListBox, fw::Rect::FromXYWH(at.x, at.y, 80, 60), fw::CS_POPUPWINDOW, "", 0}, &dialog));
  EXPECT_EQ(dialog.GetDlgItem(41), nullptr) << "a pop-up is not a child";
  EXPECT_EQ(popup.GetParent(), &dialog) << "but its owner is its parent window";
  EXPECT_EQ(popup.GetTopLevel(), &popup);
  EXPECT_EQ(popup.GetWindowRect(), fw::Rect::FromXYWH(at.x, at.y, 80, 60));

  dialog.DestroyWindow();
  EXPECT_FALSE(child.IsCreated());
  EXPECT_FALSE(popup.IsCreated());
  EXPECT_EQ(child.GetParent(), nullptr);
}

}  // namespace

namespace {

// A picture control of the dialog's own class: the item must be created as this object, so that its
// painting is the one that runs.
class BoundPicture : public fw::Static {
 public:
  int paints = 0;
  void OnPaint(fw::DeviceContext& dc) override {
    ++paints;
    Static::OnPaint(dc);
  }
};

class WithBoundPicture : public RecordingDialog {
 public:
  BoundPicture picture;
  WithBoundPicture() { BindControl(10, picture); }
};

TEST(BoundControls, ATemplateItemIsCreatedAsTheDialogsOwnObject) {
  WithBoundPicture dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  EXPECT_EQ(dialog.GetDlgItem(10), &dialog.picture);
  EXPECT_EQ(dialog.picture.GetWindowText(), "Hello");
  EXPECT_NE(dynamic_cast<fw::Static*>(dialog.GetDlgItem(11)), nullptr) << "unbound items get a default control";

  dialog.picture.SetBitmap(fw::Bitmap::Create({4, 3}, fw::RGB(1, 2, 3)));
  fw::RecordingDeviceContext dc;
  dialog.picture.Paint(dc);
  EXPECT_EQ(dialog.picture.paints, 1) << "the bound object paints the item";
  EXPECT_EQ(dc.Calls("DrawBitmap").size(), 1u) << dc.ToString();
  EXPECT_EQ(dialog.picture.GetWindowRect().GetSize(), (fw::Size{4, 3})) << "a picture that is not centred takes its size";
}

const fw::DialogTemplate& GridTemplate() {
  static const fw::DialogTemplate tmpl{
      901, {200, 120}, "Arial", 10, fw::DS_POPUP, "",
      {{20, fw::ControlKind::ListView, fw::Du(5, 5, 190, 110), fw::CS_OWNERDRAW | fw::CS_BORDER, "", 0}}};
  return tmpl;
}

TEST(ListView, CellRectanglesAndHitTestsAgreeInClientCoordinates) {
  fw::Dialog dialog(GridTemplate());
  ASSERT_TRUE(dialog.Create(nullptr));
  auto* list = dialog.Control<fw::ListView>(20);
  ASSERT_NE(list, nullptr);
  list->InsertColumn(0, "Setting", fw::LVCFMT_LEFT, 120);
  list->InsertColumn(1, "Value", fw::LVCFMT_LEFT, 90);
  list->InsertColumn(0, "?", fw::LVCFMT_LEFT, 20);  // inserting at 0 moves the others right
  for (int row = 0; row < 4; ++row) list->InsertItem(row, "row " + std::to_string(row));
  list->SetItemText(2, 2, "On");
  list->SetRowHeight(22);
  EXPECT_EQ(list->GetColumnCount(), 3);
  EXPECT_EQ(list->GetColumnWidth(1), 120);
  EXPECT_EQ(list->GetItemText(2, 2), "On");
  EXPECT_EQ(list->GetItemText(9, 0), "");

  const fw::Rect cell = list->GetSubItemRect(2, 2);
  EXPECT_EQ(cell.Height(), 22);
  EXPECT_EQ(cell.left - list->GetSubItemRect(2, 1).left, 120);
  EXPECT_GE(cell.top, list->GetSubItemRect(0, 2).top + 2 * 22) << "the header lies above the rows";
  for (int row : {0, 3}) {
    for (int column : {0, 1, 2}) {
      const fw::ListHit hit = list->SubItemHitTest(list->GetSubItemRect(row, column).CenterPoint());
      EXPECT_EQ(hit.item, row);
      EXPECT_EQ(hit.subItem, column);
    }
  }
  EXPECT_EQ(list->SubItemHitTest({1, 1}).item, -1) << "the header is not a row";

  list->SetItemState(1, fw::LVIS_SELECTED | fw::LVIS_FOCUSED, fw::LVIS_SELECTED | fw::LVIS_FOCUSED);
  EXPECT_EQ(list->GetItemState(1, fw::LVIS_SELECTED | fw::LVIS_FOCUSED), fw::LVIS_SELECTED | fw::LVIS_FOCUSED);
  list->SetItemState(1, 0, fw::LVIS_SELECTED);
  EXPECT_EQ(list->GetItemState(1, fw::LVIS_SELECTED), 0u);
}

}  // namespace
