#include "ui/PreviewLayout.h"

#include <algorithm>

namespace tablesmith::ui {
namespace {

// A button sprite of height `height` whose width follows its image.
Box Button(double shape, double height) { return {0, 0, shape * height, height}; }

// The most row texts worth laying out: a list that asks for more rows than
// this, or rows of no height, would only draw them on top of one another or
// off the screen.
constexpr int kMostRows = 200;

// The window chrome that the list view and the record form build alike: a
// frame, a header bar of scroll-bar height inside it, the header's title and
// the background panel below the header.
struct Chrome {
  Box frame, header, panel;
  TextItem title;
};

Chrome LayOutChrome(const Box& frame, int barHeight, int textSize, std::string title) {
  Chrome c;
  c.frame = frame;
  c.header = {frame.x + 4, frame.y + 2, frame.w - 8, double(barHeight)};
  // Integer arithmetic, as the generated code's untyped local does it.
  const int inset = (barHeight - textSize + 4) / 2;
  c.title = {std::move(title), c.header.x + inset, c.header.y + inset, double(textSize + 4)};
  c.panel = {c.header.x + 4, frame.y + barHeight + 4, frame.w - 16,
             frame.h - c.header.h - barHeight + 4};
  return c;
}

}  // namespace

TextItem LayOutTitle(const ProjectSettings& settings) {
  return {settings.FHEADER, 309.310089, 0.454130, 52.481445};
}

ListLayout LayOutList(const ProjectSettings& settings, const ButtonShapes& shapes,
                      const std::vector<std::string>& rowTexts) {
  const double X = settings.LISTX1, Y = settings.LISTY1, W = settings.LISTW, H = settings.LISTH;
  const int S = settings.SCROLLBARWIDTH, T = settings.TEXTSOZE;
  ListLayout l;

  Chrome chrome = LayOutChrome({X, Y, W, H}, S, T, "Listview");
  l.frame = chrome.frame;
  l.header = chrome.header;
  l.headerText = std::move(chrome.title);
  l.panel = chrome.panel;
  l.scrollBackground.w = S;
  l.scrollBackground.h = l.panel.h - S;
  l.scrollBackground.x = l.header.x + l.header.w - l.scrollBackground.w;
  l.scrollBackground.y = l.header.y + l.header.h;

  l.scrollUp = {0, 0, double(S), double(S)};
  l.scrollUp.x = X + W - l.scrollUp.w - 6;
  l.scrollUp.y = l.panel.y;
  l.scrollDown = {0, 0, double(S), double(S)};
  l.scrollDown.x = X + W - l.scrollDown.w - 6;
  l.scrollDown.y = l.panel.h + l.panel.y - l.scrollDown.h;

  l.thumb = {l.scrollUp.x, l.scrollUp.y + 30, double(S - 4), double(S - 4)};
  l.footer = {l.panel.x, l.panel.h + l.panel.y, W - 16, double(S)};

  // The buttons run right to left under the footer; the close button is
  // measured from the screen's left edge, not from the list's.
  const double buttonY = l.footer.y + l.footer.h + 2;
  l.close = Button(shapes.close, S);
  l.close.x = W - l.close.w - 8;
  l.remove = Button(shapes.remove, S);
  l.remove.x = l.close.x - l.close.w - 2;
  l.change = Button(shapes.change, S);
  l.change.x = l.remove.x - l.remove.w - 2;
  l.insert = Button(shapes.insert, S);
  l.insert.x = l.change.x - l.change.w - 4;
  for (Box* button : {&l.close, &l.remove, &l.change, &l.insert}) button->y = buttonY;

  l.frame.h = l.close.y + l.close.h - Y + 10;

  l.topB = l.scrollUp.y + l.scrollUp.h;
  l.bottomT = l.scrollDown.y;
  l.thumbHeight = l.thumb.h;
  l.tbDiff = l.bottomT - l.topB - l.thumbHeight;

  const int rows = std::clamp<int>(settings.LISTMAXRECORDS, 0, kMostRows);
  double rowY = l.panel.y;
  for (int c = 0; c < rows; ++c) {
    if (T > 0 && rowY > kScreenHeight) break;
    const std::string text = static_cast<std::size_t>(c) < rowTexts.size() ? rowTexts[c] : "";
    l.rows.push_back({text, l.panel.x + 10, rowY, double(T)});
    rowY += T;
  }
  return l;
}

FormLayout LayOutForm(const ProjectSettings& settings, const FieldList& fields,
                      const ButtonShapes& shapes, const std::string& headerText) {
  const double x = settings.FORMX1, y = settings.FORMY1, w = settings.FORMW, h = settings.FORMH;
  const int s = settings.SCROLLBARWIDTH, t = settings.TEXTSOZE;
  FormLayout f;

  Chrome chrome = LayOutChrome({x, y, w, h}, s, t, headerText);
  f.border = chrome.frame;
  f.header = chrome.header;
  f.headerText = std::move(chrome.title);
  f.background = chrome.panel;

  // Edit boxes stacked downwards 5 pixels apart; the first one is narrower.
  const double ls = 5;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    Box box{f.background.x + settings.EDITBOXOFFSET, 0, i == 0 ? 100.0 : 200.0,
            double(settings.EDITBOXHEIGHT)};
    box.y = i == 0 ? f.background.y + ls : f.editBoxes.back().y + settings.EDITBOXHEIGHT + ls;
    f.editBoxes.push_back(box);
  }
  // The background is fitted to the boxes only when there are boxes.
  if (!f.editBoxes.empty()) {
    f.background.w = w - 16;
    f.background.h = f.editBoxes.back().y - f.header.y + s;
  }

  f.ok = Button(shapes.ok, s);
  f.ok.x = f.border.x + w - f.ok.w - 5;
  f.ok.y = f.background.y + f.background.h + 2;
  f.cancel = Button(shapes.cancel, s);
  f.cancel.x = f.ok.x - f.ok.w - 5;  // the OK button's width, not its own
  f.cancel.y = f.ok.y;
  f.border.h = f.ok.y + s + 5 - f.border.y;

  for (std::size_t i = 0; i < fields.size(); ++i) {
    f.labels.push_back(
        {fields[i].FIELD_DESCRPTION, f.background.x + 4, f.editBoxes[i].y, double(t)});
  }
  return f;
}

PopupLayout LayOutPopup(const ProjectSettings& settings, const ButtonShapes& shapes) {
  const double X = settings.MBOXX, Y = settings.MBOXY, W = settings.MBOXW, H = settings.MBOXH;
  const int s = settings.SCROLLBARWIDTH;
  PopupLayout p;

  p.ok = Button(shapes.ok, s);
  p.cancel = Button(shapes.cancel, s);
  p.border = {X, Y, W, H};
  p.header = {p.border.x + 2, p.border.y + 2, p.border.w - 4, double(s)};
  p.background = {X + 5, Y + s + 5, W - 10, H - p.header.h - s - 10};
  p.ok.x = p.border.x + W - p.ok.w - 5;
  p.ok.y = p.background.y + p.background.h + 2;
  p.cancel.x = p.ok.x - p.ok.w - 5;
  p.cancel.y = p.ok.y;
  p.title = {"Delete", X + 5, Y + 5, double(settings.MESSAGEHEADERTEXTSIZE)};
  p.question = {"Are you sure ?", p.background.x + 5, p.background.y + 25,
                double(settings.MESSAGETEXTSIZE)};
  return p;
}

}  // namespace tablesmith::ui
