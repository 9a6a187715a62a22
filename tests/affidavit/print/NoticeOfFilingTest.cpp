// The notice of filing with its certificate of service.
#include "ClosingFixture.h"

namespace closingtest {
namespace {

class NoticeOfFilingTest : public ClosingFixture {
 public:
  static QString PageText(const Page& page) {
    QString text;
    for (const TextRun* r : page.textRuns()) text += r->text + "|";
    return text;
  }
};

TEST_F(NoticeOfFilingTest, AmendedChangesThreeWordingsTogether) {
  for (int amended : {0, 1, 2}) {
    SetValue("Form12", "FaAmended", affidavit::kSingle, amended);
    const Page page = DrawNotice(kLongForm).pages[0];
    const bool on = amended == 1;
    EXPECT_EQ(bool(Find(page, "NOTICE OF FILING AMENDED FAMILY LAW FINANCIAL AFFIDAVIT")), on);
    EXPECT_EQ(bool(Find(page, "NOTICE OF FILING FAMILY LAW FINANCIAL AFFIDAVIT")), !on);
    EXPECT_EQ(
        bool(Find(page, " Amended Family Law Financial Affidavit attached and labeled Exhibit 1.")),
        on);
    EXPECT_EQ(bool(Find(page, " Family Law Financial Affidavit attached and labeled Exhibit 1.")),
              !on);
    EXPECT_EQ(bool(Find(page, " I certify that a copy of this Notice of Filing with the Amended "
                              "Financial Affidavit was")),
              on);
    EXPECT_EQ(bool(Find(page, " I certify that a copy of this Notice of Filing with the Financial "
                              "Affidavit was")),
              !on);
  }
  EXPECT_EQ(resets, 3);  // the printer's style is reset each time
}

TEST_F(NoticeOfFilingTest, ServiceMarksFromTheSecondSet) {
  struct Case {
    std::vector<const char*> ticked;
    QString marks;
    bool servedLine;
  } cases[] = {
      {{}, " [check all used]:   ( ) e-mailed  ( ) mailed    ( ) hand delivered ", false},
      {{"S5opFaxed"}, " [check all used]:   ( ) e-mailed  ( ) mailed    ( ) hand delivered ", false},
      {{"S5opEmail", "S5opMailed", "S5opHand", "S5opServed"},
       " [check all used]:   (X) e-mailed  (X) mailed    (X) hand delivered ", true},
  };
  for (const Case& c : cases) {
    for (const char* box : {"S5opEmail", "S5opMailed", "S5opFaxed", "S5opHand", "S5opServed"}) {
      SetValue("Form122", box, 1, 0);
      SetValue("Form122", box, 0, 1);  // the affidavit's own set: not read here
    }
    for (const char* box : c.ticked) SetValue("Form122", box, 1, 1);
    const Page page = DrawNotice(kLongForm).pages[0];
    const TextRun* marks = Find(page, " [check all used]:  ");
    ASSERT_TRUE(marks);
    EXPECT_EQ(LineText(page, marks), c.marks);
    const TextRun* served =
        Find(page, " (X) served together with the Summons and Petition in this action ");
    EXPECT_EQ(bool(served), c.servedLine);
    // Without the served line everything below moves up one line.
    const double advance = Advance(10, 100);
    const TextRun* to = Find(page, " to the person(s) listed below on ");
    EXPECT_NEAR(to->position.y() - marks->position.y(), (c.servedLine ? 2 : 1) * advance, 0.01);
  }
}

TEST_F(NoticeOfFilingTest, ReadsThePagesOfTheFormItFollows) {
  for (const char* page : {"Form12", "Form121"}) {
    SetText(page, "S0T", 1, QString(page) + " circuit");
    SetText(page, "S0T", 3, QString(page) + " case");
  }
  for (const char* page : {"Form122", "Form123"}) {
    SetText(page, "S5T", 5, QString(page) + " filer");
    SetText(page, "S5T", 1, QString(page) + " other");
    SetText(page, "S5T", 26, QString(page) + " bar");
    SetText(page, "S5T", 28, QString(page) + " telephone");  // not on the notice
  }
  SetValue("Form12", "FaAmended", affidavit::kSingle, 1);
  const QString longText = PageText(DrawNotice(kLongForm).pages[0]);
  const QString shortText = PageText(DrawNotice(kShortForm).pages[0]);
  for (const char* what : {" circuit|", " case|"}) {
    EXPECT_TRUE(longText.contains(QString("Form12") + what));
    EXPECT_TRUE(shortText.contains(QString("Form121") + what));
    EXPECT_FALSE(shortText.contains(QString("|Form12") + what));
  }
  for (const char* what : {" filer|", " other|", " bar|"}) {
    EXPECT_TRUE(longText.contains(QString("Form122") + what));
    EXPECT_TRUE(shortText.contains(QString("Form123") + what));
    EXPECT_FALSE(shortText.contains(QString("Form122") + what));
  }
  EXPECT_FALSE(longText.contains("telephone"));
  EXPECT_TRUE(longText.contains("AMENDED"));
  EXPECT_FALSE(shortText.contains("AMENDED"));
}

TEST_F(NoticeOfFilingTest, TopMargins) {
  for (auto [stored, top] : {std::pair{"OneHalf", 720.0}, std::pair{"One", 1440.0},
                             std::pair{"OneOneHalf", 2160.0}, std::pair{"", 1440.0},
                             std::pair{"onehalf", 1440.0}}) {
    margin = stored;
    const Page page = DrawNotice(kLongForm).pages[0];
    const TextRun* first = Find(page, "IN THE CIRCUIT COURT OF THE ");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->position, QPointF(2160, top)) << stored;
  }
}

TEST_F(NoticeOfFilingTest, CaptionCentringAndSize) {
  const QString longCircuit = "A circuit name far too long for the room it has before the words";
  SetText("Form12", "S0T", 1, longCircuit);
  SetText("Form12", "S0T", 2, "ORANGE");
  SetText("Form122", "S5T", 5, "Jane Roe");
  font.FDFontSize = 12;  // no effect on the notice
  const Page page = DrawNotice(kLongForm).pages[0];
  // The words after a long name still start at 8640, over its end.
  const TextRun* circuit = Find(page, longCircuit);
  ASSERT_TRUE(circuit);
  EXPECT_GT(circuit->rect().right(), 8640);
  EXPECT_DOUBLE_EQ(Find(page, "JUDICIAL CIRCUIT,")->position.x(), 8640);
  const TextRun* county = Find(page, "ORANGE");
  EXPECT_EQ(Rules(page, county->position.x(), 8640, 4).size(), 1u);
  // Title and certificate heading centred on the sheet, measured in bold.
  for (const QString title :
       {"NOTICE OF FILING FAMILY LAW FINANCIAL AFFIDAVIT", "CERTIFICATE OF SERVICE"}) {
    const TextRun* r = Find(page, title);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->font.bold);
    EXPECT_NEAR(r->position.x(), (12240 - Width(title, 10, true)) / 2, 0.01);
  }
  for (const TextRun* r : page.textRuns()) EXPECT_DOUBLE_EQ(r->font.size, 10);
  // The filing party's name underlined in the notice line, without a rule.
  const TextRun* name = Find(page, "Jane Roe");
  ASSERT_TRUE(name);
  EXPECT_TRUE(name->font.underline);
  EXPECT_EQ(LineText(page, name), "PLEASE TAKE NOTICE, that  {name}  Jane Roe,  is filing his/her");
  EXPECT_TRUE(Find(page, " {name}  ")->font.italic);
}

