#include "model/ProjectSettings.h"

#include <gtest/gtest.h>

namespace tablesmith {
namespace {

TEST(ProjectSettingsTest, DefaultsAndDescriptorsAgree) {
  const ProjectSettings settings;
  ASSERT_EQ(AllSettings().size(), 30u);
  const std::pair<const char*, const char*> expected[] = {
      {"FHEADER", "Created with Tablesmith for AGK"}, {"PROJECTNAME", "MyTablesmith.agk"},
      {"AGKVERSION", "AGK Studio"},   {"PROGRAMPREFIX", "prg_"},   {"TABLENAME", "file.db"},
      {"THEME", "Theme1"},            {"TEXTSOZE", "20"},          {"SCROLLBARWIDTH", "30"},
      {"LISTX1", "30"},               {"LISTY1", "60"},            {"LISTW", "650"},
      {"LISTH", "500"},               {"LISTPREFIX", "list_"},     {"LISTMAXRECORDS", "20"},
      {"FORMPREFIX", "form_"},        {"FORMW", "570"},            {"FORMH", "230"},
      {"FORMX1", "490"},              {"FORMY1", "185"},           {"EDITBOXTEXTSIZE", "30"},
      {"EDITBOXHEIGHT", "30"},        {"EDITBOXOFFSET", "140"},    {"MESSAGEPREFIX", "mespopup_"},
      {"MBOXX", "465"},               {"MBOXY", "300"},            {"MBOXW", "300"},
      {"MBOXH", "200"},               {"MESSAGETEXTSIZE", "40"},   {"MESSAGEHEADERTEXTSIZE", "25"},
  };
  for (const auto& [name, value] : expected) {
    const SettingInfo* info = FindSetting(name);
    ASSERT_NE(info, nullptr) << name;
    EXPECT_EQ(SettingValueText(settings, *info), value) << name;
  }
#ifndef _WIN32
  EXPECT_EQ(settings.OUTPUTFOLDER.substr(settings.OUTPUTFOLDER.size() - 18), "/Tablesmith_output");
#else
  EXPECT_EQ(settings.OUTPUTFOLDER, "c:\\Tablesmith_output");
#endif
}

TEST(ProjectSettingsTest, AssignChecksLimitsByKind) {
  struct Case {
    const char* name;
    std::string value;
    bool accepted;
    std::string stored;
  };
  const Case cases[] = {
      {"TEXTSOZE", "-5", true, "-5"},
      {"TEXTSOZE", "32767", true, "32767"},
      {"TEXTSOZE", "-32768", true, "-32768"},
      {"TEXTSOZE", "32768", false, ""},
      {"TEXTSOZE", "0000012", true, "12"},    // seven characters fit the entry
      {"TEXTSOZE", "00000012", false, ""},    // eight do not
      {"TEXTSOZE", "12a", false, ""},
      {"TEXTSOZE", "", false, ""},
      {"TEXTSOZE", "-", false, ""},
      {"TEXTSOZE", "+5", false, ""},
      {"TEXTSOZE", " 5", false, ""},
      {"LISTX1", "-2147483648", true, "-2147483648"},
      {"LISTX1", "2147483648", false, ""},
      {"MESSAGEHEADERTEXTSIZE", "25", true, "25"},
      {"MESSAGEHEADERTEXTSIZE", "26", false, ""},
      {"PROGRAMPREFIX", "", true, ""},
      {"PROGRAMPREFIX", std::string(19, 'p'), true, std::string(19, 'p')},
      {"PROGRAMPREFIX", std::string(20, 'p'), false, ""},
      {"PROGRAMPREFIX", "äöüäöüäöüäöüäöüäöüä", true, "äöüäöüäöüäöüäöüäöüä"},  // 19 characters
      {"FHEADER", " keeps blanks  ", true, " keeps blanks  "},
      {"OUTPUTFOLDER", std::string(255, 'o'), false, ""},
  };
  for (const Case& c : cases) {
    ProjectSettings settings;
    const SettingInfo& info = *FindSetting(c.name);
    const std::string before = SettingValueText(settings, info);
    const auto error = AssignSetting(settings, info, c.value);
    EXPECT_EQ(!error, c.accepted) << c.name << "=" << c.value;
    EXPECT_EQ(SettingValueText(settings, info), c.accepted ? c.stored : before)
        << c.name << "=" << c.value;
    if (error) {
      EXPECT_NE(error->find(c.name), std::string::npos) << *error;
    }
  }
}

}  // namespace
}  // namespace tablesmith
