#pragma once

#include <array>

#include <functional>

#include "express/ExpressScreen.h"
#include "express/Prompter.h"
#include "platform/Dialogs.h"
#include "platform/document/Document.h"
#include "platform/document/OutputResult.h"
#include "express/ui/FormFields.h"
#include "express/ui/TimeBoxKeys.h"
#include "platform/ui/Form.h"

class QGroupBox;
class QLineEdit;

namespace platform::ui {
class ButtonPlus;
}

namespace shell {
class Program;
}

namespace express {

// The parenting-time window, "Parenting Time - Based On Overnight Possession
// Of Children": each child's overnights with each party, typed in any of
// four forms (the claimant's nights, the other party's nights, or either
// share of the year), with the average over the children in the last row and
// on the Express screen. Closing it only hides it, so its boxes keep the
// case's time; each close brings the tier values up to date. The entry code
// itself is the Express area's plain code over the window's fields.
class Form16 : public platform::ui::Form, public ParentingTimeWindow {
  Q_OBJECT
 public:
  explicit Form16(shell::Program& program, QWidget* parent = nullptr);

  static constexpr int kRows = 7;  // six children and the average (index 6)
  static constexpr double kDesignWidth = 8865;   // client area, twips
  static constexpr double kDesignHeight = 6570;  // client area below the menu bar

  // The per-child frames (0 to 5) and the average frame (6).
  std::array<QGroupBox*, kRows> ShareFrame{};
  std::array<QLineEdit*, kRows> ClaimDays{};
  std::array<QLineEdit*, kRows> PayerDays{};
  std::array<QLineEdit*, kRows> PercentOfTimeValue{};
  std::array<QLineEdit*, kRows> PayerPerCent{};
  platform::ui::ButtonPlus* CopyTime = nullptr;

  ExpressFields& Fields() { return fields_; }

  // The tier values from the window's boxes (read by every run).
  void AssignTierVars() override;
  void CalculateAvTime() override;
  void CalculateTierTotal() override;

  // "Print Parenting Time": the print dialog, then the report on the chosen
  // printer. A cancel or a printing failure ends it quietly.
  void PrintParentingTime_Click();
  // Brings the tiers up to date and draws the report on the program's printer.
  void PrintTime();
  // Sends a finished report to the chosen printer (tests record it instead).
  std::function<platform::OutputResult(const platform::Document&, const platform::PrinterChoice&)> SendToPrinter;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildRow(int row, QWidget* frame, double nightsLeft, double nightsWidth, double sharesLeft,
                double sharesWidth);
  bool eventFilter(QObject* watched, QEvent* event) override;
  void SetFittedWidth();
  // The Express screen's fields (a scratch copy while it is not loaded).
  ExpressFields& ExpressScreen();

  shell::Program& program_;
  FormFields fields_{*this};
  Prompter prompter_;
  FakeExpressFields noExpressScreen_;
  TimeBoxKeys keys_;
  bool snapping_ = false;
};

}  // namespace express
