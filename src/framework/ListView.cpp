#include "framework/ListView.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <optional>

#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"
#include "framework/detail/QtDeviceContext.h"

namespace fw {

struct ListViewAccess {
  static void HeaderLayout(ListView& v) { v.OnHeaderLayout(); }
  static bool DividerDoubleClick(ListView& v, int column) { return v.OnHeaderDividerDoubleClick(column); }
};

namespace {

constexpr int kDataRole = Qt::UserRole + 1;

class RowHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  int height = 0;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (height > 0) size.setHeight(height);
    return size;
  }
};

class ListWidget : public detail::Host<QTreeWidget> {
 public:
  ListWidget(ListView* owner, QWidget* parent, bool ownerDraw)
      : detail::Host<QTreeWidget>(owner, parent), owner_(owner), ownerDraw_(ownerDraw) {
    delegate = new RowHeightDelegate(this);
    setItemDelegate(delegate);
  }
  RowHeightDelegate* delegate;

  // Client coordinates of the list are those of the whole control, header included.
  QPoint ViewportOffset() const { return viewport()->pos(); }
  // Rows are measured again before the next use of their geometry (safe while painting).
  void RelayoutRows() { scheduleDelayedItemsLayout(); }

 protected:
  void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!ownerDraw_) {
      QTreeWidget::drawRow(painter, option, index);
      return;
    }
    const QPoint offset = ViewportOffset();
    detail::QtDeviceContext dc(painter, {-offset.x(), -offset.y()}, owner_->GetFont());
    DrawItemStruct item;
    item.ctlId = owner_->GetDlgCtrlID();
    item.itemId = index.row();
    item.control = owner_;
    item.dc = &dc;
    item.rect = detail::FromQt(option.rect.translated(offset));
    item.rect.left = 0;
    item.rect.right = std::max(item.rect.right, offset.x() + viewport()->width());
    if (option.state & QStyle::State_Selected) item.state |= ODS_SELECTED;
    if (option.state & QStyle::State_HasFocus) item.state |= ODS_FOCUS;
    if (!isEnabled()) item.state |= ODS_DISABLED;
    if (Window* parent = owner_->GetContainer()) {
      parent->OnDrawItem(item.ctlId, item);
    } else {
      owner_->DrawItem(item);
    }
  }

 private:
  ListView* owner_;
  bool ownerDraw_;
};

ListWidget* List(const Window* w) { return static_cast<ListWidget*>(detail::WidgetOf(w)); }

std::optional<unsigned> ScrollCodeOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: return std::nullopt;
  }
}

}  // namespace

ListView::ListView() = default;
ListView::~ListView() = default;

detail::Native* ListView::CreateNative(detail::Native* parent, const ControlTemplate& t) {
  auto* list = new ListWidget(this, detail::AsWidget(parent), (t.style & CS_OWNERDRAW) != 0);
  list->setRootIsDecorated(false);
  list->setIndentation(0);
  list->setUniformRowHeights(true);
  list->setItemsExpandable(false);
  list->setColumnCount(0);
  list->setHeaderHidden(t.style & CS_NOCOLUMNHEADER);
  list->header()->setStretchLastSection(false);
  list->header()->setMinimumSectionSize(0);  // a column may be as narrow as its owner sets it
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setFrameShape((t.style & CS_BORDER) ? QFrame::Box : QFrame::NoFrame);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  for (QScrollBar* bar : {list->verticalScrollBar(), list->horizontalScrollBar()}) {
    const unsigned msg = bar == list->verticalScrollBar() ? WM_VSCROLL : WM_HSCROLL;
    QObject::connect(bar, &QAbstractSlider::actionTriggered, list, [this, bar, msg](int action) {
      if (const std::optional<unsigned> code = ScrollCodeOf(action)) {
        SendMessage(msg, MakeScrollParam(*code, bar->sliderPosition()), 0);
      }
    });
  }
  QObject::connect(list->header(), &QHeaderView::sectionResized, list,
                   [this](int, int, int) { ListViewAccess::HeaderLayout(*this); });
  QObject::connect(list->header(), &QHeaderView::sectionHandleDoubleClicked, list, [this, list](int column) {
    if (!ListViewAccess::DividerDoubleClick(*this, column)) list->resizeColumnToContents(column);
  });
  return detail::AsNative(list);
}

int ListView::InsertColumn(int index, const std::string& heading, int format, int width) {
  ListWidget* list = List(this);
  if (!list) return -1;
  const int count = list->columnCount();
  if (index < 0 || index > count) index = count;
  if (count == 0) {
    list->setColumnCount(1);
  } else {
    list->model()->insertColumn(index);
  }
  QTreeWidgetItem* header = list->headerItem();
  header->setText(index, detail::ToQt(heading));
  const Qt::Alignment align = format == LVCFMT_RIGHT ? Qt::AlignRight : format == LVCFMT_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
  header->setTextAlignment(index, align | Qt::AlignVCenter);
  list->setColumnWidth(index, width);
  return index;
}

bool ListView::DeleteColumn(int index) {
  ListWidget* list = List(this);
  if (!list || index < 0 || index >= list->columnCount()) return false;
  return list->model()->removeColumn(index);
}

int ListView::GetColumnCount() const {
  ListWidget* list = List(this);
  return list ? list->columnCount() : 0;
}

