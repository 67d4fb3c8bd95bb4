#include "ui/ScreenPreview.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>

namespace tablesmith::ui {
namespace {

// AGK draws lower depths in front. Objects whose depth the generated code
// does not set keep AGK's defaults.
constexpr double kDefaultSpriteDepth = 10;
constexpr double kDefaultTextDepth = 9;

const char* const kImageNames[] = {"border.png",    "borderf.png", "winheader.png", "win.png",
                                   "sidebg.png",    "upimage.png", "downimage.png", "scrimage.png",
                                   "winfooter.png", "insert.png",  "change.png",    "delete.png",
                                   "close.png",     "ok.png",      "cancel.png"};

struct Layer {
  double depth;
  std::function<void(QPainter&)> draw;
};

QRectF Rect(const Box& box) { return QRectF(box.x, box.y, box.w, box.h); }

// A text of the generated program: AGK's text size is the height of a line.
void PaintText(QPainter& painter, const TextItem& item, const QColor& colour) {
  if (item.size <= 0 || item.text.empty()) return;
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(item.size * 0.8 + 0.5)));
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(QRectF(item.x, item.y, kScreenWidth * 2, item.size * 1.25),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   QString::fromStdString(item.text));
}

// Row texts that show which fields a list row of the generated program
// holds: the record number, then the names of two typed fields after the
// first field.
std::vector<std::string> SampleRows(const FieldList& fields, int count) {
  std::string shown;
  int taken = 0;
  for (std::size_t i = 1; i < fields.size() && taken < 2; ++i) {
    const FieldDefinition& field = fields[i];
    if (HasType(field, kTypeString) || HasType(field, kTypeInteger) || HasType(field, kTypeFloat)) {
      if (taken++ > 0) shown += ' ';
      shown += field.FIELDNAME;
    }
  }
  std::vector<std::string> rows;
  for (int k = 1; k <= std::min(count, 200); ++k) {
    rows.push_back(std::to_string(k) + ": " + shown + ": ");
  }
  return rows;
}

}  // namespace

ScreenPreview::ScreenPreview(Screen screen, const std::filesystem::path& themeFolder,
                             QWidget* parent)
    : QWidget(parent), screen_(screen) {
  for (const char* name : kImageNames) {
    QImage image(QString::fromStdString((themeFolder / name).string()));
    if (!image.isNull()) images_.insert(QString::fromLatin1(name), image);
  }
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  setToolTip(QStringLiteral("The generated program's 1280 x 720 screen with these settings"));
}

void ScreenPreview::SetProject(const ProjectSettings& settings, const FieldList& fields) {
  settings_ = settings;
  fields_ = fields;
  update();
}

QImage ScreenPreview::Image(const QString& name) const { return images_.value(name); }

ButtonShapes ScreenPreview::Shapes() const {
  auto shape = [this](const char* name) {
    const QImage image = Image(QString::fromLatin1(name));
    return image.isNull() || image.height() == 0 ? 1.0 : double(image.width()) / image.height();
  };
  return {shape("insert.png"), shape("change.png"), shape("delete.png"),
          shape("close.png"),  shape("ok.png"),     shape("cancel.png")};
}

ListLayout ScreenPreview::List() const {
  return LayOutList(settings_, Shapes(), SampleRows(fields_, settings_.LISTMAXRECORDS));
}

FormLayout ScreenPreview::Form() const {
  const std::string header = screen_ == Screen::Popup ? "Delete Record: 1" : "Insert Record: ";
  return LayOutForm(settings_, fields_, Shapes(), header);
}

PopupLayout ScreenPreview::Popup() const { return LayOutPopup(settings_, Shapes()); }

void ScreenPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);

  // The screen, as large as fits, 16:9.
  const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
  const double scale = std::min(area.width() / kScreenWidth, area.height() / kScreenHeight);
  const QRectF screen(area.x() + (area.width() - kScreenWidth * scale) / 2,
                      area.y() + (area.height() - kScreenHeight * scale) / 2, kScreenWidth * scale,
                      kScreenHeight * scale);
  painter.fillRect(screen, Qt::black);  // the generated program's clear colour
  painter.setPen(QPen(palette().mid().color(), 1));
  painter.drawRect(screen.adjusted(-0.5, -0.5, 0.5, 0.5));

  painter.save();
  painter.translate(screen.topLeft());
  painter.scale(scale, scale);
  painter.setClipRect(QRectF(0, 0, kScreenWidth, kScreenHeight));

  std::vector<Layer> layers;
  auto sprite = [&](const Box& box, const char* image, QColor colour, double depth,
                    QString label = {}) {
    layers.push_back({depth, [this, box, image, colour, label](QPainter& p) {
                        if (box.w <= 0 || box.h <= 0) return;
                        const QImage picture = Image(QString::fromLatin1(image));
                        if (!picture.isNull()) {
                          p.drawImage(Rect(box), picture);
                          return;
                        }
                        p.fillRect(Rect(box), colour);
                        if (!label.isEmpty()) {
                          p.setPen(QPen(colour.darker(160), 1));
                          p.drawRect(Rect(box));
                          PaintText(p,
                                    {label.toStdString(), box.x + box.h * 0.15, box.y + box.h * 0.2,
                                     box.h * 0.6},
                                    Qt::black);
                        }
                      }});
  };
  auto text = [&](const TextItem& item, QColor colour, double depth) {
    layers.push_back({depth, [item, colour](QPainter& p) { PaintText(p, item, colour); }});
  };

  text(LayOutTitle(settings_), QColor(249, 242, 11), 9);

  const ListLayout list = List();
  sprite(list.frame, "border.png", QColor(0x5c, 0x6b, 0x7a), 1501);
  sprite(list.header, "winheader.png", QColor(0xa8, 0xc8, 0xe8), 1500);
  text(list.headerText, Qt::black, 1499);
  sprite(list.panel, "win.png", QColor(0xf4, 0xf6, 0xf8), 1500);
  sprite(list.scrollBackground, "sidebg.png", QColor(0xd0, 0xd6, 0xdc), 1499);
  sprite(list.scrollUp, "upimage.png", QColor(0x8a, 0x9c, 0xb0), 1450);
  sprite(list.scrollDown, "downimage.png", QColor(0x8a, 0x9c, 0xb0), 1450);
  sprite(list.thumb, "scrimage.png", QColor(0x4a, 0x60, 0x78), 1299);
  sprite(list.footer, "winfooter.png", QColor(0xa8, 0xc8, 0xe8), 1450);
  sprite(list.close, "close.png", QColor(0xe6, 0xec, 0xf2), kDefaultSpriteDepth, "Close");
  sprite(list.remove, "delete.png", QColor(0xe6, 0xec, 0xf2), kDefaultSpriteDepth, "Delete");
  sprite(list.change, "change.png", QColor(0xe6, 0xec, 0xf2), kDefaultSpriteDepth, "Change");
  sprite(list.insert, "insert.png", QColor(0xe6, 0xec, 0xf2), kDefaultSpriteDepth, "Insert");
  for (const TextItem& row : list.rows) text(row, Qt::black, kDefaultTextDepth);

  if (screen_ != Screen::List) {
    const FormLayout form = Form();
    sprite(form.border, "borderf.png", QColor(0x5c, 0x7a, 0x66), 70);
    sprite(form.header, "winheader.png", QColor(0xa8, 0xc8, 0xe8), kDefaultSpriteDepth);
    text(form.headerText, Qt::black, kDefaultTextDepth);
    sprite(form.background, "win.png", QColor(0xf4, 0xf6, 0xf8), 65);
    for (std::size_t i = 0; i < form.editBoxes.size(); ++i) {
      const Box box = form.editBoxes[i];
      const bool framed = i > 0;  // the first box is made without a border
      const TextItem sample{fields_[i].FIELDNAME, box.x + 3,
                            box.y + (box.h - 0.8 * settings_.EDITBOXTEXTSIZE) / 2,
                            double(settings_.EDITBOXTEXTSIZE)};
      layers.push_back({60, [box, framed, sample](QPainter& p) {
                          if (box.w <= 0 || box.h <= 0) return;
                          p.fillRect(Rect(box), Qt::white);
                          if (framed) {
                            p.setPen(QPen(Qt::black, 1));
                            p.drawRect(Rect(box));
                          }
                          p.save();
                          p.setClipRect(Rect(box), Qt::IntersectClip);
                          PaintText(p, sample, QColor(0x99, 0x99, 0x99));
                          p.restore();
                        }});
    }
    for (const TextItem& label : form.labels) text(label, Qt::black, 65);
    sprite(form.ok, "ok.png", QColor(0xe6, 0xec, 0xf2), 60, "OK");
    sprite(form.cancel, "cancel.png", QColor(0xe6, 0xec, 0xf2), 60, "Cancel");
  }

  if (screen_ == Screen::Popup) {
    const PopupLayout popup = Popup();
    sprite(popup.border, "border.png", QColor(0x5c, 0x6b, 0x7a), 5);
    sprite(popup.header, "winheader.png", QColor(0xa8, 0xc8, 0xe8), 5);
    sprite(popup.background, "win.png", QColor(0xf4, 0xf6, 0xf8), 5);
    sprite(popup.ok, "ok.png", QColor(0xe6, 0xec, 0xf2), 4, "OK");
    sprite(popup.cancel, "cancel.png", QColor(0xe6, 0xec, 0xf2), 4, "Cancel");
    text(popup.title, QColor(255, 0, 0), 5);
    text(popup.question, QColor(255, 0, 0), 5);
  }

  // Back to front; objects of equal depth in the order they were made.
  std::stable_sort(layers.begin(), layers.end(),
                   [](const Layer& a, const Layer& b) { return a.depth > b.depth; });
  for (const Layer& layer : layers) {
    painter.save();
    layer.draw(painter);
    painter.restore();
  }
  painter.restore();

  // The rectangle that the settings on this tab describe, marked on top.
  Box marked{double(settings_.LISTX1), double(settings_.LISTY1), double(settings_.LISTW),
             double(settings_.LISTH)};
  if (screen_ == Screen::Form) {
    marked = {double(settings_.FORMX1), double(settings_.FORMY1), double(settings_.FORMW),
              double(settings_.FORMH)};
  } else if (screen_ == Screen::Popup) {
    marked = {double(settings_.MBOXX), double(settings_.MBOXY), double(settings_.MBOXW),
              double(settings_.MBOXH)};
  }
  const QRectF onScreen(screen.x() + marked.x * scale, screen.y() + marked.y * scale,
                        marked.w * scale, marked.h * scale);
  painter.setClipRect(screen);
  painter.setPen(QPen(QColor(0x30, 0xd0, 0xff), 1, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(onScreen);
  QFont small = font();
  small.setPixelSize(10);
  painter.setFont(small);
  // Both notes go above the rectangle, side by side when there is room.
  const QString corner = QStringLiteral("Start X %1, Start Y %2").arg(marked.x).arg(marked.y);
  const QString extent = QStringLiteral("Width %1 x Height %2").arg(marked.w).arg(marked.h);
  const QFontMetricsF metrics(small);
  const double gap = 12;
  const bool sideBySide =
      metrics.horizontalAdvance(corner) + gap + metrics.horizontalAdvance(extent) <=
      onScreen.width();
  const double lineHeight = metrics.height();
  painter.drawText(QPointF(onScreen.x(), onScreen.y() - 3 - (sideBySide ? 0 : lineHeight)), corner);
  const double extentX =
      sideBySide ? onScreen.right() - metrics.horizontalAdvance(extent) : onScreen.x();
  painter.drawText(QPointF(extentX, onScreen.y() - 3), extent);
}

}  // namespace tablesmith::ui
