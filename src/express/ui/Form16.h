#pragma once

#include <array>

#include "express/ParentingTime.h"
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
// case's time; each close brings the tier values up to date.
class Form16 : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit Form16(shell::Program& program, QWidget* parent = nullptr);

  static constexpr int kRows = 7;  // six children and the average (index 6)
  static constexpr double kDesignWidth = 8865;

  // The per-child frames (0 to 5) and the average frame (6).
  std::array<QGroupBox*, kRows> ShareFrame{};
  std::array<QLineEdit*, kRows> ClaimDays{};
  std::array<QLineEdit*, kRows> PayerDays{};
  std::array<QLineEdit*, kRows> PercentOfTimeValue{};
  std::array<QLineEdit*, kRows> PayerPerCent{};
  platform::ui::ButtonPlus* CopyTime = nullptr;

  // The tier values from the window's boxes (read by every run).
  void AssignTierVars();
  void CalculateAvTime();
  void CalculateTierTotal();

  // A row typed in: the other three boxes, then the average.
  void TimeBox_Edited(TimeBox typed, int row);
  // The claimant's share check of a child's row.
  void PercentOfTimeValue_Change(int row);
  // Gives every counted child the youngest child's nights.
  void CopyTime_Click();
  // Captions and visibility of the child frames for `children` minor children.
  void ShowChildFrames(int children);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildRow(int row, QWidget* frame, double nightsLeft, double nightsWidth, double sharesLeft,
                double sharesWidth);
  // Writes a row's values and its boxes but `typed` (none: all four).
  void WriteRow(int row, const TimeSplit& time, const QLineEdit* typed);
  void RefreshAverage();
  void SetFittedWidth();
  QLineEdit* Box(TimeBox kind, int row) const;

  shell::Program& program_;
  bool snapping_ = false;
};

}  // namespace express
