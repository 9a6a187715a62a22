#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QTextBrowser>

#include "alimony/ui/Form2.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"

namespace {

using alimony::Form2;

QStringList LabelTexts(const QWidget* frame) {
  QStringList texts;
  for (const QLabel* l : frame->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) texts << l->text();
  return texts;
}

const QLabel* LabelWith(const QWidget* frame, const QString& text) {
  for (const QLabel* l : frame->findChildren<QLabel*>())
    if (l->text() == text) return l;
  return nullptr;
}

TEST(Form2, TablesOpenOnScoreByIncome) {
  Form2 w;
  EXPECT_EQ(w.windowTitle(), "Education/Skills Reference Table");
  EXPECT_EQ(w.SSTab1->Tabs(), 3);
  EXPECT_EQ(w.SSTab1->TabCaption(0), "About Score");
  EXPECT_EQ(w.SSTab1->TabCaption(1), "Score By Income");
  EXPECT_EQ(w.SSTab1->TabCaption(2), "Score By Education");
  EXPECT_EQ(w.SSTab1->Tab(), 1);
  EXPECT_EQ(w.SSTab1->PageOf(w.Frame2), 1);
  EXPECT_EQ(w.SSTab1->PageOf(w.Frame1), 2);
  EXPECT_TRUE(w.RichTextBox1->isReadOnly());
  EXPECT_TRUE(w.RichTextBox1->toPlainText().startsWith("The Education Skills Score, in reference to these tables"));
  EXPECT_TRUE(w.testAttribute(Qt::WA_DeleteOnClose));

  EXPECT_EQ(LabelTexts(w.Frame2),
            (QStringList{"Present Income Potential", "Score", "$0 - $20,000", "14-15", "$20,000 - $32,000",
                         "11-13", "$32,000 - $45,000", "8-11", "$45,000 - $55,000", "6-8", "$55,000 - $84,000",
                         "3-6", "$84,000 +", "0-2"}));
  EXPECT_EQ(LabelTexts(w.Frame1).mid(0, 6),
            (QStringList{"Level of Education", "Score", "Range", "No High School Diploma", "15", "(13-15)"}));
  EXPECT_TRUE(LabelTexts(w.Frame1).contains("PhD/Professional Degree"));

  const QLabel* head = LabelWith(w.Frame1, "Level of Education");
  const QLabel* score = LabelWith(w.Frame1, "15");
  const QLabel* range = LabelWith(w.Frame1, "(13-15)");
  ASSERT_TRUE(head && score && range);
  EXPECT_EQ(head->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(head->font().bold());
  EXPECT_EQ(score->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_TRUE(score->font().bold());
  EXPECT_FALSE(range->font().bold());
  EXPECT_EQ(platform::ui::Left(score), 2820);
  EXPECT_EQ(platform::ui::Top(LabelWith(w.Frame1, "College Degree")), 1500);
}

TEST(Form2, TabControlTakesTheScreenScheme) {
  prefs::ScreenDefault.write("TV");
  Form2 tv;
  EXPECT_TRUE(tv.SSTab1->Hooked());
  EXPECT_EQ(tv.SSTab1->SolidColor(), QColor(237, 233, 216));

  prefs::ScreenDefault.write("Sys");
  Form2 sys;
  EXPECT_TRUE(sys.SSTab1->Hooked());

  prefs::ScreenDefault.write("");
  Form2 plain;
  EXPECT_FALSE(plain.SSTab1->Hooked());
}

}  // namespace
