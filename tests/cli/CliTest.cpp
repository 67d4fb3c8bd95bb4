#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/TestSupport.h"

namespace tablesmith {
namespace {

namespace fs = std::filesystem;

struct Result {
  int exit = -1;
  std::string out;
  std::string err;
};

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs the real tablesmith-cli in `dir` and captures its output.
Result Cli(const test::TempDir& dir, const std::vector<std::string>& args) {
  std::string command = "cd " + ShellQuote(dir.path().string()) + " && " +
                        ShellQuote(TABLESMITH_CLI_PATH);
  for (const auto& arg : args) command += " " + ShellQuote(arg);
  command += " >out.txt 2>err.txt";
  const int status = std::system(command.c_str());
  Result result;
  result.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = test::ReadBytes(dir / "out.txt");
  result.err = test::ReadBytes(dir / "err.txt");
  return result;
}

TEST(CliTest, FieldsAreAddedChangedDeletedAndListedInEveryFormat) {
  test::TempDir dir;
  EXPECT_EQ(Cli(dir, {"fields", "add", "--description", "Record number", "--name", "id",
                      "--type", "Integer"}).exit, 0);
  EXPECT_EQ(Cli(dir, {"fields", "add", "--description", "Name, \"first\"", "--name", "name",
                      "--type", "String"}).exit, 0);
  EXPECT_EQ(Cli(dir, {"fields", "add", "--description", "", "--name", "x", "--type", ""}).exit, 0);
  EXPECT_TRUE(fs::exists(dir / "DBFIELDS.sqlite")) << "the store lives in the working folder";
  EXPECT_EQ(Cli(dir, {"fields", "change", "3", "--type", "Float"}).exit, 0);
  EXPECT_EQ(Cli(dir, {"fields", "add", "--description", "d", "--name", "gone", "--type",
                      "String"}).exit, 0);
  EXPECT_EQ(Cli(dir, {"fields", "delete", "4"}).exit, 0);

  EXPECT_EQ(Cli(dir, {"fields", "list", "--format", "csv"}).out,
            "ID,FIELD_DESCRPTION,FIELDNAME,FIELDTYPE\n"
            "1,Record number,id,Integer\n"
            "2,\"Name, \"\"first\"\"\",name,String\n"
            "3,,x,Float\n");
  EXPECT_EQ(Cli(dir, {"fields", "list", "--format", "json"}).out,
            "[\n"
            "  {\"ID\": 1, \"FIELD_DESCRPTION\": \"Record number\", \"FIELDNAME\": \"id\", "
            "\"FIELDTYPE\": \"Integer\"},\n"
            "  {\"ID\": 2, \"FIELD_DESCRPTION\": \"Name, \\\"first\\\"\", \"FIELDNAME\": "
            "\"name\", \"FIELDTYPE\": \"String\"},\n"
            "  {\"ID\": 3, \"FIELD_DESCRPTION\": \"\", \"FIELDNAME\": \"x\", \"FIELDTYPE\": "
            "\"Float\"}\n"
            "]\n");
  EXPECT_EQ(Cli(dir, {"fields", "list"}).out,
            "ID  FIELD_DESCRPTION  FIELDNAME  FIELDTYPE\n"
            " 1  Record number     id         Integer\n"
            " 2  Name, \"first\"     name       String\n"
            " 3                    x          Float\n");
}

TEST(CliTest, BadInputIsRefusedWithExitTwoAndNothingStored) {
  struct Case {
    std::vector<std::string> args;
    std::string mustSay;
  };
  const std::string long40(40, 'n');
  const Case cases[] = {
      {{"fields", "add", "--description", "d", "--name", long40, "--type", "String"},
       "at most 39"},
      {{"fields", "add", "--description", std::string(40, 'd'), "--name", "n", "--type", ""},
       "FIELD_DESCRPTION"},
      {{"fields", "add", "--description", "d", "--name", "n", "--type", "string"}, "\"string\""},
      {{"fields", "add", "--description", "d", "--name", "n"}, "--type"},
      {{"fields", "change", "1", "--type", "Double"}, "\"Double\""},
      {{"fields", "change", "7", "--name", "x"}, "ID 7"},
      {{"fields", "change", "abc"}, "\"abc\""},
      {{"fields", "delete", "0"}, "\"0\""},
      {{"fields", "list", "--format", "xml"}, "xml"},
      {{"settings", "--set", "TEXTSOZE=40000"}, "TEXTSOZE"},
      {{"settings", "--set", "LISTW=12345678901234567"}, "LISTW"},
      {{"settings", "--set", "NOSUCH=1"}, "NOSUCH"},
      {{"settings", "--set", "FORMW"}, "NAME=VALUE"},
      {{"settings", "--set", "PROGRAMPREFIX=" + std::string(20, 'p')}, "at most 19"},
      {{"generate", "--set", "LISTW=abc", "--output", "out"}, "\"abc\""},
      {{"generate", "--set", "OUTPUTFOLDER="}, "OUTPUTFOLDER"},
      {{"generate", "--output", "out", "--set", "PROGRAMPREFIX=../"}, "PROGRAMPREFIX"},
      {{"generate", "--output", "out", "--set", "MESSAGEPREFIX=list_"}, "\"list_.inc\""},
      {{"nonsense"}, "nonsense"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    ASSERT_EQ(Cli(dir, {"fields", "add", "--description", "d", "--name", "id", "--type",
                        "Integer"}).exit, 0);
    const std::string storeBefore = test::ReadBytes(dir / "DBFIELDS.sqlite");
    const Result result = Cli(dir, c.args);
    EXPECT_EQ(result.exit, 2) << c.args.front() << " " << c.mustSay << "\n" << result.err;
    EXPECT_NE(result.err.find(c.mustSay), std::string::npos) << result.err;
    EXPECT_EQ(test::ReadBytes(dir / "DBFIELDS.sqlite"), storeBefore);
    EXPECT_FALSE(fs::exists(dir / "out"));
  }
}

TEST(CliTest, ForeignStoreIsReportedWithItsPathAndLeftAlone) {
  test::TempDir dir;
  test::WriteBytes(dir / "notes.sqlite", "hello");
  for (const auto& command : std::vector<std::vector<std::string>>{
           {"fields", "list", "--store", "notes.sqlite"},
           {"fields", "add", "--store", "notes.sqlite", "--description", "d", "--name", "n",
            "--type", "String"},
           {"generate", "--store", "notes.sqlite", "--output", "out"}}) {
    const Result result = Cli(dir, command);
    EXPECT_EQ(result.exit, 2) << command[1];
    EXPECT_NE(result.err.find("notes.sqlite"), std::string::npos) << result.err;
    EXPECT_EQ(test::ReadBytes(dir / "notes.sqlite"), "hello");
    EXPECT_FALSE(fs::exists(dir / "out"));
  }
}

TEST(CliTest, SettingsFileAndSetCombineAndRoundTrip) {
  test::TempDir dir;
  test::WriteBytes(dir / "my.ini",
                   "; project settings\r\n[tablesmith]\r\nFHEADER=My Title \r\n"
                   "TEXTSOZE=-5\r\n\r\nLISTPREFIX=lst\r\n");
  const Result result =
      Cli(dir, {"settings", "--settings", "my.ini", "--set", "LISTPREFIX=L", "--set", "THEME="});
  ASSERT_EQ(result.exit, 0) << result.err;
  EXPECT_NE(result.out.find("\nFHEADER=My Title \n"), std::string::npos);
  EXPECT_NE(result.out.find("\nTEXTSOZE=-5\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nLISTPREFIX=L\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nTHEME=\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nMESSAGEHEADERTEXTSIZE=25\n"), std::string::npos);

  test::WriteBytes(dir / "printed.ini", result.out);
  EXPECT_EQ(Cli(dir, {"settings", "--settings", "printed.ini"}).out, result.out);

  test::WriteBytes(dir / "bad.ini", "FORMW=1\nFORMH=lots\n");
  const Result bad = Cli(dir, {"settings", "--settings", "bad.ini"});
  EXPECT_EQ(bad.exit, 2);
  EXPECT_NE(bad.err.find("bad.ini line 2"), std::string::npos) << bad.err;
}

TEST(CliTest, GenerateUsesEveryDefinitionAndReportsTheOutcome) {
  test::TempDir dir;
  for (int i = 1; i <= 30; ++i) {
    ASSERT_EQ(Cli(dir, {"fields", "add", "--description", "d", "--name",
                        "f" + std::to_string(i), "--type", "Integer"}).exit, 0);
  }
  const Result result = Cli(dir, {"generate", "--output", "new/out"});
  EXPECT_EQ(result.exit, 0) << result.out << result.err;
  const std::string folder = (dir / "new/out").string();
  EXPECT_EQ(result.out, "Congratulatons... \r\n\r\nPlease open die Project file in:\r\n\r\n"
                        "new/out\n");
  EXPECT_TRUE(fs::exists(dir / "new/out/media/Theme1/upimage.png"));
  EXPECT_NE(result.err.find("Writing main.agc"), std::string::npos);
  const std::string globals = test::ReadBytes(dir / "new/out/prg_globals.inc");
  EXPECT_NE(globals.find("f30"), std::string::npos) << "the last of 30 definitions is generated";

  test::WriteBytes(dir / "blocker", "a file");
  const Result failed = Cli(dir, {"generate", "--output", "blocker/out"});
  EXPECT_EQ(failed.exit, 1);
  EXPECT_NE(failed.out.find("These could not be written:"), std::string::npos) << failed.out;
  EXPECT_NE(failed.out.find("blocker/out"), std::string::npos);
}

TEST(CliTest, HelpAndVersion) {
  test::TempDir dir;
  const Result help = Cli(dir, {"--help"});
  EXPECT_EQ(help.exit, 0);
  EXPECT_NE(help.out.find("generate"), std::string::npos);
  const Result version = Cli(dir, {"--version"});
  EXPECT_EQ(version.exit, 0);
  EXPECT_EQ(version.out, "tablesmith-cli 1.0 (Build: 321)\n");
  EXPECT_EQ(Cli(dir, {}).exit, 2);
}

}  // namespace
}  // namespace tablesmith
