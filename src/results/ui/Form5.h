#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

#include "case/CaseVars.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "platform/Colors.h"
#include "platform/Dialogs.h"
#include "platform/ui/Form.h"
#include "results/ChildSupportText.h"
#include "results/NetIncomeCommands.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace platform::ui {
class ButtonPlus;
}

namespace results::ui {

class PictureBox;

// What the child support result window asks of the rest of the program.
struct Form5Link {
  // The Express screen's entry checks, in order (see NetIncomeServices).
  std::vector<std::function<std::int16_t()>> entryChecks{};
  // A child support run that reads this window's net boxes (FillRunInputs)
  // and draws through its TextHook; false when it stopped.
  std::function<bool()> computeChildSupport{};
  // Shows the Express screen again when the user leaves this window.
  std::function<void()> showExpressScreen{};
  // "Show Tax Credits" of a party: a fresh, fitted Form10 showing it.
  std::function<void(casevars::Party)> showTaxCredits{};
  // The background of the user's screen scheme (the grey scheme's colour).
  std::function<platform::OleColor()> schemeBackColor{};
  // The dependency and overnights change calculator, filled from the case and
  // shown beside this window.
  std::function<void()> openDependsCalculator{};
};

// "Child Support": the window on which a child support run shows its result
// text. It computes nothing; its own commands take a party's monthly net from
// its box or drop it and run again, show or hide the tiers, and return to the
// Express screen.
class Form5 : public platform::ui::Form {
  Q_OBJECT
 public:
  Form5(casevars::CaseVars& vars, platform::Dialogs& dialogs, Form5Link link, QWidget* parent = nullptr);
  ~Form5() override;

  ChildSupportPictures& Pictures() { return pictures_; }
  // The run's result-text hook drawing into this window at the given
  // horizontal screen factor; sets the party frames' captions.
  std::function<void(casevars::CaseVars&)> TextHook(std::function<double()> scaleFactorX);
  // The monthly nets typed in the boxes, as the run reads them.
  void FillRunInputs(childsupport::ChildSupportInputs& inputs) const;

  void ChangeClaimant_Click();
  void ChangeOther_Click();
  void ResetClaimant_Click();
  void ResetOther_Click();
  void ButtonPlus1_Click();
  void ReturnToDataCommand_Click();
  // "Run A Dependency/Overnight Flip Calculation": the change calculator,
  // filled with the case's figures; this window stays shown.
  void FlipCalc_Click();

  // The screen image's appearances: the seven command buttons hidden and the
  // trade mark shown; frames and labels white (print) or in the screen
  // scheme's colour (grey, given back by the Print Screen Images window).
  void HideForm5Buttons();
  void MakeForm5White();
  Q_INVOKABLE void MakeForm5Grey();

  QGroupBox* Frame1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QGroupBox* Frame5 = nullptr;
  PictureBox* Picture1 = nullptr;
  PictureBox* Picture2 = nullptr;
  PictureBox* Picture3 = nullptr;
  PictureBox* Picture4 = nullptr;
  PictureBox* Picture5 = nullptr;
  PictureBox* Picture6 = nullptr;
  PictureBox* Picture7 = nullptr;
  PictureBox* Picture8 = nullptr;
  QLineEdit* NewClaimNet = nullptr;
  QLineEdit* NewOtherNet = nullptr;
  QLineEdit* ClaimantName = nullptr;
  platform::ui::ButtonPlus* ChangeClaimant = nullptr;
  platform::ui::ButtonPlus* ChangeOther = nullptr;
  platform::ui::ButtonPlus* ResetClaimant = nullptr;
  platform::ui::ButtonPlus* ResetOther = nullptr;
  platform::ui::ButtonPlus* ButtonPlus1 = nullptr;
  platform::ui::ButtonPlus* ReturnToDataCommand = nullptr;
  platform::ui::ButtonPlus* ClaimCreditsButton = nullptr;
  platform::ui::ButtonPlus* OtherCreditsButton = nullptr;
  QGroupBox* TradeMark = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  QLineEdit* NetBox(casevars::Party party) const;
  NetIncomeServices Services();
  void SetSchemeColour(platform::OleColor colour);

  casevars::CaseVars& vars_;
  platform::Dialogs& dialogs_;
  Form5Link link_;
  ChildSupportPictures pictures_;
};

}  // namespace results::ui
