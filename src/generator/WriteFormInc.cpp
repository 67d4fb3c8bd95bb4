#include <string>

#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {
namespace {

// Spaces that end a line as it is built; the writer drops them on disk.
std::string Pad(std::size_t count) { return std::string(count, ' '); }

}  // namespace

// The form include: form_setup() builds the record form (sprites, header
// text, one edit box and one label per field, stacked from the form's top
// downwards) and form_cleanup() deletes all of it again.
void WriteFormInc(const ProjectSettings& settings, const FieldList& fields, LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  out.EmptyLine();
  out.EmptyLine();
  out.EmptyLine();

  out.Line("function   {{FORMPREFIX}}setup()");
  out.EmptyLine();
  out.Line("      {{FORMPREFIX}}border_img = LoadImage({{PROGRAMPREFIX}}theme+\"borderf.png\")");
  out.Line("      {{FORMPREFIX}}header_img = LoadImage({{PROGRAMPREFIX}}theme+\"winheader.png\")");
  out.Line("      {{FORMPREFIX}}winbg_img = LoadImage({{PROGRAMPREFIX}}theme+\"win.png\")");
  out.Line("      {{FORMPREFIX}}okbtn_img = LoadImage({{PROGRAMPREFIX}}theme+\"ok.png\")");
  out.Line("      {{FORMPREFIX}}cancelbtn_img = LoadImage({{PROGRAMPREFIX}}theme+\"cancel.png\")");
  out.Spaces(4);
  out.Line("      {{FORMPREFIX}}border_img_ID = CreateSprite({{FORMPREFIX}}border_img)");
  out.Line("      {{FORMPREFIX}}header_img_ID = CreateSprite({{FORMPREFIX}}header_img)");
  out.Line("      {{FORMPREFIX}}winbg_img_ID = CreateSprite({{FORMPREFIX}}winbg_img)");
  out.Line("      {{FORMPREFIX}}okbtn_img_ID = CreateSprite({{FORMPREFIX}}okbtn_img)");
  out.Line("      {{FORMPREFIX}}cancelbtn_img_ID = CreateSprite({{FORMPREFIX}}cancelbtn_img)");
  out.Spaces(4);
  out.Line("    SetSpriteSize({{FORMPREFIX}}border_img_ID,  {{FORMPREFIX}}w,  {{FORMPREFIX}}h)");
  out.Line(
      "    SetSpritePosition({{FORMPREFIX}}border_img_ID,  {{FORMPREFIX}}x,  {{FORMPREFIX}}y)");
  out.Line("    SetSpriteDepth({{FORMPREFIX}}border_img_ID,70)");
  out.Spaces(12);
  out.Line(
      "    SetSpriteSize({{FORMPREFIX}}header_img_ID,getspritewidth({{FORMPREFIX}}border_img_ID)-8,"
      "{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{FORMPREFIX}}header_img_ID,getspritex({{FORMPREFIX}}border_img_ID)+4,"
      "getspritey({{FORMPREFIX}}border_img_ID)+2)");
  out.Spaces(4);
  out.EmptyLine();

  // Header text by form mode: 0 insert, 1 change, 2 delete.
  out.Line("    if {{PROGRAMPREFIX}}formstat = 0");
  out.Line("          {{FORMPREFIX}}header_txt_ID = CreateText( \"Insert Record: \")");
  out.Line("    elseif {{PROGRAMPREFIX}}formstat=1");
  out.Line(
      "          {{FORMPREFIX}}header_txt_ID= CreateText( \"Change Record: \""
      "+str({{PROGRAMPREFIX}}current_record)  )");
  out.Line("    elseif {{PROGRAMPREFIX}}formstat=2");
  out.Line(
      "          {{FORMPREFIX}}header_txt_ID = CreateText( \"Delete Record: \""
      "+str({{PROGRAMPREFIX}}current_record) )");
  out.Line("    endif");
  out.EmptyLine();
  out.Line("    w = ({{PROGRAMPREFIX}}scrollbarwidth - {{PROGRAMPREFIX}}textsize+4) / 2");
  out.Spaces(4);
  out.Line("    SetTextSize({{FORMPREFIX}}header_txt_ID,{{PROGRAMPREFIX}}textsize+4)");
  out.Line(
      "    SetTextPosition({{FORMPREFIX}}header_txt_ID,getspritex({{FORMPREFIX}}header_img_ID) + w,"
      "getspritey({{FORMPREFIX}}header_img_ID) + w)");
  out.Line("    SetTextColor({{FORMPREFIX}}header_txt_ID,0,0,0,255)");
  out.Line("    //SettextDepth({{FORMPREFIX}}header_txt_ID,60)");
  out.Spaces(8);
  out.Line(
      "    SetSpriteSize({{FORMPREFIX}}winbg_img_ID,  {{FORMPREFIX}}w - 16,  {{FORMPREFIX}}H-"
      "GetSpriteHeight({{FORMPREFIX}}header_img_ID)-{{PROGRAMPREFIX}}scrollbarwidth + 4)");
  out.Line(
      "    SetSpritePosition({{FORMPREFIX}}winbg_img_ID,"
      "getspritex({{FORMPREFIX}}header_img_ID) + 4,  {{FORMPREFIX}}Y + "
      "{{PROGRAMPREFIX}}scrollbarwidth+4)");
  out.Line("    SetSpriteDepth({{FORMPREFIX}}winbg_img_ID,65)");
  out.EmptyLine();

  // One edit box per field: the first sits at the top of the window
  // background, every further one below the box of the field before it.
  out.Line("// create editboxes");
  out.EmptyLine();
  std::string PREVFIELDNAME;  // the field written just before, in this run only
  for (const auto& field : fields) {
    if (&field == &fields.front()) {
      out.Line(field, "      {{FORMPREFIX}}{{FIELDNAME}}_edit_ID = CreateEditBox()");
      out.Line("    ls = 5");
      out.Line(field,
               "    SetEditBoxSize({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,100,  "
               "{{FORMPREFIX}}editboxheight)");
      out.Line(field,
               "    seteditboxposition({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,getspritex("
               "{{FORMPREFIX}}winbg_img_ID)+  {{FORMPREFIX}}editboxOffset,getspritey("
               "{{FORMPREFIX}}winbg_img_ID)+ls)" +
                   Pad(4));
      out.Line(field, "    SetEditBoxDepth({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,60)" + Pad(4));
      out.Line(field,
               "    SetEditBoxTextSize({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,  "
               "{{FORMPREFIX}}editboxtextsize)" +
                   Pad(5));
      out.Line(field, "    SetEditBoxBorderSize({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,0)");
      out.EmptyLine();
    } else {
      out.Line(field, "      {{FORMPREFIX}}{{FIELDNAME}}_edit_ID = CreateEditBox()");
      out.Line(field,
               "    SetEditBoxSize({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,200,  "
               "{{FORMPREFIX}}editboxheight)");
      out.Line(field,
               "    seteditboxposition({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,getspritex("
               "{{FORMPREFIX}}winbg_img_ID)+  {{FORMPREFIX}}editboxOffset,GetEditBoxY("
               "{{FORMPREFIX}}{{PREVFIELDNAME}}_edit_ID)+  {{FORMPREFIX}}editboxheight+ls )" +
                   Pad(4),
               {{"PREVFIELDNAME", PREVFIELDNAME}});
      out.Line(field, "    SetEditBoxDepth({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,60)" + Pad(68));
      out.Line(field,
               "    SetEditBoxTextSize({{FORMPREFIX}}{{FIELDNAME}}_edit_ID,  "
               "{{FORMPREFIX}}editboxtextsize)" +
                   Pad(64));
      out.EmptyLine();
    }
    PREVFIELDNAME = field.FIELDNAME;
  }
  out.Line("// reize the bg windown after all controls has been placed");
  // Stretch the background down to the last edit box; without fields there is none to name.
  if (!fields.empty()) {
    out.Line(
        "    SetSpriteSize({{FORMPREFIX}}winbg_img_ID,  {{FORMPREFIX}}w - 16,getEditboxy("
        "{{FORMPREFIX}}{{PREVFIELDNAME}}_edit_ID) - getspritey({{FORMPREFIX}}header_img_ID)+"
        "{{PROGRAMPREFIX}}scrollbarwidth)",
        {{"PREVFIELDNAME", PREVFIELDNAME}});
  }
  out.Spaces(4);

  // OK at the right below the background, Cancel to its left.
  out.Line("    SetSpriteSize({{FORMPREFIX}}okbtn_img_ID,-1,{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "     SetSpritePosition({{FORMPREFIX}}okbtn_img_ID,getspritex({{FORMPREFIX}}border_img_ID) + "
      "{{FORMPREFIX}}W - getspritewidth({{FORMPREFIX}}okbtn_img_ID)-5,getspritey("
      "{{FORMPREFIX}}winbg_img_ID)+GetSpriteHeight({{FORMPREFIX}}winbg_img_ID)+2)");
  out.Line("    SetSpriteDepth({{FORMPREFIX}}okbtn_img_ID,60)");
  out.EmptyLine();
  out.Line("    SetSpriteSize({{FORMPREFIX}}cancelbtn_img_ID,-1,{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{FORMPREFIX}}cancelbtn_img_ID,getspritex({{FORMPREFIX}}okbtn_img_ID)-"
      "getspritewidth({{FORMPREFIX}}okbtn_img_ID)-5,getspritey({{FORMPREFIX}}winbg_img_ID)+"
      "GetSpriteHeight({{FORMPREFIX}}winbg_img_ID)+2)");
  out.Line("    SetSpriteDepth({{FORMPREFIX}}cancelbtn_img_ID,60)" + Pad(192));
  out.Spaces(4);
  out.Line("// resize the main border sprite after ok/cancel buttons been placed");
  out.EmptyLine();
  out.Line(
      "    SetSpriteSize({{FORMPREFIX}}border_img_ID,  {{FORMPREFIX}}w,getspriteY("
      "{{FORMPREFIX}}okbtn_img_ID)+{{PROGRAMPREFIX}}scrollbarwidth+5 - getspritey("
      "{{FORMPREFIX}}border_img_ID))");
  out.Spaces(4);

  // One label per field, beside its edit box.
  out.Line("// create text desriptions for editboxes");
  out.Spaces(132);
  for (const auto& field : fields) {
    out.Line(field,
             "      {{FORMPREFIX}}{{FIELDNAME}}_txt_ID = Createtext(\"{{FIELD_DESCRPTION}}\")");
    out.Line(field,
             "    SetTextSize({{FORMPREFIX}}{{FIELDNAME}}_txt_ID,{{PROGRAMPREFIX}}textsize)");
    out.Line(field,
             "    SetTextPosition({{FORMPREFIX}}{{FIELDNAME}}_txt_ID,GetspriteX("
             "{{FORMPREFIX}}winbg_img_ID)+4,GeteditboxY({{FORMPREFIX}}{{FIELDNAME}}_edit_ID))");
    out.Line(field, "    Settextcolor({{FORMPREFIX}}{{FIELDNAME}}_txt_ID,0,0,0,255)");
    out.Line(field, "    SetTextDepth({{FORMPREFIX}}{{FIELDNAME}}_txt_ID,65)");
    out.Spaces(16);
  }
  out.Spaces(4);
  out.Line("endfunction");
  out.EmptyLine();

  out.Line("function   {{FORMPREFIX}}cleanup()");
  out.Line("    deleteimage({{FORMPREFIX}}border_img)");
  out.Line("    deleteimage({{FORMPREFIX}}winbg_img)");
  out.Line("    deleteimage({{FORMPREFIX}}header_img)");
  out.Line("    deleteimage({{FORMPREFIX}}okbtn_img)");
  out.Line("    deleteimage({{FORMPREFIX}}cancelbtn_img)");
  out.Spaces(4);
  out.Spaces(4);
  out.Line("    deletesprite({{FORMPREFIX}}border_img_ID)");
  out.Line("    deletesprite({{FORMPREFIX}}header_img_ID)");
  out.Line("    deletesprite({{FORMPREFIX}}winbg_img_ID)");
  out.Line("    deletesprite({{FORMPREFIX}}okbtn_img_ID)");
  out.Line("    deletesprite({{FORMPREFIX}}cancelbtn_img_ID)");
  out.EmptyLine();
  for (const auto& field : fields) {
    out.Line(field, "    DeleteEditBox({{FORMPREFIX}}{{FIELDNAME}}_edit_ID)");
  }
  out.EmptyLine();
  out.Line("    Deletetext({{FORMPREFIX}}header_txt_ID)");
  for (const auto& field : fields) {
    out.Line(field, "    Deletetext({{FORMPREFIX}}{{FIELDNAME}}_txt_ID)");
  }
  out.Spaces(4);
  out.Line("endfunction");
}

}  // namespace tablesmith
