#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "UiTestSupport.h"
#include "model/FieldStore.h"
#include "ui/FieldForm.h"
#include "ui/FieldListModel.h"
#include "ui/MainWindow.h"
#include "ui/Platform.h"
#include "ui/ProgressWindow.h"

using namespace tablesmith;
using namespace tablesmith::ui;
using test::WhenModalOpens;

namespace {

std::filesystem::path ToPath(const QString& text) {
  return std::filesystem::path(text.toStdU16String());
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The offscreen platform warns on every window it sizes; that says nothing
// about the wizard, so it is kept out of the test log.
QtMessageHandler previousHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  previousHandler(type, context, message);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  QString storeFile_;

  std::unique_ptr<MainWindow> Open() {
    auto window = std::make_unique<MainWindow>(
        MainWindowOptions{ToPath(storeFile_), RunEnvironment{TABLESMITH_THEME_FOLDER}});
    window->show();
    return window;
  }
  template <typename T = QWidget>
  static T* Find(QObject* parent, const char* name) {
    auto* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qWarning("no control named %s", name);
    return widget;
  }
  static QTableView* List(MainWindow& window) { return Find<QTableView>(&window, "LIST"); }
  static QString Cell(MainWindow& window, int row, int column) {
    return List(window)->model()->index(row, column).data().toString();
  }

 private slots:
  void initTestCase() {
    previousHandler = qInstallMessageHandler(QuietHandler);
    MessageBox::setNoPersonPresent(true);
  }

  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    storeFile_ = folder_->filePath(QStringLiteral("DBFIELDS.sqlite"));
    MessageBox::clearHistory();
  }

  void freshStartShowsEveryDefault() {
    auto window = Open();
    const ProjectSettings defaults;
    QCOMPARE(window->settings(), defaults);
    QCOMPARE(window->windowTitle(), QStringLiteral("Tablesmith  for AGK Classic/Studio"));

    for (const SettingInfo& info : AllSettings()) {
      if (info.fixed || info.name == "AGKVERSION" || info.name == "THEME") continue;
      QString name = Q(std::string(info.name));
      if (name == QLatin1String("PROGRAMPREFIX")) name += QLatin1Char(':');
      if (name == QLatin1String("TABLENAME")) name.prepend(QLatin1String("LC:"));
      auto* entry = window->findChild<QLineEdit*>(name);
      QVERIFY2(entry, qPrintable(name));
      QCOMPARE(entry->text(), Q(SettingValueText(defaults, info)));
    }
    QVERIFY(!Find<QRadioButton>(window.get(), "AGKVERSION:RADIO1")->isChecked());
    QVERIFY(Find<QRadioButton>(window.get(), "AGKVERSION:RADIO2")->isChecked());
    auto* theme = Find<QComboBox>(window.get(), "THEME");
    QCOMPARE(theme->currentText(), QStringLiteral("Theme1"));
    QCOMPARE(theme->count(), 2);
    QCOMPARE(theme->itemText(1), QStringLiteral("Theme2"));

    // The texts that look like typing errors are the window's own.
    const std::pair<const char*, const char*> prompts[] = {
        {"OUTPUTFOLDER:PROMPT", "Output Folder:"},
        {"FHEADER:PROMPT", "Project Title"},
        {"PROJECTNAME:PROMPT", "AGK Project Name:"},
        {"PROGRAMPREFIX::PROMPT", "Program Prefix :"},
        {"LC:TABLENAME:PROMPT", "Database Name"},
        {"THEME:PROMPT", "Theme:"},
        {"TEXTSOZE:PROMPT", "Textsize:"},
        {"SCROLLBARWIDTH:PROMPT", "Scrollbarwidth:"},
        {"LISTY1:PROMPT", "Start Y;"},
        {"LISTH:PROMPT", "Height:"},
        {"LISTMAXRECORDS:PROMPT", "Max Records to Display in List:"},
        {"FORMH:PROMPT", "Height;"},
        {"FORMY1:PROMPT", "Start Y:"},
        {"EDITBOXTEXTSIZE:PROMPT", "Editbox Text Size:"},
        {"EDITBOXOFFSET:PROMPT", "Editbox Offset:"},
        {"MESSAGEPREFIX:PROMPT", "Message Prefix:"},
        {"MESSAGETEXTSIZE:PROMPT", "Text Size:"},
    };
    for (const auto& [name, text] : prompts) {
      QCOMPARE(Find<QLabel>(window.get(), name)->text(), QString::fromLatin1(text));
    }
    QCOMPARE(Find<QPushButton>(window.get(), "BUTTON4")->text(),
             QStringLiteral("LET\"S DO IT!!!!"));
    QCOMPARE(Find<QPushButton>(window.get(), "BUTTON6")->text(), QStringLiteral("&EXIT"));
    QCOMPARE(Find<QPushButton>(window.get(), "LOOKUPFILE")->text(), QStringLiteral("..."));

    auto* list = List(*window);
    QCOMPARE(list->model()->rowCount(), 0);
    QStringList headers;
    for (int column = 0; column < list->model()->columnCount(); ++column) {
      headers << list->model()->headerData(column, Qt::Horizontal).toString();
    }
    QCOMPARE(headers, QStringList({"ID", "Field Descrption", "Variable Name", "Variable Type"}));
    QCOMPARE(list->horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);

    QCOMPARE(window->focusWidget(), Find(window.get(), "OUTPUTFOLDER"));
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(window->isVisible());
  }

