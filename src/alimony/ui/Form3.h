#pragma once

#include <QString>

#include <functional>

#include "alimony/AlimonyPictures.h"
#include "case/CaseVars.h"
#include "platform/Colors.h"
#include "platform/Dialogs.h"
#include "platform/ui/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QTextEdit;

namespace platform::ui {
class ButtonPlus;
}
namespace results::ui {
class PictureBox;
}

namespace alimony::ui {

// What the alimony result window asks of the rest of the program.
struct Form3Link {
  // ComputeAlimony with the program's windows, drawn into this window; with
  // `clearNotes` the present value and the note line are cleared once it has
  // finished. False when the calculation stopped (its message shown).
  std::function<bool(bool clearNotes)> computeAlimony{};
  // A child support run for "Use Suggested Award"; false when it stopped.
  std::function<bool()> computeChildSupport{};
  // Shows the Express screen again when the user leaves this window.
  std::function<void()> showExpressScreen{};
  // The Express screen's current monthly alimony box.
  std::function<void(const QString&)> setCurrentMaintTransfer{};
  // "Show Tax Credits" of a party.
  std::function<void(casevars::Party)> showTaxCredits{};
  // "?": the help text on the present-value entries.
  std::function<void()> showPresentValueHelp{};
  // The background of the user's screen scheme (the grey scheme's colour).
  std::function<platform::OleColor()> schemeBackColor{};
};

// "Recommended Spousal Maintenance": the window on which an alimony
// calculation shows its results: the case score and its sentence, the term
// recommendations, the suggested award, both parties' incomes after alimony,
// the case data, the tax-treatment note and the present value of the award.
// It computes nothing itself; its commands put in the user's own yearly award
// or go back to the suggested one and run the calculation again, price the
// award as a present value and return to the Express screen.
class Form3 : public platform::ui::Form {
  Q_OBJECT
 public:
  Form3(casevars::CaseVars& vars, platform::Dialogs& dialogs, Form3Link link, QWidget* parent = nullptr);
  ~Form3() override;

  AlimonyPictures& Pictures() { return pictures_; }
  // Gives every picture's text its fitted size and font before a drawing.
  void SyncPictures();
  // Draws a case score (the CaseScore box and Picture1) and a finished
  // calculation into the pictures; sets the party frames' captions.
  void ShowCaseScore(const CaseScoreResult& score);
  void ShowOutcome(const AlimonyOutcome& outcome, double scaleFactorX);

  // The yearly award the calculation uses while AwardChangedFlag is "Y": the
  // one "Change Alimony Award" last put in force.
  double AwardInForce() const { return awardInForce_; }

  void ChangeAward_Click();
  void UseSuggested_Click();
  void PresentValueButton_Click();
  void PVHelp_Click();
  void ReturnToDataCommand_Click();

  // The screen image's appearances: the seven command buttons hidden and the
  // trade mark shown; frames and labels white (print) or in the screen
  // scheme's colour (grey, given back by the Print Screen Images window).
  void HideForm3Buttons();
  Q_INVOKABLE void MakeForm3White();
  Q_INVOKABLE void MakeForm3Grey();

  QGroupBox* Frame1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QLineEdit* CaseScore = nullptr;
  results::ui::PictureBox* Picture1 = nullptr;
  results::ui::PictureBox* Picture3 = nullptr;
  results::ui::PictureBox* Picture4 = nullptr;
  results::ui::PictureBox* Picture5 = nullptr;
  results::ui::PictureBox* Picture6 = nullptr;
  results::ui::PictureBox* Picture7 = nullptr;
  results::ui::PictureBox* Picture8 = nullptr;
  results::ui::PictureBox* Picture9 = nullptr;
  results::ui::PictureBox* Picture10 = nullptr;
  QLineEdit* NewAward = nullptr;
  QLineEdit* ClaimantName = nullptr;
  QLineEdit* PresentValueDuration = nullptr;
  QLineEdit* PresentValueTax = nullptr;
  QLineEdit* PresentValueDiscount = nullptr;
  QTextEdit* Text1 = nullptr;
  platform::ui::ButtonPlus* UseSuggested = nullptr;
  platform::ui::ButtonPlus* ChangeAward = nullptr;
  platform::ui::ButtonPlus* ReturnToDataCommand = nullptr;
  platform::ui::ButtonPlus* PVHelp = nullptr;
  platform::ui::ButtonPlus* PresentValueButton = nullptr;
  platform::ui::ButtonPlus* ClaimCreditsButton = nullptr;
  platform::ui::ButtonPlus* OtherCreditsButton = nullptr;
  QGroupBox* TradeMark = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  void SetSchemeColour(platform::OleColor colour);
  void EntryError(const QString& message);

  casevars::CaseVars& vars_;
  platform::Dialogs& dialogs_;
  Form3Link link_;
  AlimonyPictures pictures_;
  double awardInForce_ = 0;
};

}  // namespace alimony::ui
