#include "generator/LineWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "generator/GenerateProject.h"
#include "support/TestSupport.h"

namespace tablesmith {
namespace {

using test::ReadBytes;

TEST(LineWriterTest, DiskFormatCutsStripsAndEndsWithCrLf) {
  struct Case {
    std::string entry;
    std::string expected;
  };
  const std::string long1030 = std::string(1020, 'a') + "bcdefghijk";
  const std::string umlauts = std::string(1023, 'a') + "\xC3\xA4\xC3\xB6";  // ä ö
  const Case cases[] = {
      {"    ", "\r\n"},
      {"Sync() ", "Sync()\r\n"},
      {"", "\r\n"},
      {"a\tb \t", "a\tb \t\r\n"},  // only blanks are trailing spaces
      {"  lead", "  lead\r\n"},
      {long1030, std::string(1020, 'a') + "bcde\r\n"},
      {umlauts, std::string(1023, 'a') + "\xC3\xA4\r\n"},  // never splits a character
      {std::string(1024, 'x') + "   ", std::string(1024, 'x') + "\r\n"},
      {std::string(1020, 'x') + "    yy", std::string(1020, 'x') + "\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatLineForDisk(c.entry), c.expected) << "entry of " << c.entry.size() << " bytes";
  }
}

TEST(LineWriterTest, ComposeAppendAndStartFile) {
  LineWriter writer(test::FixedClock);
  writer.ComposeLine({"Set", "Sprite", "Size"});
  writer.Append();
  writer.Append();  // twice without composing: the same line twice
  writer.WriteLine("next");
  EXPECT_EQ(writer.Lines(), (std::vector<std::string>{"SetSpriteSize", "SetSpriteSize", "next"}));

  writer.StartFile();
  EXPECT_TRUE(writer.Lines().empty());
  writer.Append();  // the buffer keeps the last line composed
  EXPECT_EQ(writer.Lines(), std::vector<std::string>{"next"});
}

TEST(LineWriterTest, ComposedLineIsCutToTheBuffer) {
  LineWriter writer;
  writer.WriteLine(std::string(6000, 'z'));
  EXPECT_EQ(writer.Lines().front().size(), LineWriter::kMaxEntryLength);
}

TEST(LineWriterTest, HeaderCommentBlock) {
  LineWriter writer(test::FixedClock);
  WriteHeaderComment(writer);
  const auto& lines = writer.Lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "/* Created with Tablesmith for AGK");
  EXPECT_EQ(lines[2], "Version 1.0 (Build: 321)");
  EXPECT_EQ(lines[5], "Date:   5/03/2020  Time: 09:05:03");
  EXPECT_EQ(lines[6], "*/");
  EXPECT_EQ(lines[7], "");
}

TEST(LineWriterTest, HeaderDatePictures) {
  std::tm time = test::FixedClock();
  time.tm_mday = 25;
  time.tm_mon = 11;
  time.tm_hour = 23;
  time.tm_min = 59;
  time.tm_sec = 0;
  EXPECT_EQ(FormatHeaderDate(time), "25/12/2020");
  EXPECT_EQ(FormatHeaderTime(time), "23:59:00");
}

TEST(LineWriterTest, SourceDateEpochIsReadInUtc) {
  ::setenv("SOURCE_DATE_EPOCH", "1583399103", 1);  // 2020-03-05 09:05:03 UTC
  const std::tm time = ReadHeaderClock();
  ::unsetenv("SOURCE_DATE_EPOCH");
  EXPECT_EQ(FormatHeaderDate(time) + " " + FormatHeaderTime(time), " 5/03/2020 09:05:03");
}

TEST(LineWriterTest, ExportFileWritesLinesAndEmptyListGivesZeroBytes) {
  test::TempDir dir;
  ASSERT_FALSE(ExportFile({"a  ", "", "    ", "b"}, dir / "x.inc"));
  EXPECT_EQ(ReadBytes(dir / "x.inc"), "a\r\n\r\n\r\nb\r\n");
  ASSERT_FALSE(ExportFile({}, dir / "empty.inc"));
  EXPECT_EQ(ReadBytes(dir / "empty.inc"), "");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2)
      << "no temporary file is left behind";
}

}  // namespace
}  // namespace tablesmith
