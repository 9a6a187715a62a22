// Both affidavits printed whole, with a separate certificate of service asked
// for, written as PDF and read back: every page in order, then the notice.
#include <gtest/gtest.h>

#include "affidavit/datafile/DefaultLabels.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "platform/Fonts.h"
#include "platform/document/PdfWriter.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"
#include "WholeAffidavit.h"

namespace {

using casevars::AffidavitValue;

struct WholeForm {
  affidavit::FakeAffidavitPages pages;
  casevars::AffidavitValues values;
  casevars::AffidavitPageVars font;

  std::optional<QStringList> PrintAsPdf(bool longForm, const QString& name) {
    const QString path = testenv::scratchFolder() + "/" + name;
    EXPECT_TRUE(platform::SaveDocumentAsPdf(affidavittest::PrintWhole(pages, values, font, longForm), path).ok());
    return testenv::PdfPageTexts(path);
  }
};

TEST(WholeAffidavitPdfTest, EachFormPrintsItsPagesThenTheNotice) {
  platform::RegisterTahomaIfMissing();
  struct Case {
    bool longForm;
    const char* first;
    const char* second;
    int pages;
    const char* footer;
  } cases[] = {
      {true, "Form12", "Form122", 13, "Family Law Financial Affidavit (Long Form) (06/25)"},
      {false, "Form121", "Form123", 5, "Family Law Financial Affidavit (Short Form) (10/21)"},
  };
  for (const Case& c : cases) {
    WholeForm form;
    affidavit::ApplyLabels(form.pages, c.longForm ? affidavit::FDLongExpenseLabels()
                                                  : affidavit::FDShortExpenseLabels());
    form.pages.SetText({c.first, "S0T", 3}, "2026-DR-1");
    form.pages.SetText({c.first, "S0T", 7}, "Jane Roe");
    form.pages.SetValue({c.second, "S5op", 12}, 1);
    form.pages.SetText({c.second, "S5T", 1}, "John Roe");
    form.values.FDIncomeValues[1] = AffidavitValue::Of(4200);
    form.values.FDIncomeValues[17] = AffidavitValue::Of(4200);
    form.values.FDAssetValues[0] = AffidavitValue::Of(1234);
    const auto texts = form.PrintAsPdf(c.longForm, c.longForm ? "long.pdf" : "short.pdf");
    if (!texts) GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_EQ(texts->size(), c.pages + 1) << c.first;
    for (int i = 0; i < c.pages; ++i)
      EXPECT_TRUE(texts->at(i).simplified().contains(c.footer)) << c.first << " page " << i + 1;
    EXPECT_TRUE(texts->at(0).contains("Jane Roe")) << c.first;
    const QString all = texts->join("\n");
    EXPECT_TRUE(all.contains("4,200")) << c.first;
    EXPECT_TRUE(all.contains("$1,234")) << c.first;
    const QString notice = texts->back().simplified();
    EXPECT_TRUE(notice.contains("NOTICE OF FILING FAMILY LAW FINANCIAL AFFIDAVIT")) << c.first;
    EXPECT_TRUE(notice.contains("2026-DR-1")) << c.first;
    EXPECT_TRUE(notice.contains("John Roe")) << c.first;
    EXPECT_FALSE(notice.contains(c.footer)) << "the notice has no footer";
  }
}

}  // namespace
