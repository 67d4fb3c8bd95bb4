#include "generator/GenerateProject.h"

#include <gtest/gtest.h>

#include "generator/OutputPlan.h"
#include "support/TestSupport.h"

namespace tablesmith {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

std::vector<std::string> PlannedNames(const ProjectSettings& settings) {
  std::vector<std::string> names;
  for (const auto& file : PlanOutputFiles(settings)) names.push_back(file.name);
  return names;
}

// A folder holding the twenty theme images (tiny stand-ins with distinct bytes).
fs::path MakeTheme(const test::TempDir& dir) {
  const fs::path theme = dir / "theme";
  fs::create_directories(theme);
  for (auto image : kThemeImages) test::WriteBytes(theme / image, "png:" + std::string(image));
  return theme;
}

class RecordingObserver : public RunObserver {
 public:
  void FileStarted(const std::string& name, std::size_t lines) override {
    started.push_back(name);
    lineCounts.push_back(lines);
    lastProgress = 0;
  }
  void LinesWritten(std::size_t lines) override {
    EXPECT_EQ(lines, lastProgress + 1);
    lastProgress = lines;
  }
  void FileFinished(const std::string& name) override {
    EXPECT_EQ(name, started.back());
    EXPECT_EQ(lastProgress, lineCounts.back()) << name;
  }
  std::vector<std::string> started;
  std::vector<std::size_t> lineCounts;
  std::size_t lastProgress = 0;
};

TEST(OutputPlanTest, NamesAndOrderFollowTheSettings) {
  ProjectSettings settings;
  EXPECT_EQ(PlannedNames(settings),
            (std::vector<std::string>{"startup.scene", "prg_globals.inc", "constants.inc",
                                      "prg_fileutils.inc", "main.agc", "MyTablesmith.agk",
                                      "form_.inc", "form_input.inc", "list_.inc",
                                      "list_input.inc", "mespopup_.inc", "mespopup_input.inc"}));

  settings.AGKVERSION = "AGK Classic";
  EXPECT_EQ(PlannedNames(settings).front(), "startup.inc");
  settings.AGKVERSION = "AGK Classic  ";
  EXPECT_EQ(PlannedNames(settings).front(), "startup.inc") << "trailing spaces do not count";
  for (const char* edition : {"AGK Studio2", "agk classic", " AGK Studio", ""}) {
    settings.AGKVERSION = edition;
    EXPECT_EQ(PlannedNames(settings).size(), 11u) << "no startup file for \"" << edition << "\"";
    EXPECT_EQ(PlannedNames(settings).front(), "prg_globals.inc");
  }

  const std::pair<const char*, const char*> projectNames[] = {
      {"Demo", "Demo.agk"}, {"Demo.agk", "Demo.agk"}, {"Demo.AGK", "Demo.AGK.agk"},
      {"Demo.agk  ", "Demo.agk  "}, {"", ".agk"}, {"agk", "agk.agk"}};
  for (const auto& [stored, expected] : projectNames) {
    settings.PROJECTNAME = stored;
    EXPECT_EQ(ProjectFileName(settings), expected) << "PROJECTNAME \"" << stored << "\"";
  }

  settings = ProjectSettings{};
  settings.FORMPREFIX = "f";
  settings.PROGRAMPREFIX = "";
  const auto names = PlannedNames(settings);
  EXPECT_EQ(names[1], "globals.inc");
  EXPECT_EQ(names[3], "fileutils.inc");
  EXPECT_EQ(names[6], "f.inc");
  EXPECT_EQ(names[7], "finput.inc");
}

TEST(GenerateProjectTest, RunWritesFoldersImagesFilesAndTheFinalMessage) {
  test::TempDir dir;
  ProjectSettings settings;
  settings.OUTPUTFOLDER = (dir / "nested" / "deeper" / "out").string();  // parents are missing
  RecordingObserver observer;
  const RunReport report =
      GenerateProject(settings, {test::F("id", "Integer")}, {MakeTheme(dir), test::FixedClock},
                      &observer);

  EXPECT_EQ(report.outcome, RunReport::Outcome::Done) << report.message;
  EXPECT_EQ(report.message, "Congratulatons... \r\n\r\nPlease open die Project file in:\r\n\r\n" +
                                settings.OUTPUTFOLDER);
  EXPECT_EQ(report.filesWritten, PlannedNames(settings));
  EXPECT_EQ(observer.started, PlannedNames(settings));
  const fs::path out(settings.OUTPUTFOLDER);
  for (auto image : kThemeImages) {
    EXPECT_EQ(ReadBytes(out / "media" / "Theme1" / image), "png:" + std::string(image));
  }
  EXPECT_EQ(ReadBytes(out / "constants.inc").substr(0, 33), "#constant    KEY_BACK         8\r\n");
  EXPECT_EQ(ReadBytes(out / "main.agc").substr(0, 38), "\r\n/* Created with Tablesmith for AGK\r\n");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(out)) ++entries;
  EXPECT_EQ(entries, 13u) << "twelve files and the media folder, no temporary files";
}

