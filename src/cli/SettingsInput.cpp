#include "cli/SettingsInput.h"

#include <fstream>
#include <sstream>

namespace tablesmith {
namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::string> AssignByName(ProjectSettings& settings, std::string_view name,
                                        std::string_view value) {
  const SettingInfo* info = FindSetting(name);
  if (!info) {
    return "unknown setting \"" + std::string(name) +
           "\"; `tablesmith-cli settings` lists the setting names";
  }
  if (value.find_first_of("\r\n") != std::string_view::npos) {
    return std::string(name) + ": a value cannot hold a line break";
  }
  return AssignSetting(settings, *info, value);
}

std::optional<std::string> ApplyAssignments(const std::vector<std::string>& assignments,
                                            ProjectSettings& settings) {
  for (const std::string& assignment : assignments) {
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) {
      return "--set \"" + assignment + "\" is not of the form NAME=VALUE";
    }
    if (auto error = AssignByName(settings, Trim(std::string_view(assignment).substr(0, equals)),
                                  std::string_view(assignment).substr(equals + 1))) {
      return error;
    }
  }
  return std::nullopt;
}

std::optional<std::string> ReadSettingsFile(const std::filesystem::path& file,
                                            ProjectSettings& settings) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "cannot read the settings file " + file.string();
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    const std::string_view content = Trim(line);
    if (content.empty() || content.front() == ';' || content.front() == '#' ||
        content.front() == '[') {
      continue;
    }
    const std::string where = file.string() + " line " + std::to_string(number) + ": ";
    const auto equals = line.find('=');
    if (equals == std::string::npos) return where + "\"" + line + "\" is not of the form NAME=VALUE";
    if (auto error = AssignByName(settings, Trim(std::string_view(line).substr(0, equals)),
                                  std::string_view(line).substr(equals + 1))) {
      return where + *error;
    }
  }
  return std::nullopt;
}

std::string FormatSettings(const ProjectSettings& settings) {
  std::ostringstream text;
  for (const SettingInfo& info : AllSettings()) {
    text << info.name << '=' << SettingValueText(settings, info) << '\n';
  }
  return text.str();
}

}  // namespace tablesmith
