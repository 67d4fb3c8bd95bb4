#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace tablesmith::test {

// Runs `act` on the next modal dialog as soon as it is open. The dialog is
// closed afterwards if `act` left it open (a failed check returns early), so
// a test never hangs on a dialog.
inline void WhenModalOpens(std::function<void(QDialog*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(dialog);
    if (dialog->isVisible()) dialog->done(QDialog::Rejected);
  });
  timer->start();
}

}  // namespace tablesmith::test
