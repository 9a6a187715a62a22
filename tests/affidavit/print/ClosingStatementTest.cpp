// The closing page of both forms: worksheet statement, certificate of
// service, oath, party block and the nonlawyer block.
#include "ClosingFixture.h"

namespace closingtest {
namespace {

class ClosingStatementTest : public ClosingFixture {
 public:
  Page Closing(affidavit::AffidavitMode form) {
    const platform::Document doc = Draw(form, form == kLongForm ? 13 : 5, 13);
    return doc.pages[0];
  }
};

TEST_F(ClosingStatementTest, WorksheetStatementMarks) {
  for (int chosen : {0, 1, 2}) {
    SetValue("Form122", "S5op", 1, chosen == 1);
    SetValue("Form122", "S5op", 2, chosen == 2);
    const Page page = Closing(kLongForm);
    const TextRun* first =
        Find(page, " A Child Support Guidelines Worksheet IS or WILL BE filed in this case. ");
    const TextRun* second =
        Find(page, " A Child Support Guidelines Worksheet IS NOT being filed in this case. ");
    ASSERT_TRUE(first && second);
    EXPECT_DOUBLE_EQ(first->position.x(), 2520);
    EXPECT_TRUE(first->font.bold);
    EXPECT_EQ(LineText(page, first).startsWith("    X "), chosen == 1) << chosen;
    EXPECT_EQ(LineText(page, second).startsWith("    X "), chosen == 2) << chosen;
    // Both mark blanks are drawn whatever is chosen.
    EXPECT_EQ(Rules(page, 1440, 2420, 4).size(), 2u);
  }
}

TEST_F(ClosingStatementTest, CertificateLines) {
  struct Case {
    std::vector<const char*> ticked;
    QString firstLine;
    QString secondLine;  // up to and with " to the person(s) listed below on "
  } cases[] = {
      {{},
       " I certify that a copy of this financial affidavit was [check all used]: ( ) e-mailed  ( ) "
       "mailed  ",
       " ( ) hand delivered  to the person(s) listed below on "},
      {{"S5opEmail", "S5opHand", "S5opFaxed"},
       " I certify that a copy of this financial affidavit was [check all used]: (X) e-mailed  ( ) "
       "mailed  ",
       " (X) hand delivered  to the person(s) listed below on "},
      {{"S5opMailed", "S5opServed"},
       " I certify that a copy of this financial affidavit was [check all used]: ( ) e-mailed  (X) "
       "mailed  ",
       " ( ) hand delivered  (X) served together with the Summons and Petition in this action "},
  };
  for (const Case& c : cases) {
    for (auto form : {kLongForm, kShortForm}) {
      for (const char* box : {"S5opEmail", "S5opMailed", "S5opFaxed", "S5opHand", "S5opServed"})
        SetValue(SecondPage(form), box, 0, 0);
      for (const char* box : c.ticked) SetValue(SecondPage(form), box, 0, 1);
      SetValue(SecondPage(form), "S5opEmail", 1, 1);  // the notice's own set: not read here
      const Page page = Closing(form);
      const TextRun* first = Find(page, " I certify that a copy of this financial affidavit was ");
      ASSERT_TRUE(first);
      EXPECT_EQ(LineText(page, first), c.firstLine);
      const TextRun* hand = Find(page, c.secondLine.left(20));
      ASSERT_TRUE(hand);
      EXPECT_TRUE(LineText(page, hand).startsWith(c.secondLine)) << LineText(page, hand).toStdString();
      const TextRun* to = Find(page, " to the person(s) listed below on ");
      const bool served = c.secondLine.contains("served");
      EXPECT_EQ(to->position.x() == 1440, served);  // a line of its own after "served"
      // Long form: bold up to the date; short form: only "[check all used]".
      EXPECT_EQ(first->font.bold, form == kLongForm);
      EXPECT_EQ(to->font.bold, form == kLongForm);
      EXPECT_TRUE(Find(page, form == kLongForm ? "[check all used]:" : "[check all used]")->font.bold);
      EXPECT_TRUE(Find(page, " {date}  ")->font.italic);
      EXPECT_FALSE(Find(page, " {date}  ")->font.bold);
    }
  }
}

TEST_F(ClosingStatementTest, EntriesOnTheirBlanks) {
  SetText("Form122", "S5T", 10, "May 1, 2026");
  SetText("Form122", "S5T", 1, "John Roe");
  const Page page = Closing(kLongForm);
  // The date blank runs 2880 from where the date begins.
  const TextRun* date = Find(page, "May 1, 2026");
  ASSERT_TRUE(date);
  const double dateStart = date->position.x();
  EXPECT_EQ(Rules(page, dateStart, dateStart + 2880, 4).size(), 1u);
  // Each other-party entry has a blank from the end of its label to 6480, empty or not.
  const double nameStart = 1440 + Width(" Name:  ", 9);
  EXPECT_NEAR(Find(page, "John Roe")->position.x(), nameStart, 0.01);
  EXPECT_EQ(Rules(page, nameStart, 6480, 4).size(), 1u);
  EXPECT_EQ(Rules(page, 1440 + Width(" E-mail Address(es):  ", 9), 6480, 4).size(), 1u);
  // The party's own lines at 5040, blanks to the right edge.
  const TextRun* printed = Find(page, " Printed Name:  ");
  ASSERT_TRUE(printed);
  EXPECT_DOUBLE_EQ(printed->position.x(), 5040);
  EXPECT_EQ(Rules(page, 5040 + Width(" Printed Name:  ", 9), 10800, 4).size(), 1u);
  // Dated and the signature rule.
  EXPECT_EQ(Rules(page, 1440 + Width(" Dated:  ", 9), 4040, 4).size(), 1u);
  EXPECT_EQ(Rules(page, 5040, 10800, 4).size(), 1u);
}

TEST_F(ClosingStatementTest, LongAndShortFormDifferences) {
  const Page longPage = Closing(kLongForm);
  const Page shortPage = Closing(kShortForm);
  EXPECT_TRUE(Find(longPage, "E. CHILD SUPPORT GUIDELINES WORKSHEET "));
  EXPECT_TRUE(Find(shortPage, "SECTION IV. CHILD SUPPORT GUIDELINES WORKSHEET "));
  // Lines from the heading to " [check ": the short form has one empty line more.
  auto linesBetween = [](const Page& page, const QString& a, const QString& b, double advance,
                         double extra = 0) {
    return (Find(page, b)->position.y() - Find(page, a)->position.y() - extra) / advance;
  };
  const double longAdvance = Advance(9, 125);
  const double shortAdvance = Advance(9, 100);
  const double h = H(9);
  EXPECT_NEAR(linesBetween(longPage, " Dadudav Family Law Rules of Procedure Form", " [check ",
                           longAdvance),
              3, 1e-6);
  EXPECT_NEAR(linesBetween(shortPage, " Dadudav Family Law Rules of Procedure Form", " [check ",
                           shortAdvance),
              4, 1e-6);
  // From the e-mail line of the other party to the oath, and from the party's
  // e-mail line to the nonlawyer heading.
  const QString oath =
      "Under penalties of perjury, I declare that I have read this document and the facts stated in "
      "it are true.";
  EXPECT_NEAR(linesBetween(longPage, " E-mail Address(es):  ", oath, longAdvance, h / 2), 1, 1e-6);
  EXPECT_NEAR(linesBetween(shortPage, " E-mail Address(es):  ", oath, shortAdvance, h / 2), 2,
              1e-6);
  const QString heading =
      " IF A NONLAWYER HELPED YOU FILL OUT THIS FORM, HE/SHE MUST FILL IN THE BLANKS BELOW:";
  EXPECT_NEAR(linesBetween(longPage, " E-mail address(es):  ", heading, longAdvance, h / 2), 3,
              1e-6);
  EXPECT_NEAR(linesBetween(shortPage, " E-mail address(es):  ", heading, shortAdvance, h / 2), 5,
              1e-6);
  EXPECT_TRUE(Find(longPage, oath)->font.bold);
  EXPECT_TRUE(Find(shortPage, oath)->font.bold);
}

TEST_F(ClosingStatementTest, PreparedForChoice) {
  struct Case {
    int option;
    QString marks;
  } cases[] = {{0, " ( ) Petitioner ( ) Respondent"},
               {6, " (X) Petitioner  ( ) Respondent"},
               {7, " ( ) Petitioner (X) Respondent"}};
  for (const Case& c : cases) {
    SetValue("Form123", "S5op", 6, c.option == 6);
    SetValue("Form123", "S5op", 7, c.option == 7);
    const Page page = Closing(kShortForm);
    const TextRun* start = Find(page, " [fill in ");
    ASSERT_TRUE(start);
    EXPECT_EQ(LineText(page, start),
              " [fill in all blanks] This form was prepared for the {choose only one} " + c.marks);
    for (const TextRun* r : LineOf(page, start))
      EXPECT_EQ(r->font.bold, r->text == "all" || r->text == "one") << r->text.toStdString();
  }
}

TEST_F(ClosingStatementTest, NonlawyerBlanksPrintSpacesAndLeaveTheBoxesEmpty) {
  for (auto form : {kLongForm, kShortForm}) {
    SetText(SecondPage(form), "S5T", 14, "FL");
    SetText(SecondPage(form), "S5T", 29, " ");  // one space is not empty
    SetText(SecondPage(form), "S5T", 11, "Pat Helper");
    const int writes = pages.Writes;
    for (int run = 0; run < 2; ++run) {  // a second print prints the same
      const Page page = Closing(form);
      const TextRun* city = Find(page, " {city}  ");
      ASSERT_TRUE(city);
      EXPECT_TRUE(city->font.italic);
      std::vector<QString> underlined;
      for (const TextRun* r : LineOf(page, city)) {
        if (r->font.underline) underlined.push_back(r->text);
        EXPECT_FALSE(r->font.underline && r->font.italic);
      }
      EXPECT_EQ(underlined, (std::vector<QString>{QString(14, ' '), "FL", " ", QString(10, ' ')}));
      EXPECT_EQ(LineText(page, city),
                " {city}  " + QString(14, ' ') + " {state}  FL {zip code}   , {telephone number}  " +
                    QString(10, ' '));
      const TextRun* helper = Find(page, "Pat Helper");
      ASSERT_TRUE(helper);
      EXPECT_FALSE(helper->font.italic);
      EXPECT_TRUE(Find(page, " {name of individual}  ")->font.italic);
    }
    EXPECT_EQ(pages.Writes, writes);  // nothing written to the pages
    EXPECT_EQ(pages.Text({SecondPage(form), "S5T", 13}), "");
    EXPECT_EQ(pages.Text({SecondPage(form), "S5T", 15}), "");
  }
}

// Long entries on the nonlawyer's last line: a label that would pass the
// right edge starts the next line with its entry, and nothing passes the edge.
TEST_F(ClosingStatementTest, NonlawyerLastLineBreaksBeforeTheRightEdge) {
  for (auto form : {kLongForm, kShortForm}) {
    SetText(SecondPage(form), "S5T", 13, "Port Saint Lucie Gardens");
    SetText(SecondPage(form), "S5T", 14, "Dadudav");
    SetText(SecondPage(form), "S5T", 29, "34952-1234");
    SetText(SecondPage(form), "S5T", 15, "(772) 555-0100 extension 42");
    const Page page = Closing(form);
    const TextRun* city = Find(page, " {city}  ");
    const TextRun* zip = Find(page, " {zip code}  ");
    const TextRun* phone = Find(page, ", {telephone number}  ");
    ASSERT_TRUE(city && zip && phone);
    for (const TextRun* label : {city, zip, phone}) {
      const auto line = LineOf(page, label);
      const auto at = std::find(line.begin(), line.end(), label);
      ASSERT_TRUE(at + 1 != line.end()) << label->text.toStdString();  // its entry after it
      EXPECT_TRUE((*(at + 1))->font.underline) << label->text.toStdString();
      for (const TextRun* r : line) EXPECT_LE(r->rect().right(), 10800.5) << r->text.toStdString();
    }
    EXPECT_GT(phone->position.y(), city->position.y());
    EXPECT_DOUBLE_EQ(LineOf(page, phone).front()->position.x(), 1440);
  }
}

}  // namespace
}  // namespace closingtest
