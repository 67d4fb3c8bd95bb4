#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {

// The list view's input include: list_input() handles the pointer, buttons,
// keys, wheel and scroll thumb every frame and hands over to the record form
// (insert, change) or the delete popup; list_gettextpressed() selects the row
// under the pointer; list_getscroll() moves the scroll position and redraws.
void WriteListInputInc(const ProjectSettings& settings, const FieldList& fields,
                       LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  // Change and delete show the selected record in the form's edit boxes, one line per field.
  // The first field holds the record number; other Integer fields show their stored value.
  const auto fillEditBoxes = [&] {
    for (const auto& field : fields) {
      const bool firstField = &field == &fields.front();
      if (HasType(field, kTypeInteger) && firstField) {
        out.Line(field,
                 "                  SetEditBoxText({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,"
                 "Str({{PROGRAMPREFIX}}current_record))");
      } else if (HasType(field, kTypeInteger)) {
        out.Line(field,
                 "                  SetEditBoxText({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,"
                 "Str({{PROGRAMPREFIX}}db[{{PROGRAMPREFIX}}current_record].{{FIELDNAME}}))");
      } else if (HasType(field, kTypeString)) {
        out.Line(field,
                 "                  SetEditBoxText({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,"
                 "{{PROGRAMPREFIX}}db[{{PROGRAMPREFIX}}current_record].{{FIELDNAME}})");
      } else if (HasType(field, kTypeFloat)) {
        out.Line(field,
                 "                  SetEditBoxText({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,"
                 "str({{PROGRAMPREFIX}}db[{{PROGRAMPREFIX}}current_record].{{FIELDNAME}}))");
      }
      // A field of any other type gets no edit box line.
    }
  };

  // list_input(), pointer press: select the row, give the pressed sprite its pressed look,
  // then run the one action of the pressed button or key.
  out.Line("Function {{LISTPREFIX}}input()");
  out.Spaces(4);
  out.Line("    If GetPointerPressed()=1");
  out.Line("        {{LISTPREFIX}}gettextpressed()");
  out.Line(
      "        If {{PROGRAMPREFIX}}spritehit <> 0 And {{PROGRAMPREFIX}}spritehit <> "
      "{{LISTPREFIX}}border_img_ID And {{PROGRAMPREFIX}}spritehit <> {{LISTPREFIX}}winbg_img_ID");
  out.Line("            sx = GetSpriteWidth({{PROGRAMPREFIX}}spritehit)");
  out.Line("            sy = GetSpriteHeight({{PROGRAMPREFIX}}spritehit)");
  out.Line("            SetSpriteSize({{PROGRAMPREFIX}}spritehit,sx+4,sy+4)");
  out.Line("            Sync()");
  out.Line("            If {{PROGRAMPREFIX}}spritehit = {{LISTPREFIX}}scrollup_img_id");
  out.Line("                {{LISTPREFIX}}getscroll(1,0)");
  out.Line("                ElseIf {{PROGRAMPREFIX}}spritehit = {{LISTPREFIX}}scrolldown_img_ID");
  out.Line("                {{LISTPREFIX}}getscroll(1,1)");
  out.Line("                ElseIf {{PROGRAMPREFIX}}spritehit = {{LISTPREFIX}}closebtn_img_ID");
  out.Line("                {{PROGRAMPREFIX}}state=99");
  out.Line("                //{{LISTPREFIX}}cleanup()");
  out.Line(
      "                ElseIf GetRawKeyPressed(KEY_DOWN) //Or {{PROGRAMPREFIX}}spritehit = "
      "{{LISTPREFIX}}forw_img_ID");
  out.Line("                {{LISTPREFIX}}getscroll(1,1)");
  out.Line(
      "                ElseIf GetRawKeyPressed(KEY_UP) //Or {{PROGRAMPREFIX}}spritehit = "
      "{{LISTPREFIX}}back_img_ID");
  out.Line("                {{LISTPREFIX}}getscroll(1,0)");
  out.Line("                ElseIf GetRawKeyPressed(KEY_PAGEDOWN)");
  out.Line("                {{LISTPREFIX}}getscroll({{PROGRAMPREFIX}}maxrec,1)");
  out.Line("                ElseIf GetRawKeyPressed(KEY_PAGEUP)");
  out.Line("                {{LISTPREFIX}}getscroll({{PROGRAMPREFIX}}maxrec,0)");
  out.Line("                ElseIf {{PROGRAMPREFIX}}spritehit = {{LISTPREFIX}}insert_img_ID");
  out.Line("                {{PROGRAMPREFIX}}formstat = 0");
  out.Line("                {{PROGRAMPREFIX}}total_records = {{PROGRAMPREFIX}}total_records + 1");
  out.Line("                {{PROGRAMPREFIX}}State = 1");
  out.Line("                {{FORMPREFIX}}setup()");
  // The new record number goes into the edit box of the table's first field.
  if (!fields.empty()) {
    out.Line(fields.front(),
             "                SetEditBoxText({{FORMPREFIX}}{{FIELDNAME}}_edit_id,"
             "Str({{PROGRAMPREFIX}}total_records))");
  }
  out.Line("                ElseIf {{PROGRAMPREFIX}}spritehit = {{LISTPREFIX}}change_img_ID");
  out.Line("                If {{PROGRAMPREFIX}}current_record = 0");
  out.Line(
      "                    Message(\"Please select a Record from the \"+Chr(10)+\"Listview to "
      "Change or Delete\")");
  out.Line("                    Else");
  out.Line("                    {{PROGRAMPREFIX}}formstat = 1");
  out.Line("                    {{FORMPREFIX}}setup()");
  out.Line("                    {{LISTPREFIX}}loaded =0");
  out.Line("                    {{PROGRAMPREFIX}}State = 1");
  fillEditBoxes();
  out.Line("                EndIF");
  out.Line("                ElseIf {{PROGRAMPREFIX}}spritehit = {{LISTPREFIX}}delete_img_ID");
  out.Line("                If {{PROGRAMPREFIX}}current_record = 0");
  out.Line(
      "                    Message(\"Please select a Record from the \"+Chr(10)+\"Listview to "
      "Change or Delete\")");
  out.Line("                    Else");
  out.Line("                    {{PROGRAMPREFIX}}formstat = 2");
  out.Line("                    {{PROGRAMPREFIX}}State = 2");
  out.Line("                    {{FORMPREFIX}}setup()");
  out.Line("                    {{MESSAGEPREFIX}}setup()");
  fillEditBoxes();
  out.Line("                EndIF");
  out.Line("            EndIF");
  out.Line("            {{LISTPREFIX}}gettextPressed()");
  out.Line("            If GetSpriteExists({{PROGRAMPREFIX}}spritehit)");
  out.Line("                SetSpriteSize({{PROGRAMPREFIX}}spritehit,sx,sy)");
  out.Line("            EndIF");
  out.Line("        EndIF");
  out.Line("    EndIF");
  out.Spaces(4);

  // Thumb position from the scroll position, then mouse wheel, keys and a held pointer.
  out.Line("    If {{PROGRAMPREFIX}}total_records > {{PROGRAMPREFIX}}maxrec");
  out.Line("        {{PROGRAMPREFIX}}cc = {{PROGRAMPREFIX}}scroll + {{PROGRAMPREFIX}}maxrec");
  out.Line(
      "        {{PROGRAMPREFIX}}lp = ( {{PROGRAMPREFIX}}cc / {{PROGRAMPREFIX}}total_records) * "
      "100");
  out.Line("    EndIF");
  out.Spaces(4);
  out.Line("    xx = GetSpriteX({{LISTPREFIX}}thumb_img_ID)");
  out.Line("    yy = GetSpriteY({{LISTPREFIX}}thumb_img_ID)");
  out.Spaces(4);
  out.Line("    {{PROGRAMPREFIX}}newy = {{PROGRAMPREFIX}}lp * {{PROGRAMPREFIX}}tbdiff / 100");
  out.Line("    {{PROGRAMPREFIX}}newy = {{PROGRAMPREFIX}}newy + {{PROGRAMPREFIX}}topb");
  out.Spaces(4);
  out.Line("    SetSpritePosition({{LISTPREFIX}}thumb_img_id,xx,{{PROGRAMPREFIX}}newy)");
  out.Spaces(4);
  out.Line("    rm=GetRawMouseWheelDelta()");
  out.Line("    If rm < 0");
  out.Line("        {{LISTPREFIX}}getscroll(10,1)");
  out.Line("        ElseIf rm > 0");
  out.Line("        {{LISTPREFIX}}getscroll(10,0)");
  out.Line("    EndIF");
  out.Spaces(4);
  out.Line("    If GetRawKeyPressed(KEY_DOWN)");
  out.Line("        {{LISTPREFIX}}getscroll(1,1)");
  out.Line("        ElseIf GetRawKeyPressed(KEY_UP)");
  out.Line("        {{LISTPREFIX}}getscroll(1,0)");
  out.Line("        ElseIf GetRawKeyPressed(KEY_PAGEDOWN)");
  out.Line("        {{LISTPREFIX}}getscroll({{PROGRAMPREFIX}}maxrec,1)");
  out.Line("        ElseIf GetRawKeyPressed(KEY_PAGEUP)");
  out.Line("        {{LISTPREFIX}}getscroll({{PROGRAMPREFIX}}maxrec,0)");
  out.Line("    EndIF");
  out.Spaces(4);
  out.Spaces(4);
  out.Line("    If GetPointerState() = 1");
  out.Line("        If {{PROGRAMPREFIX}}spritehit = {{LISTPREFIX}}scrollup_img_ID");
  out.Line("            {{LISTPREFIX}}getscroll(1,0)");
  out.Line("            ElseIf {{PROGRAMPREFIX}}spritehit = {{LISTPREFIX}}scrolldown_img_ID");
  out.Line("            {{LISTPREFIX}}getscroll(1,1)");
  out.Line("        EndIF");
  out.Line("    EndIF");
  out.Spaces(4);
  out.Spaces(4);
  out.Spaces(4);
  out.Line("EndFunction");
  out.EmptyLine();

  // list_gettextpressed(): the row text under the pointer turns red, its record becomes the
  // current record and the footer shows its id.
  out.Line("Function {{LISTPREFIX}}gettextpressed()");
  out.Line("    For i=1 To {{PROGRAMPREFIX}}total_records");
  out.Line("        If GetTextExists(i)");
  out.Line("            SetTextColor(i,0,0,0,255)");
  out.Line("            ok=GetTextHitTest(i,GetPointerX(),GetPointerY())");
  out.Line("            If ok");
  out.Line("                If GetTextExists({{LISTPREFIX}}footer_Txt_id)");
  out.Line("                    Else");
  out.Line("                    {{LISTPREFIX}}footer_Txt_id = CreateText(\"..\")");
  out.Line("                EndIF");
  out.Line("                SetTextColor(i,255,0,0,255)");
  out.Line(
      "                {{PROGRAMPREFIX}}current_record = "
      "{{PROGRAMPREFIX}}listq[{{LISTPREFIX}}tmp[i].cqnum].id");
  out.Line(
      "                SetTextString({{LISTPREFIX}}footer_Txt_ID,"
      "\"ID: \"+Str({{PROGRAMPREFIX}}listq[{{LISTPREFIX}}tmp[i].cqnum].id))");
  out.Line("                SetTextSize({{LISTPREFIX}}footer_Txt_ID,20)");
  out.Line(
      "                SetTextPosition({{LISTPREFIX}}footer_Txt_ID,"
      "GetSpriteX({{LISTPREFIX}}footer_img_id)+10,GetSpriteY({{LISTPREFIX}}footer_img_id)+2)");
  out.Line("                SetTextColor ({{LISTPREFIX}}footer_Txt_ID,0,0,0,255)");
  out.Line("                Exit");
  out.Line("            EndIF");
  out.Line("        EndIF");
  out.Line("    Next");
  out.Spaces(4);
  out.Line("EndFunction");
  out.EmptyLine();

  // list_getscroll(q,np): q records forward (np 1) or back (np 0), kept in range; rows redrawn.
  out.Line("Function {{LISTPREFIX}}getscroll(q,np)");
  out.Line("    //q - how much to scroll");
  out.Line("    // 0 = neg   1 - pos");
  out.Spaces(4);
  out.Line("    If {{PROGRAMPREFIX}}total_records > {{PROGRAMPREFIX}}maxrec");
  out.Line("        If np = 1");
  out.Line("            {{PROGRAMPREFIX}}scroll = {{PROGRAMPREFIX}}scroll + q");
  out.Line("            If {{PROGRAMPREFIX}}scroll => {{PROGRAMPREFIX}}total_records");
  out.Line("                {{PROGRAMPREFIX}}scroll = {{PROGRAMPREFIX}}total_records - q");
  out.Line("            EndIF");
  out.Line("            Else");
  out.Line("            {{PROGRAMPREFIX}}scroll = {{PROGRAMPREFIX}}scroll - q");
  out.Line("            If {{PROGRAMPREFIX}}scroll <= 0");
  out.Line("                {{PROGRAMPREFIX}}scroll = 1");
  out.Line("            EndIF");
  out.Line("        EndIF");
  out.Spaces(8);
  out.Spaces(8);
  out.Spaces(8);
  out.Line("    EndIF");
  out.Line("    {{LISTPREFIX}}getrecords()");
  out.Line("EndFunction");
  out.EmptyLine();
}

}  // namespace tablesmith
