// The filled short form's pages 1 and 2 written as PDF and read back.
#include <gtest/gtest.h>

#include "ShortFormFixture.h"
#include "affidavit/datafile/DefaultLabels.h"
#include "platform/Fonts.h"
#include "platform/document/PdfWriter.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"

using namespace shortformtest;

namespace {

TEST(ShortFormPdfTest, FilledPagesReadBackFromThePdf) {
  platform::RegisterTahomaIfMissing();
  ShortFormRun run;
  affidavit::ApplyLabels(run.pages, affidavit::FDShortExpenseLabels());
  run.SetText("S0T", 1, "NINTH");
  run.SetText("S0T", 3, "2026-DR-1");
  run.SetText("S0T", 5, "Jane Roe");
  run.SetText("S1T", 2, "Teacher");
  run.SetValue("S1Op", 4, 1);
  run.SetValue("S1FileOp", 1, 1);
  auto& income = run.values.FDIncomeValues;
  income[1] = AffidavitValue::Of(4200);
  income[17] = AffidavitValue::Of(4200);
  income[18] = AffidavitValue::Of(512);
  income[31] = AffidavitValue::Of(150);
  run.values.FDExpenseValues[4] = AffidavitValue::Of(95);
  run.values.FDExpenseValues[105] = AffidavitValue::Of(95);

  const platform::Document doc = run.Print(1, 2);
  const QString path = testenv::scratchFolder() + "/short-form.pdf";
  ASSERT_TRUE(platform::SaveDocumentAsPdf(doc, path).ok());
  const auto pages = testenv::PdfPageTexts(path);
  if (!pages) GTEST_SKIP() << "pdftotext is not installed";
  ASSERT_EQ(pages->size(), 2);
  const QString footer =
      "Dadudav Family Law Rules of Procedure Form 12.902(b), Family Law Financial Affidavit "
      "(Short Form) (10/21)";
  for (const QString& page : *pages) EXPECT_TRUE(page.simplified().contains(footer));
  const QString one = pages->at(0).simplified();
  for (const QString text :
       {"IN THE CIRCUIT COURT OF THE NINTH", "JUDICIAL CIRCUIT,", "Case No.: 2026-DR-1",
        "FAMILY LAW FINANCIAL AFFIDAVIT (SHORT FORM)", "My occupation: Teacher",
        "( X ) monthly", "SECTION I. PRESENT MONTHLY GROSS INCOME:",
        "1. $ 4,200 Monthly gross salary or wages", "17. $ 4,200"})
    EXPECT_TRUE(one.contains(text)) << text.toStdString() << "\n" << one.toStdString();
  const QString two = pages->at(1).simplified();
  for (const QString text :
       {"PRESENT MONTHLY DEDUCTIONS:", "18. $512", "Filing Status Head Of Household",
        "25b. From other case(s): $150", "SECTION II. AVERAGE MONTHLY EXPENSES", "A. HOUSEHOLD:",
        "Telephone $95", "28. $95"})
    EXPECT_TRUE(two.contains(text)) << text.toStdString() << "\n" << two.toStdString();
}

}  // namespace
