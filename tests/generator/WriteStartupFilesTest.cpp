#include <gtest/gtest.h>

#include "generator/Generators.h"
#include "support/GeneratorTestSupport.h"

namespace tablesmith {
namespace {

constexpr std::size_t kCodeLines = 81;     // what both editions write after the header
constexpr std::size_t kStudioLines = 126;  // the code and the scene block
// Lines that carry the project title, counted after the header.
constexpr std::size_t kCreateTitle = 30;
constexpr std::size_t kMediaText = 113;

// The lines after the header comment block, which must open the file.
test::Lines Body(const ProjectSettings& settings, const FieldList& fields = {}) {
  return test::BodyOf(WriteStartupFiles, settings, fields);
}

ProjectSettings WithEdition(const char* edition) {
  ProjectSettings settings;
  settings.AGKVERSION = edition;
  return settings;
}

TEST(WriteStartupFilesTest, StudioWritesCodeAndSceneBlock) {
  const auto body = Body(WithEdition("AGK Studio"));
  ASSERT_EQ(body.size(), kStudioLines);
  EXPECT_TRUE(test::MatchesGolden(body, "startup_studio.txt"));

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
  const auto golden = test::ReadGolden("startup_studio.txt");
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
  auto expected = test::ReadGolden("startup_studio.txt");
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
