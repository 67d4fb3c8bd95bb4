#include "generator/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tablesmith {
namespace {

std::string LastSystemError() { return std::strerror(errno); }

// Opens a file by its full name; on Windows through the wide-character call so
// that names outside the system code page work.
std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting) {
#ifdef _WIN32
  return ::_wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
#else
  return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
#endif
}

}  // namespace

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {
  temporary_ = target_;
  temporary_ += ".tablesmith-tmp";
}

AtomicFile::~AtomicFile() {
  if (file_) std::fclose(file_);
  if (!committed_ && !temporary_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
  }
}

std::optional<std::string> AtomicFile::Open() {
  file_ = OpenFile(temporary_, true);
  if (!file_) return LastSystemError();
  return std::nullopt;
}

void AtomicFile::Write(std::string_view bytes) {
  if (error_ || !file_ || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) error_ = LastSystemError();
}

std::optional<std::string> AtomicFile::Commit() {
  if (!file_) return error_ ? error_ : std::optional<std::string>("the file was not opened");
  if (!error_ && std::fflush(file_) != 0) error_ = LastSystemError();
#ifndef _WIN32
  if (!error_ && ::fsync(::fileno(file_)) != 0) error_ = LastSystemError();
#endif
  if (std::fclose(file_) != 0 && !error_) error_ = LastSystemError();
  file_ = nullptr;
  if (error_) return error_;
  std::error_code renameError;
  std::filesystem::rename(temporary_, target_, renameError);
  if (renameError) return renameError.message();
  committed_ = true;
  return std::nullopt;
}

std::optional<std::string> CopyFileAtomically(const std::filesystem::path& source,
                                              const std::filesystem::path& target) {
  std::FILE* in = OpenFile(source, false);
  if (!in) return "cannot read " + source.string() + ": " + LastSystemError();
  AtomicFile out(target);
  if (auto error = out.Open()) {
    std::fclose(in);
    return error;
  }
  std::vector<char> chunk(64 * 1024);
  std::optional<std::string> readError;
  while (true) {
    const std::size_t count = std::fread(chunk.data(), 1, chunk.size(), in);
    out.Write(std::string_view(chunk.data(), count));
    if (count < chunk.size()) {
      if (std::ferror(in)) readError = "cannot read " + source.string() + ": " + LastSystemError();
      break;
    }
  }
  std::fclose(in);
  if (readError) return readError;
  return out.Commit();
}

}  // namespace tablesmith
