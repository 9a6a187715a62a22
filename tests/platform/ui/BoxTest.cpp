#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QTest>

#include <cmath>

#include "platform/Fonts.h"
#include "platform/ui/Box.h"
#include "platform/ui/QtDialogs.h"
#include "support/ui/ModalDriver.h"

using namespace platform;
using platform::ui::Box;

namespace {

const QString kLongPrompt = QStringLiteral(
    "The Tahoma font is not installed on this computer. Without this font, this program may "
    "not display correctly. Please click Help for information on how to obtain or re-install "
    "this font on your computer.");

class BoxTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(RegisterTahomaIfMissing()); }

  // Pixels of a length given in twips, as the box rounds them.
  static int px(double twips) { return static_cast<int>(std::lround(twips / 15)); }
  static double promptWidth(const Box& box, const QString& prompt) {
    return QFontMetricsF(box.Picture1.font()).horizontalAdvance(prompt);
  }
};

}  // namespace

TEST_F(BoxTest, DesignGeometryInTwipsOnTheFifteenTwipGrid) {
  Box box;
  EXPECT_EQ(box.size(), QSize(356, 206));  // 5340 x 3090
  EXPECT_EQ(box.Text1.geometry(), QRect(12, 12, 331, 45));
  EXPECT_EQ(box.Picture1.geometry(), QRect(16, 18, 329, 35));
  EXPECT_TRUE(box.Picture1.isHidden());
  EXPECT_EQ(box.Command1.geometry(), QRect(100, 114, 70, 28));
  EXPECT_EQ(box.Command2.geometry(), QRect(186, 114, 70, 28));
  EXPECT_EQ(box.Picture1.font().family(), "Tahoma");
  EXPECT_EQ(box.Picture1.font().pointSizeF(), 8.25);
  EXPECT_EQ(box.font().pointSizeF(), 9.75);
  EXPECT_TRUE(box.Command1.font().bold());
  EXPECT_TRUE(box.Text1.isReadOnly());
  EXPECT_FALSE(box.Command1.isDefault() || box.Command2.isDefault());
  for (QObject* c : {static_cast<QObject*>(&box.Command1), static_cast<QObject*>(&box.Command2)})
    EXPECT_EQ(c->property("Tag").toString(), "1000");
  EXPECT_EQ(box.Command2.objectName(), "Command2");
}

TEST_F(BoxTest, ShortPromptShrinksTheBoxToThePrompt) {
  Box box;
  const QString prompt = QStringLiteral("Please Enter Claimant's Tax Filing Status");
  box.Prepare(prompt, 48, QStringLiteral("Entry Error"));
  const double w = promptWidth(box, prompt);
  ASSERT_LT(w, 329);
  EXPECT_EQ(box.PromptLineCount, 2);
  EXPECT_EQ(box.width(), px(w * 15 + 750));
  const double line = QFontMetricsF(box.Picture1.font()).lineSpacing();
  EXPECT_EQ(box.Text1.height(), px(line * 15 * 2 + 100));
  EXPECT_EQ(box.Command1.x(), 100);  // a 48 box keeps OK at its design place
  EXPECT_EQ(box.Command1.y(), box.Text1.y() + box.Text1.height());
  EXPECT_EQ(box.Command1.text(), "OK");
  EXPECT_TRUE(box.Command2.isHidden());
  EXPECT_EQ(box.Text1.toPlainText(), prompt);
  EXPECT_EQ(box.windowTitle(), "Entry Error");
}

TEST_F(BoxTest, LongPromptKeepsTheWidthAndAddsLines) {
  Box box;
  box.Prepare(kLongPrompt, kBoxOk, QString());
  const double w = promptWidth(box, kLongPrompt);
  ASSERT_GT(w, 329);
  EXPECT_EQ(box.PromptLineCount, std::floor(w / 329) + 2);
  EXPECT_EQ(box.width(), 356);
  EXPECT_EQ(box.Command1.x(), px((5340 - 1050) / 2.0));  // OK alone is centred
  EXPECT_EQ(box.windowTitle(), "");
  // Every line of the prompt as the text area wraps it fits in the area.
  box.show();
  const double wrappedLines = box.Text1.document()->size().height();  // counted in lines
  EXPECT_GE(wrappedLines, std::floor(w / 329) + 1);
  EXPECT_LE(wrappedLines * QFontMetricsF(box.Text1.font()).lineSpacing() + 2,
            box.Text1.height());
}

