#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "platform/AmountLimit.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "platform/document/DocumentPage.h"
#include "platform/document/PdfWriter.h"
#include "platform/document/TextMetrics.h"
#include "support/PdfText.h"
#include "support/TextBounds.h"
#include "support/TestEnvironment.h"
#include "worksheet/ExpressTransfer.h"
#include "worksheet/WorksheetCalculation.h"
#include "worksheet/WorksheetDocument.h"

using namespace worksheet;
using platform::Page;
using platform::TextRun;

namespace {

const QString kNoticeTitle = "NOTICE OF FILING CHILD SUPPORT GUIDELINES WORKSHEET";
const QString kPage2Mark = " GROSS INCOME CALCULATION";
const QString kPage3Mark = " 7a. Monthly Child Care Payments Actually Made";
const QString kPage4Mark = " 16a. Monthly Child Care Payments Actually Made";

class WorksheetDocumentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  platform::Document Draw(int from, int to) {
    platform::DrawingCursor vs;
    vs.BeginDocument();
    PrintWSDocument(vs, sheet, values, settings, from, to);
    vs.EndDocument();
    return vs.TakeDocument();
  }
  static const TextRun* Find(const Page& page, const QString& text, int nth = 0) {
    for (const TextRun* r : page.textRuns())
      if (r->text == text && nth-- == 0) return r;
    return nullptr;
  }
  // The texts printed on the line of `r` (same Y), left to right.
  static std::vector<const TextRun*> LineOf(const Page& page, const TextRun* r) {
    std::vector<const TextRun*> line;
    for (const TextRun* t : page.textRuns())
      if (std::abs(t->position.y() - r->position.y()) < 0.5) line.push_back(t);
    return line;
  }
  // The text printed at X on the line of the label ("" when nothing is).
  static QString CellAt(const Page& page, const QString& label, double x) {
    const TextRun* l = Find(page, label);
    if (!l) return "<no label>";
    for (const TextRun* t : LineOf(page, l))
      if (std::abs(t->position.x() - x) < 0.5) return t->text;
    return "";
  }
  static QString Marker(const Page& page) {
    for (const QString& m : {kNoticeTitle, kPage2Mark, kPage3Mark, kPage4Mark})
      if (Find(page, m)) return m;
    return "?";
  }
  static double TopOf(const Page& page) {
    double top = 1e9;
    for (const TextRun* r : page.textRuns()) top = std::min(top, r->position.y());
    for (const auto& item : page.items)
      if (const auto* l = std::get_if<platform::LineItem>(&item)) top = std::min(top, l->from.y());
    return top;
  }

  WorksheetSheet sheet = WorksheetSheet::AsDesigned();
  WorksheetValues values{};
  WorksheetPrintSettings settings;
};

TEST_F(WorksheetDocumentTest, PageRanges) {
  struct Case {
    int from;
    int to;
    std::vector<QString> pages;
  } cases[] = {
      {1, 4, {kNoticeTitle, kPage2Mark, kPage3Mark, kPage4Mark}},
      {2, 2, {kPage2Mark}},
      {3, 1, {kPage3Mark, kPage4Mark}},
      {3, 9, {kPage3Mark, kPage4Mark}},
      {0, 1, {kNoticeTitle}},
      {4, 1, {kPage4Mark}},
      {7, 0, {kNoticeTitle, kPage2Mark, kPage3Mark, kPage4Mark}},
      {1, 2, {kNoticeTitle, kPage2Mark}},
  };
  for (const Case& c : cases) {
    const platform::Document doc = Draw(c.from, c.to);
    std::vector<QString> drawn;
    for (const Page& page : doc.pages) drawn.push_back(Marker(page));
    EXPECT_EQ(drawn, c.pages) << c.from << "," << c.to;
  }
}

TEST_F(WorksheetDocumentTest, FooterOnEveryPageAtItsX) {
  const platform::Document doc = Draw(1, 4);
  ASSERT_EQ(doc.pageCount(), 4);
  const double xs[] = {1440, 1180, 1180, 1000};
  const double fit = WorksheetFitSize("Tahoma");
  for (int i = 0; i < 4; ++i) {
    const TextRun* footer = Find(doc.pages[i], kWorksheetFooter);
    ASSERT_TRUE(footer) << i;
    EXPECT_EQ(footer->position, QPointF(xs[i], 14760)) << i;
    EXPECT_DOUBLE_EQ(footer->font.size, fit);
  }
}

