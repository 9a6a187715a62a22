#include "alimony/AlimonyPictures.h"

#include <QStringList>

namespace alimony {

using casevars::Party;

namespace {

platform::FontSpec Bold(double points) {
  platform::FontSpec font;
  font.name = QStringLiteral("Tahoma");
  font.size = points;
  font.bold = true;
  return font;
}

void PrintLines(results::TextCanvas& picture, const QStringList& lines) {
  picture.Cls();
  for (const QString& line : lines) picture.PrintLine(line);
}

}  // namespace

AlimonyPictures::AlimonyPictures()
    : Picture1(7815, 495, Bold(9)),
      Picture3(7815, 585, Bold(9)),
      Picture4(7815, 525, Bold(9)),
      Picture5(3735, 2475, Bold(9)),
      Picture6(3735, 2475, Bold(9)),
      Picture7(2955, 3405, Bold(8.25)),
      Picture8(1815, 345, Bold(9.75)),
      Picture9(8340, 285, Bold(8.25)),
      Picture10(2895, 675, Bold(8.25)) {}

void PrintPictureText(results::TextCanvas& picture, const QString& text, bool clearFirst) {
  if (clearFirst) picture.Cls();
  for (const QString& line : text.split(QStringLiteral("\r\n"))) picture.PrintLine(line);
}

void DrawCaseScore(AlimonyPictures& pictures, const CaseScoreResult& score) {
  PrintPictureText(pictures.Picture1, score.StrengthText);
}

void DrawAlimonyOutcome(AlimonyPictures& pictures, const AlimonyOutcome& outcome, double scaleFactorX) {
  for (auto [given, picture] : {std::pair{&outcome.Picture1, &pictures.Picture1}, {&outcome.Picture9, &pictures.Picture9}})
    if (*given) PrintPictureText(*picture, (*given)->Lines.join(QStringLiteral("\r\n")), (*given)->Cleared);

  const AlimonyDisplay& d = outcome.Display;
  PrintLines(pictures.Picture4, d.Terms);
  PrintLines(pictures.Picture3, d.Award);

  pictures.Picture7.Cls();
  const double tab = pictures.Picture7.TextWidth(QString::fromLatin1(kValueTabText));
  DrawPictureLines(pictures.Picture7, d.CaseData, tab, 0);

  if (!d.ClaimFrameCaption.isEmpty()) pictures.Frame1Caption = d.ClaimFrameCaption;
  if (!d.PayerFrameCaption.isEmpty()) pictures.Frame2Caption = d.PayerFrameCaption;

  for (auto [party, picture] : {std::pair{Party::Claim, &pictures.Picture5}, {Party::Payer, &pictures.Picture6}}) {
    picture->Cls();
    const double rightEdge = picture->Width() - 200 * scaleFactorX;
    DrawPictureLines(*picture, d.IncomeTables[party], 0, rightEdge);
  }
  pictures.Picture10.Cls();
}

}  // namespace alimony
