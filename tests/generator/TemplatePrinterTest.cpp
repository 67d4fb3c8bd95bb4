#include "generator/TemplatePrinter.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace tablesmith {
namespace {

TEST(TemplatePrinterTest, SubstitutesSettingsFieldsAndExtrasWithoutRescanningValues) {
  LineWriter writer;
  ProjectSettings settings;
  settings.PROGRAMPREFIX = "{{LISTPREFIX}}";  // user text is never a pattern
  settings.LISTX1 = -5;
  TemplatePrinter out(writer, settings);
  FieldDefinition field{7, "Desc ", "age", "Integer"};

  out.Line("{{PROGRAMPREFIX}}x = {{LISTX1}}");
  out.Line(field, "{{ID}}:{{FIELDNAME}} as {{FIELDTYPE}} // {{FIELD_DESCRPTION}}|");
  out.Line("{{A}}{{B}}{{FORMPREFIX}}", {{"A", "1"}, {"B", "{{A}}"}});
  out.Set("PREV", "name");
  out.Line("{{PREV}}_edit");
  out.Spaces(3);
  out.EmptyLine();
  EXPECT_EQ(writer.Lines(), (std::vector<std::string>{"{{LISTPREFIX}}x = -5",
                                                      "7:age as Integer // Desc |",
                                                      "1{{A}}form_", "name_edit", "   ", ""}));
  EXPECT_THROW(out.Line("{{NOSUCH}}"), std::logic_error);
  EXPECT_THROW(out.Line("{{FIELDNAME}}"), std::logic_error) << "no field outside a field loop";
  EXPECT_THROW(out.Line("{{OPEN"), std::logic_error);
}

}  // namespace
}  // namespace tablesmith
