#include <gtest/gtest.h>

#include "alimony/AlimonyPictures.h"
#include "platform/Fonts.h"

namespace {

using alimony::AlimonyOutcome;
using alimony::AlimonyPictures;
using alimony::PictureLine;
using alimony::PictureText;

// An outcome as a finished calculation hands it over, with one row in each
// income table.
AlimonyOutcome Outcome() {
  AlimonyOutcome o;
  o.Completed = true;
  o.Display.Terms = {" Alimony Should Run For 4.5 Years.", QString()};
  o.Display.Award = {" Recommended Alimony Is $4,661 Per Year  Or  $388 Per Month."};
  o.Display.CaseData = {{" Years Of Marriage", QString(), " =  15 ", PictureLine::Place::AtTab}};
  for (casevars::Party party : casevars::kParties)
    o.Display.IncomeTables[party] = {{" Gross Income", QString(), "$31,200", PictureLine::Place::RightAligned}};
  return o;
}

// The note line is printed below what it shows unless the calculation clears
// it; the strength sentence's CR LF starts a second line; captions stay when
// the display gives none.
TEST(AlimonyPictures, NotesStrengthAndCaptions) {
  platform::RegisterTahomaIfMissing();
  AlimonyPictures pictures;
  pictures.Picture9.PrintLine(QStringLiteral("Earlier note."));
  AlimonyOutcome o = Outcome();
  o.Picture9 = PictureText{false, {QStringLiteral("Calculation Shown Has Alimony Taxed To Payee.")}};
  o.Picture1 = PictureText{true, {QStringLiteral(" This Is An Unlikely Alimony Case,\r\n Award Is Minimal.")}};
  alimony::DrawAlimonyOutcome(pictures, o, 1);
  EXPECT_EQ(pictures.Picture9.Lines(),
            (QStringList{"Earlier note.", "Calculation Shown Has Alimony Taxed To Payee."}));
  EXPECT_EQ(pictures.Picture1.Lines(), (QStringList{" This Is An Unlikely Alimony Case,", " Award Is Minimal."}));
  EXPECT_EQ(pictures.Frame1Caption, "Claimant");
  EXPECT_EQ(pictures.Frame2Caption, "Other Party");

  o.Picture9->Cleared = true;
  o.Display.ClaimFrameCaption = QStringLiteral("Claimant (custodial)");
  alimony::DrawAlimonyOutcome(pictures, o, 1);
  EXPECT_EQ(pictures.Picture9.Lines(), QStringList{"Calculation Shown Has Alimony Taxed To Payee."});
  EXPECT_EQ(pictures.Frame1Caption, "Claimant (custodial)");
}

// The case data's values start at the tab; the amounts end 200 scaled twips
// inside their picture at the picture's fitted width.
TEST(AlimonyPictures, ValuesAtTheTabAndAtTheScaledRightEdge) {
  platform::RegisterTahomaIfMissing();
  AlimonyPictures pictures;
  pictures.Picture6.SetSize(3735 * 1.28, 2475 * 1.28);
  alimony::DrawAlimonyOutcome(pictures, Outcome(), 1.28);
  const results::TextCanvas& data = pictures.Picture7;
  ASSERT_EQ(data.Runs().size(), 2u);
  EXPECT_DOUBLE_EQ(data.Runs()[1].position.x(), data.TextWidth(QString::fromLatin1(alimony::kValueTabText)));
  for (const results::TextCanvas* table : {&pictures.Picture5, &pictures.Picture6}) {
    ASSERT_EQ(table->Runs().size(), 2u);
    const platform::TextRun& value = table->Runs()[1];
    EXPECT_NEAR(value.position.x() + table->TextWidth(value.text), table->Width() - 200 * 1.28, 0.01);
  }
  EXPECT_EQ(pictures.Picture4.Lines(), QStringList{" Alimony Should Run For 4.5 Years."});
}

}  // namespace