TEST_F(NoticeOfFilingTest, EmptyFieldsKeepTheirBlanks) {
  const Page page = DrawNotice(kLongForm).pages[0];
  EXPECT_EQ(LineText(page, Find(page, "PLEASE TAKE NOTICE, that ")),
            "PLEASE TAKE NOTICE, that  {name}  ,  is filing his/her");
  auto labelEnd = [](double x, const char* label, bool italic = false) {
    return x + Width(label, 10, false, italic);
  };
  struct Blank {
    double from;
    double to;
  } blanks[] = {
      {labelEnd(2160, "IN THE CIRCUIT COURT OF THE "), 8640},
      {labelEnd(2880, "IN AND FOR "), 8640},
      {labelEnd(6480, "Case No.: "), 10800},
      {labelEnd(6480, "Division: "), 10800},
      {labelEnd(1440, " {date}  ", true), labelEnd(1440, " {date}  ", true) + 2880},
      {labelEnd(1440, " Name:  "), 7200},
      {labelEnd(1440, " E-mail Address(es):  "), 7200},
      {3600, 10800},
      {labelEnd(3600, " Dadudav Bar Number:  "), 10800},
  };
  for (const Blank& b : blanks) EXPECT_EQ(Rules(page, b.from, b.to, 4).size(), 1u) << b.from;
  EXPECT_EQ(Rules(page, 1440, 6480, 4).size(), 2u);  // the parties' names
  // 42 line ends and two half lines below the top margin: the lowest rule.
  const std::vector<double> bar = Rules(page, labelEnd(3600, " Dadudav Bar Number:  "), 10800, 4);
  EXPECT_NEAR(bar[0], 1440 + 42 * Advance(10, 100) + H(10), 0.01);
}

}  // namespace
}  // namespace closingtest