// The small print's size follows the width of the fit text as it prints; a
// face wider than Tahoma prints every size at its scale (its lines as wide
// as Tahoma's, see the edges test).
TEST_F(WorksheetDocumentTest, FitRuleByTheWidthOfTheFitText) {
  const QString fitText =
      " Subtract the smaller amount owed from the larger amount owed and enter the result in the";
  for (const QString font : {"Tahoma", "DejaVu Sans", "DejaVu Sans Mono"}) {
    const double width = platform::TextMetrics({font, 7.0}).width(fitText) * platform::WideFaceScale(font);
    EXPECT_DOUBLE_EQ(WorksheetFitSize(font), width > 6192 ? 6 : 7) << font.toStdString();
  }
  EXPECT_DOUBLE_EQ(platform::WideFaceScale("Tahoma"), 1);
  const double scale = platform::WideFaceScale("DejaVu Sans Mono");
  EXPECT_LT(scale, 0.8);  // a wide face
  settings.fontName = "DejaVu Sans Mono";
  const platform::Document doc = Draw(2, 2);
  const TextRun* instruction = nullptr;
  for (const TextRun* r : doc.pages[0].textRuns())
    if (r->text.endsWith("Enter answer on line 6A.")) instruction = r;
  ASSERT_TRUE(instruction);
  EXPECT_DOUBLE_EQ(instruction->font.size, WorksheetFitSize("DejaVu Sans Mono") * scale);
  EXPECT_EQ(instruction->font.name, "DejaVu Sans Mono");
  EXPECT_DOUBLE_EQ(Find(doc.pages[0], " 6. Additional Support Payments")->font.size, 10 * scale);
}

TEST_F(WorksheetDocumentTest, TopMarginOfEveryPage) {
  for (auto [stored, margin] :
       {std::pair{"OneHalf", 720.0}, std::pair{"OneOneHalf", 2160.0}, std::pair{"", 1440.0}}) {
    settings.preparerMargin = stored;
    const platform::Document doc = Draw(1, 4);
    for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(TopOf(doc.pages[i]), margin) << stored << i;
    EXPECT_DOUBLE_EQ(Find(doc.pages[1], kWorksheetFooter)->position.y(), 14760);
  }
}

TEST_F(WorksheetDocumentTest, CellsPrintWhatTheSheetShows) {
  sheet[Box::WS0f] = "$ 4,000";
  values[0] = 4000;
  sheet[Box::WS0m] = "$";  // blank entry box: nothing prints whatever the slot holds
  values[1] = 2500;
  sheet[Box::WS0t] = "$ 6,500";  // computed: its text as it stands
  values[22] = 123;
  sheet[Box::WS1f] = "$ 0";
  values[2] = 0;
  sheet[Box::WS3f] = "60.00%";
  sheet[Box::WS3m] = "";
  values[26] = 0.4;
  const Page page = Draw(2, 2).pages[0];
  EXPECT_EQ(CellAt(page, " Present Gross Monthly Income", 7444), "$ 4,000");
  EXPECT_EQ(CellAt(page, " Present Gross Monthly Income", 8740), "");
  EXPECT_EQ(CellAt(page, " Present Gross Monthly Income", 10036), "$ 6,500");
  EXPECT_EQ(CellAt(page, " 1. Present Net Monthly Income", 7444), "$ 0");
  EXPECT_EQ(CellAt(page, " 1. Present Net Monthly Income", 10036), "");  // empty WS1t, last cell
  EXPECT_EQ(CellAt(page, " 3. Percent of Financial Responsibility", 7444), "60.00%");
  EXPECT_EQ(CellAt(page, " 3. Percent of Financial Responsibility", 8740), "");
}

TEST_F(WorksheetDocumentTest, AfterClearSheetEveryCellPrintsEmpty) {
  sheet[Box::WS1f] = "3000";
  sheet[Box::WS1m] = "2000";
  sheet[Box::WSNumMinors] = "1";
  QString interp;
  ASSERT_TRUE(CalculateWS(sheet, values, interp, {}).completed);
  ASSERT_TRUE(ClearSheet(sheet, platform::kAnswerYes));
  RefreshValuesForPrint(sheet, values, false);
  const platform::Document doc = Draw(2, 4);
  for (const Page& page : doc.pages)
    for (const TextRun* r : page.textRuns()) {
      if (r->position.x() < 7400) continue;
      EXPECT_FALSE(r->text.contains(QRegularExpression("\\d"))) << r->text.toStdString();
    }
}

