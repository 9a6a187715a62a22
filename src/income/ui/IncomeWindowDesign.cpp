// The design of the income windows: tabs, containers, boxes, captions and
// menus, in twips on the 800 x 600 design grid.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/TabControl.h"

namespace income {

using casevars::Party;
using namespace platform;
using namespace platform::ui;

namespace {

// Columns of the amount boxes within their frame, and the row pitch.
constexpr double kPartyColumn = 8200;
constexpr double kSpouseColumn = kPartyColumn + 1700;
constexpr double kBoxWidth = 1200;
constexpr double kBoxHeight = 315;
constexpr double kRowPitch = 420;
constexpr double kIncomeTop = 720;
constexpr double kDeductionTop = 600;
constexpr OleColor kLockedBack = 16777152;  // &HFFFFC0
constexpr OleColor kRed = 255;
// The business button of the gross income tab.
constexpr double kBusinessLeft = 120;
constexpr double kBusinessWidth = 2520;

// A row caption runs on in a leader of periods to the amount column.
QString Leader(const QString& caption) { return caption + QString(160, QLatin1Char('.')); }

struct RowCaption {
  const char* suffix;
  const char* claim;
  const char* payer;  // null: as the claimant's
};

const RowCaption kIncomeRows[] = {
    {"Earned", "Earned Wages and Salaries Subject to FICA and Fed Tax (Box 1 of Form W-2, Etc)", nullptr},
    {"Tips", "Qualified Tips (not above) Received as an Employee, Subject To FICA and State Tax but not Fed Tax", nullptr},
    {"OT", "Overtime Premium (not above ) Received as an Employee, Subject To FICA/State Tax but not Fed Tax", nullptr},
    {"EarnedExempt", "Earned Income Only Subject to FICA (Included on Form W-2 but not in Box 1, 401K Contribs, Etc)", nullptr},
    {"Self", "Business Income (Subject to SE/FICA Taxes and Fed/State Taxes)", nullptr},
    {"ST", "Short Term Capital Gains, Investment Interest (Subject to Fed and NII Tax but not FICA or SE Tax)",
     "Short Term Capital Gains, Investment Interest  (Subject to Fed Tax but not FICA or SE Tax)"},
    {"LT", "Long Term Capital Gains (Subject to Lower Federal Tax Rates and NII Tax)", nullptr},
    {"PT", "Rentals, Royalties, Annuities (Subject to Fed and NII Tax but not FICA/SE)", nullptr},
    {"Pension", "Qualified Pensions/Retirement Plans, Unemployment, Taxable Disability Benefits (Subject to Fed Tax)", nullptr},
    {"Comp", "Workers' Comp, SSI, Portion of Disability Benefits Not Subject to Tax", nullptr},
    {"Free", "Income Not Subject to Fed Tax (Int. on Muni Bonds, Prior Alimony Ordered After 2018, Exempt Pension)", nullptr},
    {"Reimburse", "Employer Reimbursements that Reduce Living Expenses (Treated as Wages Subject to Fed Tax/FICA)", nullptr},
    {"PriorMaint", "Alimony Received From Prior Marriages (Ordered Before 2019 and Subject to Fed Tax)", nullptr},
    {"SSChild", "Social Security Benefits Received by Children Based on This Party's Earnings Record (Not Taxed)", nullptr},
    {"SS", "Social Security Benefits Received (Portion May Be Subject to Fed Tax)", nullptr},
};

struct DeductionRow {
  const char* suffix;
  const char* spouseSuffix;  // null: no new-spouse box
  const char* claim;
  const char* payer;
};

const DeductionRow kDeductionRows[] = {
    {"StIndus", nullptr, "Health Insurance Payments Excluding Coverage For The Minor Child(ren)", nullptr},
    {"Dues", nullptr, "Mandatory Union and/or Professional Dues", nullptr},
    {"PensionPay", nullptr, "Mandatory Retirement Plan Payments", nullptr},
    {"OtherSupport", nullptr, "Court-Ordered Support Paid For Children From Other Relationships", nullptr},
    {"MedCare", nullptr, "Recurring Medicare Payments", nullptr},
    {"PriorMaintPaid", "PriorMaintPaid1", "Alimony Paid to Prior Spouses (Ordered Before 2019)- Is a Fed AGI Deduction", nullptr},
    {"PriorMaintPaid2", "PriorMaintPaid3", "Alimony Paid to Prior Spouses (Ordered After 2018)- Not a Fed AGI Deduction", nullptr},
};

const char* const kNoteText =
    "There are currently 14 lines of AGI deductions allowed by the IRS (see lines 11 thru 24 of Form 1040 "
    "Schedule 1) some of which are only available to self- employed individuals. These AGI deductions "
    "represent discretionary tax-deferred or tax-exempt use of an individual's income. Consequently, an "
    "entry here may not be relevant for purposes of estimating the taxes deducted from the party's income "
    "as used in the child support formulas. The AGI entries shown here are provided to allow for the level "
    "of tax estimate accuracy desired. Note that";

}  // namespace

void IncomeWindow::BuildDesign() {
  const bool claim = party_ == Party::Claim;
  auto pick = [claim](const char* c, const char* p) { return QString::fromUtf8(claim || !p ? c : p); };
  const QString prefix = Prefix();
  const QString rowLabelPrefix = claim ? QStringLiteral("LabelC") : QStringLiteral("LabelP");
  auto rowLabelName = [&](int n) {
    return n == 6 ? (claim ? QStringLiteral("labelC6") : QStringLiteral("labelP6"))
                  : rowLabelPrefix + QString::number(n);
  };

  setWindowTitle(claim ? QStringLiteral("Claimant's Income") : QStringLiteral("Other Party's Income"));
  SetWidth(this, 12000);
  SetHeight(this, 9000);

  // Menus.
  Time = addMenu(QStringLiteral("Time"), QStringLiteral("Entry Time Period"));
  for (IncomePeriod p : kIncomePeriods) {
    QAction* item = addMenuItem(PeriodName(p), PeriodName(p), Time);
    item->setCheckable(true);
    PeriodItems[static_cast<size_t>(p)] = item;
  }
  Impute = addMenuItem(QStringLiteral("Impute"), QStringLiteral("     Impute Income"));
  ExitOut = addMenuItem(QStringLiteral("ExitOut"), QStringLiteral("        Exit"));

  SSTab1 = add<TabControl>(QStringLiteral("SSTab1"), nullptr, 0, 0, 11880, 8520);
  SSTab1->SetTabs({QStringLiteral("Gross Income"),
                   QStringLiteral("Adjustments To Gross Income For Fed Tax Calculation"),
                   QStringLiteral("Fed Tax Credits And Deductions"),
                   QStringLiteral("Allowable Income Deductions")});
  SSTab1->SetTabHeight(390);

  auto container = [&](const QString& name, int tab, double top, double height, int tabIndex,
                       const QString& caption = QString()) -> QWidget* {
    QWidget* w = nullptr;
    if (caption.isNull()) {  // a picture box
      auto* picture = add<QFrame>(name, SSTab1->Page(tab), 120, top, 11640, height);
      picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      picture->setFocusPolicy(Qt::StrongFocus);
      w = picture;
    } else {
      auto* frame = add<QGroupBox>(name, SSTab1->Page(tab), 120, top, 11640, height, caption);
      w = frame;
    }
    w->setProperty("TabIndex", tabIndex);
    return w;
  };
  auto label = [&](const QString& name, QWidget* in, double left, double top, double width,
                   const QString& text) {
    QLabel* l = add<QLabel>(name, in, left, top, width, 255);
    l->setText(text);
    return l;
  };
  // A box with the caption a refused entry names it by.
  auto box = [&](const char* suffix, int index, QWidget* in, double left, double top, const QString& caption = {}) {
    const AmountField* field = FindAmountField(QString::fromUtf8(suffix), index);
    AmountBox* b = add<AmountBox>(ControlName(party_, *field), in, left, top, kBoxWidth, kBoxHeight);
    b->SetField(field);
    SetBackColor(b, kWhite);
    boxes_[field] = b;
    places_[field] = QStringLiteral("%1, %2, \"%3\"%4")
                         .arg(windowTitle(), SSTab1->TabCaption(field->tab), caption,
                              field->column == Column::Spouse ? QStringLiteral(" (New Spouse)") : QString());
    return b;
  };
  auto check = [&](auto* control, const QString& text) {
    control->setText(text);
    return control;
  };

  // Tab 0: gross income.
  QWidget* frame2 = container(QStringLiteral("Frame2"), 0, 450, 7900, 50, QStringLiteral(""));
  MFJLabels[2] = label(QStringLiteral("MFJLabel3"), frame2, 120, 180, 7800,
                       claim ? QStringLiteral("To Prorate Taxes, Claimant's MFJ Status Requires Income Entries For New Spouse")
                             : QStringLiteral("To Prorate Taxes, This Party's MFJ Tax Status Requires Income Entries For New Spouse"));
  MFJLabels[0] = label(QStringLiteral("MFJLabel1"), frame2, kPartyColumn, 420, kBoxWidth,
                       claim ? QStringLiteral("Claimant") : QStringLiteral("This Party"));
  MFJLabels[1] = label(QStringLiteral("MFJLabel2"), frame2, kSpouseColumn, 420, kBoxWidth, QStringLiteral("New Spouse"));
  int row = 0;
  for (const RowCaption& r : kIncomeRows) {
    const double top = kIncomeTop + row * kRowPitch;
    const bool array = QLatin1String(r.suffix) == QLatin1String("Tips") || QLatin1String(r.suffix) == QLatin1String("OT");
    const bool business = QLatin1String(r.suffix) == QLatin1String("Self");
    if (business) {
      Business = add<ButtonPlus>(QStringLiteral("Business"), frame2, kBusinessLeft, top - 45, kBusinessWidth, 390,
                                 QStringLiteral("Enter Business and REIT Income"));
      SetTag(Business, QStringLiteral("1000"));
    }
    const double labelLeft = business ? 2760 : 120;
    RowLabels[row] = label(rowLabelName(row + 1), frame2, labelLeft, top + 30, kPartyColumn - 60 - labelLeft,
                           Leader(pick(r.claim, r.payer)));
    const QString caption = pick(r.claim, r.payer);
    box(r.suffix, array ? 0 : -1, frame2, kPartyColumn, top, caption);
    if (QLatin1String(r.suffix) != QLatin1String("SSChild")) {
      const QByteArray spouse = array ? QByteArray(r.suffix) : QByteArray(r.suffix) + "1";
      box(array ? r.suffix : spouse.constData(), array ? 1 : -1, frame2, kSpouseColumn, top, caption);
    }
    ++row;
  }
  const double totalTop = kIncomeTop + row * kRowPitch + 60;
  TimeLabel = label(QStringLiteral("TimeLabel"), frame2, 120, totalTop + 30, 1500, QStringLiteral("MONTHLY"));
  RowLabels[15] = label(rowLabelName(16), frame2, 1680, totalTop + 30, kPartyColumn - 60 - 1680,
                        Leader(QStringLiteral("Total Income From All Sources")));
  for (const char* suffix : {"Total", "Total1"}) {
    AmountBox* total = box(suffix, -1, frame2, QLatin1String(suffix) == QLatin1String("Total") ? kPartyColumn : kSpouseColumn,
                           totalTop);
    total->setReadOnly(true);
    SetBackColor(total, kLockedBack);
  }
  for (const char* suffix : {"Self", "Self1"}) {
    Box(suffix)->setReadOnly(true);
    SetBackColor(Box(suffix), kLockedBack);
  }

  // Tab 1: adjustments to gross income.
  Text5 = add<QPlainTextEdit>(QStringLiteral("Text5"), SSTab1->Page(1), 120, 480, 11640, 2280);
  Text5->setReadOnly(true);
  Text5->setPlainText(QString::fromUtf8(kNoteText) + QStringLiteral("\u00BD") +
                      QStringLiteral(" of an individual's SE Tax is always automatically used in the tax estimates "
                                     "generated by this program and should not be entered here. Also any prior "
                                     "alimony paid, which qualifies as both an AGI  deduction (if ordered prior to "
                                     "2019) and an allowable deduction from income for a child support calculation, "
                                     "should not be entered here but instead is \nentered on Tab 4.\n"));
  Text5->setProperty("TabIndex", 27);
  SetBackColor(Text5, kSysButtonFace);
  SetForeColor(Text5, kRed);
  QWidget* adjustments = container(claim ? QStringLiteral("Picture5") : QStringLiteral("Picture3"), 1, 2880, 960, 23);
  const QString ira = claim ? QStringLiteral("Yearly IRA Deduction Entered on Schedule 1 (Up to $7,500 or $8.600 if over age 50)")
                             : QStringLiteral("Yearly IRA Deduction Entered on Schedule 1 (Up to $7,500 or $8,600 if over age 50)");
  label(claim ? QStringLiteral("IRADeductLabel") : QStringLiteral("Label19"), adjustments, 120, 150, kPartyColumn - 180,
        Leader(ira));
  box("IRADeduct", -1, adjustments, kPartyColumn, 120, ira);
  const QString otherDeduct = QStringLiteral("Other Yearly Income Adjustments Entered on Form 1040 Schedule 1");
  label(QStringLiteral("OtherDeductLabel"), adjustments, 120, 570, kPartyColumn - 180, Leader(otherDeduct));
  box("OtherDeduct", -1, adjustments, kPartyColumn, 540, otherDeduct);
  SelfDeductionFrame = container(QStringLiteral("SelfDeductionFrame"), 1, 3960, 1260, 7,
                                 claim ? QStringLiteral("Federal Tax Income Deductions Available Only To Self Employed Individuals")
                                       : QStringLiteral("Federal Tax Income Adjustments Available Only To Self Employed Individuals"));
  const QString selfRetirement =
      QStringLiteral("SEP, SIMPLE, KEOGH and Other Self-employed Yearly Retirement Contributions");
  Text3 = add<QLineEdit>(QStringLiteral("Text3"), SelfDeductionFrame, 120, 330, kPartyColumn - 180, kBoxHeight,
                         Leader(selfRetirement));
  box("SelfRetirementDeduct", -1, SelfDeductionFrame, kPartyColumn, 330, selfRetirement);
  const QString selfHealth = QStringLiteral("Self-employed Yearly Health Insurance Deduction (Up to 100% of Payments)");
  Text2 = add<QLineEdit>(QStringLiteral("Text2"), SelfDeductionFrame, 120, 750, kPartyColumn - 180, kBoxHeight,
                         Leader(selfHealth));
  box("SelfHealthDeduct", -1, SelfDeductionFrame, kPartyColumn, 750, selfHealth);
  for (QLineEdit* t : {Text2, Text3}) {
    t->setReadOnly(true);
    t->setFrame(false);
    t->setCursorPosition(0);
    SetBackColor(t, kSysButtonFace);
    t->setFocusPolicy(Qt::NoFocus);
  }
  QLabel* label10 = label(QStringLiteral("Label10"), SSTab1->Page(1), 120, 5400, 4000,
                          claim ? QStringLiteral("Enter All As YEARLY Values ") : QStringLiteral("Enter All As YEARLY Values"));
  label10->setProperty("TabIndex", 9);

  // Tab 2: federal tax credits and deductions.
  QWidget* reals = container(QStringLiteral("PictureReal"), 2, 6960, 480, 108);
  RealSDCheck = check(add<QCheckBox>(prefix + QStringLiteral("RealSDCheck"), reals, 120, 90, 11400, 315),
                      claim ? QStringLiteral("Check Here To Apply An Additional $500 To The Claimant's Standard Deduction For Real Estate Taxes Paid")
                            : QStringLiteral("Check Here To Apply An Additional $500 To The Other Party's Standard Deduction For Real Estate Taxes Paid"));
  reals->hide();
  QWidget* credits = container(claim ? QStringLiteral("Picture4") : QStringLiteral("Picture6"), 2, 5760, 1080, 19);
  const QString otherCredits = QStringLiteral("Other Federal Tax Credits Taken on Form 1040");
  label(QStringLiteral("Label16"), credits, 120, 150, kPartyColumn - 180, Leader(otherCredits));
  box("OtherCredits", -1, credits, kPartyColumn, 120, otherCredits);
  label(claim ? QStringLiteral("Label3") : QStringLiteral("Label2"), credits, 120, 600, 11400,
        QStringLiteral("This Could Include The $500 Credit for Each Non-minor Dependent and Other Non-refundable Credits Taken on Schedule 3"));
  QWidget* eic = container(claim ? QStringLiteral("Picture3") : QStringLiteral("Picture5"), 2, 3480, 2160, 13);
  label(QStringLiteral("Label14"), eic, 120, 120, 11400,
        claim ? QStringLiteral("Note: This Program Will Automatically Calculate Any Child Tax Credits And Child Care Credits. BUT")
              : QStringLiteral("Note: This Program Will Automatically Calculate Any Child Tax Credits And Child Care Credits, BUT"));
  EICCheck = check(add<QCheckBox>(prefix + QStringLiteral("EICCheck"), eic, 120, 420, 11400, 315),
                   claim ? QStringLiteral("Check If You Want Program To Calculate, If Applicable, An Earned Income Credit (EIC) ")
                         : QStringLiteral("Check If You Want Program To Calculate An Earned Income Credit (If Applicable)"));
  const QString with = claim ? QStringLiteral("with Claimant") : QStringLiteral("with the Other Party");
  const QString eicTexts[4] = {
      claim ? QStringLiteral("Claimant has No Qualifying Children") : QStringLiteral("Other Party has No Qualifying Children"),
      QStringLiteral("There is One Qualifying Child that resides %1 at Least One Half of the Year").arg(with),
      QStringLiteral("There are Two Qualifying Children that reside %1 at Least One Half of the Year").arg(with),
      QStringLiteral("There are Three or More Qualifying Children that reside %1 at Least One Half of the Year").arg(with)};
  const char* eicNames[4] = {"EICNone", "EICOne", "EICTwo", "EICThree"};
  for (int i = 0; i < 4; ++i) {
    EICChoices[size_t(i)] = check(add<QRadioButton>(prefix + QLatin1String(eicNames[i]), eic, 480, 780 + i * 330, 11000, 300),
                                  eicTexts[i]);
    EICChoices[size_t(i)]->hide();
  }
  QWidget* choice = container(claim ? QStringLiteral("Picture2") : QStringLiteral("Picture4"), 2, 480, 2880, 10);
  Age65 = check(add<QCheckBox>(claim ? QStringLiteral("ClaimantAge65") : QStringLiteral("OtherAge65"), choice, 120, 90, 11400, 315),
                claim ? QStringLiteral("Check if Claimant is Age 65 or Older (adds $2050 to Standard  Deduction (HH/Single) or $1650 (MFS/MFJ) and up to a $6K Senior Credit")
                      : QStringLiteral("Check if Other Party is Age 65 or Older (adds $2050 to Standard Deduction (HH/Single) or $1650 (MFS/MFJ) and up to a $6K Senior Credit"));
  SpouseAge65 = check(add<QCheckBox>(claim ? QStringLiteral("ClaimantSpouseAge65") : QStringLiteral("OtherSpouseAge65"), choice, 120, 420, 11400, 315),
                      claim ? QStringLiteral("For MFJ, Check if Claimant's Spouse is Age 65 or Older (adds additional $1650 to Standard Deduction and an additional $6K Senior Credit")
                            : QStringLiteral("For MFJ, Check if Other's Spouse is Age 65 or Older (adds additional $1650 to Standard Deduction and an additional $6K Senior Credit"));
  StandardDeduction = check(add<QRadioButton>(prefix + QStringLiteral("StandardDeduction"), choice, 120, 840, 11400, 315),
                            claim ? QStringLiteral("Claimant Uses the Standard Deduction for Federal Taxes ($16.1K for Single or MFS, $32.2K MFJ, $24.15K HH)")
                                  : QStringLiteral(" Other Party Uses the Standard Deduction for Federal Taxes ($16.1K for Single or MFS, $32.2K MFJ, $24.15K HH)"));
  ItemizedDeduction = check(add<QRadioButton>(prefix + QStringLiteral("ItemizedDeduction"), choice, 120, 1170, 11400, 315),
                            claim ? QStringLiteral("Claimant Uses an Itemized Deduction for Federal Taxes (Enter Total Yearly Recurring Itemized Deductions)")
                                  : QStringLiteral("Other Party Uses an Itemized Deduction for Federal Taxes (Enter Total Yearly Recurring Itemized Deductions)"));
  StandardDeduction->setChecked(true);
  label(QStringLiteral("Label15"), choice, 480, 1560, 7500,
        QStringLiteral("See Program Documentation For Guidelines Regarding An Itemized Deduction Entry"));
  AmountBox* itemized = box("ItemizedAmount", -1, choice, kPartyColumn, 1530, ItemizedDeduction->text());
  itemized->setReadOnly(true);
  itemized->hide();
  AmountBox* noLimit = box("ItemizedNoLimit", -1, choice, kSpouseColumn, 1530);
  noLimit->setText(QStringLiteral("Not Used"));
  noLimit->hide();
  ItemizedNote2 = label(claim ? QStringLiteral("Label2") : QStringLiteral("Label12"), choice, 480, 1980, 11000,
                        claim ? QStringLiteral("Up to 40K (5K MFS) for State and Property Taxes Combined, (2% floor misc. deducts are no longer allowed)")
                              : QStringLiteral("Up to 40K (20K MFS) for State and Property Taxes Combined, (2% floor misc. deducts are no longer allowed)"));
  ItemizedNote1 = label(QStringLiteral("Label1"), choice, 480, 2310, 11000,
                        QStringLiteral("Mortgage Interest Incurred after 2017 Limited to Indebtedness of 750K (375K MFS), 1000K (500K MFS) if Incurred before 2018"));
  ItemizedNote1->hide();
  ItemizedNote2->hide();
  QLabel* label17 = label(QStringLiteral("Label17"), SSTab1->Page(2), 120, 7560, 4000, QStringLiteral("Enter All As YEARLY Values"));
  label17->setProperty("TabIndex", 8);

  // Tab 3: allowable deductions.
  QWidget* frame1 = container(QStringLiteral("Frame1"), 3, 450, 5160, 32, QStringLiteral(""));
  MFJLabels[4] = label(QStringLiteral("MFJLabel5"), frame1, kPartyColumn, 300, kBoxWidth,
                       claim ? QStringLiteral("Claimant") : QStringLiteral("This Party"));
  MFJLabels[5] = label(QStringLiteral("MFJLabel6"), frame1, kSpouseColumn, 300, kBoxWidth, QStringLiteral("New Spouse"));
  int drow = 0;
  for (const DeductionRow& r : kDeductionRows) {
    const double top = kDeductionTop + drow * kRowPitch;
    const QString caption = pick(r.claim, r.payer);
    RowLabels[size_t(16 + drow)] = label(rowLabelName(17 + drow), frame1, 120, top + 30, kPartyColumn - 180,
                                         Leader(caption));
    box(r.suffix, -1, frame1, kPartyColumn, top, caption);
    if (r.spouseSuffix) box(r.spouseSuffix, -1, frame1, kSpouseColumn, top, caption);
    ++drow;
  }
  const double notesTop = kDeductionTop + drow * kRowPitch + 150;
  MFJLabels[3] = label(QStringLiteral("MFJLabel4"), frame1, 120, notesTop, 8000,
                       claim ? QStringLiteral(" MFJ Tax Status Requires Prior Alimony Paid Entry For New Spouse If Applicable")
                             : QStringLiteral("MFJ Tax Status Requires Prior Alimony Paid Entry For New Spouse If Applicable"));
  RowLabels[23] = label(rowLabelName(24), frame1, 120, notesTop + 360, 8000,
                        QStringLiteral("Alimony Paid to Spouse of Current Case is Entered (or Calculated by Program) on the Express Screen "));
  TimeLabel2 = label(QStringLiteral("TimeLabel2"), frame1, 120, notesTop + 780, 1500, QStringLiteral("MONTHLY"));

  SSTab1->SetTab(0);
}

void IncomeWindow::KeepProportions() {
  const double positions = Left(Business) / kBusinessLeft;
  const double widths = Width(Business) / kBusinessWidth;
  if (positions <= 0 || widths <= positions * 1.0001) return;
  const double factor = positions / widths;
  for (QWidget* c : Controls()) {
    QWidget* container = c->parentWidget();
    bool onPage = false;
    for (int i = 0; i < SSTab1->Tabs(); ++i) onPage = onPage || container == SSTab1->Page(i);
    if (c == SSTab1 || onPage || container == this || container == Client() || !HasGeometry(c)) continue;
    SetWidth(c, Width(c) * factor);
  }
}

}  // namespace income
