#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "generator/GenerateProject.h"

namespace {

using namespace tablesmith;

FieldList MakeFields(int count) {
  static const char* const kTypes[] = {"String", "Integer", "Float"};
  FieldList fields;
  fields.reserve(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) {
    fields.push_back({i, "Field number " + std::to_string(i), "field" + std::to_string(i),
                      kTypes[i % 3]});
  }
  return fields;
}

// A whole generation run (folders, theme images, every output file) into a
// temporary folder, with 10 and with 10,000 field definitions.
void BM_GenerationRun(benchmark::State& state) {
  const FieldList fields = MakeFields(static_cast<int>(state.range(0)));
  std::random_device random;
  const auto folder = std::filesystem::temp_directory_path() /
                      ("tablesmith-bench-" + std::to_string(random()));
  ProjectSettings settings;
  settings.OUTPUTFOLDER = folder.string();
  RunEnvironment environment{TABLESMITH_THEME_FOLDER};
  for (auto _ : state) {
    RunReport report = GenerateProject(settings, fields, environment);
    if (report.outcome != RunReport::Outcome::Done) {
      state.SkipWithError(report.message.c_str());
      break;
    }
    benchmark::DoNotOptimize(report);
  }
  std::filesystem::remove_all(folder);
  state.SetLabel(std::to_string(state.range(0)) + " fields");
}
BENCHMARK(BM_GenerationRun)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