TEST_F(WorksheetDocumentTest, AfterATransferNoFigureOfTheEarlierCalculationPrints) {
  sheet[Box::WS0f] = "$ 9,000";
  sheet[Box::WS1f] = "8000";
  sheet[Box::WS1m] = "7000";
  sheet[Box::WSNumMinors] = "1";
  sheet[Box::WS7af] = "$ 333";
  QString interp;
  ASSERT_TRUE(CalculateWS(sheet, values, interp, {}).completed);
  casevars::CaseVars vars;  // a new case: nothing entered on the Express screen
  ExpressChecks express;
  IncomeWindowsLink income;
  ChildSupportDriver driver;
  ASSERT_TRUE(GetDataFrom(sheet, vars, {express, income, driver}));
  const platform::Document doc = BuildWorksheetDocument(sheet, values, false, settings);
  int cells = 0;
  for (const Page& page : doc.pages)
    for (const TextRun* r : page.textRuns()) {
      const double x = r->position.x();
      if (x != 7444 && x != 8740 && x != 10036) continue;
      ++cells;
      EXPECT_EQ(r->text, "$ 0");  // the new case's zero amounts, nothing earlier
    }
  EXPECT_GT(cells, 0);
}

TEST_F(WorksheetDocumentTest, CaptionRulesRunToTheirEndsWhenTheValuesAreEmpty) {
  for (const int pageNumber : {1, 2}) {
    const Page page = Draw(pageNumber, pageNumber).pages[0];
    const TextRun* caseNo = Find(page, " Case No.:  ");
    ASSERT_TRUE(caseNo);
    const double valueStart = caseNo->position.x() + caseNo->size.width();
    const double rowBottom = caseNo->position.y() + caseNo->size.height();
    int found = 0;
    for (const auto& item : page.items)
      if (const auto* l = std::get_if<platform::LineItem>(&item)) {
        if (std::abs(l->from.y() - rowBottom) < 0.5 && std::abs(l->from.x() - valueStart) < 0.5 &&
            l->to.x() == 10800)
          ++found;
        if (l->to.x() == 5540) {
          EXPECT_DOUBLE_EQ(l->from.x(), 1440);  // the parties' rules
        }
      }
    EXPECT_EQ(found, 1) << pageNumber;
  }
}

TEST_F(WorksheetDocumentTest, NoticePageWithEmptyBoxesShowsBlanksAndMarks) {
  const Page page = Draw(1, 1).pages[0];
  const QString blank(39, ' ');
  const TextRun* court = Find(page, "IN THE CIRCUIT COURT OF THE  ");
  ASSERT_TRUE(court);
  EXPECT_DOUBLE_EQ(court->position.x(), 2160);
  EXPECT_DOUBLE_EQ(court->position.y(), 1440);
  const auto caption = LineOf(page, court);
  ASSERT_EQ(caption.size(), 3u);
  EXPECT_EQ(caption[1]->text, blank);
  EXPECT_TRUE(caption[1]->font.underline);
  EXPECT_EQ(caption[2]->text, "  JUDICIAL CIRCUIT,");
  EXPECT_TRUE(Find(page, " ( ) e-mailed "));
  EXPECT_TRUE(Find(page, " ( ) mailed "));
  EXPECT_TRUE(Find(page, " ( ) hand delivered to the person(s) listed below on"));
  EXPECT_EQ(Find(page, " {name}  ")->font.italic, true);
  EXPECT_TRUE(Find(page, blank, 3));  // court, county, filing party, date
  const TextRun* title = Find(page, kNoticeTitle);
  EXPECT_TRUE(title->font.bold);
  EXPECT_NEAR(title->position.x() + title->size.width() / 2, 6120, 0.5);
}

