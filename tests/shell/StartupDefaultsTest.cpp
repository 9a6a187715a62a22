#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "shell/Preferences.h"
#include "shell/StartupDefaults.h"

namespace {

struct Row {
  const prefs::Preference* pref;
  const char* value;
};

}  // namespace

TEST(StartupDefaults, FirstRunWritesEveryRowAndNoPreparerKey) {
  shell::FillDisplayDefaults();
  EXPECT_EQ(prefs::MaintMode.read(), "");  // the second group waits for its turn
  shell::FillRemainingDefaults("/opt/kelvane");

  const Row rows[] = {
      {&prefs::ThemeColor, "8421504"},   {&prefs::BackColor, "12632319"},
      {&prefs::ForeColor, "0"},          {&prefs::VisualStyle, "False"},
      {&prefs::BorderStyle, "5"},        {&prefs::ScreenDefault, "TV"},
      {&prefs::TimeDefault, "Yearly"},   {&prefs::DataLoc, "/opt/kelvane/Pvx Data"},
      {&prefs::MaintMode, "MaintFirst"}, {&prefs::SplitDefault, "Winters"},
      {&prefs::InterpDefault, "Closest"}, {&prefs::PreparerMargin, "One"},
      {&prefs::MonAdj, "1"},             {&prefs::FileSaveDefault, "WindowsDefault"},
  };
  for (const Row& r : rows) EXPECT_EQ(r.pref->read(), r.value) << r.pref->key;
  for (const prefs::Preference* p : {&prefs::PreparerName, &prefs::PreparerOffice, &prefs::NameCheck,
                                     &prefs::OfficeCheck, &prefs::DateCheck})
    EXPECT_EQ(platform::SettingsStore::read(p->application, p->key), "") << p->key;
}

TEST(StartupDefaults, StoredTextStaysAndEmptyTextIsRefilled) {
  const Row stored[] = {
      {&prefs::ThemeColor, "255"},        {&prefs::VisualStyle, "maybe"},
      {&prefs::ScreenDefault, "Sys"},     {&prefs::TimeDefault, "monthly"},
      {&prefs::DataLoc, "/home/ann/cases"}, {&prefs::MaintMode, "CSFirst"},
      {&prefs::SplitDefault, "winters"},  {&prefs::InterpDefault, "Linear"},
      {&prefs::PreparerMargin, "Wide"},   {&prefs::MonAdj, "0.8"},
      {&prefs::FileSaveDefault, "UserDefault"},
  };
  for (const Row& r : stored) r.pref->write(r.value);
  prefs::BackColor.write("");  // empty text counts as absent
  // The time key is read under another spelling of its name: still one key.
  platform::SettingsStore::write(prefs::kCaseApp, "TIMEDEFAULT", "monthly");

  shell::FillDisplayDefaults();
  shell::FillRemainingDefaults("/opt/kelvane");

  for (const Row& r : stored) EXPECT_EQ(r.pref->read(), r.value) << r.pref->key;
  EXPECT_EQ(prefs::BackColor.read(), "12632319");
  EXPECT_EQ(prefs::ForeColor.read(), "0");
}
