#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {

// The message popup include: mespopup_setup() shows the delete confirmation
// (title "Delete", question "Are you sure ?", OK and Cancel) in front of the
// record form, and mespopup_cleanup() removes it again. The text is the same
// for every field list; only the prefixes change it.
void WriteMessagePopupInc(const ProjectSettings& settings, const FieldList&, LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  out.EmptyLine();
  out.EmptyLine();

  out.Line("function {{MESSAGEPREFIX}}setup()");
  out.Line("    Window_State = 2");
  // The five images, then a sprite of each.
  out.Line(
      "    {{MESSAGEPREFIX}}border_img         = LoadImage({{PROGRAMPREFIX}}theme+\"border.png\")");
  out.Line(
      "    {{MESSAGEPREFIX}}header_img         = LoadImage({{PROGRAMPREFIX}}theme+"
      "\"winheader.png\")");
  out.Line(
      "    {{MESSAGEPREFIX}}cancelbtn_img     = LoadImage({{PROGRAMPREFIX}}theme+\"cancel.png\")");
  out.Line("    {{MESSAGEPREFIX}}okbtn_img         = LoadImage({{PROGRAMPREFIX}}theme+\"ok.png\")");
  out.Line(
      "    {{MESSAGEPREFIX}}winbg_img         = LoadImage({{PROGRAMPREFIX}}theme+\"win.png\")");
  out.Spaces(4);
  out.Line("    {{MESSAGEPREFIX}}border_img_ID     = CreateSprite({{MESSAGEPREFIX}}border_img)");
  out.Line("    {{MESSAGEPREFIX}}header_img_ID     = CreateSprite({{MESSAGEPREFIX}}header_img)");
  out.Line("    {{MESSAGEPREFIX}}winbg_img_ID     = CreateSprite({{MESSAGEPREFIX}}winbg_img)");
  out.Line("    {{MESSAGEPREFIX}}okbtn_img_ID     = CreateSprite({{MESSAGEPREFIX}}okbtn_img)");
  out.Line(
      "    {{MESSAGEPREFIX}}cancelbtn_img_ID    = CreateSprite({{MESSAGEPREFIX}}cancelbtn_img)");
  out.EmptyLine();

  // Buttons one scroll bar high, their width from the image; then border, header bar
  // and background inside the popup rectangle, OK at the right below them, Cancel beside it.
  out.Line("    SetSpriteSize({{MESSAGEPREFIX}}okbtn_img_ID,-1,{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpriteSize({{MESSAGEPREFIX}}cancelbtn_img_ID,-1,{{PROGRAMPREFIX}}scrollbarwidth)");
  out.EmptyLine();
  out.Line(
      "    SetSpriteSize({{MESSAGEPREFIX}}border_img_ID,{{MESSAGEPREFIX}}W,{{MESSAGEPREFIX}}H)");
  out.Line(
      "    SetSpritePosition({{MESSAGEPREFIX}}border_img_ID,{{MESSAGEPREFIX}}X,"
      "{{MESSAGEPREFIX}}Y)");
  out.Line("    SetSpriteDepth({{MESSAGEPREFIX}}border_img_ID,5)");
  out.Spaces(4);
  out.Line(
      "    SetSpriteSize({{MESSAGEPREFIX}}header_img_ID,"
      "getspritewidth({{MESSAGEPREFIX}}border_img_ID)-4,{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{MESSAGEPREFIX}}header_img_ID,"
      "getspritex({{MESSAGEPREFIX}}border_img_ID)+2,getspritey({{MESSAGEPREFIX}}border_img_ID)+2)");
  out.Line("    SetSpriteDepth({{MESSAGEPREFIX}}header_img_ID,5)");
  out.EmptyLine();
  out.Line(
      "    SetSpriteSize({{MESSAGEPREFIX}}winbg_img_ID,{{MESSAGEPREFIX}}W - 10,"
      "{{MESSAGEPREFIX}}H-GetSpriteHeight({{MESSAGEPREFIX}}header_img_ID)-"
      "{{PROGRAMPREFIX}}scrollbarwidth - 10)");
  out.Line(
      "    SetSpritePosition({{MESSAGEPREFIX}}winbg_img_ID,{{MESSAGEPREFIX}}X+5,"
      "{{MESSAGEPREFIX}}Y + {{PROGRAMPREFIX}}scrollbarwidth+5)");
  out.Line("    SetSpriteDepth({{MESSAGEPREFIX}}winbg_img_ID,5)");
  out.EmptyLine();
  out.Line(
      "    SetSpritePosition({{MESSAGEPREFIX}}okbtn_img_ID,"
      "getspritex({{MESSAGEPREFIX}}border_img_ID) + {{MESSAGEPREFIX}}W - "
      "getspritewidth({{MESSAGEPREFIX}}okbtn_img_ID)-5,"
      "getspritey({{MESSAGEPREFIX}}winbg_img_ID)+"
      "GetSpriteHeight({{MESSAGEPREFIX}}winbg_img_ID)+2)");
  out.Line("    SetSpriteDepth({{MESSAGEPREFIX}}okbtn_img_ID,4)");
  out.EmptyLine();
  out.Line(
      "    SetSpritePosition({{MESSAGEPREFIX}}cancelbtn_img_ID,"
      "getspritex({{MESSAGEPREFIX}}okbtn_img_ID)-getspritewidth({{MESSAGEPREFIX}}okbtn_img_ID)-5,"
      "getspritey({{MESSAGEPREFIX}}winbg_img_ID)+"
      "GetSpriteHeight({{MESSAGEPREFIX}}winbg_img_ID)+2)");
  out.Line("    SetSpriteDepth({{MESSAGEPREFIX}}cancelbtn_img_ID,4)");
  out.Spaces(8);
  // Red title and question.
  out.Line("    {{MESSAGEPREFIX}}header_txt_ID = CreateText( \"Delete\" )");
  out.Line("    SetTextSize({{MESSAGEPREFIX}}header_txt_ID ,{{MESSAGEPREFIX}}header_txt_size)");
  out.Line(
      "    SetTextPosition({{MESSAGEPREFIX}}header_txt_ID ,{{MESSAGEPREFIX}}X+5,"
      "{{MESSAGEPREFIX}}Y+5)");
  out.Line("    SetTextColor({{MESSAGEPREFIX}}header_txt_ID ,255,0,0,255)");
  out.Line("    SetTextDepth({{MESSAGEPREFIX}}header_txt_ID ,5)");
  out.EmptyLine();
  out.Line("    {{MESSAGEPREFIX}}message_txt_ID = CreateText( \"Are you sure ?\" )");
  out.Line("    SetTextSize({{MESSAGEPREFIX}}message_txt_ID ,{{MESSAGEPREFIX}}message_txt_size)");
  out.Line(
      "    SetTextPosition({{MESSAGEPREFIX}}message_txt_ID ,"
      "getspritex({{MESSAGEPREFIX}}winbg_img_ID)+5,getspritey({{MESSAGEPREFIX}}winbg_img_ID)+25)");
  out.Line("    SetTextColor({{MESSAGEPREFIX}}message_txt_ID ,255,0,0,255)");
  out.Line("    SetTextDepth({{MESSAGEPREFIX}}message_txt_ID ,5)");
  out.Spaces(8);
  out.Line("endfunction");
  out.EmptyLine();
  out.EmptyLine();

  // Removes the images, sprites and texts that setup() made.
  out.Line("function {{MESSAGEPREFIX}}cleanup()");
  out.Line("        deleteimage({{MESSAGEPREFIX}}border_img)");
  out.Line("        deleteimage({{MESSAGEPREFIX}}winbg_img)");
  out.Line("        deleteimage({{MESSAGEPREFIX}}header_img)");
  out.Line("        deleteimage({{MESSAGEPREFIX}}okbtn_img)");
  out.Line("        deleteimage({{MESSAGEPREFIX}}cancelbtn_img)");
  out.Spaces(8);
  out.Line("        deletesprite({{MESSAGEPREFIX}}border_img_ID)");
  out.Line("        deletesprite({{MESSAGEPREFIX}}winbg_img_ID)");
  out.Line("        deletesprite({{MESSAGEPREFIX}}header_img_ID)");
  out.Line("        deletesprite({{MESSAGEPREFIX}}okbtn_img_ID)");
  out.Line("        deletesprite({{MESSAGEPREFIX}}cancelbtn_img_ID)");
  out.EmptyLine();
  out.Line("        DeleteText({{MESSAGEPREFIX}}header_txt_ID)        ");
  out.Line("        DeleteText({{MESSAGEPREFIX}}message_txt_ID)        ");
  out.Line("        Window_State = 0");
  out.EmptyLine();
  out.Line("endfunction");
  out.EmptyLine();
  out.EmptyLine();
}

}  // namespace tablesmith