TEST_F(WorksheetDocumentTest, NoticePageFillsAndCutsTheBlocks) {
  sheet[Box::WSCourt] = "FOURTH";
  sheet.WSMailed = 1;
  sheet.WSHand = 2;  // greyed prints as not ticked
  sheet[Box::WSOAddress] = QString(200, 'W');
  sheet[Box::WSAddress] = QString(200, 'W');
  const Page page = Draw(1, 1).pages[0];
  const TextRun* court = Find(page, "FOURTH");
  ASSERT_TRUE(court);
  EXPECT_TRUE(court->font.underline);
  EXPECT_TRUE(Find(page, " (X) mailed "));
  EXPECT_TRUE(Find(page, " ( ) hand delivered to the person(s) listed below on"));
  const TextRun* other = Find(page, " Address:  ", 0);
  const TextRun* filing = Find(page, " Address:  ", 1);
  ASSERT_TRUE(other && filing);
  EXPECT_DOUBLE_EQ(other->position.x(), 1440);
  EXPECT_DOUBLE_EQ(filing->position.x(), 3040);
  const TextRun* otherValue = LineOf(page, other)[1];
  const TextRun* filingValue = LineOf(page, filing)[1];
  EXPECT_LE(otherValue->size.width(), 7920);
  EXPECT_GT(otherValue->size.width() + platform::TextMetrics(otherValue->font).width("W"), 7920);
  EXPECT_LE(filingValue->size.width(), 6480);
  EXPECT_LT(filingValue->text.size(), otherValue->text.size());
}

TEST_F(WorksheetDocumentTest, PageTwoNumberOfChildrenAndLineFiveDTotal) {
  sheet[Box::WSNumMinors] = "2";
  sheet[Box::WS5dt] = "$ 400";
  const Page page = Draw(2, 2).pages[0];
  const TextRun* number = Find(page, "   2   ");
  ASSERT_TRUE(number);
  EXPECT_TRUE(number->font.bold);
  EXPECT_TRUE(number->font.underline);
  const auto line = LineOf(page, number);
  EXPECT_EQ(line.front()->text, " There is (are) ");
  EXPECT_DOUBLE_EQ(line.front()->position.x(), 1540);
  EXPECT_EQ(line.back()->text, " minor child(ren) common to the parties. Using the total");
  // Line 5d's total stands on its second line, after the bracketed instruction.
  EXPECT_EQ(CellAt(page, " [Add lines 5a+5b+5c]", 10036), "$ 400");
  EXPECT_EQ(CellAt(page, "  d. Total Monthly Child Care & Health Costs", 10036), "");
}

TEST_F(WorksheetDocumentTest, PageThreeLinesAndOvernights) {
  sheet[Box::WS7af] = "$";
  sheet[Box::WS8f] = "";
  values[32] = 55;
  sheet[Box::WS8m] = "$ 25";
  sheet[Box::WS12f] = "40.00%";
  sheet[Box::WSFatherDays] = "";
  sheet[Box::WSMotherDays] = "219";
  const Page page = Draw(3, 3).pages[0];
  EXPECT_EQ(CellAt(page, kPage3Mark, 7444), "");
  EXPECT_EQ(CellAt(page, " [Add 7a through 7c] ", 7444), "");  // line 8 on its second line
  EXPECT_EQ(CellAt(page, " [Add 7a through 7c] ", 8740), "$ 25");
  EXPECT_EQ(CellAt(page, " 12. Percentage of Overnight Stays With Each Parent", 7444), "40.00%");
  EXPECT_TRUE(Find(page, "    "));  // empty Petitioner's overnights: four bold underlined spaces
  EXPECT_TRUE(Find(page, "  219  "));
  EXPECT_DOUBLE_EQ(Find(page, "  219  ")->font.size, WorksheetFitSize("Tahoma"));
  EXPECT_DOUBLE_EQ(Find(page, " [Multiply line 2 by 1.5]")->position.x(), 1540);
}

