#include "framework/ListBox.h"

#include <QListWidget>

#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"
#include "framework/detail/Usable.h"

namespace fw {

namespace {

class ListBoxWidget : public detail::Host<QListWidget> {
 public:
  ListBoxWidget(ListBox* owner, QWidget* parent) : detail::Host<QListWidget>(owner, parent) {}
  bool settingSelection = false;
};

ListBoxWidget* List(const Window* w) { return static_cast<ListBoxWidget*>(detail::WidgetOf(w)); }

constexpr int kDataRole = Qt::UserRole + 1;

}  // namespace

ListBox::ListBox() = default;
ListBox::~ListBox() = default;

detail::Native* ListBox::CreateNative(detail::Native* parent, const ControlTemplate& t) {
  auto* widget = new ListBoxWidget(this, detail::AsWidget(parent));
  widget->setSelectionMode(QAbstractItemView::SingleSelection);
  widget->setVerticalScrollBarPolicy((t.style & CS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  widget->setHorizontalScrollBarPolicy((t.style & CS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  widget->setFrameShape((t.style & CS_BORDER) ? QFrame::Box : QFrame::NoFrame);
  QObject::connect(widget, &QListWidget::currentRowChanged, widget, [this, widget](int) {
    if (!widget->settingSelection && (GetStyle() & CS_NOTIFY)) NotifyParent(LBN_SELCHANGE);
  });
  QObject::connect(widget, &QListWidget::itemDoubleClicked, widget, [this](QListWidgetItem*) {
    if (GetStyle() & CS_NOTIFY) NotifyParent(LBN_DBLCLK);
  });
  return detail::AsNative(widget);
}

void ListBox::OnCreated() {}

int ListBox::AddString(const std::string& text) {
  ListBoxWidget* list = List(this);
  if (!list) return LB_ERR;
  int index = list->count();
  if (GetStyle() & CS_SORT) {
    const QString q = detail::ToQt(text);
    index = 0;
    while (index < list->count() && QString::compare(list->item(index)->text(), q, Qt::CaseInsensitive) <= 0) ++index;
  }
  return InsertString(index, text);
}

int ListBox::InsertString(int index, const std::string& text) {
  ListBoxWidget* list = List(this);
  if (!list) return LB_ERR;
  if (index == -1) index = list->count();
  if (index < 0 || index > list->count()) return LB_ERR;
  list->settingSelection = true;
  list->insertItem(index, detail::ToQt(text));
  list->settingSelection = false;
  return index;
}

int ListBox::DeleteString(int index) {
  ListBoxWidget* list = List(this);
  if (!list || index < 0 || index >= list->count()) return LB_ERR;
  list->settingSelection = true;
  delete list->takeItem(index);
  list->settingSelection = false;
  return list->count();
}

void ListBox::ResetContent() {
  if (ListBoxWidget* list = List(this)) {
    list->settingSelection = true;
    list->clear();
    list->settingSelection = false;
  }
}

int ListBox::GetCount() const {
  ListBoxWidget* list = List(this);
  return list ? list->count() : 0;
}

std::string ListBox::GetText(int index) const {
  ListBoxWidget* list = List(this);
  if (!list || index < 0 || index >= list->count()) return {};
  return detail::FromQt(list->item(index)->text());
}

int ListBox::GetCurSel() const {
  ListBoxWidget* list = List(this);
  if (!list) return LB_ERR;
  const auto selected = list->selectedItems();
  return selected.isEmpty() ? LB_ERR : list->row(selected.front());
}

int ListBox::SetCurSel(int index) {
  ListBoxWidget* list = List(this);
  if (!list || index < -1 || index >= list->count()) return LB_ERR;
  list->settingSelection = true;
  if (index == -1) {
    list->clearSelection();
    list->setCurrentRow(-1);
  } else {
    list->setCurrentRow(index);
    list->item(index)->setSelected(true);
  }
  list->settingSelection = false;
  return index;
}

void ListBox::SetItemData(int index, intptr_t data) {
  ListBoxWidget* list = List(this);
  if (list && index >= 0 && index < list->count()) list->item(index)->setData(kDataRole, QVariant::fromValue<qlonglong>(data));
}

intptr_t ListBox::GetItemData(int index) const {
  ListBoxWidget* list = List(this);
  if (!list || index < 0 || index >= list->count()) return 0;
  return static_cast<intptr_t>(list->item(index)->data(kDataRole).toLongLong());
}

int ListBox::FindStringExact(const std::string& text) const {
  ListBoxWidget* list = List(this);
  if (!list) return LB_ERR;
  const QString q = detail::ToQt(text);
  for (int i = 0; i < list->count(); ++i) {
    if (QString::compare(list->item(i)->text(), q, Qt::CaseInsensitive) == 0) return i;
  }
  return LB_ERR;
}

bool ListBox::SelectAsUser(int index) {
  ListBoxWidget* list = List(this);
  if (!list || !detail::IsUsable(*this) || index < 0 || index >= list->count()) return false;
  list->setCurrentRow(index);
  list->item(index)->setSelected(true);
  return true;
}

}  // namespace fw
