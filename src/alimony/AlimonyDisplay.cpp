#include "alimony/AlimonyDisplay.h"

#include "alimony/NumberForms.h"
#include "platform/NumberText.h"

namespace alimony {

using casevars::Party;
using Place = PictureLine::Place;

namespace {

constexpr const char* kAmount = "$##,###,##0";
constexpr const char* kDeducted = "-$##,###,##0";

QString Amount(double value) { return platform::Format(value, kAmount); }
QString Deducted(double value) { return platform::Format(value, kDeducted); }

PictureLine Row(const QString& label, const QString& value) {
  return {label, QString(), value, Place::RightAligned};
}

PictureLine Tabbed(const char* label, const QString& value) {
  return {QString::fromLatin1(label), QString(), value, Place::AtTab};
}

PictureLine Whole(const QString& text) { return {text, QString(), QString(), Place::None}; }

// The label of the prior-support row from the party's own parts; a part below
// 0 counts as none.
QString PriorSupportLabel(const casevars::PartyIncome& in) {
  const double maint = in.YrPriorMaintPaid + in.YrPriorMaintPaid2;
  if (maint > 0 && in.YrOtherSupport > 0) return QStringLiteral(" Prior CS & SS Paid");
  if (in.YrOtherSupport > 0) return QStringLiteral(" Prior Child Sup. Paid");
  return QStringLiteral(" Prior Alimony Paid");
}

}  // namespace

QString AwardSentence(const casevars::AlimonyVars& a, const QString& noAward) {
  const double award = a.YrRecommendedAward;
  if (!(award > 0)) return noAward;
  const QString yearly = platform::Format(double(award), "$###,###,##0");
  const QString monthly = platform::Format(award / 12, "$###,###,##0");
  if (a.AlimonyCaseScore >= 25)
    return QStringLiteral(" Recommended Alimony Is ") + yearly + QStringLiteral(" Per Year  Or  ") + monthly +
           QStringLiteral(" Per Month.");
  return QStringLiteral(" If Alimony Is Awarded, ") + yearly + QStringLiteral(" Per Year  Or  ") + monthly +
         QStringLiteral(" Per Month Is Suggested.");
}

QString FilingCode(const QString& filingStatus) {
  if (filingStatus == casevars::filing::Single) return QStringLiteral("S");
  if (filingStatus == casevars::filing::Head) return QStringLiteral("HH");
  if (filingStatus == casevars::filing::MFJ) return QStringLiteral("MFJ");
  if (filingStatus == casevars::filing::MarriedSep) return QStringLiteral("MFS");
  return QString();
}

QString CaregiverLine(std::int16_t characterization) {
  switch (characterization) {
    case 1: return QStringLiteral(" Primary Caregiver: Claimant");
    case 2: return QStringLiteral(" Caregiving: Shared Equally");
    case 3: return QStringLiteral(" Primary Caregiver: Other");
    default: return QString();
  }
}

std::vector<PictureLine> IncomeTableRows(const casevars::CaseVars& vars, Party party) {
  const casevars::AlimonyVars& a = vars.Alimony;
  const casevars::PartyAlimony& own = a[party];
  const casevars::PartyTax& t = vars.Tax[party];
  const bool claim = party == Party::Claim;
  const QString& custody = vars.Express.CustodyStatus;
  std::vector<PictureLine> rows;

  rows.push_back(Row(QStringLiteral(" Gross Income"), Amount(vars.Income[party].YrGrossIncome)));
  if (a.Claim.YrPriorSupportPaid > 0 || a.Payer.YrPriorSupportPaid > 0) {
    if (own.YrPriorSupportPaid > 0)
      rows.push_back(Row(PriorSupportLabel(vars.Income[party]), Deducted(own.YrPriorSupportPaid)));
    else
      rows.push_back(PictureLine{});
  }
  rows.push_back(Row(QStringLiteral(" FICA/SE"), Deducted(t.YrFicaTax)));
  rows.push_back(Row(QStringLiteral(" Alimony"),
                     claim ? Amount(a.YrAlimonyAward) : Deducted(a.YrAlimonyAward)));
  const QString prorated =
      vars.Express[party].FilingStatus == casevars::filing::MFJ ? QStringLiteral(" (prorated)") : QString();
  rows.push_back({QStringLiteral(" State Tax"), prorated, Deducted(t.YrStateTax), Place::RightAligned});
  rows.push_back({QStringLiteral(" Federal Tax"), prorated, Deducted(t.YrFedTax), Place::RightAligned});
  rows.push_back(Row(QStringLiteral(" Fed Tax Credits"), Amount(t.YrTotalCredits)));
  if (custody != casevars::custody::NoMinors) {
    rows.push_back(Row(QStringLiteral(" Care & Health Paid"), Deducted(own.YrExpensesPaid)));
    // The yearly child support, never negative; the pattern's sign shows who pays.
    const double m = vars.Support.MoChildSupportForAlimony;
    const bool claimantReceives = (custody == casevars::custody::NonCust) != (m > 0);
    const double yearly = m > 0 ? 12 * m : -12 * m;
    const bool partyReceives = claim ? claimantReceives : !claimantReceives;
    rows.push_back(Row(QStringLiteral(" Child Support"), partyReceives ? Amount(yearly) : Deducted(yearly)));
  }
  rows.push_back(Row(QString(), QStringLiteral("------------")));
  rows.push_back(Row(claim ? QStringLiteral(" Net Income") : QStringLiteral(" Net Income "),
                     Amount(own.YrNetAfterAlimony)));
  return rows;
}

AlimonyDisplay ShowAlimonyResults(const casevars::CaseVars& vars) {
  const casevars::AlimonyVars& a = vars.Alimony;
  const casevars::ExpressVars& ex = vars.Express;
  AlimonyDisplay d;

  d.Terms = {a.TermRecommendation1, a.TermRecommendation2};

  const double award = a.YrRecommendedAward;
  d.Award << AwardSentence(a, QStringLiteral(" No Alimony Is Recommended."));
  // No cap note when the claimant's net income is not the lower (no cap applies).
  if (a.YrAlimonyCap > 0) {
    if (award == a.YrAlimonyCap)
      d.Award << QStringLiteral(" This is the max allowed under DV statute (35% of the difference in net incomes).");
    else if (award > a.YrAlimonyCap)
      d.Award << QStringLiteral(" 35% of net income difference (") +
                     platform::Format(double(a.YrAlimonyCap), "$###,###,##0") +
                     QStringLiteral(") not applied for mods of pre-2019 orders.");
  }

  auto& lines = d.CaseData;
  const QString eq = QStringLiteral(" =");
  lines.push_back(Tabbed(" Years Of Marriage", eq + PictureNumber(vars.Express.MarriageYears)));
  lines.push_back(Tabbed(" Age Of Claimant", eq + PictureNumber(vars.Express.Claim.AgeYears)));
  lines.push_back(Tabbed(" Claimant Ed/Skill", eq + PictureNumber(vars.Express.Claim.SkillScore)));
  lines.push_back(Tabbed(" Number Of Children", eq + PictureNumber(ex.NumMarriageChildren)));
  lines.push_back(Tabbed(" Number Of Minors", eq + PictureNumber(ex.NumMinorChildren)));
  if (ex.NumMinorChildren != 0) {
    lines.push_back(Whole(QStringLiteral(" Children Claimed Under Age 17")));
    lines.push_back(Whole(QStringLiteral(" Claimant = ") + PictureNumber(ex.Claim.Under17Children)));
    lines.push_back(Whole(QStringLiteral(" Other Party = ") + PictureNumber(ex.Payer.Under17Children)));
  }
  if (ex.CustodyStatus == casevars::custody::Split) {
    lines.push_back(Whole(QStringLiteral("       - Split Custody -")));
    lines.push_back(Tabbed(" Claimant's Children", eq + PictureNumber(ex.Claim.PossessionChildren)));
    lines.push_back(Tabbed(" Other's Children", eq + PictureNumber(ex.Payer.PossessionChildren)));
  }
  if (ex.CustodyStatus == casevars::custody::Shared) {
    lines.push_back(Whole(QStringLiteral("       - Shared Custody -")));
    lines.push_back(Tabbed(" Claimant's Nights ",
                           QStringLiteral(" = ") + platform::Format(double(ex.Claim.YrOvernights), "###.0")));
    lines.push_back(Tabbed(" Other's Nights ",
                           QStringLiteral(" = ") + platform::Format(double(ex.Payer.YrOvernights), "###.0")));
  }
  lines.push_back(Whole(QStringLiteral(" Claimant's File Status: ") + FilingCode(ex.Claim.FilingStatus)));
  lines.push_back(Whole(QStringLiteral(" Other's File Status: ") + FilingCode(ex.Payer.FilingStatus)));
  if (ex.NumMarriageChildren != 0) {
    const QString caregiver = CaregiverLine(vars.Express.CaregiverCharacterization);
    if (!caregiver.isEmpty()) lines.push_back(Whole(caregiver));
  }

  const QString& custody = ex.CustodyStatus;
  struct Captions {
    QLatin1String code;
    const char* claim;
    const char* payer;
  };
  const Captions captions[] = {
      {casevars::custody::NoMinors, "Claimant (no minors)", "Other (no minors)"},
      {casevars::custody::Cust, "Claimant (custodial)", "Other (noncustodial)"},
      {casevars::custody::NonCust, "Claimant (noncustodial)", "Other (custodial)"},
      {casevars::custody::Shared, "Claimant (shared cust.)", "Other (shared custody)"},
      {casevars::custody::Split, "Claimant (split custody)", "Other (split custody)"},
  };
  for (const Captions& c : captions)
    if (custody == c.code) {
      d.ClaimFrameCaption = QString::fromLatin1(c.claim);
      d.PayerFrameCaption = QString::fromLatin1(c.payer);
    }

  for (Party party : casevars::kParties) d.IncomeTables[party] = IncomeTableRows(vars, party);
  return d;
}

}  // namespace alimony
