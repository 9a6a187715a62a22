#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "calculators/FinancialCalculator.h"
#include "calculators/ui/CalculatorWindow.h"
#include "calculators/ui/Form7.h"
#include "calculators/ui/Form72t.h"
#include "calculators/ui/Form72tHelp.h"
#include "calculators/ui/FormFin.h"
#include "calculators/ui/ProjectionCanvas.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/EntryBox.h"
#include "support/ui/ModalDriver.h"
#include "support/ui/ProgramFixture.h"

using namespace calculators::ui;

namespace {

struct CalculatorWindowsTest : ::testing::Test, ProgramFixture {
  template <class W>
  W& Open(const char* name) {
    auto* w = qobject_cast<W*>(OpenCalculator(program, QString::fromLatin1(name), 1));
    EXPECT_NE(w, nullptr);
    w->activateWindow();
    return *w;
  }
  QStringList Messages() const {
    QStringList out;
    for (const auto& call : dialogs.CallsOf(platform::DialogKind::MessageBox)) {
      EXPECT_EQ(call.title, "Entry Error");
      out << call.prompt;
    }
    return out;
  }
};

TEST_F(CalculatorWindowsTest, FinancialCalculatorTypedEntriesGiveTheAnswer) {
  auto& w = Open<FormFin>("FormFin");
  EXPECT_FALSE(w.Text[0]->isVisibleTo(&w));
  w.Option[0]->click();
  EXPECT_EQ(w.FinCalcMode, 1);
  EXPECT_TRUE(w.Option[0]->font().underline());
  EXPECT_EQ(w.Label[0]->text(), "Mortgage Amount ($):");
  EXPECT_TRUE(w.Text[2]->isVisibleTo(&w));
  EXPECT_FALSE(w.Text[3]->isVisibleTo(&w));
  // The key filter keeps the letters, the comma and the minus sign out.
  QTest::keyClicks(w.Text[0], "1a00,0-00");
  EXPECT_EQ(w.Text[0]->text(), "100000");
  w.Text[1]->setText("360");
  w.Text[2]->setText("6");
  w.CmdAnswer->click();
  EXPECT_TRUE(w.txtAnswer->isVisibleTo(&w));
  EXPECT_EQ(w.lblAnswer->text(), "Each Payment Is ($):");
  EXPECT_EQ(w.txtAnswer->text(), "599.55");

  // A refused entry keeps the earlier answer and puts the focus on the box.
  w.Text[1]->setText("");
  w.CmdAnswer->click();
  EXPECT_EQ(Messages(), QStringList{calculators::kFinZeroEntry});
  EXPECT_EQ(w.txtAnswer->text(), "599.55");
  EXPECT_EQ(w.focusWidget(), w.Text[1]);

  // Another mode clears what was typed; "Clear Data" keeps the mode.
  w.Option[2]->click();
  EXPECT_FALSE(w.Option[0]->font().underline());
  EXPECT_TRUE(w.Text[0]->text().isEmpty());
  EXPECT_FALSE(w.txtAnswer->isVisibleTo(&w));
  w.Text[0]->setText("100000");
  w.Text[1]->setText("360");
  w.Text[2]->setText("599.55");
  w.Text[3]->setText("12");
  w.CmdAnswer->click();
  EXPECT_EQ(w.txtAnswer->text(), "98,771.99");
  EXPECT_TRUE(w.lblAnswerNote->isVisibleTo(&w));
  w.CmdClear->click();
  EXPECT_EQ(w.FinCalcMode, 3);
  EXPECT_FALSE(w.lblAnswerNote->isVisibleTo(&w));
  EXPECT_EQ(w.Label[1]->text(), "Total No. Of Pmts");
}

// Mode 7 typed as a person types it: 999,999,999,999 for 2 years at 10% grows
// past the largest amount the program shows, and the message says so; the
// earlier answer stays.
TEST_F(CalculatorWindowsTest, FinancialCalculatorAnswerPastTheLargestAmount) {
  auto& w = Open<FormFin>("FormFin");
  QTest::mouseClick(w.Option[6], Qt::LeftButton, {}, QPoint(6, 6));
  ASSERT_EQ(w.FinCalcMode, 7);
  const auto typeAll = [&w](std::initializer_list<const char*> texts) {
    std::size_t k = 0;
    for (const char* text : texts) {
      w.Text[k]->setFocus();
      w.Text[k]->selectAll();
      QTest::keyClicks(w.Text[k++], text);
    }
  };
  typeAll({"10000", "10", "6", "12"});
  QTest::mouseClick(w.CmdAnswer, Qt::LeftButton);
  EXPECT_EQ(w.txtAnswer->text(), "18,193.97");
  typeAll({"999999999999", "2", "10", "1"});
  QTest::mouseClick(w.CmdAnswer, Qt::LeftButton);
  EXPECT_EQ(Messages(), QStringList{calculators::FinAnswerTooLargeMessage()});
  EXPECT_EQ(w.txtAnswer->text(), "18,193.97");
}

TEST_F(CalculatorWindowsTest, FinancialCalculatorWithoutAModeShowsAnEmptyAnswer) {
  auto& w = Open<FormFin>("FormFin");
  w.CmdAnswer->click();
  EXPECT_TRUE(w.txtAnswer->isVisibleTo(&w));
  EXPECT_TRUE(w.txtAnswer->text().isEmpty());
  EXPECT_TRUE(Messages().isEmpty());
}

void FillPensionExample(Form7& w) {
  w.CurrentAgeYrs->setText("40");
  w.CurrentAgeMos->setText("0");
  w.AgePayableYrs->setText("65");
  w.AgePayableMos->setText("0");
  w.HolderName->setText("R. Example");
  w.ModelGenderOnly->click();
  w.SexMale->click();
  w.PensionAmount->setText("$1,000");
  w.DiscountRate->setText(".05");
  w.TaxRate->setText(".2");
}

TEST_F(CalculatorWindowsTest, PensionCalculatorValuesThePension) {
  auto& w = Open<Form7>("Form7");
  EXPECT_TRUE(w.AtDeath->isChecked());
  EXPECT_TRUE(w.ModelDB->isChecked());
  EXPECT_FALSE(w.AgeTerminateYrs->isEnabled());
  EXPECT_FALSE(w.TradeMark->isVisibleTo(&w));
  FillPensionExample(w);
  w.RunDBReport->click();
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(w.Picture1->text(), " $34,176");
  EXPECT_EQ(w.Picture2->text(), " $27,341");
  EXPECT_EQ(w.Picture3->text(), " 16.13%");
  EXPECT_EQ(w.Picture4->text(), " 18.00 Years");
}

TEST_F(CalculatorWindowsTest, PensionOptionsEnableTheirFields) {
  auto& w = Open<Form7>("Form7");
  w.AtAge->click();
  EXPECT_TRUE(w.AgeTerminateYrs->isEnabled());
  EXPECT_TRUE(w.Months->isEnabled());
  EXPECT_EQ(w.Label12->text(), "Period of Payments");
  w.AgeTerminateYrs->setText("80");
  w.AtDeath->click();
  EXPECT_TRUE(w.AgeTerminateYrs->text().isEmpty());
  EXPECT_FALSE(w.Yrs->isEnabled());
  EXPECT_EQ(w.Label12->text(), "Expected Period of Payments");

  w.RaceWhite->click();
  w.ModelGenderOnly->click();
  EXPECT_FALSE(w.RaceWhite->isChecked());
  EXPECT_FALSE(w.RaceBlack->isEnabled());
  w.ModelDB->click();
  EXPECT_TRUE(w.RaceBlack->isEnabled());
  EXPECT_FALSE(w.RaceWhite->isChecked() || w.RaceBlack->isChecked() || w.RaceHispanic->isChecked());
}

TEST_F(CalculatorWindowsTest, PensionRefusalKeepsEarlierResults) {
  auto& w = Open<Form7>("Form7");
  FillPensionExample(w);
  w.RunDBReport->click();
  w.ModelDB->click();  // a race must now be chosen
  w.RunDBReport->click();
  w.TaxRate->setText("5");
  w.ModelGenderOnly->click();
  w.RunDBReport->click();
  EXPECT_EQ(Messages(), (QStringList{"Please Enter The Pension Holder's Race",
                                     "Please ReEnter The Tax Rate(As A Decimal)"}));
  EXPECT_EQ(w.focusWidget(), w.TaxRate);
  EXPECT_EQ(w.Picture1->text(), " $34,176");
  EXPECT_EQ(w.CheckDataEntry4(), 1);
}

void Fill72tExample(Form72t& w) {
  w.HolderName->setText("R. Example");
  w.CurrentAgeYrs->setText("50");
  w.AgeEndYrs->setText("56");
  w.IRAAmount->setText("$100,000");
  w.InterestRate->setText("5");
  w.IraInterestRate->setText("6");
}

TEST_F(CalculatorWindowsTest, WithdrawalCalculatorShowsTheMethodsAndTheProjection) {
  auto& w = Open<Form72t>("Form72t");
  EXPECT_TRUE(w.MethodAnnuity->isChecked());
  EXPECT_EQ(w.Frame12->title(), "Projected IRA Account Balance/Yr ");
  Fill72tExample(w);
  w.Run72TReport->click();
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(w.AnnuityYearly->text(), "$6,082");
  EXPECT_EQ(w.AnnuityMonthly->text(), "$507");
  EXPECT_EQ(w.LEYearly->text(), "$2,924");
  EXPECT_EQ(w.LEMonthly->text(), "$244");
  EXPECT_EQ(w.AmortYearly->text(), "$6,161");
  EXPECT_EQ(w.AmortMonthly->text(), "$513");
  EXPECT_EQ(w.Frame12->title(), "Projected IRA Account Balance/Yr (Annuity Method)");
  ASSERT_EQ(w.Picture1->Rows().size(), 6u);
  EXPECT_EQ(w.Picture1->Rows().back().last(), "99,192");

  w.MethodMin->click();
  w.Run72TReport->click();
  EXPECT_EQ(w.Frame12->title(), "Projected IRA Account Balance/Yr (Minimum Withdrawal Method)");
  EXPECT_EQ(w.Picture1->Rows()[1][4], "106,309");

  // A refused age leaves the results as they were.
  w.CurrentAgeYrs->setText("60");
  w.Run72TReport->click();
  EXPECT_EQ(Messages(), QStringList{"Please ReEnter The Number Of Years In Holder's Current Age (Min Is 18, Max Is 59)"});
  EXPECT_EQ(w.focusWidget(), w.CurrentAgeYrs);
  EXPECT_EQ(w.Picture1->Rows().size(), 6u);
  EXPECT_EQ(w.LEYearly->text(), "$2,924");
}

// Rates typed as a person types them: a tiny reasonable rate amortizes the
// balance over the life expectancy; a huge rate typed in a rate box stays as
// typed and gets the rate's own message when the calculation runs.
TEST_F(CalculatorWindowsTest, WithdrawalCalculatorTakesTinyAndHugeRates) {
  auto& w = Open<Form72t>("Form72t");
  const auto type = [](QLineEdit* box, const char* text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
  };
  type(w.CurrentAgeYrs, "50");
  type(w.AgeEndYrs, "56");
  type(w.IRAAmount, "$100,000");
  type(w.InterestRate, "1e-20");
  type(w.IraInterestRate, "6");
  QTest::mouseClick(w.MethodAmort, Qt::LeftButton, {}, QPoint(6, w.MethodAmort->height() / 2));
  QTest::mouseClick(w.Run72TReport, Qt::LeftButton);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(w.AmortYearly->text(), "$2,924");  // 100,000 / 34.2, as the minimum
  EXPECT_EQ(w.AmortMonthly->text(), "$244");
  ASSERT_EQ(w.Picture1->Rows().size(), 6u);
  EXPECT_EQ(w.Picture1->Rows()[0][2], "$2,924");

  for (auto [box, message] : {std::pair{w.InterestRate, "Please ReEnter The Interest Rate(As A Percentage)"},
                              {w.IraInterestRate, "Please ReEnter Annual Gain of the IRA (As A Percentage)"}}) {
    const QString before = box->text();
    const qsizetype seen = Messages().size();
    type(box, "1e12");
    EXPECT_EQ(box->text(), "1e12");
    EXPECT_EQ(Messages().size(), seen);
    QTest::mouseClick(w.Run72TReport, Qt::LeftButton);
    EXPECT_EQ(Messages().mid(seen), QStringList{message});
    EXPECT_EQ(w.focusWidget(), box);
    EXPECT_EQ(w.AmortYearly->text(), "$2,924");
    box->setText(before);
  }
}

// From 18 to 111 the table has 93 rows: the scroll area reaches the last.
TEST_F(CalculatorWindowsTest, ScrollAreaReachesEveryRow) {
  auto& w = Open<Form72t>("Form72t");
  Fill72tExample(w);
  w.CurrentAgeYrs->setText("18");
  w.AgeEndYrs->setText("111");
  w.Run72TReport->click();
  ASSERT_EQ(w.Picture1->Rows().size(), 93u);
  QApplication::processEvents();
  const int lastRowBottom = w.Picture1->LineTop(93) + w.Picture1->fontMetrics().height();
  EXPECT_GE(w.Picture1->height(), lastRowBottom);
  QScrollBar* bar = w.Picture2->verticalScrollBar();
  EXPECT_GE(bar->maximum() + w.Picture2->viewport()->height(), lastRowBottom);
  bar->setValue(bar->maximum());
  EXPECT_EQ(w.Picture1->y(), -bar->maximum());
}

TEST_F(CalculatorWindowsTest, HelpWindowsOpenModalAndTheRatesPageOpens) {
  auto& w = Open<Form72t>("Form72t");
  testenv::WhenModal<Form72tA>([](Form72tA& help) {
    EXPECT_TRUE(help.PlainText().startsWith("IRAs and 72(t) Early Withdrawals"));
    EXPECT_EQ(help.windowTitle(), "About 72t Methods");
    help.close();
  });
  w.About->click();
  testenv::WhenModal<Form72tB>([](Form72tB& help) {
    EXPECT_TRUE(help.PlainText().startsWith("Interest Rates Used to Calculate 72(t) IRA Withdrawals"));
    EXPECT_TRUE(help.PlainText().contains(kIrsRatesAddress));
    help.IRSWeb->click();
    EXPECT_TRUE(help.isVisible());
    help.close();
  });
  w.AboutInterest->click();
  EXPECT_EQ(openedPages, QStringList{kIrsRatesAddress});
  DeleteClosed();
  EXPECT_FALSE(program.IsFormLoaded("Form72tA"));
  EXPECT_TRUE(w.isVisible());
}

TEST_F(CalculatorWindowsTest, PensionAboutOpensTheNoteBesideTheCalculator) {
  auto& w = Open<Form7>("Form7");
  w.About->click();
  EXPECT_TRUE(program.Find("Form8")->isVisible());
  EXPECT_TRUE(w.isVisible());
}

}  // namespace
