#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "generator/Generators.h"
#include "support/GeneratorTestSupport.h"

namespace tablesmith {
namespace {

using test::F;
using test::kHeaderLines;

// The lines after the header comment block, as built (trailing spaces kept).
test::Lines Body(const ProjectSettings& settings, const FieldList& fields = {}) {
  return test::BodyOf(WriteListInc, settings, fields);
}

// tests/data/list_default.inc.txt was made from the default settings (the
// text does not depend on the fields) and checked line by line against the
// layout of the list view include when it was made. To remake it after a
// deliberate change: TABLESMITH_UPDATE_GOLDEN=1 WriteListIncTest, then read
// the diff line by line before committing it.
TEST(WriteListIncTest, DefaultSettingsGiveTheGoldenLines) {
  EXPECT_TRUE(test::MatchesGolden(Body(ProjectSettings{}), "list_default.inc.txt"));
}

// The run puts the same lines on disk, without trailing spaces, with CR LF.
TEST(WriteListIncTest, RunWritesTheGoldenLinesToDisk) {
  const std::string bytes = test::WrittenByGoldenRun("list_.inc");
  EXPECT_EQ(bytes, test::DiskBytes(test::ReadGolden("list_default.inc.txt")));
  const auto lines = test::SplitCrLf(bytes);
  EXPECT_EQ(lines.size(), kHeaderLines + 192);
  EXPECT_EQ(lines[1], "/* Created with Tablesmith for AGK");
}

// Lines whose spaces, capitals and spelling are easy to get wrong, as built.
TEST(WriteListIncTest, LinesWithOddSpacingAsBuilt) {
  const auto body = Body(ProjectSettings{});
  ASSERT_EQ(body.size(), 192u);
  const std::vector<std::pair<std::size_t, std::string>> expected = {
      {1, "Function list_init()"},
      {2, "    "},
      {4, "        prg_scrollbarwidth =  (prg_scrollbarwidth * w) / 100"},
      {7, "    list_border_img        = LoadImage(prg_theme+\"border.png\")"},
      {18, "    list_footer_img           = LoadImage(prg_theme+\"winfooter.png\")"},
      {25, "    //list_forw_img_id          = LoadImage(prg_theme+\"forw.png\")"},
      {31, "    list_scrollbg_img_ID        = CreateSprite(list_scrollbg_img)"},
      {38, "    list_closebtn_img_id         = CreateSprite(list_closebtn_img)"},
      {46, "    //list_forw_img         = CreateSprite(list_forw_img_id)"},
      {49, "    list_header_txt_ID = CreateText( \"Listview\")"},
      {50, std::string(12, ' ')},
      {51, "    SetSpriteSize(list_border_img_ID ,list_w,list_h)"},
      {64,
       "    SetTextPosition(list_header_txt_ID,getspritex(list_header_img_ID) + "
       "w,getspritey(list_header_img_ID) + w)"},
      {66, "    SetSpriteDepth(list_header_txt_ID,1499)" + std::string(40, ' ')},
      {67, std::string(200, ' ')},
      {72, "    SetSpriteDepth(list_winbg_img_ID,1500)    "},
      {106, "        /*"},
      {119, "    SetSpriteSize(list_closebtn_img_id ,-1,prg_scrollbarwidth)"},
      {131,
       "    SetSpritesize(list_border_img_ID,list_w, "
       "getspritey(list_closebtn_img_id)+GetSpriteHeight(list_closebtn_img_id)-list_y+10)"},
      {133, "    list_getrecords()"},
      {137, "Function  list_load()"},
      {138, std::string(8, ' ')},
      {145, "        prg_tbdiff = prg_bottomT - prg_topb-prg_thumbheight"},
      {150, "Function list_cleanup()"},
      {170, "//    DeleteSprite(list_close_img)"},
      {187, "    DeleteText(list_footer_Txt_ID)"},
      {192, ""},
  };
  for (const auto& [line, text] : expected) EXPECT_EQ(body[line - 1], text) << "line " << line;

  std::vector<std::size_t> endingInSpaceWithText;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const bool blank = body[i].find_first_not_of(' ') == std::string::npos;
    if (!blank && body[i].back() == ' ') endingInSpaceWithText.push_back(i + 1);
  }
  EXPECT_EQ(endingInSpaceWithText, (std::vector<std::size_t>{66, 72}));
}

// The text depends on the two prefixes only: the fields, the edition and every
// numeric setting (negative ones included) live in the globals include.
TEST(WriteListIncTest, FieldsEditionAndNumbersDoNotChangeTheText) {
  const auto reference = Body(ProjectSettings{});
  ProjectSettings other;
  other.AGKVERSION = "AGK Classic";
  other.LISTX1 = -30;
  other.LISTY1 = -1;
  other.LISTW = 0;
  other.LISTH = 99999;
  other.TEXTSOZE = -20;
  other.SCROLLBARWIDTH = -5;
  other.LISTMAXRECORDS = -1;
  other.FORMPREFIX = "";
  other.MESSAGEPREFIX = "m";
  const FieldList manyFields = {F("id", "Integer"), F("a", ""), F("b", "Text"), F("c", "Float")};
  EXPECT_EQ(Body(other), reference);
  EXPECT_EQ(Body(ProjectSettings{}, manyFields), reference);
  EXPECT_EQ(Body(other, manyFields), reference);
}

TEST(WriteListIncTest, PrefixesAreInsertedAsStored) {
  struct Case {
    std::string programPrefix, listPrefix;
    std::size_t line;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"", "", 1, "Function init()"},
      {"", "", 137, "Function  load()"},
      {"", "", 150, "Function cleanup()"},
      {"", "", 4, "        scrollbarwidth =  (scrollbarwidth * w) / 100"},
      {"", "", 7, "    border_img        = LoadImage(theme+\"border.png\")"},
      {"", "", 56,
       "    SetSpriteSize(header_img_ID,getspritewidth(border_img_ID)-8,scrollbarwidth)"},
      {"", "", 133, "    getrecords()"},
      {"P ", "L", 3, "    If P percentPixel = 0"},
      {"P ", "L", 142,
       "        P topb = GetSpriteY(Lscrollup_img_id)+GetSpriteHeight(Lscrollup_img_id)"},
      {"P ", "L", 86, "    SetSpriteSize(Lscrollup_img_ID,P scrollbarwidth,P scrollbarwidth)"},
      {"{{LISTPREFIX}}", "x\"y", 8,
       "    x\"ywinbg_img         = LoadImage({{LISTPREFIX}}theme+\"win.png\")"},
  };
  for (const auto& c : cases) {
    ProjectSettings settings;
    settings.PROGRAMPREFIX = c.programPrefix;
    settings.LISTPREFIX = c.listPrefix;
    const auto body = Body(settings);
    ASSERT_EQ(body.size(), 192u);
    EXPECT_EQ(body[c.line - 1], c.text)
        << "prefixes \"" << c.programPrefix << "\" \"" << c.listPrefix << "\" line " << c.line;
  }
}

