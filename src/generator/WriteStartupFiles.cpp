#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {

// The startup file: sets the window and the virtual resolution to 1280 by 720,
// makes the screen edges physics walls and shows the project title at the top.
// For the studio edition the same screen follows once more as a scene
// description for the scene editor, inside an AGK block comment.
void WriteStartupFiles(const ProjectSettings& settings, const FieldList&, LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  out.Line("//Scene file do not make any changes here.");
  out.Line("global startup_base_width = 1280");
  out.Line("global startup_base_height = 720");
  out.Line("global startup_device_width = 1280");
  out.Line("global startup_device_height = 720");
  out.Line("global startup_fadesprite, startup_fadeimage as integer");
  out.Line("global startup_tween# as float");
  out.Line("global startup_change_window = 1");
  out.Line("global startup_loaded = 0");
  out.Line("global startup_sprites as integer[1]");
  out.Line("global startup_sprites_count_x as float[1]");
  out.Line("global startup_sprites_count_y as float[1]");
  out.Line("global startup_text as integer[2]");
  out.EmptyLine();

  out.Line("function startup_create_window( winflag as integer )");
  out.Line("    startup_change_window = winflag");
  out.Line("endfunction");
  out.EmptyLine();

  // Builds the screen once; the title is the project title as stored.
  out.Line("function startup_setup()");
  out.Line("    if startup_loaded = 1 then exitfunction");
  out.Line("    startup_loaded = 1");
  out.Line("    if startup_change_window = 1");
  out.Line("        SetVirtualResolution(startup_base_width,startup_base_height)");
  out.Line("        SetWindowSize(startup_device_width,startup_device_height,0)");
  out.Line("        SetClearColor(0,0,0)");
  out.Line("    endif");
  out.Line("    SetPhysicsWallTop(1)");
  out.Line("    SetPhysicsWallBottom(1)");
  out.Line("    SetPhysicsWallLeft(1)");
  out.Line("    SetPhysicsWallRight(1)");
  out.Line("    startup_text[1] = CreateText( \"{{FHEADER}}\" )");
  out.Line("    SetTextPosition(startup_text[1],309.310089,0.454130)");
  out.Line("    SetTextSize(startup_text[1],52.481445)");
  out.Line("    SetTextColor(startup_text[1],249,242,11,255)");
  out.Line("    SetTextDepth(startup_text[1],9)");
  out.Line("    SetTextVisible(startup_text[1],1)");
  out.Line("endfunction");
  out.EmptyLine();

  out.Line("function startup_sync()");
  out.Line("    if startup_loaded = 0 then startup_setup()");
  out.Line("    startup_tween# = 60/(1.0/GetFrameTime())");
  out.Line("endfunction");
  out.EmptyLine();

  out.Line("function startup_cleanup()");
  out.Line("    local i as integer");
  out.Line("    if startup_loaded = 0 then exitfunction");
  out.Line("    for i = 0 to startup_sprites.length");
  out.Line(
      "        if GetSpriteExists( startup_sprites[i] ) then DeleteSprite( startup_sprites[i] )");
  out.Line("    next i");
  out.Line("    for i = 0 to startup_text.length");
  out.Line("        if GetTextExists( startup_text[i] ) then DeleteText( startup_text[i] )");
  out.Line("    next i");
  out.Line("        if GetSpriteExists(startup_fadesprite) then DeleteSprite(startup_fadesprite)");
  out.Line("        startup_fadesprite = 0");
  out.Line("        if GetImageExists(startup_fadeimage) then DeleteImage(startup_fadeimage)");
  out.Line("    startup_loaded = 0");
  out.Line("endfunction");
  out.EmptyLine();

  // A black overlay whose opacity falls as percent rises; at 100 it is removed.
  out.Line("function startup_fade( percent as float )");
  out.Line("    local fMul as float");
  out.Line("    local i as integer");
  out.Line("    fMul = percent / 100.0");
  out.Line("    if fMul > 1.0 then fMul = 1.0");
  out.Line("    if fMul < 0.0 then fMul = 0.0");
  out.Line("    if fMul = 1.0");
  out.Line("        if GetSpriteExists(startup_fadesprite) then DeleteSprite(startup_fadesprite)");
  out.Line("        startup_fadesprite = 0");
  out.Line("        if GetImageExists(startup_fadeimage) then DeleteImage(startup_fadeimage)");
  out.Line("        exitfunction");
  out.Line("    endif");
  out.Line("    if startup_loaded = 0 then startup_setup()");
  out.Line("    if not GetSpriteExists( startup_fadesprite )");
  out.Line("        startup_fadeimage = CreateImageColor(0,0,0,255)");
  out.Line("        startup_fadesprite = CreateSprite(startup_fadeimage)");
  out.Line("        SetSpriteDepth(startup_fadesprite,0)");
  out.Line("        SetSpritePosition(startup_fadesprite,0,0)");
  out.Line("        SetSpriteSize(startup_fadesprite,GetDeviceWidth(),GetDeviceHeight())");
  out.Line("    endif");
  out.Line("    SetSpriteColor(startup_fadesprite,0,0,0,255-255*fMul)");
  out.Line("endfunction");
  out.EmptyLine();

  // Only the studio edition goes on with the scene block; trailing blanks of
  // the stored edition do not count.
  if (!IsEdition(settings, kAgkStudio)) return;
  out.EmptyLine();
  out.Line("REMSTART");
  out.Line("##################################################");
  out.Line("#### Settings: Do not make any changes below. ####");
  out.Line("##################################################");
  out.EmptyLine();
  // The scene's own settings.
  out.Line("scenename: startup");
  out.Line("gridx: 32.000000");
  out.Line("gridy: 32.000000");
  out.Line("gridon: 1");
  out.Line("sceneresolutiontext: L: 1280x720 (1.78)   Samsung Galaxy S3 ");
  out.Line("screenwidth: 1280");
  out.Line("screenheight: 720");
  out.Line("scenebackr: 0");
  out.Line("scenebackg: 0");
  out.Line("scenebackb: 0");
  out.Line("scenebacka: 255");
  out.Line("followdeviceres: 0");
  out.Line("basewidth: 1280");
  out.Line("baseheight: 720");
  out.Line("scenegravityx: 0.000000");
  out.Line("scenegravityy: 50.000000");
  out.Line("scenewalltop: 1");
  out.Line("scenewallbottom: 1");
  out.Line("scenewallleft: 1");
  out.Line("scenewallright: 1");
  out.Line("scenemaxpolygon: 8");
  out.Line("scenepercentage: 0");
  // Its one item: the title text, placed as the code above places it.
  out.Line("spriteindex: 0");
  out.Line("addtext: Text 1");
  out.Line("mediatype: 2");
  out.Line("mediavisible: 1");
  out.Line("mediatext: {{FHEADER}}");
  out.Line("spriteposx: 309.310089");
  out.Line("spriteposy: 0.454130");
  out.Line("spritesizex: 659.777344");
  out.Line("spritesizey: 52.481445");
  out.Line("spritecolorx: 249.858871");
  out.Line("spritecolory: 242.156311");
  out.Line("spritecolorz: 11.082455");
  out.Line("spritecolorw: 255.000000");
  out.Line("spritedepth: 9");
  out.EmptyLine();
  out.Line("REMEND");
  out.EmptyLine();
}

}  // namespace tablesmith
