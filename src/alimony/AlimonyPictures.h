#pragma once

#include <QString>

#include "alimony/AlimonyRun.h"
#include "alimony/CaseScore.h"
#include "results/TextCanvas.h"

// The result text of the alimony result window (Form3): what the case score,
// an alimony calculation and a present value write into its pictures, shown
// or not.
namespace alimony {

// Form3's result pictures and party frame captions, at their design sizes
// (twips) in Tahoma bold. The window fitting scales their sizes and fonts; a
// window draws them as they stand.
struct AlimonyPictures {
  AlimonyPictures();

  results::TextCanvas Picture1;   // the case strength sentence
  results::TextCanvas Picture3;   // the award sentence and the cap note
  results::TextCanvas Picture4;   // the term recommendations
  results::TextCanvas Picture5;   // the claimant's income table
  results::TextCanvas Picture6;   // the other party's income table
  results::TextCanvas Picture7;   // the case data
  results::TextCanvas Picture8;   // the present value
  results::TextCanvas Picture9;   // the tax-treatment note
  results::TextCanvas Picture10;  // kept clear
  QString Frame1Caption = QStringLiteral("Claimant");
  QString Frame2Caption = QStringLiteral("Other Party");
};

// Clears `picture` when asked and prints `text` from the pen, one line for
// each line of the text (a CR LF inside it starts a new line).
void PrintPictureText(results::TextCanvas& picture, const QString& text, bool clearFirst = true);

// The case score's sentence: Picture1 cleared, the sentence printed.
void DrawCaseScore(AlimonyPictures& pictures, const CaseScoreResult& score);

// A finished calculation: the case strength and the tax-treatment note where
// the calculation gave them, the result display (terms, award, case data,
// both income tables ending 200 x scaleFactorX twips inside their pictures,
// the frame captions) and Picture10 cleared.
void DrawAlimonyOutcome(AlimonyPictures& pictures, const AlimonyOutcome& outcome, double scaleFactorX);

}  // namespace alimony