  void entriesTakeOnlyWhatFits_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("prefix stops at 19") << "PROGRAMPREFIX:" << QString(25, 'a') << QString(19, 'a');
    QTest::newRow("title stops at 49") << "FHEADER" << QString(60, 'x') << QString(49, 'x');
    QTest::newRow("negative short") << "TEXTSOZE"
                                    << "-5"
                                    << "-5";
    QTest::newRow("short out of range") << "TEXTSOZE"
                                        << "40000"
                                        << "4000";
    QTest::newRow("short minimum") << "MBOXX"
                                   << "-32768"
                                   << "-32768";
    QTest::newRow("no letters") << "LISTMAXRECORDS"
                                << "1a2b"
                                << "12";
    QTest::newRow("minus only in front") << "FORMW"
                                         << "1-2"
                                         << "12";
    QTest::newRow("long minimum") << "LISTX1"
                                  << "-2147483648"
                                  << "-2147483648";
    QTest::newRow("long out of range") << "LISTW"
                                       << "21474836479"
                                       << "2147483647";
  }

  void entriesTakeOnlyWhatFits() {
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    auto window = Open();
    auto* entry = window->findChild<QLineEdit*>(control);
    QVERIFY(entry);
    entry->clear();
    QTest::keyClicks(entry, typed);
    QCOMPARE(entry->text(), kept);
    const SettingInfo* info = FindSetting(
        control == QLatin1String("PROGRAMPREFIX:") ? "PROGRAMPREFIX" : control.toStdString());
    QCOMPARE(Q(SettingValueText(window->settings(), *info)), kept);
  }

  void textLimitCountsCharactersNotUtf16Units() {
    auto window = Open();
    auto* entry = Find<QLineEdit>(window.get(), "LISTPREFIX");
    entry->clear();
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");  // two UTF-16 units
    for (int i = 0; i < 19; ++i) entry->insert(face);
    QCOMPARE(entry->text(), face.repeated(19));
    entry->insert(face);
    QCOMPARE(entry->text(), face.repeated(19));
    QCOMPARE(window->settings().LISTPREFIX, face.repeated(19).toStdString());
  }

  void pastingTooMuchKeepsWhatFits() {
    auto window = Open();
    auto* entry = Find<QLineEdit>(window.get(), "FHEADER");
    entry->setText(QStringLiteral("abcz"));
    entry->setCursorPosition(3);
    entry->insert(QString(60, 'x'));  // what a paste does
    QCOMPARE(entry->text(), QStringLiteral("abc") + QString(45, 'x') + QStringLiteral("z"));
    QCOMPARE(entry->cursorPosition(), 48);
  }

  void tabLeavesTheFieldListForItsButtons() {
    FieldStore(ToPath(storeFile_)).Insert({0, "Number", "id", "Integer"});
    auto window = Open();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    List(*window)->setFocus();
    QTest::keyClick(List(*window), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Find(window.get(), "INSERT"));
  }

  void storeThatIsNoStoreIsReportedAndLeftAlone() {
    QFile junk(storeFile_);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a field store");
    junk.close();
    auto window = OpenMainWindow(
        MainWindowOptions{ToPath(storeFile_), RunEnvironment{TABLESMITH_THEME_FOLDER}});
    QVERIFY(!window);
    QCOMPARE(MessageBox::history().size(), 1);
    QVERIFY(MessageBox::history().front().text.contains(storeFile_));
    QVERIFY(junk.open(QIODevice::ReadOnly));
    QCOMPARE(junk.readAll(), QByteArray("this is not a field store"));
  }

  void insertThroughTheFormListsLastAndSurvives() {
    {
      FieldStore store(ToPath(storeFile_));
      store.Insert({0, "Record number", "id", "Integer"});
      store.Insert({0, "Surname", "surname", "String"});
    }
    auto window = Open();
    QString title;
    WhenModalOpens([&](QDialog* form) {
      title = form->windowTitle();
      QTest::keyClicks(Find(form, "FIELD_DESCRPTION"), QStringLiteral("Age"));
      QTest::keyClicks(Find(form, "FIELDNAME"), QStringLiteral("age"));
      QTest::mouseClick(Find(form, "FIELDTYPE:RADIO2"), Qt::LeftButton);
      QTest::mouseClick(Find(form, "OK"), Qt::LeftButton);
    });
    QTest::mouseClick(Find(window.get(), "INSERT"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Record Will Be Added"));

    // Stored as typed: a space, capitals and no type at all.
    WhenModalOpens([&](QDialog* form) {
      QTest::keyClicks(Find(form, "FIELDNAME"), QStringLiteral("First Name"));
      QTest::mouseClick(Find(form, "OK"), Qt::LeftButton);
    });
    QTest::mouseClick(Find(window.get(), "INSERT"), Qt::LeftButton);

    QCOMPARE(List(*window)->model()->rowCount(), 4);
    QCOMPARE(Cell(*window, 2, 0), QStringLiteral("3"));
    QCOMPARE(Cell(*window, 2, 1), QStringLiteral("Age"));
    QCOMPARE(Cell(*window, 2, 2), QStringLiteral("age"));
    QCOMPARE(Cell(*window, 2, 3), QStringLiteral("Integer"));
    QCOMPARE(List(*window)->selectionModel()->selectedRows().front().row(), 3);
    QVERIFY(MessageBox::history().isEmpty());

    window.reset();
    FieldStore reopened(ToPath(storeFile_));
    const FieldList expected = {{1, "Record number", "id", "Integer"},
                                {2, "Surname", "surname", "String"},
                                {3, "Age", "age", "Integer"},
                                {4, "", "First Name", ""}};
    QVERIFY(reopened.All() == expected);
  }

  void changeThroughTheFormKeepsTheId() {
    {
      FieldStore store(ToPath(storeFile_));
      store.Insert({0, "Record number", "id", "Integer"});
      store.Insert({0, "Age", "age", "String"});
    }
    auto window = Open();
    List(*window)->selectRow(1);
    QString title;
    WhenModalOpens([&](QDialog* form) {
      title = form->windowTitle();
      QCOMPARE(Find<QLineEdit>(form, "FIELDNAME")->text(), QStringLiteral("age"));
      QTest::mouseClick(Find(form, "FIELDTYPE:RADIO2"), Qt::LeftButton);
      QTest::mouseClick(Find(form, "OK"), Qt::LeftButton);
    });
    QTest::mouseClick(Find(window.get(), "CHANGE"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Record Will Be Changed"));
    QCOMPARE(Cell(*window, 1, 0), QStringLiteral("2"));
    QCOMPARE(Cell(*window, 1, 3), QStringLiteral("Integer"));
    QCOMPARE(List(*window)->selectionModel()->selectedRows().front().row(), 1);
  }

  void cancelAsksOnlyWhenSomethingChanged() {
    FieldStore store(ToPath(storeFile_));
    FieldHistory history;

    WhenModalOpens([](QDialog* form) { QTest::mouseClick(Find(form, "CANCEL"), Qt::LeftButton); });
    QCOMPARE(updatefields(nullptr, store, FieldRequest::Insert, 0, history),
             FieldResponse::Cancelled);
    QVERIFY(MessageBox::history().isEmpty());

    bool stayedOpen = false;
    QString keptName;
    WhenModalOpens([&](QDialog* form) {
      QTest::keyClicks(Find(form, "FIELDNAME"), QStringLiteral("age"));
      QTest::mouseClick(Find(form, "FIELDTYPE:RADIO3"), Qt::LeftButton);
      MessageBox::setNextAnswer(QMessageBox::No);
      QTest::mouseClick(Find(form, "CANCEL"), Qt::LeftButton);
      stayedOpen = form->isVisible();
      keptName = Find<QLineEdit>(form, "FIELDNAME")->text();
      QVERIFY(Find<QRadioButton>(form, "FIELDTYPE:RADIO3")->isChecked());
      MessageBox::setNextAnswer(QMessageBox::Yes);
      QTest::mouseClick(Find(form, "CANCEL"), Qt::LeftButton);
    });
    QCOMPARE(updatefields(nullptr, store, FieldRequest::Insert, 0, history),
             FieldResponse::Cancelled);
    QVERIFY(stayedOpen);
    QCOMPARE(keptName, QStringLiteral("age"));
    QCOMPARE(MessageBox::history().size(), 2);
    for (const MessageBox::Shown& shown : MessageBox::history()) {
      QCOMPARE(shown.title, QStringLiteral("Changes will be lost!"));
      QCOMPARE(shown.text, QStringLiteral("Are you sure you want to cancel?"));
    }
    QCOMPARE(store.Count(), std::size_t{0});
  }

  void deleteAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("no keeps it") << int(QMessageBox::No) << QStringList({"1", "2"});
    QTest::newRow("yes deletes it") << int(QMessageBox::Yes) << QStringList({"2"});
  }

  void deleteAsksFirst() {
    QFETCH(int, answer);
    QFETCH(QStringList, left);
    {
      FieldStore store(ToPath(storeFile_));
      store.Insert({0, "Record number", "id", "Integer"});
      store.Insert({0, "Age", "age", "Integer"});
    }
    auto window = Open();
    List(*window)->selectRow(0);
    MessageBox::setNextAnswer(static_cast<QMessageBox::StandardButton>(answer));
    QTest::mouseClick(Find(window.get(), "DELETE"), Qt::LeftButton);

    QCOMPARE(MessageBox::history().size(), 1);
    QCOMPARE(MessageBox::history().front().title, QStringLiteral("Confirm Delete"));
    QCOMPARE(MessageBox::history().front().text,
             QStringLiteral("Are you sure you want to delete the highlighted record?"));
    QStringList ids;
    for (int row = 0; row < List(*window)->model()->rowCount(); ++row) ids << Cell(*window, row, 0);
    QCOMPARE(ids, left);
  }

  void ctrlHRecallsTheLastStoredRecord() {
    FieldStore store(ToPath(storeFile_));
    FieldHistory history;
    WhenModalOpens([](QDialog* form) {
      QTest::keyClicks(Find(form, "FIELD_DESCRPTION"), QStringLiteral("Age"));
      QTest::keyClicks(Find(form, "FIELDNAME"), QStringLiteral("age"));
      QTest::mouseClick(Find(form, "FIELDTYPE:RADIO2"), Qt::LeftButton);
      QTest::mouseClick(Find(form, "OK"), Qt::LeftButton);
    });
    QCOMPARE(updatefields(nullptr, store, FieldRequest::Insert, 0, history),
             FieldResponse::Completed);

    QString recalledName, untouchedDescription;
    bool integerChosen = false;
    WhenModalOpens([&](QDialog* form) {
      QTest::keyClick(Find(form, "FIELDNAME"), Qt::Key_H, Qt::ControlModifier);
      QTest::keyClick(Find(form, "FIELDTYPE:RADIO1"), Qt::Key_H, Qt::ControlModifier);
      recalledName = Find<QLineEdit>(form, "FIELDNAME")->text();
      untouchedDescription = Find<QLineEdit>(form, "FIELD_DESCRPTION")->text();
      integerChosen = Find<QRadioButton>(form, "FIELDTYPE:RADIO2")->isChecked();
      QTest::mouseClick(Find(form, "OK"), Qt::LeftButton);
    });
    updatefields(nullptr, store, FieldRequest::Insert, 0, history);
    QCOMPARE(recalledName, QStringLiteral("age"));
    QCOMPARE(untouchedDescription, QString());
    QVERIFY(integerChosen);
    QVERIFY(store.Find(2) == (FieldDefinition{2, "", "age", "Integer"}));
  }

  void viewModeIsReadOnly() {
    FieldStore store(ToPath(storeFile_));
    const FieldDefinition age{1, "Age", "age", "Integer"};
    store.Insert(age);
    FieldHistory history;
    QString title;
    bool readOnly = false;
    WhenModalOpens([&](QDialog* form) {
      title = form->windowTitle();
      auto* name = Find<QLineEdit>(form, "FIELDNAME");
      readOnly = name->isReadOnly() && Find<QLineEdit>(form, "FIELD_DESCRPTION")->isReadOnly();
      QTest::keyClicks(name, QStringLiteral("xyz"));
      QTest::mouseClick(Find(form, "OK"), Qt::LeftButton);
    });
    QCOMPARE(updatefields(nullptr, store, FieldRequest::View, 1, history),
             FieldResponse::Cancelled);
    QCOMPARE(title, QStringLiteral("View Record"));
    QVERIFY(readOnly);
    QVERIFY(store.All() == FieldList{age});
    QVERIFY(MessageBox::history().isEmpty());
  }

  void folderLookup() {
    auto window = Open();
    auto* folder = Find<QLineEdit>(window.get(), "OUTPUTFOLDER");
    const QString workingFolder = QDir::currentPath();

    FolderDialog::setNextDirectory(QString());  // cancelled
    QTest::mouseClick(Find(window.get(), "LOOKUPFILE"), Qt::LeftButton);
    QCOMPARE(FolderDialog::lastCaption(), QStringLiteral("Select Output Folder"));
    QCOMPARE(folder->text(), QString());
    QCOMPARE(window->settings().OUTPUTFOLDER, std::string());

    // With no output folder the run writes nothing and says why.
    int progressWindows = 0;
    connect(&window->progressWindow(), &ProgressWindow::opened, this, [&] { ++progressWindows; });
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(Find(window.get(), "BUTTON4"), Qt::LeftButton);
    QCOMPARE(progressWindows, 0);
    QCOMPARE(MessageBox::history().size(), 1);
    QCOMPARE(MessageBox::history().front().icon, QMessageBox::Warning);
    QVERIFY(MessageBox::history().front().text.startsWith(QLatin1String("Nothing was generated")));

    FolderDialog::setNextDirectory(folder_->path());
    QTest::mouseClick(Find(window.get(), "LOOKUPFILE"), Qt::LeftButton);
    QCOMPARE(folder->text(), QDir::toNativeSeparators(folder_->path()));
    QCOMPARE(Q(window->settings().OUTPUTFOLDER), QDir::toNativeSeparators(folder_->path()));
    QCOMPARE(QDir::currentPath(), workingFolder);
  }

  void generateWritesTheProjectWithOneProgressWindowPerFile() {
    {
      FieldStore store(ToPath(storeFile_));
      store.Insert({0, "Record number", "id", "Integer"});
      store.Insert({0, "Age", "age", "Integer"});
    }
    auto window = Open();
    const QString output = folder_->filePath(QStringLiteral("out"));
    Find<QLineEdit>(window.get(), "OUTPUTFOLDER")->setText(output);
    QTest::mouseClick(Find(window.get(), "AGKVERSION:RADIO1"), Qt::LeftButton);
    List(*window)->selectRow(1);
    const ProjectSettings before = window->settings();
    QCOMPARE(before.AGKVERSION, std::string("AGK Classic"));

    struct Shown {
      QString title;
      bool visibleAndModal;
      int maximum;
      int valueAtEnd = -1;
    };
    QList<Shown> shown;
    connect(&window->progressWindow(), &ProgressWindow::opened, this, [&](QDialog* progress) {
      auto* bar = Find<QProgressBar>(progress, "PROGRESS1");
      shown.append(
          {progress->windowTitle(), progress->isVisible() && progress->isModal(), bar->maximum()});
    });
    connect(&window->progressWindow(), &ProgressWindow::finishing, this, [&](QDialog* progress) {
      shown.back().valueAtEnd = Find<QProgressBar>(progress, "PROGRESS1")->value();
    });

    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(Find(window.get(), "BUTTON4"), Qt::LeftButton);

    const QStringList files = {"startup.inc",       "prg_globals.inc", "constants.inc",
                               "prg_fileutils.inc", "main.agc",        "MyTablesmith.agk",
                               "form_.inc",         "form_input.inc",  "list_.inc",
                               "list_input.inc",    "mespopup_.inc",   "mespopup_input.inc"};
    QCOMPARE(shown.size(), files.size());
    for (int i = 0; i < files.size(); ++i) {
      QFile file(QDir(output).filePath(files[i]));
      QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(files[i]));
      const int lines = static_cast<int>(file.readAll().count("\r\n"));
      QVERIFY(lines > 0);
      QCOMPARE(shown[i].title, QStringLiteral("Please be patient..."));
      QVERIFY(shown[i].visibleAndModal);
      QCOMPARE(shown[i].maximum, lines);
      QCOMPARE(shown[i].valueAtEnd, lines);
    }
    QCOMPARE(QDir(output + QStringLiteral("/media/Theme1")).entryList(QDir::Files).size(), 20);
    QVERIFY(!QFile::exists(QDir(output).filePath(QStringLiteral("startup.scene"))));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    QCOMPARE(MessageBox::history().size(), 1);
    const MessageBox::Shown& message = MessageBox::history().front();
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(message.title, QString());
    QCOMPARE(message.text, QStringLiteral("Congratulatons... \n\nPlease open die Project file "
                                          "in:\n\n") +
                               output);

    QCOMPARE(window->settings(), before);
    QCOMPARE(List(*window)->selectionModel()->selectedRows().front().row(), 1);
  }

  void aboutWindow() {
    auto window = Open();
    QString title;
    QStringList texts;
    QString close;
    WhenModalOpens([&](QDialog* about) {
      title = about->windowTitle();
      for (int line = 1; line <= 9; ++line) {
        texts << Find<QLabel>(about, qPrintable(QStringLiteral("STRING%1").arg(line)))->text();
      }
      QVERIFY(!Find<QLabel>(about, "IMAGE1")->pixmap().isNull());
      close = Find<QPushButton>(about, "BUTTON1")->text();
      QTest::mouseClick(Find(about, "BUTTON1"), Qt::LeftButton);
    });
    Find<QAction>(window.get(), "ABOUT")->trigger();
    QCOMPARE(title, QStringLiteral("About"));
    QCOMPARE(texts.size(), 9);
    const QStringList fixed = {"Tablesmith for AGK Classic & Studio",
                               "This is a Tool to help generate Code compatible with",
                               "The Game Creators AGK Classic and AGK Studio Products"};
    QCOMPARE(texts.mid(1, 3), fixed);
    const QStringList fixedToo = {"This is NOT a product from The Game Creators",
                                  "and I am NOT involved with The Game Creators Products",
                                  "Please direct ANY questions/comments regarding this tool to"};
    QCOMPARE(texts.mid(5, 3), fixedToo);
    QCOMPARE(texts[0], QStringLiteral("Made by the Tablesmith team"));
    QVERIFY(texts[4].startsWith(QLatin1String("https://")));
    QVERIFY(texts[8].contains(QLatin1Char('@')));
    QCOMPARE(close, QStringLiteral("&Close"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
