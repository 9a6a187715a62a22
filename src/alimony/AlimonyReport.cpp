#include "alimony/AlimonyReport.h"

#include "alimony/AlimonyDisplay.h"
#include "alimony/CaseScore.h"
#include "alimony/NumberForms.h"
#include "platform/NumberText.h"
#include "platform/document/DocumentPage.h"
#include "prefs/Preferences.h"

#include <QRegularExpression>

namespace alimony {

using casevars::Party;
using platform::DrawingCursor;

namespace {

// Columns from the page width (12240 twips) in thirds.
constexpr double kThird = platform::kLetterWidth / 3;
constexpr double kClaimRight = kThird + 200;          // 4280
constexpr double kPayerLeft = kThird + 700;           // 4780
constexpr double kPayerRight = 2 * kThird + 200;      // 8360
constexpr double kCaseDataLeft = 2 * kThird + 700;    // 8860
// The left column's sentences share their lines with the Case Data column and
// end before it.
constexpr double kLeftColumnRight = kCaseDataLeft - 200;  // 8660
constexpr double kRightMargin = platform::kLetterWidth - 400;  // 11840
constexpr double kValueGap = 100;  // at least this between a label and its value

struct Report {
  DrawingCursor& p;
  const casevars::CaseVars& vars;
  const AlimonyReportInputs& in;
  const casevars::AlimonyVars& a = vars.Alimony;

  void Font(double size, bool bold) {
    p.SetFontSize(size);
    p.SetFontBold(bold);
  }
  void Heading(const char* text) {
    Font(14, true);
    p.PrintLine(QString::fromLatin1(text));
    Font(10, false);
  }
  // A sentence of the left column, each of its lines broken between words
  // before the Case Data column; a further line starts after the indent blank.
  void LeftLine(const QString& text) {
    static const QRegularExpression kBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(kBreak)) {
      const platform::TextPiece sentence[] = {{line}};
      platform::PrintWrapped(p, sentence, p.MarginLeft() + p.TextWidth(QStringLiteral(" ")),
                             kLeftColumnRight);
    }
  }
  void Blank(int lines = 1) {
    for (int i = 0; i < lines; ++i) p.PrintLine(QStringLiteral(" "));
  }

  void SetUp() {
    p.ResetPrinter();
    p.SetFontName(QStringLiteral("Tahoma"));
    p.SetFontBold(false);
    p.SetFontItalic(false);
    p.SetFontSize(10);
    p.SetDocumentOption(0);
  }

  void Header() {
    const QString margin = prefs::PreparerMargin.read();
    p.SetCurrentY(platform::TopMarginFor(margin));
    if (!in.CaseName.isEmpty() && in.CaseName != QLatin1String(" ")) {
      p.PrintText(QStringLiteral("Alimony Report For:  "));
      p.PrintLine(in.CaseName);
      Blank();
    }
    const QLatin1String no("No");
    if (prefs::NameCheck.read() != no) {
      p.PrintText(QStringLiteral("    Prepared By:  "));
      p.PrintLine(prefs::PreparerName.read());
    }
    if (prefs::OfficeCheck.read() != no) {
      p.PrintText(QStringLiteral("    Office:  "));
      p.PrintLine(prefs::PreparerOffice.read());
    }
    if (prefs::DateCheck.read() != no) {
      p.PrintText(QStringLiteral("    Date:  "));
      p.PrintLine(platform::ShortDate(in.Today));
    }
    if (margin == QLatin1String("OneHalf")) {
      if (p.CurrentY() > 720) Blank(2);
    } else if (margin == QLatin1String("One")) {
      if (p.CurrentY() > 1440) Blank();
    } else if (margin == QLatin1String("OneOneHalf")) {
      if (p.CurrentY() > 2160) Blank();
    } else {
      Blank();
    }
  }

