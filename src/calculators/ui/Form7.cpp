#include "calculators/ui/Form7.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/Colors.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"
#include "shell/ui/ShellDialogs.h"

namespace calculators::ui {

using platform::ui::ButtonPlus;

namespace {

// Radio buttons of one frame, all cleared.
void ClearOptions(std::initializer_list<QRadioButton*> options) {
  for (QRadioButton* o : options) {
    o->setAutoExclusive(false);
    o->setChecked(false);
    o->setAutoExclusive(true);
  }
}

}  // namespace

Form7::Form7(shell::Program& program, QWidget* parent)
    : CalculatorWindow(QStringLiteral("Form7"), program, parent) {
  setWindowTitle(QStringLiteral("Defined Benefit Plans"));
  // The client area below the menu bar holds the frames; the window's frame comes on top.
  platform::ui::Place(this, 0, 0, 11520, 8040);
  SetDesignedByClientArea(true);
  AddCommandMenus({"FIle", "     File", "QuitProgram", "PrintScreenImage", "line2"});

  auto frame = [this](const char* name, QWidget* in, double l, double t, double w, double h, const char* caption) {
    return AddFrame(name, in, l, t, w, h, caption);
  };
  auto label = [this](const char* name, QWidget* in, double l, double t, double w, const char* caption) {
    return AddLabel(name, in, l, t, w, 255, caption);
  };
  auto box = [this](const char* name, QWidget* in, double l, double t, double w) { return AddBox(name, in, l, t, w); };
  auto option = [this](const char* name, QWidget* in, double l, double t, double w, const char* caption) {
    return AddOption(name, in, l, t, w, caption);
  };

  QGroupBox* f1 = frame("Frame1", nullptr, 120, 120, 5520, 3120, "Pension Holder's Age Status");
  QGroupBox* f2 = frame("Frame2", f1, 120, 300, 5280, 780, "Current Age of Pension Holder");
  CurrentAgeYrs = box("CurrentAgeYrs", f2, 120, 330, 720);
  QLabel* l1 = label("Label1", f2, 900, 360, 480, "Yrs");
  CurrentAgeMos = box("CurrentAgeMos", f2, 1560, 330, 720);
  QLabel* l2 = label("Label2", f2, 2340, 360, 840, "Months");
  QGroupBox* f3 = frame("Frame3", f1, 120, 1140, 5280, 780, "Age When Pension is Payable");
  AgePayableYrs = box("AgePayableYrs", f3, 120, 330, 720);
  QLabel* l3 = label("Label3", f3, 900, 360, 480, "Yrs");
  AgePayableMos = box("AgePayableMos", f3, 1560, 330, 720);
  QLabel* l4 = label("Label4", f3, 2340, 360, 840, "Months");
  QGroupBox* f5 = frame("Frame5", f1, 120, 1980, 5280, 1020, "Age When Pension Terminates");
  AtAge = option("AtAge", f5, 120, 300, 1200, "At Age");
  AtDeath = option("AtDeath", f5, 120, 630, 1200, "At Death");
  AgeTerminateYrs = box("AgeTerminateYrs", f5, 1560, 420, 720);
  Yrs = label("Yrs", f5, 2340, 450, 480, "Yrs");
  AgeTerminateMos = box("AgeTerminateMos", f5, 3000, 420, 720);
  Months = label("Months", f5, 3780, 450, 840, "Months");

  QGroupBox* f6 = frame("Frame6", nullptr, 120, 3360, 5520, 4560, "Holder's Personal And Pension Status");
  HolderName = box("HolderName", f6, 120, 330, 3000);
  QLabel* l5 = label("Label5", f6, 3240, 360, 2160, "Pension Holder's Name");
  QGroupBox* f7 = frame("Frame7", f6, 120, 780, 2580, 1080, "Gender");
  SexMale = option("SexMale", f7, 120, 330, 2280, "Male");
  SexFemale = option("SexFemale", f7, 120, 660, 2280, "Female");
  Frame4 = frame("Frame4", f6, 2820, 780, 2580, 1080, "Race/Ethnicity");
  RaceHispanic = option("RaceHispanic", Frame4, 120, 270, 2280, "Hispanic");
  RaceWhite = option("RaceWhite", Frame4, 120, 525, 2280, "White/ Other");
  RaceBlack = option("RaceBlack", Frame4, 120, 780, 2280, "Black");
  QGroupBox* f8 = frame("Frame8", f6, 120, 1980, 5280, 780, "Pension Amount");
  PensionAmount = AddAmountBox("PensionAmount", f8, 120, 330, 1560);
  QLabel* l6 = label("Label6", f8, 1800, 360, 3000, "Gross Amount Per Month");
  QGroupBox* f9 = frame("Frame9", f6, 120, 2880, 5280, 1200, "Discount And Tax Rates");
  DiscountRate = box("DiscountRate", f9, 120, 330, 960);
  QLabel* l7 = label("Label7", f9, 1200, 360, 3600, "Discount Rate (As a Decimal)");
  TaxRate = box("TaxRate", f9, 120, 750, 960);
  QLabel* l10 = label("Label10", f9, 1200, 780, 3600, "Tax Rate (As a Decimal)");

  QGroupBox* f10 = frame("Frame10", nullptr, 5760, 120, 5640, 1560, "");
  QGroupBox* f11 = frame("Frame11", f10, 120, 120, 3480, 1320, "Model Type To Use");
  ModelGenderOnly = option("ModelGenderOnly", f11, 120, 360, 3240, "By Gender Only");
  ModelDB = option("ModelDB", f11, 120, 780, 3240, "By Gender and Race/Ethnicity");
  About = AddButton("About", f10, 3720, 480, 1800, 480, "About These Models");

  QGroupBox* f12 = frame("Frame12", nullptr, 5760, 1800, 5640, 4320, "Defined Benefit Report");
  QGroupBox* f13 = frame("Frame13", f12, 120, 300, 2640, 840, "Present Value of Gross Pension");
  QGroupBox* f14 = frame("Frame14", f12, 2880, 300, 2640, 840, "Post Tax Present Value of Pension");
  QGroupBox* f15 = frame("Frame15", f12, 120, 1260, 5400, 2880, "Pension Payment Expectations");
  auto output = [this](const char* name, QWidget* in, double l, double t, double w) {
    auto* p = add<QLabel>(QString::fromLatin1(name), in, l, t, w, 375);
    p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    p->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::ui::SetBackColor(p, platform::kWhite);
    return p;
  };
  Picture1 = output("Picture1", f13, 120, 330, 2400);
  Picture2 = output("Picture2", f14, 120, 330, 2400);
  Label11 = add<QLabel>("Label11", f15, 120, 360, 3480, 720,
                        QStringLiteral("Pre-Payout Death Possibility (As a Percentage Likelihood)"));
  Label11->setWordWrap(true);
  Picture3 = output("Picture3", f15, 3720, 420, 1560);
  Label12 = add<QLabel>("Label12", f15, 120, 1500, 3480, 720, QStringLiteral("Expected Period of Payments "));
  Label12->setWordWrap(true);
  Picture4 = output("Picture4", f15, 3720, 1560, 1560);

  QGroupBox* f16 = frame("Frame16", nullptr, 5760, 6240, 2760, 1680, "Notes");
  TradeMark = frame("TradeMark", f16, 60, 180, 2640, 1440, "");
  add<QLabel>("lblCompanyProduct", TradeMark, 120, 120, 2400, 255, QStringLiteral("Defined Benefit Calculator"));
  add<QLabel>("lblProductName", TradeMark, 120, 480, 2400, 255, QStringLiteral("Kelvane for Dadudav"));
  add<QLabel>("lblVersion", TradeMark, 120, 840, 2400, 255, QStringLiteral("Kelvane 2026"));
  TradeMark->hide();
  QGroupBox* f17 = frame("Frame17", nullptr, 8640, 6240, 2760, 1680, "");
  RunDBReport = AddButton("RunDBReport", f17, 120, 300, 2520, 480, "Calculate Plan Value");
  Return = AddButton("Return", f17, 120, 960, 2520, 480, "Return");

  SetSchemeControls({f1, f2, f3, Frame4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16, f17,
                     l1, l2, l3, l4, l5, l6, l7, l10, Label11, Label12, Yrs, Months,
                     ModelGenderOnly, ModelDB, AtDeath, AtAge, RaceBlack, RaceWhite, RaceHispanic, SexMale, SexFemale});
  SetScreenImageParts({7, {About, Return, RunDBReport}, TradeMark});

  AtDeath->setChecked(true);
  ModelDB->setChecked(true);
  EnableTermination(false);

  connect(AtAge, &QRadioButton::toggled, this, [this](bool on) { if (on) AtAge_Click(); });
  connect(AtDeath, &QRadioButton::toggled, this, [this](bool on) { if (on) AtDeath_Click(); });
  connect(ModelDB, &QRadioButton::toggled, this, [this](bool on) { if (on) ModelDB_Click(); });
  connect(ModelGenderOnly, &QRadioButton::toggled, this, [this](bool on) { if (on) ModelGenderOnly_Click(); });
  connect(About, &ButtonPlus::clicked, this, &Form7::About_Click);
  connect(RunDBReport, &ButtonPlus::clicked, this, &Form7::RunDBReport_Click);
  connect(Return, &ButtonPlus::clicked, this, &Form7::Return_Click);
}

void Form7::EnableTermination(bool on) {
  for (QWidget* w : std::initializer_list<QWidget*>{AgeTerminateMos, AgeTerminateYrs, Months, Yrs}) w->setEnabled(on);
}

void Form7::AtAge_Click() {
  EnableTermination(true);
  Label12->setText(QStringLiteral("Period of Payments"));
}

void Form7::AtDeath_Click() {
  EnableTermination(false);
  AgeTerminateMos->clear();
  AgeTerminateYrs->clear();
  Label12->setText(QStringLiteral("Expected Period of Payments"));
}

void Form7::ModelDB_Click() {
  for (QWidget* w : std::initializer_list<QWidget*>{Frame4, RaceBlack, RaceWhite, RaceHispanic}) w->setEnabled(true);
}

void Form7::ModelGenderOnly_Click() {
  for (QWidget* w : std::initializer_list<QWidget*>{Frame4, RaceBlack, RaceWhite, RaceHispanic}) w->setEnabled(false);
  ClearOptions({RaceBlack, RaceWhite, RaceHispanic});
}

std::int16_t Form7::CheckDataEntry4() {
  PensionEntries e;
  e.CurrentAgeYrs = CurrentAgeYrs->text();
  e.CurrentAgeMos = CurrentAgeMos->text();
  e.AgePayableYrs = AgePayableYrs->text();
  e.AgePayableMos = AgePayableMos->text();
  e.AtDeath = AtDeath->isChecked();
  e.AgeTerminateYrs = AgeTerminateYrs->text();
  e.AgeTerminateMos = AgeTerminateMos->text();
  e.ModelGenderOnly = ModelGenderOnly->isChecked();
  e.HolderName = HolderName->text();
  e.SexMale = SexMale->isChecked();
  e.SexFemale = SexFemale->isChecked();
  e.RaceBlack = RaceBlack->isChecked();
  e.RaceWhite = RaceWhite->isChecked();
  e.RaceHispanic = RaceHispanic->isChecked();
  e.PensionAmount = PensionAmount->text();
  e.DiscountRate = DiscountRate->text();
  e.TaxRate = TaxRate->text();
  return ReportEntryCheck(CheckPensionEntries(e, Inputs));
}

void Form7::RunDBReport_Click() {
  if (CheckDataEntry4() == 1) return;
  const PensionResult r = ComputePensionValue(Inputs);
  Picture1->setText(r.Picture1);
  Picture2->setText(r.Picture2);
  Picture3->setText(r.Picture3);
  Picture4->setText(r.Picture4);
}

void Form7::About_Click() { shell::OpenPensionHelp(program_); }

}  // namespace calculators::ui