// Line 12's overnights sentences stay left of column A's rule, whole, in a
// narrow and a wide face, and the page still ends above its footer.
TEST_F(WorksheetDocumentTest, PageThreeOvernightsSentencesStayInTheirCell) {
  sheet[Box::WSFatherDays] = "182.5";
  sheet[Box::WSMotherDays] = "182.5";
  settings.preparerMargin = "OneOneHalf";
  for (const QString font : {"Tahoma", "DejaVu Sans Mono"}) {
    settings.fontName = font;
    const Page page = Draw(3, 3).pages[0];
    const TextRun* line12 = Find(page, " 12. Percentage of Overnight Stays With Each Parent");
    const TextRun* line13 =
        Find(page, " 13. Parent's Support Multiplied by Other Parent's Percentage of");
    ASSERT_TRUE(line12 && line13);
    QString sentences;
    for (const TextRun* r : page.textRuns()) {
      const double y = r->position.y();
      if (y <= line12->position.y() || y >= line13->position.y()) continue;
      EXPECT_LE(r->position.x() + r->size.width(), 7344) << r->text.toStdString() << " " << font.toStdString();
      sentences += (sentences.isEmpty() || sentences.endsWith(' ') || r->text.startsWith(' ') ? "" : " ") + r->text;
    }
    for (const char* parent : {"Petitioner", "Respondent"})
      EXPECT_TRUE(sentences.contains(
          QStringLiteral("The child(ren) spend(s)   182.5  overnight stays with the %1 each year. Using the "
                         "number on the above line, multiply it by 100 and divide by 365. Enter this "
                         "number on line 12%2.")
              .arg(parent, parent[0] == 'P' ? "A" : "B")))
          << sentences.toStdString();
    double lowest = 0;
    for (const TextRun* r : page.textRuns())
      if (r->text != kWorksheetFooter) lowest = std::max(lowest, r->position.y() + r->size.height());
    EXPECT_LT(lowest, 14760) << font.toStdString();
  }
}

// The sentence that names line 12A or 12B is never broken, so the line's
// name stands with its words, whatever the number of overnights and the face.
TEST_F(WorksheetDocumentTest, PageThreeLineNamesStayWithTheirSentence) {
  for (const QString font : {"Tahoma", "DejaVu Sans"})
    for (const QString days : {"0", "73", "182.5", "365", "100.25"}) {
      settings.fontName = font;
      sheet[Box::WSFatherDays] = days;
      sheet[Box::WSMotherDays] = days;
      const Page page = Draw(3, 3).pages[0];
      for (const char* line : {"12A", "12B"}) {
        const TextRun* sentence = Find(page, QStringLiteral("Enter this number on line %1.").arg(line));
        ASSERT_TRUE(sentence) << font.toStdString() << " " << days.toStdString() << " " << line;
        EXPECT_LE(sentence->rect().right(), 7336.5);
      }
    }
}

// Labels and instruction lines of the table stay left of column A's rule: a
// word that would cross it starts the next line of its instruction.
TEST_F(WorksheetDocumentTest, LabelsAndInstructionsStayLeftOfColumnA) {
  const platform::Document doc = Draw(2, 4);
  QString text;
  for (const Page& page : doc.pages)
    for (const TextRun* r : page.textRuns()) {
      const double x = r->position.x();
      if (x != 1540 && (x != 1180 || r->font.bold || r->text == kWorksheetFooter)) continue;
      EXPECT_LE(r->position.x() + r->size.width(), 7344) << r->text.toStdString();
      text += r->text;
    }
  for (const char* words :
       {" Multiply the number on line 2 by the percentage on line 3B to get Respondent's share of basic "
        "obligation. Enter answer on line 4B.",
        " [Comparing lines 19 and 20, subtract the smaller amount owed from the larger amount owed and enter "
        "the result in the column for the parent that owes the larger amount of support]"})
    EXPECT_TRUE(text.simplified().contains(QString::fromLatin1(words))) << words;
  // The lines moved along still leave every page above its footer, in a wide face too.
  settings.preparerMargin = "OneOneHalf";
  for (const QString font : {"Tahoma", "DejaVu Sans Mono"}) {
    settings.fontName = font;
    for (const Page& page : Draw(2, 4).pages) {
      double lowest = 0;
      for (const TextRun* r : page.textRuns())
        if (r->text != kWorksheetFooter) lowest = std::max(lowest, r->rect().bottom());
      EXPECT_LT(lowest, 14760) << font.toStdString() << " " << Marker(page).toStdString();
    }
  }
}

