#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {

// The globals include: every global, type and constant that the generated
// sources share, from the record type built from the fields to the frames,
// image handles and sprite handles of the list, the form and the popup.
void WriteGlobalsInc(const ProjectSettings& settings, const FieldList& fields, LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  // Program globals and the record type.
  out.Line("//program ");
  out.EmptyLine();
  out.Line("Global {{PROGRAMPREFIX}}readfile As String = \"{{TABLENAME}}\"");
  out.Line("#Constant {{PROGRAMPREFIX}}max_records = 100000");
  out.EmptyLine();
  out.Line("Type {{PROGRAMPREFIX}}Table");
  for (const auto& field : fields) {
    out.Line(field, "    {{FIELDNAME}} as {{FIELDTYPE}} ");
  }
  out.Line("EndType");
  out.EmptyLine();
  out.Line("Global {{PROGRAMPREFIX}}db As {{PROGRAMPREFIX}}Table[{{PROGRAMPREFIX}}max_records]");
  out.EmptyLine();
  out.Line("//qeues for calcs and parsing");
  out.EmptyLine();
  out.Line("Type {{PROGRAMPREFIX}}nqueue");
  out.Line("    qnum As Integer");
  out.Line("    cqnum As Integer");
  out.Line("EndType");
  out.EmptyLine();
  out.Line("Global {{LISTPREFIX}}tmp As {{PROGRAMPREFIX}}nqueue[50]");
  out.Line("Global {{LISTPREFIX}}tmpLen = 50");
  out.EmptyLine();
  out.Line("Type {{PROGRAMPREFIX}}Checked");
  out.Line("    id As Integer");
  out.Line("    cline As String");
  out.Line("EndType");
  out.EmptyLine();
  out.Line("Global {{PROGRAMPREFIX}}listq As {{PROGRAMPREFIX}}Checked[100000]");
  out.EmptyLine();
  out.EmptyLine();
  out.Line("Global {{PROGRAMPREFIX}}formstat As Integer // 0-insert, 1 change 2 delete ");
  out.Line("Global {{PROGRAMPREFIX}}theme As String = \"{{THEME}}\\\" ");
  out.Line(
      "Global {{PROGRAMPREFIX}}percentPixel As Integer = 1 "
      "// 0 - use percentage of window size 1 use pixel ");
  out.Line("Global {{PROGRAMPREFIX}}percentw As Float = 4.0");
  out.Line("Global {{PROGRAMPREFIX}}percenth As Float = 10  // not used yet");
  out.Line("Global {{PROGRAMPREFIX}}spritehit As Integer");
  out.Line(
      "Global {{PROGRAMPREFIX}}state as integer = 0  "
      "//windows state = 0 - list, 1, form, 2 message");
  out.Line("Global {{PROGRAMPREFIX}}topb As Float ");
  out.Line("Global {{PROGRAMPREFIX}}bottomT As Float ");
  out.Line("Global {{PROGRAMPREFIX}}tbdiff As Float ");
  out.Line("Global {{PROGRAMPREFIX}}lp As Float");
  out.Line("Global {{PROGRAMPREFIX}}newy As Float  ");
  out.Line("Global {{PROGRAMPREFIX}}thumbheight As Float ");
  out.Line("global {{PROGRAMPREFIX}}cc as float");
  out.Line("Global {{PROGRAMPREFIX}}textsize As Integer =  {{TEXTSOZE}}");
  out.Line("Global {{PROGRAMPREFIX}}scrollbarwidth As integer = {{SCROLLBARWIDTH}}");
  out.Line("Global {{PROGRAMPREFIX}}scroll As Float  = 1 ");
  out.Line("global {{PROGRAMPREFIX}}total_records as integer");
  out.Line("global {{PROGRAMPREFIX}}current_record as integer");
  out.Line("global {{PROGRAMPREFIX}}maxrec as integer = {{LISTMAXRECORDS}}");
  out.EmptyLine();

  // List view globals.
  out.Line("// list globals");
  out.EmptyLine();
  out.Line("global {{LISTPREFIX}}X as integer = {{LISTX1}}");
  out.Line("global {{LISTPREFIX}}Y as integer = {{LISTY1}}");
  out.Line("global {{LISTPREFIX}}W as integer = {{LISTW}}");
  out.Line("global {{LISTPREFIX}}H as integer = {{LISTH}}");
  out.Line("Global {{LISTPREFIX}}border_img As Integer");
  out.Line("Global {{LISTPREFIX}}winbg_img As Integer");
  out.Line("Global {{LISTPREFIX}}header_img As Integer");
  out.Line("Global {{LISTPREFIX}}insert_img As Integer");
  out.Line("Global {{LISTPREFIX}}change_img As Integer");
  out.Line("Global {{LISTPREFIX}}delete_img As Integer");
  out.Line("Global {{LISTPREFIX}}closebtn_img As Integer");
  out.Line("Global {{LISTPREFIX}}scrollup_img As Integer");
  out.Line("Global {{LISTPREFIX}}scrolldown_img As Integer");
  out.Line("Global {{LISTPREFIX}}scrollbg_img As Integer");
  out.Line("Global {{LISTPREFIX}}close_img As Integer");
  out.Line("Global {{LISTPREFIX}}thumb_img As Integer");
  out.Line("Global {{LISTPREFIX}}footer_img As Integer");
  out.EmptyLine();
  out.Line("Global {{LISTPREFIX}}border_img_id As Integer");
  out.Line("Global {{LISTPREFIX}}winbg_img_id As Integer ");
  out.Line("Global {{LISTPREFIX}}header_img_id As Integer ");
  out.Line("Global {{LISTPREFIX}}scrolldown_img_id As Integer");
  out.Line("Global {{LISTPREFIX}}scrollup_img_id As Integer ");
  out.Line("Global {{LISTPREFIX}}scrollbg_img_ID As Integer");
  out.Line("Global {{LISTPREFIX}}insert_img_id As Integer");
  out.Line("Global {{LISTPREFIX}}change_img_id As Integer");
  out.Line("Global {{LISTPREFIX}}delete_img_id As Integer");
  out.Line("Global {{LISTPREFIX}}closebtn_img_id As Integer");
  out.Line("Global {{LISTPREFIX}}thumb_img_id As Integer");
  out.Line("Global {{LISTPREFIX}}footer_img_id As Integer");
  out.EmptyLine();
  out.Line("Global {{LISTPREFIX}}footer_txt_id As Integer");
  out.EmptyLine();
  out.Line("//Global {{LISTPREFIX}}start_img As Integer");
  out.Line("//Global {{LISTPREFIX}}end_img As Integer");
  out.Line("//Global {{LISTPREFIX}}back_img As Integer");
  out.Line("//Global {{LISTPREFIX}}forw_img As Integer");
  out.EmptyLine();
  out.Line("//Global {{LISTPREFIX}}footerTextID As Integer");
  out.Line("//Global {{LISTPREFIX}}close_img_id As Integer");
  out.Line("//Global {{LISTPREFIX}}start_img_id As Integer");
  out.Line("//Global {{LISTPREFIX}}end_img_id As Integer ");
  out.Line("//Global {{LISTPREFIX}}back_img_id As Integer");
  out.Line("//Global {{LISTPREFIX}}forw_img_id As Integer");
  out.EmptyLine();

  // Record form globals, with a label and an edit box handle per field.
  out.Line("// form globals");
  out.Line("global {{FORMPREFIX}}x as integer = {{FORMX1}}");
  out.Line("global {{FORMPREFIX}}y as integer = {{FORMY1}}");
  out.Line("global {{FORMPREFIX}}w as integer = {{FORMW}}");
  out.Line("global {{FORMPREFIX}}h as integer = {{FORMH}}");
  out.EmptyLine();
  out.Line("global {{FORMPREFIX}}editboxheight as integer = {{EDITBOXHEIGHT}}");
  out.Line("global {{FORMPREFIX}}editboxtextsize as integer = {{EDITBOXTEXTSIZE}}");
  out.Line("global {{FORMPREFIX}}editboxOffset as integer = {{EDITBOXOFFSET}}");
  out.EmptyLine();
  out.Line("global {{FORMPREFIX}}border_img as integer");
  out.Line("global {{FORMPREFIX}}border_img_ID as integer");
  out.Line("global {{FORMPREFIX}}header_img as integer");
  out.Line("global {{FORMPREFIX}}header_img_ID as integer");
  out.Line("global {{FORMPREFIX}}winbg_img as integer");
  out.Line("global {{FORMPREFIX}}winbg_img_ID as integer");
  out.Line("global {{FORMPREFIX}}header_txt_ID as integer");
  out.Line("global {{FORMPREFIX}}okbtn_img as integer");
  out.Line("global {{FORMPREFIX}}okbtn_img_ID as integer");
  out.Line("global {{FORMPREFIX}}cancelbtn_img as integer");
  out.Line("global {{FORMPREFIX}}cancelbtn_img_ID as integer");
  out.EmptyLine();
  for (const auto& field : fields) {
    out.Line(field, "global {{FORMPREFIX}}{{FIELDNAME}}_txt_ID as integer");
  }
  out.EmptyLine();
  for (const auto& field : fields) {
    out.Line(field, "global {{FORMPREFIX}}{{FIELDNAME}}_edit_ID as integer");
  }
  out.EmptyLine();
  out.EmptyLine();

  // Message popup globals.
  out.Line("// messagebox popup");
  out.Line("global {{MESSAGEPREFIX}}X as integer = {{MBOXX}}");
  out.Line("global {{MESSAGEPREFIX}}Y as integer = {{MBOXY}}");
  out.Line("global {{MESSAGEPREFIX}}W as integer = {{MBOXW}}");
  out.Line("global {{MESSAGEPREFIX}}H as integer = {{MBOXH}}");
  out.EmptyLine();
  out.Line("global {{MESSAGEPREFIX}}border_img as integer");
  out.Line("global {{MESSAGEPREFIX}}border_img_ID as integer");
  out.Line("global {{MESSAGEPREFIX}}header_img as integer");
  out.Line("global {{MESSAGEPREFIX}}header_img_ID as integer");
  out.Line("global {{MESSAGEPREFIX}}winbg_img as integer");
  out.Line("global {{MESSAGEPREFIX}}winbg_img_ID as integer");
  out.Line("global {{MESSAGEPREFIX}}okbtn_img as integer");
  out.Line("global {{MESSAGEPREFIX}}okbtn_img_ID as integer");
  out.Line("global {{MESSAGEPREFIX}}cancelbtn_img as integer");
  out.Line("global {{MESSAGEPREFIX}}cancelbtn_img_ID as integer");
  out.EmptyLine();
  out.EmptyLine();
  out.Line("global {{MESSAGEPREFIX}}mainwin_img as integer");
  out.Line("global {{MESSAGEPREFIX}}header_txt_ID  as integer");
  out.Line("global {{MESSAGEPREFIX}}header_txt_size  as integer = {{MESSAGEHEADERTEXTSIZE}}");
  out.EmptyLine();
  out.Line("global {{MESSAGEPREFIX}}message_txt_ID as integer");
  out.Line("global {{MESSAGEPREFIX}}message_txt_size  as integer = {{MESSAGETEXTSIZE}}");
}

}  // namespace tablesmith
