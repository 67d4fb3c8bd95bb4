#include "ui/FieldListModel.h"

#include "model/FieldStore.h"

namespace tablesmith::ui {

FieldListModel::FieldListModel(FieldStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store) {
  FetchPage();
}

int FieldListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FieldListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant FieldListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const FieldDefinition& field = At(index.row());
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case kIdColumn:
        return field.ID;
      case kDescriptionColumn:
        return QString::fromStdString(field.FIELD_DESCRPTION);
      case kNameColumn:
        return QString::fromStdString(field.FIELDNAME);
      case kTypeColumn:
        return QString::fromStdString(field.FIELDTYPE);
    }
  } else if (role == Qt::TextAlignmentRole) {
    const Qt::Alignment horizontal = index.column() == kIdColumn ? Qt::AlignRight : Qt::AlignLeft;
    return QVariant::fromValue(horizontal | Qt::AlignVCenter);
  }
  return {};
}

QVariant FieldListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  switch (section) {
    case kIdColumn:
      return QStringLiteral("ID");
    case kDescriptionColumn:
      return QStringLiteral("Field Descrption");
    case kNameColumn:
      return QStringLiteral("Variable Name");
    case kTypeColumn:
      return QStringLiteral("Variable Type");
  }
  return {};
}

bool FieldListModel::canFetchMore(const QModelIndex& parent) const {
  return !parent.isValid() && !complete_;
}

void FieldListModel::fetchMore(const QModelIndex& parent) {
  if (!parent.isValid()) FetchPage();
}

bool FieldListModel::FetchPage() {
  if (complete_) return false;
  FieldList page;
  try {
    page = store_.Page(rows_.size(), kPageSize);
  } catch (const std::exception& error) {
    complete_ = true;
    emit storeFailed(QString::fromStdString(error.what()));
    return false;
  }
  complete_ = page.size() < kPageSize;
  if (page.empty()) return false;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
  rows_.insert(rows_.end(), page.begin(), page.end());
  endInsertRows();
  return true;
}

void FieldListModel::Reload() {
  beginResetModel();
  rows_.clear();
  complete_ = false;
  endResetModel();
  FetchPage();
}

int FieldListModel::RowOf(std::int32_t id) {
  std::size_t from = 0;
  do {
    for (std::size_t row = from; row < rows_.size(); ++row) {
      if (rows_[row].ID == id) return static_cast<int>(row);
    }
    from = rows_.size();
  } while (FetchPage());
  return -1;
}

}  // namespace tablesmith::ui
