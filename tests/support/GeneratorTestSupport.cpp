#include "support/GeneratorTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "generator/GenerateProject.h"

namespace tablesmith::test {
namespace {

std::string WithoutTrailingSpaces(std::string line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

// Lines of a golden file that are not content: all lines not closed by the bar.
Lines Notes(const std::filesystem::path& file) {
  Lines notes;
  if (!std::filesystem::exists(file)) return notes;
  std::istringstream in(ReadBytes(file));
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line.back() != '|') notes.push_back(line);
  }
  return notes;
}

void WriteGoldenFile(const Lines& lines, const std::filesystem::path& file) {
  std::string bytes;
  for (const auto& note : Notes(file)) bytes += note + "\n";
  for (const auto& line : lines) bytes += line + "|\n";
  WriteBytes(file, bytes);
}

std::string Quoted(const std::string& line) { return "\"" + line + "\""; }

}  // namespace

const Lines& HeaderLines() {
  static const Lines header = {
      "",
      "/* Created with Tablesmith for AGK",
      "Version 1.0 (Build: 321)",
      "Made by the Tablesmith team",
      "Contact: tablesmith@users.noreply.example.org",
      "Date:   5/03/2020  Time: 09:05:03",
      "*/",
      "",
  };
  return header;
}

Lines BodyOf(Generator generator, const ProjectSettings& settings, const FieldList& fields) {
  LineWriter writer(FixedClock);
  generator(settings, fields, writer);
  const Lines& lines = writer.Lines();
  const Lines& header = HeaderLines();
  EXPECT_TRUE(lines.size() >= header.size() &&
              std::equal(header.begin(), header.end(), lines.begin()))
      << "the file does not open with the header comment block";
  return {lines.begin() + std::min(header.size(), lines.size()), lines.end()};
}

std::string DiskBytes(const Lines& body) {
  std::string bytes;
  for (const auto& line : HeaderLines()) bytes += WithoutTrailingSpaces(line) + "\r\n";
  for (const auto& line : body) bytes += WithoutTrailingSpaces(line) + "\r\n";
  return bytes;
}

FieldList GoldenRunFields() {
  return {F("id", "Integer"), F("name", "String"), F("surname", "String"), F("price", "Float")};
}

std::string WrittenByRun(const std::filesystem::path& themeFolder, const std::string& fileName) {
  TempDir dir;
  ProjectSettings settings;
  settings.OUTPUTFOLDER = (dir / "out").string();
  GenerateProject(settings, GoldenRunFields(), {themeFolder, FixedClock});
  return ReadBytes(dir / "out" / fileName);
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

Lines Replaced(Lines lines,
               std::initializer_list<std::pair<std::string, std::string>> replacements) {
  for (const auto& [from, to] : replacements) {
    for (std::string& line : lines) line = ReplaceAll(std::move(line), from, to);
  }
  return lines;
}

FieldDefinition WithId(FieldDefinition field, std::int32_t id) {
  field.ID = id;
  return field;
}

Lines ReadGoldenFile(const std::filesystem::path& file) {
  std::istringstream in(ReadBytes(file));
  Lines lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '|') lines.push_back(line.substr(0, line.size() - 1));
  }
  return lines;
}

::testing::AssertionResult MatchesGoldenFile(const Lines& lines,
                                             const std::filesystem::path& file) {
  const char* update = std::getenv("TABLESMITH_UPDATE_GOLDEN");
  if (update && *update) WriteGoldenFile(lines, file);

  const Lines golden = ReadGoldenFile(file);
  if (lines == golden) return ::testing::AssertionSuccess();

  auto failure = ::testing::AssertionFailure();
  const std::size_t common = std::min(lines.size(), golden.size());
  const std::size_t at =
      std::mismatch(lines.begin(), lines.begin() + common, golden.begin()).first - lines.begin();
  failure << "the lines differ from the golden file " << file.string() << "\n"
          << "  built " << lines.size() << " lines, the golden file holds " << golden.size()
          << "\n  first difference at line " << at + 1 << " after the header:\n"
          << "    built:  " << (at < lines.size() ? Quoted(lines[at]) : "(no line)") << "\n"
          << "    golden: " << (at < golden.size() ? Quoted(golden[at]) : "(no line)") << "\n";
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  failure << "After a deliberate change, remake it: TABLESMITH_UPDATE_GOLDEN=1 ";
  if (test) {
    failure << test->test_suite_name() << " --gtest_filter=" << test->test_suite_name() << "."
            << test->name();
  } else {
    failure << "<test program>";
  }
  failure << "\nthen read the diff of the golden file line by line before committing it.";
  return failure;
}

}  // namespace tablesmith::test
