// draw_theme: draws the twenty Theme1 images that generated AGK programs load, and the desktop
// program's icon, with QPainter only (QtGui), so it runs without a window system:
//
//   QT_QPA_PLATFORM=offscreen draw_theme [--icons DIR] [--preview FILE] [--stroke-labels] THEME_DIR
//
// Each image is drawn at the size at which the generated program first shows it with the default
// settings (list view 650 x 500 at 30,60, scrollbar width 30, record form 570 x 230): the default
// list view shows every piece unscaled, and the form, the 300 x 200 delete popup and other
// settings stretch the frame, bar and panel pieces, which are drawn so that they stretch cleanly.
#include <QCommandLineParser>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSaveFile>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// Palette: cool grey window chrome, pale blue bars, white panels, one blue accent.

const QColor kChromeTop(0xe6, 0xeb, 0xf2);
const QColor kChromeBottom(0xcb, 0xd4, 0xe0);
const QColor kChromeEdge(0x5d, 0x6f, 0x8a);
const QColor kBarTop(0xf5, 0xf9, 0xfe);
const QColor kBarBottom(0xd2, 0xe0, 0xf2);
const QColor kBarEdge(0x8f, 0xa6, 0xc4);
const QColor kFooterTop(0xec, 0xf0, 0xf6);
const QColor kFooterBottom(0xd6, 0xde, 0xe9);
const QColor kPanel(0xfc, 0xfd, 0xff);
const QColor kPanelEdge(0xa3, 0xb1, 0xc4);
const QColor kTrackLeft(0xd9, 0xe0, 0xea);
const QColor kTrackRight(0xee, 0xf2, 0xf7);
const QColor kFaceTop(0xff, 0xff, 0xff);
const QColor kFaceBottom(0xdc, 0xe4, 0xef);
const QColor kFaceEdge(0x6d, 0x84, 0xa4);
const QColor kAccentTop(0x64, 0x96, 0xe4);
const QColor kAccentBottom(0x34, 0x68, 0xbd);
const QColor kAccentEdge(0x27, 0x52, 0x98);
const QColor kAccentInk(0x2c, 0x5a, 0xa6);
const QColor kDangerTop(0xe6, 0x67, 0x61);
const QColor kDangerBottom(0xbd, 0x3c, 0x37);
const QColor kDangerEdge(0x96, 0x2c, 0x28);
const QColor kInk(0x1e, 0x2b, 0x3c);
const QColor kDangerInk(0xa3, 0x2b, 0x27);

