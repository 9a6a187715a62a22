#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "prefs/Preferences.h"

using platform::SettingsStore;

TEST(SettingsStore, AbsentKeyReadsEmpty) {
  EXPECT_EQ(SettingsStore::read("Kelvane_Fl", "NoSuchKey"), "");
}

TEST(SettingsStore, KeyNamesMatchWithoutRegardToCase) {
  ASSERT_TRUE(SettingsStore::write("Kelvane_Fl", "TimeDefault", "Monthly"));
  EXPECT_EQ(SettingsStore::read("Kelvane_Fl", "TimeDeFault"), "Monthly");
  ASSERT_TRUE(SettingsStore::write("Kelvane_Fl", "TIMEDEFAULT", "Yearly"));
  EXPECT_EQ(SettingsStore::read("Kelvane_Fl", "timedefault"), "Yearly");
}

TEST(SettingsStore, ApplicationsAreSeparate) {
  SettingsStore::write("Tovrelle2026", "BackColor", "255");
  EXPECT_EQ(SettingsStore::read("Kelvane_Fl", "BackColor"), "");
  EXPECT_EQ(SettingsStore::read("Tovrelle2026", "BackColor"), "255");
}

TEST(SettingsStore, TextComesBackExactly) {
  // Commas, quotes, leading blanks and words that look like other types stay text.
  for (const QString& v : {QString("Smith, Jones & Co."), QString("  O'Neil \"Law\""),
                          QString("False"), QString("1.5"), QString("C:\\Pvx Data"),
                          QString::fromUtf8("Peña")}) {
    SettingsStore::write("Kelvane_Fl", "PreparerOffice", v);
    EXPECT_EQ(SettingsStore::read("Kelvane_Fl", "PreparerOffice"), v);
  }
}

TEST(SettingsStore, RemoveMakesKeyAbsent) {
  SettingsStore::write("Kelvane_Fl", "NameCheck", "1");
  SettingsStore::remove("Kelvane_Fl", "namecheck");
  EXPECT_EQ(SettingsStore::read("Kelvane_Fl", "NameCheck"), "");
}

TEST(Preferences, FillDefaultOnlyWhenEmpty) {
  EXPECT_TRUE(prefs::SplitDefault.fillDefault());
  EXPECT_EQ(prefs::SplitDefault.read(), "Winters");
  prefs::SplitDefault.write("winters");  // unrecognised text stays as stored
  EXPECT_FALSE(prefs::SplitDefault.fillDefault());
  EXPECT_EQ(prefs::SplitDefault.read(), "winters");
  prefs::SplitDefault.write("");  // empty text counts as absent
  EXPECT_TRUE(prefs::SplitDefault.fillDefault());
  EXPECT_FALSE(prefs::PreparerName.fillDefault());  // no default: stays absent
  EXPECT_EQ(prefs::PreparerName.read(), "");
}
