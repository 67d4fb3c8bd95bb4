#pragma once

#include <QDialog>

namespace tablesmith::ui {

// The About window: what the tool is and where to send questions.
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent);
};

// Opens the About window and returns when it is closed.
void about(QWidget* parent);

}  // namespace tablesmith::ui