// Every text of a filled worksheet keeps inside its cell, within the right
// edge (the notice's 10800, the table's border at 11160) and above the footer,
// under the deepest top margin, in Tahoma and in wide faces. The paragraphs
// under the table carry the words past the table's border to their next line.
TEST_F(WorksheetDocumentTest, FilledWorksheetKeepsItsTextInsideItsCells) {
  for (int i = 0; i < kBoxCount; ++i) {
    const Box box = static_cast<Box>(i);
    if (KindOf(box) == BoxKind::Entry || KindOf(box) == BoxKind::Computed)
      sheet[box] = "$ 1,234,567";
    else if (KindOf(box) == BoxKind::Text)
      sheet[box] = "Jane Quinn Roe-Alvarez";
  }
  for (auto& v : values) v = 1234567;
  sheet[Box::WSNumMinors] = "3";
  sheet[Box::WSFatherDays] = sheet[Box::WSMotherDays] = "182.5";
  sheet[Box::WSCourt] = "SEVENTEENTH";
  sheet[Box::WSCounty] = "PALM GROVE";
  sheet[Box::WSOEmail] = sheet[Box::WSEmail] = "jane.quinn.roe-alvarez@lawoffice.example.com";
  sheet.WSDev = sheet.WSNoDev = true;
  sheet.WSEmailed = sheet.WSMailed = sheet.WSHand = 1;
  settings.preparerMargin = "OneOneHalf";
  for (const QString font : {"Tahoma", "DejaVu Sans", "DejaVu Sans Mono"}) {
    settings.fontName = font;
    const platform::Document doc = Draw(1, 4);
    ASSERT_EQ(doc.pageCount(), 4);
    for (int page = 0; page < 4; ++page)
      for (const std::string& outside : testenv::RunsOutside(
               doc.pages[page], {page == 0 ? 10800.0 : 11160.0, 14760}, page + 1))
        ADD_FAILURE() << font.toStdString() << " " << outside;
    if (font != "Tahoma") continue;
    QString below;  // the text under page 4's table
    for (const TextRun* r : doc.pages[3].textRuns())
      if (r->position.y() > Find(doc.pages[3], "ADJUSTMENTS TO GUIDELINES AMOUNT.")->position.y() - 1)
        below += (below.endsWith(' ') || r->text.startsWith(' ') ? "" : " ") + r->text;
    for (const char* words :
         {"you must complete and file Motion to Deviate from Child Support Guidelines, Dadudav Supreme",
          "b. Deviation from the guidelines amount is NOT requested. The Motion to Deviate from Child "
          "Support Guidelines, Dadudav Supreme Court Approved Family Law Form 12.943, is not attached."})
      EXPECT_TRUE(below.simplified().contains(QString::fromLatin1(words))) << words << "\n" << below.toStdString();
  }
}

// Every amount typed at the program's limit: each figure the calculation
// gives from them, by either method, keeps to its cell at every line.
TEST_F(WorksheetDocumentTest, LargestAmountsKeepToTheirCells) {
  for (const bool shared : {false, true}) {
    sheet = WorksheetSheet::AsDesigned();
    for (int i = 0; i < kBoxCount; ++i)
      if (KindOf(static_cast<Box>(i)) == BoxKind::Entry)
        sheet[static_cast<Box>(i)] = platform::Format(platform::kLargestAmount, "$ ###,###.00");
    sheet[Box::WSNumMinors] = "3";
    sheet[Box::WSFatherDays] = sheet[Box::WSMotherDays] = "182.5";
    QString interp;
    ASSERT_TRUE(CalculateWS(sheet, values, interp, {shared, "Closest"}).completed);
    for (const QString font : {"Tahoma", "DejaVu Sans"}) {
      settings.fontName = font;
      const platform::Document doc = Draw(1, 4);
      ASSERT_EQ(doc.pageCount(), 4);
      for (int page = 0; page < 4; ++page)
        for (const std::string& outside :
             testenv::RunsOutside(doc.pages[page], {page == 0 ? 10800.0 : 11160.0, 14760}, page + 1))
          ADD_FAILURE() << (shared ? "shared " : "standard ") << font.toStdString() << " " << outside;
    }
  }
}

