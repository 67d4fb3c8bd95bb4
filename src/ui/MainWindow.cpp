#include "ui/MainWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <limits>

#include "model/FieldStore.h"
#include "ui/AboutWindow.h"
#include "ui/AppIcon.h"
#include "ui/EntryValidators.h"
#include "ui/FieldListModel.h"
#include "ui/Platform.h"
#include "ui/ProgressWindow.h"
#include "ui/ScreenPreview.h"

namespace tablesmith::ui {
namespace {

const QString kAppName = QStringLiteral("Tablesmith");
const QString kEditions[] = {QStringLiteral("AGK Classic"), QStringLiteral("AGK Studio")};

// Two settings have controls whose names differ from the setting's name.
QString ControlName(std::string_view setting) {
  if (setting == "PROGRAMPREFIX") return QStringLiteral("PROGRAMPREFIX:");
  if (setting == "TABLENAME") return QStringLiteral("LC:TABLENAME");
  return QString::fromLatin1(setting.data(), static_cast<qsizetype>(setting.size()));
}

bool IsShort(const SettingInfo& info) {
  return std::holds_alternative<std::int16_t ProjectSettings::*>(info.member);
}

QString ForDisplay(const std::string& message) {
  return QString::fromStdString(message).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Column widths of the field list, in quarters of the average character width.
constexpr int kColumnQuarters[] = {19, 79, 87, 76};

}  // namespace

MainWindow::MainWindow(const MainWindowOptions& options, QWidget* parent)
    : QMainWindow(parent),
      store_(std::make_unique<FieldStore>(options.storeFile)),
      environment_(options.environment) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral("Tablesmith  for AGK Classic/Studio"));
  setWindowIcon(AppIcon());

  auto* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("MENU1ITEM1"));
  auto* aboutAction = help->addAction(QStringLiteral("&About"));
  aboutAction->setObjectName(QStringLiteral("ABOUT"));
  connect(aboutAction, &QAction::triggered, this, &MainWindow::ShowAbout);

  auto* sheet = new QTabWidget(this);
  sheet->setObjectName(QStringLiteral("SHEET1"));
  sheet->addTab(BuildAppTab(), QStringLiteral("App Defaults"));
  sheet->widget(0)->setObjectName(QStringLiteral("TAB1"));
  sheet->addTab(BuildListTab(), QStringLiteral("List Defaults"));
  sheet->widget(1)->setObjectName(QStringLiteral("TAB2"));
  sheet->addTab(BuildFormTab(), QStringLiteral("Form Defaults"));
  sheet->widget(2)->setObjectName(QStringLiteral("TAB3"));
  sheet->addTab(BuildMessageTab(), QStringLiteral("MessageBox Defaults"));
  sheet->widget(3)->setObjectName(QStringLiteral("TAB4"));

  // The generate and exit buttons stay in view whatever tab is shown.
  auto* box = new QFrame(this);
  box->setObjectName(QStringLiteral("BOX1"));
  box->setFrameShape(QFrame::StyledPanel);
  auto* generate = new QPushButton(QStringLiteral("LET\"S DO IT!!!!"), box);
  generate->setObjectName(QStringLiteral("BUTTON4"));
  auto* exit = new QPushButton(QStringLiteral("&EXIT"), box);
  exit->setObjectName(QStringLiteral("BUTTON6"));
  connect(generate, &QPushButton::clicked, this, &MainWindow::Generate);
  connect(exit, &QPushButton::clicked, this, &QWidget::close);
  auto* boxLayout = new QHBoxLayout(box);
  boxLayout->addStretch();
  boxLayout->addWidget(generate);
  boxLayout->addWidget(exit);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(sheet, 1);
  layout->addWidget(box);
  setCentralWidget(central);

  auto* credit = new QLabel(QStringLiteral("Made by the Tablesmith team"), this);
  credit->setObjectName(QStringLiteral("STATUS1"));
  statusBar()->addWidget(credit, 1);
  auto* browsing = new QLabel(this);
  browsing->setObjectName(QStringLiteral("STATUS2"));
  statusBar()->addWidget(browsing);
  browsing_ = browsing;

  progress_ = new ProgressWindow(this);

  // Focus moves in the order the controls are declared.
  const char* const order[] = {"OUTPUTFOLDER",
                               "LOOKUPFILE",
                               "FHEADER",
                               "PROJECTNAME",
                               "AGKVERSION:RADIO1",
                               "AGKVERSION:RADIO2",
                               "LIST",
                               "INSERT",
                               "CHANGE",
                               "DELETE",
                               "PROGRAMPREFIX:",
                               "LC:TABLENAME",
                               "THEME",
                               "TEXTSOZE",
                               "SCROLLBARWIDTH",
                               "BUTTON4",
                               "BUTTON6",
                               "LISTX1",
                               "LISTY1",
                               "LISTW",
                               "LISTH",
                               "LISTPREFIX",
                               "LISTMAXRECORDS",
                               "FORMPREFIX",
                               "FORMW",
                               "FORMH",
                               "FORMX1",
                               "FORMY1",
                               "EDITBOXTEXTSIZE",
                               "EDITBOXHEIGHT",
                               "EDITBOXOFFSET",
                               "MESSAGEPREFIX",
                               "MBOXX",
                               "MBOXY",
                               "MBOXW",
                               "MBOXH",
                               "MESSAGETEXTSIZE"};
  QWidget* previous = nullptr;
  for (const char* name : order) {
    auto* widget = findChild<QWidget*>(QString::fromLatin1(name));
    if (previous && widget) setTabOrder(previous, widget);
    if (widget) previous = widget;
  }

  // Every setting but the program-wide ones takes its default here; the
  // window opens once per run of the program, so each start shows all
  // defaults.
  settings_ = ProjectSettings{};
  ShowSettings();
  ReloadList(0, 0);

  resize(1040, 680);
  Entry("OUTPUTFOLDER")->setFocus();
}

