#include "ui/FieldForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

#include "model/FieldStore.h"
#include "model/Utf8.h"
#include "ui/EntryValidators.h"
#include "ui/Platform.h"

namespace tablesmith::ui {
namespace {

constexpr std::array<std::string_view, 3> kTypeWords = {kTypeString, kTypeInteger, kTypeFloat};
constexpr std::array<const char*, 5> kEntryTypes = {"EditBox", "Radio", "CheckBox", "SelectList",
                                                    "DropDown"};

QString TitleFor(FieldRequest request) {
  switch (request) {
    case FieldRequest::Insert:
      return QStringLiteral("Record Will Be Added");
    case FieldRequest::Change:
      return QStringLiteral("Record Will Be Changed");
    case FieldRequest::View:
      return QStringLiteral("View Record");
    case FieldRequest::Delete:
      break;
  }
  return QStringLiteral("Table Updates");
}

QString MissingDefinition(std::int32_t id) {
  return QStringLiteral(
             "Field definition %1 is no longer in the field store. "
             "The list shows the store as it is now.")
      .arg(id);
}

}  // namespace

FieldForm::FieldForm(FieldStore& store, FieldRequest request, const FieldDefinition& record,
                     FieldHistory& history, QWidget* parent)
    : QDialog(parent),
      store_(store),
      request_(request),
      primed_(record),
      history_(history),
      typeText_(record.FIELDTYPE) {
  setObjectName(QStringLiteral("updatefields"));
  setWindowTitle(QStringLiteral("Table Updates"));
  setModal(true);

  auto* sheet = new QTabWidget(this);
  sheet->setObjectName(QStringLiteral("CURRENTTAB"));
  auto* page = new QWidget(sheet);
  sheet->addTab(page, QStringLiteral("DB Table Fields"));

  auto* descriptionPrompt = new QLabel(QStringLiteral("Field Descrption:"), page);
  descriptionPrompt->setObjectName(QStringLiteral("FIELD_DESCRPTION:PROMPT"));
  description_ = new QLineEdit(QString::fromStdString(record.FIELD_DESCRPTION), page);
  description_->setObjectName(QStringLiteral("FIELD_DESCRPTION"));
  LimitText(description_, kDescriptionMaxLength);
  descriptionPrompt->setBuddy(description_);

  auto* namePrompt = new QLabel(QStringLiteral("Variable Name:"), page);
  namePrompt->setObjectName(QStringLiteral("FIELDNAME:PROMPT"));
  name_ = new QLineEdit(QString::fromStdString(record.FIELDNAME), page);
  name_->setObjectName(QStringLiteral("FIELDNAME"));
  LimitText(name_, kFieldNameMaxLength);
  namePrompt->setBuddy(name_);

  auto* note =
      new QLabel(QStringLiteral("Variable Names: NOTE: NO SPACES / LOWERCASE ONLY!!!"), page);
  note->setObjectName(QStringLiteral("STRING1"));

  auto* typeBox = new QGroupBox(QStringLiteral("Field Type:"), page);
  typeBox->setObjectName(QStringLiteral("FIELDTYPE"));
  auto* typeLayout = new QHBoxLayout(typeBox);
  type_ = new QButtonGroup(this);
  for (std::size_t i = 0; i < kTypeWords.size(); ++i) {
    const QString word = QString::fromUtf8(kTypeWords[i].data(), kTypeWords[i].size());
    auto* radio = new QRadioButton(word, typeBox);
    radio->setObjectName(QStringLiteral("FIELDTYPE:RADIO%1").arg(i + 1));
    radio->setChecked(HasType(record, kTypeWords[i]));
    radio->installEventFilter(this);
    type_->addButton(radio, static_cast<int>(i));
    typeLayout->addWidget(radio);
  }
  typeLayout->addStretch();
  connect(type_, &QButtonGroup::idClicked, this,
          [this](int id) { typeText_ = std::string(kTypeWords[static_cast<std::size_t>(id)]); });

  auto* entryBox = new QGroupBox(QStringLiteral("NOT WORKING YET"), page);
  entryBox->setObjectName(QStringLiteral("ENTRYTYPE"));
  auto* entryLayout = new QHBoxLayout(entryBox);
  auto* entryGroup = new QButtonGroup(this);
  for (std::size_t i = 0; i < kEntryTypes.size(); ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(kEntryTypes[i]), entryBox);
    radio->setObjectName(QStringLiteral("ENTRYTYPE:RADIO%1").arg(i + 1));
    entryGroup->addButton(radio, static_cast<int>(i) + 1);
    entryLayout->addWidget(radio);
  }
  entryLayout->addStretch();
  connect(entryGroup, &QButtonGroup::idClicked, this, [this](int id) { entryType_ = id; });

