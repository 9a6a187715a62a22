// Top of page 1 of the short-form affidavit: the court caption, the title,
// the affiant, the employment lines, the pay rate and the unemployed check.
#include <utility>

#include "affidavit/print/ShortFormPainter.h"
#include "platform/document/DocumentPage.h"

namespace affidavit::shortform {

namespace {

constexpr double kCountyX = kIndent + 720;    // 2880
constexpr double kAndX = kLeftMargin + 1800;  // 3240
constexpr double kPartyX = 1440 * 3.5;        // 5040
constexpr double kCaseX = 1440 * 4.5;         // 6480
constexpr double kCaptionTailX = 8640;        // "JUDICIAL CIRCUIT," and "COUNTY, DADUDAV"
constexpr double kAffiantEnd = 10080;         // ", being  "

// The first pay-period line marks every week, every other week or twice a
// month (S1Op 1 to 3); the second monthly or other (S1Op 4 and 5).
QString FirstPayPeriodText(const ShortFormPainter& p) {
  if (p.Chosen("S1Op", 1))
    return QStringLiteral(" ( X ) every week  (    ) every other week   (    ) twice a month");
  if (p.Chosen("S1Op", 2))
    return QStringLiteral(" (   ) every week  (  X ) every other week   (    ) twice a month");
  if (p.Chosen("S1Op", 3))
    return QStringLiteral(" (   ) every week  (    ) every other week   (  X ) twice a month");
  return QStringLiteral(" (   ) every week  (    ) every other week   (    ) twice a month");
}

QString SecondPayPeriodText(const ShortFormPainter& p) {
  if (p.Chosen("S1Op", 4)) return QStringLiteral("(  X ) monthly  (    ) other: ");
  if (p.Chosen("S1Op", 5)) return QStringLiteral("(    ) monthly  (  X ) other: ");
  return QStringLiteral("(    ) monthly  (    ) other: ");
}

}  // namespace

void ShortFormPainter::Heading() {
  // The caption: an entry between its label and a closing text at 8640, its
  // blank from where it begins to 8640.
  const auto captionLine = [this](double x, const QString& label, const QString& entry,
                                  const QString& tail) {
    At(x, label);
    const double blank = vs.CurrentX();
    vs.PrintText(entry);
    EndAt(kCaptionTailX, tail);
    Rule(blank, kCaptionTailX);
  };
  captionLine(kIndent, QStringLiteral("IN THE CIRCUIT COURT OF THE "), Text("S0T", 1),
              QStringLiteral("JUDICIAL CIRCUIT,"));
  captionLine(kCountyX, QStringLiteral("IN AND FOR "), Text("S0T", 2),
              QStringLiteral("COUNTY, DADUDAV"));
  Gap(0.5);
  At(kCaseX, QStringLiteral("Case No.: "));
  platform::PrintUnderlinedValue(vs, Text("S0T", 3), kRightEdge);
  At(kCaseX, QStringLiteral("Division: "));
  platform::PrintUnderlinedValue(vs, Text("S0T", 4), kRightEdge);

  // The parties.
  EndAt(kLeftMargin, Text("S0T", 5));
  Rule(kLeftMargin, kCaseX);
  At(kPartyX, QStringLiteral("Petitioner,"));
  Gap(0.5);
  EndAt(kAndX, QStringLiteral("and"));
  Gap(0.5);
  EndAt(kLeftMargin, Text("S0T", 6));
  Rule(kLeftMargin, kCaseX);
  EndAt(kPartyX, QStringLiteral("Respondent."));
  Gap(0.5);

  // The title, centred on its own bold width, and the income bracket.
  const QString title =
      Ticked("FaAmended", kSingle)
          ? QStringLiteral("AMENDED - FAMILY LAW FINANCIAL AFFIDAVIT (SHORT FORM)")
          : QStringLiteral("FAMILY LAW FINANCIAL AFFIDAVIT (SHORT FORM)");
  vs.SetFontBold(true);
  EndAt(platform::CentredX(vs, title), title);
  vs.SetFontBold(false);
  const QString bracket = QStringLiteral("(Under $50,000 Individual Gross Annual Income)");
  EndAt(platform::CentredX(vs, bracket), bracket);
  Gap(0.5);

  // The affiant.
  At(kIndent, QStringLiteral("I, "));
  vs.SetFontItalic(true);
  vs.PrintText(QStringLiteral(" {full legal name}  "));
  vs.SetFontItalic(false);
  const double nameStart = vs.CurrentX();
  vs.PrintText(Text("S0T", 7));
  EndAt(kAffiantEnd, QStringLiteral(", being  "));
  Rule(nameStart, kAffiantEnd);
  EndAt(kLeftMargin, QStringLiteral("sworn, certify that the following information is true:"));
  Gap(0.5);

  // Employment.
  const std::pair<const char*, int> employment[] = {{"My occupation: ", 2},
                                                    {"Employed by: ", 5},
                                                    {"Business Address: ", 6},
                                                    {"City, State, Zip Code: ", 7}};
  for (const auto& [label, box] : employment) {
    At(kLeftMargin, QLatin1String(label));
    platform::PrintUnderlinedValue(vs, Text("S1T", box), kRightEdge);
    Gap(0.25);
  }

  // Pay rate and pay period; the other period prints whatever is chosen.
  At(kLeftMargin, QStringLiteral("Pay rate: "));
  const double rateStart = vs.CurrentX();
  vs.PrintText(Text("S1T", 9));
  EndAt(kPartyX, FirstPayPeriodText(*this));
  Rule(rateStart, kPartyX);
  At(kIndent, SecondPayPeriodText(*this));
  platform::PrintUnderlinedValue(vs, Text("S1T", 10), kRightEdge);
  Gap(0.5);

  // Unemployed.
  vs.SetCurrentX(kLeftMargin);
  if (Ticked("S1Check", 1)) {
    vs.SetFontBold(true);
    vs.SetFontUnderline(true);
    vs.PrintText(QStringLiteral("X  "));
    vs.SetFontBold(false);
    vs.SetFontUnderline(false);
  } else {
    vs.PrintText(QStringLiteral("___ "));
  }
  vs.PrintParagraph(QStringLiteral(
      " Check here if unemployed and explain on a separate sheet your efforts to find employment"));
  vs.SetLineSpacing(100);
  Gap(0.5);
}

}  // namespace affidavit::shortform
