#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tablesmith {

// A file written under a temporary name in its target folder and renamed over
// the target only when every write succeeded, so a failure or a crash never
// leaves a half-written file under the target's name.
class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path target);
  ~AtomicFile();  // removes the temporary file unless committed
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Creates the temporary file. Returns the reason on failure.
  std::optional<std::string> Open();
  // Appends bytes; the first failure is kept and reported by Commit.
  void Write(std::string_view bytes);
  // Flushes, closes and renames over the target. Returns the reason on failure.
  std::optional<std::string> Commit();

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* file_ = nullptr;
  std::optional<std::string> error_;
  bool committed_ = false;
};

// Copies a file through AtomicFile. Returns the reason on failure.
std::optional<std::string> CopyFileAtomically(const std::filesystem::path& source,
                                              const std::filesystem::path& target);

}  // namespace tablesmith
