#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "model/FieldDefinition.h"

namespace SQLite {
class Database;
}

namespace tablesmith {

// A failure of the field store; the message names the store file and the reason.
class FieldStoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file name of the field store in the working folder.
inline constexpr const char* kDefaultStoreFile = "DBFIELDS.sqlite";

// The table's field definitions, kept in a SQLite file. A new definition gets
// ID 1 + the highest ID present (1 in an empty store), so the ID freed by
// deleting the highest definition is given again. Store order is ascending ID.
// Opening converts a store of an earlier layout in one transaction; a file
// that is not a field store is reported and never changed.
class FieldStore {
 public:
  static constexpr int kLayoutVersion = 2;

  // Opens the store, creating an empty one when the file does not exist.
  explicit FieldStore(const std::filesystem::path& file);
  ~FieldStore();
  FieldStore(FieldStore&&) noexcept;
  FieldStore& operator=(FieldStore&&) noexcept;

  const std::filesystem::path& path() const { return path_; }

  FieldList All() const;
  FieldList Page(std::size_t offset, std::size_t count) const;
  std::size_t Count() const;
  std::optional<FieldDefinition> Find(std::int32_t id) const;

  // Adds the definition (its ID is ignored) and returns the ID it was given.
  std::int32_t Insert(const FieldDefinition& field);
  // Rewrites the definition with the same ID; false when there is none.
  bool Change(const FieldDefinition& field);
  // Removes the definition; false when there is none.
  bool Delete(std::int32_t id);

 private:
  [[noreturn]] void Fail(const std::string& what, const std::exception& error) const;
  void PrepareLayout();

  std::filesystem::path path_;
  std::unique_ptr<SQLite::Database> db_;
};

}  // namespace tablesmith
