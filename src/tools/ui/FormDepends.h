#pragma once

#include "platform/ui/Form.h"
#include "tools/DependsFlip.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace platform::ui {
class ButtonPlus;
}
namespace shell {
class Program;
}

namespace tools::ui {

class LinesPicture;

// "Change In Dependency And/Or Overnights Calculator": how the monthly child
// support transfer, each party's taxes and net income would change with other
// counts of children under 17 and, under shared custody, other overnights.
// A calculation runs the child support driver on the revised case and puts
// the case back.
class FormDepends : public platform::ui::Form {
  Q_OBJECT
 public:
  FormDepends(shell::Program& program, QWidget* parent = nullptr);

  // What the child support result window's menu item does before showing
  // the window: the initial pictures, the entry fields, the captions and the
  // overnight fields by custody.
  void Fill(const casevars::CaseVars& vars, bool claimantIsRespondent);
  // The child support driver the calculation runs.
  void SetServices(DependsServices services) { services_ = std::move(services); }

  void Calculate_Click();
  void Reset_Click();
  // "Print Image Of Calculation": the window's picture in its white scheme
  // without its buttons, through the Print Screen Images window (caller 22);
  // the window's state is left as it is.
  void PrintRevised_Click();
  void ClaimNights_KeyUp();
  void PayerNights_KeyUp();
  // The schemes of the frames and labels; the grey one is called by name when
  // the Print Screen Images window gives the window back.
  Q_INVOKABLE void MakeFormDependsGrey();
  void MakeFormDependsWhite();

  DependsRevised Revised;
  QGroupBox *Frame1, *Frame2, *Frame3;
  LinesPicture *Picture1, *Picture5, *Picture4, *Picture2;
  LinesPicture* Pictures[2];
  QLabel *Label1, *Label3, *Label4, *Label5, *Label6;
  QLineEdit *ClaimDepend17, *PayerDepend17, *ClaimNights, *PayerNights;
  platform::ui::ButtonPlus *Calculate, *Reset;

 private:
  void SetScheme(platform::OleColor colour);
  void HideFormDependsButtons();

  shell::Program& program_;
  DependsServices services_;
};

// Loads and fits the calculator when it is not loaded, puts its top 200 twips
// from the screen's, fills it from the case and the court roles the services
// give now, and shows it modeless. Each Calculate asks the services for the
// roles again; the initial pictures keep those of the opening.
FormDepends* OpenDependsCalculator(shell::Program& program, DependsServices services);

}  // namespace tools::ui
