// Page 1 of the printed worksheet, the notice of filing with its certificate
// of service, and the court caption it shares with page 2.
#include "platform/document/DocumentPage.h"
#include "worksheet/WorksheetPainter.h"

namespace worksheet::print {

namespace {

constexpr double kLeftEdge = platform::kPageLeftEdge;    // 1440
constexpr double kRightEdge = platform::kPageRightEdge;  // 10800
constexpr double kCourtX = 2160;
constexpr double kCountyX = 3024;
constexpr double kPartyAnchor = 5040;
constexpr double kPartyRuleEnd = kPartyAnchor + 500;
constexpr double kCaseX = kPartyAnchor + 600;
constexpr double kSignatureX = kPartyAnchor - 2000;
constexpr double kOtherPartyWidth = 7920;
constexpr double kFilingPartyWidth = 6480;
constexpr int kBlank = 39;  // spaces of a blank to fill in by hand

QString Mark(CheckValue value, const char* ticked, const char* clear) {
  return QString::fromLatin1(value == 1 ? ticked : clear);
}

}  // namespace

void Painter::Caption() {
  vs.SetCurrentY(topMargin);
  At(kCourtX, QStringLiteral("IN THE CIRCUIT COURT OF THE  "));
  Underlined(Text(Box::WSCourt), kBlank);
  vs.PrintLine(QStringLiteral("  JUDICIAL CIRCUIT,"));
  At(kCountyX, QStringLiteral("IN AND FOR  "));
  Underlined(Text(Box::WSCounty), kBlank);
  vs.PrintLine(QStringLiteral("  COUNTY, DADUDAV"));
  vs.PrintLine();
  At(kCaseX, QStringLiteral(" Case No.:  "));
  platform::PrintUnderlinedValue(vs, Text(Box::WSCase), kRightEdge);
  At(kCaseX, QStringLiteral(" Division:  "));
  platform::PrintUnderlinedValue(vs, Text(Box::WSDiv), kRightEdge);
  Gap(0.5);
  vs.SetCurrentX(kLeftEdge);
  platform::PrintUnderlinedValue(vs, Text(Box::WSPet), kPartyRuleEnd);
  EndAt(kPartyAnchor - vs.TextWidth(QStringLiteral("Petitioner")), QStringLiteral(" Petitioner,"));
  Gap(0.5);
  EndAt(kCountyX, QStringLiteral(" and"));
  Gap(0.5);
  vs.SetCurrentX(kLeftEdge);
  platform::PrintUnderlinedValue(vs, Text(Box::WSRes), kPartyRuleEnd);
  EndAt(kPartyAnchor - vs.TextWidth(QStringLiteral("Respondent")), QStringLiteral(" Respondent."));
}

void Painter::NoticePage() {
  Caption();
  vs.PrintLine();

  const auto centredBold = [this](const QString& title) {
    vs.SetFontBold(true);
    EndAt(platform::CentredX(vs, title), title);
    vs.SetFontBold(false);
    vs.PrintLine();
  };
  centredBold(QStringLiteral("NOTICE OF FILING CHILD SUPPORT GUIDELINES WORKSHEET"));
  At(kCourtX, QStringLiteral("PLEASE TAKE NOTICE, that "));
  Italic(QStringLiteral(" {name}  "));
  Underlined(Text(Box::WSFilingparty), kBlank);
  vs.PrintLine(QStringLiteral(",  is filing his/her"));
  vs.PrintLine();
  EndAt(kLeftEdge,
        QStringLiteral(" Child Support Guidelines Worksheet attached and labeled Exhibit 1."));
  vs.PrintLine();

  centredBold(QStringLiteral("CERTIFICATE OF SERVICE"));
  EndAt(kLeftEdge, QStringLiteral(" I certify that a copy of this Notice of Filing with the Child "
                                  "Support Guidelines Worksheet was"));
  vs.PrintLine();
  vs.SetCurrentX(kLeftEdge);
  Bold(QStringLiteral(" [check all used]:"));
  vs.PrintText(Mark(sheet.WSEmailed, " (X) e-mailed ", " ( ) e-mailed "));
  vs.PrintText(Mark(sheet.WSMailed, " (X) mailed ", " ( ) mailed "));
  vs.PrintLine(Mark(sheet.WSHand, " (X) hand delivered to the person(s) listed below on",
                    " ( ) hand delivered to the person(s) listed below on"));
  vs.PrintLine();
  vs.SetCurrentX(kLeftEdge);
  Italic(QStringLiteral(" {date}  "));
  Underlined(Text(Box::WSDate), kBlank);
  vs.PrintLine();
  vs.PrintLine();

  vs.SetCurrentX(kLeftEdge);
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral(" Other party or his/her attorney:"));
  vs.SetFontBold(false);
  Gap(0.5);
  const auto block = [this](double x, double width,
                            std::initializer_list<std::pair<const char*, Box>> rows) {
    for (const auto& [label, box] : rows) {
      const QString value = platform::CutToWidth(vs, Text(box), width);
      At(x, QString::fromLatin1(label));
      platform::PrintUnderlinedValue(vs, value);
      Gap(0.5);
    }
  };
  block(kLeftEdge, kOtherPartyWidth,
        {{" Name:  ", Box::WSOName},
         {" Address:  ", Box::WSOAddress},
         {" City, State, Zip:  ", Box::WSOCity},
         {" Telephone Number:  ", Box::WSOPhone},
         {" E-mail Address(es):  ", Box::WSOEmail}});

  vs.PrintLine();
  vs.PrintLine();
  vs.DrawLine(kSignatureX, vs.CurrentY(), kRightEdge, vs.CurrentY());
  EndAt(kSignatureX, QStringLiteral(" Signature of Party or his/her Attorney"));
  vs.PrintLine();
  block(kSignatureX, kFilingPartyWidth,
        {{" Printed Name:  ", Box::WSNAme},
         {" Address:  ", Box::WSAddress},
         {" City, State, Zip:  ", Box::WSCity},
         {" Telephone Number:  ", Box::WSPhone},
         {" E-mail Address(es):  ", Box::WSEmail},
         {" Dadudav Bar Number:  ", Box::WSBar}});

  Footer(kLeftEdge);
}

}  // namespace worksheet::print
