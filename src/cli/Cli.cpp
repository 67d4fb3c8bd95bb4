#include "cli/Cli.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <filesystem>
#include <ostream>

#include "cli/FieldListFormat.h"
#include "cli/SettingsInput.h"
#include "generator/GenerateProject.h"
#include "model/FieldStore.h"

namespace tablesmith {
namespace {

constexpr int kExitDone = 0;
constexpr int kExitNotWritten = 1;
constexpr int kExitUsage = 2;

// A usage or input error: reported in one line, nothing written, exit 2.
struct UsageError {
  std::string message;
};

struct Options {
  std::string store = kDefaultStoreFile;
  std::string settingsFile;
  std::vector<std::string> assignments;
  std::string output;
  std::string format = "table";
  std::string id;
  std::string description;
  std::string name;
  std::string type;
};

// Prints one line per generated file on the error stream, so that the final
// message alone goes to standard output.
class ProgressPrinter : public RunObserver {
 public:
  explicit ProgressPrinter(std::ostream& err) : err_(err) {}
  void FileStarted(const std::string& fileName, std::size_t lineCount) override {
    err_ << "Writing " << fileName << " (" << lineCount << " lines)\n";
  }

 private:
  std::ostream& err_;
};

ProjectSettings ReadSettings(const Options& options, bool outputGiven) {
  ProjectSettings settings;
  if (!options.settingsFile.empty()) {
    if (auto error = ReadSettingsFile(options.settingsFile, settings)) throw UsageError{*error};
  }
  if (auto error = ApplyAssignments(options.assignments, settings)) throw UsageError{*error};
  if (outputGiven) {
    if (auto error = AssignByName(settings, "OUTPUTFOLDER", options.output)) {
      throw UsageError{"--output: " + *error};
    }
  }
  return settings;
}

std::int32_t ParseId(const std::string& text) {
  std::int32_t id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc{} || end != text.data() + text.size() || id < 1) {
    throw UsageError{"ID \"" + text + "\" is not a definition number (a whole number from 1 to " +
                     std::to_string(std::numeric_limits<std::int32_t>::max()) + ")"};
  }
  return id;
}

void CheckField(const FieldDefinition& field) {
  if (auto error = CheckFieldDefinition(field)) throw UsageError{*error};
}

// Opening a store that is not a store (or cannot be opened) is an input error.
FieldStore OpenStore(const std::string& path) {
  try {
    return FieldStore(path);
  } catch (const FieldStoreError& error) {
    throw UsageError{error.what()};
  }
}

// Reading commands do not create a store that is missing: it is simply empty.
FieldList ReadAllFields(const std::string& path) {
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) return {};
  return OpenStore(path).All();
}

int Generate(const Options& options, bool outputGiven, std::ostream& out, std::ostream& err) {
  const ProjectSettings settings = ReadSettings(options, outputGiven);
  const FieldList fields = ReadAllFields(options.store);
  ProgressPrinter progress(err);
  const RunEnvironment environment{FindThemeFolder(CurrentExecutable())};
  const RunReport report = GenerateProject(settings, fields, environment, &progress);
  if (report.outcome == RunReport::Outcome::Refused) {
    for (const auto& reason : report.failures) err << "tablesmith-cli: " << reason << '\n';
    return kExitUsage;
  }
  out << report.message << '\n';
  return report.outcome == RunReport::Outcome::Done ? kExitDone : kExitNotWritten;
}

int ListFields(const Options& options, std::ostream& out) {
  const FieldList fields = ReadAllFields(options.store);
  if (options.format == "csv") out << FormatFieldsCsv(fields);
  else if (options.format == "json") out << FormatFieldsJson(fields);
  else out << FormatFieldsTable(fields);
  return kExitDone;
}

int AddField(const Options& options, std::ostream& out) {
  FieldDefinition field{0, options.description, options.name, options.type};
  CheckField(field);
  FieldStore store = OpenStore(options.store);
  out << "Added field definition " << store.Insert(field) << '\n';
  return kExitDone;
}

