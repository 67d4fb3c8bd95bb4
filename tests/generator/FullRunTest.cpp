#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "generator/GenerateProject.h"
#include "generator/Generators.h"
#include "generator/OutputPlan.h"
#include "support/TestSupport.h"

namespace tablesmith {
namespace {

namespace fs = std::filesystem;

const FieldList kFields = {test::F("id", "Integer"), test::F("name", "String"),
                           test::F("price", "Float")};

RunReport RunWithFields(const ProjectSettings& settings) {
  return GenerateProject(settings, kFields, {TABLESMITH_THEME_FOLDER, test::FixedClock});
}

// What a generator's lines become on disk.
std::string DiskBytes(Generator generator, const ProjectSettings& settings) {
  LineWriter writer(test::FixedClock);
  generator(settings, kFields, writer);
  std::string bytes;
  for (const std::string& line : writer.Lines()) bytes += FormatLineForDisk(line);
  return bytes;
}

// The file names that main.agc includes and that the project file lists.
std::set<std::string> ReferencedFiles(const fs::path& mainAgc, const fs::path& projectFile) {
  std::set<std::string> names;
  for (const std::string& line : test::SplitCrLf(test::ReadBytes(mainAgc))) {
    if (line.rfind("#Include \"", 0) == 0 || line.rfind("#include \"", 0) == 0) {
      names.insert(line.substr(10, line.find('"', 10) - 10));
    }
  }
  for (const std::string& line : test::SplitCrLf(test::ReadBytes(projectFile))) {
    if (line.rfind("FILE_NAME_", 0) == 0) {
      const std::size_t start = line.find(';') + 1;
      names.insert(line.substr(start, line.find(';', start) - start));
    } else if (line.rfind("FILE_", 0) == 0) {
      const std::size_t start = line.find('=') + 1;
      names.insert(line.substr(start, line.find(';', start) - start));
    }
  }
  return names;
}

TEST(FullRunTest, DefaultsWriteTheTwelveFilesInOrderEachFromItsGenerator) {
  const std::pair<std::string, Generator> expected[] = {
      {"startup.scene", WriteStartupFiles},
      {"prg_globals.inc", WriteGlobalsInc},
      {"constants.inc", WriteConstantsInc},
      {"prg_fileutils.inc", WriteFileUtilsInc},
      {"main.agc", WriteMainAgc},
      {"MyTablesmith.agk", WriteProjectFile},
      {"form_.inc", WriteFormInc},
      {"form_input.inc", WriteFormInputInc},
      {"list_.inc", WriteListInc},
      {"list_input.inc", WriteListInputInc},
      {"mespopup_.inc", WriteMessagePopupInc},
      {"mespopup_input.inc", WriteMessagePopupInputInc},
  };
  test::TempDir dir;
  ProjectSettings settings;
  settings.OUTPUTFOLDER = (dir / "out").string();
  const RunReport report = RunWithFields(settings);
  ASSERT_NE(report.outcome, RunReport::Outcome::Refused) << report.message;

  std::vector<std::string> names;
  for (const auto& [name, generator] : expected) names.push_back(name);
  EXPECT_EQ(report.filesWritten, names);

  const fs::path out(settings.OUTPUTFOLDER);
  for (const auto& [name, generator] : expected) {
    ASSERT_TRUE(fs::is_regular_file(out / name)) << name;
    const std::string bytes = test::ReadBytes(out / name);
    EXPECT_FALSE(bytes.empty()) << name;
    EXPECT_EQ(bytes, DiskBytes(generator, settings)) << name;
  }
  std::set<std::string> entries;
  for (const auto& entry : fs::directory_iterator(out)) {
    entries.insert(entry.path().filename().string());
  }
  std::set<std::string> wanted(names.begin(), names.end());
  wanted.insert("media");
  EXPECT_EQ(entries, wanted) << "the twelve files and the media folder, nothing else";
}

TEST(FullRunTest, EditionChoosesTheStartupFileAndTheProjectFindsEveryFile) {
  struct Case {
    const char* edition;
    const char* startupFile;  // null: none is written
  };
  const Case cases[] = {
      {"AGK Studio", "startup.scene"}, {"AGK Classic", "startup.inc"}, {"AGK Other", nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("AGKVERSION \"") + c.edition + "\"");
    test::TempDir dir;
    ProjectSettings settings;
    settings.OUTPUTFOLDER = (dir / "out").string();
    settings.AGKVERSION = c.edition;
    const RunReport report = RunWithFields(settings);
    ASSERT_NE(report.outcome, RunReport::Outcome::Refused) << report.message;

    const fs::path out(settings.OUTPUTFOLDER);
    const std::string startupFile = c.startupFile ? c.startupFile : "";
    EXPECT_EQ(fs::exists(out / "startup.scene"), startupFile == "startup.scene");
    EXPECT_EQ(fs::exists(out / "startup.inc"), startupFile == "startup.inc");
    if (startupFile.empty()) {
      EXPECT_EQ(report.filesWritten.size(), 11u);
      EXPECT_EQ(report.filesWritten.front(), "prg_globals.inc");
      continue;
    }
    ASSERT_EQ(report.filesWritten.size(), 12u);
    EXPECT_EQ(report.filesWritten.front(), startupFile);
    for (const std::string& name : ReferencedFiles(out / "main.agc", out / "MyTablesmith.agk")) {
      EXPECT_TRUE(fs::is_regular_file(out / name)) << name << " is referenced but missing";
    }
  }
}

// Enable once media/Theme1 holds the twenty theme images.
TEST(FullRunTest, TheTwentyThemeImagesAreCopiedAndTheRunIsDone) {
  test::TempDir dir;
  ProjectSettings settings;
  settings.OUTPUTFOLDER = (dir / "out").string();
  const RunReport report = RunWithFields(settings);
  EXPECT_EQ(report.outcome, RunReport::Outcome::Done) << report.message;
  EXPECT_TRUE(report.failures.empty());
  for (std::string_view image : kThemeImages) {
    const fs::path copy = fs::path(settings.OUTPUTFOLDER) / "media" / "Theme1" / image;
    ASSERT_TRUE(fs::is_regular_file(copy)) << image;
    const std::string bytes = test::ReadBytes(copy);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1a\n") << image;
    EXPECT_EQ(bytes, test::ReadBytes(fs::path(TABLESMITH_THEME_FOLDER) / image)) << image;
  }
}

}  // namespace
}  // namespace tablesmith
