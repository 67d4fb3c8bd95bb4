#include "ui/ProgressWindow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace tablesmith::ui {

ProgressWindow::ProgressWindow(QWidget* parent) : QObject(parent), parent_(parent) {}

ProgressWindow::~ProgressWindow() { delete window_; }

void ProgressWindow::FileStarted(const std::string&, std::size_t lineCount) {
  delete window_;
  window_ = new QDialog(parent_, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  window_->setObjectName(QStringLiteral("ExportFile"));
  window_->setWindowTitle(QStringLiteral("Please be patient..."));
  window_->setModal(true);
  bar_ = new QProgressBar(window_);
  bar_->setObjectName(QStringLiteral("PROGRESS1"));
  const auto maximum = static_cast<int>(
      std::min<std::size_t>(lineCount, static_cast<std::size_t>(std::numeric_limits<int>::max())));
  bar_->setRange(0, maximum);
  bar_->setValue(0);
  auto* layout = new QVBoxLayout(window_);
  layout->addWidget(bar_);
  window_->setFixedWidth(360);
  window_->show();
  Repaint();
  emit opened(window_);
}

void ProgressWindow::LinesWritten(std::size_t linesWritten) {
  if (!bar_) return;
  bar_->setValue(static_cast<int>(std::min<std::size_t>(linesWritten, bar_->maximum())));
  Repaint();
}

void ProgressWindow::FileFinished(const std::string&) {
  if (!window_) return;
  emit finishing(window_);
  window_->close();
  delete window_;
  bar_ = nullptr;
  Repaint();
}

void ProgressWindow::Repaint() {
  // The run holds the user-interface thread; let the window paint, but keep
  // the user's input out until the run is over.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tablesmith::ui