MainWindow::~MainWindow() = default;

QLineEdit* MainWindow::AddEntry(QFormLayout* form, const char* setting, const QString& prompt,
                                QWidget* beside) {
  const SettingInfo* info = FindSetting(setting);
  const QString name = ControlName(setting);
  auto* label = new QLabel(prompt);
  label->setObjectName(name + QStringLiteral(":PROMPT"));
  auto* entry = new QLineEdit;
  entry->setObjectName(name);
  label->setBuddy(entry);
  if (info->IsText()) {
    LimitText(entry, info->maxLength);
    if (info->maxLength <= 19) {
      entry->setMaximumWidth(180);
    } else {
      entry->setMinimumWidth(260);
    }
  } else {
    const bool isShort = IsShort(*info);
    LimitNumber(entry, info->maxLength,
                isShort ? std::numeric_limits<std::int16_t>::min()
                        : std::numeric_limits<std::int32_t>::min(),
                isShort ? std::numeric_limits<std::int16_t>::max()
                        : std::numeric_limits<std::int32_t>::max());
    entry->setMaximumWidth(110);
  }
  if (beside) {
    auto* row = new QHBoxLayout;
    row->addWidget(entry, 1);
    row->addWidget(beside);
    form->addRow(label, row);
  } else {
    form->addRow(label, entry);
  }
  entries_.emplace_back(info, entry);
  connect(entry, &QLineEdit::textChanged, this, &MainWindow::TakeControlValues);
  return entry;
}

QLineEdit* MainWindow::Entry(const char* setting) const {
  for (const auto& [info, entry] : entries_) {
    if (info->name == setting) return entry;
  }
  return nullptr;
}

