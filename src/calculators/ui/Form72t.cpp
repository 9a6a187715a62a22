#include "calculators/ui/Form72t.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>

#include "calculators/ui/Form72tHelp.h"
#include "calculators/ui/ProjectionCanvas.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"

namespace calculators::ui {

using platform::ui::ButtonPlus;

Form72t::Form72t(shell::Program& program, QWidget* parent)
    : CalculatorWindow(QStringLiteral("Form72t"), program, parent) {
  setWindowTitle(QStringLiteral("72(t) IRA Withdrawals"));
  // The client area below the menu bar holds the frames; the window's frame comes on top.
  platform::ui::Place(this, 0, 0, 11520, 8160);
  SetDesignedByClientArea(true);
  AddCommandMenus({"FIle", "     File", "QuitProgram", "PrintScreenImage", "line2"});

  auto frame = [this](const char* name, QWidget* in, double l, double t, double w, double h, const char* caption) {
    return AddFrame(name, in, l, t, w, h, caption);
  };
  auto label = [this](const char* name, QWidget* in, double l, double t, double w, double h, const char* caption) {
    return AddLabel(name, in, l, t, w, h, caption);
  };
  auto box = [this](const char* name, QWidget* in, double l, double t, double w) { return AddBox(name, in, l, t, w); };
  auto button = [this](const char* name, QWidget* in, double l, double t, double w, double h, const char* caption) {
    return AddButton(name, in, l, t, w, h, caption);
  };

  QGroupBox* f16 = frame("Frame16", nullptr, 120, 120, 5640, 4920, "IRA Holder's Personal And Account Status");
  QGroupBox* f7 = frame("Frame7", f16, 120, 240, 5400, 660, "");
  HolderName = box("HolderName", f7, 120, 240, 2880);
  QLabel* l1 = label("Label1", f7, 3120, 270, 2160, 255, "IRA Holder's Name");
  QGroupBox* f2 = frame("Frame2", f16, 120, 960, 5400, 720, "Current Age of IRA Holder");
  CurrentAgeYrs = box("CurrentAgeYrs", f2, 120, 300, 720);
  QLabel* l3 = label("Label3", f2, 960, 330, 3000, 255, "Yrs (59 Maximum)");
  QGroupBox* f3 = frame("Frame3", f16, 120, 1740, 5400, 720, "Holder's Age When 72(t) Withdrawals End");
  AgeEndYrs = box("AgeEndYrs", f3, 120, 300, 720);
  QLabel* l2 = label("Label2", f3, 960, 330, 4200, 255, "Yrs (Minimum 5 yrs from Current Age)");
  QGroupBox* f8 = frame("Frame8", f16, 120, 2520, 5400, 720, "Current Balance in IRA Account");
  IRAAmount = AddAmountBox("IRAAmount", f8, 120, 300, 1800);
  QGroupBox* f5 = frame("Frame5", f16, 120, 3300, 5400, 720, "120% of Federal Mid-Term Interest Rate");
  InterestRate = box("InterestRate", f5, 120, 300, 960);
  QLabel* l6 = label("Label6", f5, 1200, 330, 1800, 255, "(As a Percentage)");
  AboutInterest = button("AboutInterest", f5, 4800, 240, 480, 375, "?");
  QGroupBox* f4 = frame("Frame4", f16, 120, 4080, 5400, 720, "Expected Interest Earned on IRA Account");
  IraInterestRate = box("IraInterestRate", f4, 120, 300, 960);
  QLabel* l10 = label("Label10", f4, 1200, 330, 1800, 255, "(As a Percentage)");

  QGroupBox* f14 = frame("Frame14", nullptr, 5880, 2220, 5520, 1560, "");
  QGroupBox* f13 = frame("Frame13", f14, 120, 60, 3420, 1380, "72(t) Method (for projected account balance)");
  MethodMin = AddOption("MethodMin", f13, 120, 330, 3120, "Life Expectancy (Minimum)");
  MethodAmort = AddOption("MethodAmort", f13, 120, 660, 3120, "Amortization");
  MethodAnnuity = AddOption("MethodAnnuity", f13, 120, 990, 3120, "Annuity");
  MethodAnnuity->setChecked(true);
  About = button("About", f14, 3600, 540, 1800, 480, "About These Methods");

  QGroupBox* f17 =
      frame("Frame17", nullptr, 5880, 120, 5520, 1980, "Allowable Penalty-Free Withdrawals (By 72(t) Method)");
  QLabel* l8 = label("Label8", f17, 2640, 240, 1320, 480, "Yearly Withdrawal");
  QLabel* l9 = label("Label9", f17, 4020, 240, 1440, 480, "Monthly Withdrawals");
  QLabel* l4 = label("Label4", f17, 120, 720, 2460, 375, "Life Expectancy (Minimum) Method");
  LEYearly = box("LEYearly", f17, 2640, 750, 1260);
  LEMonthly = box("LEMonthly", f17, 4020, 750, 1260);
  QLabel* l5 = label("Label5", f17, 120, 1110, 2460, 375, "Amortization Method");
  AmortYearly = box("AmortYearly", f17, 2640, 1140, 1260);
  AmortMonthly = box("AmortMonthly", f17, 4020, 1140, 1260);
  QLabel* l7 = label("Label7", f17, 120, 1500, 2460, 375, "Annuity Method");
  AnnuityYearly = box("AnnuityYearly", f17, 2640, 1530, 1260);
  AnnuityMonthly = box("AnnuityMonthly", f17, 4020, 1530, 1260);

  // The projection scrolls, so the window stays within an 800 x 600 screen.
  Frame12 = frame("Frame12", nullptr, 120, 5160, 11280, 2880, "Projected IRA Account Balance/Yr ");
  Picture2 = add<QScrollArea>("Picture2", Frame12, 120, 300, 11040, 2460);
  Picture2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Picture2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Picture2->setWidgetResizable(true);
  Picture1 = new ProjectionCanvas;
  Picture2->setWidget(Picture1);

  QGroupBox* f19 = frame("Frame19", nullptr, 5880, 3900, 5520, 1140, "");
  TradeMark = frame("TradeMark", f19, 120, 120, 3000, 900, "");
  add<QLabel>("lblCompanyProduct", TradeMark, 120, 120, 2760, 255, QStringLiteral("72(t) IRA Withdrawal Calculator"));
  add<QLabel>("lblProductName", TradeMark, 120, 480, 2760, 255, QStringLiteral("Kelvane for Dadudav"));
  TradeMark->hide();
  Run72TReport = button("Run72TReport", f19, 120, 360, 3000, 480, "Calculate 72(t) Withdrawals");
  Return = button("Return", f19, 3240, 360, 2160, 480, "Return");

  SetSchemeControls({f2, f3, f4, f5, f7, f8, Frame12, f13, f14, f16, f17, f19, l1, l2, l3, l4, l5, l6, l7, l8, l9,
                     l10, MethodAmort, MethodMin, MethodAnnuity});
  SetScreenImageParts({72, {About, AboutInterest}, TradeMark});

  connect(About, &ButtonPlus::clicked, this, &Form72t::About_Click);
  connect(AboutInterest, &ButtonPlus::clicked, this, &Form72t::AboutInterest_Click);
  connect(Run72TReport, &ButtonPlus::clicked, this, &Form72t::Run72TReport_Click);
  connect(Return, &ButtonPlus::clicked, this, &Form72t::Return_Click);
}

std::int16_t Form72t::CheckDataEntry4() {
  Withdrawal72tEntries e;
  e.CurrentAgeYrs = CurrentAgeYrs->text();
  e.AgeEndYrs = AgeEndYrs->text();
  e.HolderName = HolderName->text();
  e.IRAAmount = IRAAmount->text();
  e.InterestRate = InterestRate->text();
  e.IraInterestRate = IraInterestRate->text();
  e.MethodMin = MethodMin->isChecked();
  e.MethodAmort = MethodAmort->isChecked();
  e.MethodAnnuity = MethodAnnuity->isChecked();
  return ReportEntryCheck(Check72tEntries(e, Inputs));
}

void Form72t::Run72TReport_Click() {
  if (CheckDataEntry4() == 1) return;
  const Withdrawals72tResult r = Compute72tWithdrawals(Inputs);
  AnnuityYearly->setText(r.AnnuityYearly);
  AnnuityMonthly->setText(r.AnnuityMonthly);
  LEYearly->setText(r.LEYearly);
  LEMonthly->setText(r.LEMonthly);
  AmortYearly->setText(r.AmortYearly);
  AmortMonthly->setText(r.AmortMonthly);
  if (r.Caption) Frame12->setTitle(*r.Caption);
  std::vector<QStringList> rows;
  rows.reserve(r.Rows.size());
  for (const Projection72tRow& row : r.Rows) rows.push_back(row.Texts());
  Picture1->SetRows(std::move(rows));
}

void Form72t::ShowHelp(const char* name) {
  auto* help = program_.Load<shell::HelpWindow>(QString::fromLatin1(name));
  if (!help) return;
  program_.FitFormToScreen(*help);
  help->SetTextSize(12 * program_.State.Screen.ScaleFactorMin);
  help->ShowModal();
}

void Form72t::About_Click() { ShowHelp("Form72tA"); }
void Form72t::AboutInterest_Click() { ShowHelp("Form72tB"); }

}  // namespace calculators::ui