// Runs list_init() and list_load() the way the AGK engine would, far enough to
// see where every sprite and the header text end up. Images are square, as in
// the theme. Identifiers are compared without regard to case, as AGK does.
class LayoutRun {
 public:
  struct Box {
    double x = 0, y = 0, width = 64, height = 64;
    bool operator==(const Box&) const = default;
  };

  explicit LayoutRun(std::map<std::string, double> globals) : variables_(std::move(globals)) {}

  void Run(const std::vector<std::string>& lines) {
    bool inBlockComment = false;
    bool skippingIf = false;
    for (const auto& raw : lines) {
      line_ = raw;
      pos_ = 0;
      SkipSpaces();
      const std::string rest = line_.substr(pos_);
      if (inBlockComment) {
        inBlockComment = rest.rfind("*/", 0) != 0;
        continue;
      }
      if (rest.rfind("/*", 0) == 0) {
        inBlockComment = true;
        continue;
      }
      if (skippingIf) {
        skippingIf = Lower(rest).rfind("endif", 0) != 0;
        continue;
      }
      if (rest.empty() || rest.rfind("//", 0) == 0 || Lower(rest).rfind("endif", 0) == 0 ||
          Lower(rest).rfind("function", 0) == 0 || Lower(rest).rfind("endfunction", 0) == 0) {
        continue;
      }
      const std::string first = Identifier();
      SkipSpaces();
      if (first == "if") {
        const double left = Expression();
        Expect('=');
        skippingIf = left != Expression();
      } else if (Peek() == '=') {
        ++pos_;
        variables_[first] = Expression();
      } else {
        Command(first, Arguments());
      }
      SkipSpaces();
      if (pos_ != line_.size()) ADD_FAILURE() << "not understood: " << raw;
    }
  }