QWidget* MainWindow::BuildAppTab() {
  auto* tab = new QWidget;

  auto* top = new QFormLayout;
  auto* lookup = new QPushButton(QStringLiteral("..."));
  lookup->setObjectName(QStringLiteral("LOOKUPFILE"));
  lookup->setToolTip(QStringLiteral("Select Output Folder"));
  lookup->setFixedWidth(lookup->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
  connect(lookup, &QPushButton::clicked, this, &MainWindow::LookUpOutputFolder);
  AddEntry(top, "OUTPUTFOLDER", QStringLiteral("Output Folder:"), lookup);
  AddEntry(top, "FHEADER", QStringLiteral("Project Title"));
  AddEntry(top, "PROJECTNAME", QStringLiteral("AGK Project Name:"));

  auto* editionBox = new QGroupBox(QStringLiteral("AGK Version Files Export"));
  editionBox->setObjectName(QStringLiteral("AGKVERSION"));
  auto* editionLayout = new QHBoxLayout(editionBox);
  edition_ = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    auto* radio = new QRadioButton(kEditions[i], editionBox);
    radio->setObjectName(QStringLiteral("AGKVERSION:RADIO%1").arg(i + 1));
    edition_->addButton(radio, i);
    editionLayout->addWidget(radio);
  }
  editionLayout->addStretch();
  connect(edition_, &QButtonGroup::idToggled, this, [this](int, bool on) {
    if (on) TakeControlValues();
  });

  auto* bottom = new QFormLayout;
  AddEntry(bottom, "PROGRAMPREFIX", QStringLiteral("Program Prefix :"));
  AddEntry(bottom, "TABLENAME", QStringLiteral("Database Name"));
  auto* themePrompt = new QLabel(QStringLiteral("Theme:"));
  themePrompt->setObjectName(QStringLiteral("THEME:PROMPT"));
  theme_ = new QComboBox;
  theme_->setObjectName(QStringLiteral("THEME"));
  theme_->addItems({QStringLiteral("Theme1"), QStringLiteral("Theme2")});
  theme_->setMaximumWidth(180);
  themePrompt->setBuddy(theme_);
  bottom->addRow(themePrompt, theme_);
  connect(theme_, &QComboBox::currentTextChanged, this, &MainWindow::TakeControlValues);
  AddEntry(bottom, "TEXTSOZE", QStringLiteral("Textsize:"));
  AddEntry(bottom, "SCROLLBARWIDTH", QStringLiteral("Scrollbarwidth:"));

  auto* picture = new QLabel;
  picture->setObjectName(QStringLiteral("IMAGE1"));
  picture->setPixmap(AppPicture(72));
  picture->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

  auto* left = new QVBoxLayout;
  left->addLayout(top);
  left->addWidget(editionBox);
  left->addLayout(bottom);
  left->addStretch();
  left->addWidget(picture);

  auto* table = new QGroupBox(QStringLiteral("Database Table"));
  table->setObjectName(QStringLiteral("GROUP4"));
  list_ = new QTableView(table);
  list_->setObjectName(QStringLiteral("LIST"));
  list_->setTabKeyNavigation(false);  // Tab moves on to the next control, not the next cell
  model_ = new FieldListModel(*store_, this);
  // The view asks for pages while it lays itself out: report a failure
  // afterwards, not from inside that.
  connect(
      model_, &FieldListModel::storeFailed, this,
      [this](const QString& message) { MessageBox::critical(this, kAppName, message); },
      Qt::QueuedConnection);
  list_->setModel(model_);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSortingEnabled(false);
  list_->setShowGrid(true);
  list_->setWordWrap(false);
  list_->verticalHeader()->hide();
  list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->horizontalHeader()->setHighlightSections(false);
  const int charWidth = std::max(1, list_->fontMetrics().averageCharWidth());
  for (int column = 0; column < FieldListModel::kColumnCount; ++column) {
    list_->setColumnWidth(column, kColumnQuarters[column] * charWidth / 4 + 8);
  }
  list_->setStyleSheet(
      QStringLiteral("QTableView::item { padding-left: 2px; padding-right: 2px; }"));
  list_->installEventFilter(this);
  connect(list_, &QTableView::doubleClicked, this, &MainWindow::ChangeField);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &MainWindow::UpdateButtons);
  connect(model_, &QAbstractItemModel::modelReset, this, &MainWindow::UpdateButtons);

  // The list's own ways to the same three requests: right-click menu and keys.
  auto listAction = [this](const QString& text, const char* name, QKeySequence key,
                           void (MainWindow::*slot)()) {
    auto* action = new QAction(text, list_);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, slot);
    list_->addAction(action);
    return action;
  };
  listAction(QStringLiteral("&Insert"), "LIST:INSERT", QKeySequence(Qt::Key_Insert),
             &MainWindow::InsertField);
  listAction(QStringLiteral("&Change"), "LIST:CHANGE", QKeySequence(Qt::Key_Return),
             &MainWindow::ChangeField);
  listAction(QStringLiteral("&Delete"), "LIST:DELETE", QKeySequence(QKeySequence::Delete),
             &MainWindow::DeleteField);
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);

  auto* insert = new QPushButton(QStringLiteral("&Insert"));
  insert->setObjectName(QStringLiteral("INSERT"));
  change_ = new QPushButton(QStringLiteral("&Change"));
  change_->setObjectName(QStringLiteral("CHANGE"));
  delete_ = new QPushButton(QStringLiteral("&Delete"));
  delete_->setObjectName(QStringLiteral("DELETE"));
  connect(insert, &QPushButton::clicked, this, &MainWindow::InsertField);
  connect(change_, &QPushButton::clicked, this, &MainWindow::ChangeField);
  connect(delete_, &QPushButton::clicked, this, &MainWindow::DeleteField);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(insert);
  buttons->addWidget(change_);
  buttons->addWidget(delete_);
  auto* tableLayout = new QVBoxLayout(table);
  tableLayout->addWidget(list_, 1);
  tableLayout->addLayout(buttons);

  auto* layout = new QHBoxLayout(tab);
  layout->addLayout(left, 0);
  layout->addWidget(table, 1);
  return tab;
}

