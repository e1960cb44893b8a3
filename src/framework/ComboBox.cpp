#include "framework/ComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>

#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"
#include "framework/detail/Usable.h"

namespace fw {

namespace {

class ComboWidget : public detail::Host<QComboBox> {
 public:
  ComboWidget(ComboBox* owner, QWidget* parent) : detail::Host<QComboBox>(owner, parent), owner_(owner) {}
  void showPopup() override {
    owner_->NotifyParent(CBN_DROPDOWN);
    QComboBox::showPopup();
  }
  void hidePopup() override {
    QComboBox::hidePopup();
    owner_->NotifyParent(CBN_CLOSEUP);
  }

 private:
  ComboBox* owner_;
};

QComboBox* Combo(const Window* w) { return qobject_cast<QComboBox*>(detail::WidgetOf(w)); }
constexpr int kDataRole = Qt::UserRole + 1;

}  // namespace

ComboBox::ComboBox() = default;
ComboBox::~ComboBox() = default;

detail::Native* ComboBox::CreateNative(detail::Native* parent, const ControlTemplate&) {
  auto* combo = new ComboWidget(this, detail::AsWidget(parent));
  QObject::connect(combo, &QComboBox::activated, combo, [this](int) { NotifyParent(CBN_SELCHANGE); });
  return detail::AsNative(combo);
}

void ComboBox::OnCreated() {
  // As on the classic platform, the height a template gives a drop-down list is that of its open
  // list: the closed box keeps the height of one line.
  if (QComboBox* combo = Combo(this)) combo->setMaximumHeight(combo->sizeHint().height());
}

int ComboBox::AddString(const std::string& text) {
  QComboBox* combo = Combo(this);
  if (!combo) return CB_ERR;
  int index = combo->count();
  if (GetStyle() & CS_SORT) {
    const QString q = detail::ToQt(text);
    index = 0;
    while (index < combo->count() && QString::compare(combo->itemText(index), q, Qt::CaseInsensitive) <= 0) ++index;
  }
  return InsertString(index, text);
}

int ComboBox::InsertString(int index, const std::string& text) {
  QComboBox* combo = Combo(this);
  if (!combo) return CB_ERR;
  if (index == -1) index = combo->count();
  if (index < 0 || index > combo->count()) return CB_ERR;
  const int selected = combo->currentIndex();
  combo->insertItem(index, detail::ToQt(text));
  // A classic drop-down list keeps "no selection" when entries are added.
  if (selected == -1) combo->setCurrentIndex(-1);
  return index;
}

int ComboBox::DeleteString(int index) {
  QComboBox* combo = Combo(this);
  if (!combo || index < 0 || index >= combo->count()) return CB_ERR;
  combo->removeItem(index);
  return combo->count();
}

void ComboBox::ResetContent() {
  if (QComboBox* combo = Combo(this)) combo->clear();
}

int ComboBox::GetCount() const {
  QComboBox* combo = Combo(this);
  return combo ? combo->count() : 0;
}

std::string ComboBox::GetLBText(int index) const {
  QComboBox* combo = Combo(this);
  if (!combo || index < 0 || index >= combo->count()) return {};
  return detail::FromQt(combo->itemText(index));
}

int ComboBox::GetCurSel() const {
  QComboBox* combo = Combo(this);
  return combo ? combo->currentIndex() : CB_ERR;
}

int ComboBox::SetCurSel(int index) {
  QComboBox* combo = Combo(this);
  if (!combo || index < -1 || index >= combo->count()) return CB_ERR;
  combo->setCurrentIndex(index);
  return index;
}

void ComboBox::SetItemData(int index, intptr_t data) {
  QComboBox* combo = Combo(this);
  if (combo && index >= 0 && index < combo->count()) combo->setItemData(index, QVariant::fromValue<qlonglong>(data), kDataRole);
}

intptr_t ComboBox::GetItemData(int index) const {
  QComboBox* combo = Combo(this);
  if (!combo || index < 0 || index >= combo->count()) return 0;
  return static_cast<intptr_t>(combo->itemData(index, kDataRole).toLongLong());
}

int ComboBox::FindStringExact(const std::string& text) const {
  QComboBox* combo = Combo(this);
  if (!combo) return CB_ERR;
  return combo->findText(detail::ToQt(text), Qt::MatchFixedString);
}

void ComboBox::ShowDropDown(bool show) {
  QComboBox* combo = Combo(this);
  if (!combo) return;
  if (show) {
    combo->showPopup();
  } else {
    combo->hidePopup();
  }
}

bool ComboBox::GetDroppedState() const {
  QComboBox* combo = Combo(this);
  return combo && combo->view() && combo->view()->isVisible();
}

bool ComboBox::SelectAsUser(int index) {
  QComboBox* combo = Combo(this);
  if (!combo || !detail::IsUsable(*this) || index < 0 || index >= combo->count()) return false;
  combo->setCurrentIndex(index);
  NotifyParent(CBN_SELCHANGE);
  return true;
}

bool ComboBox::WantsKey(unsigned vk) const { return (vk == VK_RETURN || vk == VK_ESCAPE) && GetDroppedState(); }

}  // namespace fw
