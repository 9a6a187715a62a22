#include "tools/ui/Form23.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextEdit>

#include "tools/WageTables.h"

namespace tools::ui {

namespace {

const char* const kDoNotNote =
    "When either imputation option below is chosen, this party's income is imputed and entered as earned wages. "
    "The median income tables come from the Current Population Survey (CPS) of the US Census Bureau, published in "
    "2025 with data for 2024. The minimum wages are current as of 1/1/2026. A 40-hour work week is assumed.";
const char* const kHistoryNote =
    "Income can also be imputed without this window: enter the party's historical earnings in the income window "
    "under any of its entry periods (hourly, weekly, every two weeks, monthly or yearly), chosen in that window's "
    "entry-period menu.";

}  // namespace

Form23::Form23(casevars::CaseVars& vars, std::function<void(casevars::Party, ImputePeriod)> switchPeriod,
               QWidget* parent)
    : Form(QStringLiteral("Form23"), parent), vars_(vars), switchPeriod_(std::move(switchPeriod)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Impute Income"));
  platform::ui::Place(this, 0, 0, 9600, 7140);
  SetDesignedByClientArea(true);

  auto label = [this](const char* name, QWidget* in, double l, double t, double w, const char* caption) {
    return add<QLabel>(QString::fromLatin1(name), in, l, t, w, 255, QString::fromLatin1(caption));
  };
  auto figure = [this](const char* name, double l, double t) {
    auto* box = add<QLineEdit>(QString::fromLatin1(name), nullptr, l, t, 1440, 315);
    box->setReadOnly(true);
    return box;
  };
  auto line = [this](const char* name, double t) {
    auto* l = add<QFrame>(QString::fromLatin1(name), nullptr, 120, t, 9360, 30);
    l->setFrameShape(QFrame::HLine);
    return l;
  };
  auto note = [this](const char* name, double t, double h, const char* text) {
    auto* n = add<QTextEdit>(QString::fromLatin1(name), nullptr, 480, t, 8880, h);
    n->setReadOnly(true);
    n->setPlainText(QString::fromLatin1(text));
    return n;
  };

  DoNotImpute = add<QRadioButton>(QStringLiteral("DoNotImpute"), nullptr, 240, 120, 4000, 255,
                                  QStringLiteral("Do Not Impute"));
  DoNot = note("DoNot", 480, 1080, kDoNotNote);
  Line1 = line("Line1", 1680);

  WageImpute = add<QRadioButton>(QStringLiteral("WageImpute"), nullptr, 240, 1800, 4600, 255,
                                 QStringLiteral("Impute Using 2026 State Min Wage"));
  Label2 = label("Label2", nullptr, 480, 2220, 1320, "Select State");
  WageCombo = add<QComboBox>(QStringLiteral("WageCombo"), nullptr, 1800, 2160, 3000, 315);
  Label3 = label("Label3", nullptr, 5160, 1800, 2760, "Minimum Hourly Wage Rate");
  Hourly = figure("Hourly", 7920, 1770);
  Label6 = label("Label6", nullptr, 5160, 2220, 2760, "Minimum Gross Income/Mo.");
  MoMin = figure("MoMin", 7920, 2190);
  Label7 = label("Label7", nullptr, 5160, 2640, 2760, "Minimum Gross Income/Yr.");
  YrMin = figure("YrMin", 7920, 2610);
  Line2 = line("Line2", 3060);

  MedianImpute = add<QRadioButton>(QStringLiteral("MedianImpute"), nullptr, 240, 3180, 5400, 255,
                                   QStringLiteral("Impute Using 2025 US Census Median Income Tables"));
  auto* sex = add<QGroupBox>(QStringLiteral("Frame1"), nullptr, 480, 3540, 1560, 960, QString());
  Option1 = add<QRadioButton>(QStringLiteral("Option1"), sex, 120, 180, 1200, 255, QStringLiteral("Male"));
  Option2 = add<QRadioButton>(QStringLiteral("Option2"), sex, 120, 540, 1200, 255, QStringLiteral("Female"));
  auto* group = add<QGroupBox>(QStringLiteral("Frame2"), nullptr, 2160, 3540, 2880, 960, QString());
  CPSAll = add<QRadioButton>(QStringLiteral("CPSAll"), group, 120, 180, 2640, 255,
                             QStringLiteral("All Workers (FT and  PT)"));
  CPSFull = add<QRadioButton>(QStringLiteral("CPSFull"), group, 120, 540, 2640, 255,
                              QStringLiteral("Only Full Time Workers"));
  Label1 = label("Label1", nullptr, 480, 4680, 600, "Age");
  AgeCombo = add<QComboBox>(QStringLiteral("AgeCombo"), nullptr, 1080, 4620, 1440, 315);
  Label5 = label("Label5", nullptr, 5160, 3600, 2760, "Median Gross Income/Mo.");
  GrossMedian = figure("GrossMedian", 7920, 3570);
  Label8 = label("Label8", nullptr, 5160, 4020, 2760, "Median Gross Income/Yr.");
  GrossMedianYr = figure("GrossMedianYr", 7920, 3990);
  Line3 = line("Line3", 5160);

  Label4 = label("Label4", nullptr, 240, 5280, 8000, "Note on using Historical Earnings to Impute Income");
  History = note("History", 5640, 1320, kHistoryNote);

  DoNotImpute->setChecked(true);
  Option1->setChecked(true);
  CPSAll->setChecked(true);
  History->setEnabled(false);
  GrossMedianYr->setEnabled(false);
  YrMin->setEnabled(false);

  for (QRadioButton* o : {DoNotImpute, WageImpute, MedianImpute})
    connect(o, &QRadioButton::clicked, this, &Form23::ImputeChoice_Click);
  for (QRadioButton* o : {Option1, Option2, CPSAll, CPSFull})
    connect(o, &QRadioButton::toggled, this, [this](bool on) {
      if (on) LookUpMedianIncome();
    });
  connect(AgeCombo, &QComboBox::activated, this, &Form23::LookUpMedianIncome);
  connect(WageCombo, &QComboBox::activated, this, &Form23::WageCombo_Click);
}

void Form23::Form_Load() {
  WageCombo->addItems(MinimumWageKeys());
  AgeCombo->addItems(AgeBands());
  WageCombo->setCurrentText(QStringLiteral("Dadudav"));
  AgeCombo->setCurrentText(QStringLiteral("15-24"));
  LookUpMedianIncome();
  WageCombo_Click();
  ImputeChoice_Click();
}

void Form23::LookUpMedianIncome() {
  const WorkerGroup group = CPSAll->isChecked()    ? WorkerGroup::AllWorkers
                            : CPSFull->isChecked() ? WorkerGroup::FullTime
                                                   : WorkerGroup::None;
  const Sex sex = Option1->isChecked() ? Sex::Male : Option2->isChecked() ? Sex::Female : Sex::None;
  const MedianFigures f =
      tools::LookUpMedianIncome(group, sex, AgeCombo->currentText(), {GrossMedianYr->text(), GrossMedian->text()});
  GrossMedianYr->setText(f.yearly);
  GrossMedian->setText(f.monthly);
}

void Form23::WageCombo_Click() {
  const MinimumWageFigures f = LookUpMinimumWage(WageCombo->currentText(), Hourly->text());
  Hourly->setText(f.hourly);
  MoMin->setText(f.monthly);
  YrMin->setText(f.yearly);
}

void Form23::ImputeChoice_Click() {
  const bool wage = WageImpute->isChecked(), median = MedianImpute->isChecked();
  DoNot->setEnabled(!wage && !median);
  for (QWidget* w : std::initializer_list<QWidget*>{Label2, Label3, Label6, Label7, WageCombo, Hourly, MoMin})
    w->setEnabled(wage);
  for (QWidget* w : std::initializer_list<QWidget*>{Option1, Option2, Label1, Label5, Label8, GrossMedian, AgeCombo,
                                                     CPSAll, CPSFull})
    w->setEnabled(median);
  if (Option1->isChecked()) LookUpMedianIncome();
  else Option1->setChecked(true);
}

void Form23::Form_Unload() {
  if (unloaded_ || !party_) return;
  unloaded_ = true;
  const ImputeChoice choice = WageImpute->isChecked()     ? ImputeChoice::MinimumWage
                              : MedianImpute->isChecked() ? ImputeChoice::Median
                                                          : ImputeChoice::DoNotImpute;
  const ImputedEarnings imputed = ImputeOnClose(choice, Hourly->text(), GrossMedianYr->text());
  if (!imputed.write) return;
  if (switchPeriod_) switchPeriod_(*party_, imputed.period);
  vars_.Income[*party_].YrEarned = imputed.amount;
}

void Form23::closeEvent(QCloseEvent* event) {
  Form_Unload();
  Form::closeEvent(event);
}

}  // namespace tools::ui