  Box Sprite(const std::string& handle) const { return sprites_.at(Handle(handle)); }
  Box Text(const std::string& handle) const { return texts_.at(Handle(handle)); }
  double TextSize(const std::string& handle) const { return textSizes_.at(Handle(handle)); }
  double Variable(const std::string& name) const { return variables_.at(Lower(name)); }

 private:
  static std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  }
  int Handle(const std::string& name) const { return static_cast<int>(Variable(name)); }

  char Peek() const { return pos_ < line_.size() ? line_[pos_] : '\0'; }
  void SkipSpaces() {
    while (Peek() == ' ') ++pos_;
  }
  void Expect(char c) {
    SkipSpaces();
    if (Peek() != c) throw std::runtime_error(std::string("expected ") + c + " in " + line_);
    ++pos_;
  }
  std::string Identifier() {
    const std::size_t start = pos_;
    while (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '_') ++pos_;
    return Lower(line_.substr(start, pos_ - start));
  }
  std::vector<double> Arguments() {
    std::vector<double> values;
    Expect('(');
    SkipSpaces();
    if (Peek() == ')') {
      ++pos_;
      return values;
    }
    for (;;) {
      values.push_back(Expression());
      SkipSpaces();
      if (Peek() == ')') break;
      Expect(',');
    }
    ++pos_;
    return values;
  }
  double Expression() {
    double value = Term();
    for (SkipSpaces(); Peek() == '+' || Peek() == '-'; SkipSpaces()) {
      const char op = line_[pos_++];
      const double right = Term();
      value = op == '+' ? value + right : value - right;
    }
    return value;
  }
  double Term() {
    double value = Factor();
    for (SkipSpaces(); Peek() == '*' || Peek() == '/'; SkipSpaces()) {
      const char op = line_[pos_++];
      const double right = Factor();
      value = op == '*' ? value * right : value / right;
    }
    return value;
  }
  double Factor() {
    SkipSpaces();
    if (Peek() == '-') {
      ++pos_;
      return -Factor();
    }
    if (Peek() == '(') {
      ++pos_;
      const double value = Expression();
      Expect(')');
      return value;
    }
    if (Peek() == '"') {  // only file names and captions; their value does not matter here
      pos_ = line_.find('"', pos_ + 1) + 1;
      return 0;
    }
    if (std::isdigit(static_cast<unsigned char>(Peek()))) {
      const std::size_t start = pos_;
      while (std::isdigit(static_cast<unsigned char>(Peek()))) ++pos_;
      return std::stod(line_.substr(start, pos_ - start));
    }
    const std::string name = Identifier();
    SkipSpaces();
    if (Peek() == '(') return Call(name, Arguments());
    if (!variables_.count(name)) throw std::runtime_error("unknown variable " + name);
    return variables_.at(name);
  }
  double Call(const std::string& name, const std::vector<double>& args) {
    if (name == "loadimage") return ++lastImage_;
    if (name == "createsprite") {
      sprites_[++lastSprite_] = Box{};
      return lastSprite_;
    }
    if (name == "createtext") {
      texts_[++lastText_] = Box{};
      return lastText_;
    }
    const Box& box = sprites_.at(static_cast<int>(args.at(0)));
    if (name == "getspritex") return box.x;
    if (name == "getspritey") return box.y;
    if (name == "getspritewidth") return box.width;
    if (name == "getspriteheight") return box.height;
    throw std::runtime_error("unknown function " + name);
  }
  void Command(const std::string& name, const std::vector<double>& args) {
    if (name == "setspritesize") {
      Box& box = sprites_.at(static_cast<int>(args.at(0)));
      // -1 takes that side from the image's proportions: square images.
      box.width = args.at(1) == -1 ? args.at(2) : args.at(1);
      box.height = args.at(2) == -1 ? box.width : args.at(2);
    } else if (name == "setspriteposition") {
      Box& box = sprites_.at(static_cast<int>(args.at(0)));
      box.x = args.at(1);
      box.y = args.at(2);
    } else if (name == "settextposition") {
      Box& box = texts_.at(static_cast<int>(args.at(0)));
      box.x = args.at(1);
      box.y = args.at(2);
    } else if (name == "settextsize") {
      textSizes_[static_cast<int>(args.at(0))] = args.at(1);
    } else if (name != "setspritedepth" && name != "settextcolor" && name != "list_getrecords") {
      ADD_FAILURE() << "unexpected command " << name << " in " << line_;
    }
  }

  std::map<std::string, double> variables_;
  std::map<int, Box> sprites_, texts_;
  std::map<int, double> textSizes_;
  // Sprites and texts are numbered apart, so a text handle never names a sprite.
  int lastImage_ = 0, lastSprite_ = 10000, lastText_ = 1;
  std::string line_;
  std::size_t pos_ = 0;
};