QWidget* MainWindow::BuildListTab() {
  auto* tab = new QWidget;
  auto* size = new QGroupBox(QStringLiteral("ListBox Size"));
  size->setObjectName(QStringLiteral("GROUP1"));
  auto* sizeForm = new QFormLayout(size);
  AddEntry(sizeForm, "LISTX1", QStringLiteral("Start X:"));
  AddEntry(sizeForm, "LISTY1", QStringLiteral("Start Y;"));
  AddEntry(sizeForm, "LISTW", QStringLiteral("Width:"));
  AddEntry(sizeForm, "LISTH", QStringLiteral("Height:"));
  auto* form = new QFormLayout;
  AddEntry(form, "LISTPREFIX", QStringLiteral("List Prefix:"));
  AddEntry(form, "LISTMAXRECORDS", QStringLiteral("Max Records to Display in List:"));

  auto* left = new QVBoxLayout;
  left->addWidget(size);
  left->addLayout(form);
  left->addStretch();
  AddPreviewBeside(tab, left, ScreenPreview::Screen::List, QStringLiteral("IMAGE2"));
  return tab;
}

// Lays out a settings tab: its entries on the left, the live preview of the
// generated screen on the right, taking the room that is left.
void MainWindow::AddPreviewBeside(QWidget* tab, QLayout* left, ScreenPreview::Screen screen,
                                  const QString& objectName) {
  auto* preview = new ScreenPreview(screen, environment_.themeFolder, tab);
  preview->setObjectName(objectName);
  previews_.push_back(preview);
  auto* layout = new QHBoxLayout(tab);
  layout->addLayout(left, 0);
  layout->addWidget(preview, 1);
}

