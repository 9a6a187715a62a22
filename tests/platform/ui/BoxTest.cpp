#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QScreen>
#include <QTest>

#include <cmath>

#include "platform/Fonts.h"
#include "platform/ui/Box.h"
#include "platform/ui/Form.h"
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
  // The box's size with its frame, as its Width and Height give it.
  static QSize outer(const Box& box) { return box.size().grownBy(box.FrameMargins()); }
  static double promptWidth(const Box& box, const QString& prompt) {
    return QFontMetricsF(box.Picture1.font()).horizontalAdvance(prompt);
  }
};

}  // namespace

TEST_F(BoxTest, DesignGeometryInTwipsOnTheFifteenTwipGrid) {
  Box box;
  EXPECT_EQ(outer(box), QSize(356, 206));  // 5340 x 3090
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
  EXPECT_TRUE(box.Command1.isDefault());  // "Yes" or "OK"
  EXPECT_FALSE(box.Command2.isDefault());
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
  EXPECT_EQ(outer(box).width(), px(w * 15 + 750));
  const double line = QFontMetricsF(box.Picture1.font()).lineSpacing();
  EXPECT_EQ(box.Text1.height(), px(line * 15 * 2 + 100));
  EXPECT_EQ(box.Command1.x(), 100);  // a 48 box keeps OK at its design place
  EXPECT_EQ(box.Command1.y(), box.Text1.y() + box.Text1.height());
  EXPECT_EQ(box.Command1.text(), "OK");
  EXPECT_TRUE(box.Command2.isHidden());
  EXPECT_EQ(box.Text1.toPlainText(), prompt);
  EXPECT_EQ(box.windowTitle(), "Entry Error");
}

// A short message under a long title: the box is as wide as the title set
// in bold, as title bars show it, beside the bar's icon and three buttons.
TEST_F(BoxTest, BoxIsAsWideAsItsTitle) {
  Box box;
  const QString title = QStringLiteral("Print This Calculation");
  box.Prepare(QStringLiteral("No printer is available."), kBoxOk, title);
  QFont bold = box.font();
  bold.setBold(true);
  EXPECT_GE(outer(box).width(), QFontMetricsF(bold).horizontalAdvance(title) + 120);
}

TEST_F(BoxTest, LongPromptKeepsTheWidthAndAddsLines) {
  Box box;
  box.Prepare(kLongPrompt, kBoxOk, QString());
  const double w = promptWidth(box, kLongPrompt);
  ASSERT_GT(w, 329);
  EXPECT_EQ(box.PromptLineCount, std::floor(w / 329) + 2);
  EXPECT_EQ(outer(box).width(), 356);
  EXPECT_LE(std::abs(box.Command1.x() - (box.width() - box.Command1.width()) / 2), 1);  // OK alone is centred
  EXPECT_EQ(box.windowTitle(), "");
  // Every line of the prompt as the text area wraps it fits in the area.
  box.show();
  const double wrappedLines = box.Text1.document()->size().height();  // counted in lines
  EXPECT_GE(wrappedLines, std::floor(w / 329) + 1);
  EXPECT_LE(wrappedLines * QFontMetricsF(box.Text1.font()).lineSpacing() + 2,
            box.Text1.height());
}

