#include "model/ProjectSettings.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <type_traits>

#include "model/Utf8.h"

namespace tablesmith {

std::string DefaultOutputFolder() {
#ifdef _WIN32
  return "c:\\Tablesmith_output";
#else
  const char* home = std::getenv("HOME");
  std::string folder = (home && *home) ? home : ".";
  if (folder.back() != '/') folder += '/';
  return folder + "Tablesmith_output";
#endif
}

namespace {

using S = ProjectSettings;
constexpr std::size_t kShortEntry = 7;
constexpr std::size_t kLongEntry = 14;

const std::vector<SettingInfo> kSettings = {
    {"OUTPUTFOLDER", &S::OUTPUTFOLDER, 254},
    {"FHEADER", &S::FHEADER, 49},
    {"PROJECTNAME", &S::PROJECTNAME, 254},
    {"AGKVERSION", &S::AGKVERSION, 19},
    {"PROGRAMPREFIX", &S::PROGRAMPREFIX, 19},
    {"TABLENAME", &S::TABLENAME, 19},
    {"THEME", &S::THEME, 19},
    {"TEXTSOZE", &S::TEXTSOZE, kShortEntry},
    {"SCROLLBARWIDTH", &S::SCROLLBARWIDTH, kShortEntry},
    {"LISTX1", &S::LISTX1, kLongEntry},
    {"LISTY1", &S::LISTY1, kLongEntry},
    {"LISTW", &S::LISTW, kLongEntry},
    {"LISTH", &S::LISTH, kLongEntry},
    {"LISTPREFIX", &S::LISTPREFIX, 19},
    {"LISTMAXRECORDS", &S::LISTMAXRECORDS, kShortEntry},
    {"FORMPREFIX", &S::FORMPREFIX, 19},
    {"FORMW", &S::FORMW, kShortEntry},
    {"FORMH", &S::FORMH, kShortEntry},
    {"FORMX1", &S::FORMX1, kShortEntry},
    {"FORMY1", &S::FORMY1, kShortEntry},
    {"EDITBOXTEXTSIZE", &S::EDITBOXTEXTSIZE, kShortEntry},
    {"EDITBOXHEIGHT", &S::EDITBOXHEIGHT, kShortEntry},
    {"EDITBOXOFFSET", &S::EDITBOXOFFSET, kShortEntry},
    {"MESSAGEPREFIX", &S::MESSAGEPREFIX, 19},
    {"MBOXX", &S::MBOXX, kShortEntry},
    {"MBOXY", &S::MBOXY, kShortEntry},
    {"MBOXW", &S::MBOXW, kShortEntry},
    {"MBOXH", &S::MBOXH, kShortEntry},
    {"MESSAGETEXTSIZE", &S::MESSAGETEXTSIZE, kShortEntry},
    {"MESSAGEHEADERTEXTSIZE", &S::MESSAGEHEADERTEXTSIZE, kShortEntry, true},
};

template <typename Int>
std::optional<std::string> AssignNumber(Int& target, const SettingInfo& info,
                                        std::string_view value, bool fixed) {
  constexpr std::int64_t min = std::numeric_limits<Int>::min();
  constexpr std::int64_t max = std::numeric_limits<Int>::max();
  const auto number = ParseSettingNumber(value, info.maxLength, min, max);
  const std::string name(info.name);
  if (!number) {
    return name + ": \"" + std::string(value) + "\" is not a whole number from " +
           std::to_string(min) + " to " + std::to_string(max) + " (at most " +
           std::to_string(info.maxLength) + " characters)";
  }
  if (fixed && *number != target) {
    return name + ": the value is fixed at " + std::to_string(target) + " and cannot be set to " +
           std::string(value);
  }
  target = static_cast<Int>(*number);
  return std::nullopt;
}

}  // namespace

bool IsEdition(const ProjectSettings& settings, std::string_view edition) {
  return WithoutTrailingSpaces(settings.AGKVERSION) == edition;
}

const std::vector<SettingInfo>& AllSettings() { return kSettings; }

const SettingInfo* FindSetting(std::string_view name) {
  for (const auto& info : kSettings) {
    if (info.name == name) return &info;
  }
  return nullptr;
}

std::string SettingValueText(const ProjectSettings& settings, const SettingInfo& info) {
  return std::visit(
      [&](auto member) -> std::string {
        const auto& value = settings.*member;
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
          return value;
        } else {
          return std::to_string(value);
        }
      },
      info.member);
}

std::optional<std::int64_t> ParseSettingNumber(std::string_view text, std::size_t maxLength,
                                               std::int64_t min, std::int64_t max) {
  if (text.empty() || text.size() > maxLength) return std::nullopt;
  const bool negative = text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  if (negative) value = -value;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<std::string> AssignSetting(ProjectSettings& settings, const SettingInfo& info,
                                         std::string_view value) {
  return std::visit(
      [&](auto member) -> std::optional<std::string> {
        auto& target = settings.*member;
        if constexpr (std::is_same_v<std::decay_t<decltype(target)>, std::string>) {
          const std::size_t length = Utf8Length(value);
          if (length > info.maxLength) {
            return std::string(info.name) + ": the value is " + std::to_string(length) +
                   " characters long; at most " + std::to_string(info.maxLength) +
                   " are allowed";
          }
          target = std::string(value);
          return std::nullopt;
        } else {
          return AssignNumber(target, info, value, info.fixed);
        }
      },
      info.member);
}

}  // namespace tablesmith