QWidget* MainWindow::BuildFormTab() {
  auto* tab = new QWidget;
  auto* top = new QFormLayout;
  AddEntry(top, "FORMPREFIX", QStringLiteral("Form Prefix:"));
  auto* size = new QGroupBox(QStringLiteral("Form Size"));
  size->setObjectName(QStringLiteral("GROUP2"));
  auto* sizeForm = new QFormLayout(size);
  AddEntry(sizeForm, "FORMW", QStringLiteral("Width:"));
  AddEntry(sizeForm, "FORMH", QStringLiteral("Height;"));
  AddEntry(sizeForm, "FORMX1", QStringLiteral("Start X:"));
  AddEntry(sizeForm, "FORMY1", QStringLiteral("Start Y:"));
  auto* boxes = new QFormLayout;
  AddEntry(boxes, "EDITBOXTEXTSIZE", QStringLiteral("Editbox Text Size:"));
  AddEntry(boxes, "EDITBOXHEIGHT", QStringLiteral("Editbox Height:"));
  AddEntry(boxes, "EDITBOXOFFSET", QStringLiteral("Editbox Offset:"));

  auto* left = new QVBoxLayout;
  left->addLayout(top);
  left->addWidget(size);
  left->addLayout(boxes);
  left->addStretch();
  AddPreviewBeside(tab, left, ScreenPreview::Screen::Form, QStringLiteral("IMAGE3"));
  return tab;
}

QWidget* MainWindow::BuildMessageTab() {
  auto* tab = new QWidget;
  auto* top = new QFormLayout;
  AddEntry(top, "MESSAGEPREFIX", QStringLiteral("Message Prefix:"));
  auto* size = new QGroupBox(QStringLiteral("Message Box Size"));
  size->setObjectName(QStringLiteral("GROUP3"));
  auto* sizeForm = new QFormLayout(size);
  AddEntry(sizeForm, "MBOXX", QStringLiteral("Start X:"));
  AddEntry(sizeForm, "MBOXY", QStringLiteral("Start Y:"));
  AddEntry(sizeForm, "MBOXW", QStringLiteral("Width:"));
  AddEntry(sizeForm, "MBOXH", QStringLiteral("Height:"));
  auto* text = new QFormLayout;
  AddEntry(text, "MESSAGETEXTSIZE", QStringLiteral("Text Size:"));

  auto* left = new QVBoxLayout;
  left->addLayout(top);
  left->addWidget(size);
  left->addLayout(text);
  left->addStretch();
  AddPreviewBeside(tab, left, ScreenPreview::Screen::Popup, QStringLiteral("IMAGE4"));
  return tab;
}

void MainWindow::ShowSettings() {
  filling_ = true;
  for (const auto& [info, entry] : entries_) {
    entry->setText(QString::fromStdString(SettingValueText(settings_, *info)));
  }
  const int edition = settings_.AGKVERSION == kAgkClassic ? 0 : 1;
  if (settings_.AGKVERSION == kAgkClassic || settings_.AGKVERSION == kAgkStudio) {
    edition_->button(edition)->setChecked(true);
  }
  theme_->setCurrentText(QString::fromStdString(settings_.THEME));
  filling_ = false;
  TakeControlValues();
}

void MainWindow::TakeControlValues() {
  if (filling_) return;
  for (const auto& [info, entry] : entries_) {
    QString value = entry->text();
    if (!info->IsText() && (value.isEmpty() || value == QLatin1String("-"))) {
      value = QStringLiteral("0");  // an entry being typed counts as 0
    }
    // The entries only take what fits, so this cannot refuse a value.
    AssignSetting(settings_, *info, value.toStdString());
  }
  if (edition_->checkedId() >= 0) {
    settings_.AGKVERSION = kEditions[edition_->checkedId()].toStdString();
  }
  settings_.THEME = theme_->currentText().toStdString();
  for (ScreenPreview* preview : previews_) preview->SetProject(settings_, fields_);
}

