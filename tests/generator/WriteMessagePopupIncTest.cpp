#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "generator/Generators.h"
#include "support/TestSupport.h"

namespace tablesmith {
namespace {

constexpr std::size_t kHeaderLines = 8;

// A file's lines as built (trailing spaces kept), one per line, LF-separated.
std::vector<std::string> Golden(const char* name) {
  const std::string bytes = test::ReadBytes(std::filesystem::path(TABLESMITH_TEST_DATA) / name);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(bytes.substr(start, end - start));
  }
  return lines;
}

std::vector<std::string> Replaced(std::vector<std::string> lines, const std::string& from,
                                  const std::string& to) {
  for (std::string& line : lines) {
    for (std::size_t at = 0; (at = line.find(from, at)) != std::string::npos; at += to.size()) {
      line.replace(at, from.size(), to);
    }
  }
  return lines;
}

// The lines after the header comment block, which must open the file.
std::vector<std::string> Body(const ProjectSettings& settings, const FieldList& fields = {}) {
  LineWriter writer(test::FixedClock);
  WriteMessagePopupInc(settings, fields, writer);
  LineWriter header(test::FixedClock);
  WriteHeaderComment(header);
  const auto& lines = writer.Lines();
  EXPECT_TRUE(lines.size() >= kHeaderLines &&
              std::equal(header.Lines().begin(), header.Lines().end(), lines.begin()));
  return {lines.begin() + std::min(kHeaderLines, lines.size()), lines.end()};
}

TEST(WriteMessagePopupIncTest, DefaultPrefixesGiveTheSeventyTwoLines) {
  const auto body = Body(ProjectSettings{});
  ASSERT_EQ(body.size(), 72u);
  EXPECT_EQ(body, Golden("popup_default.txt"));

  // Two empty lines before setup(), two after the last endfunction; the
  // Cancel sprite's line has one blank less before "=" than the other four.
  EXPECT_EQ(body[0], "");
  EXPECT_EQ(body[1], "");
  EXPECT_EQ(body[2], "function mespopup_setup()");
  EXPECT_EQ(body[10], "    mespopup_border_img_ID     = CreateSprite(mespopup_border_img)");
  EXPECT_EQ(body[14], "    mespopup_cancelbtn_img_ID    = CreateSprite(mespopup_cancelbtn_img)");
  EXPECT_EQ(body[65], "        DeleteText(mespopup_header_txt_ID)        ");
  EXPECT_EQ(body[69], "endfunction");
  EXPECT_EQ(body[70], "");
  EXPECT_EQ(body[71], "");
}

TEST(WriteMessagePopupIncTest, OnlyTheMessageAndProgramPrefixesChangeTheText) {
  const auto golden = Golden("popup_default.txt");
  const std::pair<std::string, std::string> prefixes[] = {{"", ""}, {"Pop", "g"}};
  for (const auto& [message, program] : prefixes) {
    ProjectSettings settings;
    settings.MESSAGEPREFIX = message;
    settings.PROGRAMPREFIX = program;
    settings.FORMPREFIX = "";
    settings.LISTPREFIX = "zz";
    settings.AGKVERSION = "AGK Classic";
    settings.MBOXW = -7;
    const FieldList fields = {test::F("id", "Integer"), test::F("name", "String")};
    EXPECT_EQ(Body(settings, fields),
              Replaced(Replaced(golden, "mespopup_", message), "prg_", program))
        << "MESSAGEPREFIX \"" << message << "\", PROGRAMPREFIX \"" << program << "\"";
  }
  ProjectSettings empty;
  empty.MESSAGEPREFIX = "";
  empty.PROGRAMPREFIX = "";
  const auto body = Body(empty);
  EXPECT_EQ(body[2], "function setup()");
  EXPECT_EQ(body[4], "    border_img         = LoadImage(theme+\"border.png\")");
}

}  // namespace
}  // namespace tablesmith
