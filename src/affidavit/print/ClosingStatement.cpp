// The closing page of both forms (long page 13, short page 5): the child
// support guidelines worksheet statement, the certificate of service, the
// oath and signature, and the block of a nonlawyer who helped.
#include <vector>

#include "affidavit/print/ClosingPainter.h"
#include "platform/document/DocumentPage.h"

namespace affidavit::closing {

namespace {

constexpr double kStatementX = kLeft + 1080;   // 2520
constexpr double kMarkBlankEnd = kStatementX - 100;  // 2420
constexpr double kSignatureX = kLeft + 3600;   // 5040
constexpr double kEntryBlankEnd = kLeft + 5040;  // 6480
constexpr double kDateBlank = 2880;

// A label followed by its entry, an S5T box.
struct Entry {
  const char* label;
  int box;
};

}  // namespace

void Painter::WorksheetStatement() {
  const bool longForm = form == kLongForm;
  vs.SetCurrentY(longForm && topMargin > 1800 ? 1440 : topMargin);

  vs.SetFontBold(true);
  At(kLeft, longForm ? QStringLiteral("E. CHILD SUPPORT GUIDELINES WORKSHEET ")
                     : QStringLiteral("SECTION IV. CHILD SUPPORT GUIDELINES WORKSHEET "));
  vs.SetFontBold(false);
  vs.PrintLine(QStringLiteral(" Dadudav Family Law Rules of Procedure Form"));
  EndAt(kLeft,
        QStringLiteral("12.902(e), Child Support Guidelines Worksheet, MUST be filed with the court "
                       "at or prior to a hearing to establish"));
  EndAt(kLeft,
        QStringLiteral(" or modify child support. This requirement cannot be waived by the parties."));
  if (!longForm) vs.PrintLine();
  At(kLeft, QStringLiteral(" [check "));
  Bold(QStringLiteral("one"));
  vs.PrintLine(QStringLiteral(" only]"));

  struct Statement {
    int option;
    const char* sentence;
    const char* continuation;
    const char* secondLine;
  };
  const Statement statements[] = {
      {1, " A Child Support Guidelines Worksheet IS or WILL BE filed in this case. ",
       " This case involves", "the establishment or modification of child support."},
      {2, " A Child Support Guidelines Worksheet IS NOT being filed in this case. ",
       " The establishment", "or modification of child support is not an issue in this case."},
  };
  for (const Statement& s : statements) {
    if (Chosen("S5op", s.option)) At(kLeft, QStringLiteral("    X "));
    vs.SetCurrentX(kStatementX);
    Bold(QString::fromLatin1(s.sentence));
    vs.PrintLine(QString::fromLatin1(s.continuation));
    Rule(kLeft, kMarkBlankEnd);
    EndAt(kStatementX, QString::fromLatin1(s.secondLine));
  }

  // The certificate: bold up to the date on the long form, plain on the short.
  if (longForm) {
    Gap(0.5);
    vs.SetFontBold(true);
  } else {
    vs.PrintLine();
  }
  At(kLeft, QStringLiteral(" I certify that a copy of this financial affidavit was "));
  if (longForm) {
    vs.PrintText(QStringLiteral("[check all used]:"));
  } else {
    Bold(QStringLiteral("[check all used]"));
    vs.PrintText(QStringLiteral(":"));
  }
  vs.PrintText(CertificateMark(Ticked("S5opEmail", 0), "e-mailed"));
  vs.PrintText(CertificateMark(Ticked("S5opMailed", 0), "mailed"));
  vs.PrintLine(QStringLiteral(" "));
  At(kLeft, CertificateMark(Ticked("S5opHand", 0), "hand delivered"));
  if (Ticked("S5opServed", 0)) {
    vs.PrintText(QStringLiteral(" (X) served together with the Summons and Petition in this action "));
    vs.PrintLine();
    vs.SetCurrentX(kLeft);
  }
  vs.PrintText(QStringLiteral(" to the person(s) listed below on "));
  vs.SetFontBold(false);
  Italic(QStringLiteral(" {date}  "));
  const double dateStart = vs.CurrentX();
  ValueOnBlank(Text("S5T", 10), dateStart + kDateBlank);
  vs.PrintLine();

  vs.SetCurrentX(kLeft);
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral(" Other party or his/her attorney:"));
  vs.SetFontBold(false);
  const Entry otherParty[] = {{" Name:  ", 1},
                              {" Address:  ", 2},
                              {" Address:  ", 18},
                              {" City, State, Zip:  ", 3},
                              {" Telephone Number:  ", 28},
                              {" E-mail Address(es):  ", 20}};
  for (const Entry& e : otherParty) {
    At(kLeft, QString::fromLatin1(e.label));
    ValueOnBlank(Text("S5T", e.box), kEntryBlankEnd);
  }

