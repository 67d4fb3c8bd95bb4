#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "generator/Generators.h"
#include "support/TestSupport.h"

namespace tablesmith {
namespace {

constexpr std::size_t kHeaderLines = 8;
constexpr std::size_t kCodeLines = 81;     // what both editions write after the header
constexpr std::size_t kStudioLines = 126;  // the code and the scene block
// Lines that carry the project title, counted after the header.
constexpr std::size_t kCreateTitle = 30;
constexpr std::size_t kMediaText = 113;

// A file's lines as built (trailing spaces kept), one per line, LF-separated.
std::vector<std::string> Golden(const char* name) {
  const std::string bytes = test::ReadBytes(std::filesystem::path(TABLESMITH_TEST_DATA) / name);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(bytes.substr(start, end - start));
  }
  return lines;
}

// The lines after the header comment block, which must open the file.
std::vector<std::string> Body(const ProjectSettings& settings, const FieldList& fields = {}) {
  LineWriter writer(test::FixedClock);
  WriteStartupFiles(settings, fields, writer);
  LineWriter header(test::FixedClock);
  WriteHeaderComment(header);
  const auto& lines = writer.Lines();
  EXPECT_TRUE(lines.size() >= kHeaderLines &&
              std::equal(header.Lines().begin(), header.Lines().end(), lines.begin()));
  return {lines.begin() + std::min(kHeaderLines, lines.size()), lines.end()};
}

ProjectSettings WithEdition(const char* edition) {
  ProjectSettings settings;
  settings.AGKVERSION = edition;
  return settings;
}

TEST(WriteStartupFilesTest, StudioWritesCodeAndSceneBlock) {
  const auto body = Body(WithEdition("AGK Studio"));
  ASSERT_EQ(body.size(), kStudioLines);
  EXPECT_EQ(body, Golden("startup_studio.txt"));

  EXPECT_EQ(body[0], "//Scene file do not make any changes here.");
  EXPECT_EQ(body[kCreateTitle],
            "    startup_text[1] = CreateText( \"Created with Tablesmith for AGK\" )");
  // The code part ends with an empty line; the scene block begins with another.
  EXPECT_EQ(body[kCodeLines - 2], "endfunction");
  EXPECT_EQ(body[kCodeLines - 1], "");
  EXPECT_EQ(body[kCodeLines], "");
  EXPECT_EQ(body[kCodeLines + 1], "REMSTART");
  EXPECT_EQ(body[91], "sceneresolutiontext: L: 1280x720 (1.78)   Samsung Galaxy S3 ");
  EXPECT_EQ(body[kMediaText], "mediatext: Created with Tablesmith for AGK");
  EXPECT_EQ(body[124], "REMEND");
  EXPECT_EQ(body[125], "");
}

TEST(WriteStartupFilesTest, OnlyExactStudioAddsTheSceneBlock) {
  const auto golden = Golden("startup_studio.txt");
  const std::vector<std::string> code(golden.begin(), golden.begin() + kCodeLines);
  const std::pair<const char*, bool> editions[] = {
      {"AGK Studio", true},  {"AGK Studio  ", true}, {"AGK Classic", false},
      {"agk studio", false}, {" AGK Studio", false}, {"Studio", false},
      {"", false},
  };
  for (const auto& [edition, studio] : editions) {
    EXPECT_EQ(Body(WithEdition(edition)), studio ? golden : code)
        << "AGKVERSION \"" << edition << "\"";
  }
}

TEST(WriteStartupFilesTest, TitleIsWrittenAsStoredInBothPlaces) {
  struct Case {
    std::string title, createText, mediaText;
  };
  const Case cases[] = {
      {"", "    startup_text[1] = CreateText( \"\" )", "mediatext: "},
      {"Say \"hi\"  ", "    startup_text[1] = CreateText( \"Say \"hi\"  \" )",
       "mediatext: Say \"hi\"  "},
      {"{{FHEADER}}", "    startup_text[1] = CreateText( \"{{FHEADER}}\" )",
       "mediatext: {{FHEADER}}"},
  };
  auto expected = Golden("startup_studio.txt");
  for (const Case& c : cases) {
    ProjectSettings settings;
    settings.FHEADER = c.title;
    // No setting prefix applies and the fields are not read.
    settings.PROGRAMPREFIX = settings.FORMPREFIX = settings.LISTPREFIX = "";
    settings.MESSAGEPREFIX = "x";
    expected[kCreateTitle] = c.createText;
    expected[kMediaText] = c.mediaText;
    EXPECT_EQ(Body(settings, {test::F("id", "Integer")}), expected)
        << "title \"" << c.title << "\"";
  }
}

}  // namespace
}  // namespace tablesmith