// A question of several lines, as a save asks about characters the file
// cannot hold: the text area holds every line with one spare line, not
// twice its text's height.
TEST_F(BoxTest, APromptOfSeveralLinesFitsItsText) {
  Box box;
  const QString prompt = QStringLiteral(
      "These entries hold characters that the file cannot hold:\r\n"
      "Case Data Express Entry, Case Name: \"\u0141\u00f3d\u017a v. Kowalski\"\r\n"
      "Worksheet, Petitioner: \"Pawe\u0142 Nowak\"\r\n\r\n"
      "Save them with \"?\" in place of those characters? No saves nothing, so that you can change "
      "them first.");
  box.Prepare(prompt, kBoxYesNo, QStringLiteral("Characters The File Cannot Hold"));
  box.show();
  const double line = QFontMetricsF(box.Text1.font()).lineSpacing();
  const double textLines = box.Text1.document()->size().height();  // as the area wraps them
  EXPECT_LE(textLines * line + 2, box.Text1.height());             // all of it shows
  EXPECT_LE(box.Text1.height(), (textLines + 1) * line + 2 + px(100) + 1);  // one spare line
  EXPECT_EQ(box.Command1.y(), box.Text1.y() + box.Text1.height());
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

TEST_F(BoxTest, AnswersByButtonByKeyAndByClosing) {
  enum Act { Click1, Click2, Close, Escape, Enter, KeypadEnter, TabThenEnter };
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
      // Enter presses the default button, or the one the user moved the focus to.
      {"Enter on a question answers Yes", kBoxYesNo, Enter, kAnswerYes},
      {"the keypad's Enter answers Yes", kBoxYesNo, KeypadEnter, kAnswerYes},
      {"Tab to No, then Enter, answers No", kBoxYesNo, TabThenEnter, kAnswerNo},
      {"Enter on a notice presses OK", kBoxOk, Enter, kAnswerOk},
      {"Enter on a 48 box presses OK", kBoxExclamation, Enter, kAnswerOk},
  };
  ui::QtDialogs dialogs;
  for (const auto& c : cases) {
    testenv::WhenModal<Box>([&](Box& box) {
      EXPECT_EQ(box.windowTitle(), "Question") << c.rule;
      EXPECT_EQ(box.focusWidget(), &box.Command1) << c.rule;  // the default button
      // Keys go where the user's keys go: to the control with the focus.
      auto key = [&box](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(box.focusWidget() ? box.focusWidget() : static_cast<QWidget*>(&box),
                        static_cast<Qt::Key>(k), m);
      };
      switch (c.act) {
        case Click1: QTest::mouseClick(&box.Command1, Qt::LeftButton); break;
        case Click2: QTest::mouseClick(&box.Command2, Qt::LeftButton); break;
        case Close: box.close(); break;
        case Escape: key(Qt::Key_Escape); break;
        case Enter: key(Qt::Key_Return); break;
        case KeypadEnter: key(Qt::Key_Enter, Qt::KeypadModifier); break;
        case TabThenEnter:
          key(Qt::Key_Tab);
          EXPECT_EQ(box.focusWidget(), &box.Command2) << c.rule;
          key(Qt::Key_Return);
          break;
      }
    });
    EXPECT_EQ(dialogs.ShowMessageBox("Save the case?", c.buttons, "Question"), c.answer)
        << c.rule;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << c.rule;
  }
}

TEST_F(BoxTest, OpensCentredOnTheActiveWindowOrElseOnTheScreen) {
  ui::QtDialogs dialogs;
  auto centreOf = [](const QRect& r) { return QPointF(r.left() + r.width() / 2.0, r.top() + r.height() / 2.0); };
  auto near = [](QPointF a, QPointF b) { return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1; };

  ui::Form window(QStringLiteral("Form1"));
  window.setGeometry(240, 130, 400, 300);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QPointF box = {}, over = centreOf(window.frameGeometry());
  testenv::WhenModal<Box>([&](Box& b) {
    box = centreOf(b.frameGeometry());
    QTest::mouseClick(&b.Command1, Qt::LeftButton);
  });
  dialogs.ShowMessageBox("Please Enter Claimant's Tax Filing Status", kBoxExclamation, "Entry Error");
  EXPECT_TRUE(near(box, over)) << box.x() << "," << box.y() << " over " << over.x() << "," << over.y();
  window.hide();
  for (int i = 0; i < 100 && QApplication::activeWindow(); ++i) QTest::qWait(10);
  ASSERT_EQ(QApplication::activeWindow(), nullptr);

  const QPointF screen = centreOf(QGuiApplication::primaryScreen()->availableGeometry());
  testenv::WhenModal<Box>([&](Box& b) {
    box = centreOf(b.frameGeometry());
    QTest::mouseClick(&b.Command1, Qt::LeftButton);
  });
  dialogs.ShowMessageBox("Quit?", kBoxYesNo, "Exit");
  EXPECT_TRUE(near(box, screen)) << box.x() << "," << box.y() << " screen " << screen.x() << "," << screen.y();
}
