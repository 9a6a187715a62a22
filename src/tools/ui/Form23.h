#pragma once

#include <functional>

#include "case/CaseVars.h"
#include "platform/ui/Form.h"
#include "tools/Imputation.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTextEdit;

namespace tools::ui {

// "Impute Income": imputes earned wages to one party, a median gross income
// by worker group, sex and age or a full-time minimum wage. Closing applies
// the choice; closing with "Do Not Impute" leaves the case as it was.
class Form23 : public platform::ui::Form {
  Q_OBJECT
 public:
  // `switchPeriod` switches the party's income window to monthly or yearly
  // entry before the imputed amount is stored.
  Form23(casevars::CaseVars& vars, std::function<void(casevars::Party, ImputePeriod)> switchPeriod,
         QWidget* parent = nullptr);

  // The party whose income is imputed (ImputeParty); none: closing writes nothing.
  void SetImputeParty(std::optional<casevars::Party> party) { party_ = party; }

  void Form_Load();
  void LookUpMedianIncome();
  void WageCombo_Click();
  void ImputeChoice_Click();
  void Form_Unload();

  QRadioButton *DoNotImpute, *WageImpute, *MedianImpute;
  QTextEdit *DoNot, *History;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
  QComboBox *WageCombo, *AgeCombo;
  QLineEdit *Hourly, *MoMin, *YrMin, *GrossMedian, *GrossMedianYr;
  QRadioButton *Option1, *Option2, *CPSAll, *CPSFull;
  QFrame *Line1, *Line2, *Line3;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  casevars::CaseVars& vars_;
  std::function<void(casevars::Party, ImputePeriod)> switchPeriod_;
  std::optional<casevars::Party> party_;
  bool unloaded_ = false;
};

}  // namespace tools::ui