// The layout that the generated init and load produce with the default
// geometry (list at 30,60 sized 650 x 500, scroll bar 30, text size 20).
TEST(WriteListIncTest, DefaultGeometryGivesTheWorkedLayout) {
  const ProjectSettings settings;
  const auto number = [](auto value) { return static_cast<double>(value); };
  LayoutRun run({{"list_x", number(settings.LISTX1)},
                 {"list_y", number(settings.LISTY1)},
                 {"list_w", number(settings.LISTW)},
                 {"list_h", number(settings.LISTH)},
                 {"prg_scrollbarwidth", number(settings.SCROLLBARWIDTH)},
                 {"prg_textsize", number(settings.TEXTSOZE)},
                 {"prg_percentpixel", 1},
                 {"prg_theme", 0},
                 {"w", 0}});
  // init and load, up to the start of cleanup.
  const auto body = Body(settings);
  ASSERT_EQ(body[149], "Function list_cleanup()");
  ASSERT_NO_THROW(run.Run({body.begin(), body.begin() + 149}));

  using Box = LayoutRun::Box;
  const std::vector<std::pair<std::string, Box>> expected = {
      {"list_border_img_ID", {30, 60, 650, 550}},   {"list_header_img_ID", {34, 62, 642, 30}},
      {"list_winbg_img_ID", {38, 94, 634, 444}},    {"list_scrollbg_img_ID", {646, 92, 30, 414}},
      {"list_scrollup_img_ID", {644, 94, 30, 30}},  {"list_scrolldown_img_ID", {644, 508, 30, 30}},
      {"list_thumb_img_ID", {644, 124, 26, 26}},    {"list_footer_img_ID", {38, 538, 634, 30}},
      {"list_closebtn_img_ID", {612, 570, 30, 30}}, {"list_delete_img_ID", {580, 570, 30, 30}},
      {"list_change_img_ID", {548, 570, 30, 30}},   {"list_insert_img_ID", {514, 570, 30, 30}},
  };
  for (const auto& [sprite, box] : expected) {
    const Box actual = run.Sprite(sprite);
    EXPECT_EQ(actual, box) << sprite << " is " << actual.width << " x " << actual.height << " at ("
                           << actual.x << ", " << actual.y << ")";
  }
  EXPECT_EQ(run.TextSize("list_header_txt_ID"), 24);
  EXPECT_EQ(run.Text("list_header_txt_ID").x, 41);
  EXPECT_EQ(run.Text("list_header_txt_ID").y, 69);
  EXPECT_EQ(run.Variable("prg_topb"), 124);
  EXPECT_EQ(run.Variable("prg_bottomT"), 508);
  EXPECT_EQ(run.Variable("prg_thumbheight"), 26);
  EXPECT_EQ(run.Variable("prg_tbdiff"), 358);
  EXPECT_EQ(run.Variable("prg_scrollbarwidth"), 30) << "pixels: no percent conversion";
}

}  // namespace
}  // namespace tablesmith
