#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <optional>

class QWidget;

namespace tablesmith::ui {

// Every message box of the wizard goes through here, so that a test can give
// the answer before the box opens and read what it would have shown.
class MessageBox {
 public:
  using Button = QMessageBox::StandardButton;

  struct Shown {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    Button answer;
  };

  // Yes/No question; No is the default button.
  static Button question(QWidget* parent, const QString& title, const QString& text);
  // A plain message with an OK button and no icon.
  static void information(QWidget* parent, const QString& title, const QString& text);
  static void warning(QWidget* parent, const QString& title, const QString& text);
  static void critical(QWidget* parent, const QString& title, const QString& text);

  // Test hooks. Answers are used in the order given, one per box; a box with
  // an answer waiting is not shown at all.
  static void setNextAnswer(Button answer);
  // When set, a box without an answer waiting is not shown either: it gets its
  // default button, so that a test never waits for a person.
  static void setNoPersonPresent(bool on);
  static const QList<Shown>& history();
  static void clearHistory();

 private:
  static Button Show(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                     const QString& text, QMessageBox::StandardButtons buttons, Button byDefault);
};

// The folder-selection dialog, with the same kind of test hook.
class FolderDialog {
 public:
  // Returns the chosen folder with native separators, or an empty text when
  // the user cancelled. The working folder is the same afterwards.
  static QString getExistingDirectory(QWidget* parent, const QString& caption,
                                      const QString& startFolder);

  // Answers the next dialog without showing it: a folder, or an empty text
  // for a cancelled dialog.
  static void setNextDirectory(const QString& folder);
  static QString lastCaption();

 private:
  static std::optional<QString> next_;
  static QString lastCaption_;
};

}  // namespace tablesmith::ui