TEST(GenerateProjectTest, SecondRunReplacesOlderFilesAndImages) {
  test::TempDir dir;
  const fs::path theme = MakeTheme(dir);
  ProjectSettings settings;
  settings.OUTPUTFOLDER = (dir / "out").string();
  ASSERT_EQ(GenerateProject(settings, {}, {theme, test::FixedClock}).outcome,
            RunReport::Outcome::Done);
  const fs::path out(settings.OUTPUTFOLDER);
  const std::string fresh = ReadBytes(out / "main.agc");
  test::WriteBytes(out / "main.agc", "stale");
  test::WriteBytes(out / "media" / "Theme1" / "ok.png", "stale");
  test::WriteBytes(theme / "back.png", "new picture");

  ASSERT_EQ(GenerateProject(settings, {}, {theme, test::FixedClock}).outcome,
            RunReport::Outcome::Done);
  EXPECT_EQ(ReadBytes(out / "main.agc"), fresh);
  EXPECT_EQ(ReadBytes(out / "media" / "Theme1" / "ok.png"), "png:ok.png");
  EXPECT_EQ(ReadBytes(out / "media" / "Theme1" / "back.png"), "new picture");
}

TEST(GenerateProjectTest, FailuresAreListedInTheMessage) {
  test::TempDir dir;
  const fs::path theme = MakeTheme(dir);
  fs::remove(theme / "win.png");
  ProjectSettings settings;
  settings.OUTPUTFOLDER = (dir / "out").string();
  fs::create_directories(dir / "out" / "media");
  test::WriteBytes(dir / "out" / "media" / "Theme1", "a file where a folder belongs");
  test::WriteBytes(dir / "out" / "main.agc", "older");
  fs::create_directories(dir / "out" / "list_.inc");  // a folder where a file belongs

  const RunReport report = GenerateProject(settings, {}, {theme, test::FixedClock});
  EXPECT_EQ(report.outcome, RunReport::Outcome::Incomplete);
  EXPECT_EQ(report.message.rfind(FinalMessage(settings) + "\r\n\r\nThese could not be written:\r\n", 0),
            0u)
      << report.message;
  for (const std::string expected :
       {(dir / "out" / "media" / "Theme1").string(), std::string("win.png"),
        (dir / "out" / "list_.inc").string()}) {
    EXPECT_NE(report.message.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(report.failures.size(), 1u + 20u + 1u) << report.message;
  EXPECT_NE(ReadBytes(dir / "out" / "main.agc"), "older") << "other files are still written";
}

TEST(GenerateProjectTest, RefusesUnsafeOrClashingNamesBeforeWritingAnything) {
  struct Case {
    const char* setting;
    std::string value;
    std::vector<std::string> mustName;
  };
  const Case cases[] = {
      {"OUTPUTFOLDER", "", {"OUTPUTFOLDER"}},
      {"PROGRAMPREFIX", "../", {"PROGRAMPREFIX", "\"../globals.inc\""}},
      {"LISTPREFIX", "sub\\x", {"LISTPREFIX", "sub\\x"}},
      {"PROJECTNAME", "/tmp/evil", {"PROJECTNAME", "/tmp/evil.agk"}},
      {"FORMPREFIX", "list_", {"LISTPREFIX", "FORMPREFIX", "\"list_.inc\""}},
      {"MESSAGEPREFIX", "FORM_", {"FORMPREFIX", "MESSAGEPREFIX"}},
      {"LISTPREFIX", "constants", {"LISTPREFIX", "\"constants.inc\""}},
      {"PROJECTNAME", "main.agc.agk", {}},  // a legal, distinct name: accepted
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    ProjectSettings settings;
    settings.OUTPUTFOLDER = (dir / "out").string();
    ASSERT_FALSE(AssignSetting(settings, *FindSetting(c.setting), c.value));
    const RunReport report = GenerateProject(settings, {}, {MakeTheme(dir), test::FixedClock});
    if (c.mustName.empty()) {
      EXPECT_EQ(report.outcome, RunReport::Outcome::Done) << report.message;
      continue;
    }
    EXPECT_EQ(report.outcome, RunReport::Outcome::Refused) << c.setting << "=" << c.value;
    EXPECT_FALSE(fs::exists(dir / "out")) << "nothing may be written";
    for (const auto& text : c.mustName) {
      EXPECT_NE(report.message.find(text), std::string::npos) << text << " in " << report.message;
    }
  }
}

}  // namespace
}  // namespace tablesmith