bool ListView::SetColumnWidth(int index, int width) {
  ListWidget* list = List(this);
  if (!list || index < 0 || index >= list->columnCount()) return false;
  list->setColumnWidth(index, width);
  return true;
}

int ListView::GetColumnWidth(int index) const {
  ListWidget* list = List(this);
  if (!list || index < 0 || index >= list->columnCount()) return 0;
  return list->columnWidth(index);
}

int ListView::InsertItem(int index, const std::string& text) {
  ListWidget* list = List(this);
  if (!list) return -1;
  const int count = list->topLevelItemCount();
  if (index < 0 || index > count) index = count;
  auto* item = new QTreeWidgetItem;
  item->setText(0, detail::ToQt(text));
  list->insertTopLevelItem(index, item);
  return index;
}

bool ListView::SetItemText(int item, int subItem, const std::string& text) {
  ListWidget* list = List(this);
  if (!list || item < 0 || item >= list->topLevelItemCount() || subItem < 0 || subItem >= std::max(1, list->columnCount())) return false;
  list->topLevelItem(item)->setText(subItem, detail::ToQt(text));
  return true;
}

std::string ListView::GetItemText(int item, int subItem) const {
  ListWidget* list = List(this);
  if (!list || item < 0 || item >= list->topLevelItemCount() || subItem < 0) return {};
  return detail::FromQt(list->topLevelItem(item)->text(subItem));
}

bool ListView::DeleteItem(int item) {
  ListWidget* list = List(this);
  if (!list || item < 0 || item >= list->topLevelItemCount()) return false;
  delete list->takeTopLevelItem(item);
  return true;
}

bool ListView::DeleteAllItems() {
  ListWidget* list = List(this);
  if (!list) return false;
  list->clear();
  return true;
}

int ListView::GetItemCount() const {
  ListWidget* list = List(this);
  return list ? list->topLevelItemCount() : 0;
}

bool ListView::SetItemState(int item, unsigned state, unsigned mask) {
  ListWidget* list = List(this);
  if (!list || item < 0 || item >= list->topLevelItemCount()) return false;
  QTreeWidgetItem* row = list->topLevelItem(item);
  if (mask & LVIS_SELECTED) row->setSelected(state & LVIS_SELECTED);
  if (mask & LVIS_FOCUSED) {
    const QModelIndex index = list->model()->index(item, 0);
    if (state & LVIS_FOCUSED) {
      list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    } else if (list->currentIndex().row() == item) {
      list->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
  }
  return true;
}

unsigned ListView::GetItemState(int item, unsigned mask) const {
  ListWidget* list = List(this);
  if (!list || item < 0 || item >= list->topLevelItemCount()) return 0;
  unsigned state = 0;
  if (list->topLevelItem(item)->isSelected()) state |= LVIS_SELECTED;
  if (list->currentIndex().isValid() && list->currentIndex().row() == item) state |= LVIS_FOCUSED;
  return state & mask;
}

void ListView::SetItemData(int item, intptr_t data) {
  ListWidget* list = List(this);
  if (list && item >= 0 && item < list->topLevelItemCount()) {
    list->topLevelItem(item)->setData(0, kDataRole, QVariant::fromValue<qlonglong>(data));
  }
}

intptr_t ListView::GetItemData(int item) const {
  ListWidget* list = List(this);
  if (!list || item < 0 || item >= list->topLevelItemCount()) return 0;
  return static_cast<intptr_t>(list->topLevelItem(item)->data(0, kDataRole).toLongLong());
}

void ListView::SetRowHeight(int height) {
  ListWidget* list = List(this);
  if (!list) return;
  list->delegate->height = height;
  list->RelayoutRows();
}

int ListView::GetRowHeight() const {
  ListWidget* list = List(this);
  if (!list) return 0;
  if (list->delegate->height > 0) return list->delegate->height;
  return list->topLevelItemCount() ? list->visualItemRect(list->topLevelItem(0)).height() : list->fontMetrics().height() + 4;
}

Rect ListView::GetSubItemRect(int item, int subItem, int area) const {
  ListWidget* list = List(this);
  if (!list || item < 0 || item >= list->topLevelItemCount() || subItem < 0 || subItem >= std::max(1, list->columnCount())) return {};
  const QModelIndex index = list->model()->index(item, subItem);
  QRect r = list->visualRect(index);
  if (area == LVIR_BOUNDS && subItem == 0) r = list->visualItemRect(list->topLevelItem(item));
  return detail::FromQt(r.translated(list->ViewportOffset()));
}

ListHit ListView::SubItemHitTest(Point clientPoint) const {
  ListWidget* list = List(this);
  if (!list) return {};
  const QModelIndex index = list->indexAt(detail::ToQt(clientPoint) - list->ViewportOffset());
  if (!index.isValid()) return {};
  return {index.row(), index.column()};
}

int ListView::GetStringWidth(const std::string& text) const {
  ListWidget* list = List(this);
  return list ? list->fontMetrics().horizontalAdvance(detail::ToQt(text)) : 0;
}

void ListView::RedrawItems(int, int) {
  if (ListWidget* list = List(this)) list->viewport()->update();
}

bool ListView::WantsKey(unsigned) const { return false; }

}  // namespace fw