int ChangeField(const Options& options, const CLI::App& command, std::ostream& out) {
  const std::int32_t id = ParseId(options.id);
  FieldStore store = OpenStore(options.store);
  auto field = store.Find(id);
  if (!field) throw UsageError{"no field definition has ID " + std::to_string(id)};
  if (command.count("--description")) field->FIELD_DESCRPTION = options.description;
  if (command.count("--name")) field->FIELDNAME = options.name;
  if (command.count("--type")) field->FIELDTYPE = options.type;
  CheckField(*field);
  store.Change(*field);
  out << "Changed field definition " << id << '\n';
  return kExitDone;
}

int DeleteField(const Options& options, std::ostream& out) {
  const std::int32_t id = ParseId(options.id);
  FieldStore store = OpenStore(options.store);
  if (!store.Delete(id)) throw UsageError{"no field definition has ID " + std::to_string(id)};
  out << "Deleted field definition " << id << '\n';
  return kExitDone;
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  Options options;
  CLI::App app{"Tablesmith: writes complete AGK record-manager projects.", "tablesmith-cli"};
  app.set_version_flag("--version", "tablesmith-cli 1.0 (Build: 321)");
  app.require_subcommand(1);

  auto addStore = [&](CLI::App* command) {
    command->add_option("--store", options.store, "field store file")
        ->capture_default_str()
        ->type_name("FILE");
  };
  auto addSettings = [&](CLI::App* command) {
    command->add_option("--settings", options.settingsFile, "INI file of NAME=VALUE lines")
        ->type_name("FILE");
    command->add_option("--set", options.assignments, "set one setting (repeatable)")
        ->type_name("NAME=VALUE")
        ->allow_extra_args(false);
  };

  CLI::App* generate = app.add_subcommand("generate", "write the project into OUTPUTFOLDER");
  addStore(generate);
  addSettings(generate);
  CLI::Option* outputOption =
      generate->add_option("--output", options.output, "same as --set OUTPUTFOLDER=DIR")
          ->type_name("DIR");

  CLI::App* fields = app.add_subcommand("fields", "manage the field definitions");
  fields->require_subcommand(1);
  CLI::App* list = fields->add_subcommand("list", "print the definitions in store order");
  addStore(list);
  list->add_option("--format", options.format, "table, csv or json")
      ->check(CLI::IsMember({"table", "csv", "json"}))
      ->capture_default_str();
  CLI::App* add = fields->add_subcommand("add", "add a definition");
  addStore(add);
  add->add_option("--description", options.description)->required()->type_name("TEXT");
  add->add_option("--name", options.name)->required()->type_name("NAME");
  add->add_option("--type", options.type, "String, Integer, Float or \"\"")
      ->required()
      ->type_name("TYPE");
  CLI::App* change = fields->add_subcommand("change", "change a definition");
  addStore(change);
  change->add_option("ID", options.id)->required();
  change->add_option("--description", options.description)->type_name("TEXT");
  change->add_option("--name", options.name)->type_name("NAME");
  change->add_option("--type", options.type)->type_name("TYPE");
  CLI::App* remove = fields->add_subcommand("delete", "delete a definition");
  addStore(remove);
  remove->add_option("ID", options.id)->required();

  CLI::App* settings = app.add_subcommand("settings", "print the settings as NAME=VALUE lines");
  addSettings(settings);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitDone;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return kExitDone;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return kExitDone;
  } catch (const CLI::ParseError& error) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (!first.empty() && first.front() != '-' && app.get_subcommands([&](CLI::App* c) { return c->get_name() == first; }).empty()) {
      err << "tablesmith-cli: unknown command \"" << first << "\"\nRun with --help for usage.\n";
      return kExitUsage;
    }
    err << "tablesmith-cli: " << error.what() << "\nRun with --help for usage.\n";
    return kExitUsage;
  }

  try {
    if (*generate) return Generate(options, outputOption->count() > 0, out, err);
    if (*list) return ListFields(options, out);
    if (*add) return AddField(options, out);
    if (*change) return ChangeField(options, *change, out);
    if (*remove) return DeleteField(options, out);
    if (*settings) {
      out << FormatSettings(ReadSettings(options, false));
      return kExitDone;
    }
  } catch (const UsageError& error) {
    err << "tablesmith-cli: " << error.message << '\n';
    return kExitUsage;
  } catch (const FieldStoreError& error) {
    err << "tablesmith-cli: " << error.what() << '\n';
    return kExitNotWritten;
  }
  return kExitUsage;
}

}  // namespace tablesmith