TEST_F(WorksheetDocumentTest, PageFourColumnsChoicesAndBlanks) {
  sheet[Box::WS16af] = "$ 100";
  values[17] = 100;
  sheet[Box::WS16am] = "$ 40";
  values[16] = 40;
  sheet[Box::WS19f] = "$ 700";
  sheet[Box::WS20m] = "$ 650";
  sheet.WSDev = true;
  sheet.WSNoDev = false;
  sheet.WSOpPet = false;
  sheet.WSOpRes = false;
  const Page page = Draw(4, 4).pages[0];
  EXPECT_EQ(CellAt(page, kPage4Mark, 7444), "$ 100");  // the Petitioner's in column A
  EXPECT_EQ(CellAt(page, kPage4Mark, 8740), "$ 40");
  EXPECT_EQ(CellAt(page, " 19. Total Child Support Owed from Petitioner to Respondent ", 7444),
            "$ 700");
  EXPECT_EQ(CellAt(page, " 20. Total Child Support Owed from Respondent to Petitioner", 8740),
            "$ 650");
  const TextRun* mark = Find(page, "    X ");
  ASSERT_TRUE(mark);
  EXPECT_DOUBLE_EQ(mark->position.x(), 1000);
  EXPECT_EQ(LineOf(page, mark)[1]->text, "a. Deviation from the guidelines amount is requested.");
  EXPECT_FALSE(Find(page, "    X ", 1));
  EXPECT_TRUE(Find(page, "  ( ) Petitioner"));
  EXPECT_TRUE(Find(page, " (  ) Respondent"));
  EXPECT_TRUE(Find(page, QString(26, ' '), 1));  // city and state
  EXPECT_TRUE(Find(page, QString(30, ' '), 1));  // zip code and telephone
  EXPECT_DOUBLE_EQ(Find(page, " [Add line 13A+18A]")->position.x(), 1540);
}

// A shared-custody case from the Express screen through the calculation to PDF.
struct SharedCase : ExpressChecks, IncomeWindowsLink, ChildSupportDriver {
  bool SharedOption() const override { return true; }
};

TEST_F(WorksheetDocumentTest, SharedCustodyWorksheetSavedAsPdf) {
  casevars::CaseVars vars;
  vars.Income.Claim.YrGrossIncome = 72000;
  vars.Income.Payer.YrGrossIncome = 48000;
  vars.Support.Claim.MoNetIncome = 4600;
  vars.Support.Payer.MoNetIncome = 3100;
  vars.Express.Claim.MoDayCare = 400;
  vars.Express.Payer.MoChildHealthIns = 150;
  vars.Express.NumMinorChildren = 2;
  vars.Express.Claim.YrOvernights = 146;
  vars.Express.Payer.YrOvernights = 219;
  SharedCase express;
  sheet[Box::WSCourt] = "NINTH";
  sheet[Box::WSPet] = "Jane Roe";
  sheet[Box::WSRes] = "John Roe";
  ASSERT_TRUE(GetDataFrom(sheet, vars, {express, express, express}));
  QString interp;
  ASSERT_TRUE(CalculateWS(sheet, values, interp, {true, "Closest"}).completed);
  sheet[Box::WS1f] = "$ 4,600.00";  // retyped by hand after the calculation: prints as shown

  const platform::Document doc = BuildWorksheetDocument(sheet, values, true, settings);
  ASSERT_EQ(doc.pageCount(), 4);
  const QString path = testenv::scratchFolder() + "/worksheet.pdf";
  ASSERT_TRUE(platform::SaveDocumentAsPdf(doc, path).error.isEmpty());
  const auto pages = testenv::PdfPageTexts(path);
  if (!pages) GTEST_SKIP() << "pdftotext is not installed";
  ASSERT_EQ(pages->size(), 4);
  for (const QString& page : *pages)
    EXPECT_TRUE(page.simplified().contains(kWorksheetFooter.simplified())) << page.toStdString();
  EXPECT_TRUE(pages->at(0).contains(kNoticeTitle));
  EXPECT_TRUE(pages->at(0).contains("NINTH"));
  EXPECT_TRUE(pages->at(1).contains("Jane Roe"));
  for (Box b : {Box::WS0f, Box::WS0m, Box::WS0t, Box::WS1t, Box::WS2t, Box::WS3f})
    EXPECT_TRUE(pages->at(1).contains(sheet[b])) << sheet[b].toStdString();
  EXPECT_TRUE(pages->at(1).contains("$ 4,600 "));  // an entry prints its amount in whole dollars
  for (Box b :
       {Box::WS10t, Box::WS11f, Box::WS12f, Box::WS12m, Box::WS13m, Box::WS14at, Box::WS15f})
    EXPECT_TRUE(pages->at(2).contains(sheet[b])) << sheet[b].toStdString();
  EXPECT_TRUE(pages->at(2).contains("146"));
  EXPECT_TRUE(pages->at(2).contains("219"));
  const Box payer = sheet[Box::WS21f].isEmpty() ? Box::WS21m : Box::WS21f;
  for (Box b : {Box::WS16af, Box::WS19f, Box::WS20m, payer})
    EXPECT_TRUE(pages->at(3).contains(sheet[b])) << sheet[b].toStdString();
}

}  // namespace
