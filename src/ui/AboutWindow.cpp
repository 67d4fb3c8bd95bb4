#include "ui/AboutWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/AppIcon.h"

namespace tablesmith::ui {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("about"));
  setWindowTitle(QStringLiteral("About"));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("IMAGE1"));
  picture->setPixmap(AppPicture(96));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);

  const QString lines[] = {
      QStringLiteral("Made by the Tablesmith team"),
      QStringLiteral("Tablesmith for AGK Classic & Studio"),
      QStringLiteral("This is a Tool to help generate Code compatible with"),
      QStringLiteral("The Game Creators AGK Classic and AGK Studio Products"),
      QStringLiteral("https://tablesmith.example.org"),
      QStringLiteral("This is NOT a product from The Game Creators"),
      QStringLiteral("and I am NOT involved with The Game Creators Products"),
      QStringLiteral("Please direct ANY questions/comments regarding this tool to"),
      QStringLiteral("tablesmith@example.org"),
  };
  int number = 1;
  for (const QString& text : lines) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("STRING%1").arg(number++));
    label->setTextFormat(Qt::PlainText);  // "&" is shown as it stands
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }

  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName(QStringLiteral("BUTTON1"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addSpacing(8);
  layout->addWidget(close, 0, Qt::AlignCenter);
  setFixedSize(sizeHint());
}

void about(QWidget* parent) {
  AboutWindow window(parent);
  window.exec();
}

}  // namespace tablesmith::ui
