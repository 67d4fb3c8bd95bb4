#include <string>
#include <string_view>

#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {

// The form input include: form_input() answers a press on the form's Cancel
// button (close the form, back to the list) and on its OK button (store the
// edit boxes into the record, save, reload, back to the list).
void WriteFormInputInc(const ProjectSettings& settings, const FieldList& fields,
                       LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  // Stores every field's edit box into prg_db[<record>]: the first field gets
  // the record number itself (as text when the member is a String), the others
  // their box's text converted to the member's type. A field of any other type
  // is not stored.
  const auto storeFields = [&](std::string_view record) {
    const TemplatePrinter::Variables recordVar = {{"RECORD", record}};
    for (const auto& field : fields) {
      if (&field == &fields.front()) {
        if (HasType(field, kTypeString)) {
          out.Line(field,
                   "                        {{PROGRAMPREFIX}}db[{{PROGRAMPREFIX}}{{RECORD}}]."
                   "{{FIELDNAME}} = Str({{PROGRAMPREFIX}}{{RECORD}})",
                   recordVar);
        } else {
          out.Line(field,
                   "                        {{PROGRAMPREFIX}}db[{{PROGRAMPREFIX}}{{RECORD}}]."
                   "{{FIELDNAME}} = {{PROGRAMPREFIX}}{{RECORD}}",
                   recordVar);
        }
      } else if (HasType(field, kTypeInteger)) {
        out.Line(field,
                 "                        {{PROGRAMPREFIX}}db[{{PROGRAMPREFIX}}{{RECORD}}]."
                 "{{FIELDNAME}} = val(GetEditBoxText({{FORMPREFIX}}{{FIELDNAME}}_edit_ID))",
                 recordVar);
      } else if (HasType(field, kTypeString)) {
        out.Line(field,
                 "                        {{PROGRAMPREFIX}}db[{{PROGRAMPREFIX}}{{RECORD}}]."
                 "{{FIELDNAME}} = GetEditBoxText({{FORMPREFIX}}{{FIELDNAME}}_edit_ID)",
                 recordVar);
      } else if (HasType(field, kTypeFloat)) {
        out.Line(field,
                 "                        {{PROGRAMPREFIX}}db[{{PROGRAMPREFIX}}{{RECORD}}]."
                 "{{FIELDNAME}} = valfloat(GetEditBoxText({{FORMPREFIX}}{{FIELDNAME}}_edit_ID))",
                 recordVar);
      }
    }
  };

  out.Line("function {{FORMPREFIX}}input()");
  out.Spaces(4);
  out.Line("        If GetPointerPressed()=1");
  out.Line("               If {{PROGRAMPREFIX}}spritehit = {{FORMPREFIX}}cancelbtn_img_ID");
  out.Line("                        {{FORMPREFIX}}cleanup()");
  // Only an insert reserved a record slot; a cancelled change keeps the count.
  out.Line("                        If {{PROGRAMPREFIX}}formstat = 0");
  out.Line(
      "                            {{PROGRAMPREFIX}}total_records = "
      "{{PROGRAMPREFIX}}total_records - 1");
  out.Line("                        EndIF");
  out.Line("                        {{PROGRAMPREFIX}}State = 0");
  out.Line("               ElseIf {{PROGRAMPREFIX}}spritehit = {{FORMPREFIX}}okbtn_img_ID");
  out.Line("                    If {{PROGRAMPREFIX}}formstat = 0 // insert");
  out.Line("                        //message(\"insert new\")");
  storeFields("total_records");
  out.Line("                        {{LISTPREFIX}}SaveToFile()");
  out.Line("                        {{LISTPREFIX}}loadfile()                        ");
  out.Line("                        {{PROGRAMPREFIX}}State = 0");
  out.Line("                        {{FORMPREFIX}}cleanup()");
  out.Line("                        {{PROGRAMPREFIX}}State = 0");
  out.Line("                    ElseIf {{PROGRAMPREFIX}}formstat= 1 // change");
  storeFields("current_record");
  out.Line("                        {{LISTPREFIX}}SaveToFile()");
  out.Line("                        {{LISTPREFIX}}loadfile()");
  out.Line("                        {{FORMPREFIX}}cleanup()");
  out.Line("                        {{PROGRAMPREFIX}}State = 0");
  out.Line("                    EndIF");
  out.Line("                EndIF");
  out.Line("            EndIF");
  out.Spaces(4);
  out.Line("endfunction");
}

}  // namespace tablesmith