void MainWindow::LookUpOutputFolder() {
  TakeControlValues();
  const QString chosen = FolderDialog::getExistingDirectory(
      this, QStringLiteral("Select Output Folder"), QString::fromStdString(settings_.OUTPUTFOLDER));
  const SettingInfo* info = FindSetting("OUTPUTFOLDER");
  if (CharacterCount(chosen) > info->maxLength) {
    MessageBox::warning(this, kAppName,
                        QStringLiteral("The folder path is longer than %1 characters, so it "
                                       "cannot be the output folder. Choose a folder with a "
                                       "shorter path.")
                            .arg(info->maxLength));
    return;
  }
  // A cancelled dialog empties the output folder.
  Entry("OUTPUTFOLDER")->setText(chosen);
}

void MainWindow::Generate() {
  TakeControlValues();
  FieldList fields;
  try {
    fields = store_->All();
  } catch (const FieldStoreError& error) {
    MessageBox::critical(this, kAppName, QString::fromStdString(error.what()));
    return;
  }
  const RunReport report = GenerateProject(settings_, fields, environment_, progress_);
  // The final message (with any failures listed in it) has no icon and no
  // caption; a refused run wrote nothing and warns instead.
  if (report.outcome == RunReport::Outcome::Refused) {
    MessageBox::warning(this, QString(), ForDisplay(report.message));
  } else {
    MessageBox::information(this, QString(), ForDisplay(report.message));
  }
}

void MainWindow::InsertField() { RunRequest(FieldRequest::Insert); }
void MainWindow::ChangeField() { RunRequest(FieldRequest::Change); }
void MainWindow::DeleteField() { RunRequest(FieldRequest::Delete); }

void MainWindow::RunRequest(FieldRequest request) {
  const std::int32_t selected = SelectedId();
  if (request != FieldRequest::Insert && selected == 0) return;
  const int row = list_->currentIndex().isValid() ? list_->currentIndex().row() : 0;
  std::int32_t stored = 0;
  const FieldResponse response = updatefields(this, *store_, request, selected, history_, &stored);
  const bool completed = response == FieldResponse::Completed;
  ReloadList(completed && request != FieldRequest::Delete ? stored : selected, row);
}

void MainWindow::ReloadList(std::int32_t selectId, int fallbackRow) {
  model_->Reload();
  try {
    fields_ = store_->All();
  } catch (const FieldStoreError& error) {
    fields_.clear();
    MessageBox::critical(this, kAppName, QString::fromStdString(error.what()));
  }
  int row = selectId != 0 ? model_->RowOf(selectId) : -1;
  if (row < 0 && model_->rowCount() > 0) row = std::clamp(fallbackRow, 0, model_->rowCount() - 1);
  if (row >= 0) {
    list_->selectRow(row);
    list_->scrollTo(model_->index(row, 0));
  }
  UpdateButtons();
  TakeControlValues();
}

std::int32_t MainWindow::SelectedId() const {
  const QModelIndexList rows = list_->selectionModel()->selectedRows();
  return rows.isEmpty() ? 0 : model_->At(rows.constFirst().row()).ID;
}

void MainWindow::UpdateButtons() {
  const bool selected = SelectedId() != 0;
  change_->setEnabled(selected);
  delete_->setEnabled(selected);
}

void MainWindow::ShowAbout() {
  TakeControlValues();
  about(this);
  update();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_) {
    if (event->type() == QEvent::FocusIn) {
      static_cast<QLabel*>(browsing_)->setText(QStringLiteral("Browsing Records"));
    } else if (event->type() == QEvent::FocusOut) {
      static_cast<QLabel*>(browsing_)->clear();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

std::unique_ptr<MainWindow> OpenMainWindow(const MainWindowOptions& options, QWidget* parent) {
  try {
    return std::make_unique<MainWindow>(options, parent);
  } catch (const FieldStoreError& error) {
    MessageBox::critical(parent, kAppName,
                         QString::fromStdString(error.what()) +
                             QStringLiteral("\n\nMove the file away or repair it, then start "
                                            "Tablesmith again."));
    return nullptr;
  }
}

}  // namespace tablesmith::ui
