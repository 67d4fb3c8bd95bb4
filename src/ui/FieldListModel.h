#pragma once

#include <QAbstractTableModel>
#include <cstdint>

#include "model/FieldDefinition.h"

namespace tablesmith {
class FieldStore;
}

namespace tablesmith::ui {

// The field list of the Main window: the store's definitions in store order,
// loaded a page at a time as the view scrolls down.
class FieldListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kIdColumn, kDescriptionColumn, kNameColumn, kTypeColumn, kColumnCount };
  static constexpr std::size_t kPageSize = 64;

  FieldListModel(FieldStore& store, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

  // Starts again from the first page.
  void Reload();
  const FieldDefinition& At(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
  // The row of the definition with this ID, loading further pages until it
  // is found; -1 when the store has none.
  int RowOf(std::int32_t id);

 signals:
  // Reading the store failed; `message` names the store file and the reason.
  void storeFailed(const QString& message);

 private:
  bool FetchPage();

  FieldStore& store_;
  FieldList rows_;
  bool complete_ = false;
};

}  // namespace tablesmith::ui
