#include "support/TestSupport.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace tablesmith::test {

TempDir::TempDir() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("tablesmith-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::tm FixedClock() {
  std::tm time{};
  time.tm_year = 2020 - 1900;
  time.tm_mon = 2;
  time.tm_mday = 5;
  time.tm_hour = 9;
  time.tm_min = 5;
  time.tm_sec = 3;
  return time;
}

FieldDefinition F(std::string name, std::string type, std::string description) {
  FieldDefinition field;
  field.FIELDNAME = std::move(name);
  field.FIELDTYPE = std::move(type);
  field.FIELD_DESCRPTION = description.empty() ? field.FIELDNAME : std::move(description);
  return field;
}

}  // namespace tablesmith::test
