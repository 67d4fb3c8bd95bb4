#include <QtTest>

#include "ui/PreviewLayout.h"

Q_DECLARE_METATYPE(tablesmith::ui::Box)

using namespace tablesmith;
using namespace tablesmith::ui;

namespace QTest {
template <>
char* toString(const Box& box) {
  return qstrdup(
      QString("%1 x %2 at (%3, %4)").arg(box.w).arg(box.h).arg(box.x).arg(box.y).toUtf8());
}
}  // namespace QTest

class PreviewLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  // The worked example of the generated list view with the default settings
  // and square button images.
  void listWithDefaults() {
    const ListLayout l = LayOutList(ProjectSettings{}, ButtonShapes{}, {"1: "});
    QCOMPARE(l.frame, (Box{30, 60, 650, 550}));
    QCOMPARE(l.header, (Box{34, 62, 642, 30}));
    QCOMPARE(l.headerText, (TextItem{"Listview", 41, 69, 24}));
    QCOMPARE(l.panel, (Box{38, 94, 634, 444}));
    QCOMPARE(l.scrollBackground, (Box{646, 92, 30, 414}));
    QCOMPARE(l.scrollUp, (Box{644, 94, 30, 30}));
    QCOMPARE(l.scrollDown, (Box{644, 508, 30, 30}));
    QCOMPARE(l.thumb, (Box{644, 124, 26, 26}));
    QCOMPARE(l.footer, (Box{38, 538, 634, 30}));
    QCOMPARE(l.close, (Box{612, 570, 30, 30}));
    QCOMPARE(l.remove, (Box{580, 570, 30, 30}));
    QCOMPARE(l.change, (Box{548, 570, 30, 30}));
    QCOMPARE(l.insert, (Box{514, 570, 30, 30}));
    QCOMPARE(l.topB, 124.0);
    QCOMPARE(l.bottomT, 508.0);
    QCOMPARE(l.thumbHeight, 26.0);
    QCOMPARE(l.tbDiff, 358.0);
    // Twenty rows of 20 pixels from the panel's top, empty past the texts.
    QCOMPARE(l.rows.size(), std::size_t{20});
    QCOMPARE(l.rows[0], (TextItem{"1: ", 48, 94, 20}));
    QCOMPARE(l.rows[19], (TextItem{"", 48, 474, 20}));
  }

  // Wide buttons: each one is placed by the width of the button on its right,
  // the close button from the screen's left edge.
  void listButtonsFollowTheirImages() {
    ProjectSettings settings;
    settings.LISTX1 = 100;
    ButtonShapes shapes;
    shapes.close = 2;
    shapes.remove = 3;
    const ListLayout l = LayOutList(settings, shapes, {});
    QCOMPARE(l.close, (Box{582, 570, 60, 30}));
    QCOMPARE(l.remove, (Box{520, 570, 90, 30}));
    QCOMPARE(l.change, (Box{428, 570, 30, 30}));
    QCOMPARE(l.insert, (Box{394, 570, 30, 30}));
    QCOMPARE(l.scrollUp.x, 714.0);
  }

  void formWithDefaults_data() {
    QTest::addColumn<int>("fieldCount");
    QTest::addColumn<Box>("background");
    QTest::addColumn<Box>("ok");
    QTest::addColumn<double>("borderHeight");
    QTest::newRow("no fields") << 0 << Box{498, 219, 554, 174} << Box{1025, 395, 30, 30} << 245.0;
    QTest::newRow("two fields") << 2 << Box{498, 219, 554, 102} << Box{1025, 323, 30, 30} << 173.0;
  }

  void formWithDefaults() {
    QFETCH(int, fieldCount);
    QFETCH(Box, background);
    QFETCH(Box, ok);
    QFETCH(double, borderHeight);
    FieldList fields = {{1, "Record number", "id", "Integer"}, {2, "Name", "name", "String"}};
    fields.resize(fieldCount);
    const FormLayout f = LayOutForm(ProjectSettings{}, fields, ButtonShapes{}, "Insert Record: ");
    QCOMPARE(f.border, (Box{490, 185, 570, borderHeight}));
    QCOMPARE(f.header, (Box{494, 187, 562, 30}));
    QCOMPARE(f.headerText, (TextItem{"Insert Record: ", 501, 194, 24}));
    QCOMPARE(f.background, background);
    QCOMPARE(f.ok, ok);
    QCOMPARE(f.cancel, (Box{ok.x - 35, ok.y, 30, 30}));
    QCOMPARE(f.editBoxes.size(), fields.size());
    if (fieldCount == 2) {
      QCOMPARE(f.editBoxes[0], (Box{638, 224, 100, 30}));
      QCOMPARE(f.editBoxes[1], (Box{638, 259, 200, 30}));
      QCOMPARE(f.labels[1], (TextItem{"Name", 502, 259, 20}));
    }
  }

  void popupWithDefaults() {
    const PopupLayout p = LayOutPopup(ProjectSettings{}, ButtonShapes{});
    QCOMPARE(p.border, (Box{465, 300, 300, 200}));
    QCOMPARE(p.header, (Box{467, 302, 296, 30}));
    QCOMPARE(p.background, (Box{470, 335, 290, 130}));
    QCOMPARE(p.ok, (Box{730, 467, 30, 30}));
    QCOMPARE(p.cancel, (Box{695, 467, 30, 30}));
    QCOMPARE(p.title, (TextItem{"Delete", 470, 305, 25}));
    QCOMPARE(p.question, (TextItem{"Are you sure ?", 475, 360, 40}));
  }
};

QTEST_APPLESS_MAIN(PreviewLayoutTest)
#include "PreviewLayoutTest.moc"
