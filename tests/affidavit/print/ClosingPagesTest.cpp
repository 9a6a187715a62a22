// The frame of the closing pages: page ranges, the notice after the last
// page, page tops, the print size and the footers.
#include <QTemporaryDir>

#include "ClosingFixture.h"
#include "platform/document/PdfWriter.h"
#include "support/PdfText.h"

namespace closingtest {
namespace {

const QString kLongFooter =
    "Dadudav Family Law Rules of Procedure Form 12.902(c), Family Law Financial Affidavit (Long "
    "Form) (06/25)";
const QString kShortFooter =
    "Dadudav Family Law Rules of Procedure Form 12.902(b), Family Law Financial Affidavit (Short "
    "Form) (10/21)";

// Which page a drawn page is, by a text only that page prints.
QString PageName(const Page& page) {
  const std::pair<const char*, const char*> marks[] = {
      {"ASSETS: DESCRIPTION OF ITEM(S)", nullptr},
      {"LIABILITIES: DESCRIPTION OF ITEM(S)", "11"},
      {"C. NET WORTH (excluding contingent assets and liabilities)", "12"},
      {"E. CHILD SUPPORT GUIDELINES WORKSHEET ", "13"},
      {"SUMMARY", "3"},
      {"B. LIABILITIES:", "4"},
      {"SECTION IV. CHILD SUPPORT GUIDELINES WORKSHEET ", "5"},
      {"NOTICE OF FILING FAMILY LAW FINANCIAL AFFIDAVIT", "N"},
  };
  for (const auto& [text, name] : marks) {
    if (!ClosingFixture::Find(page, text)) continue;
    if (name) return name;
    return ClosingFixture::Find(page, " Total Fair Market Value of Marital Assets (add column B) ")
               ? "10"
               : "9";
  }
  return "?";
}

std::vector<QString> PageNames(const platform::Document& doc) {
  std::vector<QString> names;
  for (const Page& page : doc.pages) names.push_back(PageName(page));
  return names;
}

class ClosingPagesTest : public ClosingFixture {};

TEST_F(ClosingPagesTest, PageRangesOfBothForms) {
  struct Case {
    affidavit::AffidavitMode form;
    int from;
    int to;
    bool notice;
    std::vector<QString> pages;
  } cases[] = {
      {kLongForm, 9, 13, false, {"9", "10", "11", "12", "13"}},
      {kLongForm, 1, 13, false, {"9", "10", "11", "12", "13"}},
      {kLongForm, 12, 13, false, {"12", "13"}},
      {kLongForm, 13, 13, true, {"13", "N"}},
      {kLongForm, 9, 10, true, {"9", "10"}},  // stopped early: no notice
      {kLongForm, 11, 9, true, {"11", "12", "13", "N"}},  // a toPage below the first page
      {kLongForm, 9, 14, true, {"9", "10", "11", "12", "13", "N"}},
      {kLongForm, 14, 13, false, {"9", "10", "11", "12", "13"}},
      {kShortForm, 4, 6, false, {"4", "5"}},
      {kShortForm, 1, 6, true, {"3", "4", "5", "N"}},
      {kShortForm, 7, 6, false, {"3", "4", "5"}},
      {kShortForm, 3, 3, true, {"3"}},
      {kShortForm, 5, 5, true, {"5", "N"}},
  };
  for (const Case& c : cases) {
    SetValue(SecondPage(c.form), "S5op", 12, c.notice ? 1 : 0);
    EXPECT_EQ(PageNames(Draw(c.form, c.from, c.to)), c.pages)
        << c.form << " " << c.from << "-" << c.to;
  }
}

TEST_F(ClosingPagesTest, TheNoticeReadsTheOptionOfItsOwnForm) {
  SetValue("Form123", "S5op", 12, 1);  // the short form's option only
  EXPECT_EQ(PageNames(Draw(kLongForm, 13, 13)), std::vector<QString>{"13"});
  EXPECT_EQ(PageNames(Draw(kShortForm, 5, 5)), (std::vector<QString>{"5", "N"}));
}

TEST_F(ClosingPagesTest, PageTops) {
  // Y of the first text of each page, in the body's line advance.
  const double h = H(9);
  const double longAdvance = Advance(9, 125);
  struct Case {
    QString margin;
    int from;
    std::vector<double> tops;  // pages from `from` to 13
  } cases[] = {
      {"OneOneHalf", 9, {2160, 2160, 2016 + h / 2, 2016, 1440}},
      {"OneOneHalf", 12, {2160, 1440}},  // not lowered: page 11 did not print
      {"OneHalf", 9, {720, 720, 720 + h / 2, 720, 720}},
      {"", 11, {1440 + h / 2, 1440, 1440}},
  };
  for (const Case& c : cases) {
    margin = c.margin;
    const platform::Document doc = Draw(kLongForm, c.from, 13);
    ASSERT_EQ(doc.pageCount(), static_cast<int>(c.tops.size()));
    for (int i = 0; i < doc.pageCount(); ++i) {
      const Page& page = doc.pages[i];
      const QString name = PageName(page);
      double top;
      if (name == "12")  // two empty lines above the net worth heading
        top = Find(page, "C. NET WORTH (excluding contingent assets and liabilities)")->position.y() -
              2 * longAdvance;
      else if (name == "13")
        top = Find(page, "E. CHILD SUPPORT GUIDELINES WORKSHEET ")->position.y();
      else
        top = Find(page, "                     A")->position.y();
      EXPECT_NEAR(top, c.tops[i], 0.01) << c.margin.toStdString() << " page " << name.toStdString();
    }
  }
  // The short form takes the margin as it is on every page, 2160 included.
  margin = "OneOneHalf";
  const platform::Document doc = Draw(kShortForm, 3, 5);
  EXPECT_DOUBLE_EQ(Find(doc.pages[0], "SUMMARY")->position.y(), 2160);
  EXPECT_DOUBLE_EQ(Find(doc.pages[1], "B. LIABILITIES:")->position.y(), 2160);
  EXPECT_DOUBLE_EQ(
      Find(doc.pages[2], "SECTION IV. CHILD SUPPORT GUIDELINES WORKSHEET ")->position.y(), 2160);
}

TEST_F(ClosingPagesTest, LongFormPrintSizeIsBoundedWithoutChangingTheSetting) {
  for (auto [setting, printed] : {std::pair{12, 9.75}, std::pair{10, 9.75}, std::pair{8, 9.0},
                                  std::pair{9, 9.0}, std::pair{2, 9.0}}) {
    font.FDFontSize = static_cast<std::int16_t>(setting);
    const platform::Document doc = Draw(kLongForm, 12, 13);
    EXPECT_DOUBLE_EQ(Find(doc.pages[1], " Other party or his/her attorney:")->font.size, printed)
        << setting;
    EXPECT_DOUBLE_EQ(
        Find(doc.pages[0], "C. NET WORTH (excluding contingent assets and liabilities)")->font.size,
        printed);
    EXPECT_EQ(font.FDFontSize, setting);
  }
  // The short form prints at 9 whatever the setting.
  font.FDFontSize = 12;
  EXPECT_DOUBLE_EQ(Find(Draw(kShortForm, 5, 5).pages[0], " Name:  ")->font.size, 9);
}

TEST_F(ClosingPagesTest, FootersAndTheBodySizeAfterThem) {
  const platform::Document longDoc = Draw(kLongForm, 9, 13);
  ASSERT_EQ(longDoc.pageCount(), 5);
  for (int i = 0; i < 5; ++i) {
    const TextRun* footer = Find(longDoc.pages[i], kLongFooter);
    ASSERT_TRUE(footer) << i;
    EXPECT_EQ(footer->position, QPointF(1440, i == 4 ? 15120 : 15048)) << i;
    EXPECT_DOUBLE_EQ(footer->font.size, 8);
  }
  // The page after a footer starts in the body size.
  EXPECT_DOUBLE_EQ(Find(longDoc.pages[1], "ASSETS: DESCRIPTION OF ITEM(S)")->font.size, 9);
  const platform::Document shortDoc = Draw(kShortForm, 3, 5);
  ASSERT_EQ(shortDoc.pageCount(), 3);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(Find(shortDoc.pages[i], kShortFooter)->position, QPointF(1440, 15048)) << i;
  EXPECT_DOUBLE_EQ(Find(shortDoc.pages[1], "B. LIABILITIES:")->font.size, 9);
}

// Filled pages: every amount and description present, every box ticked.
void FillEverything(casevars::AffidavitValues& values, affidavit::FakeAffidavitPages& pages) {
  for (auto& v : values.FDAssetValues) v = casevars::AffidavitValue::Of(1234567);
  for (auto& v : values.FDAssetPetitionerValues) v = casevars::AffidavitValue::Of(1234567);
  for (auto& v : values.FDAssetRespondentValues) v = casevars::AffidavitValue::Of(1234567);
  for (auto& v : values.FDLiabilityValues) v = casevars::AffidavitValue::Of(-1234567);
  for (auto& v : values.FDLiabilityPetitionerValues) v = casevars::AffidavitValue::Of(7654);
  for (auto& v : values.FDLiabilityRespondentValues) v = casevars::AffidavitValue::Of(7654);
  for (auto& v : values.FDExpenseValues) v = casevars::AffidavitValue::Of(98765);
  for (const char* page : {"Form122", "Form123"}) {
    for (int i = 0; i <= 62; ++i) {
      pages.SetText({page, "S3T", i}, "A description that fills its column");
      pages.SetValue({page, "S3c", i}, 1);
    }
    for (int i = 0; i <= 38; ++i) {
      pages.SetText({page, "S4T", i}, "A debt described");
      pages.SetValue({page, "S4c", i}, 1);
    }
    for (int i = 0; i <= 29; ++i) pages.SetText({page, "S5T", i}, "Entry text");
    for (const char* box : {"S5opEmail", "S5opMailed", "S5opHand", "S5opServed"})
      pages.SetValue({page, box, 0}, 1);
  }
}

TEST_F(ClosingPagesTest, EveryLineStaysAboveTheFooterWithTheShippedFace) {
  ASSERT_TRUE(platform::IsFontInstalled("Tahoma"));
  FillEverything(values, pages);
  for (const QString m : {"", "OneOneHalf"}) {
    margin = m;
    for (auto form : {kLongForm, kShortForm}) {
      const platform::Document doc = Draw(form, 1, 13);
      for (const Page& page : doc.pages) {
        const TextRun* footer = Find(page, form == kLongForm ? kLongFooter : kShortFooter);
        ASSERT_TRUE(footer);
        double lowest = 0;
        for (const TextRun* r : page.textRuns())
          if (r != footer) lowest = std::max(lowest, r->rect().bottom());
        for (const LineItem& l : Lines(page)) lowest = std::max({lowest, l.from.y(), l.to.y()});
        EXPECT_LT(lowest, footer->position.y())
            << form << " " << m.toStdString() << " page " << PageName(page).toStdString();
      }
    }
  }
}

TEST_F(ClosingPagesTest, PdfOfTheClosingPagesAndTheNotice) {
  values.FDAssetValues[0] = casevars::AffidavitValue::Of(1234);
  SetText("Form122", "S3T", 0, "Cash (on hand)");
  values.FDLiabilityValues[42] = casevars::AffidavitValue::Of(-1250);
  SetText("Form122", "S5T", 5, "Jane Roe");
  SetValue("Form122", "S5op", 12, 1);
  SetText("Form12", "S0T", 3, "2026-DR-1");
  SetValue("Form123", "S5op", 12, 1);
  values.FDExpenseValues[106] = casevars::AffidavitValue::Of(4321);
  QTemporaryDir folder;
  for (auto form : {kLongForm, kShortForm}) {
    const QString path = folder.path() + (form == kLongForm ? "/long.pdf" : "/short.pdf");
    ASSERT_TRUE(platform::SaveDocumentAsPdf(Draw(form, 1, 13), path).ok());
    const auto texts = testenv::PdfPageTexts(path);
    if (!texts) GTEST_SKIP() << "pdftotext is not installed";
    if (form == kLongForm) {
      ASSERT_EQ(texts->size(), 6);
      for (int i = 0; i < 5; ++i)
        EXPECT_TRUE((*texts)[i].contains("Family Law Financial Affidavit (Long Form) (06/25)")) << i;
      EXPECT_TRUE((*texts)[0].contains("Cash (on hand)"));
      EXPECT_TRUE((*texts)[0].contains("$1,234"));
      EXPECT_TRUE((*texts)[3].contains("-$1,250"));
      EXPECT_TRUE((*texts)[4].contains("Jane Roe"));
      EXPECT_TRUE((*texts)[5].contains("NOTICE OF FILING FAMILY LAW FINANCIAL AFFIDAVIT"));
      EXPECT_TRUE((*texts)[5].contains("2026-DR-1"));
      EXPECT_FALSE((*texts)[5].contains("Long Form"));  // the notice has no footer
    } else {
      ASSERT_EQ(texts->size(), 4);
      for (int i = 0; i < 3; ++i)
        EXPECT_TRUE((*texts)[i].contains("Family Law Financial Affidavit (Short Form) (10/21)"))
            << i;
      EXPECT_TRUE((*texts)[0].contains("$4,321"));
      EXPECT_TRUE((*texts)[2].contains("SECTION IV. CHILD SUPPORT GUIDELINES WORKSHEET"));
      EXPECT_TRUE((*texts)[3].contains("CERTIFICATE OF SERVICE"));
    }
  }
}

}  // namespace
}  // namespace closingtest
