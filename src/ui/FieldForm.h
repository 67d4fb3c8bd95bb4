#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>

#include "model/FieldDefinition.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace tablesmith {
class FieldStore;
}

namespace tablesmith::ui {

enum class FieldRequest { Insert, Change, Delete, View };
enum class FieldResponse { Completed, Cancelled };

// The last definition stored through the field form since the program
// started; Ctrl+H in a field of the form recalls that field's value from it.
struct FieldHistory {
  std::optional<FieldDefinition> last;
};

// The "Table Updates" form: one field definition, for an insert, a change or
// a view. A delete never shows the form (see updatefields).
class FieldForm : public QDialog {
  Q_OBJECT

 public:
  // `record` is the definition to change or view; for an insert it is the
  // cleared record that the store will number.
  FieldForm(FieldStore& store, FieldRequest request, const FieldDefinition& record,
            FieldHistory& history, QWidget* parent);

  // The record as the entries hold it now.
  FieldDefinition Record() const;
  // The ID the store gave or kept, once the form completed.
  std::int32_t StoredId() const { return storedId_; }

  void accept() override;  // OK
  void reject() override;  // Cancel, Esc and the close box

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Recall(QObject* field);
  bool Changed() const;

  FieldStore& store_;
  FieldRequest request_;
  FieldDefinition primed_;
  FieldHistory& history_;
  std::string typeText_;  // FIELDTYPE as the radios or Ctrl+H left it
  std::int32_t storedId_ = 0;
  int entryType_ = 0;  // the "NOT WORKING YET" choice; never stored or read

  QLineEdit* description_ = nullptr;
  QLineEdit* name_ = nullptr;
  QButtonGroup* type_ = nullptr;
};

// Runs one request on the field store: opens the form for an insert, a change
// or a view of the definition `id`, or asks before deleting it. Store errors
// are shown in a message box that names the store file.
FieldResponse updatefields(QWidget* parent, FieldStore& store, FieldRequest request,
                           std::int32_t id, FieldHistory& history,
                           std::int32_t* storedId = nullptr);

}  // namespace tablesmith::ui
