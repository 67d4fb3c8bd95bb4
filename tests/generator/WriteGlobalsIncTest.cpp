#include <gtest/gtest.h>

#include <algorithm>

#include "generator/Generators.h"
#include "support/GeneratorTestSupport.h"

namespace tablesmith {
namespace {

using test::F;

// The lines after the header comment block, as built (trailing spaces kept).
test::Lines Body(const ProjectSettings& settings, const FieldList& fields = {}) {
  return test::BodyOf(WriteGlobalsInc, settings, fields);
}

std::size_t Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

// tests/data/globals_default.inc.txt holds the lines after the header as built
// for the default settings and the fields id Integer, name String, surname
// String and price Float. The run puts them on disk after a header dated
// 5/03/2020 09:05:03, without trailing spaces, with CR LF; that disk form was
// checked line by line against the declared layout of the globals include when
// the golden file was first made.
TEST(WriteGlobalsIncTest, RunWritesTheGoldenFileByteForByte) {
  EXPECT_TRUE(test::MatchesGolden(Body(ProjectSettings{}, test::GoldenRunFields()),
                                  "globals_default.inc.txt"));
  EXPECT_EQ(test::WrittenByGoldenRun("prg_globals.inc"),
            test::DiskBytes(test::ReadGolden("globals_default.inc.txt")));
}

// Lines whose spaces are easy to get wrong, as built, trailing spaces
// included. With one field every line sits at its own position in the layout.
TEST(WriteGlobalsIncTest, SpacesInsideAndAtTheEndOfLinesAsBuilt) {
  const auto body = Body(ProjectSettings{}, {F("id", "Integer")});
  ASSERT_EQ(body.size(), 148u);
  const std::vector<std::pair<std::size_t, std::string>> expected = {
      {1, "//program "},
      {7, "    id as Integer "},
      {30, "Global prg_formstat As Integer // 0-insert, 1 change 2 delete "},
      {31, "Global prg_theme As String = \"Theme1\\\" "},
      {32,
       "Global prg_percentPixel As Integer = 1 // 0 - use percentage of window size 1 use pixel "},
      {34, "Global prg_percenth As Float = 10  // not used yet"},
      {36, "Global prg_state as integer = 0  //windows state = 0 - list, 1, form, 2 message"},
      {37, "Global prg_topb As Float "},
      {38, "Global prg_bottomT As Float "},
      {39, "Global prg_tbdiff As Float "},
      {41, "Global prg_newy As Float  "},
      {42, "Global prg_thumbheight As Float "},
      {44, "Global prg_textsize As Integer =  20"},
      {46, "Global prg_scroll As Float  = 1 "},
      {72, "Global list_winbg_img_id As Integer "},
      {73, "Global list_header_img_id As Integer "},
      {75, "Global list_scrollup_img_id As Integer "},
      {94, "//Global list_end_img_id As Integer "},
      {144, "global mespopup_header_txt_ID  as integer"},
      {145, "global mespopup_header_txt_size  as integer = 25"},
      {148, "global mespopup_message_txt_size  as integer = 40"},
  };
  for (const auto& [item, line] : expected) EXPECT_EQ(body[item - 1], line) << "line " << item;
  // Nothing else ends in a space.
  std::size_t endingInSpace = 0;
  for (const auto& line : body) endingInSpace += !line.empty() && line.back() == ' ';
  EXPECT_EQ(endingInSpace, 15u);
}

TEST(WriteGlobalsIncTest, ThreeLinesPerFieldWhateverItsType) {
  const std::vector<FieldList> tables = {
      {},
      {F("id", "Integer")},
      {F("id", "Integer"), F("a", ""), F("b", "Memo"), F("c", "integer")},
  };
  for (const auto& fields : tables) {
    EXPECT_EQ(Body(ProjectSettings{}, fields).size(), 145 + 3 * fields.size())
        << fields.size() << " fields";
  }
}

TEST(WriteGlobalsIncTest, EmptyFieldListLeavesTheTypeEmptyAndNoFormHandles) {
  const auto body = Body(ProjectSettings{});
  const auto type = std::find(body.begin(), body.end(), "Type prg_Table");
  ASSERT_NE(type, body.end());
  EXPECT_EQ(*(type + 1), "EndType");

  const auto lastFormLine =
      std::find(body.begin(), body.end(), "global form_cancelbtn_img_ID as integer");
  ASSERT_GE(body.end() - lastFormLine, 6);
  EXPECT_EQ(std::vector<std::string>(lastFormLine + 1, lastFormLine + 6),
            (std::vector<std::string>{"", "", "", "", "// messagebox popup"}));
}

// Members and form handles follow the store order and take name and type as
// stored: no trimming, no check of the type word.
TEST(WriteGlobalsIncTest, FieldsWrittenAsStoredInStoreOrder) {
  const FieldList fields = {F("zeta", "Float"), F("alpha", ""), F("Mid", "Text"),
                            F("n", "Integer  ")};
  const auto body = Body(ProjectSettings{}, fields);
  const auto type = std::find(body.begin(), body.end(), "Type prg_Table");
  ASSERT_LE(type + 6, body.end());
  EXPECT_EQ(std::vector<std::string>(type + 1, type + 6),
            (std::vector<std::string>{"    zeta as Float ", "    alpha as  ", "    Mid as Text ",
                                      "    n as Integer   ", "EndType"}));

  const auto labels = std::find(body.begin(), body.end(), "global form_zeta_txt_ID as integer");
  ASSERT_LE(labels + 10, body.end());
  EXPECT_EQ(std::vector<std::string>(labels, labels + 10),
            (std::vector<std::string>{
                "global form_zeta_txt_ID as integer", "global form_alpha_txt_ID as integer",
                "global form_Mid_txt_ID as integer", "global form_n_txt_ID as integer", "",
                "global form_zeta_edit_ID as integer", "global form_alpha_edit_ID as integer",
                "global form_Mid_edit_ID as integer", "global form_n_edit_ID as integer", ""}));
}

TEST(WriteGlobalsIncTest, EmptyPrefixesGiveBareNames) {
  ProjectSettings settings;
  settings.PROGRAMPREFIX = "";
  settings.LISTPREFIX = "";
  settings.FORMPREFIX = "";
  settings.MESSAGEPREFIX = "";
  const auto body = Body(settings, {F("id", "Integer")});
  for (const char* line : {
           "Global readfile As String = \"file.db\"",
           "#Constant max_records = 100000",
           "Type Table",
           "Global db As Table[max_records]",
           "Type nqueue",
           "Global tmp As nqueue[50]",
           "Global tmpLen = 50",
           "Global listq As Checked[100000]",
           "global maxrec as integer = 20",
           "global X as integer = 30",
           "Global footer_txt_id As Integer",
           "//Global forw_img_id As Integer",
           "global x as integer = 490",
           "global id_txt_ID as integer",
           "global id_edit_ID as integer",
           "global X as integer = 465",
           "global message_txt_size  as integer = 40",
       }) {
    EXPECT_EQ(Count(body, line), 1u) << line;
  }
  for (const auto& line : body) {
    for (const char* prefix : {"prg_", "list_", "form_", "mespopup_"}) {
      EXPECT_EQ(line.find(prefix), std::string::npos) << line;
    }
  }
}

// Every number setting lands on its own line as signed decimal text.
TEST(WriteGlobalsIncTest, NumbersAsSignedDecimalText) {
  ProjectSettings settings;
  settings.TEXTSOZE = -1;
  settings.SCROLLBARWIDTH = -2;
  settings.LISTMAXRECORDS = -3;
  settings.LISTX1 = -4;
  settings.LISTY1 = 0;
  settings.LISTW = -5;
  settings.LISTH = -2147483647 - 1;
  settings.FORMX1 = -32768;
  settings.FORMY1 = 32767;
  settings.FORMW = -6;
  settings.FORMH = -7;
  settings.EDITBOXHEIGHT = -8;
  settings.EDITBOXTEXTSIZE = -9;
  settings.EDITBOXOFFSET = -10;
  settings.MBOXX = -11;
  settings.MBOXY = -12;
  settings.MBOXW = -13;
  settings.MBOXH = -14;
  settings.MESSAGETEXTSIZE = -15;
  const auto body = Body(settings);
  for (const char* line : {
           "Global prg_textsize As Integer =  -1",
           "Global prg_scrollbarwidth As integer = -2",
           "global prg_maxrec as integer = -3",
           "global list_X as integer = -4",
           "global list_Y as integer = 0",
           "global list_W as integer = -5",
           "global list_H as integer = -2147483648",
           "global form_x as integer = -32768",
           "global form_y as integer = 32767",
           "global form_w as integer = -6",
           "global form_h as integer = -7",
           "global form_editboxheight as integer = -8",
           "global form_editboxtextsize as integer = -9",
           "global form_editboxOffset as integer = -10",
           "global mespopup_X as integer = -11",
           "global mespopup_Y as integer = -12",
           "global mespopup_W as integer = -13",
           "global mespopup_H as integer = -14",
           "global mespopup_header_txt_size  as integer = 25",
           "global mespopup_message_txt_size  as integer = -15",
       }) {
    EXPECT_EQ(Count(body, line), 1u) << line;
  }
}

TEST(WriteGlobalsIncTest, TableNameAndThemeInsertedUnescaped) {
  ProjectSettings settings;
  settings.TABLENAME = "my \"data\".db ";
  settings.THEME = "Theme2";
  auto body = Body(settings);
  EXPECT_EQ(body[2], "Global prg_readfile As String = \"my \"data\".db \"");
  EXPECT_EQ(body[29], "Global prg_theme As String = \"Theme2\\\" ");

  settings.THEME = "";
  settings.TABLENAME = "";
  body = Body(settings);
  EXPECT_EQ(body[2], "Global prg_readfile As String = \"\"");
  EXPECT_EQ(body[29], "Global prg_theme As String = \"\\\" ");
}

}  // namespace
}  // namespace tablesmith
