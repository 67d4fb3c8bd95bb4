#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "generator/Generators.h"
#include "support/GeneratorTestSupport.h"

namespace tablesmith {
namespace {

using test::F;
using test::kHeaderLines;
using test::Lines;
using test::WithId;

// The lines after the header comment block, as built (trailing spaces kept).
Lines Body(const ProjectSettings& settings, const FieldList& fields) {
  return test::BodyOf(WriteListInputInc, settings, fields);
}

Lines Body(const FieldList& fields) { return Body(ProjectSettings{}, fields); }

// The lines that follow `after` up to the "EndIF" that closes its branch.
Lines LinesAfter(const Lines& body, const std::string& after) {
  auto it = std::find(body.begin(), body.end(), after);
  if (it == body.end()) {
    ADD_FAILURE() << "no line " << after;
    return {};
  }
  ++it;
  return {it, std::find(it, body.end(), "                EndIF")};
}

// The edit-box lines of the change branch and of the delete branch.
Lines ChangeLines(const Lines& body) {
  return LinesAfter(body, "                    prg_State = 1");
}
Lines DeleteLines(const Lines& body) {
  return LinesAfter(body, "                    mespopup_setup()");
}

// The insert branch, from the form set-up to the change button's test.
Lines InsertTail(const Lines& body) {
  auto it = std::find(body.begin(), body.end(), "                form_setup()");
  auto end = std::find(it, body.end(), "                ElseIf prg_spritehit = list_change_img_ID");
  return {it, end};
}

// tests/data/list_input_default.inc.txt was made from the default settings
// and the fields id Integer, name String, surname String, price Float, and
// checked line by line against the layout of the list input include when it
// was made. To remake it after a deliberate change:
// TABLESMITH_UPDATE_GOLDEN=1 WriteListInputIncTest, then read the diff line by
// line before committing it.
TEST(WriteListInputIncTest, DefaultSettingsAndFourFieldsGiveTheGoldenLines) {
  EXPECT_TRUE(test::MatchesGolden(Body(test::GoldenRunFields()), "list_input_default.inc.txt"));
}

// The run puts the same lines on disk, without trailing spaces, with CR LF.
TEST(WriteListInputIncTest, RunWritesTheGoldenLinesToDisk) {
  const std::string bytes = test::WrittenByGoldenRun("list_input.inc");
  const auto lines = test::SplitCrLf(bytes);
  ASSERT_GE(lines.size(), kHeaderLines);
  EXPECT_EQ(lines[1], "/* Created with Tablesmith for AGK");
  EXPECT_EQ(bytes, test::DiskBytes(test::ReadGolden("list_input_default.inc.txt")));
}

// Two edit-box lines per field of a known type; the insert line needs a first field.
TEST(WriteListInputIncTest, LineCountFollowsTheFields) {
  struct Case {
    FieldList fields;
    std::size_t lines;
  };
  const std::vector<Case> cases = {
      {{}, 144},
      {{F("id", "Integer")}, 147},
      {{F("id", "Integer"), F("name", "String"), F("surname", "String")}, 151},
      {{F("a", "Float"), F("b", "String"), F("c", "Integer"), F("d", "Float"), F("e", "String")},
       155},
      {{F("x", "")}, 145},
      {{F("x", "Text"), F("y", "integer"), F("z", "Integer")}, 147},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Body(c.fields).size(), c.lines) << c.fields.size() << " fields";
  }
}

TEST(WriteListInputIncTest, EmptyFieldListLeavesTheBranchesWithoutEditBoxes) {
  const auto body = Body({});
  EXPECT_EQ(InsertTail(body), Lines{"                form_setup()"});
  EXPECT_EQ(ChangeLines(body), Lines{});
  EXPECT_EQ(DeleteLines(body), Lines{});
}

// Change and delete fill the same edit boxes: the first field (by position in
// the list, not by ID) with the record number when it is an Integer field,
// every other Integer field with its stored value.
TEST(WriteListInputIncTest, EditBoxLinesByTypeAndPosition) {
  const std::string number =
      "                  SetEditBoxText(form_id_edit_ID,Str(prg_current_record))";
  struct Case {
    std::string name;
    FieldList fields;
    Lines expected;
  };
  const std::vector<Case> cases = {
      {"id, name and surname",
       {F("id", "Integer"), F("name", "String"), F("surname", "String")},
       {number,
        "                  SetEditBoxText(form_name_edit_ID,prg_db[prg_current_record].name)",
        "                  "
        "SetEditBoxText(form_surname_edit_ID,prg_db[prg_current_record].surname)"}},
      {"a second Integer field",
       {F("id", "Integer"), F("qty", "Integer")},
       {number,
        "                  SetEditBoxText(form_qty_edit_ID,Str(prg_db[prg_current_record].qty))"}},
      {"Integer after a String first field",
       {F("title", "String"), F("qty", "Integer ")},
       {"                  SetEditBoxText(form_title_edit_ID,prg_db[prg_current_record].title)",
        "                  SetEditBoxText(form_qty_edit_ID,Str(prg_db[prg_current_record].qty))"}},
      {"first by position, whatever the IDs",
       {WithId(F("code", "Integer"), 9), WithId(F("n", "Integer"), 1)},
       {"                  SetEditBoxText(form_code_edit_ID,Str(prg_current_record))",
        "                  SetEditBoxText(form_n_edit_ID,Str(prg_db[prg_current_record].n))"}},
      {"two equal definitions",
       {F("n", "Integer"), F("n", "Integer")},
       {"                  SetEditBoxText(form_n_edit_ID,Str(prg_current_record))",
        "                  SetEditBoxText(form_n_edit_ID,Str(prg_db[prg_current_record].n))"}},
      {"Float, with and without trailing spaces",
       {F("id", "Integer"), F("price", "Float"), F("rate", "Float   ")},
       {number,
        "                  "
        "SetEditBoxText(form_price_edit_ID,str(prg_db[prg_current_record].price))",
        "                  "
        "SetEditBoxText(form_rate_edit_ID,str(prg_db[prg_current_record].rate))"}},
      {"empty and unknown types get no line",
       {F("id", "Integer"), F("a", ""), F("b", "string"), F("c", " Float"), F("d", "Text"),
        F("e", "FloatX")},
       {number}},
      {"only unknown types", {F("a", ""), F("b", "Date")}, {}},
  };
  for (const auto& c : cases) {
    const auto body = Body(c.fields);
    EXPECT_EQ(ChangeLines(body), c.expected) << c.name;
    EXPECT_EQ(DeleteLines(body), c.expected) << c.name;
  }
}

// Insert writes the new record number into the edit box of the first field.
TEST(WriteListInputIncTest, InsertFillsTheFirstFieldsEditBox) {
  struct Case {
    FieldList fields;
    std::string line;
  };
  const std::vector<Case> cases = {
      {{F("id", "Integer"), F("name", "String"), F("surname", "String")},
       "                SetEditBoxText(form_id_edit_id,Str(prg_total_records))"},
      {{F("code", "Integer"), F("title", "String"), F("qty", "Integer")},
       "                SetEditBoxText(form_code_edit_id,Str(prg_total_records))"},
      {{F("title", "String"), F("id", "Integer")},
       "                SetEditBoxText(form_title_edit_id,Str(prg_total_records))"},
      {{F("ID ", "")}, "                SetEditBoxText(form_ID _edit_id,Str(prg_total_records))"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InsertTail(Body(c.fields)), (Lines{"                form_setup()", c.line}))
        << c.fields.front().FIELDNAME;
  }
}

// Lines that are easy to get wrong, with one field so that every line keeps
// its place in the listing.
TEST(WriteListInputIncTest, LinesAsBuilt) {
  const auto body = Body({F("id", "Integer")});
  ASSERT_EQ(body.size(), 147u);
  const std::vector<std::pair<std::size_t, std::string>> expected = {
      {1, "Function list_input()"},
      {2, "    "},
      {5,
       "        If prg_spritehit <> 0 And prg_spritehit <> list_border_img_ID And prg_spritehit "
       "<> list_winbg_img_ID"},
      {10, "            If prg_spritehit = list_scrollup_img_id"},
      {15, "                prg_state=99"},
      {17,
       "                ElseIf GetRawKeyPressed(KEY_DOWN) //Or prg_spritehit = list_forw_img_ID"},
      {30, "                SetEditBoxText(form_id_edit_id,Str(prg_total_records))"},
      {33,
       "                    Message(\"Please select a Record from the \"+Chr(10)+\"Listview to "
       "Change or Delete\")"},
      {37, "                    list_loaded =0"},
      {39, "                  SetEditBoxText(form_id_edit_ID,Str(prg_current_record))"},
      {48, "                    mespopup_setup()"},
      {49, "                  SetEditBoxText(form_id_edit_ID,Str(prg_current_record))"},
      {52, "            list_gettextPressed()"},
      {61, "        prg_lp = ( prg_cc / prg_total_records) * 100"},
      {101, ""},
      {108, "                If GetTextExists(list_footer_Txt_id)"},
      {110, "                    list_footer_Txt_id = CreateText(\"..\")"},
      {113, "                prg_current_record = prg_listq[list_tmp[i].cqnum].id"},
      {114,
       "                SetTextString(list_footer_Txt_ID,\"ID: "
       "\"+Str(prg_listq[list_tmp[i].cqnum].id))"},
      {117, "                SetTextColor (list_footer_Txt_ID,0,0,0,255)"},
      {127, "    // 0 = neg   1 - pos"},
      {132, "            If prg_scroll => prg_total_records"},
      {141, std::string(8, ' ')},
      {145, "    list_getrecords()"},
      {147, ""},
  };
  for (const auto& [line, text] : expected) EXPECT_EQ(body[line - 1], text) << "line " << line;

  // Whitespace-only lines keep their spaces as built; no line with text ends in one.
  Lines blank;
  for (const auto& line : body) {
    if (line.find_first_not_of(' ') == std::string::npos) {
      blank.push_back(line);
    } else {
      EXPECT_NE(line.back(), ' ') << line;
    }
  }
  const std::string four(4, ' '), eight(8, ' ');
  EXPECT_EQ(blank, (Lines{four, four, four, four, four, four, four,  four,  four,  four,
                          four, four, "",   four, "",   four, eight, eight, eight, ""}));
}

TEST(WriteListInputIncTest, PrefixesAreInsertedAsStored) {
  ProjectSettings empty;
  empty.PROGRAMPREFIX = empty.LISTPREFIX = empty.FORMPREFIX = empty.MESSAGEPREFIX = "";
  const auto bare = Body(empty, {F("id", "Integer"), F("qty", "Integer")});
  ASSERT_EQ(bare.size(), 149u);
  EXPECT_EQ(bare[0], "Function input()");
  EXPECT_EQ(
      bare[4],
      "        If spritehit <> 0 And spritehit <> border_img_ID And spritehit <> winbg_img_ID");
  EXPECT_EQ(bare[28], "                setup()");
  EXPECT_EQ(bare[29], "                SetEditBoxText(id_edit_id,Str(total_records))");
  EXPECT_EQ(bare[39], "                  SetEditBoxText(qty_edit_ID,Str(db[current_record].qty))");
  EXPECT_EQ(bare[48], "                    setup()");
  EXPECT_EQ(bare[103], "Function gettextpressed()");
  EXPECT_EQ(bare[114], "                current_record = listq[tmp[i].cqnum].id");
  EXPECT_EQ(bare[126], "Function getscroll(q,np)");

  // Each prefix lands where it belongs.
  ProjectSettings distinct;
  distinct.PROGRAMPREFIX = "P.";
  distinct.LISTPREFIX = "L ";
  distinct.FORMPREFIX = "F{{FIELDNAME}}";
  distinct.MESSAGEPREFIX = "M";
  const auto body = Body(distinct, {F("code", "Integer"), F("n", "String")});
  ASSERT_EQ(body.size(), 149u);
  EXPECT_EQ(body[3], "        L gettextpressed()");
  EXPECT_EQ(body[28], "                F{{FIELDNAME}}setup()");
  EXPECT_EQ(body[29],
            "                SetEditBoxText(F{{FIELDNAME}}code_edit_id,Str(P.total_records))");
  EXPECT_EQ(body[39],
            "                  SetEditBoxText(F{{FIELDNAME}}n_edit_ID,P.db[P.current_record].n)");
  EXPECT_EQ(body[47], "                    F{{FIELDNAME}}setup()");
  EXPECT_EQ(body[48], "                    Msetup()");
  EXPECT_EQ(body[111], "                    L footer_Txt_id = CreateText(\"..\")");
  EXPECT_EQ(body[114], "                P.current_record = P.listq[L tmp[i].cqnum].id");
}

// No numeric setting and not the edition reaches this file.
TEST(WriteListInputIncTest, NumbersAndEditionDoNotChangeTheText) {
  const FieldList fields = {F("id", "Integer"), F("name", "String")};
  ProjectSettings other;
  other.AGKVERSION = "AGK Classic";
  other.LISTMAXRECORDS = -20;
  other.TEXTSOZE = -1;
  other.SCROLLBARWIDTH = 0;
  other.LISTX1 = -30;
  other.EDITBOXOFFSET = -140;
  EXPECT_EQ(Body(other, fields), Body(fields));
}

}  // namespace
}  // namespace tablesmith