QImage NewImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void Antialiased(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

// A rounded box: an edge of edgeWidth pixels around a top-to-bottom gradient, with a one-pixel
// light line inside the top edge. The box fills `outer` exactly, so a sprite of the image's size
// shows the whole edge.
void Box(QPainter& p, const QRectF& outer, qreal radius, const QColor& top, const QColor& bottom,
         const QColor& edge, qreal edgeWidth = 1) {
  p.setPen(Qt::NoPen);
  p.setBrush(edge);
  p.drawRoundedRect(outer, radius, radius);
  const QRectF inner = outer.adjusted(edgeWidth, edgeWidth, -edgeWidth, -edgeWidth);
  const qreal innerRadius = std::max<qreal>(0, radius - edgeWidth);
  p.setBrush(Vertical(inner, top, bottom));
  p.drawRoundedRect(inner, innerRadius, innerRadius);
  p.setPen(QPen(QColor(255, 255, 255, 150), 1));
  p.drawLine(QPointF(inner.left() + innerRadius, inner.top() + 0.5),
             QPointF(inner.right() - innerRadius, inner.top() + 0.5));
}

// ---------------------------------------------------------------------------------------------
// Labels. With a font installed the label is set in it; a machine without any font (a bare
// container) still gets legible labels from the stroke letters below, which cover the letters
// of the six button labels.

struct Glyph {
  QPainterPath path;
  qreal advance = 0;
};

// Stroke letters in a box whose cap height is 10 units (cap line y 0, x-height line y 3,
// baseline y 10); they are stroked with a round pen, not filled.
Glyph StrokeLetter(QChar letter) {
  QPainterPath p;
  const auto hump = [&p](qreal top) {  // the arch of n and h, from the stem to the right leg
    const QRectF arch(0, top, 5, 5);
    p.arcMoveTo(arch, 180);
    p.arcTo(arch, 180, -180);
    p.lineTo(5, 10);
  };
  switch (letter.unicode()) {
    case 'C':
      p.arcMoveTo(QRectF(0, 0, 7.4, 10), 48);
      p.arcTo(QRectF(0, 0, 7.4, 10), 48, 264);
      return {p, 7.2};
    case 'D':
      p.moveTo(0, 0);
      p.lineTo(0, 10);
      p.lineTo(2.6, 10);
      p.cubicTo(8.6, 10, 8.6, 0, 2.6, 0);
      p.closeSubpath();
      return {p, 7};
    case 'I':
    case 'l':
      p.moveTo(0, 0);
      p.lineTo(0, 10);
      return {p, 0};
    case 'K':
      p.moveTo(0, 0);
      p.lineTo(0, 10);
      p.moveTo(6, 0);
      p.lineTo(0, 6.4);
      p.moveTo(2.2, 4.1);
      p.lineTo(6.2, 10);
      return {p, 6.2};
    case 'O':
      p.addEllipse(QRectF(0, 0, 8.4, 10));
      return {p, 8.4};
    case 'a':
      p.addEllipse(QRectF(0, 3, 5, 7));
      p.moveTo(5, 3);
      p.lineTo(5, 10);
      return {p, 5};
    case 'c':
      p.arcMoveTo(QRectF(0, 3, 5, 7), 50);
      p.arcTo(QRectF(0, 3, 5, 7), 50, 260);
      return {p, 4.8};
    case 'e':
      p.moveTo(0.2, 6.5);
      p.lineTo(5, 6.5);
      p.arcTo(QRectF(0, 3, 5, 7), 0, 305);
      return {p, 5};
    case 'g':
      p.addEllipse(QRectF(0, 3, 5, 7));
      p.moveTo(5, 3);
      p.lineTo(5, 11);
      p.cubicTo(5, 13.7, 0.8, 13.9, 0.2, 11.9);
      return {p, 5};
    case 'h':
      p.moveTo(0, 0);
      p.lineTo(0, 10);
      hump(3);
      return {p, 5};
    case 'n':
      p.moveTo(0, 3);
      p.lineTo(0, 10);
      hump(3);
      return {p, 5};
    case 'o':
      p.addEllipse(QRectF(0, 3, 5.4, 7));
      return {p, 5.4};
    case 'r':
      p.moveTo(0, 3);
      p.lineTo(0, 10);
      p.moveTo(0, 6.2);
      p.cubicTo(0.4, 3.6, 2.4, 2.9, 3.8, 3.3);
      return {p, 3.8};
    case 's':
      p.moveTo(4.6, 4.2);
      p.cubicTo(3.8, 2.7, 0.4, 2.7, 0.4, 4.8);
      p.cubicTo(0.4, 6.9, 4.8, 6.1, 4.8, 8.3);
      p.cubicTo(4.8, 10.6, 0.8, 10.6, 0, 8.9);
      return {p, 4.8};
    case 't':
      p.moveTo(1.2, 0.8);
      p.lineTo(1.2, 8.6);
      p.cubicTo(1.2, 10.1, 2.4, 10.2, 3.4, 9.8);
      p.moveTo(0, 3.3);
      p.lineTo(3.2, 3.3);
      return {p, 3.4};
    default:
      return {p, 3};  // a space, or a letter no label uses
  }
}

class LabelWriter {
 public:
  explicit LabelWriter(bool forceStrokes) {
    if (forceStrokes) return;
    QStringList candidates = {"DejaVu Sans", "Liberation Sans", "FreeSans", "Noto Sans"};
    candidates += QFontDatabase::families();
    for (const QString& family : candidates) {
      family_ = family;
      if (QFontDatabase::families().contains(family) && HasLetters()) return;
    }
    family_.clear();
  }

  QString Description() const {
    return family_.isEmpty() ? QStringLiteral("stroke letters (no font found)")
                             : QStringLiteral("font \"%1\"").arg(family_);
  }

  bool HasFont() const { return !family_.isEmpty(); }

  QFont Font(qreal pixelSize, bool bold) const {
    QFont font(family_);
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
  }

  // Writes `text` centred in `box`, its capital letters `capHeight` pixels high.
  void Centred(QPainter& p, const QRectF& box, const QString& text, const QColor& color,
               qreal capHeight) const {
    if (HasFont()) {
      QFont font = Font(capHeight / 0.73, true);  // DejaVu's capitals are 0.73 em high
      const QFontMetricsF metrics(font);
      const qreal width = metrics.horizontalAdvance(text);
      const QPointF baseline(box.center().x() - width / 2,
                             box.center().y() + metrics.capHeight() / 2);
      p.setFont(font);
      p.setPen(color);
      p.drawText(baseline, text);
      return;
    }
    const qreal scale = capHeight / 10;
    const qreal spacing = 2.1;
    std::vector<Glyph> glyphs;
    qreal width = 0;
    for (const QChar c : text) {
      glyphs.push_back(StrokeLetter(c));
      width += glyphs.back().advance;
    }
    width += spacing * (glyphs.size() - 1);
    p.save();
    p.translate(box.center().x() - width * scale / 2, box.center().y() - capHeight / 2);
    p.scale(scale, scale);
    p.setPen(QPen(color, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const Glyph& glyph : glyphs) {
      p.drawPath(glyph.path);
      p.translate(glyph.advance + spacing, 0);
    }
    p.restore();
  }

 private:
  // Whether the family resolves to a font file. Without font files, fontconfig still names its
  // generic families ("Sans Serif", "Monospace"), which then resolve to no family and draw every
  // letter as an empty box.
  bool HasLetters() const { return QFontInfo(Font(16, true)).family() == family_; }

  QString family_;
};

// ---------------------------------------------------------------------------------------------
// The theme pieces. Sizes are those of the default screens (see the file comment).

constexpr int kBar = 30;              // scrollbar width: header, footer, buttons, scroll arrows
constexpr int kThumb = kBar - 4;      // the thumb is drawn 4 pixels smaller than the arrows
constexpr int kCloseIcon = kBar - 6;  // the header's close icon
constexpr int kButtonWidth = 90;      // every labelled button: 3 : 1, drawn kBar high

// The window frame of the list view (650 x 550 once it has grown round the button row) and of
// the delete popup (300 x 200); header, panel and footer leave 2 to 8 pixels of it showing, and
// the button row sits on it.
QImage Frame(int width, int height) {
  QImage image = NewImage(width, height);
  QPainter p(&image);
  Antialiased(p);
  Box(p, QRectF(0, 0, width, height), 7, kChromeTop, kChromeBottom, kChromeEdge, 2);
  return image;
}

// The header bar, black title text on it: 642 x 30 in the list, 562 in the form, 296 in the
// popup.
QImage HeaderBar() {
  QImage image = NewImage(642, kBar);
  QPainter p(&image);
  Antialiased(p);
  Box(p, QRectF(0, 0, image.width(), image.height()), 4, kBarTop, kBarBottom, kBarEdge);
  // A thin accent line along the bottom ties the bar to the blue of the buttons and thumb.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(kAccentBottom.red(), kAccentBottom.green(), kAccentBottom.blue(), 170));
  p.drawRect(QRectF(4, image.height() - 3, image.width() - 8, 2));
  return image;
}

// The footer bar under the rows; the list shows "ID: n" on it in black.
QImage FooterBar() {
  QImage image = NewImage(634, kBar);
  QPainter p(&image);
  Antialiased(p);
  Box(p, QRectF(0, 0, image.width(), image.height()), 3, kFooterTop, kFooterBottom, kPanelEdge);
  return image;
}

// The panel behind the list rows, the form's fields and the popup's question: near white, with
// a soft shade under its top edge.
QImage Panel() {
  QImage image = NewImage(634, 444);
  QPainter p(&image);
  Antialiased(p);
  const QRectF all(0, 0, image.width(), image.height());
  p.fillRect(all, kPanelEdge);
  const QRectF inner = all.adjusted(1, 1, -1, -1);
  p.fillRect(inner, kPanel);
  QLinearGradient shade(inner.topLeft(), inner.topLeft() + QPointF(0, 5));
  shade.setColorAt(0, QColor(30, 50, 80, 34));
  shade.setColorAt(1, QColor(30, 50, 80, 0));
  p.fillRect(QRectF(inner.left(), inner.top(), inner.width(), 5), shade);
  return image;
}

// The scroll track, 30 x 414. The list puts it 2 pixels right of the arrow buttons and flush
// with the header's right end, 4 pixels past the panel; so the groove takes the left 26 pixels,
// which centres it under the arrows and covers the panel's right edge, and the rest stays
// transparent.
QImage ScrollTrack() {
  QImage image = NewImage(kBar, 414);
  QPainter p(&image);
  Antialiased(p);
  const QRectF groove(0, 0, kBar - 4, image.height());
  p.setPen(Qt::NoPen);
  p.setBrush(kPanelEdge);
  p.drawRoundedRect(groove, 8, 8);
  QLinearGradient fill(groove.topLeft(), groove.topRight());
  fill.setColorAt(0, kTrackLeft);
  fill.setColorAt(1, kTrackRight);
  p.setBrush(fill);
  p.drawRoundedRect(groove.adjusted(1, 1, -1, -1), 7, 7);
  return image;
}

// The face of every square button: scroll arrows and navigation buttons.
void SquareFace(QPainter& p, int size) {
  Box(p, QRectF(0, 0, size, size), 5, kFaceTop, kFaceBottom, kFaceEdge);
}

void FillPolygon(QPainter& p, const QPolygonF& points, const QColor& color) {
  p.setPen(QPen(color, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(color);
  p.drawPolygon(points);
}

// Arrow pointing up (+1) or down (-1), for the scroll buttons.
QImage ScrollArrow(int direction) {
  QImage image = NewImage(kBar, kBar);
  QPainter p(&image);
  Antialiased(p);
  SquareFace(p, kBar);
  const qreal c = kBar / 2.0;
  const qreal tip = c - direction * 4.5, base = c + direction * 4.5;
  FillPolygon(p, QPolygonF({QPointF(c, tip), QPointF(c + 6.5, base), QPointF(c - 6.5, base)}),
              kAccentInk);
  return image;
}

// The thumb, 26 x 26 and placed at the arrows' left edge: its body takes the right 22 pixels,
// so that it runs down the middle of the arrows and of the groove.
QImage Thumb() {
  QImage image = NewImage(kThumb, kThumb);
  QPainter p(&image);
  Antialiased(p);
  const QRectF body(4, 1, kThumb - 4, kThumb - 2);
  Box(p, body, 6, kAccentTop, kAccentBottom, kAccentEdge);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
  for (const qreal y : {body.center().y() - 3.5, body.center().y(), body.center().y() + 3.5}) {
    p.drawLine(QPointF(body.center().x() - 4.5, y), QPointF(body.center().x() + 4.5, y));
  }
  return image;
}

// The close icon of the header, 24 x 24.
QImage CloseIcon() {
  QImage image = NewImage(kCloseIcon, kCloseIcon);
  QPainter p(&image);
  Antialiased(p);
  Box(p, QRectF(0, 0, kCloseIcon, kCloseIcon), 5, kDangerTop, kDangerBottom, kDangerEdge);
  p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
  const qreal lo = 7.5, hi = kCloseIcon - 7.5;
  p.drawLine(QPointF(lo, lo), QPointF(hi, hi));
  p.drawLine(QPointF(hi, lo), QPointF(lo, hi));
  return image;
}

// Navigation buttons: a triangle pointing left (-1) or right (+1), with a bar at its tip for the
// first and last record.
QImage NavigationButton(int direction, bool toTheEnd) {
  QImage image = NewImage(kBar, kBar);
  QPainter p(&image);
  Antialiased(p);
  SquareFace(p, kBar);
  const qreal c = kBar / 2.0;
  const qreal shift = toTheEnd ? -direction * 1.5 : 0;  // keep triangle and bar centred together
  const qreal tip = c + shift + direction * 4.5, base = c + shift - direction * 4.5;
  FillPolygon(p, QPolygonF({QPointF(tip, c), QPointF(base, c - 6.5), QPointF(base, c + 6.5)}),
              kAccentInk);
  if (toTheEnd) {
    const qreal x = tip + direction * 2.5;
    p.setPen(Qt::NoPen);
    p.setBrush(kAccentInk);
    p.drawRoundedRect(QRectF(x - (direction > 0 ? 0 : 2.6), c - 7, 2.6, 14), 1, 1);
  }
  return image;
}

enum class ButtonKind { kPlain, kPrimary, kDanger };

// A labelled button, 90 x 30; the generated programs draw them 30 high and as wide as the
// picture's proportions give, and place them at that width apart, so all share one width.
QImage LabelledButton(const LabelWriter& labels, const QString& text, ButtonKind kind) {
  QImage image = NewImage(kButtonWidth, kBar);
  QPainter p(&image);
  Antialiased(p);
  const QRectF all(0, 0, kButtonWidth, kBar);
  QColor ink = kInk;
  if (kind == ButtonKind::kPrimary) {
    Box(p, all, 6, kAccentTop, kAccentBottom, kAccentEdge);
    ink = Qt::white;
  } else {
    Box(p, all, 6, kFaceTop, kFaceBottom, kFaceEdge);
    if (kind == ButtonKind::kDanger) ink = kDangerInk;
  }
  labels.Centred(p, all, text, ink, 9.5);
  return image;
}

struct ThemeImage {
  const char* name;
  std::function<QImage()> draw;
};

// In the order in which the generation run copies them.
std::vector<ThemeImage> ThemeImages(const LabelWriter& labels) {
  return {
      {"back.png", [] { return NavigationButton(-1, false); }},
      {"begin.png", [] { return NavigationButton(-1, true); }},
      {"border.png", [] { return Frame(650, 550); }},
      {"borderf.png", [] { return Frame(570, 230); }},
      {"cancel.png", [&] { return LabelledButton(labels, "Cancel", ButtonKind::kPlain); }},
      {"change.png", [&] { return LabelledButton(labels, "Change", ButtonKind::kPlain); }},
      {"close.png", [&] { return LabelledButton(labels, "Close", ButtonKind::kPlain); }},
      {"closeicon.png", [] { return CloseIcon(); }},
      {"delete.png", [&] { return LabelledButton(labels, "Delete", ButtonKind::kDanger); }},
      {"downimage.png", [] { return ScrollArrow(-1); }},
      {"end.png", [] { return NavigationButton(1, true); }},
      {"insert.png", [&] { return LabelledButton(labels, "Insert", ButtonKind::kPlain); }},
      {"ok.png", [&] { return LabelledButton(labels, "OK", ButtonKind::kPrimary); }},
      {"scrimage.png", [] { return Thumb(); }},
      {"sidebg.png", [] { return ScrollTrack(); }},
      {"win.png", [] { return Panel(); }},
      {"forw.png", [] { return NavigationButton(1, false); }},
      {"winfooter.png", [] { return FooterBar(); }},
      {"winheader.png", [] { return HeaderBar(); }},
      {"upimage.png", [] { return ScrollArrow(1); }},
  };
}

// ---------------------------------------------------------------------------------------------
// The desktop program's icon: a table with a blue header row, and a wand whose star sits on it.
// Drawn once through a small canvas interface, so the same shapes give the PNG and the SVG.

struct Fill {
  QColor top;
  QColor bottom;  // the same as top for a plain colour
  qreal y1 = 0;   // gradient from y1 (top) to y2 (bottom), in icon coordinates
  qreal y2 = 0;
};

Fill Solid(const QColor& c) { return {c, c}; }

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void RoundedRect(const QRectF& r, qreal radius, const Fill& fill) = 0;
  virtual void RoundedOutline(const QRectF& r, qreal radius, const QColor& color, qreal width) = 0;
  virtual void Line(const QPointF& a, const QPointF& b, const QColor& color, qreal width) = 0;
  virtual void Polygon(const QPolygonF& points, const Fill& fill, const QColor& edge,
                       qreal edgeWidth) = 0;
};

class PainterCanvas : public Canvas {
 public:
  explicit PainterCanvas(QPainter& p) : p_(p) {}
  void RoundedRect(const QRectF& r, qreal radius, const Fill& fill) override {
    p_.setPen(Qt::NoPen);
    p_.setBrush(BrushOf(fill));
    p_.drawRoundedRect(r, radius, radius);
  }
  void RoundedOutline(const QRectF& r, qreal radius, const QColor& color, qreal width) override {
    p_.setPen(QPen(color, width));
    p_.setBrush(Qt::NoBrush);
    p_.drawRoundedRect(r, radius, radius);
  }
  void Line(const QPointF& a, const QPointF& b, const QColor& color, qreal width) override {
    p_.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    p_.drawLine(a, b);
  }
  void Polygon(const QPolygonF& points, const Fill& fill, const QColor& edge,
               qreal edgeWidth) override {
    p_.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.setBrush(BrushOf(fill));
    p_.drawPolygon(points);
  }

 private:
  static QBrush BrushOf(const Fill& fill) {
    if (fill.top == fill.bottom) return fill.top;
    QLinearGradient g(QPointF(0, fill.y1), QPointF(0, fill.y2));
    g.setColorAt(0, fill.top);
    g.setColorAt(1, fill.bottom);
    return g;
  }
  QPainter& p_;
};

class SvgCanvas : public Canvas {
 public:
  explicit SvgCanvas(int size) : size_(size) {}

  void RoundedRect(const QRectF& r, qreal radius, const Fill& fill) override {
    body_ += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
                 .arg(N(r.x()), N(r.y()), N(r.width()), N(r.height()), N(radius), Paint(fill));
  }
  void RoundedOutline(const QRectF& r, qreal radius, const QColor& color, qreal width) override {
    body_ +=
        QStringLiteral(
            "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"none\"%6/>\n")
            .arg(N(r.x()), N(r.y()), N(r.width()), N(r.height()), N(radius), Stroke(color, width));
  }
  void Line(const QPointF& a, const QPointF& b, const QColor& color, qreal width) override {
    body_ += QStringLiteral(
                 "  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5 stroke-linecap=\"round\"/>\n")
                 .arg(N(a.x()), N(a.y()), N(b.x()), N(b.y()), Stroke(color, width));
  }
  void Polygon(const QPolygonF& points, const Fill& fill, const QColor& edge,
               qreal edgeWidth) override {
    QStringList coordinates;
    for (const QPointF& point : points) coordinates << N(point.x()) + ',' + N(point.y());
    body_ += QStringLiteral("  <polygon points=\"%1\"%2%3 stroke-linejoin=\"round\"/>\n")
                 .arg(coordinates.join(' '), Paint(fill), Stroke(edge, edgeWidth));
  }

  QString Document() const {
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
               "viewBox=\"0 0 %1 %1\">\n"
               "  <defs>\n%2  </defs>\n%3</svg>\n")
        .arg(QString::number(size_), defs_, body_);
  }

 private:
  static QString N(qreal v) { return QString::number(std::round(v * 100) / 100, 'g', 8); }
  static QString Hex(const QColor& c) { return c.name(QColor::HexRgb); }
  static QString Opacity(const char* attribute, const QColor& c) {
    if (c.alpha() == 255) return {};
    return QStringLiteral(" %1=\"%2\"").arg(QString::fromLatin1(attribute), N(c.alphaF()));
  }
  static QString Stroke(const QColor& c, qreal width) {
    return QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"").arg(Hex(c), N(width)) +
           Opacity("stroke-opacity", c);
  }
  QString Paint(const Fill& fill) {
    if (fill.top == fill.bottom)
      return QStringLiteral(" fill=\"%1\"").arg(Hex(fill.top)) + Opacity("fill-opacity", fill.top);
    const QString id = QStringLiteral("g%1").arg(++gradients_);
    defs_ += QStringLiteral(
                 "    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" "
                 "y1=\"%2\" x2=\"0\" y2=\"%3\">\n"
                 "      <stop offset=\"0\" stop-color=\"%4\"/>\n"
                 "      <stop offset=\"1\" stop-color=\"%5\"/>\n"
                 "    </linearGradient>\n")
                 .arg(id, N(fill.y1), N(fill.y2), Hex(fill.top), Hex(fill.bottom));
    return QStringLiteral(" fill=\"url(#%1)\"").arg(id);
  }

  int size_;
  int gradients_ = 0;
  QString defs_;
  QString body_;
};

// A star of `points` points round `centre`, its first point straight up.
QPolygonF Star(const QPointF& centre, int points, qreal outer, qreal inner) {
  QPolygonF star;
  for (int i = 0; i < points * 2; ++i) {
    const qreal radius = i % 2 == 0 ? outer : inner;
    const qreal angle = -M_PI / 2 + i * M_PI / points;
    star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
  }
  return star;
}

constexpr int kIconSize = 256;

void DrawIcon(Canvas& c) {
  const QRectF sheet(14, 28, 200, 178);
  const qreal radius = 20;
  const qreal header = 46;
  const QColor white(255, 255, 255);
  const QColor grid(0xc3, 0xcf, 0xdf);
  const QColor placeholder(0xd8, 0xe1, 0xed);

  c.RoundedRect(sheet.translated(5, 8), radius, Solid(QColor(0, 0, 0, 48)));  // shadow
  c.RoundedRect(sheet, radius, {kAccentTop, kAccentBottom, sheet.top(), sheet.top() + header});
  const QRectF body(sheet.left(), sheet.top() + header, sheet.width(), sheet.height() - header);
  c.RoundedRect(body, radius, Solid(white));
  c.RoundedRect(QRectF(body.left(), body.top(), body.width(), radius), 0, Solid(white));

  // Three columns (a narrow key column first) and four rows.
  const qreal columns[] = {sheet.left(), sheet.left() + 54, sheet.left() + 128, sheet.right()};
  const qreal rowHeight = body.height() / 4;
  for (int i = 1; i < 3; ++i) {
    c.Line(QPointF(columns[i], sheet.top() + 12), QPointF(columns[i], body.top() - 12),
           QColor(255, 255, 255, 120), 3);
    c.Line(QPointF(columns[i], body.top()), QPointF(columns[i], sheet.bottom()), grid, 3);
  }
  for (int row = 1; row < 4; ++row) {
    const qreal y = body.top() + row * rowHeight;
    c.Line(QPointF(sheet.left(), y), QPointF(sheet.right(), y), grid, 3);
  }
  // Column titles and cell contents as short bars.
  for (int i = 0; i < 3; ++i) {
    const qreal left = columns[i] + 12;
    const qreal width = (columns[i + 1] - columns[i]) * (i == 0 ? 0.45 : 0.6);
    c.RoundedRect(QRectF(left, sheet.top() + header / 2 - 5, width, 10), 5,
                  Solid(QColor(255, 255, 255, 230)));
    for (int row = 0; row < 4; ++row) {
      const qreal cellWidth = width * (row % 2 == 0 ? 1.0 : 0.75);
      c.RoundedRect(QRectF(left, body.top() + row * rowHeight + rowHeight / 2 - 4, cellWidth, 8), 4,
                    Solid(placeholder));
    }
  }
  c.RoundedOutline(sheet, radius, kAccentEdge, 5);

  // The wand comes in from the lower right; its star lands on the table's last cells.
  const QPointF handle(238, 238), tip(170, 170);
  c.Line(handle, tip, QColor(0x1b, 0x21, 0x2e), 20);
  c.Line(handle, tip, QColor(0x43, 0x4d, 0x63), 12);
  c.Line(tip + QPointF(12, 12), tip, white, 12);
  const QColor goldEdge(0xa8, 0x62, 0x00);
  const auto star = [&c, &goldEdge](const QPointF& centre, int points, qreal outer, qreal inner,
                                    qreal edge) {
    const Fill gold{QColor(0xff, 0xdb, 0x6e), QColor(0xf2, 0xa0, 0x1c), centre.y() - outer,
                    centre.y() + outer * 0.8};
    c.Polygon(Star(centre, points, outer, inner), gold, goldEdge, edge);
  };
  star(QPointF(158, 158), 5, 38, 16, 4);
  star(QPointF(222, 118), 4, 15, 4.5, 2);
  star(QPointF(112, 226), 4, 11, 3.5, 2);
}

// ---------------------------------------------------------------------------------------------
// Output

bool SavePng(const QImage& image, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
    std::fprintf(stderr, "draw_theme: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool SaveText(const QString& text, const QString& path) {
  QSaveFile file(path);
  const QByteArray bytes = text.toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    std::fprintf(stderr, "draw_theme: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool WriteIcons(const QString& folder) {
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "draw_theme: cannot create %s\n", qPrintable(folder));
    return false;
  }
  QImage png = NewImage(kIconSize, kIconSize);
  {
    QPainter p(&png);
    Antialiased(p);
    PainterCanvas canvas(p);
    DrawIcon(canvas);
  }
  SvgCanvas svg(kIconSize);
  DrawIcon(svg);
  return SavePng(png, QDir(folder).filePath("tablesmith.png")) &&
         SaveText(svg.Document(), QDir(folder).filePath("tablesmith.svg"));
}

// A picture of the three screens of a generated program in the delete state (list, record form,
// confirmation on top), laid out as the generated code lays them out with the default settings:
// for checking that the pieces fit one another.
QImage Preview(const QString& themeFolder, const LabelWriter& labels) {
  const QDir dir(themeFolder);
  const auto img = [&dir](const char* name) { return QImage(dir.filePath(name)); };
  QImage canvas(1100, 660, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::black);  // the AGK clear colour
  QPainter p(&canvas);
  Antialiased(p);
  const auto sprite = [&p](const QImage& image, qreal x, qreal y, qreal w, qreal h) {
    if (w < 0) w = h * image.width() / image.height();
    p.drawImage(QRectF(x, y, w, h), image);
    return QRectF(x, y, w, h);
  };
  const auto text = [&](const QString& s, qreal x, qreal y, qreal size, const QColor& color) {
    if (!labels.HasFont()) return;
    p.setFont(labels.Font(size * 0.8, false));
    p.setPen(color);
    p.drawText(QRectF(x, y, 1000, size), Qt::AlignLeft | Qt::AlignTop, s);
  };
  const qreal S = kBar, T = 20;

  // List view (X 30, Y 60, W 650, H 500).
  const qreal X = 30, Y = 60, W = 650;
  const QImage closeBtn = img("close.png");
  const qreal buttonW = S * closeBtn.width() / closeBtn.height();
  const qreal buttonY = 538 + S + 2;
  sprite(img("border.png"), X, Y, W, buttonY + S - Y + 10);
  const QRectF header = sprite(img("winheader.png"), X + 4, Y + 2, W - 8, S);
  text("Listview", header.x() + 7, header.y() + 7, T + 4, Qt::black);
  const QRectF panel = sprite(img("win.png"), header.x() + 4, Y + S + 4, W - 16, 500 - S - S + 4);
  sprite(img("sidebg.png"), header.right() - S, header.bottom(), S, panel.height() - S);
  const QRectF up = sprite(img("upimage.png"), X + W - S - 6, panel.y(), S, S);
  sprite(img("downimage.png"), X + W - S - 6, panel.bottom() - S, S, S);
  sprite(img("scrimage.png"), up.x(), up.bottom() + 12, S - 4, S - 4);
  const QRectF footer = sprite(img("winfooter.png"), panel.x(), panel.bottom(), W - 16, S);
  for (int row = 0; row < 20; ++row) {
    text(QStringLiteral("%1  Demo Field").arg(row + 1), panel.x() + 10, panel.y() + row * T, T,
         row == 4 ? Qt::red : Qt::black);
  }
  text("ID: 5", footer.x() + 10, footer.y() + 2, 20, Qt::black);
  qreal x = W - buttonW - 8;
  sprite(closeBtn, x, buttonY, -1, S);
  sprite(img("delete.png"), x -= buttonW + 2, buttonY, -1, S);
  sprite(img("change.png"), x -= buttonW + 2, buttonY, -1, S);
  sprite(img("insert.png"), x - buttonW - 4, buttonY, -1, S);
  sprite(img("closeicon.png"), header.right() - S, header.y() + 3, S - 6, S - 6);
  // The navigation row, which the generated list keeps commented out, shown under the list.
  qreal navX = footer.x();
  for (const char* name : {"begin.png", "back.png", "forw.png", "end.png"}) {
    sprite(img(name), navX, buttonY, S, S);
    navX += S + 1;
  }

  // Record form (490, 185, 570 wide) with two fields.
  const qreal fx = 490, fy = 185, fw = 570;
  const qreal okY = 219 + (259 - 187 + S) + 2;
  sprite(img("borderf.png"), fx, fy, fw, okY + S + 5 - fy);
  const QRectF fheader = sprite(img("winheader.png"), fx + 4, fy + 2, fw - 8, S);
  text("Delete Record: 5", fheader.x() + 7, fheader.y() + 7, T + 4, Qt::black);
  const QRectF fpanel = sprite(img("win.png"), fheader.x() + 4, fy + S + 4, fw - 16, 259 - 187 + S);
  for (int i = 0; i < 2; ++i) {
    const QRectF edit(fpanel.x() + 140, fpanel.y() + 5 + i * 35, i == 0 ? 100 : 200, 30);
    p.fillRect(edit, Qt::white);
    p.setPen(QColor(0x80, 0x80, 0x80));
    if (i > 0) p.drawRect(edit.adjusted(0.5, 0.5, -0.5, -0.5));
    text(i == 0 ? "Id" : "Name", fpanel.x() + 4, edit.y(), T, Qt::black);
    text(i == 0 ? "5" : "Demo Field", edit.x() + 3, edit.y(), 30, Qt::black);
  }
  const QRectF ok = sprite(img("ok.png"), fx + fw - buttonW - 5, okY, -1, S);
  sprite(img("cancel.png"), ok.x() - buttonW - 5, okY, -1, S);

  // Delete confirmation (465, 300, 300 x 200).
  const qreal mx = 465, my = 300, mw = 300, mh = 200;
  sprite(img("border.png"), mx, my, mw, mh);
  sprite(img("winheader.png"), mx + 2, my + 2, mw - 4, S);
  const QRectF mpanel = sprite(img("win.png"), mx + 5, my + S + 5, mw - 10, mh - S - S - 10);
  const QRectF mok = sprite(img("ok.png"), mx + mw - buttonW - 5, mpanel.bottom() + 2, -1, S);
  sprite(img("cancel.png"), mok.x() - buttonW - 5, mok.y(), -1, S);
  text("Delete", mx + 5, my + 5, 25, Qt::red);
  text("Are you sure ?", mpanel.x() + 5, mpanel.y() + 25, 40, Qt::red);
  return canvas;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Draws the Theme1 images of generated AGK programs into THEME_DIR.");
  parser.addHelpOption();
  const QCommandLineOption iconsOption(
      "icons", "Also draw the desktop program's icon (tablesmith.png, tablesmith.svg) into DIR.",
      "DIR");
  const QCommandLineOption previewOption(
      "preview", "Also write FILE: the images put together as the generated screens show them.",
      "FILE");
  const QCommandLineOption strokesOption(
      "stroke-labels", "Draw the button labels with built-in stroke letters, not a font.");
  parser.addOption(iconsOption);
  parser.addOption(previewOption);
  parser.addOption(strokesOption);
  parser.addPositionalArgument("THEME_DIR", "Folder that receives the twenty PNG files.");
  parser.process(app);
  if (parser.positionalArguments().size() != 1) parser.showHelp(2);

  const QString themeFolder = parser.positionalArguments().first();
  if (!QDir().mkpath(themeFolder)) {
    std::fprintf(stderr, "draw_theme: cannot create %s\n", qPrintable(themeFolder));
    return 1;
  }
  const LabelWriter labels(parser.isSet(strokesOption));
  std::printf("Labels: %s\n", qPrintable(labels.Description()));

  bool ok = true;
  for (const ThemeImage& piece : ThemeImages(labels)) {
    const QImage image = piece.draw();
    ok = SavePng(image, QDir(themeFolder).filePath(piece.name)) && ok;
    std::printf("  %-14s %3d x %3d\n", piece.name, image.width(), image.height());
  }
  if (parser.isSet(iconsOption)) ok = WriteIcons(parser.value(iconsOption)) && ok;
  if (parser.isSet(previewOption)) {
    ok = SavePng(Preview(themeFolder, labels), parser.value(previewOption)) && ok;
  }
  return ok ? 0 : 1;
}