  // Returns the left column's end.
  double LeftColumn(double& sectionTop) {
    Font(14, true);
    sectionTop = p.CurrentY();
    p.PrintLine(QStringLiteral("Case Score Summary"));
    Font(10, false);
    Blank();
    p.PrintText(QStringLiteral("The Case Score on a Scale of 0 to 100 is: "));
    p.SetFontBold(true);
    p.PrintLine(CaseScoreText(a.AlimonyCaseScore));
    p.SetFontBold(false);
    Blank();
    LeftLine(a.CaseStrengthText);
    Blank();
    Heading("Alimony Term Recommendations");
    Blank();
    LeftLine(a.TermRecommendation1);
    LeftLine(a.TermRecommendation2);
    Blank();
    Heading("Suggested Alimony Award");
    Blank();
    LeftLine(AwardSentence(a, QStringLiteral(" No Alimony Is Recommended")));
    // No cap line when the claimant's net income is not the lower.
    const double award = a.YrRecommendedAward;
    if (a.YrAlimonyCap > 0) {
      if (award == a.YrAlimonyCap)
        LeftLine(QStringLiteral(" This is the maximum allowed under DV statute (35 percent of the "
                                "difference in the parties net income)."));
      else if (award > a.YrAlimonyCap)
        LeftLine(QStringLiteral(" For alimony not under IRS Section 71, the maximum amount is ") +
                 platform::Format(double(a.YrAlimonyCap), "$###,###,##0") +
                 QStringLiteral(" (35% of net income difference)"));
    }
    Blank(6);
    return p.CurrentY();
  }

  void CaseData(double sectionTop) {
    const casevars::ExpressVars& ex = vars.Express;
    p.SetCurrentY(sectionTop);
    p.SetCurrentX(kCaseDataLeft);
    Font(14, true);
    p.PrintLine(QStringLiteral("Case Data"));
    p.SetFontBold(false);
    p.SetFontSize(10);
    Blank();
    const double tab = kCaseDataLeft + p.TextWidth(QString::fromLatin1(kValueTabText));
    const auto line = [&](const QString& text) {
      p.SetCurrentX(kCaseDataLeft);
      p.PrintLine(text);
    };
    const auto tabbed = [&](const char* label, const QString& value) {
      p.SetCurrentX(kCaseDataLeft);
      p.PrintText(QString::fromLatin1(label));
      p.SetCurrentX(tab);
      p.PrintText(QStringLiteral(" = "));
      p.PrintLine(value);
    };
    tabbed(" Years Of Marriage", PlainNumber(vars.Express.MarriageYears));
    tabbed(" Age Of Claimant", PlainNumber(vars.Express.Claim.AgeYears));
    tabbed(" Claimant Ed/Skill", PlainNumber(vars.Express.Claim.SkillScore));
    Blank();
    tabbed(" Number Of Children", PlainNumber(ex.NumMarriageChildren));
    tabbed(" Number Of Minors", PlainNumber(ex.NumMinorChildren));
    if (ex.CustodyStatus == casevars::custody::Split) {
      Blank();
      line(QStringLiteral("    - Split Custody -"));
      tabbed(" Claimant's Children", PlainNumber(ex.Claim.PossessionChildren));
      tabbed(" Other's Children", PlainNumber(ex.Payer.PossessionChildren));
    }
    if (ex.CustodyStatus == casevars::custody::Shared) {
      Blank();
      line(QStringLiteral("    - Shared Custody - "));
      tabbed(" Claimant's Nights ", platform::Format(double(ex.Claim.YrOvernights), "###.0"));
      tabbed(" Other's Nights ", platform::Format(double(ex.Payer.YrOvernights), "###.0"));
    }
    if (ex.NumMinorChildren != 0) {
      Blank();
      line(QStringLiteral(" Children Claimed Under Age 17"));
      line(QStringLiteral(" Claimant = ") + PlainNumber(ex.Claim.Under17Children));
      line(QStringLiteral(" Other Party = ") + PlainNumber(ex.Payer.Under17Children));
    }
    Blank();
    line(QStringLiteral(" Claimant's File Status: ") + FilingCode(ex.Claim.FilingStatus));
    line(QStringLiteral(" Other's File Status: ") + FilingCode(ex.Payer.FilingStatus));
    if (ex.NumMarriageChildren != 0) {
      Blank();
      const QString caregiver = CaregiverLine(vars.Express.CaregiverCharacterization);
      if (!caregiver.isEmpty()) line(caregiver);
      Blank();
    }
    Blank(3);
  }

