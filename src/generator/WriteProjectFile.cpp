#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {

// The AGK project file that the IDE opens: empty export settings for the
// three targets, then the project's eleven sources under [projectfiles] and
// again under [files], always in the same order and with the same numbers.
void WriteProjectFile(const ProjectSettings& settings, const FieldList&, LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  // Entry 9 is the startup scene for the studio edition and the startup
  // include for any other edition text; trailing blanks do not count.
  const bool studio = IsEdition(settings, kAgkStudio);

  out.EmptyLine();

  out.Line("[apk_settings]");
  out.Line("alias=");
  out.Line("app_icon_path=");
  out.Line("notif_icon_path=");
  out.Line("app_name=");
  out.Line("app_type=0");
  out.Line("game_circle_api_key=");
  out.Line("keystore_path=");
  out.Line("orientation=0");
  out.Line("output_path=");
  out.Line("ouya_icon_path=");
  out.Line("package_name=");
  out.Line("permission_flags=7");
  out.Line("play_app_id=");
  out.Line("admob_app_id=");
  out.Line("snapchat_client_id=");
  out.Line("sdk_version=1");
  out.Line("version_name=");
  out.Line("version_number=0");
  out.Line("firebase_config_path=");
  out.Line("url_scheme=");
  out.Line("deep_link=");
  out.Line("arcore=0");
  out.EmptyLine();

  out.Line("[ipa_settings]");
  out.Line("app_name=");
  out.Line("app_icon_path=");
  out.Line("build_number=");
  out.Line("version_number=");
  out.Line("device_type=0");
  out.Line("facebook_id=");
  out.Line("orientation=0");
  out.Line("output_path=");
  out.Line("uses_ads=0");
  out.Line("url_scheme=");
  out.Line("deep_link=");
  out.Line("admob_app_id=");
  out.Line("snapchat_client_id=");
  out.Line("splash_2436_path=");
  out.Line("firebase_config_path=");
  out.Line("splash_960_path=");
  out.Line("splash_2048_path=");
  out.Line("splash_1136_path=");
  out.Line("prov_profile_path=");
  out.EmptyLine();

  out.Line("[html5_settings]");
  out.Line("commands_used=0");
  out.Line("dynamic_memory=0");
  out.Line("output_path=");
  out.EmptyLine();

  out.Line("[projectfiles]");
  out.Line("FILE_0=constants.inc;-1");
  out.Line("FILE_1={{PROGRAMPREFIX}}fileutils.inc;-1");
  out.Line("FILE_2={{FORMPREFIX}}.inc;-1");
  out.Line("FILE_3={{FORMPREFIX}}input.inc;-1");
  out.Line("FILE_4={{LISTPREFIX}}.inc;-1");
  out.Line("FILE_5={{LISTPREFIX}}input.inc;-1");
  out.Line("FILE_6=main.agc;-1");
  out.Line("FILE_7={{MESSAGEPREFIX}}.inc;-1");
  out.Line("FILE_8={{MESSAGEPREFIX}}input.inc;-1");
  out.Line(studio ? "FILE_9=startup.scene;-1" : "FILE_9=startup.inc;-1");
  out.Line("FILE_10={{PROGRAMPREFIX}}globals.inc;-1");
  out.EmptyLine();

  out.Line("[files]");
  out.Line("FILE_NAME_0=0;constants.inc;6;0");
  out.Line("FILE_NAME_1=0;{{PROGRAMPREFIX}}fileutils.inc;55;1");
  out.Line("FILE_NAME_2=0;{{FORMPREFIX}}.inc;73;2");
  out.Line("FILE_NAME_3=0;{{FORMPREFIX}}input.inc;30;3");
  out.Line("FILE_NAME_4=0;{{LISTPREFIX}}.inc;3;4");
  out.Line("FILE_NAME_5=0;{{LISTPREFIX}}input.inc;127;5");
  out.Line("FILE_NAME_6=1;main.agc;12;6");
  out.Line("FILE_NAME_7=0;{{MESSAGEPREFIX}}.inc;40;7");
  out.Line("FILE_NAME_8=0;{{MESSAGEPREFIX}}input.inc;15;8");
  out.Line(studio ? "FILE_NAME_9=0;startup.scene;125;9" : "FILE_NAME_9=0;startup.inc;125;9");
  out.Line("FILE_NAME_10=0;{{PROGRAMPREFIX}}globals.inc;21;10");
  out.EmptyLine();

  out.Line("[watchvariables]");
  out.EmptyLine();
}

}  // namespace tablesmith
