#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <vector>

#include "business/ui/BusinessWindow.h"
#include "income/ui/IncomeColumns.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/Fonts.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/TabControl.h"
#include "shell/ui/Fitting.h"
#include "support/ui/Pictures.h"

using namespace income;
using namespace incometest;

namespace {

// The screens the windows are laid out for, from the design's to a wide one.
const shell::ScreenInfo kScreens[] = {
    {800, 600, 15, 15}, {1024, 768, 15, 15}, {1920, 1080, 15, 15}};

std::string SizeName(const shell::ScreenInfo& s) {
  return std::to_string(int(s.widthPx)) + "x" + std::to_string(int(s.heightPx));
}

// A control's rectangle in the coordinates of `in`.
QRect RectIn(const QWidget* control, const QWidget* in) {
  return QRect(control->mapTo(in, QPoint(0, 0)), control->size());
}

class WindowGeometryTest : public ::testing::Test, public IncomeWindowFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

// The income rows of the gross income tab and of the allowable deductions,
// by their caption label (LabelC1 ...) and the party's box of the row.
struct Row {
  int label;
  const char* suffix;
  int index = -1;
};
const Row kRows[] = {{0, "Earned"},
                     {1, "Tips", 0},
                     {2, "OT", 0},
                     {3, "EarnedExempt"},
                     {4, "Self"},
                     {5, "ST"},
                     {6, "LT"},
                     {7, "PT"},
                     {8, "Pension"},
                     {9, "Comp"},
                     {10, "Free"},
                     {11, "Reimburse"},
                     {12, "PriorMaint"},
                     {13, "SSChild"},
                     {14, "SS"},
                     {15, "Total"},
                     {16, "StIndus"},
                     {17, "Dues"},
                     {18, "PensionPay"},
                     {19, "OtherSupport"},
                     {20, "MedCare"},
                     {21, "PriorMaintPaid"},
                     {22, "PriorMaintPaid2"}};

// Every row caption runs in leader dots up to its amount box and stops
// there; the business button stands clear of its row's caption. For a
// joint filer and for a party who files alone (columns moved right).
TEST_F(WindowGeometryTest, IncomeLeadersEndAtTheAmountColumn) {
  for (bool joint : {true, false}) {
    for (const shell::ScreenInfo& screen : kScreens) {
      SCOPED_TRACE(SizeName(screen) + (joint ? " joint" : " alone"));
      Form13 w(vars, Services());
      shell::ScreenFactors factors;
      shell::FitTabFormToScreen(w, factors, screen);
      express.filing.Claim = {};
      (joint ? express.filing.Claim.MFJ : express.filing.Claim.Single) = true;
      std::int16_t shifted = 0;
      IncomeButtonContext open{express, shifted, factors, screen, &dialogs, [](IncomeWindow&) {}};
      ASSERT_TRUE(EnterIncome_Click(w, open));
      w.show();
      for (const Row& r : kRows) {
        QLabel* caption = w.RowLabels[size_t(r.label)];
        AmountBox* box = Box(w, r.suffix, r.index);
        const QWidget* frame = box->parentWidget();
        const QRect c = RectIn(caption, frame), b = RectIn(box, frame);
        EXPECT_LT(c.right(), b.left()) << caption->objectName().toStdString();
        EXPECT_GE(c.right(), b.left() - 12) << caption->objectName().toStdString();
        // The dots run on to the caption's end.
        EXPECT_GE(caption->fontMetrics().horizontalAdvance(caption->text()), c.width())
            << caption->objectName().toStdString();
      }
      const QRect button = RectIn(w.Business, w.Business->parentWidget());
      const QRect self = RectIn(w.RowLabels[4], w.Business->parentWidget());
      EXPECT_LT(button.right(), self.left());
      // The button's caption is whole.
      EXPECT_LE(w.Business->fontMetrics().horizontalAdvance(w.Business->text()), button.width());
      w.hide();
    }
  }
}

// Each row caption of both windows is spelled whole and stands whole before
// its leader at every screen size.
TEST_F(WindowGeometryTest, RowCaptionsAreWholeInBothWindows) {
  for (const shell::ScreenInfo& screen : kScreens) {
    Form13 claim(vars, Services());
    Form14 payer(vars, Services());
    for (IncomeWindow* w : {static_cast<IncomeWindow*>(&claim), static_cast<IncomeWindow*>(&payer)}) {
      SCOPED_TRACE(SizeName(screen) + " " + w->Name().toStdString());
      shell::ScreenFactors factors;
      shell::FitTabFormToScreen(*w, factors, screen);
      w->show();
      for (const Row& r : kRows) {
        const QLabel* caption = w->RowLabels[size_t(r.label)];
        QString words = caption->text();
        while (words.endsWith(QLatin1Char('.'))) words.chop(1);
        EXPECT_LE(caption->fontMetrics().horizontalAdvance(words), caption->width())
            << caption->objectName().toStdString();
      }
      EXPECT_TRUE(w->RowLabels[19]->text().startsWith(
          QStringLiteral("Court-Ordered Support Paid For Children From Other Relationships.")));
      if (w == &payer && screen.widthPx == 800) {
        w->SSTab1->SetTab(3);
        EXPECT_TRUE(testenv::SavePicture(w->grab().toImage(), "income-window-other-party-tab3-800x600.png"));
      }
      w->hide();
    }
  }
}

// The area of a frame's caption.
QRect CaptionOf(QGroupBox* frame) {
  QStyleOptionGroupBox option;
  option.initFrom(frame);
  option.text = frame->title();
  option.lineWidth = 1;
  option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
  option.textAlignment = frame->alignment();
  return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        frame);
}

// A joint filer's business window: nothing stands over a frame's caption
// (the New Spouse frames, the column headings), and no two controls of a
// frame cover each other.
TEST_F(WindowGeometryTest, BusinessFramesKeepTheirCaptionsClear) {
  for (const shell::ScreenInfo& screen : kScreens) {
    for (casevars::Party party : {casevars::Party::Claim, casevars::Party::Payer}) {
      SCOPED_TRACE(SizeName(screen) + (party == casevars::Party::Claim ? " Form26" : " Form27"));
      business::BusinessWindow w(vars, party);
      shell::ScreenFactors factors;
      shell::FitTabFormToScreen(w, factors, screen);
      w.SetNewSpouseColumnVisible(true);
      w.show();
      for (QGroupBox* frame : {w.Frame1, w.Frame2, w.Frame4, w.Frame3, w.Frame6, w.Frame7}) {
        const QRect caption = CaptionOf(frame);
        ASSERT_FALSE(caption.isEmpty());
        EXPECT_LE(caption.right(), frame->width()) << frame->objectName().toStdString();
        std::vector<QWidget*> inside;
        for (QWidget* c : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
          if (c->isVisible()) inside.push_back(c);
        for (QWidget* c : inside) {
          const QRect r = c->geometry();
          EXPECT_FALSE(r.intersects(caption)) << frame->objectName().toStdString()
                                              << " caption under " << c->objectName().toStdString();
          EXPECT_LE(r.right(), frame->width()) << c->objectName().toStdString();
          for (QWidget* other : inside) {
            if (other == c) continue;
            EXPECT_FALSE(r.intersects(other->geometry()))
                << c->objectName().toStdString() << " covers " << other->objectName().toStdString();
          }
        }
      }
      EXPECT_LE(w.Frame1->geometry().right(), w.Client()->width());
      w.hide();
    }
  }
}

}  // namespace