  // Returns the rows' top.
  double TableHeading(double leftEnd) {
    p.SetCurrentY(leftEnd);
    Font(14, true);
    struct Words {
      QLatin1String code;
      const char* claim;
      const char* payer;
    };
    const Words words[] = {
        {casevars::custody::NoMinors, "(no minors)", "(no minors)"},
        {casevars::custody::Cust, "(custodial)", "(non-custodial)"},
        {casevars::custody::NonCust, "(non-custodial)", "(custodial)"},
        {casevars::custody::Shared, "(shared custody)", "(shared custody)"},
        {casevars::custody::Split, "(split custody)", "(split custody)"},
    };
    const auto party = [&](const char* name, const char* word) {
      Font(14, true);
      p.PrintText(QString::fromLatin1(name));
      Font(13, false);
      p.PrintText(QString::fromLatin1(word));
      Font(14, true);
    };
    for (const Words& w : words)
      if (vars.Express.CustodyStatus == w.code) {
        p.SetCurrentX(p.MarginLeft());
        party("Claimant ", w.claim);
        p.SetCurrentX(kPayerLeft);
        party("Other Parent ", w.payer);
      }
    Font(14, true);
    p.SetCurrentX(kCaseDataLeft);
    p.PrintLine(QStringLiteral("Present Value"));
    Blank();
    Font(10, false);
    return p.CurrentY();
  }

  void Column(Party party, double rowsTop, double left, double right) {
    p.SetCurrentY(rowsTop);
    for (const PictureLine& row : IncomeTableRows(vars, party)) {
      p.SetCurrentX(left);
      if (row.Label.isEmpty() && row.Value.isEmpty()) {
        Blank();
        continue;
      }
      p.PrintText(row.Label);
      if (!row.Regular.isEmpty()) {
        p.SetFontSize(8);
        p.PrintText(row.Regular);
        p.SetFontSize(10);
      }
      // A value too wide for the room after its label is set smaller to fit it.
      platform::PrintFittedEndingAt(p, row.Value, p.CurrentX() + kValueGap, right);
      p.PrintLine();
    }
  }

  void PresentValue(double rowsTop) {
    p.SetCurrentX(kCaseDataLeft);
    p.SetCurrentY(rowsTop);
    const auto& pv = a.PresentValueOfAward;
    if (!pv || pv->Value < 0) {
      p.SetFontSize(8);
      p.PrintLine(QStringLiteral("No Present Value Calculation"));
      return;
    }
    p.SetFontSize(10);
    p.PrintLine(QStringLiteral("  "));
    p.SetCurrentX(kCaseDataLeft);
    platform::PrintFitted(p, platform::Format(pv->Value, "$##,###,##0"), kRightMargin);
    p.PrintLine();
    Blank(2);
    p.SetFontSize(8);
    const auto pair = [&](const QString& label, const QString& value) {
      p.SetCurrentX(kCaseDataLeft);
      p.PrintText(label);
      p.PrintLine(value);
      Blank();
    };
    pair(QStringLiteral("Duration In Years = "), PlainNumber(pv->DurationYears));
    pair(QStringLiteral("Tax Rate = "), PlainNumber(pv->TaxRate));
    pair(QStringLiteral("Discount Rate = "), pv->DiscountText);
  }

  void Footer() {
    if (in.PageHeight) p.SetCurrentY(*in.PageHeight - 1000);
    p.SetCurrentX(p.MarginLeft());
    p.SetFontSize(8);
    p.PrintLine(QStringLiteral("Kelvane 2026 - Dadudav"));
    p.SetFontSize(10);
    p.EndDocument();
  }

  void Draw() {
    SetUp();
    Header();
    double sectionTop = 0;
    const double leftEnd = LeftColumn(sectionTop);
    CaseData(sectionTop);
    const double rowsTop = TableHeading(leftEnd);
    Column(Party::Claim, rowsTop, p.MarginLeft(), kClaimRight);
    Column(Party::Payer, rowsTop, kPayerLeft, kPayerRight);
    Blank();
    p.SetCurrentX(p.MarginLeft());
    Font(10, true);
    p.PrintLine(a.AlimonyNoteText);
    p.SetFontBold(false);
    PresentValue(rowsTop);
    Footer();
  }
};

}  // namespace

void PrintAlimonyReport(DrawingCursor& vs, const casevars::CaseVars& vars, const AlimonyReportInputs& inputs) {
  Report{vs, vars, inputs}.Draw();
}

platform::Document AlimonyReportDocument(const casevars::CaseVars& vars, const AlimonyReportInputs& inputs) {
  DrawingCursor vs;
  vs.SetMarginLeft(kReportLeftMargin);
  vs.SetMarginTop(kReportOtherMargins);
  vs.SetMarginRight(kReportOtherMargins);
  vs.SetMarginBottom(kReportOtherMargins);
  vs.SetDocumentOption(0);
  vs.BeginDocument();
  PrintAlimonyReport(vs, vars, inputs);
  vs.EndDocument();
  return vs.TakeDocument();
}

}  // namespace alimony
