#include "ui/AppIcon.h"

#include <QFile>
#include <QPainter>

namespace tablesmith::ui {
namespace {

const QString kIconResource = QStringLiteral(":/icons/tablesmith.png");

// A small table on a rounded tile: a header row and three rows of cells.
QPixmap DrawnPicture(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal unit = size / 16.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x2b, 0x57, 0x9a));
  painter.drawRoundedRect(QRectF(0.5 * unit, 0.5 * unit, 15 * unit, 15 * unit), 3 * unit, 3 * unit);
  painter.setBrush(QColor(0xf2, 0xc9, 0x4c));
  painter.drawRect(QRectF(3 * unit, 3 * unit, 10 * unit, 2.5 * unit));
  painter.setBrush(Qt::white);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 2; ++column) {
      painter.drawRect(
          QRectF((3 + column * 5.25) * unit, (6.25 + row * 2.4) * unit, 4.75 * unit, 1.9 * unit));
    }
  }
  return picture;
}

}  // namespace

QPixmap AppPicture(int size) {
  if (QFile::exists(kIconResource)) {
    return QPixmap(kIconResource).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  return DrawnPicture(size);
}

QIcon AppIcon() {
  if (QFile::exists(kIconResource)) return QIcon(kIconResource);
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(DrawnPicture(size));
  return icon;
}

}  // namespace tablesmith::ui
