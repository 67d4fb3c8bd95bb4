#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {

// main.agc: window set-up, the includes of every generated source, the start
// of the program and the frame loop that hands input to the active view.
void WriteMainAgc(const ProjectSettings& settings, const FieldList&, LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  out.Line("SetErrorMode(2)");
  out.Line("SetWindowTitle( \"{{FHEADER}}\" )");
  out.Line("SetWindowSize( 1280, 720, 0 )");
  out.Line("SetWindowAllowResize( 1 )");
  out.Line("SetVirtualResolution( 1280, 720 )");
  out.Line("SetOrientationAllowed( 1, 1, 1, 1 )");
  out.Line("SetSyncRate( 30, 0 )");
  out.Line("SetScissor( 0,0,0,0 )");
  out.Line("UseNewDefaultFonts( 1 )");
  out.EmptyLine();

  out.Line("#Include \"constants.inc\"");
  out.Line("#Include \"{{PROGRAMPREFIX}}globals.inc\"");
  out.Line("#Include \"{{PROGRAMPREFIX}}fileutils.inc\"");
  if (IsEdition(settings, kAgkStudio)) {
    out.Line("#Include \"startup.scene\"");
  } else {
    out.Line("#Include \"startup.inc\"");
  }
  out.Line("#Include \"{{LISTPREFIX}}.inc\"");
  out.Line("#Include \"{{LISTPREFIX}}input.inc\"");
  out.Line("#Include \"{{FORMPREFIX}}.inc\"");
  out.Line("#Include \"{{FORMPREFIX}}input.inc\"");
  out.Line("#include \"{{MESSAGEPREFIX}}.inc\"");
  out.Line("#include \"{{MESSAGEPREFIX}}input.inc\"");
  out.EmptyLine();

  out.Line("startup_setup()");
  out.EmptyLine();
  out.Line(" {{LISTPREFIX}}loadfile()");
  out.Line(" {{LISTPREFIX}}init()");
  out.Line(" {{LISTPREFIX}}load()");
  out.EmptyLine();
  out.Line("SetPrintSize(25)");
  out.EmptyLine();

  out.Line("Do");
  out.Spaces(4);
  out.Line("    {{PROGRAMPREFIX}}spritehit=GetSpriteHit(GetPointerX(),GetPointerY())");
  out.EmptyLine();
  out.Line("    if {{PROGRAMPREFIX}}State=0  // list");
  out.Line("         {{LISTPREFIX}}input()");
  out.Line("    elseif {{PROGRAMPREFIX}}State = 1  // form");
  out.Line("         {{FORMPREFIX}}input()");
  out.Line("    elseif {{PROGRAMPREFIX}}State = 2  // popup messages");
  out.Line("         {{MESSAGEPREFIX}}input()");
  out.Line("    elseif {{PROGRAMPREFIX}}State = 99 // popup messages");
  out.Line("        exit");
  out.Line("    endif");
  out.Spaces(4);
  out.Line("    Sync()");
  out.Line("Loop");
  out.EmptyLine();
  out.EmptyLine();
}

}  // namespace tablesmith
