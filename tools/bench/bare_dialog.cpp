// A bare toolkit dialog of the program window's size showing one line of text (so that the
// toolkit's fonts are loaded, as in any dialog that shows something), closed a moment after its
// first paint: what start-up costs on the same platform plugin without the program, for
// scripts/startup_bench.sh to compare the program's start-up to page 1 with.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>

namespace {

// As long as the program's window stays after page 1 shows (the demo's --first-page).
constexpr int kShownMs = 250;

class BareDialog : public QDialog {
 protected:
  void paintEvent(QPaintEvent* event) override {
    QDialog::paintEvent(event);
    if (!painted_) QTimer::singleShot(kShownMs, this, &QDialog::accept);
    painted_ = true;
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  BareDialog dialog;
  dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  dialog.resize(728, 484);
  QLabel label(QStringLiteral("A bare dialog"), &dialog);
  label.move(20, 20);
  return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
