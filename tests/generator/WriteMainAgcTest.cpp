#include <gtest/gtest.h>

#include "generator/Generators.h"
#include "support/GeneratorTestSupport.h"

namespace tablesmith {
namespace {

// The lines after the header comment block, as built (trailing spaces kept).
std::vector<std::string> Body(const ProjectSettings& settings, const FieldList& fields = {}) {
  return test::BodyOf(WriteMainAgc, settings, fields);
}

TEST(WriteMainAgcTest, DefaultSettingsGiveEveryLine) {
  const std::vector<std::string> expected = {
      "SetErrorMode(2)",
      "SetWindowTitle( \"Created with Tablesmith for AGK\" )",
      "SetWindowSize( 1280, 720, 0 )",
      "SetWindowAllowResize( 1 )",
      "SetVirtualResolution( 1280, 720 )",
      "SetOrientationAllowed( 1, 1, 1, 1 )",
      "SetSyncRate( 30, 0 )",
      "SetScissor( 0,0,0,0 )",
      "UseNewDefaultFonts( 1 )",
      "",
      "#Include \"constants.inc\"",
      "#Include \"prg_globals.inc\"",
      "#Include \"prg_fileutils.inc\"",
      "#Include \"startup.scene\"",
      "#Include \"list_.inc\"",
      "#Include \"list_input.inc\"",
      "#Include \"form_.inc\"",
      "#Include \"form_input.inc\"",
      "#include \"mespopup_.inc\"",
      "#include \"mespopup_input.inc\"",
      "",
      "startup_setup()",
      "",
      " list_loadfile()",
      " list_init()",
      " list_load()",
      "",
      "SetPrintSize(25)",
      "",
      "Do",
      "    ",
      "    prg_spritehit=GetSpriteHit(GetPointerX(),GetPointerY())",
      "",
      "    if prg_State=0  // list",
      "         list_input()",
      "    elseif prg_State = 1  // form",
      "         form_input()",
      "    elseif prg_State = 2  // popup messages",
      "         mespopup_input()",
      "    elseif prg_State = 99 // popup messages",
      "        exit",
      "    endif",
      "    ",
      "    Sync()",
      "Loop",
      "",
      "",
  };
  EXPECT_EQ(Body(ProjectSettings{}), expected);
}

TEST(WriteMainAgcTest, EditionPrefixesAndTitleAreInsertedAsStored) {
  ProjectSettings settings;
  settings.AGKVERSION = "AGK Classic";
  settings.PROGRAMPREFIX = "";
  settings.LISTPREFIX = "L";
  settings.FHEADER = "My \"quoted\" title ";
  const auto body = Body(settings);
  EXPECT_EQ(body[1], "SetWindowTitle( \"My \"quoted\" title \" )");
  EXPECT_EQ(body[11], "#Include \"globals.inc\"");
  EXPECT_EQ(body[13], "#Include \"startup.inc\"");
  EXPECT_EQ(body[14], "#Include \"L.inc\"");
  EXPECT_EQ(body[23], " Lloadfile()");
  EXPECT_EQ(body[31], "    spritehit=GetSpriteHit(GetPointerX(),GetPointerY())");
  EXPECT_EQ(body[33], "    if State=0  // list");

  for (const char* edition : {"AGK Studio2", "agk studio", " AGK Studio", ""}) {
    settings.AGKVERSION = edition;
    EXPECT_EQ(Body(settings)[13], "#Include \"startup.inc\"") << "edition \"" << edition << "\"";
  }
  settings.AGKVERSION = "AGK Studio  ";  // trailing spaces do not count
  EXPECT_EQ(Body(settings)[13], "#Include \"startup.scene\"");
}

TEST(WriteMainAgcTest, FieldsDoNotChangeTheFile) {
  const ProjectSettings settings;
  EXPECT_EQ(Body(settings), Body(settings, {test::F("id", "Integer"), test::F("n", "String")}));
}

TEST(WriteConstantsIncTest, SameSeventyFourLinesForEverySettingWithoutHeader) {
  LineWriter writer(test::FixedClock);
  WriteConstantsInc(ProjectSettings{}, {}, writer);
  const auto lines = writer.Lines();
  ASSERT_EQ(lines.size(), 74u);
  EXPECT_EQ(lines[0], "#constant    KEY_BACK         8");
  EXPECT_EQ(lines[8], "#constant    KEY_PAGEDOWN     34");
  EXPECT_EQ(lines[53], "#constant    KEY_F1           112");
  EXPECT_EQ(lines[61], "#constant    KEY_S1           186    ");
  EXPECT_EQ(lines[72], "#constant    KEY_S12          223");
  EXPECT_EQ(lines[73], "");
  for (std::size_t i = 0; i < 73; ++i) {
    EXPECT_EQ(lines[i].substr(0, 13), "#constant    ") << i;
    EXPECT_NE(lines[i][30], ' ') << "value starts in column 31: " << lines[i];
    EXPECT_EQ(lines[i][29], ' ') << lines[i];
    EXPECT_EQ(lines[i].find('\t'), std::string::npos);
  }

  ProjectSettings other;
  other.PROGRAMPREFIX = "x";
  other.AGKVERSION = "AGK Classic";
  LineWriter second(test::FixedClock);
  WriteConstantsInc(other, {test::F("a", "String")}, second);
  EXPECT_EQ(second.Lines(), lines);
}

}  // namespace
}  // namespace tablesmith
