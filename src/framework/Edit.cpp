#include "framework/Edit.h"

#include <QAbstractTextDocumentLayout>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"

namespace fw {

namespace {
QLineEdit* Line(const Window* w) { return qobject_cast<QLineEdit*>(detail::WidgetOf(w)); }
QPlainTextEdit* Multi(const Window* w) { return qobject_cast<QPlainTextEdit*>(detail::WidgetOf(w)); }

// A single-line edit that tells its dialog when it gets and loses the focus. A pop-up menu taking
// the keyboard for a moment is no loss of focus.
class LineEdit : public detail::Host<QLineEdit> {
 public:
  using detail::Host<QLineEdit>::Host;

 protected:
  void focusInEvent(QFocusEvent* e) override {
    detail::Host<QLineEdit>::focusInEvent(e);
    if (e->reason() != Qt::PopupFocusReason) FwWindow()->NotifyParent(EN_SETFOCUS);
  }
  void focusOutEvent(QFocusEvent* e) override {
    detail::Host<QLineEdit>::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason) FwWindow()->NotifyParent(EN_KILLFOCUS);
  }
};
}  // namespace

Edit::Edit() = default;
Edit::~Edit() = default;

detail::Native* Edit::CreateNative(detail::Native* parentNative, const ControlTemplate& t) {
  QWidget* parent = detail::AsWidget(parentNative);
  if (t.style & CS_MULTILINE) {
    auto* edit = new detail::Host<QPlainTextEdit>(this, parent);
    edit->setPlainText(detail::ToQt(t.text));
    edit->setReadOnly(t.style & CS_READONLY);
    edit->setVerticalScrollBarPolicy((t.style & CS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy((t.style & CS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode((t.style & CS_HSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    edit->setFrameShape((t.style & CS_BORDER) ? QFrame::Box : QFrame::NoFrame);
    // One notification per change of the text: the editor reports a new line twice.
    auto last = std::make_shared<QString>(edit->toPlainText());
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, edit, last] {
      QString now = edit->toPlainText();
      if (now == *last) return;
      *last = std::move(now);
      NotifyParent(EN_CHANGE);
    });
    return detail::AsNative(edit);
  }
  auto* edit = new LineEdit(this, parent);
  edit->setText(detail::ToQt(t.text));
  edit->setReadOnly(t.style & CS_READONLY);
  edit->setFrame(t.style & CS_BORDER);
  if (t.style & CS_PASSWORD) edit->setEchoMode(QLineEdit::Password);
  if (t.style & CS_RIGHT) edit->setAlignment(Qt::AlignRight);
  if (t.style & CS_CENTER) edit->setAlignment(Qt::AlignHCenter);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { NotifyParent(EN_CHANGE); });
  return detail::AsNative(edit);
}

void Edit::SetWindowText(const std::string& text) {
  Window::SetWindowText(text);
  if (QLineEdit* line = Line(this)) {
    line->setText(detail::ToQt(text));
  } else if (QPlainTextEdit* multi = Multi(this)) {
    multi->setPlainText(detail::ToQt(text));
  }
}

std::string Edit::GetWindowText() const {
  if (QLineEdit* line = Line(this)) return detail::FromQt(line->text());
  if (QPlainTextEdit* multi = Multi(this)) return detail::FromQt(multi->toPlainText());
  return Window::GetWindowText();
}

void Edit::SetReadOnly(bool readOnly) {
  if (QLineEdit* line = Line(this)) line->setReadOnly(readOnly);
  if (QPlainTextEdit* multi = Multi(this)) multi->setReadOnly(readOnly);
}

bool Edit::IsReadOnly() const {
  if (QLineEdit* line = Line(this)) return line->isReadOnly();
  if (QPlainTextEdit* multi = Multi(this)) return multi->isReadOnly();
  return false;
}

void Edit::LimitText(int maxChars) {
  if (QLineEdit* line = Line(this)) line->setMaxLength(maxChars > 0 ? maxChars : 32767);
}

void Edit::SetSel(int start, int end) {
  if (QLineEdit* line = Line(this)) {
    const int length = static_cast<int>(line->text().size());
    if (start < 0) {
      line->deselect();
      return;
    }
    if (end < 0 || end > length) end = length;
    line->setSelection(std::min(start, length), end - std::min(start, length));
  } else if (QPlainTextEdit* multi = Multi(this)) {
    QTextCursor cursor = multi->textCursor();
    const int length = multi->document()->characterCount() - 1;
    if (start < 0) {
      cursor.clearSelection();
    } else {
      if (end < 0 || end > length) end = length;
      cursor.setPosition(std::min(start, length));
      cursor.setPosition(end, QTextCursor::KeepAnchor);
    }
    multi->setTextCursor(cursor);
  }
}

void Edit::GetSel(int& start, int& end) const {
  start = end = 0;
  if (QLineEdit* line = Line(this)) {
    if (line->hasSelectedText()) {
      start = line->selectionStart();
      end = line->selectionEnd();
    } else {
      start = end = line->cursorPosition();
    }
  } else if (QPlainTextEdit* multi = Multi(this)) {
    const QTextCursor cursor = multi->textCursor();
    start = cursor.selectionStart();
    end = cursor.selectionEnd();
  }
}

void Edit::ReplaceSel(const std::string& text) {
  if (QLineEdit* line = Line(this)) line->insert(detail::ToQt(text));
  if (QPlainTextEdit* multi = Multi(this)) multi->insertPlainText(detail::ToQt(text));
}

int Edit::GetLineCount() const {
  if (QPlainTextEdit* multi = Multi(this)) return multi->document()->blockCount();
  return IsCreated() ? 1 : 0;
}

int Edit::CharFromPos(Point point) const {
  if (QLineEdit* line = Line(this)) return line->text().isEmpty() ? -1 : line->cursorPositionAt(detail::ToQt(point));
  if (QPlainTextEdit* multi = Multi(this)) {
    if (multi->document()->isEmpty()) return -1;
    const QPoint inViewport = multi->viewport()->mapFrom(multi, detail::ToQt(point));
    return multi->cursorForPosition(inViewport).position();
  }
  return -1;
}

Point Edit::PosFromChar(int index) const {
  if (QLineEdit* line = Line(this)) {
    if (index < 0 || index > line->text().size()) return {-1, -1};
    const QRect contents = line->contentsRect();
    const int x = contents.left() + line->textMargins().left() + 2 +
                  line->fontMetrics().horizontalAdvance(line->text().left(index));
    return {x, contents.top() + (contents.height() - line->fontMetrics().height()) / 2};
  }
  if (QPlainTextEdit* multi = Multi(this)) {
    const int length = multi->document()->characterCount() - 1;
    if (index < 0 || index > length) return {-1, -1};
    QTextCursor cursor(multi->document());
    cursor.setPosition(index);
    const QRect r = multi->cursorRect(cursor);
    return detail::FromQt(multi->viewport()->mapTo(multi, r.topLeft()));
  }
  return {-1, -1};
}

Rect Edit::GetRect() const {
  if (QPlainTextEdit* multi = Multi(this)) return detail::FromQt(multi->viewport()->geometry());
  if (QLineEdit* line = Line(this)) return detail::FromQt(line->contentsRect());
  return {};
}

int Edit::GetLineHeight() const {
  QWidget* w = detail::WidgetOf(this);
  return w ? w->fontMetrics().height() : 0;
}

bool Edit::WantsKey(unsigned vk) const {
  return vk == VK_RETURN && IsMultiLine() && (GetStyle() & CS_WANTRETURN);
}

}  // namespace fw
