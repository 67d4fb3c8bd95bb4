#include "ui/Platform.h"

#include <QDir>
#include <QFileDialog>
#include <QQueue>

namespace tablesmith::ui {
namespace {

QQueue<MessageBox::Button>& Answers() {
  static QQueue<MessageBox::Button> answers;
  return answers;
}

QList<MessageBox::Shown>& History() {
  static QList<MessageBox::Shown> history;
  return history;
}

bool noPersonPresent = false;

}  // namespace

MessageBox::Button MessageBox::Show(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    Button byDefault) {
  Button answer = byDefault;
  if (!Answers().isEmpty()) {
    answer = Answers().dequeue();
  } else if (!noPersonPresent) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(byDefault);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    answer = clicked == QMessageBox::NoButton ? byDefault : clicked;
  }
  History().append({icon, title, text, answer});
  return answer;
}

MessageBox::Button MessageBox::question(QWidget* parent, const QString& title,
                                        const QString& text) {
  return Show(QMessageBox::Question, parent, title, text, QMessageBox::Yes | QMessageBox::No,
              QMessageBox::No);
}

void MessageBox::information(QWidget* parent, const QString& title, const QString& text) {
  Show(QMessageBox::NoIcon, parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::warning(QWidget* parent, const QString& title, const QString& text) {
  Show(QMessageBox::Warning, parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::critical(QWidget* parent, const QString& title, const QString& text) {
  Show(QMessageBox::Critical, parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::setNextAnswer(Button answer) { Answers().enqueue(answer); }

void MessageBox::setNoPersonPresent(bool on) { noPersonPresent = on; }

const QList<MessageBox::Shown>& MessageBox::history() { return History(); }

void MessageBox::clearHistory() { History().clear(); }

std::optional<QString> FolderDialog::next_;
QString FolderDialog::lastCaption_;

QString FolderDialog::getExistingDirectory(QWidget* parent, const QString& caption,
                                           const QString& startFolder) {
  lastCaption_ = caption;
  if (next_) {
    const QString answer = *next_;
    next_.reset();
    return answer.isEmpty() ? QString() : QDir::toNativeSeparators(answer);
  }

  const QString workingFolder = QDir::currentPath();
  QFileDialog dialog(parent, caption, startFolder);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setNameFilter(QStringLiteral("All Files (*.*)"));
  QString chosen;
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    chosen = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
  }
  QDir::setCurrent(workingFolder);
  return chosen;
}

void FolderDialog::setNextDirectory(const QString& folder) { next_ = folder; }

QString FolderDialog::lastCaption() { return lastCaption_; }

}  // namespace tablesmith::ui
