#pragma once

#include <QObject>
#include <QPointer>

#include "generator/GenerateProject.h"

class QDialog;
class QProgressBar;
class QWidget;

namespace tablesmith::ui {

// The "Please be patient..." window of a generation run: it opens when a file
// starts to be written, its bar PROGRESS1 runs from 0 to the file's line
// count and fills line by line, and it closes by itself when the file is
// done. During a run it opens and closes once per generated file.
class ProgressWindow : public QObject, public RunObserver {
  Q_OBJECT

 public:
  explicit ProgressWindow(QWidget* parent);
  ~ProgressWindow() override;

  void FileStarted(const std::string& fileName, std::size_t lineCount) override;
  void LinesWritten(std::size_t linesWritten) override;
  void FileFinished(const std::string& fileName) override;

 signals:
  // The window is on screen with its bar at 0.
  void opened(QDialog* window);
  // The file is written; the window closes right after this.
  void finishing(QDialog* window);

 private:
  void Repaint();

  QWidget* parent_;
  QPointer<QDialog> window_;
  QProgressBar* bar_ = nullptr;
};

}  // namespace tablesmith::ui
