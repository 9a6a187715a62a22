#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "case/CaseVars.h"

// The result display of an alimony calculation as plain data: what the
// spousal maintenance result window (Form3) prints into its pictures, line by
// line, and a painter that lays such lines out on a drawing cursor.
namespace alimony {

// One printed line of a result picture.
struct PictureLine {
  enum class Place { None, AtTab, RightAligned };
  QString Label;    // from X 0
  QString Regular;  // right after the label, not bold (" (prorated)")
  QString Value;    // placed by `place`: at the tab, or ending at the right edge
  Place place = Place::None;

  bool operator==(const PictureLine&) const = default;
};

// The text whose width is the tab of the case data; it is never printed.
inline constexpr const char* kValueTabText = " Claimant's Exemptions";

struct AlimonyDisplay {
  QStringList Terms;                  // Picture4: the two term sentences
  QStringList Award;                  // Picture3: the award sentence and the cap note
  std::vector<PictureLine> CaseData;  // Picture7
  // Frame1 and Frame2 captions; empty: the captions are left as they are.
  QString ClaimFrameCaption;
  QString PayerFrameCaption;
  casevars::PartyPair<std::vector<PictureLine>> IncomeTables;  // Picture5, Picture6
};

// ShowAlimonyResults: the whole display from the case variables an alimony
// calculation left. Reads only.
AlimonyDisplay ShowAlimonyResults(const casevars::CaseVars& vars);

// The income table rows of a party as the display and the report share them:
// labels and values; a row whose Label, Value and Regular are all empty is an
// empty line kept so that the two tables stay level.
std::vector<PictureLine> IncomeTableRows(const casevars::CaseVars& vars, casevars::Party party);

// The award sentence of the recommended award and the case score; `noAward`
// when the recommended award is 0 or less.
QString AwardSentence(const casevars::AlimonyVars& alimony, const QString& noAward);

// The file status code shown for a filing status ("S", "HH", "MFJ", "MFS").
QString FilingCode(const QString& filingStatus);
// The caregiver line, empty for an unknown characterization.
QString CaregiverLine(std::int16_t characterization);

// Prints lines into a picture drawn on `picture` (bold, its font already set),
// from its top: the label from X 0, a regular-weight part after it, the value
// at `tab` or ending at `rightEdge`. A picture is a document's DrawingCursor
// or a result window's text canvas: both print, measure and move alike.
template <class Picture>
void DrawPictureLines(Picture& picture, const std::vector<PictureLine>& lines, double tab, double rightEdge) {
  for (const PictureLine& line : lines) {
    picture.SetCurrentX(0);
    picture.PrintText(line.Label);
    if (!line.Regular.isEmpty()) {
      picture.SetFontBold(false);
      picture.PrintText(line.Regular);
      picture.SetFontBold(true);
    }
    switch (line.place) {
      case PictureLine::Place::None: break;
      case PictureLine::Place::AtTab: picture.SetCurrentX(tab); break;
      case PictureLine::Place::RightAligned: picture.SetCurrentX(rightEdge - picture.TextWidth(line.Value)); break;
    }
    picture.PrintLine(line.Value);
  }
}

}  // namespace alimony
