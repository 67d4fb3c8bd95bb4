#include <gtest/gtest.h>

#include <algorithm>

#include "generator/Generators.h"
#include "support/GeneratorTestSupport.h"

namespace tablesmith {
namespace {

constexpr std::size_t kFixedLines = 31;  // the file without any field line

// The lines after the header comment block, which must open the file.
test::Lines Body(const ProjectSettings& settings, const FieldList& fields) {
  return test::BodyOf(WriteMessagePopupInputInc, settings, fields);
}

std::size_t IndexOf(const std::vector<std::string>& body, const std::string& line) {
  return static_cast<std::size_t>(std::find(body.begin(), body.end(), line) - body.begin());
}

const FieldList kFourFields = {test::F("id", "Integer"), test::F("name", "String"),
                               test::F("price", "Float"), test::F("misc", "")};

TEST(WriteMessagePopupInputIncTest, FourFieldsWithDefaultPrefixes) {
  const auto body = Body(ProjectSettings{}, kFourFields);
  EXPECT_TRUE(test::MatchesGolden(body, "popup_input_four_fields.txt"));
  ASSERT_EQ(body.size(), kFixedLines + 4 + 3);

  // Every field moves down, the first included; only typed fields are cleared.
  const std::string shiftLines[] = {
      "                                prg_db[i].id = prg_db[i+1].id",
      "                                prg_db[i].name = prg_db[i+1].name",
      "                                prg_db[i].price = prg_db[i+1].price",
      "                                prg_db[i].misc = prg_db[i+1].misc",
  };
  const std::size_t forLine =
      IndexOf(body, "                            For i = prg_current_record To prg_total_records");
  ASSERT_LT(forLine + 5, body.size());
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(body[forLine + 1 + i], shiftLines[i]);
  EXPECT_EQ(body[forLine + 5], "                            Next i");

  const std::size_t ifLine =
      IndexOf(body, "                                If prg_current_record <> 1");
  ASSERT_LT(ifLine + 4, body.size());
  EXPECT_EQ(body[ifLine + 1], "                                   prg_db[i].id = 0");
  EXPECT_EQ(body[ifLine + 2], "                                   prg_db[i].name = \"\"");
  EXPECT_EQ(body[ifLine + 3], "                                   prg_db[i].price = 0");
  EXPECT_EQ(body[ifLine + 4], "                                    //Shift back one record");
}

TEST(WriteMessagePopupInputIncTest, EveryFieldShiftsButOnlyTheThreeTypeWordsClear) {
  struct Case {
    const char* type;
    const char* clearing;  // null: no clearing line
  };
  const Case cases[] = {
      {"Integer", " = 0"},
      {"String", " = \"\""},
      {"Float", " = 0"},
      {"String   ", " = \"\""},  // trailing spaces of the stored type do not count
      {"", nullptr},
      {"integer", nullptr},
      {" Float", nullptr},
      {"Boolean", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("FIELDTYPE \"") + c.type + "\"");
    const auto body = Body(ProjectSettings{}, {test::F("v", c.type)});
    ASSERT_EQ(body.size(), kFixedLines + 1 + (c.clearing ? 1 : 0));
    EXPECT_EQ(body[10], "                                prg_db[i].v = prg_db[i+1].v");
    EXPECT_EQ(body[11], "                            Next i");
    EXPECT_EQ(body[16], c.clearing ? "                                   prg_db[i].v" +
                                         std::string(c.clearing)
                                   : "                                    //Shift back one record");
  }
}

TEST(WriteMessagePopupInputIncTest, NoFieldsLeaveEmptyLoopAndClearingBlock) {
  const auto body = Body(ProjectSettings{}, {});
  ASSERT_EQ(body.size(), kFixedLines);
  EXPECT_EQ(body[9], "                            For i = prg_current_record To prg_total_records");
  EXPECT_EQ(body[10], "                            Next i");
  EXPECT_EQ(body[14], "                                If prg_current_record <> 1");
  EXPECT_EQ(body[15], "                                    //Shift back one record");
  EXPECT_EQ(body[16], "                                    Dec prg_current_record");
  EXPECT_EQ(body[17], "                                    Dec prg_total_records");
  EXPECT_EQ(body[29], "endfunction");
  EXPECT_EQ(body[30], "");
}

TEST(WriteMessagePopupInputIncTest, EachPrefixGoesWhereItsNamesAre) {
  const auto golden = test::ReadGolden("popup_input_four_fields.txt");
  struct Prefixes {
    std::string program, message, form, list;
  };
  for (const Prefixes& p : {Prefixes{"", "", "", ""}, Prefixes{"P", "Msg", "Frm", "Lst"}}) {
    ProjectSettings settings;
    settings.PROGRAMPREFIX = p.program;
    settings.MESSAGEPREFIX = p.message;
    settings.FORMPREFIX = p.form;
    settings.LISTPREFIX = p.list;
    const auto expected = test::Replaced(
        golden,
        {{"prg_", p.program}, {"mespopup_", p.message}, {"form_", p.form}, {"list_", p.list}});
    EXPECT_EQ(Body(settings, kFourFields), expected) << "PROGRAMPREFIX \"" << p.program << "\"";
  }

  ProjectSettings empty;
  empty.PROGRAMPREFIX = empty.MESSAGEPREFIX = empty.FORMPREFIX = empty.LISTPREFIX = "";
  const auto body = Body(empty, {test::F("id", "Integer")});
  EXPECT_EQ(body[0], "function input()");
  EXPECT_EQ(body[3], "            If spritehit = cancelbtn_img_ID");
  EXPECT_EQ(body[6], "                state=0");
  EXPECT_EQ(body[10], "                                db[i].id = db[i+1].id");
  EXPECT_EQ(body[23], "                            SaveToFile()");
}

}  // namespace
}  // namespace tablesmith
