#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/Generators.h"
#include "model/ProjectSettings.h"

namespace tablesmith {

// One output file of a run: its bare name inside OUTPUTFOLDER, the generator
// that writes it, and the settings its name is made from (for error messages).
struct PlannedFile {
  std::string name;
  Generator generator = nullptr;  // null while the file has no generator yet
  std::vector<std::string_view> namedBy;
};

// The output files in the order they are written. The startup file is left
// out when AGKVERSION names neither edition.
std::vector<PlannedFile> PlanOutputFiles(const ProjectSettings& settings);

// PROJECTNAME, with ".agk" appended unless it already ends in exactly ".agk"
// (trailing spaces not counted, capitals counted).
std::string ProjectFileName(const ProjectSettings& settings);

// The twenty theme images that every run copies, in the order copied.
inline constexpr std::array<std::string_view, 20> kThemeImages = {
    "back.png",     "begin.png",  "border.png",   "borderf.png",   "cancel.png",
    "change.png",   "close.png",  "closeicon.png", "delete.png",   "downimage.png",
    "end.png",      "insert.png", "ok.png",       "scrimage.png",  "sidebg.png",
    "win.png",      "forw.png",   "winfooter.png", "winheader.png", "upimage.png"};

// Checks that the run can write its files: OUTPUTFOLDER is set, every output
// name stays inside it, and no two outputs share a name. Returns one sentence
// per problem; an empty list means the run may start.
std::vector<std::string> CheckOutputPlan(const ProjectSettings& settings,
                                         const std::vector<PlannedFile>& plan);

}  // namespace tablesmith
