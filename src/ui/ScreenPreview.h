#pragma once

#include <QHash>
#include <QImage>
#include <QWidget>
#include <filesystem>

#include "model/FieldDefinition.h"
#include "model/ProjectSettings.h"
#include "ui/PreviewLayout.h"

namespace tablesmith::ui {

// A to-scale picture of the generated program's 1280 x 720 screen with the
// current settings: the list view, and in front of it the record form, and
// in front of that the delete popup, as far as `screen` asks. Sprites are
// drawn with the theme images when they are found, else in flat colours.
class ScreenPreview : public QWidget {
  Q_OBJECT

 public:
  enum class Screen { List, Form, Popup };

  ScreenPreview(Screen screen, const std::filesystem::path& themeFolder, QWidget* parent);

  void SetProject(const ProjectSettings& settings, const FieldList& fields);

  QSize sizeHint() const override { return {480, 270}; }
  QSize minimumSizeHint() const override { return {256, 144}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return width * 9 / 16; }

  // The picture's parts, for tests and for readers of the drawing code.
  ListLayout List() const;
  FormLayout Form() const;
  PopupLayout Popup() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage Image(const QString& name) const;
  ButtonShapes Shapes() const;

  Screen screen_;
  QHash<QString, QImage> images_;
  ProjectSettings settings_;
  FieldList fields_;
};

}  // namespace tablesmith::ui