  auto* grid = new QGridLayout(page);
  grid->addWidget(descriptionPrompt, 0, 0);
  grid->addWidget(description_, 0, 1);
  grid->addWidget(namePrompt, 1, 0);
  grid->addWidget(name_, 1, 1);
  grid->addWidget(note, 2, 1);
  grid->addWidget(typeBox, 3, 0, 1, 2);
  grid->addWidget(entryBox, 4, 0, 1, 2);
  grid->setRowStretch(5, 1);
  grid->setColumnStretch(1, 1);

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("OK"));
  ok->setToolTip(QStringLiteral("Accept data and close the window"));
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("CANCEL"));
  cancel->setToolTip(QStringLiteral("Cancel operation"));
  connect(ok, &QPushButton::clicked, this, &FieldForm::accept);
  connect(cancel, &QPushButton::clicked, this, &FieldForm::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(sheet);
  layout->addLayout(buttons);

  description_->installEventFilter(this);
  name_->installEventFilter(this);

  if (request_ == FieldRequest::View) {
    // Nothing can be stored from a view: no accept control, entries read-only.
    description_->setReadOnly(true);
    name_->setReadOnly(true);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
  } else {
    ok->setDefault(true);
  }

  setWindowTitle(TitleFor(request_));
  resize(sizeHint().expandedTo(QSize(520, 0)));
  description_->setFocus();
}

FieldDefinition FieldForm::Record() const {
  FieldDefinition record = primed_;
  record.FIELD_DESCRPTION = description_->text().toStdString();
  record.FIELDNAME = name_->text().toStdString();
  record.FIELDTYPE = typeText_;
  return record;
}

bool FieldForm::Changed() const { return Record() != primed_; }

void FieldForm::accept() {
  if (request_ == FieldRequest::View) {
    QDialog::reject();
    return;
  }
  // The form stores what the user typed: no check on spaces, capitals,
  // empty texts, a missing type or a name that another field already uses.
  FieldDefinition record = Record();
  try {
    if (request_ == FieldRequest::Insert) {
      record.ID = store_.Insert(record);
    } else if (!store_.Change(record)) {
      MessageBox::warning(this, QStringLiteral("Tablesmith"), MissingDefinition(record.ID));
      QDialog::reject();
      return;
    }
  } catch (const FieldStoreError& error) {
    // The typed values stay in the form, so the user can try again.
    MessageBox::critical(this, QStringLiteral("Tablesmith"), QString::fromStdString(error.what()));
    return;
  }
  storedId_ = record.ID;
  history_.last = record;
  QDialog::accept();
}

void FieldForm::reject() {
  if (request_ != FieldRequest::View && Changed() &&
      MessageBox::question(this, QStringLiteral("Changes will be lost!"),
                           QStringLiteral("Are you sure you want to cancel?")) !=
          QMessageBox::Yes) {
    return;
  }
  QDialog::reject();
}

bool FieldForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_H && key->modifiers() == Qt::ControlModifier) {
      Recall(watched);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FieldForm::Recall(QObject* field) {
  if (!history_.last || request_ == FieldRequest::View) return;
  const FieldDefinition& last = *history_.last;
  if (field == description_) {
    description_->setText(QString::fromStdString(last.FIELD_DESCRPTION));
  } else if (field == name_) {
    name_->setText(QString::fromStdString(last.FIELDNAME));
  } else if (type_->buttons().contains(field)) {
    typeText_ = last.FIELDTYPE;
    type_->setExclusive(false);
    for (std::size_t i = 0; i < kTypeWords.size(); ++i) {
      type_->button(static_cast<int>(i))->setChecked(HasType(last, kTypeWords[i]));
    }
    type_->setExclusive(true);
  }
}

FieldResponse updatefields(QWidget* parent, FieldStore& store, FieldRequest request,
                           std::int32_t id, FieldHistory& history, std::int32_t* storedId) {
  try {
    if (request == FieldRequest::Delete) {
      if (MessageBox::question(parent, QStringLiteral("Confirm Delete"),
                               QStringLiteral("Are you sure you want to delete the highlighted "
                                              "record?")) != QMessageBox::Yes) {
        return FieldResponse::Cancelled;
      }
      if (!store.Delete(id)) {
        MessageBox::warning(parent, QStringLiteral("Tablesmith"), MissingDefinition(id));
        return FieldResponse::Cancelled;
      }
      return FieldResponse::Completed;
    }

    FieldDefinition record;
    if (request != FieldRequest::Insert) {
      const auto found = store.Find(id);
      if (!found) {
        MessageBox::warning(parent, QStringLiteral("Tablesmith"), MissingDefinition(id));
        return FieldResponse::Cancelled;
      }
      record = *found;
    }
    FieldForm form(store, request, record, history, parent);
    if (form.exec() != QDialog::Accepted) return FieldResponse::Cancelled;
    if (storedId) *storedId = form.StoredId();
    return FieldResponse::Completed;
  } catch (const FieldStoreError& error) {
    MessageBox::critical(parent, QStringLiteral("Tablesmith"),
                         QString::fromStdString(error.what()));
    return FieldResponse::Cancelled;
  }
}

}  // namespace tablesmith::ui
