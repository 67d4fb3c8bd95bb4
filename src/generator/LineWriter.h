#pragma once

#include <ctime>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tablesmith {

// Broken-down local time used by the header comment block.
using Clock = std::function<std::tm()>;

// The clock of a real run: the current local time, or the instant of
// SOURCE_DATE_EPOCH in UTC when that variable is set, so that two runs give
// identical bytes.
std::tm ReadHeaderClock();

// Collects the lines of one generated file. Generators append lines; the run
// starts each file with an empty list and hands the lines to ExportFile.
class LineWriter {
 public:
  // A line entry (and the line being composed) holds fewer than this many characters.
  static constexpr std::size_t kMaxEntryLength = 4999;

  explicit LineWriter(Clock clock = ReadHeaderClock) : clock_(std::move(clock)) {}

  // Removes every line of the previous file.
  void StartFile() { lines_.clear(); }

  // Puts the text into the line buffer and appends a copy of it.
  void WriteLine(std::string_view text);

  // Joins the pieces into the line buffer, replacing its content, without appending.
  void ComposeLine(std::initializer_list<std::string_view> pieces);

  // Appends a copy of the line buffer as it stands.
  void Append() { lines_.push_back(buffer_); }

  const std::vector<std::string>& Lines() const { return lines_; }

  // Reads the clock once; the header comment block calls it once per file.
  std::tm Now() const { return clock_(); }

 private:
  Clock clock_;
  std::string buffer_;
  std::vector<std::string> lines_;
};

// The bytes of one line entry on disk: cut to 1024 characters, trailing
// spaces removed, then carriage return and line feed.
std::string FormatLineForDisk(std::string_view entry);

// Writes the header comment block that opens every generated file but one.
void WriteHeaderComment(LineWriter& writer);

// "d/mm/yyyy" with a day below 10 led by a blank, and "hh:mm:ss".
std::string FormatHeaderDate(const std::tm& time);
std::string FormatHeaderTime(const std::tm& time);

}  // namespace tablesmith
