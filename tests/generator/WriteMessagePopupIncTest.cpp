#include <gtest/gtest.h>

#include "generator/Generators.h"
#include "support/GeneratorTestSupport.h"

namespace tablesmith {
namespace {

// The lines after the header comment block, which must open the file.
test::Lines Body(const ProjectSettings& settings, const FieldList& fields = {}) {
  return test::BodyOf(WriteMessagePopupInc, settings, fields);
}

TEST(WriteMessagePopupIncTest, DefaultPrefixesGiveTheSeventyTwoLines) {
  const auto body = Body(ProjectSettings{});
  ASSERT_EQ(body.size(), 72u);
  EXPECT_TRUE(test::MatchesGolden(body, "popup_default.txt"));

  // Two empty lines before setup(), two after the last endfunction; the
  // Cancel sprite's line has one blank less before "=" than the other four.
  EXPECT_EQ(body[0], "");
  EXPECT_EQ(body[1], "");
  EXPECT_EQ(body[2], "function mespopup_setup()");
  EXPECT_EQ(body[10], "    mespopup_border_img_ID     = CreateSprite(mespopup_border_img)");
  EXPECT_EQ(body[14], "    mespopup_cancelbtn_img_ID    = CreateSprite(mespopup_cancelbtn_img)");
  EXPECT_EQ(body[65], "        DeleteText(mespopup_header_txt_ID)        ");
  EXPECT_EQ(body[69], "endfunction");
  EXPECT_EQ(body[70], "");
  EXPECT_EQ(body[71], "");
}

TEST(WriteMessagePopupIncTest, OnlyTheMessageAndProgramPrefixesChangeTheText) {
  const auto golden = test::ReadGolden("popup_default.txt");
  const std::pair<std::string, std::string> prefixes[] = {{"", ""}, {"Pop", "g"}};
  for (const auto& [message, program] : prefixes) {
    ProjectSettings settings;
    settings.MESSAGEPREFIX = message;
    settings.PROGRAMPREFIX = program;
    settings.FORMPREFIX = "";
    settings.LISTPREFIX = "zz";
    settings.AGKVERSION = "AGK Classic";
    settings.MBOXW = -7;
    const FieldList fields = {test::F("id", "Integer"), test::F("name", "String")};
    EXPECT_EQ(Body(settings, fields),
              test::Replaced(golden, {{"mespopup_", message}, {"prg_", program}}))
        << "MESSAGEPREFIX \"" << message << "\", PROGRAMPREFIX \"" << program << "\"";
  }
  ProjectSettings empty;
  empty.MESSAGEPREFIX = "";
  empty.PROGRAMPREFIX = "";
  const auto body = Body(empty);
  EXPECT_EQ(body[2], "function setup()");
  EXPECT_EQ(body[4], "    border_img         = LoadImage(theme+\"border.png\")");
}

}  // namespace
}  // namespace tablesmith
