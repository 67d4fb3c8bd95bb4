#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/FieldDefinition.h"

namespace tablesmith::test {

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

// The lines of a generated file's bytes, split at CR LF (the last, empty
// piece after the final CR LF is not a line).
std::vector<std::string> SplitCrLf(const std::string& bytes);

// A fixed instant for header comment blocks: 5 March 2020, 09:05:03.
std::tm FixedClock();

// Field definition shorthand for tests: F("age", "Integer").
FieldDefinition F(std::string name, std::string type, std::string description = "");

}  // namespace tablesmith::test
