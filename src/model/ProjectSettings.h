#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tablesmith {

// The default output folder: "c:\Tablesmith_output" on Windows, the folder
// Tablesmith_output in the user's home folder elsewhere.
std::string DefaultOutputFolder();

// The thirty values that shape one generated project, apart from the fields.
// Members carry the names of the wizard's controls, misspellings included.
struct ProjectSettings {
  std::string OUTPUTFOLDER = DefaultOutputFolder();
  std::string FHEADER = "Created with Tablesmith for AGK";
  std::string PROJECTNAME = "MyTablesmith.agk";
  std::string AGKVERSION = "AGK Studio";
  std::string PROGRAMPREFIX = "prg_";
  std::string TABLENAME = "file.db";
  std::string THEME = "Theme1";
  std::int16_t TEXTSOZE = 20;
  std::int16_t SCROLLBARWIDTH = 30;
  std::int32_t LISTX1 = 30;
  std::int32_t LISTY1 = 60;
  std::int32_t LISTW = 650;
  std::int32_t LISTH = 500;
  std::string LISTPREFIX = "list_";
  std::int16_t LISTMAXRECORDS = 20;
  std::string FORMPREFIX = "form_";
  std::int16_t FORMW = 570;
  std::int16_t FORMH = 230;
  std::int16_t FORMX1 = 490;
  std::int16_t FORMY1 = 185;
  std::int16_t EDITBOXTEXTSIZE = 30;
  std::int16_t EDITBOXHEIGHT = 30;
  std::int16_t EDITBOXOFFSET = 140;
  std::string MESSAGEPREFIX = "mespopup_";
  std::int16_t MBOXX = 465;
  std::int16_t MBOXY = 300;
  std::int16_t MBOXW = 300;
  std::int16_t MBOXH = 200;
  std::int16_t MESSAGETEXTSIZE = 40;
  std::int16_t MESSAGEHEADERTEXTSIZE = 25;  // fixed: no control changes it

  bool operator==(const ProjectSettings&) const = default;
};

inline constexpr std::string_view kAgkClassic = "AGK Classic";
inline constexpr std::string_view kAgkStudio = "AGK Studio";

// True when AGKVERSION names the edition: exact text, capitals counted,
// trailing spaces not.
bool IsEdition(const ProjectSettings& settings, std::string_view edition);

// Description of one setting, so that front ends can list, print, parse and
// check settings by their names without a switch per setting.
struct SettingInfo {
  using Member = std::variant<std::string ProjectSettings::*, std::int16_t ProjectSettings::*,
                              std::int32_t ProjectSettings::*>;
  std::string_view name;
  Member member;
  std::size_t maxLength;  // characters for a text; characters of the entry for a number
  bool fixed = false;     // true for the one setting no user may change

  bool IsText() const { return std::holds_alternative<std::string ProjectSettings::*>(member); }
};

// All thirty settings in the order of the table that defines them.
const std::vector<SettingInfo>& AllSettings();
const SettingInfo* FindSetting(std::string_view name);

// The value of a setting as text: a text as stored, a number in decimal.
std::string SettingValueText(const ProjectSettings& settings, const SettingInfo& info);

// Checks a value against the setting's limits and stores it. Returns an error
// sentence naming the setting, the value and the limit when it does not fit.
std::optional<std::string> AssignSetting(ProjectSettings& settings, const SettingInfo& info,
                                         std::string_view value);

// Parses the decimal text of a number of the given width (16 or 32 bits).
// The entry allows at most `maxLength` characters including a leading minus.
std::optional<std::int64_t> ParseSettingNumber(std::string_view text, std::size_t maxLength,
                                               std::int64_t min, std::int64_t max);

}  // namespace tablesmith
