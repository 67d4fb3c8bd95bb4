#include "generator/OutputPlan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

#include "model/Utf8.h"

namespace tablesmith {

std::string ProjectFileName(const ProjectSettings& settings) {
  const std::string_view trimmed = WithoutTrailingSpaces(settings.PROJECTNAME);
  const bool endsInAgk = trimmed.size() >= 4 && trimmed.substr(trimmed.size() - 4) == ".agk";
  return endsInAgk ? settings.PROJECTNAME : settings.PROJECTNAME + ".agk";
}

std::vector<PlannedFile> PlanOutputFiles(const ProjectSettings& s) {
  std::vector<PlannedFile> plan;
  if (IsEdition(s, kAgkClassic)) {
    plan.push_back({"startup.inc", WriteStartupFiles, {}});
  } else if (IsEdition(s, kAgkStudio)) {
    plan.push_back({"startup.scene", WriteStartupFiles, {}});
  }
  plan.push_back({s.PROGRAMPREFIX + "globals.inc", WriteGlobalsInc, {"PROGRAMPREFIX"}});
  plan.push_back({"constants.inc", WriteConstantsInc, {}});
  plan.push_back({s.PROGRAMPREFIX + "fileutils.inc", WriteFileUtilsInc, {"PROGRAMPREFIX"}});
  plan.push_back({"main.agc", WriteMainAgc, {}});
  plan.push_back({ProjectFileName(s), WriteProjectFile, {"PROJECTNAME"}});
  plan.push_back({s.FORMPREFIX + ".inc", WriteFormInc, {"FORMPREFIX"}});
  plan.push_back({s.FORMPREFIX + "input.inc", WriteFormInputInc, {"FORMPREFIX"}});
  plan.push_back({s.LISTPREFIX + ".inc", WriteListInc, {"LISTPREFIX"}});
  plan.push_back({s.LISTPREFIX + "input.inc", WriteListInputInc, {"LISTPREFIX"}});
  plan.push_back({s.MESSAGEPREFIX + ".inc", WriteMessagePopupInc, {"MESSAGEPREFIX"}});
  plan.push_back({s.MESSAGEPREFIX + "input.inc", WriteMessagePopupInputInc, {"MESSAGEPREFIX"}});
  return plan;
}

namespace {

// Why a bare output name would not land inside the output folder, if it would not.
std::optional<std::string> EscapesFolder(const std::string& name) {
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) {
    return "holds a path separator";
  }
  const std::filesystem::path path(name);
  if (path.is_absolute() || path.has_root_name() || path.has_root_directory()) {
    return "is an absolute path";
  }
  if (name == "." || name == "..") return "names a folder, not a file";
  return std::nullopt;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string JoinNames(const std::vector<std::string_view>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

// Output files that differ only in capitals overwrite each other on the
// file systems of Windows and macOS, so names are compared without case.
std::string FoldCase(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

std::vector<std::string> CheckOutputPlan(const ProjectSettings& settings,
                                         const std::vector<PlannedFile>& plan) {
  std::vector<std::string> problems;
  if (settings.OUTPUTFOLDER.empty()) {
    problems.push_back("OUTPUTFOLDER is empty; choose the folder that is to receive the project.");
  }
  std::vector<std::vector<std::string_view>> reported;  // one sentence per setting at fault
  for (const PlannedFile& file : plan) {
    if (auto why = EscapesFolder(file.name)) {
      if (std::find(reported.begin(), reported.end(), file.namedBy) != reported.end()) continue;
      reported.push_back(file.namedBy);
      const std::string setting = file.namedBy.empty() ? "The file name" : JoinNames(file.namedBy);
      std::string value;
      if (!file.namedBy.empty()) {
        value = " " + Quoted(SettingValueText(settings, *FindSetting(file.namedBy.front())));
      }
      problems.push_back(setting + value + " gives the file name " + Quoted(file.name) +
                         ", which " + *why +
                         " and would be written outside the output folder; use a plain name "
                         "without / or \\.");
    }
  }
  std::map<std::string, const PlannedFile*> seen;
  for (const PlannedFile& file : plan) {
    auto [it, fresh] = seen.emplace(FoldCase(file.name), &file);
    if (fresh) continue;
    std::vector<std::string_view> settingsInvolved = it->second->namedBy;
    settingsInvolved.insert(settingsInvolved.end(), file.namedBy.begin(), file.namedBy.end());
    const std::string who = settingsInvolved.empty() ? "Two outputs" : JoinNames(settingsInvolved);
    const char* verb = settingsInvolved.size() == 1 ? " gives" : " give";
    problems.push_back(who + verb + " two output files the same name " + Quoted(file.name) +
                       "; one would overwrite the other. Choose different values.");
  }
  return problems;
}

}  // namespace tablesmith
