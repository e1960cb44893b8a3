#include "framework/FileDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>

#include "framework/TestSeams.h"
#include "framework/Window.h"
#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"
#include "platform/Paths.h"

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

// The toolkit keeps its dialogs' settings below the home folder, in $HOME/.config, which it makes
// when it is missing: with no home (HOME unset or naming no folder) it would make one, and the
// next start would take it for the user's. They go to the program's IMG folder instead, where its
// own files go then (the demo's temporary folder).
void KeepToolkitSettingsOutOfAMissingHome() {
  const QString home = qEnvironmentVariable("HOME");
  if (!home.isEmpty() && QFileInfo(home).isDir()) return;
  const QString folder = detail::ToQt(platform::Paths::Get().ImageFolder());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

}  // namespace

bool UseToolkitLanguage(const std::string& locale) {
  static std::unique_ptr<QTranslator> installed;
  static std::string current;
  const std::string wanted = locale.empty() ? "en" : locale;
  if (wanted == current) return true;
  if (installed) {
    QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  current = "en";
  if (wanted == "en") return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + detail::ToQt(wanted),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  QCoreApplication::installTranslator(translator.get());
  installed = std::move(translator);
  current = wanted;
  return true;
}

std::optional<std::string> ShowFileDialog(const FileDialogRequest& request, Window* owner) {
  if (FileDialogScript* script = FileDialogScript::Current()) return script->Answer(request);
  UseToolkitLanguage(request.locale);
  KeepToolkitSettingsOutOfAMissingHome();
  if (QGuiApplication::platformName() == QLatin1String("offscreen") && ModalScript::HasFailureReporter()) {
    ModalScript::ReportFailure("file dialog \"" + request.title + "\" shown with no FileDialogScript");
    return std::nullopt;
  }
  QWidget* parent = owner ? detail::WidgetOf(owner->GetTopLevel()) : nullptr;
  QString start = detail::ToQt(request.folder);
  if (!request.defaultName.empty()) start = start.isEmpty() ? detail::ToQt(request.defaultName) : start + QLatin1Char('/') + detail::ToQt(request.defaultName);
  const QString title = detail::ToQt(request.title);
  // The toolkit's own dialog, not the desktop's: that one speaks the desktop's language, not the
  // program's.
  const QFileDialog::Options options = QFileDialog::DontUseNativeDialog;
  QString path = request.save
                     ? QFileDialog::getSaveFileName(parent, title, start, QtFilter(request.filter), nullptr, options)
                     : QFileDialog::getOpenFileName(parent, title, start, QtFilter(request.filter), nullptr, options);
  if (path.isEmpty()) return std::nullopt;
  if (request.save && !request.defaultExt.empty() && QFileInfo(path).suffix().isEmpty()) {
    path += QLatin1Char('.') + detail::ToQt(request.defaultExt);
  }
  return detail::FromQt(path);
}

}  // namespace fw
