// A hand-made long form from its boxes through the read pass and totals to
// a PDF file, read back with pdftotext.
#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/calc/ClearAffidavit.h"
#include "LongFormFixture.h"
#include "platform/document/PdfWriter.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"

using namespace longformtest;

namespace {

class LongFormPdfTest : public LongFormFixture {};

TEST_F(LongFormPdfTest, FilledLongFormSavedAsPdf) {
  affidavit::ClearFinDecData(pages, 1);
  const std::pair<affidavit::PageElement, const char*> entries[] = {
      {E("S0T", 1), "NINTH"},          {E("S0T", 5), "Jane Roe"},
      {E("S0T", 6), "John Roe"},       {E("S0T", 7), "Jane Quinn Roe"},
      {E("S1T", 2), "Nurse"},          {E("S1", 32), "$4,500"},
      {E("S1", 33), "500"},            {E("S1", 2), "1,200"},
      {E("S1", 28), "300"},            {E("S1", 18), "700"},
      {E("S1", 19), "497"},            {E("S1", 23), "$250.40"},
      {E("S2", 1), "1500"},            {E("S2", 14), "600"},
      {E("S2T", 16), "First Bank 4321"}, {E("S2", 91), "320"},
  };
  for (const auto& [element, text] : entries) pages.SetText(element, text);
  affidavit::AssignFDVars(pages, 1, values);
  affidavit::CalculateFinDec(pages, 1, values);

  const platform::Document doc = Draw(1, 13);
  ASSERT_GE(doc.pageCount(), 8);
  const QString path = testenv::scratchFolder() + "/long-form.pdf";
  ASSERT_TRUE(platform::SaveDocumentAsPdf(doc, path).error.isEmpty());
  const auto texts = testenv::PdfPageTexts(path);
  if (!texts) GTEST_SKIP() << "pdftotext is not installed";
  ASSERT_GE(texts->size(), 8);
  QStringList pageText;
  for (int i = 0; i < 8; ++i) {
    pageText << texts->at(i).simplified();
    EXPECT_TRUE(pageText[i].contains(affidavit::kLongFormFooter)) << i + 1;
  }
  EXPECT_TRUE(pageText[0].contains("FAMILY LAW FINANCIAL AFFIDAVIT (LONG FORM)"));
  EXPECT_TRUE(pageText[0].contains("NINTH"));
  EXPECT_TRUE(pageText[0].contains("Jane Quinn Roe"));
  // Page 2: line 1 is 4,500 + 500, line 9 the 300 of 9a, line 17 5,000 + 1,200 + 300.
  for (const char* amount : {"$ 5,000", "$ 1,200", "$ 300", "$ 6,500"})
    EXPECT_TRUE(pageText[1].contains(amount)) << amount;
  // Page 3: deductions 700 + 497 + 250.40, net income 6,500 less them.
  for (const char* amount : {"$700", "$497", "$250", "$1,447", "$5,053"})
    EXPECT_TRUE(pageText[2].contains(amount)) << amount;
  // Page 7: the creditor, total expenses 1,500 + 600 + 320, surplus 5,053 less them.
  EXPECT_TRUE(pageText[6].contains("First Bank 4321"));
  for (const char* amount : {"$320", "$2,420", "$5,053", "$2,633", "$0"})
    EXPECT_TRUE(pageText[6].contains(amount)) << amount;
  EXPECT_TRUE(pageText[7].contains("SECTION III. ASSETS AND LIABILITIES"));
}

}  // namespace
