#include <gtest/gtest.h>

#include <QLineEdit>

#include "prefs/Preferences.h"
#include "shell/ui/FormScaling.h"

using shell::FormScaling;

TEST(FormScaling, ApplyShowsAndStoresWhatItRead) {
  const struct {
    const char* entry;
    const char* stored;
  } cases[] = {{".8", "0.8"}, {"0.49", "1"}, {"2", "1"}, {"", "1"}, {"0.75 wide", "0.75"}};
  for (const auto& c : cases) {
    FormScaling dialog;
    dialog.Adjustment->setText(c.entry);
    dialog.ApplyScaling_Click();
    EXPECT_EQ(dialog.Adjustment->text(), c.stored) << c.entry;
    EXPECT_EQ(prefs::MonAdj.read(), c.stored) << c.entry;
  }
}

TEST(FormScaling, OpensAtOneAndResetStoresOne) {
  prefs::MonAdj.write("0.8");
  FormScaling dialog;
  EXPECT_EQ(dialog.Adjustment->text(), "1");  // the stored value is not shown
  EXPECT_EQ(prefs::MonAdj.read(), "0.8");
  dialog.Adjustment->setText("0.6");
  dialog.ReSetScaling_Click();
  EXPECT_EQ(prefs::MonAdj.read(), "1");
  EXPECT_EQ(dialog.Adjustment->text(), "1");
}
