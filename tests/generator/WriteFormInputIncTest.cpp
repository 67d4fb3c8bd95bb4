#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/Generators.h"
#include "support/GeneratorTestSupport.h"

namespace tablesmith {
namespace {

// The lines after the header comment block, as built (trailing spaces kept).
std::vector<std::string> Body(const ProjectSettings& settings, const FieldList& fields) {
  return test::BodyOf(WriteFormInputInc, settings, fields);
}

// A line indented by `spaces`.
std::string In(std::size_t spaces, const std::string& text) {
  return std::string(spaces, ' ') + text;
}

// One field of each type after the first, and one of no type, which is not stored.
FieldList FiveFields() {
  return {test::F("id", "Integer"), test::F("qty", "Integer"), test::F("name", "String"),
          test::F("price", "Float"), test::F("note", "")};
}

std::vector<std::string> FiveFieldListing() {
  return {
      "function form_input()",
      In(4, ""),
      In(8, "If GetPointerPressed()=1"),
      In(15, "If prg_spritehit = form_cancelbtn_img_ID"),
      In(24, "form_cleanup()"),
      In(24, "If prg_formstat = 0"),
      In(28, "prg_total_records = prg_total_records - 1"),
      In(24, "EndIF"),
      In(24, "prg_State = 0"),
      In(15, "ElseIf prg_spritehit = form_okbtn_img_ID"),
      In(20, "If prg_formstat = 0 // insert"),
      In(24, "//message(\"insert new\")"),
      In(24, "prg_db[prg_total_records].id = prg_total_records"),
      In(24, "prg_db[prg_total_records].qty = val(GetEditBoxText(form_qty_edit_ID))"),
      In(24, "prg_db[prg_total_records].name = GetEditBoxText(form_name_edit_ID)"),
      In(24, "prg_db[prg_total_records].price = valfloat(GetEditBoxText(form_price_edit_ID))"),
      In(24, "list_SaveToFile()"),
      In(24, "list_loadfile()" + In(24, "")),
      In(24, "prg_State = 0"),
      In(24, "form_cleanup()"),
      In(24, "prg_State = 0"),
      In(20, "ElseIf prg_formstat= 1 // change"),
      In(24, "prg_db[prg_current_record].id = prg_current_record"),
      In(24, "prg_db[prg_current_record].qty = val(GetEditBoxText(form_qty_edit_ID))"),
      In(24, "prg_db[prg_current_record].name = GetEditBoxText(form_name_edit_ID)"),
      In(24, "prg_db[prg_current_record].price = valfloat(GetEditBoxText(form_price_edit_ID))"),
      In(24, "list_SaveToFile()"),
      In(24, "list_loadfile()"),
      In(24, "form_cleanup()"),
      In(24, "prg_State = 0"),
      In(20, "EndIF"),
      In(16, "EndIF"),
      In(12, "EndIF"),
      In(4, ""),
      "endfunction",
  };
}

TEST(WriteFormInputIncTest, DefaultPrefixesGiveEveryLineAsBuilt) {
  const auto body = Body(ProjectSettings{}, FiveFields());
  EXPECT_EQ(body, FiveFieldListing());
  EXPECT_EQ(body.size(), 27u + 2u * 4u);

  ASSERT_EQ(body.size(), 35u);
  EXPECT_EQ(body[15],
            "                        prg_db[prg_total_records].price = "
            "valfloat(GetEditBoxText(form_price_edit_ID))");
  EXPECT_EQ(body[25],
            "                        prg_db[prg_current_record].price = "
            "valfloat(GetEditBoxText(form_price_edit_ID))");
}

// Cancel hands back the record slot only when the form was opened for an insert.
TEST(WriteFormInputIncTest, CancelGivesBackTheSlotOnlyAfterAnInsert) {
  ProjectSettings settings;
  settings.PROGRAMPREFIX = "";
  const auto body = Body(settings, {});
  const std::vector<std::string> cancel(body.begin() + 3, body.begin() + 9);
  EXPECT_EQ(cancel, (std::vector<std::string>{
                        In(15, "If spritehit = form_cancelbtn_img_ID"),
                        In(24, "form_cleanup()"),
                        In(24, "If formstat = 0"),
                        In(28, "total_records = total_records - 1"),
                        In(24, "EndIF"),
                        In(24, "State = 0"),
                    }));
}

TEST(WriteFormInputIncTest, PrefixesAreInsertedAsStoredEvenWhenEmpty) {
  struct Case {
    std::string form, program, list;
  };
  for (const Case& c : {Case{"", "", ""}, Case{"F", "P", "L"}, Case{"ed_", "app_", "rows_"}}) {
    ProjectSettings settings;
    settings.FORMPREFIX = c.form;
    settings.PROGRAMPREFIX = c.program;
    settings.LISTPREFIX = c.list;
    settings.MESSAGEPREFIX = "unused_popup_";
    const auto expected = test::Replaced(
        FiveFieldListing(), {{"form_", c.form}, {"prg_", c.program}, {"list_", c.list}});
    EXPECT_EQ(Body(settings, FiveFields()), expected)
        << "FORMPREFIX \"" << c.form << "\", PROGRAMPREFIX \"" << c.program << "\", LISTPREFIX \""
        << c.list << "\"";
  }
}

// The first field of the list receives the record number whatever its type,
// converted to text when the member is a String.
TEST(WriteFormInputIncTest, FirstFieldReceivesTheRecordNumberForEveryType) {
  struct Case {
    std::string type;
    std::string insertValue, changeValue;
  };
  const std::vector<Case> cases = {
      {"Integer", "prg_total_records", "prg_current_record"},
      {"Float", "prg_total_records", "prg_current_record"},
      {"String", "Str(prg_total_records)", "Str(prg_current_record)"},
      {"String  ", "Str(prg_total_records)", "Str(prg_current_record)"},
      {"string", "prg_total_records", "prg_current_record"},
      {"", "prg_total_records", "prg_current_record"},
      {"Date", "prg_total_records", "prg_current_record"},
  };
  for (const Case& c : cases) {
    const auto body = Body(ProjectSettings{}, {test::F("key", c.type)});
    SCOPED_TRACE("type \"" + c.type + "\"");
    ASSERT_EQ(body.size(), 29u);
    EXPECT_EQ(body[12], In(24, "prg_db[prg_total_records].key = " + c.insertValue));
    EXPECT_EQ(body[19], In(24, "prg_db[prg_current_record].key = " + c.changeValue));
  }
}

// A further field's line by its type text: exact words, trailing spaces not counting.
TEST(WriteFormInputIncTest, FurtherFieldsAreStoredByTheirExactType) {
  struct Case {
    std::string type;
    std::string value;  // empty: the field gets no line
  };
  const std::vector<Case> cases = {
      {"Integer", "val(GetEditBoxText(form_v_edit_ID))"},
      {"Integer ", "val(GetEditBoxText(form_v_edit_ID))"},
      {"String", "GetEditBoxText(form_v_edit_ID)"},
      {"Float", "valfloat(GetEditBoxText(form_v_edit_ID))"},
      {"Float   ", "valfloat(GetEditBoxText(form_v_edit_ID))"},
      {"integer", ""},
      {"FLOAT", ""},
      {" String", ""},
      {"", ""},
      {"Date", ""},
  };
  for (const Case& c : cases) {
    const auto body = Body(ProjectSettings{}, {test::F("id", "Integer"), test::F("v", c.type)});
    SCOPED_TRACE("type \"" + c.type + "\"");
    if (c.value.empty()) {
      ASSERT_EQ(body.size(), 29u);
      EXPECT_EQ(body[13], In(24, "list_SaveToFile()"));
      EXPECT_EQ(body[20], In(24, "list_SaveToFile()"));
    } else {
      ASSERT_EQ(body.size(), 31u);
      EXPECT_EQ(body[13], In(24, "prg_db[prg_total_records].v = " + c.value));
      EXPECT_EQ(body[21], In(24, "prg_db[prg_current_record].v = " + c.value));
    }
  }
}

TEST(WriteFormInputIncTest, NoFieldsLeaveOnlyTheFixedLines) {
  const auto body = Body(ProjectSettings{}, {});
  ASSERT_EQ(body.size(), 27u);
  const std::vector<std::string> insert(body.begin() + 10, body.begin() + 22);
  EXPECT_EQ(insert, (std::vector<std::string>{
                        In(20, "If prg_formstat = 0 // insert"),
                        In(24, "//message(\"insert new\")"),
                        In(24, "list_SaveToFile()"),
                        In(24, "list_loadfile()" + In(24, "")),
                        In(24, "prg_State = 0"),
                        In(24, "form_cleanup()"),
                        In(24, "prg_State = 0"),
                        In(20, "ElseIf prg_formstat= 1 // change"),
                        In(24, "list_SaveToFile()"),
                        In(24, "list_loadfile()"),
                        In(24, "form_cleanup()"),
                        In(24, "prg_State = 0"),
                    }));
}

TEST(WriteFormInputIncTest, TwentyCharacterNamesAreWrittenWhole) {
  const std::string first = "customer_number_long";
  const std::string other = "customer_name_longer";
  const auto body = Body(ProjectSettings{}, {test::F(first, "String"), test::F(other, "Integer")});
  ASSERT_EQ(body.size(), 31u);
  EXPECT_EQ(body[12], In(24, "prg_db[prg_total_records]." + first + " = Str(prg_total_records)"));
  EXPECT_EQ(body[13], In(24, "prg_db[prg_total_records]." + other + " = val(GetEditBoxText(form_" +
                                 other + "_edit_ID))"));
  EXPECT_EQ(body[20], In(24, "prg_db[prg_current_record]." + first + " = Str(prg_current_record)"));
  EXPECT_EQ(body[21], In(24, "prg_db[prg_current_record]." + other + " = val(GetEditBoxText(form_" +
                                 other + "_edit_ID))"));
}

}  // namespace
}  // namespace tablesmith
