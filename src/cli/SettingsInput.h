#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/ProjectSettings.h"

namespace tablesmith {

// Reads an INI file of NAME=VALUE lines (the form that `settings` prints) into
// the settings. Blank lines, comment lines (";" or "#") and [section] lines are
// skipped; the name may be surrounded by blanks, the value is taken exactly as
// written after "=". Returns an error naming the file and line, or nothing.
std::optional<std::string> ReadSettingsFile(const std::filesystem::path& file,
                                            ProjectSettings& settings);

// Applies NAME=VALUE assignments in order. Returns an error naming the value
// and its limit, or nothing.
std::optional<std::string> ApplyAssignments(const std::vector<std::string>& assignments,
                                            ProjectSettings& settings);

// Checks and stores one value by the setting's name.
std::optional<std::string> AssignByName(ProjectSettings& settings, std::string_view name,
                                        std::string_view value);

// The settings as NAME=VALUE lines, one per setting, in their defining order.
std::string FormatSettings(const ProjectSettings& settings);

}  // namespace tablesmith
