// Long form page 1: the caption, the title, the oath, "SECTION I. INCOME"
// and items 1 to 3 (age, occupation, employment), all from Form12's fields.
#include "affidavit/print/LongFormLines.h"
#include "platform/document/DocumentPage.h"

namespace affidavit::longform {

namespace {

// The pay period marks of item 3: the first choice that applies.
QString WeeklyChoice(const Painter& p) {
  if (p.Chosen("S1Op", 1))
    return QStringLiteral("( X ) every week  (    ) every other week   (    ) twice a month");
  if (p.Chosen("S1Op", 2))
    return QStringLiteral("(   ) every week  (  X ) every other week   (    ) twice a month");
  if (p.Chosen("S1Op", 3))
    return QStringLiteral("(   ) every week  (    ) every other week   (  X ) twice a month");
  return QStringLiteral("(   ) every week  (    ) every other week   (    ) twice a month");
}

QString MonthlyChoice(const Painter& p) {
  if (p.Chosen("S1Op", 4)) return QStringLiteral("(  X ) monthly  (    ) other: ");
  if (p.Chosen("S1Op", 5)) return QStringLiteral("(    ) monthly  (  X ) other: ");
  return QStringLiteral("(    ) monthly  (    ) other: ");
}

// A label at x, the field's text after it ending the line, and the answer's
// underline from the label's end to `end`. A field longer than its blank is
// set smaller to fit it (as every field of the page).
void AnswerLine(Painter& p, double x, const QString& label, const QString& field, double end) {
  p.At(x, label);
  const double start = p.vs.CurrentX();
  platform::PrintFitted(p.vs, field, end);
  p.vs.PrintLine();
  p.Rule(start, end);
}

// The check blank: " X " in bold when ticked, else three blanks, underlined.
void CheckBlank(Painter& p, int box) {
  p.vs.SetFontUnderline(true);
  if (p.Chosen("S1Check", box)) {
    p.Bold(QStringLiteral(" X "));
  } else {
    p.vs.PrintText(QStringLiteral("   "));
  }
  p.vs.SetFontUnderline(false);
}

// A field on a full-width writing line at the indent.
void WritingLine(Painter& p, const QString& field) {
  p.vs.SetCurrentX(kIndent);
  platform::PrintFitted(p.vs, field, kRight);
  p.vs.PrintLine();
  p.Rule(kIndent, kRight);
}

// Text, a field after it, then `tail` at `tailX` ending the line; the field's
// underline runs from the text's end to `tailX`.
void CaptionLine(Painter& p, double x, const QString& text, const QString& field, double tailX,
                 const QString& tail) {
  p.At(x, text);
  const double start = p.vs.CurrentX();
  platform::PrintFitted(p.vs, field, tailX);
  p.EndAt(tailX, tail);
  p.Rule(start, tailX);
}

}  // namespace

void Painter::Page1() {
  PageTop();
  CaptionLine(*this, kIndent, QStringLiteral("IN THE CIRCUIT COURT OF THE "), Text("S0T", 1), 8640,
              QStringLiteral("JUDICIAL CIRCUIT,"));
  CaptionLine(*this, 2880, QStringLiteral("IN AND FOR "), Text("S0T", 2), 8640,
              QStringLiteral("COUNTY, DADUDAV"));
  vs.PrintLine();
  AnswerLine(*this, 6480, QStringLiteral("Case No.: "), Text("S0T", 3), kRight);
  AnswerLine(*this, 6480, QStringLiteral("Division: "), Text("S0T", 4), kRight);
  vs.SetCurrentX(kLeft);
  platform::PrintFitted(vs, Text("S0T", 5), 6480);
  vs.PrintLine();
  Rule(kLeft, 6480);
  EndAt(5040, QStringLiteral("Petitioner,"));
  EndAt(3240, QStringLiteral("and"));
  vs.PrintLine();
  vs.SetCurrentX(kLeft);
  platform::PrintFitted(vs, Text("S0T", 6), 6480);
  vs.PrintLine();
  Rule(kLeft, 6480);
  EndAt(5040, QStringLiteral("Respondent."));
  vs.PrintLine();

  const QString title = run.pages.Value({QStringLiteral("Form12"), QStringLiteral("FaAmended"),
                                         kSingle}) == 1
                            ? QStringLiteral("AMENDED - FAMILY LAW FINANCIAL AFFIDAVIT (LONG FORM)")
                            : QStringLiteral("FAMILY LAW FINANCIAL AFFIDAVIT (LONG FORM)");
  vs.SetFontBold(true);
  EndAt(platform::CentredX(vs, title), title);
  vs.SetFontBold(false);
  const QString income = QStringLiteral("($50,000 or more Individual Gross Annual Income)");
  EndAt(platform::CentredX(vs, income), income);
  vs.PrintLine();

  At(kIndent, QStringLiteral("I, "));
  vs.SetFontItalic(true);
  vs.PrintText(QStringLiteral(" {full legal name}  "));
  vs.SetFontItalic(false);
  const double name = vs.CurrentX();
  platform::PrintFitted(vs, Text("S0T", 7), 10080);
  EndAt(10080, QStringLiteral(", being  "));
  Rule(name, 10080);
  EndAt(kLeft, QStringLiteral("sworn, certify that the following information is true:"));
  vs.PrintLine();
  SectionHeading(QStringLiteral("SECTION I. INCOME"));
  vs.PrintLine();

  At(kLeft, QStringLiteral("1.   "));
  AnswerLine(*this, kIndent, QStringLiteral("My age is: "), Text("S1T", 1), 5760);
  HalfLineGap();
  At(kLeft, QStringLiteral("2.   "));
  AnswerLine(*this, kIndent, QStringLiteral("My occupation is: "), Text("S1T", 2), kRight);
  HalfLineGap();
  At(kLeft, QStringLiteral("3.   "));
  EndAt(kIndent, QStringLiteral("I am currently"));
  At(kLeft, QStringLiteral("[Check "));
  Bold(QStringLiteral("all"));
  vs.PrintLine(QStringLiteral(" that apply]"));
  HalfLineGap();

  At(kLeft, QStringLiteral("a.  "));
  CheckBlank(*this, 1);
  EndAt(kIndent, QStringLiteral("Unemployed"));
  EndAt(kIndent, QStringLiteral("Describe why you are unemployed, your efforts to find employment, "
                                "how soon you expect to be"));
  EndAt(kIndent, QStringLiteral("employed, the pay you expect to receive, and your highest gross "
                                "earned income in the past five years: "));
  WritingLine(*this, Text("S1T", 3));
  WritingLine(*this, Text("S1T", 4));
  HalfLineGap();
  vs.PrintLine();

  At(kLeft, QStringLiteral("b.  "));
  CheckBlank(*this, 2);
  AnswerLine(*this, kIndent, QStringLiteral("Employed by: "), Text("S1T", 5), kRight);
  QuarterLineGap();
  AnswerLine(*this, kIndent, QStringLiteral("Address: "), Text("S1T", 6), kRight);
  QuarterLineGap();
  AnswerLine(*this, kIndent, QStringLiteral("City, State, Zip Code: "), Text("S1T", 7), kRight);
  QuarterLineGap();
  AnswerLine(*this, kIndent, QStringLiteral("Telephone Number: "), Text("S1T", 8), kRight);
  QuarterLineGap();
  CaptionLine(*this, kIndent, QStringLiteral("Pay rate: "), Text("S1T", 9), 5040,
              WeeklyChoice(*this));
  AnswerLine(*this, kIndent, MonthlyChoice(*this), Text("S1T", 10), kRight);
  HalfLineGap();
  vs.PrintLine();

  EndAt(kIndent, QStringLiteral("If you are expecting to become unemployed or change jobs soon, "
                                "explain why, describe the "));
  EndAt(kIndent, QStringLiteral("change you expect, and explain why and how it will affect your "
                                "income:"));
  WritingLine(*this, Text("S1T", 11));
  WritingLine(*this, Text("S1T", 12));
  HalfLineGap();
  vs.PrintLine();

  vs.SetCurrentX(kIndent);
  CheckBlank(*this, 3);
  vs.PrintLine(QStringLiteral(" Check here if you currently have more than one job.  List the "
                              "information above for the second"));
  EndAt(kIndent, QStringLiteral("job(s) on a separate sheet and attach it to this affidavit."));
  HalfLineGap();
  vs.PrintLine();

  At(kLeft, QStringLiteral("c.  "));
  CheckBlank(*this, 4);
  AnswerLine(*this, kIndent, QStringLiteral("Retired.  Date of retirement: "), Text("S1T", 13),
             7200);
  QuarterLineGap();
  AnswerLine(*this, kIndent, QStringLiteral("Employer from whom retired: "), Text("S1T", 14),
             kRight);
  QuarterLineGap();
  AnswerLine(*this, kIndent, QStringLiteral("Address: "), Text("S1T", 15), kRight);
  QuarterLineGap();
  At(kIndent, QStringLiteral("City, State, Zip Code: "));
  const double city = vs.CurrentX();
  platform::PrintFitted(vs, Text("S1T", 16), 7560);
  At(7560, QStringLiteral("Telephone Number: "));
  const double phone = vs.CurrentX();
  platform::PrintFitted(vs, Text("S1T", 17), kRight);
  vs.PrintLine();
  Rule(city, 7560);
  Rule(phone, kRight);
  vs.PrintLine();
  vs.PrintLine();
}

}  // namespace affidavit::longform
