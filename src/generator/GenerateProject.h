#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "generator/LineWriter.h"
#include "model/FieldDefinition.h"
#include "model/ProjectSettings.h"

namespace tablesmith {

// What a front end learns while a run works. The desktop shows a progress
// window per file; the command line prints a line per file.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // A generated file is about to be put on disk; it has `lineCount` lines.
  virtual void FileStarted(const std::string& fileName, std::size_t lineCount) {
    (void)fileName;
    (void)lineCount;
  }
  // `linesWritten` lines of the current file are on disk.
  virtual void LinesWritten(std::size_t linesWritten) { (void)linesWritten; }
  // The current file is done (written or failed).
  virtual void FileFinished(const std::string& fileName) { (void)fileName; }
};

// Where a run takes what it does not get from the user.
struct RunEnvironment {
  std::filesystem::path themeFolder;  // holds the twenty theme images
  Clock clock = ReadHeaderClock;      // read once per header comment block
};

struct RunReport {
  enum class Outcome {
    Done,        // every folder, image and file was written
    Incomplete,  // the run went through, but something could not be written
    Refused,     // the settings would break the output; nothing was written
  };
  Outcome outcome = Outcome::Done;
  // The text of the final message box. When something failed it lists each
  // failure; when the run was refused it says why.
  std::string message;
  std::vector<std::string> failures;  // one sentence per failure or refusal reason
  std::vector<std::string> filesWritten;  // bare names, in the order written
};

// The final message of a run, before any list of failures.
std::string FinalMessage(const ProjectSettings& settings);

// Writes the complete project into OUTPUTFOLDER: the folders, the theme
// images and every output file, each by its generator, one at a time.
RunReport GenerateProject(const ProjectSettings& settings, const FieldList& fields,
                          const RunEnvironment& environment, RunObserver* observer = nullptr);

// Puts the lines of one file on disk in the generated-file format, through a
// temporary file, reporting progress per line. Returns the reason on failure.
std::optional<std::string> ExportFile(const std::vector<std::string>& lines,
                                      const std::filesystem::path& target,
                                      RunObserver* observer = nullptr);

// The folder of theme images beside the program: next to the executable in
// the build tree, or under share/tablesmith when installed.
std::filesystem::path FindThemeFolder(const std::filesystem::path& executable);

// The path of the running executable (empty when it cannot be told).
std::filesystem::path CurrentExecutable();

}  // namespace tablesmith
