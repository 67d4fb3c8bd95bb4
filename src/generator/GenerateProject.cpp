#include "generator/GenerateProject.h"

#include <system_error>

#include "generator/AtomicFile.h"
#include "generator/OutputPlan.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tablesmith {
namespace {

constexpr const char* kLineBreak = "\r\n";

// Creates one folder of the run (and any missing parent), recording a failure.
void CreateFolder(const std::filesystem::path& folder, std::vector<std::string>& failures) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!error && !std::filesystem::is_directory(folder, error)) {
    error = std::make_error_code(std::errc::not_a_directory);
  }
  if (error) failures.push_back("Folder " + folder.string() + ": " + error.message());
}

void CopyThemeMedia(const std::filesystem::path& source, const std::filesystem::path& target,
                    std::vector<std::string>& failures) {
  for (std::string_view image : kThemeImages) {
    if (auto error = CopyFileAtomically(source / image, target / image)) {
      failures.push_back("Image " + (target / image).string() + ": " + *error);
    }
  }
}

}  // namespace

std::string FinalMessage(const ProjectSettings& settings) {
  return std::string("Congratulatons... ") + kLineBreak + kLineBreak +
         "Please open die Project file in:" + kLineBreak + kLineBreak + settings.OUTPUTFOLDER;
}

std::optional<std::string> ExportFile(const std::vector<std::string>& lines,
                                      const std::filesystem::path& target,
                                      RunObserver* observer) {
  AtomicFile file(target);
  if (auto error = file.Open()) return error;
  std::size_t written = 0;
  for (const std::string& line : lines) {
    file.Write(FormatLineForDisk(line));
    if (observer) observer->LinesWritten(++written);
  }
  return file.Commit();
}

RunReport GenerateProject(const ProjectSettings& settings, const FieldList& fields,
                          const RunEnvironment& environment, RunObserver* observer) {
  RunReport report;
  const std::vector<PlannedFile> plan = PlanOutputFiles(settings);
  report.failures = CheckOutputPlan(settings, plan);
  if (!report.failures.empty()) {
    report.outcome = RunReport::Outcome::Refused;
    report.message = "Nothing was generated:";
    for (const std::string& reason : report.failures) report.message += kLineBreak + reason;
    return report;
  }

  const std::filesystem::path output(settings.OUTPUTFOLDER);
  const std::filesystem::path themeTarget = output / "media" / "Theme1";
  CreateFolder(output, report.failures);
  CreateFolder(output / "media", report.failures);
  CreateFolder(themeTarget, report.failures);
  CopyThemeMedia(environment.themeFolder, themeTarget, report.failures);

  LineWriter writer(environment.clock);
  for (const PlannedFile& file : plan) {
    if (!file.generator) continue;
    writer.StartFile();
    file.generator(settings, fields, writer);
    if (observer) observer->FileStarted(file.name, writer.Lines().size());
    const auto error = ExportFile(writer.Lines(), output / file.name, observer);
    if (observer) observer->FileFinished(file.name);
    if (error) {
      report.failures.push_back("File " + (output / file.name).string() + ": " + *error);
    } else {
      report.filesWritten.push_back(file.name);
    }
  }

  report.message = FinalMessage(settings);
  if (!report.failures.empty()) {
    report.outcome = RunReport::Outcome::Incomplete;
    report.message += std::string(kLineBreak) + kLineBreak + "These could not be written:";
    for (const std::string& failure : report.failures) report.message += kLineBreak + failure;
  }
  return report;
}

std::filesystem::path CurrentExecutable() {
  std::error_code error;
#ifdef _WIN32
  wchar_t buffer[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4);
  return length ? std::filesystem::path(std::wstring(buffer, length)) : std::filesystem::path{};
#else
  auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path{} : path;
#endif
}

std::filesystem::path FindThemeFolder(const std::filesystem::path& executable) {
  const std::filesystem::path relative = std::filesystem::path("media") / "Theme1";
  const std::filesystem::path besideProgram = executable.parent_path() / relative;
  const std::filesystem::path candidates[] = {
      besideProgram,
      executable.parent_path().parent_path() / "share" / "tablesmith" / relative,
#ifdef TABLESMITH_INSTALL_DATADIR
      std::filesystem::path(TABLESMITH_INSTALL_DATADIR) / relative,
#endif
      relative,
  };
  std::error_code error;
  for (const auto& candidate : candidates) {
    if (std::filesystem::is_directory(candidate, error)) return candidate;
  }
  return besideProgram;
}

}  // namespace tablesmith
