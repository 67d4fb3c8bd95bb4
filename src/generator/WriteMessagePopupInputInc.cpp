#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {

// The message popup input include: mespopup_input() answers a press on the
// popup's Cancel button (close popup and form, back to the list) and on its
// OK button (remove the selected record, save, reload, back to the list).
void WriteMessagePopupInputInc(const ProjectSettings& settings, const FieldList& fields,
                               LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  out.Line("function {{MESSAGEPREFIX}}input()");
  out.Spaces(4);
  out.Line("        If GetPointerPressed()=1");
  out.Line("            If {{PROGRAMPREFIX}}spritehit = {{MESSAGEPREFIX}}cancelbtn_img_ID");
  out.Line("                {{MESSAGEPREFIX}}cleanup()");
  out.Line("                {{FORMPREFIX}}cleanup()");
  out.Line("                {{PROGRAMPREFIX}}state=0");
  out.Line("            elseif {{PROGRAMPREFIX}}spritehit = {{MESSAGEPREFIX}}okbtn_img_ID    ");
  // A record before the last: every later record moves down one place.
  out.Line(
      "                    if {{PROGRAMPREFIX}}current_record < {{PROGRAMPREFIX}}total_records");
  out.Line(
      "                            For i = {{PROGRAMPREFIX}}current_record To "
      "{{PROGRAMPREFIX}}total_records");
  for (const auto& field : fields) {
    out.Line(field,
             "                                {{PROGRAMPREFIX}}db[i].{{FIELDNAME}} = "
             "{{PROGRAMPREFIX}}db[i+1].{{FIELDNAME}}");
  }
  out.Line("                            Next i");
  out.Line("                            Dec {{PROGRAMPREFIX}}total_records");
  // The last record: cleared and dropped, unless it is the only one.
  out.Line("                            Else");
  out.Line("                            // Dont delete the final record");
  out.Line("                                If {{PROGRAMPREFIX}}current_record <> 1");
  for (const auto& field : fields) {
    if (HasType(field, kTypeInteger)) {
      out.Line(field,
               "                                   {{PROGRAMPREFIX}}db[i].{{FIELDNAME}} = 0");
    } else if (HasType(field, kTypeString)) {
      out.Line(field,
               "                                   {{PROGRAMPREFIX}}db[i].{{FIELDNAME}} = \"\"");
    } else if (HasType(field, kTypeFloat)) {
      out.Line(field,
               "                                   {{PROGRAMPREFIX}}db[i].{{FIELDNAME}} = 0");
    }
  }
  out.Line("                                    //Shift back one record");
  out.Line("                                    Dec {{PROGRAMPREFIX}}current_record");
  out.Line("                                    Dec {{PROGRAMPREFIX}}total_records");
  out.Line("                                EndIF");
  out.EmptyLine();
  out.Line("                             endif");
  // Either way: save, reload, close popup and form, back to the list.
  out.Line("                            {{LISTPREFIX}}SaveToFile()");
  out.Line("                            {{LISTPREFIX}}loadfile()            ");
  out.Line("                            {{MESSAGEPREFIX}}cleanup()");
  out.Line("                            {{FORMPREFIX}}cleanup()");
  out.Line("                            {{PROGRAMPREFIX}}state=0");
  out.Line("                    endif");
  out.Line("        endif");
  out.Spaces(4);
  out.Line("endfunction");
  out.EmptyLine();
}

}  // namespace tablesmith
