#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QSettings>

#include "platform/SettingsStore.h"
#include "prefs/Preferences.h"
#include "shell/ui/Form18.h"

using shell::Form18;

namespace {

// Types the text into a field key by key, as the keyboard would.
void Type(QWidget* field, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(field, &press);
  }
}

QString Stored(const prefs::Preference& p) {
  return platform::SettingsStore::read(p.application, p.key);
}

}  // namespace

TEST(Form18, FirstOpeningThenClosingWritesTheSixKeys) {
  QPointer<Form18> dialog = new Form18;
  dialog->show();
  dialog->FillFromSettings();
  EXPECT_EQ(dialog->PreparerName->text(), "");
  EXPECT_TRUE(dialog->PrintNameCheck->isChecked());
  EXPECT_TRUE(dialog->PrintOfficeCheck->isChecked());
  EXPECT_TRUE(dialog->PrintDateCheck->isChecked());
  EXPECT_TRUE(dialog->OptionOne->isChecked());

  dialog->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dialog.isNull());  // closing destroys it
  // Empty texts are saved as empty texts: the keys now exist.
  QSettings check(QSettings::IniFormat, QSettings::UserScope, prefs::kCaseApp);
  EXPECT_TRUE(check.contains("UserPrefs/PreparerName"));
  EXPECT_EQ(Stored(prefs::PreparerName), "");
  EXPECT_EQ(Stored(prefs::PreparerOffice), "");
  EXPECT_EQ(Stored(prefs::NameCheck), "Yes");
  EXPECT_EQ(Stored(prefs::OfficeCheck), "Yes");
  EXPECT_EQ(Stored(prefs::DateCheck), "Yes");
  EXPECT_EQ(Stored(prefs::PreparerMargin), "One");
}

TEST(Form18, EditsAreSavedAndReadBack) {
  prefs::PreparerName.write("Ann Lee");
  prefs::PreparerOffice.write("Lee & Park, P.A.");
  prefs::NameCheck.write("No");
  prefs::OfficeCheck.write("no");  // only exactly "No" unticks
  prefs::PreparerMargin.write("OneOneHalf");
  {
    Form18 dialog;
    dialog.FillFromSettings();
    EXPECT_EQ(dialog.PreparerOffice->text(), "Lee & Park, P.A.");
    EXPECT_FALSE(dialog.PrintNameCheck->isChecked());
    EXPECT_TRUE(dialog.PrintOfficeCheck->isChecked());
    EXPECT_TRUE(dialog.OptionOneOneHalf->isChecked());
    dialog.PrintDateCheck->setChecked(false);
    dialog.OptionOneHalf->setChecked(true);
    dialog.PreparerName->setText("Ann B. Lee");
    dialog.Form_Unload();
  }
  EXPECT_EQ(prefs::PreparerName.read(), "Ann B. Lee");
  EXPECT_EQ(prefs::NameCheck.read(), "No");
  EXPECT_EQ(prefs::OfficeCheck.read(), "Yes");
  EXPECT_EQ(prefs::DateCheck.read(), "No");
  EXPECT_EQ(prefs::PreparerMargin.read(), "OneHalf");
}

TEST(Form18, UnknownMarginOpensAsOneInchAndIsSavedAsOne) {
  prefs::PreparerMargin.write("Two");
  Form18 dialog;
  dialog.FillFromSettings();
  EXPECT_TRUE(dialog.OptionOne->isChecked());
  dialog.Form_Unload();
  EXPECT_EQ(prefs::PreparerMargin.read(), "One");
}

TEST(Form18, TypedDoubleQuoteBecomesAnApostrophe) {
  Form18 dialog;
  dialog.show();
  Type(dialog.PreparerName, "Al \"Doc\" Ray");
  Type(dialog.PreparerOffice, "\"X\"");
  EXPECT_EQ(dialog.PreparerName->text(), "Al 'Doc' Ray");
  EXPECT_EQ(dialog.PreparerOffice->text(), "'X'");
}
