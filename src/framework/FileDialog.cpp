#include "framework/FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

#include "framework/TestSeams.h"
#include "framework/Window.h"
#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"

namespace fw {

namespace {

// "Name (*.a)|*.a|All (*.*)|*.*||" -> "Name (*.a);;All (*.*)": the display halves of the pairs.
QString QtFilter(const std::string& filter) {
  QStringList parts = detail::ToQt(filter).split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString name = parts[i];
    if (!name.contains(QLatin1Char('('))) name += QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
    out << name;
  }
  return out.join(QStringLiteral(";;"));
}

}  // namespace

std::optional<std::string> ShowFileDialog(const FileDialogRequest& request, Window* owner) {
  if (FileDialogScript* script = FileDialogScript::Current()) return script->Answer(request);
  if (QGuiApplication::platformName() == QLatin1String("offscreen") && ModalScript::HasFailureReporter()) {
    ModalScript::ReportFailure("file dialog \"" + request.title + "\" shown with no FileDialogScript");
    return std::nullopt;
  }
  QWidget* parent = owner ? detail::WidgetOf(owner->GetTopLevel()) : nullptr;
  QString start = detail::ToQt(request.folder);
  if (!request.defaultName.empty()) start = start.isEmpty() ? detail::ToQt(request.defaultName) : start + QLatin1Char('/') + detail::ToQt(request.defaultName);
  const QString title = detail::ToQt(request.title);
  QString path = request.save ? QFileDialog::getSaveFileName(parent, title, start, QtFilter(request.filter))
                              : QFileDialog::getOpenFileName(parent, title, start, QtFilter(request.filter));
  if (path.isEmpty()) return std::nullopt;
  if (request.save && !request.defaultExt.empty() && QFileInfo(path).suffix().isEmpty()) {
    path += QLatin1Char('.') + detail::ToQt(request.defaultExt);
  }
  return detail::FromQt(path);
}

}  // namespace fw
