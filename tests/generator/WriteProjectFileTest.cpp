#include <gtest/gtest.h>

#include <algorithm>

#include "generator/Generators.h"
#include "support/GeneratorTestSupport.h"

namespace tablesmith {
namespace {

// Where the startup file is listed, counted in lines after the header.
constexpr std::size_t kProjectEntry9 = 61;
constexpr std::size_t kFilesEntry9 = 74;

// The lines after the header comment block, which must open the file.
test::Lines Body(const ProjectSettings& settings, const FieldList& fields = {}) {
  return test::BodyOf(WriteProjectFile, settings, fields);
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(WriteProjectFileTest, DefaultsGiveTheWholeFile) {
  const auto body = Body(ProjectSettings{});
  ASSERT_EQ(body.size(), 79u);
  EXPECT_TRUE(test::MatchesGolden(body, "project_default.txt"));

  // A second empty line after the header's own, and an empty last line.
  EXPECT_EQ(body[0], "");
  EXPECT_EQ(body[1], "[apk_settings]");
  EXPECT_EQ(body[77], "[watchvariables]");
  EXPECT_EQ(body[78], "");
  for (const char* line :
       {"FILE_1=prg_fileutils.inc;-1", "FILE_2=form_.inc;-1", "FILE_3=form_input.inc;-1",
        "FILE_4=list_.inc;-1", "FILE_5=list_input.inc;-1", "FILE_7=mespopup_.inc;-1",
        "FILE_8=mespopup_input.inc;-1", "FILE_10=prg_globals.inc;-1"}) {
    EXPECT_TRUE(Contains(body, line)) << line;
  }
  EXPECT_EQ(body[kProjectEntry9], "FILE_9=startup.scene;-1");
  EXPECT_EQ(body[kFilesEntry9], "FILE_NAME_9=0;startup.scene;125;9");
}

TEST(WriteProjectFileTest, OnlyExactStudioListsTheScene) {
  const auto golden = test::ReadGolden("project_default.txt");
  const std::pair<const char*, bool> editions[] = {
      {"AGK Studio", true},  {"AGK Studio   ", true}, {"AGK Classic", false},
      {"agk studio", false}, {" AGK Studio", false},  {"AGK Studio2", false},
      {"", false},
  };
  for (const auto& [edition, studio] : editions) {
    SCOPED_TRACE(std::string("AGKVERSION \"") + edition + "\"");
    ProjectSettings settings;
    settings.AGKVERSION = edition;
    const auto body = Body(settings);
    ASSERT_EQ(body.size(), golden.size());
    const std::string name = studio ? "startup.scene" : "startup.inc";
    EXPECT_EQ(body[kProjectEntry9], "FILE_9=" + name + ";-1");
    EXPECT_EQ(body[kFilesEntry9], "FILE_NAME_9=0;" + name + ";125;9");
    for (std::size_t i = 0; i < body.size(); ++i) {
      if (i != kProjectEntry9 && i != kFilesEntry9) EXPECT_EQ(body[i], golden[i]) << i;
    }
  }
}

TEST(WriteProjectFileTest, PrefixesNameTheFilesAndNothingElseMatters) {
  const auto golden = test::ReadGolden("project_default.txt");
  struct Prefixes {
    std::string program, form, list, message;
  };
  for (const Prefixes& p : {Prefixes{"", "", "", ""}, Prefixes{"P", "Frm", "Lst", "Msg"}}) {
    ProjectSettings settings;
    settings.PROGRAMPREFIX = p.program;
    settings.FORMPREFIX = p.form;
    settings.LISTPREFIX = p.list;
    settings.MESSAGEPREFIX = p.message;
    settings.PROJECTNAME = "Other";
    settings.FHEADER = "Title";
    const auto expected = test::Replaced(
        golden,
        {{"prg_", p.program}, {"form_", p.form}, {"list_", p.list}, {"mespopup_", p.message}});
    EXPECT_EQ(Body(settings, {test::F("id", "Integer")}), expected)
        << "PROGRAMPREFIX \"" << p.program << "\"";
  }

  ProjectSettings empty;
  empty.PROGRAMPREFIX = empty.FORMPREFIX = empty.LISTPREFIX = empty.MESSAGEPREFIX = "";
  const auto body = Body(empty);
  EXPECT_TRUE(Contains(body, "FILE_2=.inc;-1"));
  EXPECT_TRUE(Contains(body, "FILE_NAME_1=0;fileutils.inc;55;1"));
}

}  // namespace
}  // namespace tablesmith
