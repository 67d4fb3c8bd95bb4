#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/Generators.h"
#include "support/GeneratorTestSupport.h"

namespace tablesmith {
namespace {

using test::kHeaderLines;
using test::WithId;

// The lines after the header comment block, as built (trailing spaces kept).
std::vector<std::string> Body(const ProjectSettings& settings, const FieldList& fields) {
  return test::BodyOf(WriteFormInc, settings, fields);
}

std::string Pad(std::size_t count) { return std::string(count, ' '); }

// Three fields whose IDs do not follow their order: the first of the list is
// the one with the highest ID.
FieldList ThreeFields() {
  return {WithId(test::F("id", "Integer", "Record no"), 9),
          WithId(test::F("name", "String", "Name"), 2),
          WithId(test::F("price", "Float", "Price \"net\""), 5)};
}

// The whole form include for ThreeFields() with the default prefixes, as built.
std::vector<std::string> ThreeFieldListing() {
  return {
      "",
      "",
      "",
      "function   form_setup()",
      "",
      "      form_border_img = LoadImage(prg_theme+\"borderf.png\")",
      "      form_header_img = LoadImage(prg_theme+\"winheader.png\")",
      "      form_winbg_img = LoadImage(prg_theme+\"win.png\")",
      "      form_okbtn_img = LoadImage(prg_theme+\"ok.png\")",
      "      form_cancelbtn_img = LoadImage(prg_theme+\"cancel.png\")",
      "    ",
      "      form_border_img_ID = CreateSprite(form_border_img)",
      "      form_header_img_ID = CreateSprite(form_header_img)",
      "      form_winbg_img_ID = CreateSprite(form_winbg_img)",
      "      form_okbtn_img_ID = CreateSprite(form_okbtn_img)",
      "      form_cancelbtn_img_ID = CreateSprite(form_cancelbtn_img)",
      "    ",
      "    SetSpriteSize(form_border_img_ID,  form_w,  form_h)",
      "    SetSpritePosition(form_border_img_ID,  form_x,  form_y)",
      "    SetSpriteDepth(form_border_img_ID,70)",
      Pad(12),
      "    SetSpriteSize(form_header_img_ID,getspritewidth(form_border_img_ID)-8,"
      "prg_scrollbarwidth)",
      "    SetSpritePosition(form_header_img_ID,getspritex(form_border_img_ID)+4,"
      "getspritey(form_border_img_ID)+2)",
      "    ",
      "",
      "    if prg_formstat = 0",
      "          form_header_txt_ID = CreateText( \"Insert Record: \")",
      "    elseif prg_formstat=1",
      "          form_header_txt_ID= CreateText( \"Change Record: \"+str(prg_current_record)  )",
      "    elseif prg_formstat=2",
      "          form_header_txt_ID = CreateText( \"Delete Record: \"+str(prg_current_record) )",
      "    endif",
      "",
      "    w = (prg_scrollbarwidth - prg_textsize+4) / 2",
      "    ",
      "    SetTextSize(form_header_txt_ID,prg_textsize+4)",
      "    SetTextPosition(form_header_txt_ID,getspritex(form_header_img_ID) + w,"
      "getspritey(form_header_img_ID) + w)",
      "    SetTextColor(form_header_txt_ID,0,0,0,255)",
      "    //SettextDepth(form_header_txt_ID,60)",
      Pad(8),
      "    SetSpriteSize(form_winbg_img_ID,  form_w - 16,  "
      "form_H-GetSpriteHeight(form_header_img_ID)-prg_scrollbarwidth + 4)",
      "    SetSpritePosition(form_winbg_img_ID,getspritex(form_header_img_ID) + 4,  "
      "form_Y + prg_scrollbarwidth+4)",
      "    SetSpriteDepth(form_winbg_img_ID,65)",
      "",
      "// create editboxes",
      "",
      // first field of the list
      "      form_id_edit_ID = CreateEditBox()",
      "    ls = 5",
      "    SetEditBoxSize(form_id_edit_ID,100,  form_editboxheight)",
      "    seteditboxposition(form_id_edit_ID,getspritex(form_winbg_img_ID)+  "
      "form_editboxOffset,getspritey(form_winbg_img_ID)+ls)" +
          Pad(4),
      "    SetEditBoxDepth(form_id_edit_ID,60)" + Pad(4),
      "    SetEditBoxTextSize(form_id_edit_ID,  form_editboxtextsize)" + Pad(5),
      "    SetEditBoxBorderSize(form_id_edit_ID,0)",
      "",
      // second, below the first
      "      form_name_edit_ID = CreateEditBox()",
      "    SetEditBoxSize(form_name_edit_ID,200,  form_editboxheight)",
      "    seteditboxposition(form_name_edit_ID,getspritex(form_winbg_img_ID)+  "
      "form_editboxOffset,GetEditBoxY(form_id_edit_ID)+  form_editboxheight+ls )" +
          Pad(4),
      "    SetEditBoxDepth(form_name_edit_ID,60)" + Pad(68),
      "    SetEditBoxTextSize(form_name_edit_ID,  form_editboxtextsize)" + Pad(64),
      "",
      // third, below the second
      "      form_price_edit_ID = CreateEditBox()",
      "    SetEditBoxSize(form_price_edit_ID,200,  form_editboxheight)",
      "    seteditboxposition(form_price_edit_ID,getspritex(form_winbg_img_ID)+  "
      "form_editboxOffset,GetEditBoxY(form_name_edit_ID)+  form_editboxheight+ls )" +
          Pad(4),
      "    SetEditBoxDepth(form_price_edit_ID,60)" + Pad(68),
      "    SetEditBoxTextSize(form_price_edit_ID,  form_editboxtextsize)" + Pad(64),
      "",
      "// reize the bg windown after all controls has been placed",
      "    SetSpriteSize(form_winbg_img_ID,  form_w - 16,getEditboxy(form_price_edit_ID) - "
      "getspritey(form_header_img_ID)+prg_scrollbarwidth)",
      "    ",
      "    SetSpriteSize(form_okbtn_img_ID,-1,prg_scrollbarwidth)",
      "     SetSpritePosition(form_okbtn_img_ID,getspritex(form_border_img_ID) + form_W - "
      "getspritewidth(form_okbtn_img_ID)-5,getspritey(form_winbg_img_ID)+"
      "GetSpriteHeight(form_winbg_img_ID)+2)",
      "    SetSpriteDepth(form_okbtn_img_ID,60)",
      "",
      "    SetSpriteSize(form_cancelbtn_img_ID,-1,prg_scrollbarwidth)",
      "    SetSpritePosition(form_cancelbtn_img_ID,getspritex(form_okbtn_img_ID)-"
      "getspritewidth(form_okbtn_img_ID)-5,getspritey(form_winbg_img_ID)+"
      "GetSpriteHeight(form_winbg_img_ID)+2)",
      "    SetSpriteDepth(form_cancelbtn_img_ID,60)" + Pad(192),
      "    ",
      "// resize the main border sprite after ok/cancel buttons been placed",
      "",
      "    SetSpriteSize(form_border_img_ID,  form_w,getspriteY(form_okbtn_img_ID)+"
      "prg_scrollbarwidth+5 - getspritey(form_border_img_ID))",
      "    ",
      "// create text desriptions for editboxes",
      Pad(132),
      "      form_id_txt_ID = Createtext(\"Record no\")",
      "    SetTextSize(form_id_txt_ID,prg_textsize)",
      "    SetTextPosition(form_id_txt_ID,GetspriteX(form_winbg_img_ID)+4,"
      "GeteditboxY(form_id_edit_ID))",
      "    Settextcolor(form_id_txt_ID,0,0,0,255)",
      "    SetTextDepth(form_id_txt_ID,65)",
      Pad(16),
      "      form_name_txt_ID = Createtext(\"Name\")",
      "    SetTextSize(form_name_txt_ID,prg_textsize)",
      "    SetTextPosition(form_name_txt_ID,GetspriteX(form_winbg_img_ID)+4,"
      "GeteditboxY(form_name_edit_ID))",
      "    Settextcolor(form_name_txt_ID,0,0,0,255)",
      "    SetTextDepth(form_name_txt_ID,65)",
      Pad(16),
      "      form_price_txt_ID = Createtext(\"Price \"net\"\")",
      "    SetTextSize(form_price_txt_ID,prg_textsize)",
      "    SetTextPosition(form_price_txt_ID,GetspriteX(form_winbg_img_ID)+4,"
      "GeteditboxY(form_price_edit_ID))",
      "    Settextcolor(form_price_txt_ID,0,0,0,255)",
      "    SetTextDepth(form_price_txt_ID,65)",
      Pad(16),
      "    ",
      "endfunction",
      "",
      "function   form_cleanup()",
      "    deleteimage(form_border_img)",
      "    deleteimage(form_winbg_img)",
      "    deleteimage(form_header_img)",
      "    deleteimage(form_okbtn_img)",
      "    deleteimage(form_cancelbtn_img)",
      "    ",
      "    ",
      "    deletesprite(form_border_img_ID)",
      "    deletesprite(form_header_img_ID)",
      "    deletesprite(form_winbg_img_ID)",
      "    deletesprite(form_okbtn_img_ID)",
      "    deletesprite(form_cancelbtn_img_ID)",
      "",
      "    DeleteEditBox(form_id_edit_ID)",
      "    DeleteEditBox(form_name_edit_ID)",
      "    DeleteEditBox(form_price_edit_ID)",
      "",
      "    Deletetext(form_header_txt_ID)",
      "    Deletetext(form_id_txt_ID)",
      "    Deletetext(form_name_txt_ID)",
      "    Deletetext(form_price_txt_ID)",
      "    ",
      "endfunction",
  };
}

std::size_t CountContaining(const std::vector<std::string>& lines, const std::string& part) {
  std::size_t count = 0;
  for (const auto& line : lines) count += line.find(part) != std::string::npos ? 1 : 0;
  return count;
}

TEST(WriteFormIncTest, DefaultPrefixesGiveEveryLineAsBuilt) {
  const auto body = Body(ProjectSettings{}, ThreeFields());
  EXPECT_EQ(body, ThreeFieldListing());
  EXPECT_EQ(body.size(), 86u + 14u * 3u);

  // The second box's position line as it reaches the file.
  ASSERT_GT(body.size(), 56u);
  EXPECT_EQ(FormatLineForDisk(body[56]),
            "    seteditboxposition(form_name_edit_ID,getspritex(form_winbg_img_ID)+  "
            "form_editboxOffset,GetEditBoxY(form_id_edit_ID)+  form_editboxheight+ls )\r\n");
}

TEST(WriteFormIncTest, PrefixesAreInsertedAsStoredEvenWhenEmpty) {
  struct Case {
    std::string form, program;
  };
  for (const Case& c : {Case{"", ""}, Case{"F", "P"}, Case{"Ed_", "app_"}}) {
    ProjectSettings settings;
    settings.FORMPREFIX = c.form;
    settings.PROGRAMPREFIX = c.program;
    settings.LISTPREFIX = "unused_list_";
    settings.MESSAGEPREFIX = "unused_popup_";
    const auto expected =
        test::Replaced(ThreeFieldListing(), {{"form_", c.form}, {"prg_", c.program}});
    EXPECT_EQ(Body(settings, ThreeFields()), expected)
        << "FORMPREFIX \"" << c.form << "\", PROGRAMPREFIX \"" << c.program << "\"";
  }

  ProjectSettings empty;
  empty.FORMPREFIX = "";
  const auto body = Body(empty, {});
  EXPECT_EQ(body[3], "function   setup()");
  EXPECT_EQ(body.back(), "endfunction");
  EXPECT_EQ(body[body.size() - 18], "function   cleanup()");
}

// The shape of the file for a number of fields: 8 lines for the first
// field's edit box and 6 for every further one, 6 per label, 2 per field in
// cleanup; the resize line only when there is a last edit box to name.
TEST(WriteFormIncTest, LineCountsAndBranchesByNumberOfFields) {
  struct Case {
    std::size_t fields;
    std::size_t lines;
  };
  for (const Case& c : {Case{0, 83}, Case{1, 100}, Case{2, 114}, Case{5, 156}}) {
    FieldList fields;
    for (std::size_t i = 0; i < c.fields; ++i) {
      fields.push_back(test::F("f" + std::to_string(i), i % 2 ? "String" : ""));
    }
    const auto body = Body(ProjectSettings{}, fields);
    SCOPED_TRACE(std::to_string(c.fields) + " fields");
    EXPECT_EQ(body.size(), c.lines);
    EXPECT_EQ(CountContaining(body, "    ls = 5"), c.fields > 0 ? 1u : 0u);
    EXPECT_EQ(CountContaining(body, "SetEditBoxBorderSize("), c.fields > 0 ? 1u : 0u);
    EXPECT_EQ(CountContaining(body, "_edit_ID,100,"), c.fields > 0 ? 1u : 0u);
    EXPECT_EQ(CountContaining(body, "_edit_ID,200,"), c.fields > 0 ? c.fields - 1 : 0u);
    EXPECT_EQ(CountContaining(body, "= CreateEditBox()"), c.fields);
    EXPECT_EQ(CountContaining(body, "DeleteEditBox("), c.fields);
    EXPECT_EQ(CountContaining(body, "Deletetext("), c.fields + 1);

    const auto resize = CountContaining(body, "getEditboxy(");
    if (c.fields == 0) {
      EXPECT_EQ(resize, 0u);
      ASSERT_EQ(body[46], "// reize the bg windown after all controls has been placed");
      EXPECT_EQ(body[47], "    ");
      EXPECT_EQ(body[48], "    SetSpriteSize(form_okbtn_img_ID,-1,prg_scrollbarwidth)");
    } else {
      EXPECT_EQ(resize, 1u);
      const std::string last = fields.back().FIELDNAME;
      EXPECT_EQ(CountContaining(body, "getEditboxy(form_" + last + "_edit_ID)"), 1u);
    }
  }
}

TEST(WriteFormIncTest, TwentyCharacterNamesAreWrittenWholeEverywhere) {
  const std::string first = "customer_number_long";
  const std::string last = "customer_name_longer";
  ASSERT_EQ(first.size(), 20u);
  ASSERT_EQ(last.size(), 20u);
  const auto body = Body(ProjectSettings{},
                         {test::F(first, "Integer", "Number"), test::F(last, "String", "Name")});

  EXPECT_EQ(
      body[56],
      "    seteditboxposition(form_customer_name_longer_edit_ID,getspritex(form_winbg_img_ID)+"
      "  form_editboxOffset,GetEditBoxY(form_customer_number_long_edit_ID)+  "
      "form_editboxheight+ls )" +
          Pad(4));
  EXPECT_EQ(body[61],
            "    SetSpriteSize(form_winbg_img_ID,  form_w - 16,getEditboxy("
            "form_customer_name_longer_edit_ID) - getspritey(form_header_img_ID)+"
            "prg_scrollbarwidth)");

  // Wherever either field is named, the name is whole.
  std::size_t mentions = 0;
  for (const auto& line : body) {
    for (auto pos = line.find("customer_"); pos != std::string::npos;
         pos = line.find("customer_", pos + 1)) {
      ++mentions;
      const std::string rest = line.substr(pos);
      EXPECT_TRUE(rest.starts_with(first) || rest.starts_with(last)) << line;
    }
  }
  // Edit-box lines of the first (6) and second (5) field, labels (6, one line naming both the
  // label and the box) and cleanup (2) of each, the second box's position and the resize line.
  EXPECT_EQ(mentions, 6u + 5u + 2u * (6u + 2u) + 2u);
}

TEST(WriteFormIncTest, EachRunNamesOnlyItsOwnFields) {
  const FieldList earlier = {test::F("earlier_field", "Integer")};
  for (const FieldList& fields : {FieldList{}, FieldList{test::F("only", "String")},
                                  FieldList{test::F("a", "Integer"), test::F("b", "Float")}}) {
    const auto alone = Body(ProjectSettings{}, fields);
    LineWriter writer(test::FixedClock);
    WriteFormInc(ProjectSettings{}, earlier, writer);
    writer.StartFile();
    WriteFormInc(ProjectSettings{}, fields, writer);
    EXPECT_EQ(std::vector<std::string>(writer.Lines().begin() + kHeaderLines, writer.Lines().end()),
              alone);
    EXPECT_EQ(CountContaining(alone, "earlier_field"), 0u);
  }
}

TEST(WriteFormIncTest, NamesAndDescriptionsAreNotAltered) {
  FieldDefinition odd = test::F("My Field", "", "say \"hi\" \\ ");
  const auto body = Body(ProjectSettings{}, {odd});
  EXPECT_EQ(body[46], "      form_My Field_edit_ID = CreateEditBox()");
  EXPECT_EQ(body[71], "      form_My Field_txt_ID = Createtext(\"say \"hi\" \\ \")");
}

}  // namespace
}  // namespace tablesmith
