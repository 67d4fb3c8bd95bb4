#include "generator/LineWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "model/Utf8.h"

namespace tablesmith {
namespace {

constexpr std::size_t kDiskLineLength = 1024;

std::tm ToTm(std::time_t instant, bool utc) {
  std::tm result{};
#ifdef _WIN32
  utc ? gmtime_s(&result, &instant) : localtime_s(&result, &instant);
#else
  utc ? gmtime_r(&instant, &result) : localtime_r(&instant, &result);
#endif
  return result;
}

}  // namespace

std::tm ReadHeaderClock() {
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
    char* end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (errno == 0 && end && *end == '\0') return ToTm(static_cast<std::time_t>(seconds), true);
  }
  return ToTm(std::time(nullptr), false);
}

void LineWriter::WriteLine(std::string_view text) {
  ComposeLine({text});
  Append();
}

void LineWriter::ComposeLine(std::initializer_list<std::string_view> pieces) {
  buffer_.clear();
  for (std::string_view piece : pieces) buffer_.append(piece);
  if (buffer_.size() > kMaxEntryLength && Utf8Length(buffer_) > kMaxEntryLength) {
    buffer_ = Utf8Prefix(buffer_, kMaxEntryLength);
  }
}

std::string FormatLineForDisk(std::string_view entry) {
  std::string line = entry.size() > kDiskLineLength ? Utf8Prefix(entry, kDiskLineLength)
                                                     : std::string(entry);
  line.resize(WithoutTrailingSpaces(line).size());
  line += "\r\n";
  return line;
}

std::string FormatHeaderDate(const std::tm& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%2d/%02d/%04d", time.tm_mday, time.tm_mon + 1,
                time.tm_year + 1900);
  return text;
}

std::string FormatHeaderTime(const std::tm& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.tm_hour, time.tm_min, time.tm_sec);
  return text;
}

void WriteHeaderComment(LineWriter& writer) {
  const std::tm now = writer.Now();
  writer.WriteLine("");
  writer.WriteLine("/* Created with Tablesmith for AGK");
  writer.WriteLine("Version 1.0 (Build: 321)");
  writer.WriteLine("Made by the Tablesmith team");
  writer.WriteLine("Contact: tablesmith@users.noreply.example.org");
  writer.ComposeLine({"Date:  ", FormatHeaderDate(now), "  Time: ", FormatHeaderTime(now)});
  writer.Append();
  writer.WriteLine("*/");
  writer.WriteLine("");
}

}  // namespace tablesmith
