#include <gtest/gtest.h>

#include <QStringList>

#include "express/ParentingTimeReport.h"
#include "platform/document/DrawingCursor.h"
#include "platform/Fonts.h"
#include "support/TextBounds.h"

using namespace express;

namespace {

// The text lines of the report's page: the runs that share a baseline, joined by "|".
QStringList Lines(const platform::Document& doc) {
  QStringList lines;
  double y = -1;
  for (const platform::TextRun* run : doc.pages.front().textRuns()) {
    if (lines.isEmpty() || std::abs(run->position.y() - y) > 1) {
      lines << run->text;
      y = run->position.y();
    } else {
      lines.last() += "|" + run->text;
    }
  }
  return lines;
}

const platform::BoxItem* Frame(const platform::Document& doc) {
  for (const auto& item : doc.pages.front().items)
    if (const auto* box = std::get_if<platform::BoxItem>(&item)) return box;
  return nullptr;
}

}  // namespace

TEST(ParentingTimeReport, LabelsByChildAndFamilySize) {
  const QStringList six = {ChildRowLabel(5, 6), ChildRowLabel(4, 6), ChildRowLabel(3, 6),
                           ChildRowLabel(2, 6), ChildRowLabel(1, 6), ChildRowLabel(0, 6)};
  EXPECT_EQ(six, (QStringList{"Oldest Child", "2nd Oldest Child", "3rd Oldest Child", "Middle Child",
                              "2nd Youngest Child", "Youngest Child"}));
  EXPECT_EQ(ChildRowLabel(5, 7), "Oldest Child(ren)");
  EXPECT_EQ(ChildRowLabel(0, 1), "Only Child");
  EXPECT_EQ(ChildRowLabel(1, 3), "Middle Child");
  EXPECT_EQ(ChildRowLabel(4, 5), "Oldest Child");
  EXPECT_EQ(FamilyLabel(1, 3), "1 Child");
  EXPECT_EQ(FamilyLabel(6, 6), "6 Children");
  EXPECT_EQ(FamilyLabel(6, 7), "6 or More Children");
  EXPECT_EQ(FrameLineDots(300), 5);
  EXPECT_EQ(FrameLineDots(600), 10);
  EXPECT_EQ(FrameLineDots(-3), 3);  // a quality code, not a resolution
  EXPECT_EQ(FrameLineDots(150), 3);
}

// Three children, tier values 200 and 165 nights: nights, averages and
// factors in their columns, the frame around the tables, the notes below.
TEST(ParentingTimeReport, ThreeChildrenWithHeaderRules) {
  casevars::ExpressVars ev;
  ev.NumMinorChildren = 3;
  ev.Claim.ChildNights = {200, 210, 190, 0, 0, 0, 200};
  ev.Payer.ChildNights = {165, 155, 175, 0, 0, 0, 165};
  ev.Claim.TierNights = {0, 200, 200, 200, 0, 0, 0};
  ev.Payer.TierNights = {0, 165, 165, 165, 0, 0, 0};
  ParentingTimeHeader header;
  header.caseName = " ";  // one space: no case name line
  header.preparerName = "A. Clerk";
  header.officeCheck = "No";
  header.today = QDate(2026, 3, 4);
  platform::DrawingCursor printer = platform::DrawingCursor::ForPrinter();
  PrintTime(printer, ev, header);
  const QStringList lines = Lines(printer.document());
  ASSERT_GE(lines.size(), 15);
  EXPECT_EQ(lines[0], "    Prepared By:  A. Clerk");
  EXPECT_TRUE(lines[1].startsWith("    Date:  "));
  const QStringList tables = lines.mid(2);
  const QStringList expected = {
      "Parenting Time|Claimant's Nights|Other Party's Nights",
      "(By Child)",
      "Oldest Child|190.0|175.0",
      "Middle Child|210.0|155.0",
      "Youngest Child|200.0|165.0",
      "Average Parenting Time|Claimant's Av. Nights|Other Party's Av. Nights",
      "(By Family Size)",
      "3 Children|200.0|165.0",
      "2 Children|200.0|165.0",
      "1 Child|200.0|165.0",
      "Shared Sum of Days Factor|Claimant's Factor|Other Party's Factor",
      "(By Family Size)",
      "3 Children|.548|.452",
      "2 Children|.548|.452",
      "1 Child|.548|.452",
      "Note: Claimant's Factor Equals: (Claimant's Av. Nights) Divided By (365 Nights)",
      "Note: Other Party's Factor Equals: (Other Party's Av. Nights) Divided By (365 Nights)"};
  EXPECT_EQ(tables, expected);
  const platform::BoxItem* frame = Frame(printer.document());
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(frame->filled);
  EXPECT_FALSE(printer.IsDocumentOpen());
}

// No minor children: titles, frame and notes, no rows; a case name prints.
TEST(ParentingTimeReport, NoChildrenPrintsTitlesOnly) {
  casevars::ExpressVars ev;
  ParentingTimeHeader header;
  header.caseName = "Smith v. Smith";
  header.nameCheck = header.officeCheck = header.dateCheck = "No";
  platform::DrawingCursor printer = platform::DrawingCursor::ForPrinter();
  PrintTime(printer, ev, header);
  const QStringList lines = Lines(printer.document());
  ASSERT_EQ(lines.size(), 9);
  EXPECT_EQ(lines[0], "Case Name:  Smith v. Smith");
  EXPECT_EQ(lines[3], "Average Parenting Time|Claimant's Av. Nights|Other Party's Av. Nights");
  EXPECT_NE(Frame(printer.document()), nullptr);
}

// Six children and more with a long case name and every header line: every
// text keeps inside the printable area and off the text beside it.
TEST(ParentingTimeReport, EveryTextKeepsInsideThePrintableArea) {
  platform::RegisterTahomaIfMissing();
  casevars::ExpressVars ev;
  ev.NumMinorChildren = 7;
  ev.Claim.ChildNights = {200.25f, 210.5f, 190.75f, 182.5f, 300, 365, 241.5f};
  ev.Payer.ChildNights = {164.75f, 154.5f, 174.25f, 182.5f, 65, 0, 123.5f};
  ev.Claim.TierNights = {0, 365, 300, 250.5f, 241.5f, 230.25f, 220.75f};
  ev.Payer.TierNights = {0, 0, 65, 114.5f, 123.5f, 134.75f, 144.25f};
  ParentingTimeHeader header;
  header.caseName = "In re the Marriage of Jane Quinn Roe-Alvarez and John Michael Roe";
  header.preparerName = "Jane Quinn Roe-Alvarez, Certified Family Law Mediator";
  header.preparerOffice = "Roe-Alvarez Family Law Mediation and Parenting Coordination Services";
  header.nameCheck = header.officeCheck = header.dateCheck = "Yes";
  header.today = QDate(2026, 12, 31);
  platform::DrawingCursor printer = platform::DrawingCursor::ForPrinter();
  PrintTime(printer, ev, header);
  const QMarginsF edges = printer.Setup().unprintable;
  for (const std::string& outside :
       testenv::RunsOutside(printer.document(), {platform::kLetterWidth - edges.right()}))
    ADD_FAILURE() << outside;
}