TEST_F(BoxTest, YesAndNoAreCentredAsAPairWithAGapOf750) {
  for (const QString& prompt : {QStringLiteral("Quit?"), QStringLiteral("Do you want to save "
                                                                       "the case before you "
                                                                       "quit?")}) {
    Box box;
    box.Prepare(prompt, kBoxYesNo, QStringLiteral("Quit"));
    EXPECT_EQ(box.Command1.text(), "Yes");
    EXPECT_EQ(box.Command2.text(), "No");
    EXPECT_FALSE(box.Command2.isHidden());
    EXPECT_EQ(box.Command2.x() - (box.Command1.x() + box.Command1.width()), 50) << prompt.toStdString();
    const int leftMargin = box.Command1.x();
    const int rightMargin = box.width() - (box.Command2.x() + box.Command2.width());
    EXPECT_LE(std::abs(leftMargin - rightMargin), 1) << prompt.toStdString();
    EXPECT_GE(leftMargin, box.Text1.x()) << prompt.toStdString();  // never off the window's left
  }
}

TEST_F(BoxTest, FitterRunsFirstAndTheSizingUsesItsGeometry) {
  int fits = 0;
  ui::QtDialogs dialogs;
  dialogs.SetWindowFitter([&](QWidget& w) {
    ++fits;
    auto& box = dynamic_cast<Box&>(w);
    EXPECT_EQ(box.Command1.text(), "");  // not yet prepared
    ui::SetWidth(&box.Picture1, ui::Width(&box.Picture1) * 2);
  });
  float lines = 0;
  testenv::WhenModal<Box>([&](Box& box) {
    lines = box.PromptLineCount;
    EXPECT_EQ(lines, std::floor(promptWidth(box, kLongPrompt) / 658) + 2);
    QTest::mouseClick(&box.Command1, Qt::LeftButton);
  });
  EXPECT_EQ(dialogs.ShowMessageBox(kLongPrompt, kBoxOk, "Fonts"), kAnswerOk);
  EXPECT_EQ(fits, 1);
  EXPECT_GT(lines, 0);
}

TEST_F(BoxTest, AnswersByButtonAndByClosing) {
  enum Act { Click1, Click2, Close, Escape };
  const struct {
    const char* rule;
    int16_t buttons;
    Act act;
    int16_t answer;
  } cases[] = {
      {"Yes", kBoxYesNo, Click1, kAnswerYes},
      {"No", kBoxYesNo, Click2, kAnswerNo},
      {"OK centred", kBoxOk, Click1, kAnswerOk},
      {"OK of a 48 box", kBoxExclamation, Click1, kAnswerOk},
      {"closing a question answers No", kBoxYesNo, Close, kAnswerNo},
      {"Escape on a question answers No", kBoxYesNo, Escape, kAnswerNo},
      {"closing a notice answers OK", kBoxInformation, Close, kAnswerOk},
  };
  ui::QtDialogs dialogs;
  for (const auto& c : cases) {
    testenv::WhenModal<Box>([&](Box& box) {
      EXPECT_EQ(box.windowTitle(), "Question") << c.rule;
      switch (c.act) {
        case Click1: QTest::mouseClick(&box.Command1, Qt::LeftButton); break;
        case Click2: QTest::mouseClick(&box.Command2, Qt::LeftButton); break;
        case Close: box.close(); break;
        case Escape: QTest::keyClick(&box, Qt::Key_Escape); break;
      }
    });
    EXPECT_EQ(dialogs.ShowMessageBox("Save the case?", c.buttons, "Question"), c.answer)
        << c.rule;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << c.rule;
  }
}
