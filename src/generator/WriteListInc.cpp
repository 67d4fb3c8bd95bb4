#include <string>

#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {
namespace {

// Spaces that end a line as it is built; the writer drops them on disk.
std::string Pad(std::size_t count) { return std::string(count, ' '); }

}  // namespace

// The list view include: list_init() loads the list view's images, makes their
// sprites, lays out frame, header, row panel, scroll bar, footer and buttons
// from the list globals and fills the rows; list_load() places the scroll thumb
// and measures its track; list_cleanup() deletes what list_init() made. The
// text depends on PROGRAMPREFIX and LISTPREFIX only: every size and position is
// read from the generated globals at run time.
void WriteListInc(const ProjectSettings& settings, const FieldList&, LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  // list_init(): scroll bar width in pixels, then the theme images and one sprite per image.
  // The close icon and the start/back/forward/end buttons stay commented out.
  out.Line("Function {{LISTPREFIX}}init()");
  out.Spaces(4);
  out.Line("    If {{PROGRAMPREFIX}}percentPixel = 0");
  out.Line(
      "        {{PROGRAMPREFIX}}scrollbarwidth =  ({{PROGRAMPREFIX}}scrollbarwidth * w) / 100");
  out.Line("    EndIF");
  out.Spaces(4);
  out.Line(
      "    {{LISTPREFIX}}border_img        = LoadImage({{PROGRAMPREFIX}}theme+\"border.png\")");
  out.Line("    {{LISTPREFIX}}winbg_img         = LoadImage({{PROGRAMPREFIX}}theme+\"win.png\")");
  out.Line(
      "    {{LISTPREFIX}}header_img         = LoadImage({{PROGRAMPREFIX}}theme+\"winheader.png\")");
  out.Line(
      "    {{LISTPREFIX}}scrollbg_img      = LoadImage({{PROGRAMPREFIX}}theme+\"sidebg.png\")");
  out.Line(
      "    {{LISTPREFIX}}scrolldown_img     = LoadImage({{PROGRAMPREFIX}}theme+\"downimage.png\")");
  out.Line(
      "    {{LISTPREFIX}}scrollup_img      = LoadImage({{PROGRAMPREFIX}}theme+\"upimage.png\")");
  out.Line(
      "    {{LISTPREFIX}}thumb_img        = LoadImage({{PROGRAMPREFIX}}theme+\"scrimage.png\")");
  out.Line(
      "    {{LISTPREFIX}}insert_img        = LoadImage({{PROGRAMPREFIX}}theme+\"insert.png\")");
  out.Line(
      "    {{LISTPREFIX}}change_img        = LoadImage({{PROGRAMPREFIX}}theme+\"change.png\")");
  out.Line(
      "    {{LISTPREFIX}}delete_img        = LoadImage({{PROGRAMPREFIX}}theme+\"delete.png\")");
  out.Line("    {{LISTPREFIX}}closebtn_img      = LoadImage({{PROGRAMPREFIX}}theme+\"close.png\")");
  out.Line(
      "    {{LISTPREFIX}}footer_img           = LoadImage({{PROGRAMPREFIX}}theme+"
      "\"winfooter.png\")");
  out.EmptyLine();
  out.EmptyLine();
  out.Line(
      "    //{{LISTPREFIX}}close_img_id            = LoadImage({{PROGRAMPREFIX}}theme+"
      "\"closeicon.png\")");
  out.Line(
      "    //{{LISTPREFIX}}start_img_id            = LoadImage({{PROGRAMPREFIX}}theme+"
      "\"begin.png\")");
  out.Line(
      "    //{{LISTPREFIX}}end_img_id              = LoadImage({{PROGRAMPREFIX}}theme+"
      "\"end.png\")");
  out.Line(
      "    //{{LISTPREFIX}}back_img_id            = LoadImage({{PROGRAMPREFIX}}theme+"
      "\"back.png\")");
  out.Line(
      "    //{{LISTPREFIX}}forw_img_id          = LoadImage({{PROGRAMPREFIX}}theme+\"forw.png\")");
  out.Spaces(4);
  out.EmptyLine();
  out.Line("    {{LISTPREFIX}}border_img_ID         = CreateSprite({{LISTPREFIX}}border_img)");
  out.Line("    {{LISTPREFIX}}winbg_img_ID        = CreateSprite({{LISTPREFIX}}winbg_img)");
  out.Line("    {{LISTPREFIX}}header_img_ID        = CreateSprite({{LISTPREFIX}}header_img)");
  out.Line("    {{LISTPREFIX}}scrollbg_img_ID        = CreateSprite({{LISTPREFIX}}scrollbg_img)");
  out.Line("    {{LISTPREFIX}}scrollup_img_ID      = CreateSprite({{LISTPREFIX}}scrollup_img)");
  out.Line("    {{LISTPREFIX}}scrolldown_img_ID     = CreateSprite({{LISTPREFIX}}scrolldown_img)");
  out.Line("    {{LISTPREFIX}}thumb_img_ID         = CreateSprite({{LISTPREFIX}}thumb_img)");
  out.Line("    {{LISTPREFIX}}insert_img_id         = CreateSprite({{LISTPREFIX}}insert_img)");
  out.Line("    {{LISTPREFIX}}change_img_id         = CreateSprite({{LISTPREFIX}}change_img)");
  out.Line("    {{LISTPREFIX}}delete_img_id         = CreateSprite({{LISTPREFIX}}delete_img)");
  out.Line("    {{LISTPREFIX}}closebtn_img_id         = CreateSprite({{LISTPREFIX}}closebtn_img)");
  out.Line("    {{LISTPREFIX}}footer_img_id         = CreateSprite({{LISTPREFIX}}footer_img)");
  out.Spaces(4);
  out.Spaces(4);
  out.Line("    //{{LISTPREFIX}}close_img         = CreateSprite({{LISTPREFIX}}close_img_id)");
  out.Line("    //{{LISTPREFIX}}start_img         = CreateSprite({{LISTPREFIX}}start_img_id)");
  out.Line("    //{{LISTPREFIX}}end_img         = CreateSprite({{LISTPREFIX}}end_img_id)");
  out.Line("    //{{LISTPREFIX}}back_img         = CreateSprite({{LISTPREFIX}}back_img_id)");
  out.Line("    //{{LISTPREFIX}}forw_img         = CreateSprite({{LISTPREFIX}}forw_img_id)");
  out.EmptyLine();
  out.Spaces(4);
  out.Line("    {{LISTPREFIX}}header_txt_ID = CreateText( \"Listview\")");
  out.Spaces(12);

  // Frame, header bar and header text.
  out.Line("    SetSpriteSize({{LISTPREFIX}}border_img_ID ,{{LISTPREFIX}}w,{{LISTPREFIX}}h)");
  out.Line("    SetSpritePosition({{LISTPREFIX}}border_img_ID,{{LISTPREFIX}}x, {{LISTPREFIX}}y)");
  out.Line("    SetSpriteDepth({{LISTPREFIX}}border_img_ID,1501)");
  out.Spaces(12);
  out.Line("    //header");
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}header_img_ID,"
      "getspritewidth({{LISTPREFIX}}border_img_ID)-8,{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}header_img_ID,"
      "getspritex({{LISTPREFIX}}border_img_ID)+4,getspritey({{LISTPREFIX}}border_img_ID)+2)");
  out.Line("    SetSpriteDepth({{LISTPREFIX}}header_img_ID,1500)");
  out.EmptyLine();
  out.EmptyLine();
  out.Line("    w = ({{PROGRAMPREFIX}}scrollbarwidth - {{PROGRAMPREFIX}}textsize+4) / 2");
  out.EmptyLine();
  out.Line("    SetTextSize({{LISTPREFIX}}header_txt_ID,{{PROGRAMPREFIX}}textsize+4)");
  out.Line(
      "    SetTextPosition({{LISTPREFIX}}header_txt_ID,"
      "getspritex({{LISTPREFIX}}header_img_ID) + w,getspritey({{LISTPREFIX}}header_img_ID) + w)");
  out.Line("    SetTextColor({{LISTPREFIX}}header_txt_ID,0,0,0,255)");
  out.Line("    SetSpriteDepth({{LISTPREFIX}}header_txt_ID,1499){{PAD}}", {{"PAD", Pad(40)}});
  out.Spaces(200);

  // Row panel, scroll bar (background, up, down, thumb) and footer bar.
  out.Line("    //window");
  out.Spaces(4);
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}winbg_img_ID,{{LISTPREFIX}}w - 16,"
      "{{LISTPREFIX}}H-GetSpriteHeight({{LISTPREFIX}}header_img_ID)-"
      "{{PROGRAMPREFIX}}scrollbarwidth + 4)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}winbg_img_ID,"
      "getspritex({{LISTPREFIX}}header_img_ID) + 4,"
      "{{LISTPREFIX}}Y + {{PROGRAMPREFIX}}scrollbarwidth+4)");
  out.Line("    SetSpriteDepth({{LISTPREFIX}}winbg_img_ID,1500)    ");
  out.Spaces(4);
  out.Line("    //scroll background");
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}scrollbg_img_ID,{{PROGRAMPREFIX}}scrollbarwidth,"
      "GetSpriteHeight({{LISTPREFIX}}winbg_img_ID)-{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}scrollbg_img_ID,"
      "GetSpriteX({{LISTPREFIX}}header_img_ID)+GetSpriteWidth({{LISTPREFIX}}header_img_ID)- "
      "GetSpriteWidth({{LISTPREFIX}}scrollbg_img_ID),"
      "GetSpriteY({{LISTPREFIX}}header_img_ID)+GetSpriteHeight({{LISTPREFIX}}header_img_ID))");
  out.Line("    SetSpriteDepth({{LISTPREFIX}}scrollbg_img_ID,1499)");
  out.Spaces(4);
  out.Line("    //close icon on header");
  out.Line(
      "    //SetSpriteSize({{LISTPREFIX}}close_img,GetSpriteHeight({{LISTPREFIX}}header_img)-6 ,"
      "GetSpriteHeight({{LISTPREFIX}}header_img)-6)");
  out.Line(
      "    //SetSpritePosition({{LISTPREFIX}}close_img,GetSpriteX({{LISTPREFIX}}scrollbg_img),"
      "GetSpriteY({{LISTPREFIX}}header_img)+3)");
  out.Line("    //SetSpriteDepth({{LISTPREFIX}}close_img,1400)");
  out.Spaces(4);
  out.Spaces(4);
  out.Line("    //scroll image up");
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}scrollup_img_ID,{{PROGRAMPREFIX}}scrollbarwidth,"
      "{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}scrollup_img_ID,"
      "{{LISTPREFIX}}X+{{LISTPREFIX}}w-GetSpriteWidth({{LISTPREFIX}}scrollup_img_ID)-6,"
      "GetSpriteY({{LISTPREFIX}}winbg_img_ID))");
  out.Line("    SetSpriteDepth({{LISTPREFIX}}scrollup_img_ID,1450)");
  out.Spaces(4);
  out.Line("    // scroll down image");
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}scrolldown_img_ID,{{PROGRAMPREFIX}}scrollbarwidth,"
      "{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}scrolldown_img_ID,"
      "{{LISTPREFIX}}X+{{LISTPREFIX}}w-GetSpriteWidth({{LISTPREFIX}}scrolldown_img_ID)-6,"
      "GetSpriteHeight({{LISTPREFIX}}winbg_img_ID)+GetSpriteY({{LISTPREFIX}}winbg_img_ID)-"
      "GetSpriteHeight({{LISTPREFIX}}scrolldown_img_ID))");
  out.Line("    SetSpriteDepth({{LISTPREFIX}}scrolldown_img_ID,1450)");
  out.Spaces(4);
  out.Line("    // thumb scroll image");
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}thumb_img_ID,{{PROGRAMPREFIX}}scrollbarwidth-4,"
      "{{PROGRAMPREFIX}}scrollbarwidth-4)");
  out.Line(
      "    //SetSpritePosition({{LISTPREFIX}}thumb_img_id,100,100) "
      "//GetSpriteY({{LISTPREFIX}}scrollup_img_ID))");
  out.EmptyLine();
  out.Line("    SetSpriteDepth({{LISTPREFIX}}thumb_img_ID,1299)");
  out.Spaces(4);
  out.Spaces(4);
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}footer_img_ID,{{LISTPREFIX}}W-16,"
      "{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}footer_img_ID,GetSpriteX({{LISTPREFIX}}winbg_img_id),"
      "GetSpriteHeight({{LISTPREFIX}}winbg_img_ID)+GetSpriteY({{LISTPREFIX}}winbg_img_ID))");
  out.Line("    SetSpriteDepth({{LISTPREFIX}}footer_img_ID,1450)");
  out.EmptyLine();

  // The navigation row stays in a block comment; the four buttons sit right to left under
  // the footer, and the frame is stretched to enclose them before the rows are filled.
  out.Line("        /*");
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}start_img ,{{PROGRAMPREFIX}}scrollbarwidth,"
      "{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}start_img,GetSpriteX({{LISTPREFIX}}footer_img),"
      "GetSpriteY({{LISTPREFIX}}footer_img)+GetSpriteHeight({{LISTPREFIX}}footer_img)+2)");
  out.Spaces(4);
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}back_img ,{{PROGRAMPREFIX}}scrollbarwidth,"
      "{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}back_img,"
      "GetSpriteX({{LISTPREFIX}}start_img)+ GetSpriteWidth({{LISTPREFIX}}start_img)+1,"
      "GetSpriteY({{LISTPREFIX}}footer_img)+GetSpriteHeight({{LISTPREFIX}}footer_img)+2)");
  out.Spaces(4);
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}forw_img ,{{PROGRAMPREFIX}}scrollbarwidth,"
      "{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}forw_img,"
      "GetSpriteX({{LISTPREFIX}}back_img)+ GetSpriteWidth({{LISTPREFIX}}back_img)+1,"
      "GetSpriteY({{LISTPREFIX}}footer_img)+GetSpriteHeight({{LISTPREFIX}}footer_img)+2)");
  out.Spaces(4);
  out.Line(
      "    SetSpriteSize({{LISTPREFIX}}end_img ,{{PROGRAMPREFIX}}scrollbarwidth,"
      "{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}end_img,"
      "GetSpriteX({{LISTPREFIX}}forw_img)+ GetSpriteWidth({{LISTPREFIX}}forw_img)+1,"
      "GetSpriteY({{LISTPREFIX}}footer_img)+GetSpriteHeight({{LISTPREFIX}}footer_img)+2)");
  out.Line("    */");
  out.Line("    SetSpriteSize({{LISTPREFIX}}closebtn_img_id ,-1,{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}closebtn_img_ID,"
      "{{LISTPREFIX}}w - getspritewidth({{LISTPREFIX}}closebtn_img_id)-8,"
      "GetSpriteY({{LISTPREFIX}}footer_img_ID)+GetSpriteHeight({{LISTPREFIX}}footer_img_ID)+2)");
  out.Spaces(4);
  out.Line("    SetSpriteSize({{LISTPREFIX}}delete_img_ID ,-1,{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}delete_img_ID,"
      "GetSpriteX({{LISTPREFIX}}closebtn_img_ID)-GetSpriteWidth({{LISTPREFIX}}closebtn_img_id)-2,"
      "GetSpriteY({{LISTPREFIX}}footer_img_id)+GetSpriteHeight({{LISTPREFIX}}footer_img_id)+2)");
  out.Spaces(4);
  out.Line("    SetSpriteSize({{LISTPREFIX}}change_img_ID ,-1,{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}change_img_id,"
      "GetSpriteX({{LISTPREFIX}}delete_img_id)-GetSpriteWidth({{LISTPREFIX}}delete_img_id)-2,"
      "GetSpriteY({{LISTPREFIX}}footer_img_id)+GetSpriteHeight({{LISTPREFIX}}footer_img_id)+2)");
  out.Spaces(4);
  out.Line("    SetSpriteSize({{LISTPREFIX}}insert_img_id,-1,{{PROGRAMPREFIX}}scrollbarwidth)");
  out.Line(
      "    SetSpritePosition({{LISTPREFIX}}insert_img_id,"
      "GetSpriteX({{LISTPREFIX}}change_img_id)-GetSpriteWidth({{LISTPREFIX}}change_img_id)-4,"
      "GetSpriteY({{LISTPREFIX}}footer_img_id)+GetSpriteHeight({{LISTPREFIX}}footer_img_id)+2)");
  out.Spaces(4);
  out.Line(
      "    SetSpritesize({{LISTPREFIX}}border_img_ID,{{LISTPREFIX}}w, "
      "getspritey({{LISTPREFIX}}closebtn_img_id)+GetSpriteHeight({{LISTPREFIX}}closebtn_img_id)-"
      "{{LISTPREFIX}}y+10)");
  out.EmptyLine();
  out.Line("    {{LISTPREFIX}}getrecords()");
  out.Spaces(4);
  out.Line("EndFunction");
  out.EmptyLine();

  // list_load(): thumb start position and the thumb track that the input include moves it on.
  out.Line("Function  {{LISTPREFIX}}load()");
  out.Spaces(8);
  out.Spaces(4);
  out.Line(
      "        SetSpritePosition({{LISTPREFIX}}thumb_img_id,"
      "GetSpriteX({{LISTPREFIX}}scrollup_img_ID),GetSpriteY({{LISTPREFIX}}scrollup_img_ID)+30)");
  out.Spaces(8);
  out.Line(
      "        {{PROGRAMPREFIX}}topb = GetSpriteY({{LISTPREFIX}}scrollup_img_id)+"
      "GetSpriteHeight({{LISTPREFIX}}scrollup_img_id)");
  out.Line("        {{PROGRAMPREFIX}}bottomT = GetSpriteY({{LISTPREFIX}}scrolldown_img_id)");
  out.Line("        {{PROGRAMPREFIX}}thumbheight = GetSpriteHeight({{LISTPREFIX}}thumb_img_id)");
  out.Line(
      "        {{PROGRAMPREFIX}}tbdiff = {{PROGRAMPREFIX}}bottomT - {{PROGRAMPREFIX}}topb-"
      "{{PROGRAMPREFIX}}thumbheight");
  out.Line("        c=0");
  out.Line("        totrecords = 0");
  out.Line("EndFunction");
  out.EmptyLine();

  // list_cleanup(): deletes the list view's images, sprites and footer text.
  out.Line("Function {{LISTPREFIX}}cleanup()");
  out.Line("    DeleteImage({{LISTPREFIX}}border_img)");
  out.Line("    DeleteImage({{LISTPREFIX}}winbg_img)");
  out.Line("    DeleteImage({{LISTPREFIX}}header_img)");
  out.Spaces(4);
  out.Line("    //DeleteImage({{LISTPREFIX}}start_img_id)");
  out.Line("    //DeleteImage({{LISTPREFIX}}end_img_id)");
  out.Line("    //DeleteImage({{LISTPREFIX}}back_img_id)");
  out.Line("    //DeleteImage({{LISTPREFIX}}forw_img_id)");
  out.Spaces(4);
  out.Line("    DeleteImage({{LISTPREFIX}}scrolldown_img)");
  out.Line("    DeleteImage({{LISTPREFIX}}scrollup_img)");
  out.Line("    DeleteImage({{LISTPREFIX}}scrollbg_img)");
  out.Line("    DeleteImage({{LISTPREFIX}}thumb_img)");
  out.Line("    DeleteImage({{LISTPREFIX}}closebtn_img)");
  out.Spaces(4);
  out.Line("    DeleteSprite({{LISTPREFIX}}border_img_ID)");
  out.Line("    DeleteSprite({{LISTPREFIX}}winbg_img_ID)");
  out.Line("    DeleteSprite({{LISTPREFIX}}header_img_ID)");
  out.Spaces(4);
  out.Line("//    DeleteSprite({{LISTPREFIX}}close_img)");
  out.Line("    DeleteSprite({{LISTPREFIX}}scrollup_img_ID)");
  out.Line("    DeleteSprite({{LISTPREFIX}}scrolldown_img_ID)");
  out.Line("    DeleteSprite({{LISTPREFIX}}scrollbg_img_ID)");
  out.Line("    DeleteSprite({{LISTPREFIX}}thumb_img_ID)");
  out.Line("    DeleteSprite({{LISTPREFIX}}footer_img_ID)");
  out.Line("    //DeleteSprite({{LISTPREFIX}}start_img)");
  out.Line("    //DeleteSprite({{LISTPREFIX}}end_img)");
  out.Line("    //DeleteSprite({{LISTPREFIX}}back_img)");
  out.Line("    //DeleteSprite({{LISTPREFIX}}forw_img)");
  out.Line("    DeleteSprite({{LISTPREFIX}}insert_img_ID)");
  out.Line("    DeleteSprite({{LISTPREFIX}}change_img_ID)");
  out.Line("    DeleteSprite({{LISTPREFIX}}delete_img_ID)");
  out.Line("    DeleteSprite({{LISTPREFIX}}closebtn_img_ID)");
  out.Spaces(4);
  out.Spaces(4);
  out.Line("    //DeleteText({{LISTPREFIX}}title_id)");
  out.Line("    DeleteText({{LISTPREFIX}}footer_Txt_ID)");
  out.Spaces(4);
  out.EmptyLine();
  out.Line("EndFunction");
  out.EmptyLine();
  out.EmptyLine();
}

}  // namespace tablesmith
