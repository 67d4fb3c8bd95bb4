#include "model/FieldStore.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <fstream>
#include <limits>

namespace tablesmith {
namespace {

constexpr const char* kCreateTable =
    "CREATE TABLE dbfields ("
    " ID INTEGER PRIMARY KEY,"
    " FIELD_DESCRPTION TEXT NOT NULL DEFAULT '',"
    " FIELDNAME TEXT NOT NULL DEFAULT '',"
    " FIELDTYPE TEXT NOT NULL DEFAULT '')";

// A non-empty file must start with SQLite's header to be a store at all;
// anything else is refused before SQLite sees it.
// SQLite takes file names in UTF-8 on every system.
std::string Utf8Path(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

bool LooksLikeSqlite(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return true;  // missing or unreadable: SQLite reports it
  char header[16] = {};
  in.read(header, sizeof header);
  if (in.gcount() == 0) return true;  // an empty file is an empty database
  return in.gcount() == 16 && std::string_view(header, 16) == std::string_view("SQLite format 3\0", 16);
}

FieldDefinition ReadRow(SQLite::Statement& query) {
  FieldDefinition field;
  field.ID = query.getColumn(0).getInt();
  field.FIELD_DESCRPTION = query.getColumn(1).getString();
  field.FIELDNAME = query.getColumn(2).getString();
  field.FIELDTYPE = query.getColumn(3).getString();
  return field;
}

bool HasTable(SQLite::Database& db, const char* name) {
  SQLite::Statement query(db, "SELECT 1 FROM sqlite_master WHERE type='table' AND name=?");
  query.bind(1, name);
  return query.executeStep();
}

int TableCount(SQLite::Database& db) {
  return db.execAndGet("SELECT count(*) FROM sqlite_master WHERE type='table'").getInt();
}

}  // namespace

FieldStore::FieldStore(const std::filesystem::path& file) : path_(file) {
  if (!LooksLikeSqlite(file)) {
    throw FieldStoreError("Field store " + Utf8Path(path_) +
                          " is not a field store (not a SQLite file); it was left untouched. "
                          "Name another store file.");
  }
  try {
    db_ = std::make_unique<SQLite::Database>(Utf8Path(path_),
                                             SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db_->setBusyTimeout(2000);
    PrepareLayout();
  } catch (const FieldStoreError&) {
    throw;
  } catch (const std::exception& error) {
    Fail("cannot be opened", error);
  }
}

FieldStore::~FieldStore() = default;
FieldStore::FieldStore(FieldStore&&) noexcept = default;
FieldStore& FieldStore::operator=(FieldStore&&) noexcept = default;

void FieldStore::Fail(const std::string& what, const std::exception& error) const {
  throw FieldStoreError("Field store " + Utf8Path(path_) + " " + what + ": " + error.what());
}

// Layout 1 had no FIELDTYPE column and numbered with AUTOINCREMENT, which
// never gives a freed ID again. Layout 2 is the current one.
void FieldStore::PrepareLayout() {
  const int version = db_->execAndGet("PRAGMA user_version").getInt();
  const std::string where = "Field store " + Utf8Path(path_);
  if (version > kLayoutVersion) {
    throw FieldStoreError(where + " was written by a newer version of Tablesmith (layout " +
                          std::to_string(version) + "); it was left untouched.");
  }
  if (version == kLayoutVersion) {
    if (!HasTable(*db_, "dbfields")) {
      throw FieldStoreError(where + " has no field table; it was left untouched.");
    }
    return;
  }
  if (version == 0) {
    if (TableCount(*db_) != 0) {
      throw FieldStoreError(where +
                            " is a SQLite file of another program, not a field store; it was "
                            "left untouched. Name another store file.");
    }
    SQLite::Transaction transaction(*db_);
    db_->exec(kCreateTable);
    db_->exec("PRAGMA user_version = " + std::to_string(kLayoutVersion));
    transaction.commit();
    return;
  }
  if (version == 1) {
    if (!HasTable(*db_, "dbfields")) {
      throw FieldStoreError(where + " has no field table; it was left untouched.");
    }
    SQLite::Transaction transaction(*db_);
    db_->exec("ALTER TABLE dbfields RENAME TO dbfields_layout1");
    db_->exec(kCreateTable);
    db_->exec(
        "INSERT INTO dbfields (ID, FIELD_DESCRPTION, FIELDNAME, FIELDTYPE)"
        " SELECT ID, coalesce(FIELD_DESCRPTION, ''), coalesce(FIELDNAME, ''), ''"
        " FROM dbfields_layout1 ORDER BY ID");
    db_->exec("DROP TABLE dbfields_layout1");
    db_->exec("PRAGMA user_version = " + std::to_string(kLayoutVersion));
    transaction.commit();
    return;
  }
  throw FieldStoreError(where + " has an unknown layout " + std::to_string(version) +
                        "; it was left untouched.");
}

FieldList FieldStore::All() const {
  return Page(0, std::numeric_limits<std::size_t>::max());
}

FieldList FieldStore::Page(std::size_t offset, std::size_t count) const {
  try {
    SQLite::Statement query(*db_,
                            "SELECT ID, FIELD_DESCRPTION, FIELDNAME, FIELDTYPE FROM dbfields "
                            "ORDER BY ID LIMIT ? OFFSET ?");
    const auto limit = count > static_cast<std::size_t>(std::numeric_limits<std::int64_t>::max())
                           ? std::int64_t{-1}
                           : static_cast<std::int64_t>(count);
    query.bind(1, limit);
    query.bind(2, static_cast<std::int64_t>(offset));
    FieldList fields;
    while (query.executeStep()) fields.push_back(ReadRow(query));
    return fields;
  } catch (const std::exception& error) {
    Fail("cannot be read", error);
  }
}

std::size_t FieldStore::Count() const {
  try {
    return static_cast<std::size_t>(db_->execAndGet("SELECT count(*) FROM dbfields").getInt64());
  } catch (const std::exception& error) {
    Fail("cannot be read", error);
  }
}

std::optional<FieldDefinition> FieldStore::Find(std::int32_t id) const {
  try {
    SQLite::Statement query(*db_,
                            "SELECT ID, FIELD_DESCRPTION, FIELDNAME, FIELDTYPE FROM dbfields "
                            "WHERE ID = ?");
    query.bind(1, id);
    if (query.executeStep()) return ReadRow(query);
    return std::nullopt;
  } catch (const std::exception& error) {
    Fail("cannot be read", error);
  }
}

std::int32_t FieldStore::Insert(const FieldDefinition& field) {
  try {
    SQLite::Transaction transaction(*db_);
    const std::int64_t highest = db_->execAndGet("SELECT coalesce(max(ID), 0) FROM dbfields").getInt64();
    if (highest >= std::numeric_limits<std::int32_t>::max()) {
      throw std::runtime_error("the highest ID is taken; no further definition can be numbered");
    }
    const auto id = static_cast<std::int32_t>(highest + 1);
    SQLite::Statement insert(*db_,
                             "INSERT INTO dbfields (ID, FIELD_DESCRPTION, FIELDNAME, FIELDTYPE) "
                             "VALUES (?, ?, ?, ?)");
    insert.bind(1, id);
    insert.bind(2, field.FIELD_DESCRPTION);
    insert.bind(3, field.FIELDNAME);
    insert.bind(4, field.FIELDTYPE);
    insert.exec();
    transaction.commit();
    return id;
  } catch (const std::exception& error) {
    Fail("cannot store the new definition", error);
  }
}

bool FieldStore::Change(const FieldDefinition& field) {
  try {
    SQLite::Transaction transaction(*db_);
    SQLite::Statement update(*db_,
                             "UPDATE dbfields SET FIELD_DESCRPTION = ?, FIELDNAME = ?, "
                             "FIELDTYPE = ? WHERE ID = ?");
    update.bind(1, field.FIELD_DESCRPTION);
    update.bind(2, field.FIELDNAME);
    update.bind(3, field.FIELDTYPE);
    update.bind(4, field.ID);
    const bool changed = update.exec() > 0;
    transaction.commit();
    return changed;
  } catch (const std::exception& error) {
    Fail("cannot change definition " + std::to_string(field.ID), error);
  }
}

bool FieldStore::Delete(std::int32_t id) {
  try {
    SQLite::Transaction transaction(*db_);
    SQLite::Statement remove(*db_, "DELETE FROM dbfields WHERE ID = ?");
    remove.bind(1, id);
    const bool removed = remove.exec() > 0;
    transaction.commit();
    return removed;
  } catch (const std::exception& error) {
    Fail("cannot delete definition " + std::to_string(id), error);
  }
}

}  // namespace tablesmith
