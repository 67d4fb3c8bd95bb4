#pragma once

// Helpers shared by the generator tests: the lines a generator builds after
// its header comment block, golden files of such lines, and the bytes a run
// puts on disk.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "generator/Generators.h"
#include "support/TestSupport.h"

namespace tablesmith::test {

using Lines = std::vector<std::string>;

// Every generated file but constants.inc opens with the header comment block.
constexpr std::size_t kHeaderLines = 8;

// The header comment block as built with FixedClock.
const Lines& HeaderLines();

// Runs `generator` with FixedClock and gives the lines after the header
// comment block, as built (trailing spaces kept). Adds a test failure when the
// file does not open with HeaderLines().
Lines BodyOf(Generator generator, const ProjectSettings& settings, const FieldList& fields);

// The bytes a run puts on disk for a file whose lines after the header are
// `body`: HeaderLines(), then every line without its trailing spaces, each
// closed by CR LF.
std::string DiskBytes(const Lines& body);

// The fields the golden runs are made with: id Integer, name String, surname
// String and price Float.
FieldList GoldenRunFields();

// Runs the whole generation with the default settings, GoldenRunFields() and
// FixedClock into a fresh folder and gives the bytes of the file `fileName`.
std::string WrittenByRun(const std::filesystem::path& themeFolder, const std::string& fileName);

// `text` with every `from` replaced by `to`, from left to right; what was put
// in is not searched again.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// `lines` with each (from, to) pair replaced in every line, pair after pair.
Lines Replaced(Lines lines,
               std::initializer_list<std::pair<std::string, std::string>> replacements);

FieldDefinition WithId(FieldDefinition field, std::int32_t id);

// A golden file holds the lines of a generated file after its header comment
// block, as built: each line is closed by "|", so that trailing spaces and
// whitespace-only lines survive editors. Lines without the bar are notes for
// the reader (what the file was made from) and are not part of the content.
Lines ReadGoldenFile(const std::filesystem::path& file);

// Whether `lines` are the lines of the golden file. With the environment
// variable TABLESMITH_UPDATE_GOLDEN=1 the file is first remade from `lines`,
// keeping its notes; the failure message says how to do that.
::testing::AssertionResult MatchesGoldenFile(const Lines& lines, const std::filesystem::path& file);

// The test programs are built with the folders of the golden files
// (tests/data) and of the theme images; these find the files there.
#ifdef TABLESMITH_TEST_DATA
inline Lines ReadGolden(const std::string& name) {
  return ReadGoldenFile(std::filesystem::path(TABLESMITH_TEST_DATA) / name);
}
inline ::testing::AssertionResult MatchesGolden(const Lines& lines, const std::string& name) {
  return MatchesGoldenFile(lines, std::filesystem::path(TABLESMITH_TEST_DATA) / name);
}
#endif
#ifdef TABLESMITH_THEME_FOLDER
inline std::string WrittenByGoldenRun(const std::string& fileName) {
  return WrittenByRun(TABLESMITH_THEME_FOLDER, fileName);
}
#endif

}  // namespace tablesmith::test
