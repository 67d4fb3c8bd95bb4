#pragma once

#include <string>
#include <vector>

#include "model/FieldDefinition.h"
#include "model/ProjectSettings.h"

namespace tablesmith::ui {

// Where the generated program puts its sprites, edit boxes and texts on its
// 1280 x 720 screen, computed with the same arithmetic as the generated code,
// so that the wizard can draw its previews to scale. Positions are top-left
// corners in screen pixels.

inline constexpr double kScreenWidth = 1280;
inline constexpr double kScreenHeight = 720;

struct Box {
  double x = 0, y = 0, w = 0, h = 0;
  bool operator==(const Box&) const = default;
};

struct TextItem {
  std::string text;
  double x = 0, y = 0, size = 0;
  bool operator==(const TextItem&) const = default;
};

// Width divided by height of each button image. A button sprite is sized
// with width -1, so AGK takes its width from the image's proportions.
struct ButtonShapes {
  double insert = 1, change = 1, remove = 1, close = 1, ok = 1, cancel = 1;
};

// The project title that the startup file shows at the top of the screen.
TextItem LayOutTitle(const ProjectSettings& settings);

struct ListLayout {
  Box frame, header, panel, scrollBackground, scrollUp, scrollDown, thumb, footer;
  Box insert, change, remove, close;
  TextItem headerText;
  std::vector<TextItem> rows;
  // The thumb's track, as the list's load function fixes it.
  double topB = 0, bottomT = 0, thumbHeight = 0, tbDiff = 0;
};

// The list view: init() and load() of the list include, and the rows that
// getrecords() writes (`rowTexts` gives their texts; rows past it are empty).
ListLayout LayOutList(const ProjectSettings& settings, const ButtonShapes& shapes,
                      const std::vector<std::string>& rowTexts);

struct FormLayout {
  Box border, header, background, ok, cancel;
  TextItem headerText;
  std::vector<Box> editBoxes;    // one per field, in store order
  std::vector<TextItem> labels;  // one per field, in store order
};

// The record form of setup() in the form include, titled `headerText`.
FormLayout LayOutForm(const ProjectSettings& settings, const FieldList& fields,
                      const ButtonShapes& shapes, const std::string& headerText);

struct PopupLayout {
  Box border, header, background, ok, cancel;
  TextItem title, question;
};

// The delete confirmation of setup() in the message popup include.
PopupLayout LayOutPopup(const ProjectSettings& settings, const ButtonShapes& shapes);

}  // namespace tablesmith::ui