  if (!longForm) vs.PrintLine();
  Gap(0.5);
  vs.SetFontBold(true);
  vs.SetCurrentX(kLeft);
}

void Painter::OathAndNonlawyer() {
  const bool longForm = form == kLongForm;
  vs.PrintLine(QStringLiteral(
      "Under penalties of perjury, I declare that I have read this document and the facts stated "
      "in it are true."));
  vs.SetFontBold(false);
  vs.PrintLine();
  vs.PrintLine();
  At(kLeft, QStringLiteral(" Dated:  "));
  const double dateStart = vs.CurrentX();
  vs.PrintLine();
  Rule(dateStart, kSignatureX - 1000);
  Rule(kSignatureX, kRight);
  EndAt(kSignatureX, QStringLiteral(" Signature of Party"));
  const Entry party[] = {{" Printed Name:  ", 5},       {" Address:  ", 6},
                         {" Address:  ", 19},           {" City, State, Zip:  ", 7},
                         {" Telephone Number:  ", 27},  {" E-mail address(es):  ", 8}};
  for (const Entry& e : party) {
    At(kSignatureX, QString::fromLatin1(e.label));
    ValueOnBlank(Text("S5T", e.box), kRight);
  }

  for (int i = 0; i < (longForm ? 2 : 3); ++i) vs.PrintLine();
  Gap(0.5);
  if (!longForm) vs.PrintLine();
  vs.SetCurrentX(kLeft);
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral(
      " IF A NONLAWYER HELPED YOU FILL OUT THIS FORM, HE/SHE MUST FILL IN THE BLANKS BELOW:"));
  vs.SetFontBold(false);

  At(kLeft, QStringLiteral(" [fill in "));
  Bold(QStringLiteral("all"));
  vs.PrintText(QStringLiteral(" blanks] "));
  vs.PrintText(QStringLiteral("This form was prepared for the {choose only "));
  Bold(QStringLiteral("one"));
  vs.PrintText(QStringLiteral("} "));
  vs.PrintText(Chosen("S5op", 6) ? QStringLiteral(" (X) Petitioner ")
                                 : QStringLiteral(" ( ) Petitioner"));
  vs.PrintLine(Chosen("S5op", 7) ? QStringLiteral(" (X) Respondent")
                                 : QStringLiteral(" ( ) Respondent"));
  EndAt(kLeft, QStringLiteral("This form was completed with the assistance of:"));

  const Entry nonlawyer[] = {
      {" {name of individual}  ", 11}, {" {name of business}  ", 16}, {" {address}  ", 12}};
  for (const Entry& e : nonlawyer) {
    vs.SetCurrentX(kLeft);
    Italic(QString::fromLatin1(e.label));
    ValueOnBlank(Text("S5T", e.box), kRight);
  }

  // City, state, zip code and telephone: underlined values on one line that is
  // left open. An empty box prints an underlined blank of spaces; the box
  // itself stays empty.
  struct Blank {
    const char* label;
    int box;
    int spaces;
  };
  const Blank blanks[] = {{" {city}  ", 13, 14},
                          {" {state}  ", 14, 10},
                          {" {zip code}  ", 29, 10},
                          {", {telephone number}  ", 15, 10}};
  // A label stays with its blank; one that would pass the right edge starts
  // the next line.
  std::vector<platform::TextPiece> pieces;
  for (const Blank& b : blanks) {
    const QString text = Text("S5T", b.box);
    pieces.push_back({QString::fromLatin1(b.label), false, false, true, true, true});
    pieces.push_back({text.isEmpty() ? QString(b.spaces, u' ') : text, false, true, true});
  }
  vs.SetCurrentX(kLeft);
  platform::PrintWrapped(vs, pieces, kLeft, kRight, false);
}

}  // namespace affidavit::closing
