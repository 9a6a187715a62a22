#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "prefs/Preferences.h"
#include "shell/StartupDefaults.h"

namespace {

struct Row {
  const prefs::Preference* pref;
  const char* value;
};

}  // namespace

// The first run on an empty store is checked end to end with start-up.

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
  shell::FillRemainingDefaults();

  for (const Row& r : stored) EXPECT_EQ(r.pref->read(), r.value) << r.pref->key;
  EXPECT_EQ(prefs::BackColor.read(), "12632319");
  EXPECT_EQ(prefs::ForeColor.read(), "0");
}
