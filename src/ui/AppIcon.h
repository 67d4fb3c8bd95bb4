#pragma once

#include <QIcon>
#include <QPixmap>

namespace tablesmith::ui {

// The program's icon: the picture built into the program, or a drawn
// stand-in when the build had none.
QIcon AppIcon();
QPixmap AppPicture(int size);

}  // namespace tablesmith::ui
